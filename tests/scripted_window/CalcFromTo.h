// "&Calc" of the main dialog on a scripted window, with both file options on:
// the input file is read and the output file written.
#pragma once

#include <string>

#include "ScriptedWindow.h"
#include "resource.h"
#include "window/QuorvaneDlg.h"

namespace quorvane::window::scripted {

inline void CalcFromTo(ScriptedWindow& window, const std::string& input,
                       const std::string& output) {
    CQuorvaneDlg dialog(window);
    window.Open(dialog);
    window.Click(IDC_INPUT_FROM);
    window.Click(IDC_OUTPUT_TO);
    window.Type(IDC_INPUT_FILE, input);
    window.Type(IDC_OUTPUT_FILE, output);
    window.Click(IDOK);
}

}  // namespace quorvane::window::scripted
