#include "DialogTemplates.h"

#include <array>

#include "WindowStyles.h"

namespace {

// One array of controls per dialog, in template order.
#define QV_DIALOG(id, x, y, w, h, caption, style, exStyle, pointSize, face) \
    constexpr ControlTemplate kControls##id[] = {
#define QV_CONTROL(id, cls, text, style, x, y, w, h) {id, cls, text, 0, style, x, y, w, h},
#define QV_ICON(id, icon, style, x, y, w, h) {id, "Static", "", icon, style, x, y, w, h},
#define QV_DIALOG_END(id) \
    }                     \
    ;
#include "dialogs.def"
#undef QV_DIALOG
#undef QV_CONTROL
#undef QV_ICON
#undef QV_DIALOG_END

#define QV_DIALOG(id, x, y, w, h, caption, style, exStyle, pointSize, face) \
    DialogTemplate{id, x, y, w, h, caption, style, exStyle, pointSize, face, kControls##id},
#define QV_CONTROL(...)
#define QV_ICON(...)
#define QV_DIALOG_END(id)
constexpr DialogTemplate kDialogs[] = {
#include "dialogs.def"
};
#undef QV_DIALOG
#undef QV_CONTROL
#undef QV_ICON
#undef QV_DIALOG_END

struct StringEntry {
    int id;
    const char* text;
};

#define QV_STRING(id, text) {id, text},
constexpr StringEntry kStrings[] = {
#include "strings.def"
};
#undef QV_STRING

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate& dialog : kDialogs) {
        if (dialog.id == id) return &dialog;
    }
    return nullptr;
}

const char* ResourceString(int id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) return entry.text;
    }
    return "";
}
