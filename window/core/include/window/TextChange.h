// The smallest edit that turns the text an edit control shows into the text
// it is to show: the beginning and the end that both have in common stay,
// only the part between them is replaced. The control then keeps its undo,
// its layout and its scroll position for everything that did not change.
#pragma once

#include <cstddef>
#include <string_view>

#include "batch/LeadByte.h"

namespace quorvane::window {

struct TextChange {
    std::size_t start = 0;      // where the replaced part begins, in both texts
    std::size_t removed = 0;    // its length in the old text
    std::string_view inserted;  // what replaces it: the part of the new text from `start`

    bool Empty() const { return removed == 0 && inserted.empty(); }
    // Whether the change brings new lines and keeps less of the old text
    // than it brings, such as the first text of a box or a file's text in
    // place of another: a control takes it as a new whole text, which its
    // undo does not take back, and not as an edit, with which a following one
    // could merge. The keypad's edits never bring a line break.
    bool NewText(std::size_t oldSize) const {
        return oldSize - removed < inserted.size() &&
               inserted.find("\r\n") != std::string_view::npos;
    }
};

// The change from `oldText` to `newText`. Its two ends never fall inside a
// character or between the CR and the LF of a line break, in either text:
// with a lead-byte test the texts are in a double-byte code page, without
// one they are UTF-8.
TextChange SmallestChange(std::string_view oldText, std::string_view newText,
                          batch::LeadBytePredicate isLeadByte);

}  // namespace quorvane::window
