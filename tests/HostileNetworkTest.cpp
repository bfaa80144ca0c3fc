// Hostile and unlucky peers against the real main window over loopback sockets: the window
// listens and plays player 1, and a plain socket does whatever the peer does. Every case ends
// with the same checks: the program still runs and its memory grew by a bounded amount, the
// board changed only by the legal moves the test knows of, the game goes on (or starts again),
// and the status line says what happened. Each case prints its figures on one "[hostile]" line.
#include <QAction>
#include <QLabel>
#include <dirent.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string_view>
#include <thread>

#include "net/NetworkGame.h"
#include "rules/GameRecord.h"
#include "rules/Layouts.h"
#include "tests/WiringTestSupport.h"

namespace {

// Sanitizer builds keep freed memory in quarantine, so their growth says little.
#if defined(__SANITIZE_ADDRESS__)
constexpr long MaxGrowthKb = 512 * 1024;
#else
constexpr long MaxGrowthKb = 64 * 1024;
#endif

long ResidentKb() {
    long pages = 0;
    long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The sockets this process holds open (other descriptors come and go with Qt's own work).
int OpenSockets() {
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (const dirent* entry = readdir(dir)) {
            char target[64] = {};
            const std::string link = std::string("/proc/self/fd/") + entry->d_name;
            if (readlink(link.c_str(), target, sizeof target - 1) > 0 &&
                std::string_view(target).starts_with("socket:"))
                ++count;
        }
        closedir(dir);
    }
    return count;
}

// What the peer has been sent so far, without waiting for more.
std::string Drain(int fd) {
    std::string bytes;
    char buffer[65536];
    ssize_t n = 0;
    while ((n = recv(fd, buffer, sizeof buffer, MSG_DONTWAIT)) > 0)
        bytes.append(buffer, static_cast<std::size_t>(n));
    return bytes;
}

class HostilePeer : public testing::Test {
  public:
    void SetUp() override {
        port = FreePort();
        MakeNetworkPlayer(*server.Form, 1, port);
        server.Form->Start1Click();
        ASSERT_TRUE(server.Form->LabelState->text().endsWith(" Listening on port: " + QString::number(port)));
        sockets = OpenSockets();
        ASSERT_NO_FATAL_FAILURE(ConnectPeer());
        resident = ResidentKb();
        clock.start();
    }

    void TearDown() override {
        if (peer >= 0) close(peer);
        std::printf("[hostile] %s: %lld ms, resident memory %+ld KB, %zu boxes (at most %d open), "
                    "status \"%s\"\n",
                    testing::UnitTest::GetInstance()->current_test_info()->name(), clock.elapsed(),
                    ResidentKb() - resident, server.Platform.Messages.size(),
                    server.Platform.MostOpenMessages,
                    server.Form->LabelState->text().left(80).toUtf8().constData());
    }

    QString Status() const { return server.Form->LabelState->text(); }

    void ConnectPeer() {
        peer = ConnectedSocket(port);
        ASSERT_GE(peer, 0);
        ASSERT_TRUE(WaitUntil([&] { return server.Form->GameRunning; }));
        expected = StartingGrid(Standard);
        ASSERT_EQ(server.Grid(), expected);
    }

    void Apply(const Move& move, int player) {
        ValueGrid next;
        ApplyMoveToGrid(expected, next, move, player, OtherPlayer(player));
        expected = next;
    }

    // Player 1 moves with the mouse; the peer receives the move line.
    void LocalMove() {
        const std::optional<Move> move = SomeLegalMove(expected, 1);
        ASSERT_TRUE(move.has_value());
        server.PlayByMouse(*move);
        Apply(*move, 1);
        ASSERT_EQ(server.Grid(), expected);
        pollfd ready{peer, POLLIN, 0};
        poll(&ready, 1, 2000);
        EXPECT_EQ(Drain(peer), MoveLineOf(*move).toStdString());
    }

    // The line of a legal move of the peer; the expected position follows it.
    std::string PeerReply() {
        const std::optional<Move> move = SomeLegalMove(expected, 2);
        Apply(*move, 2);
        return MoveLineOf(*move).toStdString();
    }

    // The socket the window reads the peer from has nothing left unread.
    bool AllRead() {
        const auto& clients = server.Form->network().TCPServer1.Clients;
        int unsent = 0;
        int unread = 0;
        ioctl(peer, TIOCOUTQ, &unsent);
        if (clients.Count() > 0) ioctl(clients.Items(0), FIONREAD, &unread);
        return unsent == 0 && unread == 0;
    }

    // Sends and lets the window read it all.
    void Send(const std::string& bytes) {
        SendRaw(peer, bytes);
        ASSERT_TRUE(WaitUntil([&] { return AllRead(); }, 10000));
    }

    // The board holds exactly the known legal moves, the window has not grown without bound,
    // and one more move each way is played.
    void ExpectBoundedAndGoingOn() {
        EXPECT_EQ(server.Grid(), expected) << "only legal moves changed the board";
        EXPECT_LT(ResidentKb() - resident, MaxGrowthKb);
        EXPECT_LE(server.Platform.MostOpenMessages, 1);
        if (server.Form->CurrentPlayer == 1) {
            ASSERT_NO_FATAL_FAILURE(LocalMove());
        }
        ASSERT_NO_FATAL_FAILURE(Send(PeerReply()));
        ASSERT_TRUE(WaitUntil([&] { return server.Form->CurrentPlayer == 1; }));
        EXPECT_EQ(server.Grid(), expected);
        ASSERT_NO_FATAL_FAILURE(LocalMove());
        EXPECT_TRUE(server.Form->GameRunning);
    }

    int port = 0;
    TestWindow server;
    int peer = -1;
    int sockets = 0;
    long resident = 0;
    QElapsedTimer clock;
    ValueGrid expected{};
};

// Bytes the peer sends when it is its turn, and what the window makes of them.
struct Bytes {
    const char* Name;
    std::function<std::string(HostilePeer&)> Make; // may play a legal reply into the position
    bool OneAtATime;
    QString Status;       // the status line afterwards; empty: unchanged
    QStringList Boxes;    // chat boxes shown
    qsizetype LongestBox; // when not 0, Boxes is not compared: each box is at most this long
};

void PrintTo(const Bytes& c, std::ostream* os) {
    *os << c.Name;
}

class HostileBytes : public HostilePeer, public testing::WithParamInterface<Bytes> {};

const QString Unchanged;
const QString AnyStatus = "*";

TEST_P(HostileBytes, AreJudgedAndTheGameGoesOn) {
    const Bytes& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(LocalMove());
    const QString before = Status();
    const std::string bytes = c.Make(*this);
    if (c.OneAtATime) {
        for (const char byte : bytes)
            ASSERT_NO_FATAL_FAILURE(Send(std::string(1, byte)));
    } else {
        ASSERT_NO_FATAL_FAILURE(Send(bytes));
    }
    if (c.Status != AnyStatus) {
        EXPECT_EQ(Status(), c.Status.isEmpty() ? before : c.Status);
    }
    QStringList boxes;
    for (const RecordingPlatform::Message& message : server.Platform.Messages) {
        EXPECT_EQ(message.Caption, "Message from Player 2");
        boxes << message.Text;
    }
    if (c.LongestBox == 0) {
        EXPECT_EQ(boxes, c.Boxes);
    } else {
        EXPECT_FALSE(boxes.isEmpty());
        for (const QString& box : boxes)
            EXPECT_LE(box.size(), c.LongestBox);
    }
    ASSERT_NO_FATAL_FAILURE(ExpectBoundedAndGoingOn());
}

const std::string Megabyte(1 << 20, '7');

INSTANTIATE_TEST_SUITE_P(
    Table, HostileBytes,
    testing::Values(
        Bytes{
            "LegalMoveOneByteAtATime", [](HostilePeer& p) { return p.PeerReply(); }, true, Unchanged, {}, 0},
        Bytes{"MoveAndChatGlued",
              [](HostilePeer& p) { return p.PeerReply() + "#well played"; },
              false,
              Unchanged,
              {"well played"},
              0},
        Bytes{"TwoMovesGlued",
              [](HostilePeer& p) { return p.PeerReply() + "5-3-5-4-1"; },
              false,
              "Refused move \"5-3-5-4-1\": it is not Player 2's turn",
              {},
              0},
        Bytes{"MegabyteWithoutNewline",
              [](HostilePeer&) { return Megabyte; },
              false,
              "Refused move \"" + QString(40, '7') + "...\": its fields are not numbers",
              {},
              0},
        // The system may cut it into several reads; those after the first are refused as moves.
        Bytes{"MegabyteChat", [](HostilePeer&) { return "#" + Megabyte; }, false, AnyStatus, {}, 2200},
        Bytes{"NulBytes",
              [](HostilePeer&) { return std::string(3, '\0'); },
              false,
              "Refused move \"\\x00\\x00\\x00\": its fields are not numbers",
              {},
              0},
        Bytes{"ControlBytes",
              [](HostilePeer&) { return std::string("\x1b[2J\x07\r\n"); },
              false,
              "Refused move \"\\x1B[2J\\x07\\x0D\\x0A\": its fields are not numbers",
              {},
              0},
        Bytes{"ChatWithNulAndControlBytes",
              [](HostilePeer&) { return std::string("#a\0b\x1b[31m\x07", 10); },
              false,
              Unchanged,
              {"a b [31m "},
              0},
        Bytes{"SingleByteChatOfAnOlderPeer",
              [](HostilePeer&) { return std::string("#caf\xe9 \x80 5"); },
              false,
              Unchanged,
              {"caf\u00e9 \u20ac 5"},
              0}),
    [](const auto& info) { return std::string(info.param.Name); });

// A peer that follows the single-byte format reads this program's accented text as its own.
TEST_F(HostilePeer, ChatIsSentInTheSingleByteFormatWhenItFits) {
    for (const auto& [typed, wire] : {std::pair<QString, std::string>{"caf\u00e9 \u20ac", "#caf\xe9 \x80"},
                                      {"\u03b5\u03bb", "#\u03b5\u03bb"}}) {
        server.Platform.InputAnswers.push_back(typed);
        server.Form->SendMessage1->trigger();
        pollfd ready{peer, POLLIN, 0};
        poll(&ready, 1, 2000);
        EXPECT_EQ(Drain(peer), wire);
    }
    ASSERT_NO_FATAL_FAILURE(ExpectBoundedAndGoingOn());
}

// 600 chat lines, each in a read of its own, arrive while the first box is open, with a legal
// move among them: one box stays open at a time, the move is played at once, and only the last
// few lines wait, shown in order with a note of how many were dropped.
TEST_F(HostilePeer, ChatFloodOpensOneBoxAtATime) {
    constexpr int Flood = 600;
    ASSERT_NO_FATAL_FAILURE(LocalMove());
    bool flooded = false;
    bool movePlayedWhileOpen = false;
    std::string reply;
    server.Platform.OnMessage = [&](const RecordingPlatform::Message&) {
        if (flooded) return;
        flooded = true;
        for (int i = 1; i <= Flood; ++i) {
            ASSERT_NO_FATAL_FAILURE(Send("#line " + std::to_string(i)));
            if (i == Flood / 2) {
                reply = PeerReply();
                ASSERT_NO_FATAL_FAILURE(Send(reply));
                movePlayedWhileOpen = server.Form->CurrentPlayer == 1 && server.Grid() == expected;
            }
        }
    };
    ASSERT_NO_FATAL_FAILURE(Send("#first"));
    ASSERT_TRUE(flooded);
    EXPECT_TRUE(movePlayedWhileOpen);
    EXPECT_EQ(server.Platform.MostOpenMessages, 1);
    const std::size_t waiting = NetworkGame::MaxWaitingChats;
    ASSERT_EQ(server.Platform.Messages.size(), 1 + waiting);
    EXPECT_EQ(server.Platform.Messages[0].Text, "first");
    const int dropped = Flood - static_cast<int>(waiting);
    EXPECT_EQ(server.Platform.Messages[1].Text,
              QString("(%1 earlier messages were not shown: they came too fast)\n\nline %2")
                  .arg(dropped)
                  .arg(dropped + 1));
    for (std::size_t i = 2; i <= waiting; ++i)
        EXPECT_EQ(server.Platform.Messages[i].Text, QString("line %1").arg(dropped + static_cast<int>(i)));
    EXPECT_EQ(Status(), QString("Messages from Player 2 came too fast: %1 not shown").arg(dropped));
    server.Platform.OnMessage = nullptr;
    ASSERT_NO_FATAL_FAILURE(ExpectBoundedAndGoingOn());
}

// A thousand callers while a game runs, half hanging up at once and half staying connected:
// each is turned away, no descriptor is kept, and the game goes on with its first peer.
TEST_F(HostilePeer, AThousandCallersAreTurnedAway) {
    const QString before = Status();
    std::vector<int> staying;
    for (int i = 0; i < 1000; ++i) {
        const int caller = ConnectedSocket(port);
        ASSERT_GE(caller, 0) << i;
        if (i % 2 == 0)
            close(caller);
        else
            staying.push_back(caller);
        // The window accepts each before the listening queue of five fills up.
        QCoreApplication::processEvents();
        if (i % 100 == 0) {
            ASSERT_NO_FATAL_FAILURE(LocalMove());
        }
        if (i % 100 == 0) {
            ASSERT_NO_FATAL_FAILURE(Send(PeerReply()));
        }
    }
    ASSERT_TRUE(WaitUntil([&] {
        int unread = 0;
        for (int caller : staying) {
            char byte = 0;
            const ssize_t n = recv(caller, &byte, 1, MSG_DONTWAIT | MSG_PEEK);
            if (n > 0 || (n < 0 && errno == EAGAIN)) ++unread;
        }
        return unread == 0;
    })) << "every caller is hung up on";
    for (int caller : staying)
        close(caller);
    // Callers still waiting to be accepted are accepted and hung up on in turn.
    EXPECT_TRUE(WaitUntil([&] { return OpenSockets() == sockets + 2; }))
        << OpenSockets() - sockets
        << " sockets besides the listening one, where the peer's two ends are expected";
    EXPECT_EQ(server.Form->network().TCPServer1.Clients.Count(), 1);
    EXPECT_EQ(Status(), before);
    ASSERT_NO_FATAL_FAILURE(ExpectBoundedAndGoingOn());
}

// A peer that connects and says nothing: the game starts, the local user moves, and nothing
// else happens until the user gives up with Disconnect and starts listening again.
TEST_F(HostilePeer, ASilentPeerLeavesTheUserFreeToMoveAndToStartAgain) {
    ASSERT_TRUE(Status().startsWith("Connection accepted for 127.0.0.1 on port "));
    ASSERT_NO_FATAL_FAILURE(LocalMove());
    RunEventsFor(300);
    EXPECT_EQ(server.Grid(), expected);
    EXPECT_EQ(server.Form->CurrentPlayer, 2);
    server.Form->Disconnect1->trigger();
    EXPECT_EQ(Status(), "Not Connected");
    server.Form->Start1->trigger();
    EXPECT_TRUE(Status().endsWith(" Listening on port: " + QString::number(port)));
    close(peer);
    ASSERT_NO_FATAL_FAILURE(ConnectPeer());
    ASSERT_NO_FATAL_FAILURE(ExpectBoundedAndGoingOn());
}

// A peer that never reads while the user sends long chat lines: what the system cannot take
// waits, up to a bound; then the send fails, the status line says so, and Start begins again.
TEST_F(HostilePeer, APeerThatNeverReadsCannotGrowWhatWaits) {
    const QString line(1 << 20, 'm');
    int sent = 0;
    while (server.Form->GameRunning && sent < 100) {
        server.Platform.InputAnswers.push_back(line);
        server.Form->SendMessage1->trigger();
        ++sent;
    }
    std::printf("[hostile] %d chat lines of 1 MB sent before the send failed; resident memory then %+ld KB\n",
                sent, ResidentKb() - resident);
    EXPECT_LT(sent, 100);
    EXPECT_EQ(Status(), "No buffer space available");
    EXPECT_FALSE(server.Form->GameRunning);
    EXPECT_LT(ResidentKb() - resident, MaxGrowthKb);
    server.Form->Start1->trigger();
    close(peer);
    ASSERT_NO_FATAL_FAILURE(ConnectPeer());
    ASSERT_NO_FATAL_FAILURE(ExpectBoundedAndGoingOn());
}

// A peer that vanishes mid-game, with a reset or a plain close: the game ends with a word in
// the status line, and the next caller starts a new game without Start.
TEST_F(HostilePeer, APeerThatVanishesEndsTheGameAndTheNextOneStartsAnother) {
    for (const bool reset : {true, false}) {
        if (server.Form->CurrentPlayer == 2) {
            ASSERT_NO_FATAL_FAILURE(Send(PeerReply()));
        }
        ASSERT_NO_FATAL_FAILURE(LocalMove());
        if (reset) {
            const linger abortive{1, 0};
            setsockopt(peer, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
        }
        close(peer);
        peer = -1;
        ASSERT_TRUE(WaitUntil([&] { return !server.Form->GameRunning; }));
        EXPECT_EQ(Status(), "Connection closed by Player 2 ");
        EXPECT_TRUE(server.Form->Start1->isEnabled());
        ASSERT_NO_FATAL_FAILURE(ConnectPeer());
        ASSERT_NO_FATAL_FAILURE(ExpectBoundedAndGoingOn());
    }
}

// Another program holds the listening port: its error is shown, and stays.
TEST(HeldPort, StartShowsAddressInUseAndKeepsIt) {
    const int port = FreePort();
    const int holder = BoundSocket(port);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(listen(holder, 1), 0);
    TestWindow server;
    MakeNetworkPlayer(*server.Form, 1, port);
    server.Form->Start1->trigger();
    RunEventsFor(200);
    EXPECT_EQ(server.Form->LabelState->text(), "Address already in use");
    EXPECT_FALSE(server.Form->GameRunning);
    EXPECT_TRUE(server.Form->Start1->isEnabled());
    close(holder);
}

// What a peer does while the starting pieces are placed with the program's own waits and
// pace: `AfterMs` after connecting it sends `Bytes` (when any), lets a second caller in when
// `SecondCaller`, and hangs up when `HangUp` (with a reset when `Reset`). Nothing of it may run
// in the middle of the placement; afterwards it is handled in order.
struct PlacementMoment {
    const char* Name;
    int AfterMs;
    std::string Bytes;
    bool SecondCaller;
    bool HangUp;
    bool Reset;
    QString Status; // afterwards, when the game goes on
};

void PrintTo(const PlacementMoment& c, std::ostream* os) {
    *os << c.Name;
}

void HangUp(int fd, bool reset) {
    if (reset) {
        const linger abortive{1, 0};
        setsockopt(fd, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    }
    close(fd);
}

int PieceCount(const ValueGrid& grid) {
    return PieceCount(grid, 1) + PieceCount(grid, 2);
}

class PeerDuringPlacement : public HostilePeer, public testing::WithParamInterface<PlacementMoment> {
  public:
    void SetUp() override {
        server.Platform.RealWaits = true;
        server.Form->AnimDelay = 10; // the program's pace
        port = FreePort();
        MakeNetworkPlayer(*server.Form, 1, port);
        server.Form->Start1Click();
        resident = ResidentKb();
        clock.start();
    }
};

TEST_P(PeerDuringPlacement, WaitsItsTurnAndTheGameEndsOrGoesOn) {
    const PlacementMoment& c = GetParam();
    peer = ConnectedSocket(port);
    ASSERT_GE(peer, 0);
    std::atomic<bool> scriptDone = false;
    std::atomic<int> second = -1;
    std::thread script([&, fd = peer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(c.AfterMs));
        if (!c.Bytes.empty()) send(fd, c.Bytes.data(), c.Bytes.size(), MSG_NOSIGNAL);
        if (c.SecondCaller) second = ConnectedSocket(port);
        if (c.HangUp) HangUp(fd, c.Reset);
        scriptDone = true;
    });
    const bool scripted = WaitUntil([&] { return scriptDone.load(); }, 10000);
    script.join();
    ASSERT_TRUE(scripted);
    if (c.HangUp) {
        peer = -1;
        // The caller may be gone before the window accepts it: the game starts, then ends.
        ASSERT_TRUE(WaitUntil([&] { return Status() == "Connection closed by Player 2 "; }, 10000))
            << Status().toStdString();
        EXPECT_FALSE(server.Form->GameRunning);
        EXPECT_EQ(PieceCount(server.Grid()), 0) << "a board emptied with its game";
        EXPECT_FALSE(server.Form->Disconnect1->isEnabled());
        // The next caller starts a new game.
        ASSERT_NO_FATAL_FAILURE(ConnectPeer());
        ASSERT_NO_FATAL_FAILURE(LocalMove());
        return;
    }
    ASSERT_TRUE(WaitUntil([&] { return server.Grid() == StartingGrid(Standard) && AllRead(); }, 10000));
    expected = StartingGrid(Standard);
    if (c.SecondCaller) {
        EXPECT_TRUE(WaitUntil([&] {
            char byte = 0;
            return recv(second, &byte, 1, MSG_DONTWAIT) == 0 || errno == ECONNRESET;
        })) << "the second caller is turned away";
        close(second);
    }
    EXPECT_EQ(Status().startsWith("Connection accepted for 127.0.0.1"), c.Status.isEmpty())
        << Status().toStdString();
    if (!c.Status.isEmpty()) {
        EXPECT_EQ(Status(), c.Status);
    }
    ASSERT_NO_FATAL_FAILURE(ExpectBoundedAndGoingOn());
}

INSTANTIATE_TEST_SUITE_P(
    Table, PeerDuringPlacement,
    testing::Values(PlacementMoment{"HangsUpAtOnce", 0, "", false, true, false, {}},
                    PlacementMoment{"HangsUpAfter50ms", 50, "", false, true, false, {}},
                    PlacementMoment{"ResetsAfter300ms", 300, "", false, true, true, {}},
                    PlacementMoment{"ChatsThenHangsUp", 100, "#bye", false, true, false, {}},
                    PlacementMoment{"MovesOutOfTurn", 100, "5-3-5-4-1", false, false, false,
                                    "Refused move \"5-3-5-4-1\": it is not Player 2's turn"},
                    PlacementMoment{"SendsGarbage", 100, "\x01zz", false, false, false,
                                    "Refused move \"\\x01zz\": its fields are not numbers"},
                    PlacementMoment{"LetsASecondCallerIn", 100, "", true, false, false, {}}));

// A chat line during the placement opens its box after it; the peer hangs up while the box
// is open, and closing the box returns to a program whose board is emptied, not freed.
TEST_F(PeerDuringPlacement, AHangUpWhileTheChatBoxIsOpenEndsTheGame) {
    bool boxSawTheEnd = false;
    server.Platform.OnMessage = [&](const RecordingPlatform::Message& box) {
        EXPECT_EQ(box.Text, "hello");
        EXPECT_EQ(server.Grid(), StartingGrid(Standard)) << "the box opened before the placement ended";
        HangUp(peer, false);
        peer = -1;
        // The modal box serves the events while it is open.
        boxSawTheEnd = WaitUntil([&] { return !server.Form->GameRunning; });
    };
    peer = ConnectedSocket(port);
    ASSERT_GE(peer, 0);
    SendRaw(peer, "#hello");
    ASSERT_TRUE(WaitUntil([&] { return !server.Platform.Messages.empty(); }, 10000));
    EXPECT_TRUE(boxSawTheEnd);
    EXPECT_EQ(Status(), "Connection closed by Player 2 ");
    EXPECT_EQ(PieceCount(server.Grid()), 0);
    server.Platform.OnMessage = nullptr;
    ASSERT_NO_FATAL_FAILURE(ConnectPeer());
    ASSERT_NO_FATAL_FAILURE(LocalMove());
}

// The end of a game fills every empty cell, then shows the result: a hang-up during the fill
// waits for it, and is handled while the result box is open, which the board leaves empty.
TEST_F(PeerDuringPlacement, AHangUpAtTheEndOfAGameWaitsForTheFillAndEmptiesTheBoardBehindTheBox) {
    peer = ConnectedSocket(port);
    ASSERT_GE(peer, 0);
    ASSERT_TRUE(WaitUntil([&] { return server.Grid() == StartingGrid(Standard); }, 10000));
    server.Form->AnimDelay = 2; // 40 cells of 10 frames: the fill takes most of a second
    bool filledWhenTheBoxOpened = false;
    bool boxSawTheEnd = false;
    server.Platform.OnMessage = [&](const RecordingPlatform::Message& box) {
        EXPECT_EQ(box.Caption, "Results:");
        filledWhenTheBoxOpened = PieceCount(server.Grid()) == 58;
        boxSawTheEnd = WaitUntil([&] { return Status() == "Connection closed by Player 2 "; });
    };
    std::thread script([fd = peer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        HangUp(fd, false);
    });
    peer = -1;
    server.Form->FinJeu();
    script.join();
    EXPECT_EQ(server.Platform.Messages.size(), 1u);
    EXPECT_TRUE(filledWhenTheBoxOpened) << "the hang-up was handled in the middle of the fill";
    EXPECT_TRUE(boxSawTheEnd);
    EXPECT_FALSE(server.Form->GameRunning);
    EXPECT_EQ(PieceCount(server.Grid()), 0);
}

// The connecting copy: the listener accepts and hangs up 0.3 s later, during the placement.
TEST(ConnectingCopy, AListenerThatHangsUpDuringThePlacementEndsTheGame) {
    const int port = FreePort();
    const int listener = BoundSocket(port, true);
    ASSERT_GE(listener, 0);
    ASSERT_EQ(listen(listener, 1), 0);
    TestWindow client;
    client.Platform.RealWaits = true;
    client.Form->AnimDelay = 10;
    MakeNetworkPlayer(*client.Form, 2, port);
    std::thread script([&] {
        const int fd = accept(listener, nullptr, nullptr);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        close(fd);
    });
    client.Form->Start1->trigger();
    const bool closed =
        WaitUntil([&] { return client.Form->LabelState->text() == "Connection closed by Player 1 "; }, 10000);
    script.join();
    ASSERT_TRUE(closed) << client.Form->LabelState->text().toStdString();
    EXPECT_FALSE(client.Form->GameRunning);
    EXPECT_EQ(PieceCount(client.Grid()), 0);
    ASSERT_TRUE(client.Form->Start1->isEnabled());
    // Start connects again and the game begins.
    client.Form->Start1->trigger();
    const int again = accept(listener, nullptr, nullptr);
    ASSERT_GE(again, 0);
    ASSERT_TRUE(WaitUntil([&] { return client.Form->GameRunning && client.Grid() == StartingGrid(Standard); },
                          10000));
    EXPECT_TRUE(client.Form->LabelState->text().startsWith("Connected on local port "));
    close(again);
    close(listener);
}

} // namespace
