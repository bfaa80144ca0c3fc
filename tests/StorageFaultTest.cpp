#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

#include "app/GameFile.h"
#include "app/MovesMenu.h"
#include "app/SavedGameFile.h"
#include "app/settings/Profile.h"
#include "tests/StorageFaultSupport.h"
#include "tests/WindowTestSupport.h"

namespace {

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes beyond a few hundred bytes fail for as long as it lives, as on a full disk.
class DiskFull {
  public:
    DiskFull() {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_old;
        small.rlim_cur = 300;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~DiskFull() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

  private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
};

using StorageFaults = WindowTest;

// Save Game and the game kept at close, on a full disk: a box says so, the file there before
// is whole, and the program goes on.
TEST_F(StorageFaults, AFullDiskIsToldAndTheOldGamesStayWhole) {
    QTemporaryDir dir;
    const QString saved = dir.filePath("saved.tgame");
    const QString kept = dir.filePath("lastgame.tgame");
    for (const QString& file : {saved, kept})
        ASSERT_TRUE(WriteGameFile(file, GameB()).isEmpty());
    form->Moves->SetStoreDirectory(dir.path().toStdString());
    form->Config.PlayerIsComputer[2] = false;
    form->Start1Click();
    std::mt19937 random(3);
    for (int i = 0; i < 30 && form->GameRunning; ++i) {
        const std::vector<Move> legal = LegalMoves(CopyToValueGrid(form->board()), form->CurrentPlayer);
        PlayByMouse(legal[random() % legal.size()]);
    }
    {
        const DiskFull full;
        platform.FileAnswers = {saved};
        form->Moves->SaveGame1->trigger();
        ASSERT_EQ(platform.Messages.size(), 1u);
        EXPECT_EQ(platform.Messages[0].Caption, "Save Game");
        EXPECT_TRUE(platform.Messages[0].Text.startsWith("Cannot write " + saved + ": "));
        form->close();
    }
    ASSERT_EQ(platform.Messages.size(), 2u);
    EXPECT_TRUE(
        platform.Messages[1].Text.startsWith("The unfinished game could not be kept for Resume Last Game.\n"
                                             "Cannot write " +
                                             kept));
    for (const QString& file : {saved, kept})
        EXPECT_EQ(ReadAll(file.toStdString()), GameB()) << file.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no half-written file is left";
}

// The program killed at random moments while it writes each of its files: each is then the
// old one or the new one, whole, never empty or mixed.
TEST(KilledWhileSaving, EveryFileIsTheOldOneOrTheNewOne) {
    QTemporaryDir dir;
    std::mt19937 random(7);
    for (const char* kind : {"settings", "game"}) {
        const std::string file = dir.filePath(kind).toStdString() + "/store";
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        // The file is there before the first kill, with the first of the two contents.
        if (std::string(kind) == "settings") {
            TProfile first(file);
            ProfileState state;
            first.CreateEnv(state);
            state.HostClient = LongHost('a');
            first.WriteEnv(state);
        } else {
            ASSERT_TRUE(WriteGameFile(QString::fromStdString(file), GameA()).isEmpty());
        }
        int killedWriting = 0;
        for (int round = 0; round < 100; ++round) {
            std::string program = TESSARON_WRITE_LOOP;
            std::string kindText = kind;
            std::string fileText = file;
            char* args[] = {program.data(), kindText.data(), fileText.data(), nullptr};
            posix_spawn_file_actions_t quiet;
            posix_spawn_file_actions_init(&quiet);
            posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
            pid_t child = 0;
            ASSERT_EQ(posix_spawn(&child, program.c_str(), &quiet, nullptr, args, environ), 0);
            posix_spawn_file_actions_destroy(&quiet);
            std::this_thread::sleep_for(std::chrono::microseconds(2000 + random() % 30000));
            kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            killedWriting += WIFSIGNALED(status);
            if (std::string(kind) == "settings") {
                TProfile profile(file);
                ProfileState state;
                ASSERT_NO_THROW(profile.CreateEnv(state)) << "round " << round;
                EXPECT_TRUE(state.HostClient == LongHost('a') || state.HostClient == LongHost('b')) << round;
            } else {
                const std::string text = ReadAll(file);
                EXPECT_TRUE(text == GameA() || text == GameB())
                    << "round " << round << ": " << text.size() << " bytes";
                EXPECT_TRUE(std::holds_alternative<SavedGame>(ReadSavedGame(file))) << round;
            }
        }
        EXPECT_GT(killedWriting, 90) << kind;
    }
}

} // namespace
