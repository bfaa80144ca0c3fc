#include <QApplication>

#include "Main.h"
#include "QtPlatform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtPlatform platform;
    TForm1 form(platform);
    form.show();
    return app.exec();
}
