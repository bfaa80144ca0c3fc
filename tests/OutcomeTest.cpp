#include <gtest/gtest.h>

#include "app/ResultAnnouncement.h"

TEST(Outcome, TableOfMessagesAndSounds) {
    struct Case {
        const char* name;
        int s1, s2;
        bool computer1, computer2;
        int role;
        const char* message;
        const char* sound;
    };
    const Case cases[] = {
        {"two humans, player 1 ahead", 30, 28, false, false, 0, "Player 1 won the game", ""},
        {"two computers, player 2 ahead", 20, 38, true, true, 0, "Player 2 won the game", ""},
        {"human vs computer, human ahead", 40, 18, false, true, 0, "Congratulation ! You win !", "artg.wav"},
        {"computer vs human, computer ahead", 40, 18, true, false, 0, "Game Lost, maybe next time...",
         "lost.wav"},
        {"human vs computer, computer ahead", 18, 40, false, true, 0, "Maybe next time...You'll beat him.",
         "lost.wav"},
        {"computer vs human, human ahead", 18, 40, true, false, 0, "Congratulation ! You did it !",
         "artg.wav"},
        {"network host ahead", 40, 18, false, false, 1, "Congratulation ! You win !", "artg.wav"},
        {"network host behind", 18, 40, false, false, 1, "Maybe next time...You'll beat him.", "lost.wav"},
        {"network guest behind", 40, 18, false, false, 2, "Game Lost, maybe next time...", "lost.wav"},
        {"network guest ahead", 18, 40, false, false, 2, "Congratulation ! You did it !", "artg.wav"},
        {"draw between different kinds", 29, 29, false, true, 0, "It is a draw !", ""},
        {"draw in a network game", 29, 29, false, false, 2, "It is a draw !", ""},
        {"28 against 20 before the fill", 28, 20, false, false, 0, "Player 1 won the game", ""},
    };
    for (const Case& c : cases) {
        const ResultAnnouncement outcome =
            AnnouncementOf(DecideOutcome(c.s1, c.s2, c.computer1, c.computer2, c.role));
        EXPECT_EQ(outcome.Message, c.message) << c.name;
        EXPECT_EQ(outcome.Sound, c.sound) << c.name;
    }
}
