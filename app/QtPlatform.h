#pragma once

#include <map>
#include <memory>

#include "app/FileDialogs.h"
#include "app/Platform.h"
#include "app/sound/SoundQueue.h"

class SoundOutput;

// The platform services of the running program, on Qt. Sounds are PCM WAV files, read
// once each and played on one audio stream of the default audio output, open while Sound is on.
class QtPlatform final : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    void PlaySound(const QString& fileName) override;
    void SetSoundOn(bool on) override;
    void Wait(int milliseconds) override;
    void ShowMessage(const QString& caption, const QString& text) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& text) override;
    int ExecDialog(QDialog& dialog) override;
    QString AskFileName(bool forSaving, const QString& caption, const QString& filter) override;

  private:
    std::unique_ptr<SoundOutput> m_sound;
    std::map<QString, SoundQueue::Samples> m_samples;
    FileDialogs m_fileDialogs;
};
