#pragma once

#include <QDialog>
#include <QStringList>
#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "app/Platform.h"
#include "app/WindowWait.h"

// The platform of tests: records every sound and box, waits only when RealWaits is set (then
// exactly as the program does, serving the window system and holding everything else), and
// answers the input dialog from a queue. OnMessage runs while a box would be open, so a test
// can act there as a user or a network event could. OnDialog plays the user of a modal
// dialog: it works the dialog's controls and returns the result; without it every dialog is
// cancelled.
class RecordingPlatform final : public Platform {
  public:
    struct Message {
        QString Caption;
        QString Text;
    };

    QStringList Sounds;
    std::vector<Message> Messages;
    int WaitCalls = 0;
    int WaitedMilliseconds = 0;
    bool RealWaits = false;
    // Answers of InputQuery in order; nullopt is Cancel. An empty queue answers Cancel.
    std::deque<std::optional<QString>> InputAnswers;
    std::function<void(const Message&)> OnMessage;
    // Boxes open at this moment, and the most that were ever open at once.
    int OpenMessages = 0;
    int MostOpenMessages = 0;
    std::function<int(QDialog&)> OnDialog;
    int DialogsShown = 0;
    // Answers of AskFileName in order; an empty queue answers Cancel (an empty path).
    std::deque<QString> FileAnswers;

    // Every SetSoundOn, in order: whether the audio stream was to be held.
    std::vector<bool> SoundSwitches;

    void PlaySound(const QString& fileName) override { Sounds.append(fileName); }
    void SetSoundOn(bool on) override { SoundSwitches.push_back(on); }
    void Wait(int milliseconds) override {
        ++WaitCalls;
        WaitedMilliseconds += milliseconds;
        if (RealWaits) WaitPainting(milliseconds);
    }
    void ShowMessage(const QString& caption, const QString& text) override {
        Messages.push_back({caption, text});
        // A copy: boxes opened meanwhile may move the recorded ones.
        const Message shown = Messages.back();
        MostOpenMessages = std::max(MostOpenMessages, ++OpenMessages);
        if (OnMessage) OnMessage(shown);
        --OpenMessages;
    }
    bool InputQuery(const QString&, const QString&, QString& text) override {
        if (InputAnswers.empty()) return false;
        const std::optional<QString> answer = InputAnswers.front();
        InputAnswers.pop_front();
        if (!answer) return false;
        text = *answer;
        return true;
    }
    int ExecDialog(QDialog& dialog) override {
        ++DialogsShown;
        return OnDialog ? OnDialog(dialog) : int(QDialog::Rejected);
    }
    QString AskFileName(bool, const QString&, const QString&) override {
        if (FileAnswers.empty()) return {};
        QString answer = FileAnswers.front();
        FileAnswers.pop_front();
        return answer;
    }
};
