#include "app/ShownText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

namespace {

constexpr const char* Context = "ShownText";

// A text of the table, and which of its values (bit 0 for %1, bit 1 for %2) are texts of the
// table themselves; the others came from a file, a peer or the system and are kept.
struct TableText {
    const char* Text;
    unsigned TranslatedValues = 0;
};

const TableText Table[] = {
    // The result of a game.
    {QT_TRANSLATE_NOOP("ShownText", "Player 1 won the game")},
    {QT_TRANSLATE_NOOP("ShownText", "Player 2 won the game")},
    {QT_TRANSLATE_NOOP("ShownText", "Congratulation ! You win !")},
    {QT_TRANSLATE_NOOP("ShownText", "Game Lost, maybe next time...")},
    {QT_TRANSLATE_NOOP("ShownText", "Congratulation ! You did it !")},
    {QT_TRANSLATE_NOOP("ShownText", "Maybe next time...You'll beat him.")},
    {QT_TRANSLATE_NOOP("ShownText", "It is a draw !")},

    // Why a saved game cannot be opened.
    //: %1 is the line's number, %2 the reason (one of the texts below).
    {QT_TRANSLATE_NOOP("ShownText", "Line %1: %2"), 0b10},
    {QT_TRANSLATE_NOOP("ShownText", "the file is larger than any game can be")},
    {QT_TRANSLATE_NOOP("ShownText", "the file ends here: it is cut short (its last line must be \"end\")")},
    {QT_TRANSLATE_NOOP("ShownText", "the file is empty, it is not a Tessaron game")},
    {QT_TRANSLATE_NOOP("ShownText",
                       "this is not a Tessaron game (the first line must be \"Tessaron game %1\")")},
    {QT_TRANSLATE_NOOP("ShownText", "the version must be a number, as in \"Tessaron game 1\"")},
    {QT_TRANSLATE_NOOP("ShownText",
                       "version %1 of the game file is unknown (this program reads version %2)")},
    {QT_TRANSLATE_NOOP(
        "ShownText", "expected the layout: \"layout Standard\", \"layout American\" or \"layout Swedish\"")},
    {QT_TRANSLATE_NOOP(
        "ShownText",
        "expected \"player %1 KIND level L branch B algorithm NAME\" with KIND Human or Computer, "
        "L 0 to 8, B 3 to 30 and NAME Complete, Branch and Bound, Alpha-Beta or Home Made")},
    {QT_TRANSLATE_NOOP("ShownText", "expected the line \"moves\"")},
    {QT_TRANSLATE_NOOP("ShownText", "\"%1\" is not a move (five numbers joined by \"-\", as in 5-3-6-4-1)")},
    {QT_TRANSLATE_NOOP("ShownText", "the move %1 is not legal for player %2 in this position")},
    {QT_TRANSLATE_NOOP("ShownText", "nothing may follow the line \"end\"")},
    {QT_TRANSLATE_NOOP("ShownText", "this is not a plain file")},
    {QT_TRANSLATE_NOOP("ShownText", "the file cannot be read: %1")},

    // The settings file.
    {QT_TRANSLATE_NOOP("ShownText", "Failed to get data for '%1'")},
    {QT_TRANSLATE_NOOP("ShownText", "Invalid data type for '%1'")},
    {QT_TRANSLATE_NOOP("ShownText", "Failed to set data for '%1'")},

    // Network play: the status line.
    {QT_TRANSLATE_NOOP("ShownText", "Not Connected")},
    {QT_TRANSLATE_NOOP("ShownText", "Trying to connect to %1 at port %2")},
    {QT_TRANSLATE_NOOP("ShownText", "%1 Listening on port: %2")},
    {QT_TRANSLATE_NOOP("ShownText", "Connected on local port %1")},
    {QT_TRANSLATE_NOOP("ShownText", "Connection accepted for %1 on port %2")},
    {QT_TRANSLATE_NOOP("ShownText", "Connection closed by Player 1 ")},
    {QT_TRANSLATE_NOOP("ShownText", "Connection closed by Player 2 ")},
    {QT_TRANSLATE_NOOP("ShownText", "Message from Player %1")},
    {QT_TRANSLATE_NOOP("ShownText", "Messages from Player %1 came too fast: %2 not shown")},
    //: %1 is the received line as it came, %2 the reason (one of the texts below).
    {QT_TRANSLATE_NOOP("ShownText", "Refused move \"%1\": %2"), 0b10},
    {QT_TRANSLATE_NOOP("ShownText", "its fields are not numbers")},
    {QT_TRANSLATE_NOOP("ShownText", "a cell is off the board")},
    {QT_TRANSLATE_NOOP("ShownText", "a clone goes one cell and a jump two")},
    {QT_TRANSLATE_NOOP("ShownText", "no game is running")},
    {QT_TRANSLATE_NOOP("ShownText", "it is not Player %1's turn")},
    {QT_TRANSLATE_NOOP("ShownText", "not a legal move of Player %1")},
    {QT_TRANSLATE_NOOP("ShownText", "'%1' is not a valid integer value")},
    {QT_TRANSLATE_NOOP("ShownText", "'%1' is not a valid port number")},

    // System Information.
    {QT_TRANSLATE_NOOP("ShownText", "%1 TCP/IP sockets (IPv4 and IPv6 stream, non-blocking)")},
    {QT_TRANSLATE_NOOP("ShownText", "Running, no interface is up")},
    {QT_TRANSLATE_NOOP("ShownText", "Running on %1")},

    // The socket errors, by the codes the game gives them.
    {QT_TRANSLATE_NOOP("ShownText", "Interrupted system call")},
    {QT_TRANSLATE_NOOP("ShownText", "Bad file number")},
    {QT_TRANSLATE_NOOP("ShownText", "Permission denied")},
    {QT_TRANSLATE_NOOP("ShownText", "Bad address")},
    {QT_TRANSLATE_NOOP("ShownText", "Invalid argument")},
    {QT_TRANSLATE_NOOP("ShownText", "Too many open files")},
    {QT_TRANSLATE_NOOP("ShownText", "Operation would block")},
    {QT_TRANSLATE_NOOP("ShownText", "Operation now in progress")},
    {QT_TRANSLATE_NOOP("ShownText", "Operation already in progress")},
    {QT_TRANSLATE_NOOP("ShownText", "Socket operation on nonsocket")},
    {QT_TRANSLATE_NOOP("ShownText", "Destination address required")},
    {QT_TRANSLATE_NOOP("ShownText", "Message too long")},
    {QT_TRANSLATE_NOOP("ShownText", "Protocol wrong type for socket")},
    {QT_TRANSLATE_NOOP("ShownText", "Protocol not available")},
    {QT_TRANSLATE_NOOP("ShownText", "Protocol not supported")},
    {QT_TRANSLATE_NOOP("ShownText", "Socket not supported")},
    {QT_TRANSLATE_NOOP("ShownText", "Operation not supported on socket")},
    {QT_TRANSLATE_NOOP("ShownText", "Protocol family not supported")},
    {QT_TRANSLATE_NOOP("ShownText", "Address family not supported")},
    {QT_TRANSLATE_NOOP("ShownText", "Address already in use")},
    {QT_TRANSLATE_NOOP("ShownText", "Can't assign requested address")},
    {QT_TRANSLATE_NOOP("ShownText", "Network is down")},
    {QT_TRANSLATE_NOOP("ShownText", "Network is unreachable")},
    {QT_TRANSLATE_NOOP("ShownText", "Network dropped connection on reset")},
    {QT_TRANSLATE_NOOP("ShownText", "Software caused connection abort")},
    {QT_TRANSLATE_NOOP("ShownText", "Connection reset by peer")},
    {QT_TRANSLATE_NOOP("ShownText", "No buffer space available")},
    {QT_TRANSLATE_NOOP("ShownText", "Socket is already connected")},
    {QT_TRANSLATE_NOOP("ShownText", "Socket is not connected")},
    {QT_TRANSLATE_NOOP("ShownText", "Can't send after socket shutdown")},
    {QT_TRANSLATE_NOOP("ShownText", "Too many references:can't splice")},
    {QT_TRANSLATE_NOOP("ShownText", "Connection timed out")},
    {QT_TRANSLATE_NOOP("ShownText", "Connection refused")},
    {QT_TRANSLATE_NOOP("ShownText", "Too many levels of symbolic links")},
    {QT_TRANSLATE_NOOP("ShownText", "File name is too long")},
    {QT_TRANSLATE_NOOP("ShownText", "Host is down")},
    {QT_TRANSLATE_NOOP("ShownText", "No route to host")},
    {QT_TRANSLATE_NOOP("ShownText", "Directory is not empty")},
    {QT_TRANSLATE_NOOP("ShownText", "Too many processes")},
    {QT_TRANSLATE_NOOP("ShownText", "Too many users")},
    {QT_TRANSLATE_NOOP("ShownText", "Disk quota exceeded")},
    {QT_TRANSLATE_NOOP("ShownText", "Stale NFS file handle")},
    {QT_TRANSLATE_NOOP("ShownText", "Too many levels of remote in path")},
    {QT_TRANSLATE_NOOP("ShownText", "Network subsystem is unusable")},
    {QT_TRANSLATE_NOOP("ShownText", "Winsock DLL cannot support this application")},
    {QT_TRANSLATE_NOOP("ShownText", "Winsock not initialized")},
    {QT_TRANSLATE_NOOP("ShownText", "Host not found")},
    {QT_TRANSLATE_NOOP("ShownText", "Non authoritative - host not found")},
    {QT_TRANSLATE_NOOP("ShownText", "Non recoverable error")},
    {QT_TRANSLATE_NOOP("ShownText", "Valid name, no data record of requested type")},
    {QT_TRANSLATE_NOOP("ShownText", "Not a Winsock error")},
};

// A text with places, as a pattern that matches the whole English text; each place takes
// as little as it can, so "Line 3: the move ..." gives "3" to %1 and the rest to %2.
struct Pattern {
    const TableText* Entry;
    QRegularExpression Match;
    std::vector<int> Places; // the place's number, in the order of the capturing groups
};

const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> built;
        static const QRegularExpression place(QStringLiteral("%([1-9])"));
        for (const TableText& entry : Table) {
            const QString text = QString::fromUtf8(entry.Text);
            if (!text.contains(place)) continue;
            QString expression = QStringLiteral("^");
            std::vector<int> places;
            qsizetype from = 0;
            for (auto it = place.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch found = it.next();
                expression += QRegularExpression::escape(text.mid(from, found.capturedStart() - from));
                expression += QStringLiteral("(.*?)");
                places.push_back(found.captured(1).toInt());
                from = found.capturedEnd();
            }
            expression += QRegularExpression::escape(text.mid(from)) + QStringLiteral("$");
            built.push_back({&entry,
                             QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption),
                             std::move(places)});
        }
        return built;
    }();
    return patterns;
}

// The translation with its places filled in one pass, so a value holding "%2" stays as it is.
QString FillPlaces(const QString& translation, const QStringList& values) {
    QString filled;
    for (qsizetype i = 0; i < translation.size(); ++i) {
        if (translation[i] == '%' && i + 1 < translation.size() && translation[i + 1].isDigit()) {
            const int number = translation[i + 1].digitValue();
            if (number >= 1 && number <= values.size()) {
                filled += values[number - 1];
                ++i;
                continue;
            }
        }
        filled += translation[i];
    }
    return filled;
}

bool InTable(const QString& english) {
    for (const TableText& entry : Table)
        if (english == QLatin1String(entry.Text)) return true;
    return false;
}

} // namespace

QString ShownText(const QString& english) {
    if (english.isEmpty()) return english;
    if (InTable(english)) return QCoreApplication::translate(Context, english.toUtf8().constData());
    for (const Pattern& pattern : Patterns()) {
        const QRegularExpressionMatch found = pattern.Match.match(english);
        if (!found.hasMatch()) continue;
        QStringList values;
        for (std::size_t group = 0; group < pattern.Places.size(); ++group) {
            const int number = pattern.Places[group];
            if (values.size() < number) values.resize(number);
            const QString value = found.captured(static_cast<int>(group) + 1);
            values[number - 1] =
                (pattern.Entry->TranslatedValues >> (number - 1)) & 1 ? ShownText(value) : value;
        }
        return FillPlaces(QCoreApplication::translate(Context, pattern.Entry->Text), values);
    }
    return english;
}

QString ShownText(std::string_view english) {
    return ShownText(QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size())));
}

int ShownTextCount() {
    return static_cast<int>(std::size(Table));
}

const char* ShownTextAt(int index) {
    return Table[index].Text;
}
