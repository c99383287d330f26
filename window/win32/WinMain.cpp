// The program's entry: the application object exists before WinMain runs;
// WinMain gives its platform the files named on the command line and starts
// it. The program ends when the main dialog closes.
#include <windows.h>

#include "CommandLineFiles.h"
#include "Win32AppPlatform.h"
#include "window/QuorvaneApp.h"

using quorvane::window::CQuorvaneApp;
using quorvane::window::win32::CommandLineFiles;
using quorvane::window::win32::Win32AppPlatform;

namespace {
Win32AppPlatform g_platform;
}

CQuorvaneApp theApp(g_platform);

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    g_platform.SetStartFiles(CommandLineFiles(commandLine != nullptr ? commandLine : ""));
    theApp.InitInstance();
    return 0;
}
