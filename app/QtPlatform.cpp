#include "app/QtPlatform.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMediaDevices>
#include <QMessageBox>
#include <QThread>

#include "app/BoxTitles.h"
#include "app/SoundOutput.h"
#include "app/WindowWait.h"
#include "app/sound/WavFile.h"

namespace {

// A larger file is not one of the game's short sounds (a few seconds at most take less than
// half a megabyte); it is not read, which also bounds the memory a strange file can take.
constexpr qint64 MaxSoundFileBytes = 4 << 20;

// The file's samples in the output's format, or nothing when it is missing or unreadable.
SoundQueue::Samples ReadSound(const QString& fileName) {
    // Only a regular file: opening a named pipe would block until something writes to it.
    const QFileInfo info(fileName);
    if (!info.isFile() || info.size() > MaxSoundFileBytes) return nullptr;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    const QByteArray bytes = file.read(MaxSoundFileBytes);
    const auto wav =
        ParseWav({reinterpret_cast<const uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
    if (!wav) return nullptr;
    auto samples = std::make_shared<const std::vector<int16_t>>(ToMono16(*wav, SoundOutput::SampleRate));
    return samples->empty() ? nullptr : samples;
}

} // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() = default;

void QtPlatform::PlaySound(const QString& fileName) {
    // No output device or no readable file: the game goes on in silence, without a message.
    if (!m_sound) return;
    SoundQueue::Samples& samples = m_samples[fileName];
    // Read once and kept: reading a file for every placement would delay the sound.
    if (!samples) samples = ReadSound(fileName);
    if (samples) m_sound->Play(samples);
}

void QtPlatform::SetSoundOn(bool on) {
    if (!on) {
        m_sound.reset();
        return;
    }
    if (m_sound) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!device.isNull()) m_sound = std::make_unique<SoundOutput>(device);
}

void QtPlatform::Wait(int milliseconds) {
    // The game stands still, the windows stay painted.
    WaitPainting(milliseconds);
}

void QtPlatform::ShowMessage(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, SeenTitle(caption), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // Texts may come from the network peer or the settings file: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    WidenForTitle(box);
    box.exec();
}

bool QtPlatform::InputQuery(const QString& caption, const QString& prompt, QString& text) {
    bool ok = false;
    const QString entry = QInputDialog::getText(QApplication::activeWindow(), SeenTitle(caption), prompt,
                                                QLineEdit::Normal, text, &ok);
    if (ok) text = entry;
    return ok;
}

int QtPlatform::ExecDialog(QDialog& dialog) {
    return dialog.exec();
}

QString QtPlatform::AskFileName(bool forSaving, const QString& caption, const QString& filter) {
    return m_fileDialogs.Ask(QApplication::activeWindow(), forSaving, caption, filter);
}
