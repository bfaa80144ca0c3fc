#pragma once

#include <QDialog>
#include <QString>

class QFrame;
class QPlainTextEdit;
class QPushButton;

// What the System Information dialog reports about the machine's network facilities,
// as the client socket component sees them when the program starts.
struct NetworkFacts {
    QString Description;
    QString SystemStatus;
    QString LocalHostName;
    QString LocalHostAddress; // empty when the host name has no address
};

// The System Information dialog: a read-only text filled once at start-up.
class TSystemInfo final : public QDialog {
    Q_OBJECT
  public:
    explicit TSystemInfo(QWidget* parent = nullptr);

    // Appends the report lines; the text keeps the state of this moment.
    void FormCreate(const NetworkFacts& facts);

    QFrame* Panel1;
    QPlainTextEdit* Memo1;
    QPushButton* OKButton;
};
