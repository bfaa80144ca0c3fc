#pragma once

#include "ai/SearchProgress.h"
#include "ai/SearchSettings.h"
#include "rules/Move.h"
#include "rules/ValueGrid.h"

// The reference searches, written literally, node by node, as the game defines them. They are
// the oracle that every faster engine is tested against, so they favour plainness over speed.
namespace reference {

// What a search needs besides its arguments: the searching player's settings (already
// clamped) and where its top-level steps go.
struct SearchRequest {
    SearchSettings Settings;
    SearchProgress* Progress = nullptr;
};

// Negamax over `grid` for `side`: Complete, Branch and Bound or Alpha-Beta as
// Settings.Algo says. `move` is written each time a strictly better move is found and at
// no other time; `noMove` at the normal end of the call. A call whose depth equals
// Settings.Level is the top level: it reports progress and may be stopped, in which case
// `noMove` is not written and the result is meaningless.
int FullWidthSearch(const ValueGrid& grid, int side, int depth, int bound, int alpha, int beta, Move& move,
                    bool& noMove, const SearchRequest& request);

// The selective search: keeps the Settings.Branch best one-ply moves of each node and
// searches only those deeper. At a normal end `move` and `noMove` are written.
int HomeMadeSearch(const ValueGrid& grid, int side, int depth, Move& move, bool& noMove,
                   const SearchRequest& request);

} // namespace reference
