#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
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
        QTest::keyClicks(dialog->findChild<QLineEdit*>("fileNameEdit"), "first");
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
                dialog->fileMode() == QFileDialog::ExistingFile && dialog->viewMode() == QFileDialog::List;
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

    // Saving again finds the Save dialog as new too, with no name left from the first save,
    // not even one step of Undo away.
    bool undoable = true;
    AnswerNextModal([&](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>("fileNameEdit");
        name = edit->text();
        undoable = edit->isUndoAvailable();
        static_cast<QDialog*>(modal)->reject();
    });
    EXPECT_EQ(dialogs.Ask(&window, true, "Save Game", filter), "");
    EXPECT_EQ(name, "");
    EXPECT_FALSE(undoable);
    EXPECT_EQ(window.findChildren<QFileDialog*>().size(), 2);
}

// The accessible cells a screen reader met in a folder's list are let go at the next question,
// as a new dialog would have none: a kept dialog gathered them over hours of play.
TEST(FileDialogs, AQuestionLetsGoOfTheAccessibleCellsOfTheLastOne) {
    QTemporaryDir folder;
    for (const char* file : {"a.tgame", "b.tgame"}) {
        QFile made(QDir(folder.path()).filePath(file));
        ASSERT_TRUE(made.open(QIODevice::WriteOnly));
    }
    QWidget window;
    FileDialogs dialogs;
    std::vector<QAccessible::Id> cells;
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = static_cast<QFileDialog*>(modal);
        dialog->setDirectory(folder.path());
        dialog->setViewMode(QFileDialog::List);
        auto* view = modal->findChild<QAbstractItemView*>("listView");
        ASSERT_NE(view, nullptr);
        QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) == 2; }, 5000);
        QAccessibleTableInterface* list = QAccessible::queryAccessibleInterface(view)->tableInterface();
        ASSERT_NE(list, nullptr);
        for (int row = 0; row < list->rowCount(); ++row)
            if (QAccessibleInterface* cell = list->cellAt(row, 0))
                cells.push_back(QAccessible::uniqueId(cell));
        static_cast<QDialog*>(modal)->reject();
    });
    dialogs.Ask(&window, false, "Open Game", "Tessaron games (*.tgame)");
    ASSERT_FALSE(cells.empty());
    for (QAccessible::Id id : cells)
        ASSERT_NE(QAccessible::accessibleInterface(id), nullptr);

    std::vector<QAccessible::Id> left;
    AnswerNextModal([&](QWidget* modal) {
        for (QAccessible::Id id : cells)
            if (QAccessible::accessibleInterface(id)) left.push_back(id);
        static_cast<QDialog*>(modal)->reject();
    });
    dialogs.Ask(&window, false, "Open Game", "Tessaron games (*.tgame)");
    EXPECT_TRUE(left.empty());
}

// The hidden detail view hears nothing of the selection (while a screen reader listened, each
// piece of news left an accessible cell behind in it); on screen it follows the selection.
TEST(FileDialogs, OnlyADetailViewOnScreenFollowsTheSelection) {
    QWidget window;
    FileDialogs dialogs;
    // Whether the view was told of the selection's changes; telling it again afterwards.
    const auto told = [](QAbstractItemView* view) {
        const char* news = SIGNAL(selectionChanged(QItemSelection, QItemSelection));
        const char* heard = SLOT(selectionChanged(QItemSelection, QItemSelection));
        const bool was = QObject::disconnect(view->selectionModel(), news, view, heard);
        if (was) QObject::connect(view->selectionModel(), news, view, heard);
        return was;
    };
    bool inList = true, inDetail = false, listTold = false;
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = static_cast<QFileDialog*>(modal);
        auto* detail = modal->findChild<QAbstractItemView*>("treeView");
        dialog->setViewMode(QFileDialog::List);
        inList = told(detail);
        listTold = told(modal->findChild<QAbstractItemView*>("listView"));
        dialog->setViewMode(QFileDialog::Detail);
        inDetail = told(detail);
        dialog->setViewMode(QFileDialog::List);
        dialog->reject();
    });
    dialogs.Ask(&window, false, "Open Game", "Tessaron games (*.tgame)");
    EXPECT_FALSE(inList);
    EXPECT_TRUE(inDetail);
    EXPECT_TRUE(listTold);
}
