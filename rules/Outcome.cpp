#include "rules/Outcome.h"

GameResult DecideOutcome(int score1, int score2, bool player1IsComputer, bool player2IsComputer,
                         int networkRole) {
    const bool sameKind = player1IsComputer == player2IsComputer && networkRole == 0;
    if (score1 > score2) {
        if (sameKind) return GameResult::Player1Won;
        // The person here is player 2 when player 1 is the computer or this copy connected.
        if (player1IsComputer || networkRole == 2) return GameResult::LostToPlayer1;
        return GameResult::WonAsPlayer1;
    }
    if (score1 < score2) {
        if (sameKind) return GameResult::Player2Won;
        if (player2IsComputer || networkRole == 1) return GameResult::LostToPlayer2;
        return GameResult::WonAsPlayer2;
    }
    return GameResult::Draw;
}
