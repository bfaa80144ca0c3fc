#pragma once

#include <QPointer>
#include <QString>

class QFileDialog;
class QWidget;

// The game's file dialogs. They open in the folder last used in this run while it exists,
// else in the player's documents folder, else in the home folder: never in the working
// directory, which is the program's data folder and read-only once installed. A name typed
// without a suffix takes the filter's first one before the dialog asks about overwriting.
//
// One dialog serves every Open and Save of a window, set afresh each time: a file dialog made
// and destroyed for each question leaves memory behind in Qt while an accessibility client
// reads it (its list cells stay in the accessibility cache), a hundred kilobytes a game.
class FileDialogs {
  public:
    ~FileDialogs();
    // The chosen path, or an empty text when the user cancels.
    QString Ask(QWidget* parent, bool forSaving, const QString& caption, const QString& filter);
    QString StartFolder() const;

  private:
    QFileDialog& DialogFor(QWidget* parent);

    QString m_lastFolder;
    // Owned by its parent window when it has one, else by this object.
    QPointer<QFileDialog> m_dialog;
};
