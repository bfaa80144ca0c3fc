#include "app/ResultAnnouncement.h"

ResultAnnouncement AnnouncementOf(GameResult result) {
    switch (result) {
    case GameResult::Player1Won:
        return {"Player 1 won the game", ""};
    case GameResult::Player2Won:
        return {"Player 2 won the game", ""};
    case GameResult::WonAsPlayer1:
        return {"Congratulation ! You win !", "artg.wav"};
    case GameResult::LostToPlayer1:
        return {"Game Lost, maybe next time...", "lost.wav"};
    case GameResult::WonAsPlayer2:
        return {"Congratulation ! You did it !", "artg.wav"};
    case GameResult::LostToPlayer2:
        return {"Maybe next time...You'll beat him.", "lost.wav"};
    case GameResult::Draw:
        break;
    }
    return {"It is a draw !", ""};
}
