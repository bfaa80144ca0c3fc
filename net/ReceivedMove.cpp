#include "net/ReceivedMove.h"

#include <cstdint>

#include "rules/MoveOffsets.h"
#include "text/Decimal.h"
#include "text/MoveLine.h"
#include "text/Utf8.h"

ParsedMoveLine ParseMoveLine(std::string_view line) {
    ParsedMoveLine parsed;
    const MoveLineFields fields = SplitMoveLine(line);
    int32_t* const numbers[] = {&parsed.Received.FromRow, &parsed.Received.FromCol, &parsed.Received.ToRow,
                                &parsed.Received.ToCol};
    for (std::size_t i = 0; i < fields.Cells.size(); ++i) {
        const std::optional<int> value = ReadDecimal(fields.Cells[i], {.Plus = true});
        if (!value) return parsed;
        *numbers[i] = *value;
    }
    parsed.Received.Clone = fields.Kind == "1";
    parsed.FieldsAreNumbers = true;
    return parsed;
}

namespace {

std::string RefusalText(MoveRefusal refusal, std::string_view line, int remotePlayer) {
    const std::string player = "Player " + std::to_string(remotePlayer);
    std::string reason;
    switch (refusal) {
    case MoveRefusal::None:
        return {};
    case MoveRefusal::NotNumbers:
        reason = "its fields are not numbers";
        break;
    case MoveRefusal::OffBoard:
        reason = "a cell is off the board";
        break;
    case MoveRefusal::KindMismatch:
        reason = "a clone goes one cell and a jump two";
        break;
    case MoveRefusal::NoGame:
        reason = "no game is running";
        break;
    case MoveRefusal::NotRemoteTurn:
        reason = "it is not " + player + "'s turn";
        break;
    case MoveRefusal::Illegal:
        reason = "not a legal move of " + player;
        break;
    }
    return "Refused move \"" + SafeSnippet(line) + "\": " + reason;
}

MoveRefusal FirstRefusal(const ParsedMoveLine& parsed, const ReceiveSituation& situation) {
    const Move& move = parsed.Received;
    if (!parsed.FieldsAreNumbers) return MoveRefusal::NotNumbers;
    if (!CellValid(move.FromRow, move.FromCol) || !CellValid(move.ToRow, move.ToCol))
        return MoveRefusal::OffBoard;
    if (HexDistance(move.ToRow - move.FromRow, move.ToCol - move.FromCol) != (move.Clone ? 1 : 2))
        return MoveRefusal::KindMismatch;
    if (!situation.GameRunning) return MoveRefusal::NoGame;
    if (situation.CurrentPlayer != situation.RemotePlayer) return MoveRefusal::NotRemoteTurn;
    if (!IsLegalMove(situation.Grid, move, situation.RemotePlayer)) return MoveRefusal::Illegal;
    return MoveRefusal::None;
}

} // namespace

MoveVerdict JudgeReceivedMove(std::string_view line, const ReceiveSituation& situation) {
    const ParsedMoveLine parsed = ParseMoveLine(line);
    MoveVerdict verdict;
    verdict.Received = parsed.Received;
    verdict.Refusal = FirstRefusal(parsed, situation);
    verdict.StatusText = RefusalText(verdict.Refusal, line, situation.RemotePlayer);
    return verdict;
}

std::string SafeSnippet(std::string_view text, std::size_t limit) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string safe;
    const std::size_t shown = text.size() > limit ? limit : text.size();
    for (std::size_t i = 0; i < shown; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F) {
            safe += static_cast<char>(byte);
        } else {
            safe += "\\x";
            safe += Hex[byte >> 4];
            safe += Hex[byte & 0xF];
        }
    }
    if (shown < text.size()) safe += "...";
    return safe;
}

std::string ChatTextForDisplay(std::string_view text) {
    constexpr int MaxCharacters = 2000;
    constexpr int MaxLines = 40;
    constexpr int MaxRun = 80;

    std::string shown;
    int characters = 0;
    int lines = 1;
    int run = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (characters == MaxCharacters || lines > MaxLines) break;
        const std::size_t length = ReadUtf8(text, i).Length;
        const auto byte = static_cast<unsigned char>(text[i]);
        ++characters;
        char out = static_cast<char>(byte);
        if (byte < 0x20 && byte != '\n' && byte != '\t') out = ' ';
        if (byte == 0x7F) out = ' ';
        if (out == '\n') {
            ++lines;
            run = 0;
        } else if (out == ' ' || out == '\t') {
            run = 0;
        } else if (++run > MaxRun) {
            shown += '\n';
            ++lines;
            run = 1;
        }
        if (lines > MaxLines) break;
        shown += out;
        shown += text.substr(i + 1, length - 1);
        i += length;
    }
    if (i < text.size()) {
        int left = 0;
        for (; i < text.size(); i += ReadUtf8(text, i).Length)
            ++left;
        if (!shown.empty() && shown.back() != '\n') shown += '\n';
        shown += "[" + std::to_string(left) + " more characters not shown]";
    }
    return shown;
}
