#include <gtest/gtest.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <csignal>
#include <functional>
#include <map>

#include "app/settings/Profile.h"
#include "tests/SettingsTestSupport.h"

namespace fs = std::filesystem;

namespace {

const std::string Header = "[HKEY_CURRENT_USER\\Software\\Tessaron]\n";

const std::string FirstRunFile = Header + "\"Type1\"=dword:00000001\n"
                                          "\"Level1\"=dword:00000000\n"
                                          "\"Algo1\"=dword:00000003\n"
                                          "\"Branch1\"=dword:00000005\n"
                                          "\"Type2\"=dword:00000002\n"
                                          "\"Level2\"=dword:00000000\n"
                                          "\"Algo2\"=dword:00000003\n"
                                          "\"Branch2\"=dword:00000005\n"
                                          "\"Sound\"=dword:00000001\n"
                                          "\"Board\"=dword:00000001\n"
                                          "\"HostClient\"=\"127.0.0.1\"\n"
                                          "\"PortClient\"=\"1024\"\n"
                                          "\"PortServer\"=\"1024\"\n";

// The thirteen values as text lines, so one case can replace or drop a single line.
std::map<std::string, std::string> StoredLines() {
    return {{"Type1", "dword:00000002"},   {"Type2", "dword:00000001"},    {"Level1", "dword:00000004"},
            {"Level2", "dword:00000006"},  {"Algo1", "dword:00000001"},    {"Algo2", "dword:00000004"},
            {"Branch1", "dword:0000000a"}, {"Branch2", "dword:0000000c"},  {"Sound", "dword:00000000"},
            {"Board", "dword:00000002"},   {"HostClient", "\"10.0.0.7\""}, {"PortClient", "\"2000\""},
            {"PortServer", "\"3000\""}};
}

std::string FileWith(const std::map<std::string, std::string>& lines) {
    std::string text = Header;
    for (const auto& [name, data] : lines)
        text += "\"" + name + "\"=" + data + "\n";
    return text;
}

// Reads one value of the file through a fresh store, as the next start would.
int32_t StoredInteger(const fs::path& file, const char* name) {
    SettingsRegistry registry(file);
    registry.OpenKey("Software\\Tessaron", false);
    return registry.ReadInteger(name);
}

std::string StoredString(const fs::path& file, const char* name) {
    SettingsRegistry registry(file);
    registry.OpenKey("Software\\Tessaron", false);
    return registry.ReadString(name);
}

bool SameState(const ProfileState& a, const ProfileState& b) {
    for (int p = 1; p <= 2; ++p)
        if (a.Config.PlayerIsComputer[p] != b.Config.PlayerIsComputer[p] ||
            a.Config.Level[p] != b.Config.Level[p] || a.Config.Algo[p] != b.Config.Algo[p] ||
            a.Config.Branch[p] != b.Config.Branch[p])
            return false;
    return a.Config.NetworkRole == b.Config.NetworkRole && a.SoundOn == b.SoundOn &&
           a.ChosenVariant == b.ChosenVariant && a.HostClient == b.HostClient &&
           a.PortClient == b.PortClient && a.PortServer == b.PortServer;
}

class ProfileTest : public ::testing::Test {
  protected:
    fs::path File() const { return m_dir.Path() / "Tessaron" / "registry.reg"; }
    TemporaryDirectory m_dir;
};

TEST_F(ProfileTest, FirstRunWritesTheFirstRunValuesAndExitWritesTheRunningState) {
    TProfile profile(File());
    ProfileState state;
    profile.CreateEnv(state);
    EXPECT_TRUE(SameState(state, ProfileState{})) << "the first run keeps the start state";
    EXPECT_EQ(ReadFile(File()), FirstRunFile);

    profile.WriteEnv(state);
    EXPECT_EQ(StoredInteger(File(), "Algo1"), 4);
    EXPECT_EQ(StoredInteger(File(), "Algo2"), 3);
    EXPECT_EQ(StoredInteger(File(), "Sound"), 0);
    EXPECT_EQ(StoredInteger(File(), "Type2"), 2);
    EXPECT_EQ(StoredString(File(), "HostClient"), DefaultOpponentHost);

    ProfileState next;
    next.SoundOn = true; // whatever the window holds before loading is replaced
    TProfile(File()).CreateEnv(next);
    EXPECT_TRUE(SameState(next, ProfileState{})) << "the second run starts as the first one ended";
}

TEST_F(ProfileTest, ChangedSettingsSurviveARestart) {
    ProfileState state;
    TProfile first(File());
    first.CreateEnv(state);
    state.Config.PlayerIsComputer[1] = true;
    state.Config.PlayerIsComputer[2] = false;
    state.Config.NetworkRole = 2;
    state.Config.Level[1] = 8;
    state.Config.Algo[1] = Complete;
    state.Config.Branch[2] = 30;
    state.SoundOn = true;
    state.ChosenVariant = 3;
    state.HostClient = "a \"quoted\" C:\\path\nnext";
    state.PortClient = "";
    first.WriteEnv(state);

    ProfileState loaded;
    TProfile(File()).CreateEnv(loaded);
    EXPECT_TRUE(SameState(loaded, state));
}

struct LoadCase {
    const char* Name;
    std::map<std::string, std::string> Changes; // an empty data text drops the line
    std::function<void(ProfileState&)> Expect;  // from the state the unchanged file gives
    std::map<std::string, int32_t> StoredAtExit;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.Name;
}

class ProfileLoadTest : public ProfileTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(ProfileLoadTest, LoadsAndStoresBack) {
    const LoadCase& c = GetParam();
    std::map<std::string, std::string> lines = StoredLines();
    for (const auto& [name, data] : c.Changes) {
        if (data.empty())
            lines.erase(name);
        else
            lines[name] = data;
    }
    WriteFile(File(), FileWith(lines));

    ProfileState expected;
    expected.Config.PlayerIsComputer[1] = true;
    expected.Config.PlayerIsComputer[2] = false;
    expected.Config.Level[1] = 4;
    expected.Config.Level[2] = 6;
    expected.Config.Algo[1] = Complete;
    expected.Config.Algo[2] = HomeMade;
    expected.Config.Branch[1] = 10;
    expected.Config.Branch[2] = 12;
    expected.ChosenVariant = 2;
    expected.HostClient = "10.0.0.7";
    expected.PortClient = "2000";
    expected.PortServer = "3000";
    c.Expect(expected);

    TProfile profile(File());
    ProfileState state;
    profile.CreateEnv(state);
    EXPECT_TRUE(SameState(state, expected));

    profile.WriteEnv(state);
    for (const auto& [name, value] : c.StoredAtExit)
        EXPECT_EQ(StoredInteger(File(), name.c_str()), value) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileLoadTest,
    ::testing::Values(
        LoadCase{
            "AsStored", {}, [](ProfileState&) {}, {{"Type1", 2}, {"Algo1", 1}, {"Algo2", 4}, {"Board", 2}}},
        LoadCase{"Algo1StoredAsZero",
                 {{"Algo1", "dword:00000000"}},
                 [](ProfileState& s) { s.Config.Algo[1] = HomeMade; },
                 {{"Algo1", 4}}},
        LoadCase{"Algo1StoredAsFive",
                 {{"Algo1", "dword:00000005"}},
                 [](ProfileState& s) { s.Config.Algo[1] = HomeMade; },
                 {{"Algo1", 4}}},
        LoadCase{"Algo2StoredNegative",
                 {{"Algo2", "dword:ffffffff"}},
                 [](ProfileState& s) { s.Config.Algo[2] = AlphaBeta; },
                 {{"Algo2", 3}}},
        LoadCase{"BothTypesNetwork",
                 {{"Type1", "dword:00000003"}, {"Type2", "dword:00000003"}},
                 [](ProfileState& s) {
                     s.Config.PlayerIsComputer[1] = false;
                     s.Config.NetworkRole = 2;
                 },
                 {{"Type1", 1}, {"Type2", 3}}},
        LoadCase{"Player1Network",
                 {{"Type1", "dword:00000003"}},
                 [](ProfileState& s) {
                     s.Config.PlayerIsComputer[1] = false;
                     s.Config.NetworkRole = 1;
                 },
                 {{"Type1", 3}, {"Type2", 1}}},
        LoadCase{"UnknownTypeIsHuman",
                 {{"Type1", "dword:00000009"}},
                 [](ProfileState& s) { s.Config.PlayerIsComputer[1] = false; },
                 {{"Type1", 1}}},
        LoadCase{"SoundStoredAsFive",
                 {{"Sound", "dword:00000005"}},
                 [](ProfileState& s) { s.SoundOn = true; },
                 {{"Sound", 1}}},
        LoadCase{"BoardOutOfRange",
                 {{"Board", "dword:00000007"}},
                 [](ProfileState& s) { s.ChosenVariant = 1; },
                 {{"Board", 1}}},
        LoadCase{"BoardZero",
                 {{"Board", "dword:00000000"}},
                 [](ProfileState& s) { s.ChosenVariant = 1; },
                 {{"Board", 1}}},
        LoadCase{"LevelsAndBranchesOutOfRange",
                 {{"Level1", "dword:00000009"},
                  {"Level2", "dword:ffffffff"},
                  {"Branch1", "dword:7fffffff"},
                  {"Branch2", "dword:00000002"}},
                 [](ProfileState& s) {
                     s.Config.Level[1] = 8;
                     s.Config.Level[2] = 0;
                     s.Config.Branch[1] = 30;
                     s.Config.Branch[2] = 3;
                 },
                 {{"Level1", 8}, {"Level2", 0}, {"Branch1", 30}, {"Branch2", 3}}},
        LoadCase{"HostClientDeleted", {{"HostClient", ""}}, [](ProfileState& s) { s.HostClient = ""; }, {}},
        LoadCase{
            "PortsAsExpandableStrings",
            {{"PortServer", "hex(2):34,00,30,00,30,00,30,00,00,00"}, {"PortClient", "hex(2):35,00,00,00"}},
            [](ProfileState& s) {
                s.PortServer = "4000";
                s.PortClient = "5";
            },
            {}},
        LoadCase{"HostClientUnreadable",
                 {{"HostClient", "\"10.0."}},
                 [](ProfileState& s) { s.HostClient = ""; },
                 {}}),
    [](const auto& info) { return std::string(info.param.Name); });

// Show Last Move is one value after the thirteen: a file without it, or with a broken one,
// loads as off with every other value as stored, and the thirteen are written as before.
TEST_F(ProfileTest, ShowLastMoveIsOneMoreValueThatOlderFilesDoNotNeed) {
    for (const char* stored : {"", "\"ShowLastMove\"=\"yes\"\n"}) {
        WriteFile(File(), FileWith(StoredLines()) + stored);
        ProfileState old;
        old.ShowLastMove = true;
        TProfile profile(File());
        profile.CreateEnv(old);
        EXPECT_FALSE(old.ShowLastMove) << stored;
        EXPECT_EQ(old.Config.Level[2], 6);
        EXPECT_EQ(old.PortServer, "3000");
    }
    ProfileState state;
    TProfile profile(File());
    profile.CreateEnv(state);
    state.ShowLastMove = true;
    profile.WriteEnv(state);
    EXPECT_EQ(StoredInteger(File(), "Level2"), 6);
    EXPECT_EQ(StoredInteger(File(), "ShowLastMove"), 1);
    ProfileState next;
    TProfile(File()).CreateEnv(next);
    EXPECT_TRUE(next.ShowLastMove);
}

// Show Last Move is stored only when it is on or the file already has it, so a player who
// never turns it on keeps exactly the thirteen values, from the first run on.
TEST_F(ProfileTest, ShowLastMoveIsStoredOnlyWhenOnOrAlreadyThere) {
    struct Case {
        const char* Stored; // the file's line, or "" for none
        bool AtExit;
        const char* Written; // the line at exit, or nullptr for none
    };
    for (const Case& c :
         {Case{"", false, nullptr}, Case{"", true, "\"ShowLastMove\"=dword:00000001\n"},
          Case{"\"ShowLastMove\"=dword:00000001\n", false, "\"ShowLastMove\"=dword:00000000\n"},
          Case{"\"ShowLastMove\"=\"yes\"\n", false, "\"ShowLastMove\"=dword:00000000\n"}}) {
        WriteFile(File(), FileWith(StoredLines()) + c.Stored);
        TProfile profile(File());
        ProfileState state;
        profile.CreateEnv(state);
        state.ShowLastMove = c.AtExit;
        profile.WriteEnv(state);
        const std::string text = ReadFile(File());
        if (c.Written)
            EXPECT_NE(text.find(c.Written), std::string::npos) << c.Stored << text;
        else
            EXPECT_EQ(text.find("ShowLastMove"), std::string::npos) << c.Stored << text;
    }
    fs::remove(File());
    TProfile first(File());
    ProfileState state;
    first.CreateEnv(state);
    first.WriteEnv(state);
    EXPECT_EQ(ReadFile(File()).find("ShowLastMove"), std::string::npos);
}

TEST_F(ProfileTest, HostClientDeletedIsStoredEmptyAtExit) {
    auto lines = StoredLines();
    lines.erase("HostClient");
    WriteFile(File(), FileWith(lines));
    TProfile profile(File());
    ProfileState state;
    profile.CreateEnv(state);
    profile.WriteEnv(state);
    EXPECT_EQ(StoredString(File(), "HostClient"), "");
    EXPECT_NE(ReadFile(File()).find("\"HostClient\"=\"\"\n"), std::string::npos);
}

struct FailureCase {
    const char* Name;
    const char* Value;
    const char* Data; // nullptr drops the line
    const char* Error;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.Name;
}

class ProfileFailureTest : public ProfileTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ProfileFailureTest, ReportsTheValueAndTouchesNothing) {
    const FailureCase& c = GetParam();
    auto lines = StoredLines();
    if (c.Data)
        lines[c.Value] = c.Data;
    else
        lines.erase(c.Value);
    const std::string before = FileWith(lines);
    WriteFile(File(), before);

    TProfile profile(File());
    ProfileState state;
    try {
        profile.CreateEnv(state);
        FAIL() << "no error raised";
    } catch (const SettingsError& error) {
        EXPECT_STREQ(error.what(), c.Error);
    }
    EXPECT_TRUE(SameState(state, ProfileState{})) << "nothing of the file reaches the running state";
    profile.WriteEnv(state); // a close after the failed start must not overwrite the file
    EXPECT_EQ(ReadFile(File()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileFailureTest,
    ::testing::Values(FailureCase{"Level2Deleted", "Level2", nullptr, "Failed to get data for 'Level2'"},
                      FailureCase{"Type1Deleted", "Type1", nullptr, "Failed to get data for 'Type1'"},
                      FailureCase{"Level2AsString", "Level2", "\"0\"", "Invalid data type for 'Level2'"},
                      FailureCase{"SoundAsBinary", "Sound", "hex:01", "Invalid data type for 'Sound'"},
                      FailureCase{"HostClientAsInteger", "HostClient", "dword:00000001",
                                  "Invalid data type for 'HostClient'"},
                      FailureCase{"PortServerAsMultiString", "PortServer", "hex(7):31,00,00,00,00,00",
                                  "Invalid data type for 'PortServer'"},
                      FailureCase{"BoardTruncated", "Board", "dwo", "Failed to get data for 'Board'"},
                      FailureCase{"Branch1Garbage", "Branch1", "dword:zz",
                                  "Failed to get data for 'Branch1'"},
                      FailureCase{"Algo2Deleted", "Algo2", "-", "Failed to get data for 'Algo2'"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ProfileTest, GarbageAndForeignLinesAreReadAroundAndKept) {
    std::string text = "Windows Registry Editor Version 5.00\r\n\r\n"
                       "[HKEY_CURRENT_USER\\Software\\Other]\r\n\"Keep\"=\"me\"\r\n\r\n" +
                       FileWith(StoredLines()) +
                       "this line means nothing\n"
                       "\"Level1\n"
                       "\xff\xfe\x01garbage\n"
                       "[unterminated section\n"
                       "; a comment\n";
    text += std::string("\0\0binary\0", 9) + "\n";
    WriteFile(File(), text);

    TProfile profile(File());
    ProfileState state;
    profile.CreateEnv(state);
    EXPECT_EQ(state.Config.Level[1], 4);
    EXPECT_EQ(state.PortServer, "3000");

    state.Config.Level[1] = 2;
    profile.WriteEnv(state);
    const std::string after = ReadFile(File());
    for (const char* kept :
         {"[HKEY_CURRENT_USER\\Software\\Other]\n\"Keep\"=\"me\"\n", "this line means nothing\n",
          "\xff\xfe\x01garbage\n", "; a comment\n", "[unterminated section\n"})
        EXPECT_NE(after.find(kept), std::string::npos) << kept;
    EXPECT_NE(after.find(std::string("\0\0binary\0\n", 10)), std::string::npos);
    EXPECT_EQ(StoredInteger(File(), "Level1"), 2);
}

TEST_F(ProfileTest, FailedSaveKeepsTheOldFile) {
    WriteFile(File(), FileWith(StoredLines()));
    const std::string before = ReadFile(File());
    TProfile profile(File());
    ProfileState state;
    profile.CreateEnv(state);
    state.HostClient = std::string(4096, 'h');

    // A file size limit makes writing the new file fail part-way, as a full disk does.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    try {
        profile.WriteEnv(state);
    } catch (const SettingsError& e) {
        error = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, "Failed to set data for 'Type1'");
    EXPECT_EQ(ReadFile(File()), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(File().parent_path()), fs::directory_iterator{}), 1)
        << "no half-written file is left beside the store";

    // The failed save is not half-remembered: the next successful one writes the new state.
    profile.WriteEnv(state);
    EXPECT_EQ(StoredString(File(), "HostClient"), state.HostClient);
}

TEST_F(ProfileTest, FirstRunThatCannotSaveReportsTheFirstValue) {
    WriteFile(m_dir.Path() / "Tessaron", "a file where the directory should be");
    ProfileState state;
    try {
        TProfile(File()).CreateEnv(state);
        FAIL() << "no error raised";
    } catch (const SettingsError& error) {
        EXPECT_STREQ(error.what(), "Failed to set data for 'Type1'");
    }
    EXPECT_EQ(ReadFile(m_dir.Path() / "Tessaron"), "a file where the directory should be");
}

// A settings folder the player may not write: the save is refused with the value's message
// and the file there is kept. Root passes permission bits, so as root the save is made by a
// child that has given up root first.
TEST_F(ProfileTest, SaveIntoReadOnlyDirectoryKeepsTheOldFile) {
    WriteFile(File(), FileWith(StoredLines()));
    const std::string before = ReadFile(File());
    TProfile profile(File());
    ProfileState state;
    profile.CreateEnv(state);
    state.HostClient = "another.host";
    const auto readable = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                          fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(m_dir.Path(), readable | fs::perms::owner_write);
    fs::permissions(File().parent_path(), readable);
    std::string error;
    if (::geteuid() != 0) {
        try {
            profile.WriteEnv(state);
        } catch (const SettingsError& e) {
            error = e.what();
        }
    } else {
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            ::close(pipeEnds[0]);
            std::string said = "still root";
            if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
                said = "saved";
                try {
                    profile.WriteEnv(state);
                } catch (const SettingsError& e) {
                    said = e.what();
                }
            }
            (void)!::write(pipeEnds[1], said.data(), said.size());
            ::_exit(0);
        }
        ::close(pipeEnds[1]);
        char buffer[256] = {};
        (void)!::read(pipeEnds[0], buffer, sizeof buffer - 1);
        ::close(pipeEnds[0]);
        ::waitpid(child, nullptr, 0);
        error = buffer;
    }
    fs::permissions(File().parent_path(), fs::perms::owner_all);
    EXPECT_EQ(error, "Failed to set data for 'Type1'");
    EXPECT_EQ(ReadFile(File()), before);
}

TEST_F(ProfileTest, StoreThatIsNotAFileIsNeverReplaced) {
    fs::create_directories(File() / "inside");
    ProfileState state;
    TProfile profile(File());
    EXPECT_THROW(profile.CreateEnv(state), SettingsError);
    profile.WriteEnv(state);
    EXPECT_TRUE(fs::is_directory(File() / "inside"));
}

// A FIFO would block the read until some program wrote to it; it is reported at once like
// any other store that is not a file, and is left in place.
TEST_F(ProfileTest, StoreThatIsAFifoIsReportedAtOnce) {
    fs::create_directories(File().parent_path());
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    // Should the program wait on the FIFO after all, this writer ends every wait after two seconds.
    std::atomic<bool> done = false;
    std::thread writer([&done, path = File()] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (std::chrono::steady_clock::now() < deadline) continue;
            const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
        }
    });
    const auto start = std::chrono::steady_clock::now();
    ProfileState state;
    TProfile profile(File());
    std::string error;
    try {
        profile.CreateEnv(state);
    } catch (const SettingsError& e) {
        error = e.what();
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    done = true;
    writer.join();
    EXPECT_EQ(error, "Failed to get data for 'Type1'");
    EXPECT_LT(waited, std::chrono::seconds(1));
    profile.WriteEnv(state);
    EXPECT_TRUE(fs::is_fifo(File()));
}

TEST_F(ProfileTest, SaveThroughASymbolicLinkKeepsTheLink) {
    const fs::path real = m_dir.Path() / "dotfiles" / "tessaron.reg";
    WriteFile(real, FileWith(StoredLines()));
    fs::create_directories(File().parent_path());
    fs::create_symlink(real, File());
    TProfile profile(File());
    ProfileState state;
    profile.CreateEnv(state);
    state.ChosenVariant = 3;
    profile.WriteEnv(state);
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(StoredInteger(real, "Board"), 3);
}

TEST_F(ProfileTest, EditsMadeWhileRunningAreKeptAtExit) {
    TProfile profile(File());
    ProfileState state;
    profile.CreateEnv(state);
    WriteFile(File(), "; my notes\n" + ReadFile(File()));
    profile.WriteEnv(state);
    EXPECT_EQ(ReadFile(File()).rfind("; my notes\n", 0), 0u);
}

TEST(SettingsFile, FollowsTheConfigHomeVariable) {
    EXPECT_EQ(SettingsFileFor("/x/conf", "/home/u"), fs::path("/x/conf/Tessaron/registry.reg"));
    EXPECT_EQ(SettingsFileFor("", "/home/u"), fs::path("/home/u/.config/Tessaron/registry.reg"));
    EXPECT_EQ(SettingsFileFor(nullptr, "/home/u"), fs::path("/home/u/.config/Tessaron/registry.reg"));
    EXPECT_EQ(SettingsFileFor("relative", "/home/u"), fs::path("/home/u/.config/Tessaron/registry.reg"));
}

} // namespace
