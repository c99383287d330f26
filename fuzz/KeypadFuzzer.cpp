// The keypad on random texts, carets, selections and captions: the text is
// edited only at the caret and the caret always lands inside the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "ScriptedWindow.h"
#include "resource.h"
#include "window/QuorvaneDlg.h"

using quorvane::window::CQuorvaneDlg;
using quorvane::window::scripted::ScriptedWindow;

namespace {

// Reads the fuzzer's bytes as a sequence of small decisions.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::size_t Take(std::size_t limit) {
        std::size_t value = 0;
        for (int i = 0; i < 3 && m_at < m_size; ++i) value = value * 256 + m_data[m_at++];
        return limit == 0 ? 0 : value % limit;
    }
    std::string_view Text(std::size_t length) {
        length = std::min(length, m_size - m_at);
        const std::string_view text(reinterpret_cast<const char*>(m_data + m_at), length);
        m_at += length;
        return text;
    }

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

constexpr int kKeys[] = {1012, 1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022, 1023,
                         1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035,
                         1068, 1069, 1070, 1071, 1072, 1073, 1074, 1075, 1076, 1077, 1078, 1079};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    ScriptedWindow window;
    CQuorvaneDlg dialog(window);
    window.Open(dialog);
    window.Type(IDC_EXPRESSION, bytes.Text(bytes.Take(200)));

    for (int press = 0; press < 8; ++press) {
        const std::string before = window.ControlText(IDC_EXPRESSION);
        const std::size_t anchor = bytes.Take(before.size() + 1);
        const std::size_t caret = bytes.Take(before.size() + 1);
        window.Select(IDC_EXPRESSION, anchor, caret);
        const int key = kKeys[bytes.Take(std::size(kKeys))];
        // Now and then a caption of the fuzzer's own.
        if (bytes.Take(4) == 0) window.SetControlText(key, bytes.Text(bytes.Take(12)));
        const std::string caption = window.ControlText(key);
        window.Click(key);

        const std::string after = window.ControlText(IDC_EXPRESSION);
        const std::size_t newCaret = window.CaretIndex(IDC_EXPRESSION);
        FUZZ_CHECK(newCaret <= after.size());
        FUZZ_CHECK(window.Focus() == IDC_EXPRESSION);
        if (caption == "C") {
            FUZZ_CHECK(after.empty() && newCaret == 0);
        } else if (caption == "Backspace") {
            // One character (one to four bytes) before the caret goes; the rest stays.
            const std::size_t removed = before.size() - after.size();
            FUZZ_CHECK(caret == 0 ? removed == 0 : removed >= 1 && removed <= 4);
            FUZZ_CHECK(newCaret == caret - removed);
            FUZZ_CHECK(after.compare(0, newCaret, before, 0, newCaret) == 0);
            FUZZ_CHECK(after.compare(newCaret, std::string::npos, before, caret) == 0);
        } else if (caption != "=") {
            // Something went in at the caret; what stood before and after it is kept.
            FUZZ_CHECK(after.size() > before.size() || caption.empty());
            FUZZ_CHECK(after.compare(0, caret, before, 0, caret) == 0);
            const std::size_t tail = before.size() - caret;
            FUZZ_CHECK(after.compare(after.size() - tail, tail, before, caret, tail) == 0);
            FUZZ_CHECK(newCaret > caret || caption.empty());
        }
    }
    return 0;
}
