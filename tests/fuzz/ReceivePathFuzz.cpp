// The whole receive path of a game in progress: arbitrary bytes from the peer, cut into
// arbitrary reads, go through the decoder; each move line is judged against the position and
// played only when accepted, and the local player answers with its first legal move, so the
// game moves on as far as the input leads it. Each chat text goes through the wire decoding
// and the preparation for its box. Checks that only legal moves of the peer, on its turn,
// change the position; that a refused line names a reason that holds; and that chat text
// comes out as bounded, valid UTF-8 that is sent back as the peer's own bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "net/ChatEncoding.h"
#include "net/MessageDecoder.h"
#include "net/ReceivedMove.h"
#include "rules/Layouts.h"
#include "rules/MoveOffsets.h"
#include "text/Utf8.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

int Count(const ValueGrid& grid, int value) {
    int count = 0;
    for (const int32_t cell : grid.Cells)
        count += cell == value ? 1 : 0;
    return count;
}

// The local user's answer: the first legal move of `player` in board order.
bool PlayFirstLegalMove(ValueGrid& grid, int player) {
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            for (const Offset& offset : MoveOffsets)
                for (const bool clone : {true, false}) {
                    const Move move{row, col, row + offset.dRow, col + offset.dCol, clone};
                    if (!IsLegalMove(grid, move, player)) continue;
                    ValueGrid next;
                    ApplyMoveToGrid(grid, next, move, player, OtherPlayer(player));
                    grid = next;
                    return true;
                }
    return false;
}

struct Game {
    ReceiveSituation Situation;

    explicit Game(int variant) { NewGame(variant); }

    // A new game in which the local user (player 1) has made its first move.
    void NewGame(int variant) {
        Situation.Grid = StartingGrid(variant);
        Situation.GameRunning = true;
        Situation.RemotePlayer = 2;
        Situation.CurrentPlayer = PlayFirstLegalMove(Situation.Grid, 1) ? 2 : 1;
    }

    void Receive(const NetMessage& message, int variant) {
        if (message.Type == NetMessage::Kind::Chat) {
            const std::string text = ChatTextFromWire(message.Text);
            Check(IsValidUtf8(text));
            Check(ChatTextFromWire(ChatBytesForWire(text)) == text);
            if (!IsValidUtf8(message.Text)) Check(ChatBytesForWire(text) == message.Text);
            Check(ChatTextForDisplay(text).size() <= 2000 * 4 + 100);
            return;
        }
        const ValueGrid before = Situation.Grid;
        const MoveVerdict verdict = JudgeReceivedMove(message.Text, Situation);
        Check(verdict.Accepted() == verdict.StatusText.empty());
        Check(verdict.StatusText.size() < 300);
        switch (verdict.Refusal) {
        case MoveRefusal::NotRemoteTurn:
            Check(Situation.CurrentPlayer != 2);
            return;
        case MoveRefusal::Illegal:
            Check(!IsLegalMove(before, verdict.Received, 2));
            return;
        case MoveRefusal::None:
            break;
        default:
            return;
        }
        // Accepted: a legal move of the peer on its turn.
        Check(Situation.GameRunning && Situation.CurrentPlayer == 2);
        Check(IsLegalMove(before, verdict.Received, 2));
        ValueGrid after;
        ApplyMoveToGrid(before, after, verdict.Received, 2, 1);
        const int pieces = Count(before, 1) + Count(before, 2);
        Check(Count(after, 1) + Count(after, 2) == pieces + (verdict.Received.Clone ? 1 : 0));
        Check(Count(after, 2) > Count(before, 2) || !verdict.Received.Clone);
        Check(Count(after, Blocked) == Count(before, Blocked));
        Situation.Grid = after;
        Situation.CurrentPlayer = 1;
        if (PlayFirstLegalMove(Situation.Grid, 1))
            Situation.CurrentPlayer = 2;
        else
            NewGame(variant); // the game is over; the copies start another
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // The first byte chooses the layout and how many cut lengths follow; then the stream.
    if (size < 1) return 0;
    const int variant = 1 + data[0] % 3;
    const std::size_t cutCount = (data[0] / 3) % 8;
    if (size < 1 + cutCount) return 0;
    const uint8_t* cuts = data + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1 + cutCount), size - 1 - cutCount);

    MessageDecoder decoder;
    Game game(variant);
    std::size_t at = 0;
    for (std::size_t i = 0; at < bytes.size(); ++i) {
        const std::size_t length = cutCount == 0 ? bytes.size() : 1 + cuts[i % cutCount] % 16;
        for (const NetMessage& message : decoder.Feed(bytes.substr(at, length)))
            game.Receive(message, variant);
        Check(decoder.Partial().size() < MessageDecoder::MoveLineLength);
        at += length;
    }
    return 0;
}
