// Feeds arbitrary bytes to the saved-game reader. Checks that reading never crashes, that
// a refusal names a line of the file (or the one after its end), and that an accepted game
// written out again reads back with the same moves, position and players.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/GameText.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = ReadGameText(text);
    if (const GameFileError* error = std::get_if<GameFileError>(&read)) {
        const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        Check(error->Line >= 1 && error->Line <= lines + 2);
        Check(!error->Reason.empty());
        return 0;
    }
    const SavedGame& game = std::get<SavedGame>(read);
    const auto again = ReadGameText(GameText(game.Variant, game.Players, game.Record));
    Check(std::holds_alternative<SavedGame>(again));
    const SavedGame& copy = std::get<SavedGame>(again);
    Check(copy.Variant == game.Variant);
    Check(copy.Record.Moves() == game.Record.Moves());
    Check(copy.Record.Current() == game.Record.Current());
    for (int player = 1; player <= 2; ++player) {
        Check(copy.Players.PlayerIsComputer[player] == game.Players.PlayerIsComputer[player]);
        Check(copy.Players.Level[player] == game.Players.Level[player]);
        Check(copy.Players.Algo[player] == game.Players.Algo[player]);
        Check(copy.Players.Branch[player] == game.Players.Branch[player]);
    }
    return 0;
}
