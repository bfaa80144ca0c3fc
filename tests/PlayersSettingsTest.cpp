// The Players dialog and the settings store, used through the main window as start-up, the
// Options menu and closing the window use them. The settings live under a temporary
// XDG_CONFIG_HOME.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <regex>

#include "app/options/RadioGroup.h"
#include "app/options/SpinEdit.h"
#include "app/settings/Profile.h"
#include "tests/SettingsTestSupport.h"
#include "tests/WiringTestSupport.h"

namespace {

void TypeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void TypeInto(SpinEdit* field, const QString& text, QWidget* next) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    next->setFocus();
}

bool StatusLineShown(const TForm1& form) {
    return form.Panel1->isVisibleTo(const_cast<TForm1*>(&form)) &&
           !form.ProgressBar->isVisibleTo(const_cast<TForm1*>(&form));
}
bool ProgressBarShown(const TForm1& form) {
    return !form.Panel1->isVisibleTo(const_cast<TForm1*>(&form)) &&
           form.ProgressBar->isVisibleTo(const_cast<TForm1*>(&form));
}

int Pieces(const TForm1& form) {
    int count = 0;
    for (int32_t v : CopyToValueGrid(form.board()).Cells)
        count += v == 1 || v == 2 ? 1 : 0;
    return count;
}

class PlayersAndSettings : public testing::Test {
  protected:
    void SetUp() override {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) m_oldConfigHome = old;
        ::setenv("XDG_CONFIG_HOME", m_configHome.Path().c_str(), 1);
    }
    void TearDown() override {
        if (m_oldConfigHome)
            ::setenv("XDG_CONFIG_HOME", m_oldConfigHome->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }

    std::filesystem::path SettingsFile() const { return m_configHome.Path() / "Tessaron" / "registry.reg"; }

    // A run of the program up to its message loop: the window, then the settings.
    std::unique_ptr<TestWindow> StartProgram(TProfile& profile) {
        auto window = std::make_unique<TestWindow>();
        EXPECT_TRUE(window->Form->CreateEnv(profile));
        return window;
    }

    TemporaryDirectory m_configHome;
    std::optional<std::string> m_oldConfigHome;
};

TEST_F(PlayersAndSettings, ChangesMadeInOneRunAreThereInTheNext) {
    {
        TProfile profile;
        const auto run = StartProgram(profile);
        TForm1& form = *run->Form;
        EXPECT_TRUE(std::filesystem::exists(SettingsFile()));
        EXPECT_TRUE(ProgressBarShown(form));
        AnswerPlayersDialog(run->Platform, true, [](TOptions& d) {
            Click(d.RadioButton2); // player 1 Computer
            Click(d.RadioGroup1->item(BranchAndBound));
            TypeInto(d.SpinEdit1, "9", d.EditPortServer); // brought into range on leaving
            Click(d.RadioButton3);                        // player 2 Human
            TypeInto(d.EditHostClient, "192.0.2.7");
            TypeInto(d.EditPortServer, "4711");
        });
        form.Player12->trigger();
        EXPECT_EQ(run->Platform.DialogsShown, 1);
        form.Player1->trigger(); // Sound on
        form.Swedish->trigger(); // Board
        form.close();
        EXPECT_TRUE(run->Platform.Messages.empty());
    }
    const std::string stored = ReadFile(SettingsFile());
    for (const char* line :
         {"\"Type1\"=dword:00000002", "\"Algo1\"=dword:00000002", "\"Level1\"=dword:00000008",
          "\"Type2\"=dword:00000001", "\"Sound\"=dword:00000001", "\"Board\"=dword:00000003",
          "\"HostClient\"=\"192.0.2.7\"", "\"PortServer\"=\"4711\""})
        EXPECT_NE(stored.find(line), std::string::npos) << line << "\n" << stored;

    TProfile profile;
    const auto run = StartProgram(profile);
    TForm1& form = *run->Form;
    EXPECT_TRUE(form.Config.PlayerIsComputer[1]);
    EXPECT_FALSE(form.Config.PlayerIsComputer[2]);
    EXPECT_EQ(form.Config.Algo[1], BranchAndBound);
    EXPECT_EQ(form.Config.Level[1], 8);
    EXPECT_EQ(form.Config.NetworkRole, 0);
    EXPECT_TRUE(form.SoundOn);
    EXPECT_TRUE(form.Player1->isChecked());
    EXPECT_EQ(form.ChosenVariant, 3);
    EXPECT_TRUE(form.Swedish->isChecked());
    EXPECT_FALSE(form.Standard->isChecked());
    EXPECT_EQ(form.Options->EditHostClient->text(), "192.0.2.7");
    EXPECT_EQ(form.Options->EditPortServer->text(), "4711");
    // The next showing of the dialog is filled from what was loaded.
    AnswerPlayersDialog(run->Platform, false, [](TOptions& d) {
        EXPECT_TRUE(d.RadioButton2->isChecked());
        EXPECT_EQ(d.RadioGroup1->itemIndex(), BranchAndBound);
        EXPECT_EQ(d.SpinEdit1->fieldValue(), 8);
    });
    form.Player12Click();
    EXPECT_EQ(run->Platform.DialogsShown, 1);
}

TEST_F(PlayersAndSettings, AStoredNetworkRoleStartsWithTheStatusLineShown) {
    {
        TProfile profile;
        const auto run = StartProgram(profile);
        AnswerPlayersDialog(run->Platform, true, [](TOptions& d) { Click(d.RadioButton5); });
        run->Form->Player12Click();
        EXPECT_EQ(run->Form->Config.NetworkRole, 2);
        EXPECT_TRUE(StatusLineShown(*run->Form));
        run->Form->close();
    }
    TProfile profile;
    const auto run = StartProgram(profile);
    EXPECT_EQ(run->Form->Config.NetworkRole, 2);
    EXPECT_TRUE(StatusLineShown(*run->Form));
    EXPECT_EQ(run->Form->LabelState->text(), "Not Connected");
}

TEST_F(PlayersAndSettings, OkEndsARunningGameEvenUnchangedAndCancelKeepsIt) {
    TProfile profile;
    const auto run = StartProgram(profile);
    TForm1& form = *run->Form;
    form.Start1Click(); // human against computer: player 1 to move
    ASSERT_TRUE(form.GameRunning);
    const PlayerConfig before = form.Config;
    AnswerPlayersDialog(run->Platform, false, [](TOptions& d) {
        Click(d.RadioButton6); // player 1 Network, then thought better of it
        TypeInto(d.SpinEdit3, "5", d.EditHostClient);
    });
    form.Player12Click();
    EXPECT_TRUE(form.GameRunning);
    EXPECT_EQ(Pieces(form), 18);
    EXPECT_EQ(form.Config.NetworkRole, 0);
    EXPECT_EQ(form.Config.Level[2], before.Level[2]);
    EXPECT_TRUE(ProgressBarShown(form));

    AnswerPlayersDialog(run->Platform, true, [](TOptions&) {});
    form.Player12Click();
    EXPECT_FALSE(form.GameRunning);
    EXPECT_EQ(Pieces(form), 0);
    EXPECT_TRUE(form.Score1->text().isEmpty());
    EXPECT_EQ(form.Config.PlayerIsComputer[2], before.PlayerIsComputer[2]);
    EXPECT_EQ(form.Config.Algo[2], before.Algo[2]);
    EXPECT_TRUE(run->Platform.Messages.empty()) << "ending the game shows no result";
}

TEST_F(PlayersAndSettings, AHostTypedBeforeCancelIsUsedByStartAndStoredAtExit) {
    const int port = FreePort(); // nobody listens there
    {
        TProfile profile;
        const auto run = StartProgram(profile);
        TForm1& form = *run->Form;
        AnswerPlayersDialog(run->Platform, true, [](TOptions& d) { Click(d.RadioButton5); });
        form.Player12Click();
        ASSERT_EQ(form.Config.NetworkRole, 2);
        AnswerPlayersDialog(run->Platform, false, [port](TOptions& d) {
            TypeInto(d.EditHostClient, "127.0.0.3");
            TypeInto(d.EditPortClient, QString::number(port));
        });
        form.Player12Click();
        form.Start1->trigger();
        EXPECT_EQ(form.LabelState->text(), "Trying to connect to 127.0.0.3 at port " + QString::number(port));
        EXPECT_FALSE(form.GameRunning) << "a network game begins with its connection";
        ASSERT_TRUE(WaitUntil([&] { return form.LabelState->text() == "Connection refused"; }))
            << form.LabelState->text().toStdString();
        EXPECT_TRUE(form.Start1->isEnabled());
        form.close();
    }
    TProfile profile;
    const auto run = StartProgram(profile);
    EXPECT_EQ(run->Form->Options->EditHostClient->text(), "127.0.0.3");
    EXPECT_EQ(run->Form->Options->EditPortClient->text(), QString::number(port));
}

TEST_F(PlayersAndSettings, OkWithANetworkRoleSetEndsTheConnection) {
    const int port = FreePort();
    TProfile profile;
    const auto server = StartProgram(profile);
    TForm1& form = *server->Form;
    AnswerPlayersDialog(server->Platform, true, [port](TOptions& d) {
        Click(d.RadioButton6); // player 1 Network: listen
        TypeInto(d.EditPortServer, QString::number(port));
    });
    form.Player12Click();
    EXPECT_TRUE(StatusLineShown(form));
    form.Start1Click();
    ASSERT_TRUE(form.LabelState->text().endsWith(" Listening on port: " + QString::number(port)));

    TestWindow client;
    client.Form->Config.PlayerIsComputer[2] = false;
    client.Form->Config.NetworkRole = 2;
    client.Form->Options->EditPortClient->setText(QString::number(port));
    client.Form->Options->EditHostClient->setText("127.0.0.1");
    client.Form->Start1Click();
    ASSERT_TRUE(WaitUntil([&] { return form.GameRunning && client.Form->GameRunning; }));

    // OK with the role unchanged still closes the connection and the listening socket.
    AnswerPlayersDialog(server->Platform, true, [](TOptions&) {});
    form.Player12Click();
    EXPECT_EQ(form.LabelState->text(), "Not Connected");
    EXPECT_FALSE(form.GameRunning);
    EXPECT_EQ(Pieces(form), 0);
    EXPECT_TRUE(form.Start1->isEnabled());
    EXPECT_FALSE(form.SendMessage1->isEnabled());
    EXPECT_FALSE(form.Disconnect1->isEnabled());
    EXPECT_EQ(form.Config.NetworkRole, 1);
    EXPECT_TRUE(StatusLineShown(form));
    EXPECT_NE(form.network().TCPServer1.Status, ssListening);
    ASSERT_TRUE(
        WaitUntil([&] { return client.Form->LabelState->text() == "Connection closed by Player 1 "; }));
    EXPECT_FALSE(client.Form->GameRunning);

    // Back to a local game: the progress bar returns.
    AnswerPlayersDialog(server->Platform, true, [](TOptions& d) { Click(d.RadioButton1); });
    form.Player12Click();
    EXPECT_EQ(form.Config.NetworkRole, 0);
    EXPECT_TRUE(ProgressBarShown(form));
}

TEST_F(PlayersAndSettings, AMissingValueEndsStartUpAndLeavesTheFileAlone) {
    {
        TProfile profile;
        StartProgram(profile)->Form->close();
    }
    const std::string stored = ReadFile(SettingsFile());
    const std::string withoutLevel2 = std::regex_replace(stored, std::regex("\"Level2\"=[^\n]*\n"), "");
    ASSERT_NE(withoutLevel2, stored);
    WriteFile(SettingsFile(), withoutLevel2);

    TProfile profile;
    TestWindow run;
    EXPECT_FALSE(run.Form->CreateEnv(profile));
    ASSERT_EQ(run.Platform.Messages.size(), 1u);
    EXPECT_EQ(run.Platform.Messages[0].Text, "Failed to get data for 'Level2'");
    // Nothing of the file was taken over, and closing does not write it.
    EXPECT_EQ(run.Form->Config.Level[1], 0);
    EXPECT_FALSE(run.Form->SoundOn);
    run.Form->close();
    EXPECT_EQ(ReadFile(SettingsFile()), withoutLevel2);
    EXPECT_EQ(run.Platform.Messages.size(), 1u);
}

TEST_F(PlayersAndSettings, AFileThatCannotBeWrittenAtExitIsReportedAndTheWindowStillCloses) {
    TProfile profile;
    const auto run = StartProgram(profile);
    // The settings directory is replaced by a plain file: no save can succeed.
    std::filesystem::remove_all(SettingsFile().parent_path());
    WriteFile(m_configHome.Path() / "placeholder", "");
    std::filesystem::rename(m_configHome.Path() / "placeholder", SettingsFile().parent_path());
    run->Form->close();
    EXPECT_FALSE(run->Form->isVisible());
    ASSERT_EQ(run->Platform.Messages.size(), 1u);
    EXPECT_TRUE(run->Platform.Messages[0].Text.startsWith("Failed to set data for '"))
        << run->Platform.Messages[0].Text.toStdString();
    // Asked to close again, it does not report again.
    run->Form->close();
    EXPECT_EQ(run->Platform.Messages.size(), 1u);
}

} // namespace
