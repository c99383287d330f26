// The "File" group of the main dialog: the two check boxes that enable a
// file name box with its browse button, the two browse buttons, and files
// handed to the dialog from outside, which are taken as a picked input file.
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

std::optional<std::string> CQuorvaneDlg::BrowseFile(FileDialogKind kind) {
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
    return m_window.ChooseFile(request);
}

void CQuorvaneDlg::TakeInputFile(std::string path) {
    UpdateData(true);
    // Picked with the browse button, the file finds "&Input From" ticked
    // already; handed over from outside, it ticks it.
    m_bInputFrom = true;
    m_strInputFile = std::move(path);
    UpdateData(false);
    EnableFileSide(m_bInputFrom, IDC_INPUT_FILE, IDC_BROWSE_INPUT);
    OnOK();  // evaluate the file at once
}

void CQuorvaneDlg::OnBrowseInput() {
    if (std::optional<std::string> chosen = BrowseFile(FileDialogKind::Open)) {
        TakeInputFile(std::move(*chosen));
    }
}

void CQuorvaneDlg::OnBrowseOutput() {
    std::optional<std::string> chosen = BrowseFile(FileDialogKind::Save);
    if (!chosen) return;
    UpdateData(true);
    m_strOutputFile = std::move(*chosen);
    UpdateData(false);
}

void CQuorvaneDlg::OnOpenFiles(const std::vector<std::string>& paths) {
    // Of several files, the first is the input file, as a file dialog that
    // picks one file would give it.
    if (!paths.empty()) TakeInputFile(paths.front());
}

}  // namespace quorvane::window
