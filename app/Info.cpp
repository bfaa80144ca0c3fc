#include "app/Info.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "app/CentreOnScreen.h"
#include "app/ShownText.h"

TSystemInfo::TSystemInfo(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("SystemInformation", "System Information"));
    setFixedSize(367, 225);

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(10, 10, 346, 175);

    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setGeometry(16, 16, 313, 145);
    Memo1->setReadOnly(true);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setFocusPolicy(Qt::ClickFocus); // skipped by the Tab key
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    palette.setColor(QPalette::Text, QColor(0, 0, 255));
    Memo1->setPalette(palette);
    QFont font(QStringLiteral("System"));
    font.setStyleHint(QFont::System);
    font.setPixelSize(17);
    font.setBold(true);
    Memo1->setFont(font);

    OKButton = new QPushButton(QCoreApplication::translate("SystemInformation", "OK"), this);
    OKButton->setGeometry(137, 190, 92, 30);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    CentreOnScreen(this);
}

void TSystemInfo::FormCreate(const NetworkFacts& facts) {
    Memo1->appendPlainText(QCoreApplication::translate("SystemInformation", "Description: ") +
                           ShownText(facts.Description));
    Memo1->appendPlainText(QCoreApplication::translate("SystemInformation", "SystemStatus: ") +
                           ShownText(facts.SystemStatus));
    Memo1->appendPlainText(QString());
    Memo1->appendPlainText(QCoreApplication::translate("SystemInformation", "Local Host Name: ") +
                           facts.LocalHostName);
    if (facts.LocalHostAddress.isEmpty()) {
        Memo1->appendPlainText(
            QCoreApplication::translate("SystemInformation", "It will not work in Network mode"));
        Memo1->appendPlainText(
            QCoreApplication::translate("SystemInformation", "because you don't have an IP Address !"));
    } else {
        Memo1->appendPlainText(QCoreApplication::translate("SystemInformation", "Local Host Address: ") +
                               facts.LocalHostAddress);
    }
    // The report is read from its first line.
    Memo1->moveCursor(QTextCursor::Start);
}
