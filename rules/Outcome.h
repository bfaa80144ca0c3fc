#pragma once

// How a game ended, as the person at this copy is told it. Between players of the same kind
// only the winner's number is named; a local person playing a computer or a peer wins or
// loses, as player 1 or as player 2.
enum class GameResult {
    Player1Won,
    Player2Won,
    WonAsPlayer1,
    LostToPlayer1,
    WonAsPlayer2,
    LostToPlayer2,
    Draw,
};

// Chooses the result from the scores as they stood before the end-of-game fill and the
// kinds of the players.
GameResult DecideOutcome(int score1, int score2, bool player1IsComputer, bool player2IsComputer,
                         int networkRole);
