#pragma once

#include <QString>

class QDialog;

// The platform services that the game's windows use and that tests must control: sounds,
// the blocking wait of animations, modal message boxes, the one-line input dialog and the
// modal showing of the program's own dialogs.
// The program uses QtPlatform; tests use RecordingPlatform (tests/RecordingPlatform.h).
class Platform {
  public:
    virtual ~Platform() = default;

    // Starts a WAV file of the working directory, named without a directory, and returns
    // at once; the sound replaces one still playing. A missing file or a machine without
    // audio output stays silent.
    virtual void PlaySound(const QString& fileName) = 0;
    // Whether sounds may be played from now on: the audio stream is held only while they
    // may, so that the sound server can suspend the device meanwhile.
    virtual void SetSoundOn(bool) {}

    // Blocks the window thread for the given time; events wait until afterwards.
    virtual void Wait(int milliseconds) = 0;

    // A modal message box with a single OK button; returns when it is closed.
    virtual void ShowMessage(const QString& caption, const QString& text) = 0;

    // A modal one-line input dialog with OK and Cancel. On OK, `text` holds the entry and
    // the result is true; on Cancel `text` is unchanged and the result is false.
    virtual bool InputQuery(const QString& caption, const QString& prompt, QString& text) = 0;

    // Shows one of the program's dialogs modally and returns its result (QDialog::Accepted
    // or QDialog::Rejected) when it closes. The dialog keeps its controls' state afterwards.
    virtual int ExecDialog(QDialog& dialog) = 0;

    // A modal file dialog choosing a file to write (forSaving) or to read; returns the path,
    // or an empty text when the user cancels.
    virtual QString AskFileName(bool forSaving, const QString& caption, const QString& filter) = 0;
};
