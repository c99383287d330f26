#include "window/Keypad.h"

namespace quorvane::window {

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

std::size_t PreviousCharacterStart(std::string_view text, std::size_t caret,
                                   batch::LeadBytePredicate isLeadByte) {
    if (caret == 0) return 0;
    if (isLeadByte != nullptr) {
        // Only a walk from the start tells a trail byte from a lead byte.
        std::size_t start = 0;
        for (std::size_t i = 0; i < caret;) {
            start = i;
            i += (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < caret) ? 2 : 1;
        }
        return start;
    }
    // UTF-8: step back over up to three continuation bytes to a lead byte
    // that starts a sequence of exactly that length; otherwise one byte.
    auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (std::size_t length = 2; length <= 4 && length <= caret; ++length) {
        if ((byte(caret - length + 1) & 0xC0) != 0x80) break;
        const unsigned char lead = byte(caret - length);
        const unsigned char leadMask = static_cast<unsigned char>(0xFF00 >> (length + 1));
        const unsigned char leadBits = static_cast<unsigned char>(0xFF00 >> length);
        if ((lead & leadMask) == leadBits) return caret - length;
    }
    return caret - 1;
}

}  // namespace quorvane::window
