// Input as a person gives it, through SendInput from the driver: the pointer
// moved onto a control and its left button pressed and released there, and
// keys typed into the control that has the focus. The program gets them from
// the window system like anyone's clicks and keys. Each call returns once the
// program has taken the input in and handled it, and says whether it did.
#pragma once

#include <windows.h>

#include <string_view>

#include "QuorvaneProcess.h"

// Moves the pointer to the bottom right corner of the screen, where no
// window of the program opens under it.
void ParkPointer();

class UserInput {
  public:
    explicit UserInput(const QuorvaneProcess& program) : m_program(program) {}

    // Clicks at a point of the window, given in its client coordinates.
    bool ClickAt(HWND window, POINT clientPoint);
    // Clicks twice at a point of the window, given in its client
    // coordinates, as a double-click.
    bool DoubleClickAt(HWND window, POINT clientPoint);
    // Clicks at the centre of the window.
    bool Click(HWND window);
    // Moves the pointer one pixel to the right, as a hand resting on the mouse does.
    bool Nudge();
    // Types the text into the edit control that has the focus, over its
    // selection; '\n' is a line break, typed as Ctrl+Enter.
    bool Type(std::wstring_view text);
    // Presses and releases a virtual key while holding `modifier` (VK_MENU,
    // VK_SHIFT, ...; 0 for none); the caller waits for what it does.
    bool Press(WORD key, WORD modifier = 0);
    // Gives Ctrl+Z to the edit control that has the focus, as the character
    // it types; true once its text has changed.
    bool Undo();

  private:
    // Moves the pointer to the point of the screen; false if it does not stay there.
    bool PointAt(POINT screenPoint);
    // Presses and releases the left button on the window under the pointer,
    // which stands at the point of the screen; true once the window has
    // taken both in.
    bool PressAndRelease(HWND window, POINT screenPoint);

    const QuorvaneProcess& m_program;
};
