#include "Keypad.h"

namespace {

struct CaptionAction {
    std::string_view caption;
    KeypadAction action;
};

// Looked up in this order; the first equal caption wins. A function template
// puts the caret right after its opening parenthesis.
constexpr CaptionAction kCaptionActions[] = {
    {"Backspace", {KeypadKind::Backspace, "", 0}}, {"C", {KeypadKind::Clear, "", 0}},
    {"=", {KeypadKind::Evaluate, "", 0}},          {"sqrt", {KeypadKind::Insert, "sqrt()", 5}},
    {"+/-", {KeypadKind::InsertKeyText, "-", 1}},  {"abs", {KeypadKind::Insert, "abs()", 4}},
    {"acos", {KeypadKind::Insert, "acos()", 5}},   {"asin", {KeypadKind::Insert, "asin()", 5}},
    {"atan", {KeypadKind::Insert, "atan()", 5}},   {"atan2", {KeypadKind::Insert, "atan2()", 6}},
    {"ceil", {KeypadKind::Insert, "ceil()", 5}},   {"exp", {KeypadKind::Insert, "exp()", 4}},
    {"log", {KeypadKind::Insert, "log()", 4}},     {"pow", {KeypadKind::Insert, "pow(,)", 4}},
    {"sin", {KeypadKind::Insert, "sin()", 4}},     {"tan", {KeypadKind::Insert, "tan()", 4}},
    {"tanh", {KeypadKind::Insert, "tanh()", 5}},
};

}  // namespace

KeypadAction KeypadActionFor(std::string_view caption) {
    for (const CaptionAction& entry : kCaptionActions) {
        if (entry.caption == caption) return entry.action;
    }
    return {KeypadKind::Insert, caption, 1};
}
