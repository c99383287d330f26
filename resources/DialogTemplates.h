// The dialog templates and strings of the program, read from dialogs.def and
// strings.def, for front ends that lay out their windows themselves.
#pragma once

#include <cstdint>
#include <span>

#include "resource.h"

struct ControlTemplate {
    int id;
    const char* className;    // "Edit", "Button" or "Static"
    const char* text;         // UTF-8; empty for an icon
    int iconId;               // the icon resource of an icon static, else 0
    std::uint32_t style;      // beyond WS_CHILD | WS_VISIBLE
    int x, y, width, height;  // dialog units
};

struct DialogTemplate {
    int id;
    int x, y, width, height;  // dialog units
    const char* caption;      // UTF-8
    std::uint32_t style;
    std::uint32_t exStyle;
    int pointSize;
    const char* face;                           // UTF-8
    std::span<const ControlTemplate> controls;  // in template order
};

// The template of that id; null when there is none.
const DialogTemplate* FindDialogTemplate(int id);

// The string resource of that id (UTF-8); empty when there is none.
const char* ResourceString(int id);
