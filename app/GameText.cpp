#include "app/GameText.h"

#include <array>
#include <vector>

#include "ai/SearchSettings.h"
#include "rules/Layouts.h"
#include "rules/MoveNotation.h"
#include "text/Decimal.h"
#include "text/Lines.h"

namespace {

constexpr std::array<std::string_view, 4> VariantNames{"", "Standard", "American", "Swedish"};

// A whole decimal number within [low, high]. A "-" has always been read ("-0" is 0).
bool ReadNumber(std::string_view text, int low, int high, int& value) {
    const std::optional<int> read = ReadDecimal(text, {.Minus = true});
    if (read) value = *read;
    return read && *read >= low && *read <= high;
}

bool TakeWord(std::string_view& text, std::string_view word) {
    if (text.substr(0, word.size()) != word) return false;
    text.remove_prefix(word.size());
    return true;
}

std::string_view NextWord(std::string_view& text) {
    const std::size_t end = text.find(' ');
    const std::string_view word = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return word;
}

// "player N KIND level L branch B algorithm NAME" into players.
bool ReadPlayer(std::string_view line, int player, PlayerConfig& players) {
    if (!TakeWord(line, "player " + std::to_string(player) + " ")) return false;
    const std::string_view kind = NextWord(line);
    if (kind != "Human" && kind != "Computer") return false;
    int level = 0;
    int branch = 0;
    if (NextWord(line) != "level" || !ReadNumber(NextWord(line), MinLevel, MaxLevel, level)) return false;
    if (NextWord(line) != "branch" || !ReadNumber(NextWord(line), MinBranch, MaxBranch, branch)) return false;
    if (!TakeWord(line, "algorithm ")) return false;
    for (std::size_t algo = 0; algo < AlgorithmNames.size(); ++algo)
        if (line == AlgorithmNames[algo]) {
            players.PlayerIsComputer[player] = kind == "Computer";
            players.Level[player] = level;
            players.Branch[player] = branch;
            players.Algo[player] = static_cast<uint8_t>(algo);
            return true;
        }
    return false;
}

std::string PlayerLine(const PlayerConfig& players, int player) {
    const int algo = players.Algo[player] < AlgorithmNames.size() ? players.Algo[player] : 0;
    return "player " + std::to_string(player) + (players.PlayerIsComputer[player] ? " Computer" : " Human") +
           " level " + std::to_string(ClampLevel(players.Level[player])) + " branch " +
           std::to_string(ClampBranch(players.Branch[player])) + " algorithm " +
           std::string(AlgorithmNames[algo]) + "\n";
}

} // namespace

std::string GameText(int variant, const PlayerConfig& players, const GameRecord& record) {
    std::string text = "Tessaron game " + std::to_string(GameFileVersion) + "\n";
    text += "layout " + std::string(VariantNames[variant >= 1 && variant <= 3 ? variant : 1]) + "\n";
    text += PlayerLine(players, 1);
    text += PlayerLine(players, 2);
    text += "moves\n";
    for (std::size_t ply = 0; ply < record.Cursor(); ++ply)
        text += MoveText(record.Moves()[ply]) + "\n";
    text += "end\n";
    return text;
}

std::variant<SavedGame, GameFileError> ReadGameText(std::string_view text) {
    if (text.size() > GameFileMaxBytes) return GameFileError{1, "the file is larger than any game can be"};
    const std::vector<std::string_view> lines = SplitLines(text);
    const auto cut = [&](int line) {
        return GameFileError{line, "the file ends here: it is cut short (its last line must be \"end\")"};
    };

    // Line 1. The format and its version.
    if (lines.empty()) return GameFileError{1, "the file is empty, it is not a Tessaron game"};
    std::string_view first = lines[0];
    if (!TakeWord(first, "Tessaron game "))
        return GameFileError{1, "this is not a Tessaron game (the first line must be \"Tessaron game " +
                                    std::to_string(GameFileVersion) + "\")"};
    int version = 0;
    if (!ReadNumber(first, 0, 1 << 30, version))
        return GameFileError{1, "the version must be a number, as in \"Tessaron game 1\""};
    if (version != GameFileVersion)
        return GameFileError{1, "version " + std::to_string(version) +
                                    " of the game file is unknown (this program reads version " +
                                    std::to_string(GameFileVersion) + ")"};

    // Line 2-4. The layout and the players.
    SavedGame game;
    if (lines.size() < 2) return cut(2);
    std::string_view layout = lines[1];
    game.Variant = 0;
    if (TakeWord(layout, "layout "))
        for (int variant = 1; variant <= 3; ++variant)
            if (layout == VariantNames[variant]) game.Variant = variant;
    if (game.Variant == 0)
        return GameFileError{
            2, "expected the layout: \"layout Standard\", \"layout American\" or \"layout Swedish\""};
    for (int player = 1; player <= 2; ++player) {
        const int line = 2 + player;
        if (lines.size() < static_cast<std::size_t>(line)) return cut(line);
        if (!ReadPlayer(lines[line - 1], player, game.Players))
            return GameFileError{
                line, "expected \"player " + std::to_string(player) +
                          " KIND level L branch B algorithm NAME\" with KIND Human or Computer, "
                          "L 0 to 8, B 3 to 30 and NAME Complete, Branch and Bound, Alpha-Beta or Home Made"};
    }
    if (lines.size() < 5) return cut(5);
    if (lines[4] != "moves") return GameFileError{5, "expected the line \"moves\""};

    // The moves, each replayed on the position before it, up to "end".
    game.Record = GameRecord(GamePosition{StartingGrid(game.Variant), 1});
    std::size_t index = 5;
    for (; index < lines.size() && lines[index] != "end"; ++index) {
        const int line = static_cast<int>(index) + 1;
        const std::optional<Move> move = ParseMoveText(lines[index]);
        if (!move) {
            const std::string shown(lines[index].substr(0, 20));
            return GameFileError{line,
                                 "\"" + shown + (lines[index].size() > 20 ? "..." : "") +
                                     "\" is not a move (five numbers joined by \"-\", as in 5-3-6-4-1)"};
        }
        const int mover = game.Record.Current().ToMove;
        if (!game.Record.Play(*move))
            return GameFileError{line, "the move " + MoveText(*move) + " is not legal for player " +
                                           std::to_string(mover) + " in this position"};
    }
    if (index == lines.size()) return cut(static_cast<int>(index) + 1);
    for (std::size_t after = index + 1; after < lines.size(); ++after)
        if (!lines[after].empty())
            return GameFileError{static_cast<int>(after) + 1, "nothing may follow the line \"end\""};
    return game;
}
