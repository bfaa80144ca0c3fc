#pragma once

#include "ai/SearchOutcome.h"
#include "ai/SearchProgress.h"
#include "ai/SearchSettings.h"
#include "rules/ValueGrid.h"

// Which implementation answers a search. Both give the same answers; the reference one is
// written as the game defines it and is kept as the oracle of the tests.
enum class EngineKind { Reference, Fast };

// The top-level call of a computer turn for `side` with the searching player's settings:
// FullWidthSearch(grid, side, Level, 1000, -1000, 1000) for Complete, Branch and Bound and
// Alpha-Beta, HomeMadeSearch(grid, side, Level) for Home Made. `progress` may be null.
SearchOutcome SearchTopLevel(EngineKind engine, const ValueGrid& grid, int side,
                             const SearchSettings& settings, SearchProgress* progress);

// The number of threads a fast search uses unless told otherwise: one per core the machine
// offers (hardware_concurrency), at least one.
int DefaultSearchThreads();

// Sets how many threads the fast searches of this process use from now on (at least one).
// A search already running finishes with its own; the next one waits for it.
void SetSearchThreads(int threads);

// The end-of-game test: Home Made at depth 0 for `side`, with that player's settings (its
// Level decides whether this call reports progress). NoMove is exact unless Stopped.
SearchOutcome EndTest(const ValueGrid& grid, int side, const SearchSettings& settings,
                      SearchProgress* progress);
