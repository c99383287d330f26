// The fixture of the dialog tests: the main dialog on a scripted window. The
// tests see the dialog as its user does, through the window: every handler
// ends by copying the members into the controls and the next one starts by
// copying them back, so the controls show the dialog's state.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "ScriptedWindow.h"
#include "resource.h"
#include "window/QuorvaneDlg.h"

inline constexpr std::string_view kSampleText =
    "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\r\n\r\n1+1\r\n\r\n5*5+1.6";
inline constexpr std::string_view kSampleResults = "168.00   \r\n2.00   \r\n26.60   \r\n";

// Names a parameterised case by the `name` of its parameter.
struct CaseName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& testCase) const {
        return testCase.param.name;
    }
};

// Prints the parameter of a case by its `name`, so that test listings and
// failure reports show the case, not the bytes of the parameter. The cases
// of a test file live in its unnamed namespace; `using ::PrintTo;` there
// makes this their printer.
template <typename Case>
requires requires(const Case& testCase) { std::string_view(testCase.name); }
void PrintTo(const Case& testCase, std::ostream* out) { *out << testCase.name; }

class DialogTest : public ::testing::Test {
  protected:
    // Opens the window; the dialog initialises itself.
    void Open() { window.Open(dialog); }

    // Opens the window and ticks the file options asked for.
    void OpenWith(bool inputFrom, bool outputTo) {
        Open();
        if (inputFrom) window.Click(IDC_INPUT_FROM);
        if (outputTo) window.Click(IDC_OUTPUT_TO);
    }

    std::string Text(int id) const { return window.ControlText(id); }

    quorvane::window::scripted::ScriptedWindow window;
    quorvane::window::CQuorvaneDlg dialog{window};
};
