#include "app/FileDialogs.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardPaths>

FileDialogs::~FileDialogs() {
    for (const QPointer<QFileDialog>& dialog : m_dialogs) {
        if (dialog && !dialog->parent()) delete dialog;
    }
}

QString FileDialogs::StartFolder() const {
    if (!m_lastFolder.isEmpty() && QFileInfo(m_lastFolder).isDir()) return m_lastFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

// The accessibility layer keeps an interface for every cell of a list that a screen reader or
// a selection event has touched, until the list's model is reset, which a folder listing's
// model never is: a kept dialog would hold the cells of every file it has shown. They are let
// go at each question, as they would be with a new dialog.
void FileDialogs::ForgetAccessibleCells(QAbstractItemView* view) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
    if (!list || !list->tableInterface()) return;
    QAccessibleTableModelChangeEvent reset(view, QAccessibleTableModelChangeEvent::ModelReset);
    list->tableInterface()->modelChange(&reset);
}

namespace {

// The detail view shares the list's selection and hears of every change to it, on screen or
// not. While an accessibility client listens, Qt 6.4's detail view answers each change with a
// new accessible cell that it never lets go, so typing names in a kept dialog piled them up.
// Hidden, the view needs no news of the selection: it is told only while it is on screen, and
// it reads the whole selection when it is painted. On screen, it still leaks so.
class DetailViewNews final : public QObject {
  public:
    explicit DetailViewNews(QAbstractItemView* detail) : QObject(detail), m_detail(detail) {
        detail->installEventFilter(this);
        Follow(!detail->isHidden());
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) Follow(true);
        if (event->type() == QEvent::Hide) Follow(false);
        return false;
    }

  private:
    void Follow(bool told) {
        QItemSelectionModel* selection = m_detail->selectionModel();
        if (!selection || told == m_told) return;
        m_told = told;
        if (told)
            connect(selection, SIGNAL(selectionChanged(QItemSelection, QItemSelection)), m_detail,
                    SLOT(selectionChanged(QItemSelection, QItemSelection)));
        else
            disconnect(selection, SIGNAL(selectionChanged(QItemSelection, QItemSelection)), m_detail,
                       SLOT(selectionChanged(QItemSelection, QItemSelection)));
    }

    QAbstractItemView* m_detail;
    bool m_told = true; // as the dialog sets it up
};

} // namespace

QFileDialog& FileDialogs::DialogFor(QWidget* parent, bool forSaving) {
    QPointer<QFileDialog>& dialog = m_dialogs[forSaving ? 1 : 0];
    if (dialog && dialog->parentWidget() != parent) delete dialog;
    if (!dialog) {
        dialog = new QFileDialog(parent);
        dialog->setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog->setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        // A list of names, not Qt's detail view, unless the player picks it: the files are few,
        // and the detail view leaks while a screen reader listens (see DetailViewNews).
        dialog->setViewMode(QFileDialog::List);
        if (auto* detail = dialog->findChild<QAbstractItemView*>("treeView")) new DetailViewNews(detail);
    }
    return *dialog;
}

QString FileDialogs::Ask(QWidget* parent, bool forSaving, const QString& caption, const QString& filter) {
    QFileDialog& dialog = DialogFor(parent, forSaving);
    dialog.setWindowTitle(caption);
    dialog.setNameFilters(filter.split(";;", Qt::SkipEmptyParts));
    // Each question starts with nothing chosen and no name, as a new dialog would: not with
    // the file chosen the time before.
    for (auto* view : dialog.findChildren<QAbstractItemView*>()) {
        if (view->selectionModel()) view->selectionModel()->clearSelection();
        ForgetAccessibleCells(view);
    }
    // setText, not clear(): clearing is a step that can be undone, and the name's undo steps
    // would pile up question after question, names of other folders among them.
    if (auto* name = dialog.findChild<QLineEdit*>("fileNameEdit")) name->setText(QString());
    dialog.setDirectory(StartFolder());
    const QRegularExpressionMatch suffix = QRegularExpression(R"(\*\.(\w+))").match(filter);
    dialog.setDefaultSuffix(suffix.hasMatch() ? suffix.captured(1) : QString());
    const int answer = dialog.exec();
    // A name typed and confirmed with Return leaves the name's completion list on screen, and
    // it would eat the next click in the main window: it goes with the dialog.
    for (QCompleter* completer : dialog.findChildren<QCompleter*>()) {
        if (completer->popup()) completer->popup()->hide();
    }
    if (answer != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    return path;
}
