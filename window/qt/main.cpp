// quorvane: the calculator's window on Linux. A file named on the command
// line is handed to the dialog once it is open; --help and --version print
// and end. Qt gets only the program's name.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "IconResource.h"
#include "ProgramArguments.h"
#include "QtAppPlatform.h"
#include "quorvane/Version.h"
#include "resource.h"
#include "window/QuorvaneApp.h"

using quorvane::window::CQuorvaneApp;
using quorvane::window::qt::IconResource;
using quorvane::window::qt::kUsage;
using quorvane::window::qt::ParseProgramArguments;
using quorvane::window::qt::ProgramArguments;
using quorvane::window::qt::QtAppPlatform;

namespace {

constexpr int kUsageError = 2;

// Prints the text on standard output; 0, or 1 when it could not be written.
int Print(const char* text) {
    const bool written = std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0;
    if (!written) std::fputs("quorvane: write error\n", stderr);
    return written ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string error;
    const std::optional<ProgramArguments> arguments =
        ParseProgramArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!arguments) {
        std::fprintf(stderr, "quorvane: %s\nTry 'quorvane --help'.\n", error.c_str());
        return kUsageError;
    }
    if (arguments->help) return Print(kUsage);
    if (arguments->version) return Print("quorvane " QUORVANE_VERSION "\n");

    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    QApplication::setWindowIcon(IconResource(IDR_MAINFRAME));
    QtAppPlatform platform(arguments->files);
    CQuorvaneApp theApp(platform);
    theApp.InitInstance();
    return 0;
}
