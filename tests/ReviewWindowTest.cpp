#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "app/GameAnalysis.h"
#include "app/MoveList.h"
#include "app/MovesMenu.h"
#include "app/ReviewGraph.h"
#include "rules/Layouts.h"
#include "rules/LegalMoves.h"
#include "rules/MoveNotation.h"
#include "tests/WindowTestSupport.h"

namespace {

class Review : public WindowTest {
  protected:
    TMovesMenu& moves() { return *form->Moves; }
    TMoveList& list() { return *moves().moveList(); }
    // Two people play the first moves of a game with the mouse.
    void PlayOpening(const std::vector<Move>& played) {
        form->Config.PlayerIsComputer[2] = false;
        form->Start1Click();
        for (const Move& move : played)
            PlayByMouse(move);
    }
    bool ReviewDone(int seconds = 20) {
        QElapsedTimer clock;
        clock.start();
        while (!moves().analysis()->Finished() && clock.elapsed() < seconds * 1000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        QApplication::processEvents();
        return moves().analysis()->Finished();
    }
};

const std::vector<Move> Opening{{3, 7, 3, 6, true}, {3, 1, 3, 2, true}, {4, 7, 4, 5, false},
                                {5, 3, 5, 4, true}, {3, 6, 4, 6, true}, {4, 2, 4, 4, false}};

TEST_F(Review, TheGraphAndTheListShowTheSearchsReviewOfEveryMove) {
    PlayOpening(Opening);
    moves().MoveList1->trigger();
    ASSERT_TRUE(ReviewDone());
    const std::vector<std::optional<MoveReview>>& found = moves().analysis()->reviews();
    ASSERT_EQ(found.size(), Opening.size());
    ReviewSearches searches;
    const GameRecord& record = moves().record();
    for (std::size_t ply = 0; ply < Opening.size(); ++ply) {
        const std::optional<MoveReview> expected =
            ReviewMove(searches, record.At(ply), Opening[ply], DefaultReviewLevel);
        ASSERT_TRUE(found[ply]);
        EXPECT_EQ(found[ply]->Best, expected->Best) << ply;
        EXPECT_EQ(found[ply]->PlayedValue, expected->PlayedValue) << ply;
        EXPECT_EQ(found[ply]->BestValue, expected->BestValue) << ply;
        const QString line = list().Lines->item(static_cast<int>(ply) + 1)->text();
        EXPECT_TRUE(
            line.endsWith(QString("-%1%2")
                              .arg(expected->Loss())
                              .arg(MarkOf(expected->Loss()) == MoveMark::None
                                       ? ""
                                       : " " + QString::fromLatin1(MarkText(MarkOf(expected->Loss()))))))
            << line.toStdString();
        EXPECT_TRUE(
            list().Graph->Describe(ply + 1).contains(QString::fromStdString(MoveText(expected->Best))));
    }
    // The points stand at the values: higher for white, on the axis at 0.
    const ReviewGraph& graph = *list().Graph;
    for (std::size_t a = 1; a <= Opening.size(); ++a) {
        if (found[a - 1]->WhiteValue() == 0) {
            EXPECT_DOUBLE_EQ(graph.PointOf(a).y(), QRectF(graph.rect()).center().y()) << "on the axis";
        }
        for (std::size_t b = 1; b <= Opening.size(); ++b) {
            if (found[a - 1]->WhiteValue() > found[b - 1]->WhiteValue()) {
                EXPECT_LT(graph.PointOf(a).y(), graph.PointOf(b).y()) << a << " above " << b;
            }
        }
    }
    EXPECT_TRUE(list().Summary->text().startsWith("White: average loss "));

    // A click on a point goes to the position after that move, as a click on its line does.
    const QPoint point = graph.PointOf(2).toPoint();
    QMouseEvent press(QEvent::MouseButtonPress, point, list().Graph->mapToGlobal(point), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list().Graph, &press);
    EXPECT_EQ(moves().record().Cursor(), 2u);
    EXPECT_EQ(form->CurrentPlayer, 1);

    // Another level reviews again; a new move keeps what was found and adds its own.
    list().Level->setValue(2);
    ASSERT_TRUE(ReviewDone());
    EXPECT_EQ(moves().analysis()->reviews()[0]->BestValue,
              ReviewMove(searches, record.At(0), Opening[0], 2)->BestValue);
}

// Hours of play review game after game: the searches kept are those of the game on show, not
// of every game since the program started.
TEST_F(Review, TheSearchesKeptAreTheGameOnShows) {
    PlayOpening(Opening);
    moves().MoveList1->trigger();
    ASSERT_TRUE(ReviewDone());
    EXPECT_EQ(moves().analysis()->KeptSearches(), 2 * Opening.size());
    PlayByMouse(LegalMoves(CopyToValueGrid(form->board()), 1).front()); // the same game goes on
    ASSERT_TRUE(ReviewDone());
    EXPECT_EQ(moves().analysis()->KeptSearches(), 2 * Opening.size() + 2);
    form->Start1Click(); // another game
    PlayByMouse({5, 7, 5, 6, true});
    PlayByMouse({3, 1, 3, 2, true});
    ASSERT_TRUE(ReviewDone());
    EXPECT_EQ(moves().analysis()->KeptSearches(), 4u);
}

TEST_F(Review, ReplayPlaysTheGameAgainAndPauseHoldsIt) {
    PlayOpening(Opening);
    form->SoundOn = true;
    platform.Sounds.clear();
    moves().MoveList1->trigger();
    list().Pace->setValue(0.5);
    const ValueGrid end = CopyToValueGrid(form->board());
    std::vector<ValueGrid> seen;
    int held = -1;
    QTimer watch;
    watch.setInterval(100);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        seen.push_back(CopyToValueGrid(form->board()));
        // Pause after the second move for a second, then Resume.
        if (held < 0 && moves().record().Cursor() == 2) {
            held = 0;
            ASSERT_TRUE(list().Pause->isEnabled());
            list().Pause->click();
            EXPECT_EQ(list().Pause->text(), "Resume");
            PressAt({3, 6}); // the board is not the player's meanwhile
            EXPECT_FALSE(form->PieceSelected);
        } else if (held >= 0 && held < 10 && ++held == 10) {
            EXPECT_EQ(moves().record().Cursor(), 2u) << "held by Pause";
            list().Pause->click();
        }
    });
    watch.start();
    list().Replay->click();
    watch.stop();
    ASSERT_EQ(held, 10);
    EXPECT_EQ(seen.front(), StartingGrid(Standard)) << "from the start";
    EXPECT_EQ(CopyToValueGrid(form->board()), end);
    EXPECT_EQ(moves().record().Cursor(), Opening.size());
    EXPECT_EQ(moves().record().Size(), Opening.size());
    EXPECT_EQ(platform.Sounds.count("reprod.wav"), 4) << "four clones, with their sound";
    EXPECT_EQ(platform.Sounds.count("to.wav"), 2);
    EXPECT_TRUE(form->GameRunning);
    ExpectBoardConsistent();
}

TEST_F(Review, PauseHoldsAGameOfTwoComputers) {
    form->Config.PlayerIsComputer[1] = true;
    form->Config.PlayerIsComputer[2] = true;
    moves().MoveList1->trigger();
    std::size_t pausedAt = 0;
    int ticks = 0;
    QTimer watch;
    watch.setInterval(50);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        ++ticks;
        if (ticks == 4) {
            moves().PauseClick();
            pausedAt = moves().record().Size();
        } else if (ticks == 14) {
            EXPECT_LE(moves().record().Size(), pausedAt + 1) << "at most the move then searched";
            moves().PauseClick();
        }
    });
    watch.start();
    form->Start1Click();
    watch.stop();
    EXPECT_GE(ticks, 14);
    EXPECT_FALSE(form->GameRunning) << "the game went on to its end";
    EXPECT_EQ(platform.Messages.back().Caption, "Results:");
}

} // namespace
