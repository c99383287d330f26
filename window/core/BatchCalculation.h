// The "&Calc" batch run without any window: the expression text is upper-cased
// and cut into lines at every run of CR and LF; each line is evaluated on its
// own and gives a result line ("%.2f   \r\n", or "Error   \r\n") and an output
// record ("LINE = %.2f\r\n\r\n"). A line with nothing to evaluate gives
// neither.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "UpperCase.h"
#include "engine/Evaluate.h"

struct BatchResult {
    std::string resultText;        // the result box
    std::string outputText;        // the records of the output file, before the file's line ends
    std::size_t lineCount = 0;     // lines evaluated (value or Error)
    std::size_t failureCount = 0;  // lines that gave Error
};

// Runs the whole expression text.
BatchResult RunBatch(std::string_view expressionText, LeadBytePredicate isLeadByte = nullptr);

// The parts of an output record around the line and the value.
inline constexpr std::string_view kRecordSeparator = " = ";
inline constexpr std::string_view kRecordEnd = "\r\n\r\n";

// The first CR or LF in [p, end), or end.
const char* FindLineEnd(const char* p, const char* end);

// Cuts text arriving in blocks into lines at runs of CR and LF, carrying a line
// that is cut by a block boundary over to the next block.
class LineCutter {
  public:
    template <typename OnLine>
    void Feed(std::string_view block, OnLine&& onLine) {
        const char* p = block.data();
        const char* const end = p + block.size();
        for (const char* lineEnd = FindLineEnd(p, end); lineEnd != end;
             lineEnd = FindLineEnd(p, end)) {
            Emit(std::string_view(p, static_cast<std::size_t>(lineEnd - p)), onLine);
            p = lineEnd + 1;
        }
        m_partial.append(p, static_cast<std::size_t>(end - p));
    }

    template <typename OnLine>
    void Finish(OnLine&& onLine) {
        Emit({}, onLine);
    }

  private:
    template <typename OnLine>
    void Emit(std::string_view tail, OnLine& onLine) {
        if (m_partial.empty()) {
            if (!tail.empty()) onLine(tail);
            return;
        }
        m_partial.append(tail);
        onLine(std::string_view(m_partial));
        m_partial.clear();
    }

    std::string m_partial;
};
