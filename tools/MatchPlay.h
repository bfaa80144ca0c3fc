#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ai/FastSearch.h"
#include "ai/SearchSettings.h"
#include "rules/Move.h"

// Games between two computer players without a window, for measuring their strength.

// One player's settings as the match tool spells them: ALGO:LEVEL[:BRANCH], ALGO 0 to 3 as in
// tessaron-search, LEVEL 0 to 8, BRANCH 3 to 30 (5 when left out; only Home Made reads it).
// Values out of range are refused rather than brought into range: a match of other
// settings than the ones asked for would measure the wrong thing.
std::variant<SearchSettings, std::string> ParseMatchPlayer(std::string_view text);

// The settings back in that spelling, the branch only for Home Made: "2:5", "3:5:30".
std::string MatchPlayerName(const SearchSettings& settings);

// The first two plies of a game: a layout, a move of player 1 and a reply of player 2.
struct Opening {
    int Layout = 1;
    Move First;
    Move Second;
};

// Every opening of the three layouts, shuffled by `seed` (the same order on every platform).
// A match takes them in this order, each once with either player first, so its games differ
// from one another until the openings run out.
std::vector<Opening> ShuffledOpenings(uint64_t seed);

enum class GameEnd {
    NoMove,  // the player to move had no legal move: the game ended by the rules
    Repeats, // a position came back with the same player to move: as both players choose a
             // move from the position alone, the game would go round the same moves for ever
             // and never reach its end, so it is stopped there and counted as a draw
};

// One game of a match, as its line says it. Pieces are counted before the end-of-game fill,
// as the result is decided on them.
struct MatchGame {
    int Index = 0;
    Opening Start;
    int FirstPlayer = 1; // 1: A plays player 1 (moves first), 2: B does
    int Pieces1 = 0;
    int Pieces2 = 0;
    int Plies = 0;
    GameEnd End = GameEnd::NoMove;
    // Where the game stopped (not kept in its line): the board and the player to move.
    ValueGrid Final;
    int FinalToMove = 1;
    // +1 A won, 0 draw, -1 B won.
    int ResultForA() const;
};

// The opening and colours of game `index` of a match: openings in shuffled order, each played
// twice with the colours swapped; A moves first in the even games.
MatchGame PlannedGame(const std::vector<Opening>& openings, int index);

// The time each search of a game took, in seconds, by the player who searched.
struct MoveTimes {
    std::vector<double> A;
    std::vector<double> B;
};

// Plays `game` from its opening to its end with the two players' settings on `engine`.
// Returns the finished game; `times` (may be null) receives every search's duration.
MatchGame PlayMatchGame(MatchGame game, const SearchSettings& a, const SearchSettings& b, FastEngine& engine,
                        MoveTimes* times);

// A game's line, self-contained so a results file can be resumed and read by other tools:
// "2:5 vs 3:5:30 seed 7 game 12 layout 1 opening 5-3-6-4-1 3-5-4-6-1 first A pieces 31 27
//  plies 64 end nomove result A".
std::string MatchGameLine(const SearchSettings& a, const SearchSettings& b, uint64_t seed,
                          const MatchGame& game);
// The game of a line when it belongs to the match of a, b and seed.
std::optional<MatchGame> ParseMatchGameLine(std::string_view line, const SearchSettings& a,
                                            const SearchSettings& b, uint64_t seed);

// Wins, draws and losses of A, with the logistic rating difference and its 95% interval.
struct MatchScore {
    int Wins = 0;
    int Draws = 0;
    int Losses = 0;
    void Add(int resultForA);
    int Games() const { return Wins + Draws + Losses; }
    double Share() const; // points of A per game, 0 to 1
    double Elo() const;   // +-infinity for a clean sweep
    double EloMargin() const;
};

// "A vs B: W-D-L score P% elo D ± E".
std::string MatchSummaryLine(const SearchSettings& a, const SearchSettings& b, const MatchScore& score);

double Median(std::vector<double> values);
