#include "app/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

QString FileDialogs::StartFolder() const {
    if (!m_lastFolder.isEmpty() && QFileInfo(m_lastFolder).isDir()) return m_lastFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

QString FileDialogs::Ask(QWidget* parent, bool forSaving, const QString& caption, const QString& filter) {
    QFileDialog dialog(parent, caption, StartFolder(), filter);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QRegularExpressionMatch suffix = QRegularExpression(R"(\*\.(\w+))").match(filter);
    if (suffix.hasMatch()) dialog.setDefaultSuffix(suffix.captured(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    return path;
}
