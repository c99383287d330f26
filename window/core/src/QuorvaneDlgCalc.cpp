// The "&Calc" evaluation of the main dialog, with the reading of the input
// file and the writing of the output file.
#include <array>

#include "batch/BatchCalculation.h"
#include "batch/FileIo.h"
#include "batch/InputText.h"
#include "batch/Messages.h"
#include "batch/OutputFile.h"
#include "batch/SameFile.h"
#include "resource.h"
#include "window/QuorvaneDlg.h"
#include "window/WaitCursor.h"

namespace quorvane::window {

void CQuorvaneDlg::OnOK() {
    // Reading the file and evaluating many lines can take a while.
    const WaitCursor wait(m_window);
    UpdateData(true);

    if (m_strExpression.empty()) {
        m_window.ShowMessage(batch::kMsgInputExpression);
        m_editExpression.SetFocus();
        return;
    }

    if (m_bInputFrom) {
        if (m_strInputFile.empty()) {
            m_window.ShowMessage(batch::kMsgInputFileName);
            m_window.FocusControl(IDC_INPUT_FILE);
            return;
        }
        std::string text;
        if (!ReadInputFile(m_strInputFile, text)) return;
        m_strExpression = std::move(text);
    }

    batch::BatchResult run = batch::RunBatch(m_strExpression, m_window.LeadByteTest());
    m_strResult = std::move(run.resultText);
    m_notes.Keep(m_strExpression, m_strResult, std::move(run.notes));
    UpdateData(false);

    if (!m_bOutputTo) return;
    if (OutputIsInput()) {
        // Writing would destroy the expressions just read.
        m_window.ShowMessage(batch::MsgOutputIsInput(m_strOutputFile));
        m_window.FocusControl(IDC_OUTPUT_FILE);
        return;
    }
    if (WriteOutputFile(m_strOutputFile, run.outputText)) {
        m_window.StartEditor(m_strOutputFile);
    } else {
        m_window.FocusControl(IDC_OUTPUT_FILE);
    }
}

bool CQuorvaneDlg::OutputIsInput() const {
    return m_bInputFrom && batch::NameSameFile(m_strOutputFile, m_strInputFile);
}

bool CQuorvaneDlg::ReadInputFile(const std::string& path, std::string& text) {
    if (path.empty()) {
        m_window.ShowMessage(batch::kMsgInputFileInvalid);
        return false;
    }

    batch::FileHandle file;
    switch (batch::OpenInputFile(path, file)) {
        case batch::InputOpen::Ok:
            break;
        case batch::InputOpen::NotExist:
            m_window.ShowMessage(batch::MsgFileNotExist(path));
            return false;
        case batch::InputOpen::OpenFailed:
            m_window.ShowMessage(batch::MsgOpenFailed(path));
            return false;
    }

    // Read into a text of our own, so that a failed read leaves `text` as it was.
    std::string loaded;
    batch::InputTextDecoder decoder;
    std::array<char, 65536> block;
    bool failed = false;
    while (!decoder.Ended()) {
        const std::size_t got = batch::ReadBlock(file.get(), block.data(), block.size(), failed);
        if (got == 0) break;
        decoder.Feed(std::string_view(block.data(), got), loaded);
    }
    if (failed) {
        m_window.ShowMessage(batch::MsgOpenFailed(path));
        return false;
    }
    text += loaded;
    return true;
}

bool CQuorvaneDlg::WriteOutputFile(const std::string& path, const std::string& outputText) {
    batch::FileHandle file = batch::CreateOutputFile(path);
    if (!file) {
        m_window.ShowMessage(batch::MsgOpenFailed(path));
        return false;
    }
    const bool written = batch::WriteBytes(file.get(), batch::OutputFileBytes(outputText));
    const bool closed = batch::CloseOutputFile(file);
    if (!written || !closed) {
        m_window.ShowMessage(batch::MsgWriteFailed(path));
        return false;
    }
    return true;
}

}  // namespace quorvane::window
