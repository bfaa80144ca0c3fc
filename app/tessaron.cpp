#include <QApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/Info.h"
#include "app/Main.h"
#include "app/QtPlatform.h"
#include "app/Splash.h"
#include "app/Translation.h"
#include "app/Version.h"
#include "app/WindowWait.h"
#include "app/about.h"
#include "app/settings/Profile.h"
#include "net/NetworkGame.h"

int main(int argc, char* argv[]) {
    // The one command-line option: answered before any window or settings are touched, so it
    // also works without a display.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Tessaron %s\n", TessaronVersion);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }

    // The settings object exists before any window; it is freed when the program ends.
    TProfile Profile;
    QApplication app(argc, argv);
    // Before the first window: every text is looked up when its window is built.
    InstallTranslations(app);
    QtPlatform platform;

    // The splash is on screen, and held for a moment, while the main window is built. Under
    // a window manager it is mapped some time after show(): the second starts once it is.
    auto* SplashForm = new TSplashForm(platform);
    SplashForm->show();
    WaitUntilExposed(SplashForm, 2000);
    SplashForm->FormActivate();
    SplashForm->repaint();

    TForm1 form(platform);
    form.show();
    platform.Wait(200);
    SplashForm->hide();
    delete SplashForm;
    form.repaint();

    TAboutBox AboutBox(platform, &form);
    TSystemInfo SystemInfo(&form);
    TTCPClient& client = form.network().TCPClient1;
    SystemInfo.FormCreate(
        {client.Description, client.SystemStatus, client.LocalHostName(), client.LocalHostAddress()});
    form.AboutBox = &AboutBox;
    form.SystemInfo = &SystemInfo;

    // The settings are loaded once every window exists, since they go into their controls.
    // A settings file the program cannot read ends it after the message, untouched.
    if (!form.CreateEnv(Profile)) return 1;
    return app.exec();
}
