#pragma once

#include <QPointer>
#include <QString>

class QAbstractItemView;
class QFileDialog;
class QWidget;

// The game's file dialogs. They open in the folder last used in this run while it exists,
// else in the player's documents folder, else in the home folder: never in the working
// directory, which is the program's data folder and read-only once installed. A name typed
// without a suffix takes the filter's first one before the dialog asks about overwriting.
//
// One dialog serves every Open of a window and one every Save, set afresh each time: a file
// dialog made and destroyed for each question leaves memory behind in Qt while an
// accessibility client reads it (its list cells stay in the accessibility cache), and one
// dialog turned from Open to Save and back makes its buttons and their icons anew each time.
class FileDialogs {
  public:
    ~FileDialogs();
    // The chosen path, or an empty text when the user cancels.
    QString Ask(QWidget* parent, bool forSaving, const QString& caption, const QString& filter);
    QString StartFolder() const;

  private:
    QFileDialog& DialogFor(QWidget* parent, bool forSaving);
    static void ForgetAccessibleCells(QAbstractItemView* view);

    QString m_lastFolder;
    // Open's and Save's; owned by their parent window when they have one, else by this object.
    QPointer<QFileDialog> m_dialogs[2];
};
