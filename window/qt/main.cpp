// quorvane: the calculator's window on Linux. The program reads no command
// line; Qt gets only the program's name.
#include <QApplication>

#include "IconResource.h"
#include "QtAppPlatform.h"
#include "resource.h"
#include "window/QuorvaneApp.h"

using quorvane::window::CQuorvaneApp;
using quorvane::window::qt::IconResource;
using quorvane::window::qt::QtAppPlatform;

int main(int argc, char* argv[]) {
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    QApplication::setWindowIcon(IconResource(IDR_MAINFRAME));
    QtAppPlatform platform;
    CQuorvaneApp theApp(platform);
    theApp.InitInstance();
    return 0;
}
