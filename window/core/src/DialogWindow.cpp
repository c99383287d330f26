#include "window/DialogWindow.h"

#include "window/TextChange.h"

namespace quorvane::window {

std::string DialogWindow::ControlText(int id) const {
    if (!IsEditControl(id)) return ReadControlText(id);
    return KnownText(id);
}

const std::string& DialogWindow::KnownText(int id) const {
    auto known = m_knownTexts.find(id);
    if (known == m_knownTexts.end()) known = m_knownTexts.emplace(id, ReadControlText(id)).first;
    return known->second;
}

void DialogWindow::SetControlText(int id, std::string_view text) {
    if (!IsEditControl(id)) {
        if (ReadControlText(id) != text) SetWholeText(id, text);
        return;
    }
    // The known text is not used once the control has been told of the
    // change: telling it may make the front end forget it.
    const std::string& shown = KnownText(id);
    const TextChange change = SmallestChange(shown, text, LeadByteTest());
    if (change.Empty()) return;
    if (change.NewText(shown.size())) {
        SetWholeText(id, text);
    } else if (!ReplaceText(id, change.start, change.removed, change.inserted)) {
        // What the control holds now is read again.
        SetWholeText(id, text);
        ForgetText(id);
        return;
    }
    m_knownTexts.insert_or_assign(id, std::string(text));
}

}  // namespace quorvane::window
