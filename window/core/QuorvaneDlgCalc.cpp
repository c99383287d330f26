// The "&Calc" evaluation of the main dialog, with the reading of the input
// file and the writing of the output file.
#include <array>

#include "QuorvaneDlg.h"
#include "batch/BatchCalculation.h"
#include "batch/FileIo.h"
#include "batch/InputText.h"
#include "batch/Messages.h"
#include "batch/OutputFile.h"
#include "batch/SameFile.h"
#include "resource.h"

using namespace quorvane::batch;

void CQuorvaneDlg::OnOK() {
    UpdateData(true);

    if (m_strExpression.empty()) {
        m_window.ShowMessage(kMsgInputExpression);
        m_editExpression.SetFocus();
        return;
    }

    if (m_bInputFrom) {
        if (m_strInputFile.empty()) {
            m_window.ShowMessage(kMsgInputFileName);
            m_window.FocusControl(IDC_INPUT_FILE);
            return;
        }
        std::string text;
        if (!ReadInputFile(m_strInputFile, text)) return;
        m_strExpression = std::move(text);
    }

    BatchResult batch = RunBatch(m_strExpression, m_window.LeadByteTest());
    m_strResult = std::move(batch.resultText);
    UpdateData(false);

    if (!m_bOutputTo) return;
    if (OutputIsInput()) {
        // Writing would destroy the expressions just read.
        m_window.ShowMessage(MsgOutputIsInput(m_strOutputFile));
        m_window.FocusControl(IDC_OUTPUT_FILE);
        return;
    }
    if (batch.textLost) {
        // The records lack part of a line: such a file is not written.
        m_window.ShowMessage(MsgWriteFailed(m_strOutputFile));
        m_window.FocusControl(IDC_OUTPUT_FILE);
        return;
    }
    if (WriteOutputFile(m_strOutputFile, batch.outputText)) {
        m_window.StartEditor(m_strOutputFile);
    } else {
        m_window.FocusControl(IDC_OUTPUT_FILE);
    }
}

bool CQuorvaneDlg::OutputIsInput() const {
    return m_bInputFrom && NameSameFile(m_strOutputFile, m_strInputFile);
}

bool CQuorvaneDlg::ReadInputFile(const std::string& path, std::string& text) {
    if (path.empty()) {
        m_window.ShowMessage(kMsgInputFileInvalid);
        return false;
    }

    FileHandle file;
    switch (OpenInputFile(path, file)) {
        case InputOpen::Ok:
            break;
        case InputOpen::NotExist:
            m_window.ShowMessage(MsgFileNotExist(path));
            return false;
        case InputOpen::OpenFailed:
            m_window.ShowMessage(MsgOpenFailed(path));
            return false;
    }

    // Read into a text of our own, so that a failed read leaves `text` as it was.
    std::string loaded;
    InputTextDecoder decoder;
    std::array<char, 65536> block;
    bool failed = false;
    while (!decoder.Ended()) {
        const std::size_t got = ReadBlock(file.get(), block.data(), block.size(), failed);
        if (got == 0) break;
        decoder.Feed(std::string_view(block.data(), got), loaded);
    }
    if (failed) {
        m_window.ShowMessage(MsgOpenFailed(path));
        return false;
    }
    text += loaded;
    return true;
}

bool CQuorvaneDlg::WriteOutputFile(const std::string& path, const std::string& outputText) {
    FileHandle file = CreateOutputFile(path);
    if (!file) {
        m_window.ShowMessage(MsgOpenFailed(path));
        return false;
    }
    const bool written = WriteBytes(file.get(), OutputFileBytes(outputText));
    const bool closed = CloseOutputFile(file);
    if (!written || !closed) {
        m_window.ShowMessage(MsgWriteFailed(path));
        return false;
    }
    return true;
}
