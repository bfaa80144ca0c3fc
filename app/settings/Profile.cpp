#include "app/settings/Profile.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

constexpr const char* SettingsKey = "Software\\Tessaron";

// Type1 and Type2 hold the PlayerKind: 1 Human, 2 Computer, 3 Network.
int32_t StoredType(const PlayerConfig& config, int player) {
    if (config.NetworkRole == player) return 3;
    return config.PlayerIsComputer[player] ? 2 : 1;
}

// Algo1 and Algo2 hold the SearchAlgorithm plus one; other values leave it unchanged.
void LoadAlgo(uint8_t& algo, int32_t stored) {
    if (stored >= 1 && stored <= 4) algo = static_cast<uint8_t>(stored - 1);
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
        registry.WriteInteger("Type1", 1);
        registry.WriteInteger("Level1", 0);
        registry.WriteInteger("Algo1", 3);
        registry.WriteInteger("Branch1", 5);
        registry.WriteInteger("Type2", 2);
        registry.WriteInteger("Level2", 0);
        registry.WriteInteger("Algo2", 3);
        registry.WriteInteger("Branch2", 5);
        registry.WriteBool("Sound", true);
        registry.WriteInteger("Board", 1);
        registry.WriteString("HostClient", DefaultOpponentHost);
        registry.WriteString("PortClient", DefaultPort);
        registry.WriteString("PortServer", DefaultPort);
        registry.EndUpdate();
        Registry = std::move(registry);
        return;
    }

    // Loaded into a copy, so a failing value leaves the caller's state as it was.
    ProfileState loaded = state;
    PlayerConfig& config = loaded.Config;
    config.NetworkRole = 0;
    registry.OpenKey(SettingsKey, false);

    const int32_t type1 = registry.ReadInteger("Type1");
    const int32_t type2 = registry.ReadInteger("Type2");
    config.PlayerIsComputer[1] = type1 == 2;
    config.PlayerIsComputer[2] = type2 == 2;
    if (type1 == 3) config.NetworkRole = 1;
    if (type2 == 3) config.NetworkRole = 2;

    // Depth and branch count are brought into the searches' range here, so the dialog,
    // the searches and the next save all see the same valid value.
    config.Level[1] = ClampLevel(registry.ReadInteger("Level1"));
    config.Level[2] = ClampLevel(registry.ReadInteger("Level2"));
    LoadAlgo(config.Algo[1], registry.ReadInteger("Algo1"));
    LoadAlgo(config.Algo[2], registry.ReadInteger("Algo2"));
    config.Branch[1] = ClampBranch(registry.ReadInteger("Branch1"));
    config.Branch[2] = ClampBranch(registry.ReadInteger("Branch2"));

    loaded.SoundOn = registry.ReadBool("Sound");

    // A board number that names no layout would leave the next game without pieces.
    const int32_t board = registry.ReadInteger("Board");
    loaded.ChosenVariant = board >= 1 && board <= 3 ? board : 1;

    loaded.HostClient = registry.ReadString("HostClient");
    loaded.PortClient = registry.ReadString("PortClient");
    loaded.PortServer = registry.ReadString("PortServer");
    // Not one of the thirteen: missing or unreadable, it is simply off.
    try {
        loaded.ShowLastMove = registry.ReadBool("ShowLastMove");
    } catch (const SettingsError&) {
        loaded.ShowLastMove = false;
    }

    state = std::move(loaded);
    Registry = std::move(registry);
}

void TProfile::WriteEnv(const ProfileState& state) {
    if (!Registry) return;
    const PlayerConfig& config = state.Config;
    SettingsRegistry& registry = *Registry;
    registry.BeginUpdate();
    registry.WriteInteger("Type1", StoredType(config, 1));
    registry.WriteInteger("Type2", StoredType(config, 2));
    registry.WriteInteger("Level1", config.Level[1]);
    registry.WriteInteger("Level2", config.Level[2]);
    registry.WriteInteger("Algo1", config.Algo[1] + 1);
    registry.WriteInteger("Algo2", config.Algo[2] + 1);
    registry.WriteInteger("Branch1", config.Branch[1]);
    registry.WriteInteger("Branch2", config.Branch[2]);
    registry.WriteBool("Sound", state.SoundOn);
    registry.WriteInteger("Board", state.ChosenVariant);
    registry.WriteString("HostClient", state.HostClient);
    registry.WriteString("PortClient", state.PortClient);
    registry.WriteString("PortServer", state.PortServer);
    registry.WriteBool("ShowLastMove", state.ShowLastMove);
    registry.EndUpdate();
}
