#include "QtPlatform.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMediaDevices>
#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>

#include "WindowWait.h"

QtPlatform::QtPlatform() : m_hasAudioOutput(!QMediaDevices::defaultAudioOutput().isNull()) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::PlaySound(const QString& fileName) {
    // No output device or no file: the game goes on in silence, without a message.
    if (!m_hasAudioOutput) return;
    const QFileInfo file(fileName);
    if (!file.isFile()) return;
    std::unique_ptr<QSoundEffect>& effect = m_effects[fileName];
    if (!effect) {
        // Created once and kept: loading a file for every placement would lag and stutter.
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    }
    // A sound still playing starts again from the beginning, as a new request replaces it.
    effect->stop();
    effect->play();
}

void QtPlatform::Wait(int milliseconds) {
    // The game stands still, the windows stay painted.
    WaitPainting(milliseconds);
}

void QtPlatform::ShowMessage(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    // Texts may come from the network peer or the settings file: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtPlatform::InputQuery(const QString& caption, const QString& prompt, QString& text) {
    bool ok = false;
    const QString entry =
        QInputDialog::getText(QApplication::activeWindow(), caption, prompt, QLineEdit::Normal, text, &ok);
    if (ok) text = entry;
    return ok;
}

int QtPlatform::ExecDialog(QDialog& dialog) {
    return dialog.exec();
}

QString QtPlatform::AskFileName(bool forSaving, const QString& caption, const QString& filter) {
    QWidget* parent = QApplication::activeWindow();
    return forSaving ? QFileDialog::getSaveFileName(parent, caption, QString(), filter)
                     : QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}
