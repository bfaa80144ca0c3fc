#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "app/FileDialogs.h"
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

} // namespace

// One file dialog serves every Open and one every Save, and each question finds it as a new dialog
// would be: its own caption and mode, the folder last used, and no name left from before.
TEST(FileDialogs, EachQuestionFindsTheDialogAsNew) {
    const QString filter = "Tessaron games (*.tgame);;All files (*)";
    QTemporaryDir folder;
    QWidget window;
    FileDialogs dialogs;
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(folder.path());
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("first");
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(dialogs.Ask(&window, true, "Save Game", filter), QDir(folder.path()).filePath("first.tgame"));

    QString title, name, directory;
    bool opens = false;
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        opens = dialog->acceptMode() == QFileDialog::AcceptOpen &&
                dialog->fileMode() == QFileDialog::ExistingFile;
        name = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        directory = dialog->directory().absolutePath();
        dialog->reject();
    });
    EXPECT_EQ(dialogs.Ask(&window, false, "Open Game", filter), "");
    EXPECT_EQ(title, "Open Game");
    EXPECT_TRUE(opens);
    EXPECT_EQ(name, "");
    EXPECT_EQ(directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(window.findChildren<QFileDialog*>().size(), 2);

    // Saving again finds the Save dialog as new too, with no name left from the first save.
    AnswerNextModal([&](QWidget* modal) {
        name = modal->findChild<QLineEdit*>("fileNameEdit")->text();
        static_cast<QDialog*>(modal)->reject();
    });
    EXPECT_EQ(dialogs.Ask(&window, true, "Save Game", filter), "");
    EXPECT_EQ(name, "");
    EXPECT_EQ(window.findChildren<QFileDialog*>().size(), 2);
}
