#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "app/QtPlatform.h"

namespace {

// Plays the user of the next modal window: `answer` runs once it is on screen.
void AnswerNextModal(const std::function<void(QWidget*)>& answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        }
    });
    poll->start(10);
}

// Sets an environment variable for one test and puts back what was there.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QString& value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, value.toUtf8());
    }
    ~ScopedEnv() {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

  private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_old;
};

// The empty caption of the chat input stays empty on screen (an empty title would show the
// program's name), and a message box leaves its frame room for the whole caption.
TEST(QtPlatform, TitlesAreShownAsGiven) {
    QtPlatform platform;
    QString inputTitle;
    AnswerNextModal([&](QWidget* dialog) {
        inputTitle = dialog->windowTitle();
        static_cast<QDialog*>(dialog)->reject();
    });
    QString text;
    EXPECT_FALSE(platform.InputQuery("", "What's your Message ?", text));
    EXPECT_FALSE(inputTitle.isEmpty());
    EXPECT_TRUE(inputTitle.trimmed().isEmpty()) << inputTitle.toStdString();

    int boxWidth = 0;
    QFont titleFont;
    AnswerNextModal([&](QWidget* box) {
        boxWidth = box->width();
        titleFont = box->font();
        static_cast<QDialog*>(box)->accept();
    });
    platform.ShowMessage("Message from Player 1", "hi");
    titleFont.setBold(true);
    // The frame's icon and three buttons take about 100 pixels beside the title.
    EXPECT_GE(boxWidth, QFontMetrics(titleFont).horizontalAdvance("Message from Player 1") + 100);
}

// The file dialogs open in the documents folder, then in the folder last used, never in
// the working directory; a name typed without a suffix gets the filter's.
TEST(QtPlatform, FileDialogsStartInTheDocumentsFolderThenTheLastUsed) {
    QTemporaryDir home;
    const ScopedEnv homeVariable("HOME", home.path());
    const ScopedEnv configVariable("XDG_CONFIG_HOME", home.filePath("config"));
    ASSERT_TRUE(QDir(home.path()).mkpath("Documents") && QDir(home.path()).mkpath("games"));
    QtPlatform platform;
    const auto ask = [&](bool forSaving, const QString& typed, QString& startedIn) {
        AnswerNextModal([&](QWidget* modal) {
            auto* dialog = static_cast<QFileDialog*>(modal);
            startedIn = dialog->directory().absolutePath();
            // Typed into the name field, as the player does.
            if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(typed);
            static_cast<QDialog*>(dialog)->accept();   // QFileDialog::accept, as the Save button
            if (dialog->isVisible()) dialog->reject(); // the name was refused
        });
        return platform.AskFileName(forSaving, "Save Game", "Tessaron games (*.tgame);;All files (*)")
            .toStdString();
    };
    QString startedIn;
    EXPECT_EQ(ask(true, home.filePath("games/first"), startedIn),
              home.filePath("games/first.tgame").toStdString());
    EXPECT_EQ(startedIn.toStdString(), home.filePath("Documents").toStdString());
    QFile(home.filePath("games/first.tgame")).open(QIODevice::WriteOnly);
    EXPECT_EQ(ask(false, "first.tgame", startedIn), home.filePath("games/first.tgame").toStdString());
    EXPECT_EQ(startedIn.toStdString(), home.filePath("games").toStdString());
}

} // namespace
