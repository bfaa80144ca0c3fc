#pragma once

#include <map>
#include <memory>

#include "Platform.h"

class QSoundEffect;

// The platform services of the running program, on Qt. Sounds are plain PCM WAV files
// played by one long-lived sound effect per file on the default audio output.
class QtPlatform final : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    void PlaySound(const QString& fileName) override;
    void Wait(int milliseconds) override;
    void ShowMessage(const QString& caption, const QString& text) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& text) override;
    int ExecDialog(QDialog& dialog) override;
    QString AskFileName(bool forSaving, const QString& caption, const QString& filter) override;

  private:
    bool m_hasAudioOutput;
    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
};
