#include <QApplication>

#include "Main.h"
#include "QtPlatform.h"
#include "settings/Profile.h"

int main(int argc, char* argv[]) {
    // The settings object exists before any window; it is freed when the program ends.
    TProfile Profile;
    Profile.InitProc();
    QApplication app(argc, argv);
    QtPlatform platform;
    TForm1 form(platform);
    form.show();
    // The settings are loaded once every window exists, since they go into their controls.
    // A settings file the program cannot read ends it after the message, untouched.
    if (!form.CreateEnv(Profile)) return 1;
    return app.exec();
}
