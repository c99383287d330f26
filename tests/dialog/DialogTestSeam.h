// What the dialog tests reach beyond the window: the keypad's scratch text,
// which no control shows, and the input file reader on arguments that the
// evaluation never passes it (no path; a text that is not empty).
#pragma once

#include <string>

#include "window/QuorvaneDlg.h"

namespace quorvane::window {

class DialogTestSeam {
  public:
    static const std::string& KeyText(const CQuorvaneDlg& dialog) { return dialog.m_strKeyText; }
    static bool ReadInputFile(CQuorvaneDlg& dialog, const std::string& path, std::string& text) {
        return dialog.ReadInputFile(path, text);
    }
};

}  // namespace quorvane::window
