#include "app/settings/Profile.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <variant>

namespace fs = std::filesystem;

namespace {

constexpr const char* SettingsKey = "Software\\Tessaron";

// A value of the settings key: an integer (a flag is 0 or 1, and reads as on when not 0) or
// a text.
using Stored = std::variant<int32_t, std::string>;

int32_t Integer(const Stored& value) {
    return std::get<int32_t>(value);
}

// Type1 and Type2 hold the PlayerKind: 1 Human, 2 Computer, 3 Network.
Stored TypeOf(const ProfileState& state, int player) {
    if (state.Config.NetworkRole == player) return 3;
    return state.Config.PlayerIsComputer[player] ? 2 : 1;
}
void SetType(ProfileState& state, int player, const Stored& value) {
    state.Config.PlayerIsComputer[player] = Integer(value) == 2;
    if (Integer(value) == 3) state.Config.NetworkRole = static_cast<uint8_t>(player);
}

// Depth and branch count are brought into the searches' range on loading, so the dialog,
// the searches and the next save all see the same valid value.
Stored LevelOf(const ProfileState& state, int player) {
    return state.Config.Level[player];
}
void SetLevel(ProfileState& state, int player, const Stored& value) {
    state.Config.Level[player] = ClampLevel(Integer(value));
}
Stored BranchOf(const ProfileState& state, int player) {
    return state.Config.Branch[player];
}
void SetBranch(ProfileState& state, int player, const Stored& value) {
    state.Config.Branch[player] = ClampBranch(Integer(value));
}

// Algo1 and Algo2 hold the SearchAlgorithm plus one; other values leave it unchanged.
Stored AlgoOf(const ProfileState& state, int player) {
    return state.Config.Algo[player] + 1;
}
void SetAlgo(ProfileState& state, int player, const Stored& value) {
    if (Integer(value) >= 1 && Integer(value) <= 4)
        state.Config.Algo[player] = static_cast<uint8_t>(Integer(value) - 1);
}

// A board number that names no layout would leave the next game without pieces.
Stored BoardOf(const ProfileState& state, int) {
    return state.ChosenVariant;
}
void SetBoard(ProfileState& state, int, const Stored& value) {
    state.ChosenVariant = Integer(value) >= 1 && Integer(value) <= 3 ? Integer(value) : 1;
}

template <std::string ProfileState::*Text> Stored TextOf(const ProfileState& state, int) {
    return state.*Text;
}
template <std::string ProfileState::*Text> void SetText(ProfileState& state, int, const Stored& value) {
    state.*Text = std::get<std::string>(value);
}

template <bool ProfileState::*Flag> Stored FlagOf(const ProfileState& state, int) {
    return state.*Flag ? 1 : 0;
}
template <bool ProfileState::*Flag> void SetFlag(ProfileState& state, int, const Stored& value) {
    state.*Flag = Integer(value) != 0;
}

// One value of the settings key and the part of the state it holds.
struct StoredValue {
    const char* Name;
    int Player;      // 1 or 2 for a player's value, 0 for one of the whole game
    Stored FirstRun; // what the first run stores, of the value's type
    bool Later;      // added after the first thirteen: the first run does not store it, a
                     // file without it, or with one that cannot be read, loads FirstRun, and
                     // it is stored only once it differs from FirstRun or the file has it
    Stored (*Get)(const ProfileState& state, int player);
    void (*Set)(ProfileState& state, int player, const Stored& value);
};

// In the order they are loaded and saved. The first run stores player 1's values, then
// player 2's, then the rest.
const StoredValue StoredValues[] = {
    {"Type1", 1, 1, false, TypeOf, SetType},
    {"Type2", 2, 2, false, TypeOf, SetType},
    {"Level1", 1, 0, false, LevelOf, SetLevel},
    {"Level2", 2, 0, false, LevelOf, SetLevel},
    {"Algo1", 1, 3, false, AlgoOf, SetAlgo},
    {"Algo2", 2, 3, false, AlgoOf, SetAlgo},
    {"Branch1", 1, 5, false, BranchOf, SetBranch},
    {"Branch2", 2, 5, false, BranchOf, SetBranch},
    {"Sound", 0, 1, false, FlagOf<&ProfileState::SoundOn>, SetFlag<&ProfileState::SoundOn>},
    {"Board", 0, 1, false, BoardOf, SetBoard},
    {"HostClient", 0, DefaultOpponentHost, false, TextOf<&ProfileState::HostClient>,
     SetText<&ProfileState::HostClient>},
    {"PortClient", 0, DefaultPort, false, TextOf<&ProfileState::PortClient>,
     SetText<&ProfileState::PortClient>},
    {"PortServer", 0, DefaultPort, false, TextOf<&ProfileState::PortServer>,
     SetText<&ProfileState::PortServer>},
    {"ShowLastMove", 0, 0, true, FlagOf<&ProfileState::ShowLastMove>, SetFlag<&ProfileState::ShowLastMove>},
};

// A later value that is missing or cannot be read gives its first-run value.
Stored Read(const SettingsRegistry& registry, const StoredValue& value) {
    try {
        if (std::holds_alternative<std::string>(value.FirstRun)) return registry.ReadString(value.Name);
        return registry.ReadInteger(value.Name);
    } catch (const SettingsError&) {
        if (!value.Later) throw;
        return value.FirstRun;
    }
}

void Write(SettingsRegistry& registry, const char* name, const Stored& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        registry.WriteString(name, *text);
    else
        registry.WriteInteger(name, Integer(value));
}

} // namespace

fs::path SettingsFileFor(const char* xdgConfigHome, const char* home) {
    fs::path base;
    if (xdgConfigHome && *xdgConfigHome && fs::path(xdgConfigHome).is_absolute()) {
        base = xdgConfigHome;
    } else {
        if (!home || !*home) {
            const passwd* user = ::getpwuid(::getuid());
            home = user && user->pw_dir ? user->pw_dir : "/";
        }
        base = fs::path(home) / ".config";
    }
    return base / "Tessaron" / "registry.reg";
}

fs::path DefaultSettingsFile() {
    return SettingsFileFor(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

TProfile::TProfile(fs::path file) : m_file(std::move(file)) {}

void TProfile::CreateEnv(ProfileState& state) {
    SettingsRegistry registry(m_file);
    if (!registry.KeyExists(SettingsKey)) {
        // First run: store the first-run values and keep the start state as it is.
        registry.OpenKey(SettingsKey, true);
        registry.BeginUpdate();
        for (const int player : {1, 2, 0})
            for (const StoredValue& value : StoredValues)
                if (value.Player == player && !value.Later) Write(registry, value.Name, value.FirstRun);
        registry.EndUpdate();
        Registry = std::move(registry);
        return;
    }

    // Loaded into a copy, so a failing value leaves the caller's state as it was.
    ProfileState loaded = state;
    loaded.Config.NetworkRole = 0; // set again by a Type value of 3
    registry.OpenKey(SettingsKey, false);
    for (const StoredValue& value : StoredValues)
        value.Set(loaded, value.Player, Read(registry, value));

    state = std::move(loaded);
    Registry = std::move(registry);
}

void TProfile::WriteEnv(const ProfileState& state) {
    if (!Registry) return;
    Registry->BeginUpdate();
    for (const StoredValue& value : StoredValues) {
        const Stored stored = value.Get(state, value.Player);
        // A player who never changes a later value keeps the file's thirteen values alone.
        if (value.Later && stored == value.FirstRun && !Registry->ValueExists(value.Name)) continue;
        Write(*Registry, value.Name, stored);
    }
    Registry->EndUpdate();
}
