// The keypad of the main dialog: every button edits the expression box at its
// caret according to the button's caption, then gives the box the focus back.
#include <algorithm>

#include "resource.h"
#include "window/Keypad.h"
#include "window/QuorvaneDlg.h"

namespace quorvane::window {

void CQuorvaneDlg::OnKeypad(int controlId) {
    UpdateData(true);

    // The index into the whole text, line breaks counting two.
    std::size_t caret = std::min(m_window.CaretIndex(IDC_EXPRESSION), m_strExpression.size());
    const std::string caption = m_window.ControlText(controlId);
    const KeypadAction action = KeypadActionFor(caption);

    switch (action.kind) {
        case KeypadKind::Backspace:
            if (caret > 0) {
                const std::size_t start =
                    PreviousCharacterStart(m_strExpression, caret, m_window.LeadByteTest());
                m_strExpression.erase(start, caret - start);
                caret = start;
            }
            break;
        case KeypadKind::Clear:
            m_strExpression.clear();
            m_strResult.clear();
            caret = 0;
            break;
        case KeypadKind::Evaluate:
            OnOK();
            break;
        case KeypadKind::InsertKeyText:
            m_strKeyText = action.text;
            m_strExpression.insert(caret, m_strKeyText);
            caret += action.caretAdvance;
            break;
        case KeypadKind::Insert:
            m_strExpression.insert(caret, action.text);
            caret += action.caretAdvance;
            break;
    }

    UpdateData(false);
    // The evaluation may have loaded a shorter text from the input file.
    m_window.SetCaretIndex(IDC_EXPRESSION, std::min(caret, m_strExpression.size()));
    m_editExpression.SetFocus();
}

}  // namespace quorvane::window
