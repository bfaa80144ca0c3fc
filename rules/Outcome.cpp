#include "rules/Outcome.h"

GameOutcome DecideOutcome(int score1, int score2, bool player1IsComputer, bool player2IsComputer,
                          int networkRole) {
    const bool sameKind = player1IsComputer == player2IsComputer && networkRole == 0;
    if (score1 > score2) {
        if (sameKind) return {"Player 1 won the game", ""};
        if (player1IsComputer || networkRole == 2) return {"Game Lost, maybe next time...", "lost.wav"};
        return {"Congratulation ! You win !", "artg.wav"};
    }
    if (score1 < score2) {
        if (sameKind) return {"Player 2 won the game", ""};
        if (player2IsComputer || networkRole == 1) return {"Maybe next time...You'll beat him.", "lost.wav"};
        return {"Congratulation ! You did it !", "artg.wav"};
    }
    return {"It is a draw !", ""};
}
