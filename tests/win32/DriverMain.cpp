// The end-to-end driver of the Windows program: runs one group of cases
// against Quorvane.exe and exits with 1 if any check failed.
//   quorvane_win32_tests GROUP [PATH-OF-Quorvane.exe]
// Without a path, the program beside the driver is used.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "TestGroups.h"

namespace {

struct Group {
    const char* name;
    void (*run)(TestContext&);
};

constexpr Group kGroups[] = {
    {"resources", RunResourceTests}, {"startup", RunStartupTests},
    {"calc", RunCalcTests},          {"keypad", RunKeypadTests},
    {"files", RunFileTests},         {"messages", RunMessageTests},
    {"frame", RunFrameTests},        {"journeys", RunJourneyTests},
    {"open", RunOpenTests},          {"screenshot", RunScreenshotTests},
};

std::string ProgramBesideDriver() {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + "Quorvane.exe";
}

int Usage() {
    std::fputs("usage: quorvane_win32_tests GROUP [PATH-OF-Quorvane.exe]\ngroups:", stderr);
    for (const Group& group : kGroups) std::fprintf(stderr, " %s", group.name);
    std::fputs("\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) return Usage();
    for (const Group& group : kGroups) {
        if (std::strcmp(argv[1], group.name) != 0) continue;
        Checker check;
        TestFolder folder;
        TestContext context{check, argc == 3 ? argv[2] : ProgramBesideDriver(), folder};
        group.run(context);
        check.Finish();
        return check.Failures() == 0 ? 0 : 1;
    }
    return Usage();
}
