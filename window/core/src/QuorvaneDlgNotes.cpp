// From the notes in the result box to the lines they are about: a
// double-click on a noted result line, or F8 and Shift+F8 in either box,
// select the token at fault in the expression box.
#include "resource.h"
#include "window/QuorvaneDlg.h"

namespace quorvane::window {

void CQuorvaneDlg::OnEditDoubleClick(int controlId, std::size_t index) {
    if (controlId != IDC_RESULT) return;
    UpdateData(true);
    if (const batch::LineNote* note = m_notes.AtResult(m_strResult, index)) {
        GoToNote(*note, false);
    }
}

void CQuorvaneDlg::OnStepKey(int controlId, StepDirection direction) {
    UpdateData(true);
    const batch::LineNote* note = nullptr;
    if (controlId == IDC_EXPRESSION) {
        note = m_notes.StepFromExpression(m_strExpression, m_window.CaretIndex(IDC_EXPRESSION),
                                          direction);
    } else if (controlId == IDC_RESULT) {
        note = m_notes.StepFromResult(m_strResult, m_window.CaretIndex(IDC_RESULT), direction);
    }
    if (note != nullptr) GoToNote(*note, true);
}

void CQuorvaneDlg::GoToNote(const batch::LineNote& note, bool showResultLine) {
    const std::optional<TokenPlace> token = m_notes.TokenIn(m_strExpression, note);
    if (!token) return;
    if (showResultLine) {
        if (const std::optional<std::size_t> line = m_notes.ResultLineIn(m_strResult, note)) {
            m_window.SelectRange(IDC_RESULT, *line, 0);
        }
    }
    m_window.SelectRange(IDC_EXPRESSION, token->start, token->length);
    m_editExpression.SetFocus();
}

}  // namespace quorvane::window
