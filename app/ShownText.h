#pragma once

#include <QString>
#include <string_view>

// The texts that the plain C++ parts (the rules' results, the saved-game reader, the settings'
// errors) and network play hand to the window are English; the window shows them in the
// player's language with this. A text is looked up whole first, then against the table's
// texts with places (%1, %2, ...): "the move 5-3-6-4-1 is not legal for player 2 in this
// position" is the table's "the move %1 is not legal for player %2 in this position" with its
// two values put back into the translation. Values that are themselves texts of the table
// (the reason after "Line 3: ") are translated too; values that came from a file or a peer are
// shown as they came. A text in no table is shown as it is.
QString ShownText(const QString& english);
QString ShownText(std::string_view english);

// Every text and pattern of the table, for the tests that check that whatever the plain
// parts say is in it.
int ShownTextCount();
const char* ShownTextAt(int index);
