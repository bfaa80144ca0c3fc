// Feeds arbitrary bytes to the settings file reader: the document parser directly, and the
// whole start-up load through a real file. Checks that reading never crashes, that a
// rewritten file reads back with the same values, and that a written value reads back.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/settings/Profile.h"
#include "app/settings/RegistryText.h"

namespace {

constexpr const char* Key = "HKEY_CURRENT_USER\\Software\\Tessaron";
constexpr const char* Names[] = {"Type1",      "Type2",      "Level1",    "Level2", "Algo1",
                                 "Algo2",      "Branch1",    "Branch2",   "Sound",  "Board",
                                 "HostClient", "PortClient", "PortServer"};

bool SameValue(const std::optional<RegValue>& a, const std::optional<RegValue>& b) {
    if (a.has_value() != b.has_value()) return false;
    if (!a) return true;
    return a->Kind == b->Kind && a->Integer == b->Integer && a->Text == b->Text;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

const std::filesystem::path& ScratchFile() {
    static const std::filesystem::path file = [] {
        std::string dir = (std::filesystem::temp_directory_path() / "tessaron-fuzz-XXXXXX").string();
        Check(::mkdtemp(dir.data()) != nullptr);
        return std::filesystem::path(dir) / "registry.reg";
    }();
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    RegistryDocument document = RegistryDocument::Parse(text);
    const RegistryDocument reread = RegistryDocument::Parse(document.Serialize());
    Check(document.HasKey(Key) == reread.HasKey(Key));
    for (const char* name : Names)
        Check(SameValue(document.Find(Key, name), reread.Find(Key, name)));

    document.AddKey(Key);
    const std::string host = text.substr(0, 64);
    document.SetInteger(Key, "Level1", static_cast<uint32_t>(size));
    document.SetString(Key, "HostClient", host);
    const RegistryDocument written = RegistryDocument::Parse(document.Serialize());
    const auto level = written.Find(Key, "Level1");
    Check(level && level->Kind == RegValueKind::Integer && level->Integer == size);
    const auto stored = written.Find(Key, "HostClient");
    Check(stored && stored->Kind == RegValueKind::String && stored->Text == host);
    for (const char* name : Names)
        if (std::string_view(name) != "Level1" && std::string_view(name) != "HostClient")
            Check(SameValue(document.Find(Key, name), written.Find(Key, name)));

    // The whole load as the program does it at start-up. The key's section comes first, so
    // the load reads the values (a first run would write the file instead).
    std::ofstream(ScratchFile(), std::ios::binary | std::ios::trunc) << "[" << Key << "]\n" << text;
    ProfileState state;
    try {
        TProfile(ScratchFile()).CreateEnv(state);
        Check(state.ChosenVariant >= 1 && state.ChosenVariant <= 3);
        for (int p = 1; p <= 2; ++p) {
            Check(state.Config.Level[p] >= MinLevel && state.Config.Level[p] <= MaxLevel);
            Check(state.Config.Branch[p] >= MinBranch && state.Config.Branch[p] <= MaxBranch);
            Check(state.Config.Algo[p] <= 3);
        }
    } catch (const SettingsError&) {
    }
    return 0;
}
