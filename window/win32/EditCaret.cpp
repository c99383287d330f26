#include "EditCaret.h"

#include "EditNavigationInput.h"

namespace quorvane::window::win32 {

namespace {

const wchar_t kTrackerProperty[] = L"QuorvaneEditCaretTracker";

struct Selection {
    DWORD start = 0;
    DWORD end = 0;
};

// EM_GETSEL answers with 32-bit positions, start before end.
Selection SelectionOf(HWND edit) {
    Selection selection;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
                 reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

// Distance of two positions counted in 16 bits, around the wrap.
unsigned Distance16(DWORD position, WORD hit) {
    const unsigned down = (position - hit) & 0xFFFFu;
    const unsigned up = (hit - position) & 0xFFFFu;
    return down < up ? down : up;
}

// Where the caret stands in an edit control that has the focus.
std::size_t CaretIndexNow(HWND edit) {
    const Selection selection = SelectionOf(edit);
    if (selection.start == selection.end) return selection.start;
    // The caret is at one end of the selection. EM_CHARFROMPOS at the caret
    // tells which, but only in 16 bits: the end nearest to its answer is it.
    POINT caret{};
    GetCaretPos(&caret);
    const LRESULT hit =
        SendMessageW(edit, EM_CHARFROMPOS, 0, MAKELPARAM(caret.x & 0xFFFF, caret.y & 0xFFFF));
    const WORD hitIndex = LOWORD(hit);
    return Distance16(selection.start, hitIndex) < Distance16(selection.end, hitIndex)
               ? selection.start
               : selection.end;
}

}  // namespace

EditCaretTracker::EditCaretTracker(HWND edit) : m_edit(edit) {
    SetPropW(edit, kTrackerProperty, this);
    m_originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
}

std::size_t EditCaretTracker::CaretIndex() const {
    if (m_edit == nullptr) return 0;
    if (GetFocus() == m_edit) return CaretIndexNow(m_edit);
    const Selection selection = SelectionOf(m_edit);
    if (selection.start == selection.end) return selection.start;
    if (selection.start == m_notedStart && selection.end == m_notedEnd) return m_notedCaret;
    // A selection made while the edit had no focus, so never by the user: there
    // is no caret to ask; take the end of it.
    return selection.end;
}

void EditCaretTracker::NoteCaret() {
    const Selection selection = SelectionOf(m_edit);
    m_notedStart = selection.start;
    m_notedEnd = selection.end;
    m_notedCaret = CaretIndexNow(m_edit);
}

LRESULT CALLBACK EditCaretTracker::SubclassProc(HWND edit, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    auto* tracker = static_cast<EditCaretTracker*>(GetPropW(edit, kTrackerProperty));
    const WNDPROC original = tracker->m_originalProc;
    if (LRESULT result = 0; PassNavigationInput(edit, message, wParam, lParam, original, result)) {
        return result;
    }
    if (message == WM_KILLFOCUS) {
        // Before the edit itself handles the message: it destroys its caret there.
        tracker->NoteCaret();
    } else if (message == WM_SETTEXT && (GetWindowLongW(edit, GWL_STYLE) & ES_MULTILINE) != 0) {
        // A multi-line edit control does not report a whole new text to its
        // parent; it is reported as a single-line one reports it.
        const LRESULT result = CallWindowProcW(original, edit, message, wParam, lParam);
        SendMessageW(GetParent(edit), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(edit), EN_CHANGE),
                     reinterpret_cast<LPARAM>(edit));
        return result;
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(edit, kTrackerProperty);
        tracker->m_edit = nullptr;
    }
    return CallWindowProcW(original, edit, message, wParam, lParam);
}

}  // namespace quorvane::window::win32
