// The groups of end-to-end cases; the driver runs one group per call.
#pragma once

#include <string>

#include "Check.h"
#include "QuorvaneProcess.h"
#include "TestFolder.h"

struct TestContext {
    Checker& check;
    std::string program;  // path of Quorvane.exe
    TestFolder& folder;
};

// Opens the case "GROUP: the program starts" and checks that its main dialog came.
inline bool CheckStarted(Checker& check, const QuorvaneProcess& program, const char* group) {
    check.Case(std::string(group) + ": the program starts");
    return check.True("main dialog shown", program.Started());
}

void RunResourceTests(TestContext& context);
void RunStartupTests(TestContext& context);
void RunCalcTests(TestContext& context);
void RunKeypadTests(TestContext& context);
void RunFileTests(TestContext& context);
void RunMessageTests(TestContext& context);
void RunFrameTests(TestContext& context);
void RunJourneyTests(TestContext& context);
void RunOpenTests(TestContext& context);
void RunScreenshotTests(TestContext& context);
