#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "net/ReceivedMove.h"
#include "rules/Board.h"

namespace {

TEST(ParseMoveLine, OnlyKindOneIsAClone) {
    const std::pair<std::string, bool> cases[] = {
        {"3-2-4-3-1", true},   {"3-2-4-3-0", false}, {"3-2-4-3-2", false},
        {"3-2-4-3-10", false}, {"3-2-4-3-", false},
    };
    for (const auto& [line, clone] : cases) {
        const ParsedMoveLine parsed = ParseMoveLine(line);
        EXPECT_TRUE(parsed.FieldsAreNumbers) << line;
        EXPECT_EQ(parsed.Received, (Move{3, 2, 4, 3, clone})) << line;
    }
    EXPECT_FALSE(ParseMoveLine("3-2-4-3").FieldsAreNumbers);
    EXPECT_FALSE(ParseMoveLine("3-2-x-3-1").FieldsAreNumbers);
}

// The remote player 2 has a piece on (1,1), player 1 on (2,2) and (9,9); the holes are blocked.
ReceiveSituation RemoteTurn() {
    Board board;
    InitBoard(board);
    ReceiveSituation situation;
    situation.Grid = CopyToValueGrid(board);
    situation.Grid(1, 1) = Player2;
    situation.Grid(9, 9) = Player1;
    situation.Grid(2, 2) = Player1;
    situation.GameRunning = true;
    situation.CurrentPlayer = 2;
    situation.RemotePlayer = 2;
    return situation;
}

struct JudgeCase {
    std::string Line;
    MoveRefusal Refusal;
};

TEST(JudgeReceivedMove, RefusesWhatThePeerMayNotPlay) {
    const JudgeCase cases[] = {
        {"1-1-1-2-1", MoveRefusal::None},
        {"1-1-3-2-0", MoveRefusal::None},
        {"1-1-3-2-2", MoveRefusal::None},
        {"1-1-3-2-10", MoveRefusal::None},
        {"a-1-1-2-1", MoveRefusal::NotNumbers},
        {"1-1-1-2", MoveRefusal::NotNumbers},
        {"", MoveRefusal::NotNumbers},
        {"1--1-1-2-1", MoveRefusal::NotNumbers},
        {"0-1-1-2-1", MoveRefusal::OffBoard},
        {"1-6-1-5-1", MoveRefusal::OffBoard},
        {"1-1-10-1-0", MoveRefusal::OffBoard},
        {"1-1-1-2-0", MoveRefusal::KindMismatch},
        {"1-1-3-3-1", MoveRefusal::KindMismatch},
        {"1-1-1-5-0", MoveRefusal::KindMismatch},
        {"1-1-1-1-1", MoveRefusal::KindMismatch},
        {"9-9-8-8-1", MoveRefusal::Illegal},
        {"1-1-3-4-0", MoveRefusal::KindMismatch},
        {"2-2-2-3-1", MoveRefusal::Illegal},
        {"1-1-2-2-1", MoveRefusal::Illegal},
    };
    for (const JudgeCase& c : cases) {
        const MoveVerdict verdict = JudgeReceivedMove(c.Line, RemoteTurn());
        EXPECT_EQ(verdict.Refusal, c.Refusal) << c.Line << ": " << verdict.StatusText;
        EXPECT_EQ(verdict.Accepted(), verdict.StatusText.empty()) << c.Line;
    }
}

TEST(JudgeReceivedMove, RefusesOutsideTheRemoteTurn) {
    ReceiveSituation situation = RemoteTurn();
    situation.GameRunning = false;
    MoveVerdict verdict = JudgeReceivedMove("1-1-1-2-1", situation);
    EXPECT_EQ(verdict.Refusal, MoveRefusal::NoGame);
    EXPECT_EQ(verdict.StatusText, "Refused move \"1-1-1-2-1\": no game is running");
    EXPECT_TRUE(verdict.Received.Clone);

    situation = RemoteTurn();
    situation.CurrentPlayer = 1;
    verdict = JudgeReceivedMove("1-1-1-2-1", situation);
    EXPECT_EQ(verdict.Refusal, MoveRefusal::NotRemoteTurn);
    EXPECT_EQ(verdict.StatusText, "Refused move \"1-1-1-2-1\": it is not Player 2's turn");
}

TEST(JudgeReceivedMove, ShowsHostileTextHarmlessly) {
    const MoveVerdict verdict = JudgeReceivedMove("\x1b[31m<b>\n1-1", RemoteTurn());
    EXPECT_EQ(verdict.StatusText, "Refused move \"\\x1B[31m<b>\\x0A1-1\": its fields are not numbers");
    const std::string huge(1 << 20, '7');
    EXPECT_LT(JudgeReceivedMove(huge, RemoteTurn()).StatusText.size(), 100u);
}

TEST(SafeSnippet, EscapesAndCuts) {
    EXPECT_EQ(SafeSnippet("1-2-3-4-1"), "1-2-3-4-1");
    EXPECT_EQ(SafeSnippet(std::string("a\0\xff", 3)), "a\\x00\\xFF");
    EXPECT_EQ(SafeSnippet("abcdefgh", 5), "abcde...");
}

TEST(ChatTextForDisplay, KeepsOrdinaryTextAsItIs) {
    EXPECT_EQ(ChatTextForDisplay(""), "");
    EXPECT_EQ(ChatTextForDisplay("Good move! 3-2 <b>#1</b>\n\tnext"), "Good move! 3-2 <b>#1</b>\n\tnext");
    EXPECT_EQ(ChatTextForDisplay("a\rb\x01"
                                 "c\x7f"),
              "a b c ");
    EXPECT_EQ(ChatTextForDisplay("caf\xc3\xa9"), "caf\xc3\xa9");
}

TEST(ChatTextForDisplay, KeepsAnAbsurdTextWithinBounds) {
    const std::string run(200, 'w');
    EXPECT_EQ(ChatTextForDisplay(run),
              run.substr(0, 80) + "\n" + run.substr(80, 80) + "\n" + run.substr(160));

    const std::string megabyte(1 << 20, 'm');
    const std::string shown = ChatTextForDisplay(megabyte);
    EXPECT_LT(shown.size(), 2100u);
    EXPECT_NE(shown.find("more characters not shown]"), std::string::npos);

    std::string lines;
    for (int i = 0; i < 100; ++i)
        lines += "line\n";
    const std::string cut = ChatTextForDisplay(lines);
    EXPECT_LE(std::count(cut.begin(), cut.end(), '\n'), 41);
    EXPECT_NE(cut.find("[301 more characters not shown]"), std::string::npos) << cut;

    // Cutting never splits a UTF-8 character.
    std::string accents;
    for (int i = 0; i < 3000; ++i)
        accents += "\xc3\xa9";
    const std::string shownAccents = ChatTextForDisplay(accents);
    const std::size_t note = shownAccents.find('[');
    ASSERT_NE(note, std::string::npos);
    for (std::size_t i = 0; i + 1 < note; ++i)
        if (static_cast<unsigned char>(shownAccents[i]) == 0xc3) {
            EXPECT_EQ(static_cast<unsigned char>(shownAccents[i + 1]), 0xa9);
        }
    EXPECT_NE(shownAccents.find("[1000 more characters not shown]"), std::string::npos);
}

} // namespace
