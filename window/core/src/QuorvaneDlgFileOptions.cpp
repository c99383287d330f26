// The "File" group of the main dialog: the two check boxes that enable a
// file name box with its browse button, and the two browse buttons.
#include "resource.h"
#include "window/QuorvaneDlg.h"

namespace quorvane::window {

namespace {

// The one entry of the file-type list of both file dialogs.
constexpr std::string_view kTextFileDescription = "txt文件";
constexpr std::string_view kTextFilePattern = "*.txt";

}  // namespace

void CQuorvaneDlg::EnableFileSide(bool enabled, int nameBox, int browseButton) {
    for (const int id : {nameBox, browseButton}) {
        if (m_window.HasControl(id)) m_window.EnableControl(id, enabled);
    }
}

void CQuorvaneDlg::OnInputFrom() {
    UpdateData(true);
    EnableFileSide(m_bInputFrom, IDC_INPUT_FILE, IDC_BROWSE_INPUT);
    UpdateData(false);
}

void CQuorvaneDlg::OnOutputTo() {
    UpdateData(true);
    EnableFileSide(m_bOutputTo, IDC_OUTPUT_FILE, IDC_BROWSE_OUTPUT);
    UpdateData(false);
}

bool CQuorvaneDlg::BrowseFile(FileDialogKind kind, std::string& fileName) {
    const bool open = kind == FileDialogKind::Open;
    FileDialogRequest request{
        .kind = kind,
        // The open dialog adds ".txt" to a name typed without extension; the
        // save dialog offers "*.txt" in its name field and asks before
        // replacing a file.
        .defaultExtension = std::string(open ? kTextFilePattern : ""),
        .initialName = std::string(open ? "" : kTextFilePattern),
        .overwritePrompt = !open,
        .typeDescription = std::string(kTextFileDescription),
        .typePattern = std::string(kTextFilePattern),
        .initialFolder = m_window.ProgramPath(),
    };
    std::optional<std::string> chosen = m_window.ChooseFile(request);
    if (!chosen) return false;
    UpdateData(true);
    fileName = std::move(*chosen);
    UpdateData(false);
    return true;
}

void CQuorvaneDlg::OnBrowseInput() {
    if (BrowseFile(FileDialogKind::Open, m_strInputFile)) OnOK();  // evaluate the file at once
}

void CQuorvaneDlg::OnBrowseOutput() { BrowseFile(FileDialogKind::Save, m_strOutputFile); }

}  // namespace quorvane::window
