#pragma once

#include <string>
#include <string_view>
#include <vector>

// One message received from the other copy of the game.
struct NetMessage {
    enum class Kind { Chat, MoveLine };
    Kind Type = Kind::MoveLine;
    // Chat: the typed text, without its leading "#". MoveLine: the characters as received,
    // which are not yet known to form a valid move (see ReceivedMove.h).
    std::string Text;
    friend bool operator==(const NetMessage&, const NetMessage&) = default;
};

// Turns the reads of a connection into messages. Messages travel without any delimiter and
// TCP may glue several into one read or split one across reads, so the decoder relies on
// the shape of a move line: exactly nine characters "r-c-r-c-k" with coordinates 1 to 9 and
// a kind of 0 or 1. A read is cut into whole move lines; a trailing start of a move line is
// kept until the rest arrives; a "#" starts a chat message that takes the rest of its read.
// Text that fits neither shape is handed on, up to the end of its read, as one move-line
// message for the receiver to refuse, so that a read holding exactly one message always
// gives that message, well formed or not. No byte is dropped or invented: the texts of the
// messages (with "#" before each chat) followed by Partial() are exactly the bytes fed.
class MessageDecoder {
  public:
    static constexpr std::size_t MoveLineLength = 9;

    // Decodes one read. An empty read gives nothing.
    std::vector<NetMessage> Feed(std::string_view read);

    // The start of a move line whose rest has not arrived yet (at most eight characters).
    const std::string& Partial() const { return m_partial; }

    // Forgets a kept partial move line, for a new connection.
    void Reset() { m_partial.clear(); }

  private:
    std::string m_partial;
};

// Whether `text` is a whole move line "r-c-r-c-k" as the game sends it.
bool IsWellFormedMoveLine(std::string_view text);

// Whether `text` (shorter than a move line) can still grow into one.
bool CanStartMoveLine(std::string_view text);
