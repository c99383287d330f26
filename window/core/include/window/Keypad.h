// What a keypad button does, chosen by its caption: digits, operators and
// parentheses go in at the caret, function buttons put in a template with the
// caret inside it, and three buttons edit or evaluate instead.
#pragma once

#include <cstddef>
#include <string_view>

#include "batch/LeadByte.h"

namespace quorvane::window {

enum class KeypadKind {
    Backspace,      // delete the character before the caret
    Clear,          // empty the expression and the result
    Evaluate,       // run the evaluation, text unchanged
    InsertKeyText,  // set the keypad's key text to `text` and insert it
    Insert,         // insert `text`
};

struct KeypadAction {
    KeypadKind kind;
    std::string_view text;     // what goes in at the caret
    std::size_t caretAdvance;  // how far the caret moves on after inserting
};

// The action of a button with this caption. A caption that names no special
// key is itself inserted, and the caret moves on by one whatever its length
// (so "1/x" leaves the caret after the "1"). The result may refer to
// `caption`.
KeypadAction KeypadActionFor(std::string_view caption);

// Where the character that ends at `caret` begins, so that "Backspace" never
// leaves half a character behind: with a lead-byte test the text is in a
// double-byte code page, without one it is UTF-8. A CR LF pair is two
// characters.
std::size_t PreviousCharacterStart(std::string_view text, std::size_t caret,
                                   batch::LeadBytePredicate isLeadByte);

}  // namespace quorvane::window
