#pragma once

#include <QWidget>

class Platform;
class QLabel;

// The borderless picture shown on top of everything while the program starts.
class TSplashForm final : public QWidget {
    Q_OBJECT
  public:
    explicit TSplashForm(Platform& platform, QWidget* parent = nullptr);

    // Called once the splash is on screen: paints it at once, then holds the program for
    // a second so the picture is seen before the main window appears.
    void FormActivate();

    QLabel* Image1;

  private:
    void FormCreate();

    Platform& m_platform;
};
