#pragma once

#include <string_view>

// The result announced at the end of a game: the text of the "Results:" box and the sound
// started with it (empty when none).
struct GameOutcome {
    std::string_view Message;
    std::string_view Sound;
};

// Chooses the result from the scores as they stood before the end-of-game fill and the
// kinds of the players. A local human is told "you win" or "you lost"; between players of
// the same kind only the winner's number is named.
GameOutcome DecideOutcome(int score1, int score2, bool player1IsComputer, bool player2IsComputer,
                          int networkRole);
