#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "app/settings/PlayerConfig.h"
#include "app/settings/SettingsRegistry.h"

// The opponent address the Players dialog shows until the user types another one.
inline constexpr const char* DefaultOpponentHost = "127.0.0.1";
inline constexpr const char* DefaultPort = "1024";

// Everything that persists between runs, as the main window and the Players dialog hold it.
// The window copies its state in before WriteEnv and applies it after CreateEnv: the Sound
// item's check mark follows SoundOn, the Board items' check mark follows ChosenVariant, and
// the three texts are the dialog's EditHostClient, EditPortClient and EditPortServer.
struct ProfileState {
    PlayerConfig Config;
    bool SoundOn = false;
    int32_t ChosenVariant = 1;
    std::string HostClient = DefaultOpponentHost;
    std::string PortClient = DefaultPort;
    std::string PortServer = DefaultPort;
    // Moves > Show Last Move. Stored after the thirteen values above, and only when it is on
    // or the file has it already; a file without it (from an older program, the first run or
    // a player who never turned it on) loads as off.
    bool ShowLastMove = false;
};

// $XDG_CONFIG_HOME/Tessaron/registry.reg, with ~/.config when the variable is unset, empty
// or not an absolute path.
std::filesystem::path DefaultSettingsFile();
std::filesystem::path SettingsFileFor(const char* xdgConfigHome, const char* home);

// Loads the settings once at start-up and stores them once when the main window closes.
class TProfile {
  public:
    explicit TProfile(std::filesystem::path file = DefaultSettingsFile());

    // Fills `state` from the settings key, or, on the first run, creates the key with the
    // first-run values and leaves `state` as it is. A value that is missing or of the wrong
    // type raises SettingsError; `state` and the file are then left untouched, and the
    // program reports the text and ends.
    void CreateEnv(ProfileState& state);

    // Stores the running state into the key CreateEnv opened, as one save of the file.
    // Raises SettingsError when the file cannot be written (the old file is kept). Does
    // nothing when CreateEnv has not succeeded, so a file the program could not load is
    // never overwritten.
    void WriteEnv(const ProfileState& state);

    std::optional<SettingsRegistry> Registry;

  private:
    std::filesystem::path m_file;
};
