#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/Move.h"
#include "rules/ValueGrid.h"

// A move line read field by field: four numbers, each the text before one of the first four
// "-" read as a decimal integer (an optional "+", then digits, within 32 bits), and the kind,
// which is a clone exactly when the text after the fourth "-" is "1" (any other text is a jump).
struct ParsedMoveLine {
    bool FieldsAreNumbers = false;
    ::Move Received;
};
ParsedMoveLine ParseMoveLine(std::string_view line);

// Why a received move line is not played.
enum class MoveRefusal { None, NotNumbers, OffBoard, KindMismatch, NoGame, NotRemoteTurn, Illegal };

// What the receiver knows when a move line arrives.
struct ReceiveSituation {
    bool GameRunning = false;
    int CurrentPlayer = 1;
    // The player that the remote copy plays: 2 on the listening copy, 1 on the connecting one.
    int RemotePlayer = 2;
    ValueGrid Grid{};
};

// The receiver's decision on one move line. `Received.Clone` is the kind the line names even when
// the move is refused (the game keeps it as its CloneMove either way).
struct MoveVerdict {
    MoveRefusal Refusal = MoveRefusal::None;
    ::Move Received;
    // For a refusal: a status line text naming the reason and showing the line safely.
    std::string StatusText;
    bool Accepted() const { return Refusal == MoveRefusal::None; }
};

// Checks, in this order, that the fields are numbers, that both cells are on the board, that
// the kind matches the distance, that a game is running, that the remote player is to move
// and that the move is legal for it in the position.
MoveVerdict JudgeReceivedMove(std::string_view line, const ReceiveSituation& situation);

// Received text made harmless for a one-line label: bytes outside printable ASCII become
// "\xNN", and a text longer than `limit` characters is cut and ends in "...".
std::string SafeSnippet(std::string_view text, std::size_t limit = 40);

// A chat text prepared for a message box: control characters other than line breaks and tabs
// become blanks, runs of more than 80 characters without a blank are broken, and the text is
// cut after 40 lines or 2000 characters (counted as UTF-8 characters), ending with a note of
// how much was left out. Plain text: the caller must show it without interpreting markup.
std::string ChatTextForDisplay(std::string_view text);
