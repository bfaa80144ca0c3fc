#pragma once

#include <QDialog>

class Platform;
class QFrame;
class QLabel;
class QPushButton;

// The About box: the program's picture with its contact and web address lines, which
// slide into place every time the box opens.
class TAboutBox final : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(Platform& platform, QWidget* parent = nullptr);

    // Slides the two lines into place (36 steps of 18 ms); the box does not react meanwhile.
    void FormActivate();

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* Label1; // the contact line, sliding up from 215 to 180
    QLabel* Label2; // the web address line, sliding down from -26 to 9
    QPushButton* OKButton;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();

    Platform& m_platform;
};
