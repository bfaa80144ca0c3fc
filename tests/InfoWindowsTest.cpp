#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "app/Info.h"
#include "app/Main.h"
#include "app/Splash.h"
#include "app/WindowWait.h"
#include "app/about.h"
#include "tests/RecordingPlatform.h"

namespace {

// Runs a test in a working directory of its own, with or without the program's picture.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(bool withPicture) : m_previous(QDir::currentPath()) {
        if (withPicture)
            QFile::copy(QStringLiteral(TESSARON_ASSETS_DIR "/splashs.bmp"),
                        m_directory.filePath("splashs.bmp"));
        QDir::setCurrent(m_directory.path());
    }
    ~WorkingDirectory() { QDir::setCurrent(m_previous); }

  private:
    QTemporaryDir m_directory;
    QString m_previous;
};

// Records where the About lines stand at every step of their slide.
class SlidePlatform final : public Platform {
  public:
    TAboutBox* box = nullptr;
    std::vector<std::pair<int, int>> positions; // (contact line top, web line top) per wait
    std::vector<int> waits;

    void PlaySound(const QString&) override {}
    void Wait(int milliseconds) override {
        waits.push_back(milliseconds);
        if (box) positions.emplace_back(box->Label1->y(), box->Label2->y());
    }
    void ShowMessage(const QString&, const QString&) override {}
    bool InputQuery(const QString&, const QString&, QString&) override { return false; }
    int ExecDialog(QDialog&) override { return QDialog::Accepted; }
    QString AskFileName(bool, const QString&, const QString&) override { return {}; }
};

QStringList Lines(const TSystemInfo& info) {
    return info.Memo1->toPlainText().split('\n');
}

} // namespace

TEST(SystemInformation, ReportsTheFacilitiesAndTheAddress) {
    TSystemInfo info;
    info.FormCreate({"Linux sockets", "Running", "gamebox", "192.168.1.20"});
    EXPECT_EQ(info.windowTitle(), "System Information");
    EXPECT_EQ(Lines(info), (QStringList{"Description: Linux sockets", "SystemStatus: Running", "",
                                        "Local Host Name: gamebox", "Local Host Address: 192.168.1.20"}));
    EXPECT_TRUE(info.Memo1->isReadOnly());
}

TEST(SystemInformation, WarnsWhenTheMachineHasNoAddress) {
    TSystemInfo info;
    info.FormCreate({"Linux sockets", "Running", "island", ""});
    EXPECT_EQ(Lines(info), (QStringList{"Description: Linux sockets", "SystemStatus: Running", "",
                                        "Local Host Name: island", "It will not work in Network mode",
                                        "because you don't have an IP Address !"}));
}

TEST(AboutBox, LinesSlideIntoPlaceEveryTimeItOpens) {
    WorkingDirectory directory(true);
    SlidePlatform platform;
    TAboutBox box(platform);
    platform.box = &box;
    EXPECT_EQ(box.windowTitle(), " ");
    EXPECT_TRUE(box.OKButton->isDefault());
    for (int opening = 1; opening <= 2; ++opening) {
        platform.positions.clear();
        platform.waits.clear();
        box.FormActivate();
        ASSERT_EQ(platform.positions.size(), 36u) << "opening " << opening;
        EXPECT_EQ(platform.positions.front(), std::make_pair(215, -26)) << "opening " << opening;
        EXPECT_EQ(platform.positions.back(), std::make_pair(180, 9)) << "opening " << opening;
        EXPECT_EQ(platform.waits, std::vector<int>(36, 18));
        EXPECT_EQ(box.Label1->y(), 180);
        EXPECT_EQ(box.Label2->y(), 9);
    }
}

TEST(Pictures, AMissingPictureIsReportedOncePerWindowAndStartUpGoesOn) {
    WorkingDirectory directory(false);
    RecordingPlatform platform;
    TSplashForm splash(platform);
    TAboutBox about(platform);
    ASSERT_EQ(platform.Messages.size(), 2u);
    for (const RecordingPlatform::Message& message : platform.Messages)
        EXPECT_EQ(message.Text, "Cannot open file splashs.bmp");
    EXPECT_TRUE(splash.Image1->pixmap().isNull());
    EXPECT_TRUE(about.ProgramIcon->pixmap().isNull());
}

TEST(Pictures, ThePictureFillsTheSplash) {
    WorkingDirectory directory(true);
    RecordingPlatform platform;
    TSplashForm splash(platform);
    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_EQ(splash.Image1->pixmap().size(), QSize(398, 263));
    EXPECT_EQ(splash.size(), QSize(398, 263));
    splash.FormActivate();
    EXPECT_EQ(platform.WaitedMilliseconds, 1000);
}

TEST(HelpMenu, OpensTheAboutBoxAfterItsJingleAndSystemInformation) {
    WorkingDirectory directory(true);
    RecordingPlatform platform;
    TForm1 form(platform);
    TAboutBox about(platform, &form);
    TSystemInfo info(&form);
    form.AboutBox = &about;
    form.SystemInfo = &info;
    form.SoundOn = true;
    std::vector<QDialog*> shown;
    QStringList soundsWhenShown;
    platform.OnDialog = [&](QDialog& dialog) {
        shown.push_back(&dialog);
        soundsWhenShown = platform.Sounds;
        return int(QDialog::Accepted);
    };
    form.AboutTessaron1Click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], &about);
    EXPECT_EQ(soundsWhenShown, QStringList{"crtv.wav"}) << "the jingle starts before the box opens";
    form.Networkinfod1Click();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], &info);
}

TEST(AboutBox, TheLinesComeToRestClearOfThePicturesTitleAndBoard) {
    WorkingDirectory directory(true);
    SlidePlatform platform;
    TAboutBox box(platform);
    box.FormActivate();
    const QImage picture = box.ProgramIcon->pixmap().toImage();
    ASSERT_FALSE(picture.isNull());
    // The label draws the picture centred; this is where its top-left corner is.
    const QPoint origin = box.ProgramIcon->pos() + QPoint((box.ProgramIcon->width() - picture.width()) / 2,
                                                          (box.ProgramIcon->height() - picture.height()) / 2);
    for (const QLabel* line : {box.Label1, box.Label2}) {
        const QRect under = line->geometry().translated(-origin).intersected(picture.rect());
        int marked = 0;
        for (int y = under.top(); y <= under.bottom(); ++y)
            for (int x = under.left(); x <= under.right(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                const bool boardBlue = c.blue() > 200 && c.red() < 80 && c.green() < 80;
                const bool pieceOrTitle = c.red() > 180 && c.green() > 180; // white or yellow
                if (boardBlue || pieceOrTitle) ++marked;
            }
        EXPECT_EQ(marked, 0) << line->text().toStdString() << " rests over " << marked
                             << " pixels of the board, the pieces or the title";
    }
}

TEST(WindowWait, PaintsWhileTheGameWaitsButRunsNoTimer) {
    // A window that counts its paints.
    class Counting final : public QWidget {
      public:
        int Paints = 0;

      protected:
        void paintEvent(QPaintEvent*) override { ++Paints; }
    } window;
    window.resize(100, 100);
    window.show();
    ASSERT_TRUE(WaitUntilExposed(&window, 5000));
    window.Paints = 0;
    bool timerRan = false;
    QTimer::singleShot(1, [&] { timerRan = true; });
    window.update();
    QElapsedTimer clock;
    clock.start();
    WaitPainting(60);
    EXPECT_GE(clock.elapsed(), 60);
    EXPECT_GT(window.Paints, 0) << "the window was not painted during the wait";
    EXPECT_FALSE(timerRan) << "a timer ran in the middle of the wait";
    QTest::qWait(20);
    EXPECT_TRUE(timerRan) << "the timer was lost";
}

TEST(WindowWait, ASocketThatBecomesReadyWaitsItsTurn) {
    // A socket becomes readable before and during a wait; its handler runs only afterwards,
    // once for what is waiting, and a wait nested in that handler holds it again.
    int ends[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    QSocketNotifier notifier(ends[0], QSocketNotifier::Read);
    int handled = 0;
    bool waitedInside = false;
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        ++handled;
        char byte;
        EXPECT_EQ(read(ends[0], &byte, 1), 1);
        if (!waitedInside) {
            waitedInside = true;
            ASSERT_EQ(write(ends[1], "b", 1), 1);
            WaitPainting(30);
            EXPECT_EQ(handled, 1) << "the handler ran again inside its own wait";
        }
    });
    ASSERT_EQ(write(ends[1], "a", 1), 1);
    WaitPainting(60);
    EXPECT_EQ(handled, 0) << "the socket's handler ran in the middle of the wait";
    EXPECT_TRUE(notifier.isEnabled());
    // Afterwards, within the event loop's next passes (a loaded machine may take a while).
    EXPECT_TRUE(QTest::qWaitFor([&] { return handled == 2; }, 5000))
        << "a notification held by a wait was lost";
    EXPECT_EQ(handled, 2);
    EXPECT_TRUE(notifier.isEnabled());
    close(ends[0]);
    close(ends[1]);
}
