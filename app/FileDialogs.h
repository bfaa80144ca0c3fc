#pragma once

#include <QString>

class QWidget;

// The game's file dialogs. They open in the folder last used in this run while it exists,
// else in the player's documents folder, else in the home folder: never in the working
// directory, which is the program's data folder and read-only once installed. A name typed
// without a suffix takes the filter's first one before the dialog asks about overwriting.
class FileDialogs {
  public:
    // The chosen path, or an empty text when the user cancels.
    QString Ask(QWidget* parent, bool forSaving, const QString& caption, const QString& filter);
    QString StartFolder() const;

  private:
    QString m_lastFolder;
};
