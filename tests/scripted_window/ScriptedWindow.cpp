#include "ScriptedWindow.h"

#include <algorithm>
#include <stdexcept>

#include "DialogTemplates.h"
#include "WindowStyles.h"

namespace quorvane::window::scripted {

namespace {

constexpr std::uint32_t kButtonTypeMask = 0xF;

}  // namespace

ScriptedWindow::ScriptedWindow() {
    const DialogTemplate* dialog = FindDialogTemplate(IDD_QUORVANE_DIALOG);
    if (dialog == nullptr) throw std::logic_error("no template of the main dialog");
    for (const ControlTemplate& row : dialog->controls) {
        if (row.id == IDC_STATIC) continue;  // labels and frames are not addressed
        Control control;
        control.text = row.text;
        control.autoCheckBox = std::string_view(row.className) == "Button" &&
                               (row.style & kButtonTypeMask) == BS_AUTOCHECKBOX;
        control.tabStop = (row.style & WS_TABSTOP) != 0;
        control.edit = std::string_view(row.className) == "Edit";
        m_controls.emplace(row.id, control);
        m_tabOrder.push_back(row.id);
    }
}

ScriptedWindow::Control& ScriptedWindow::Find(int id) {
    const auto found = m_controls.find(id);
    if (found == m_controls.end()) {
        throw std::logic_error("no control " + std::to_string(id) + " in the window");
    }
    return found->second;
}

const ScriptedWindow::Control& ScriptedWindow::At(int id) const {
    return const_cast<ScriptedWindow*>(this)->Find(id);
}

int ScriptedWindow::DoModal(DialogEvents& events) {
    Open(events);
    if (m_session) m_session(*this);
    return m_endResult;
}

void ScriptedWindow::EndDialog(int result) { m_endResult = result; }

bool ScriptedWindow::HasControl(int id) const { return m_controls.count(id) != 0; }

bool ScriptedWindow::IsEditControl(int id) const {
    const auto found = m_controls.find(id);
    return found != m_controls.end() && found->second.edit;
}

std::string ScriptedWindow::ReadControlText(int id) const { return At(id).text; }

void ScriptedWindow::SetWholeText(int id, std::string_view text) {
    Control& control = Find(id);
    control.text = text;
    control.anchor = 0;
    control.caret = 0;
}

bool ScriptedWindow::ReplaceText(int id, std::size_t start, std::size_t removedLength,
                                 std::string_view inserted) {
    Control& control = Find(id);
    if (start + removedLength > control.text.size()) {
        throw std::logic_error("replacement past the end of the text");
    }
    control.text.replace(start, removedLength, inserted);
    control.anchor = 0;
    control.caret = 0;
    return true;
}

bool ScriptedWindow::IsChecked(int id) const { return At(id).checked; }

void ScriptedWindow::SetChecked(int id, bool checked) { Find(id).checked = checked; }

void ScriptedWindow::EnableControl(int id, bool enabled) { Find(id).enabled = enabled; }

void ScriptedWindow::FocusControl(int id) {
    Find(id);
    m_focus = id;
}

std::size_t ScriptedWindow::CaretIndex(int id) const { return At(id).caret; }

void ScriptedWindow::SetCaretIndex(int id, std::size_t index) {
    Control& control = Find(id);
    if (index > control.text.size()) throw std::logic_error("caret put past the end of the text");
    control.anchor = index;
    control.caret = index;
}

void ScriptedWindow::ShowMessage(std::string_view text) {
    m_messages.emplace_back(text);
    m_waitCursorsAtMessage = m_waitCursors;
}

void ScriptedWindow::SelectRange(int id, std::size_t start, std::size_t length) {
    Select(id, start, start + length);
}

std::optional<std::string> ScriptedWindow::ChooseFile(const FileDialogRequest& request) {
    m_fileRequests.push_back(request);
    if (m_fileAnswers.empty()) throw std::logic_error("a file dialog that the test did not expect");
    std::optional<std::string> answer = std::move(m_fileAnswers.front());
    m_fileAnswers.pop_front();
    return answer;
}

void ScriptedWindow::StartEditor(const std::string& path) { m_editorStarts.push_back(path); }

std::string ScriptedWindow::LoadResourceString(int id) const {
    const auto found = m_strings.find(id);
    return found != m_strings.end() ? found->second : std::string(ResourceString(id));
}

IconHandle ScriptedWindow::LoadAppIcon() {
    ++m_iconLoads;
    return kAppIcon;
}

void ScriptedWindow::SetIcon(IconHandle icon, IconSize size) { m_icons.emplace_back(icon, size); }

void ScriptedWindow::AppendSystemMenuItem(unsigned commandId, std::string_view text) {
    m_menuItems.push_back({commandId, std::string(text)});
}

void ScriptedWindow::Open(DialogEvents& events) {
    m_events = &events;
    if (!events.OnInitDialog()) return;
    const auto first = std::find_if(m_tabOrder.begin(), m_tabOrder.end(), [this](int id) {
        const Control& control = At(id);
        return control.tabStop && control.enabled;
    });
    if (first != m_tabOrder.end()) m_focus = *first;
}

bool ScriptedWindow::Click(int id) {
    if (!IsOpen()) throw std::logic_error("a click on a window that is not open");
    Control& control = Find(id);
    if (!control.enabled) return false;
    if (control.autoCheckBox) control.checked = !control.checked;
    m_focus = id;
    m_events->OnCommand(kButtonClicked, id);
    return true;
}

void ScriptedWindow::Type(int id, std::string_view text) {
    Control& control = Find(id);
    if (!control.enabled) throw std::logic_error("typing into a disabled control");
    control.text = text;
    ForgetText(id);
    control.anchor = text.size();
    control.caret = text.size();
}

void ScriptedWindow::Select(int id, std::size_t anchor, std::size_t caret) {
    Control& control = Find(id);
    if (std::max(anchor, caret) > control.text.size()) {
        throw std::logic_error("selection past the end of the text");
    }
    control.anchor = anchor;
    control.caret = caret;
}

void ScriptedWindow::DoubleClick(int id, std::size_t index) {
    if (!IsOpen()) throw std::logic_error("a double-click on a window that is not open");
    PlaceCaret(id, index);
    m_focus = id;
    m_events->OnEditDoubleClick(id, index);
}

void ScriptedWindow::PressStepKey(int id, StepDirection direction) {
    if (!IsOpen()) throw std::logic_error("a key pressed in a window that is not open");
    m_focus = id;
    m_events->OnStepKey(id, direction);
}

void ScriptedWindow::SystemCommand(unsigned commandId) {
    if (!IsOpen()) throw std::logic_error("a system command to a window that is not open");
    m_events->OnSysCommand(commandId, 0);
}

void ScriptedWindow::OpenFiles(const std::vector<std::string>& paths) {
    if (!IsOpen()) throw std::logic_error("files handed to a window that is not open");
    m_events->OnOpenFiles(paths);
}

}  // namespace quorvane::window::scripted
