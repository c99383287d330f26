#include "window/Keypad.h"

#include <cctype>
#include <string>
#include <vector>

#include "engine/Functions.h"

namespace quorvane::window {

namespace {

struct CaptionAction {
    std::string_view caption;
    KeypadAction action;
};

// The keys that edit or evaluate instead of inserting.
constexpr CaptionAction kCaptionActions[] = {
    {"Backspace", {KeypadKind::Backspace, "", 0}},
    {"C", {KeypadKind::Clear, "", 0}},
    {"=", {KeypadKind::Evaluate, "", 0}},
    {"+/-", {KeypadKind::InsertKeyText, "-", 1}},
};

// The one function whose template holds the comma between its two arguments.
constexpr std::string_view kTemplateWithComma = "POW";

// A function key puts in the function's name, lower case, and its
// parentheses, with the caret right after the opening one.
struct FunctionTemplate {
    std::string caption;
    std::string text;
};

// One template for each function of the engine.
const std::vector<FunctionTemplate>& FunctionTemplates() {
    static const std::vector<FunctionTemplate> templates = [] {
        std::vector<FunctionTemplate> made;
        for (const std::string_view name : engine::FunctionNames()) {
            std::string caption;
            for (const char c : name)
                caption += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            const std::string_view parentheses = name == kTemplateWithComma ? "(,)" : "()";
            made.push_back({caption, caption + std::string(parentheses)});
        }
        return made;
    }();
    return templates;
}

}  // namespace

KeypadAction KeypadActionFor(std::string_view caption) {
    for (const CaptionAction& entry : kCaptionActions) {
        if (entry.caption == caption) return entry.action;
    }
    for (const FunctionTemplate& function : FunctionTemplates()) {
        if (function.caption == caption) {
            return {KeypadKind::Insert, function.text, caption.size() + 1};
        }
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
