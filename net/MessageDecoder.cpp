#include "net/MessageDecoder.h"

namespace {

// Whether `ch` fits position `index` of "r-c-r-c-k".
bool FitsMoveLineAt(std::size_t index, char ch) {
    if (index % 2 == 1) return ch == '-';
    if (index == MessageDecoder::MoveLineLength - 1) return ch == '0' || ch == '1';
    return ch >= '1' && ch <= '9';
}

// What may follow a whole move line in the same read for the line to count as a message of
// its own: nothing, a chat message, or the start of another move line.
bool CanFollowMoveLine(std::string_view rest) {
    return rest.empty() || rest.front() == '#' || FitsMoveLineAt(0, rest.front());
}

} // namespace

bool IsWellFormedMoveLine(std::string_view text) {
    if (text.size() != MessageDecoder::MoveLineLength) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!FitsMoveLineAt(i, text[i])) return false;
    return true;
}

bool CanStartMoveLine(std::string_view text) {
    if (text.size() >= MessageDecoder::MoveLineLength) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!FitsMoveLineAt(i, text[i])) return false;
    return true;
}

std::vector<NetMessage> MessageDecoder::Feed(std::string_view read) {
    std::vector<NetMessage> messages;
    if (read.empty()) return messages;

    // A chat message always starts a read of its own, so a kept start of a move line followed
    // by "#" will never be completed: hand it on as it is.
    if (!m_partial.empty() && read.front() == '#') {
        messages.push_back({NetMessage::Kind::MoveLine, m_partial});
        m_partial.clear();
    }
    std::string buffer = m_partial;
    buffer.append(read);
    m_partial.clear();

    std::string_view rest = buffer;
    while (!rest.empty()) {
        if (rest.front() == '#') {
            messages.push_back({NetMessage::Kind::Chat, std::string(rest.substr(1))});
            break;
        }
        if (CanStartMoveLine(rest)) {
            m_partial = rest;
            break;
        }
        const std::string_view line = rest.substr(0, MoveLineLength);
        if (IsWellFormedMoveLine(line) && CanFollowMoveLine(rest.substr(MoveLineLength))) {
            messages.push_back({NetMessage::Kind::MoveLine, std::string(line)});
            rest.remove_prefix(MoveLineLength);
            continue;
        }
        messages.push_back({NetMessage::Kind::MoveLine, std::string(rest)});
        break;
    }
    return messages;
}
