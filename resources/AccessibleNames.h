// What a screen reader says for the controls whose caption does not say it:
// the edit boxes, which have no caption, the "..." buttons and the keypad's
// symbols. Both windows give these names to their accessibility interfaces;
// every other control is named by its caption, without the '&' of its
// access key. The captions themselves stay as they are.
#pragma once

struct AccessibleName {
    int dialogId;
    int controlId;
    const char* name;         // UTF-8
    const char* description;  // UTF-8; empty when the name says enough
};

// The accessible name of that control of that dialog; null when its caption
// is its name.
const AccessibleName* FindAccessibleName(int dialogId, int controlId);
