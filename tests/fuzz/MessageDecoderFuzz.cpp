// Feeds arbitrary bytes, cut into arbitrary reads, to the message decoder and judges every
// move line it gives. Checks that no byte is lost or invented, that the kept start of a move
// line stays short, and that a stream of whole move lines decodes alike however it is cut.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "net/MessageDecoder.h"
#include "net/ReceivedMove.h"
#include "rules/Layouts.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::vector<NetMessage> Decode(MessageDecoder& decoder, const std::string& bytes, const uint8_t* cuts,
                               std::size_t cutCount) {
    std::vector<NetMessage> messages;
    std::size_t at = 0;
    for (std::size_t i = 0; at < bytes.size(); ++i) {
        const std::size_t length = cutCount == 0 ? bytes.size() : 1 + cuts[i % cutCount] % 16;
        for (NetMessage& message : decoder.Feed(std::string_view(bytes).substr(at, length)))
            messages.push_back(std::move(message));
        Check(decoder.Partial().size() < MessageDecoder::MoveLineLength);
        at += length;
    }
    return messages;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // The first bytes choose where the stream is cut; the rest is the stream.
    const std::size_t cutCount = size > 0 ? data[0] % 8 : 0;
    if (size < 1 + cutCount) return 0;
    const uint8_t* cuts = data + 1;
    const std::string bytes(reinterpret_cast<const char*>(data + 1 + cutCount), size - 1 - cutCount);

    MessageDecoder decoder;
    const std::vector<NetMessage> messages = Decode(decoder, bytes, cuts, cutCount);

    std::string rebuilt;
    ReceiveSituation situation;
    situation.Grid = StartingGrid(Standard);
    situation.GameRunning = true;
    for (const NetMessage& message : messages) {
        rebuilt += (message.Type == NetMessage::Kind::Chat ? "#" : "") + message.Text;
        if (message.Type == NetMessage::Kind::Chat) {
            Check(ChatTextForDisplay(message.Text).size() <= 2000 * 4 + 100);
            continue;
        }
        const MoveVerdict verdict = JudgeReceivedMove(message.Text, situation);
        Check(verdict.Accepted() == verdict.StatusText.empty());
        Check(verdict.StatusText.size() < 300);
        if (IsWellFormedMoveLine(message.Text)) Check(verdict.Refusal != MoveRefusal::NotNumbers);
    }
    Check(rebuilt + decoder.Partial() == bytes);

    // A stream made only of whole move lines gives the same messages when read in one piece.
    bool onlyMoveLines = bytes.size() % MessageDecoder::MoveLineLength == 0;
    for (std::size_t at = 0; onlyMoveLines && at < bytes.size(); at += MessageDecoder::MoveLineLength)
        onlyMoveLines =
            IsWellFormedMoveLine(std::string_view(bytes).substr(at, MessageDecoder::MoveLineLength));
    if (onlyMoveLines) {
        MessageDecoder whole;
        Check(whole.Feed(bytes) == messages);
        Check(decoder.Partial().empty());
    }
    return 0;
}
