#include "BatchTool.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "BatchCalculation.h"
#include "ExprEngine.h"
#include "FileIo.h"
#include "InputText.h"
#include "Messages.h"
#include "OutputFile.h"
#include "ResultFormat.h"
#include "UpperCase.h"

namespace {

constexpr std::size_t kBlockSize = 1 << 20;
constexpr std::size_t kFirstBlockSize = 1 << 14;

// A line longer than this is not held whole (see LongLine). The engine
// decides a line from its first kLineLimit + 2 characters and from whether
// the whole line holds nothing, so this many bytes are all it needs.
constexpr std::size_t kLongLine = 1 << 16;
static_assert(kLongLine > kLineLimit + 2);

// Copies n bytes, the few bytes of a value or a line without a library call:
// two overlapping copies of fixed size cover any n between that size and
// twice it.
void CopyBytes(char* to, const char* from, std::size_t n) {
    if (n > 32) {
        std::memcpy(to, from, n);
    } else if (n >= 16) {
        std::memcpy(to, from, 16);
        std::memcpy(to + n - 16, from + n - 16, 16);
    } else if (n >= 8) {
        std::memcpy(to, from, 8);
        std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(to, from, 4);
        std::memcpy(to + n - 4, from + n - 4, 4);
    } else if (n > 0) {
        to[0] = from[0];
        to[n / 2] = from[n / 2];
        to[n - 1] = from[n - 1];
    }
}

// Collects bytes and writes them out in blocks of kBlockSize; remembers a failure.
class BlockWriter {
  public:
    explicit BlockWriter(std::FILE* file)
        : m_file(file), m_block(std::make_unique_for_overwrite<char[]>(kBlockSize)) {}

    void Append(std::string_view bytes) {
        if (bytes.empty()) return;
        if (bytes.size() > kBlockSize - m_used) {
            Flush();
            if (bytes.size() >= kBlockSize) {
                Write(bytes);
                return;
            }
        }
        CopyBytes(m_block.get() + m_used, bytes.data(), bytes.size());
        m_used += bytes.size();
    }
    void Append(char c) {
        if (m_used == kBlockSize) Flush();
        m_block[m_used++] = c;
    }
    bool Flush() {
        Write(std::string_view(m_block.get(), m_used));
        m_used = 0;
        return !m_failed;
    }
    bool Failed() const { return m_failed; }

  private:
    void Write(std::string_view bytes) {
        if (m_file != nullptr && !m_failed && !bytes.empty()) m_failed = !WriteBytes(m_file, bytes);
    }

    std::FILE* m_file;
    std::unique_ptr<char[]> m_block;
    std::size_t m_used = 0;
    bool m_failed = false;
};

// Follows a line byte by byte to tell whether it holds nothing to evaluate:
// only blanks and tabs up to its end or up to a comment mark. (Lines hold no
// line ends.)
class NothingScan {
  public:
    // Takes the next byte; false once it is settled whether the line holds nothing.
    bool Feed(char c) {
        if (m_state == kBlanks) {
            if (c != ' ' && c != '\t') m_state = c == '/' ? kSlash : kSomething;
        } else if (m_state == kSlash) {
            m_state = c == '/' ? kNothing : kSomething;
        }
        return Open();
    }
    // Only blanks and tabs so far, perhaps with one '/' after them.
    bool Open() const { return m_state == kBlanks || m_state == kSlash; }
    bool HoldsNothing() const { return m_state == kBlanks || m_state == kNothing; }

  private:
    enum State { kBlanks, kSlash, kNothing, kSomething };
    State m_state = kBlanks;
};

// Bytes held back until it is known whether they are needed: the first
// kBlockSize of them in memory, the rest in an unnamed temporary file (in
// memory when no such file can be made).
class HeldBytes {
  public:
    void Add(std::string_view bytes) {
        const bool fits = !m_spill && m_memory.size() + bytes.size() <= kBlockSize;
        if (fits || !Spill()) {
            m_memory.append(bytes);
        } else if (!WriteBytes(m_spill.get(), bytes)) {
            m_spillFailed = true;
        }
    }
    // Writes the held bytes out and forgets them; false if they could not be read back.
    bool MoveTo(BlockWriter& writer) {
        writer.Append(m_memory);
        bool ok = true;
        if (m_spill) {
            std::rewind(m_spill.get());
            std::vector<char> block(kBlockSize);
            bool failed = m_spillFailed;
            while (const std::size_t got =
                       ReadBlock(m_spill.get(), block.data(), block.size(), failed)) {
                writer.Append(std::string_view(block.data(), got));
            }
            ok = !failed;
        }
        Clear();
        return ok;
    }
    void Clear() {
        m_memory.clear();
        m_spill.reset();
        m_spillFailed = false;
    }

  private:
    bool Spill() {
        if (!m_spill) m_spill.reset(std::tmpfile());
        return m_spill != nullptr;
    }

    std::string m_memory;
    FileHandle m_spill;
    bool m_spillFailed = false;
};

// A line longer than kLongLine, taken in pieces so that memory does not grow
// with it: its first kLongLine bytes are kept for the evaluation, and its
// bytes go to the output file as they come, once it is clear that the line
// holds something to evaluate and so gets a record.
class LongLine {
  public:
    explicit LongLine(BlockWriter* file) : m_file(file) {}

    bool Active() const { return m_active; }
    // True when bytes held back could not be read back for the output file.
    bool Lost() const { return m_readBackFailed; }

    void Start(std::string_view head) {
        m_active = true;
        m_prefix.clear();
        m_scan = NothingScan();
        m_held.Clear();
        Add(head);
    }

    void Add(std::string_view bytes) {
        m_prefix.append(bytes.substr(0, kLongLine - m_prefix.size()));
        // While the line may still hold nothing, its bytes are held back.
        std::size_t open = 0;
        while (open < bytes.size() && m_scan.Feed(bytes[open])) ++open;
        if (m_file != nullptr) m_held.Add(bytes.substr(0, open));
        if (m_scan.Open() || m_scan.HoldsNothing()) return;
        WriteHeld();
        Write(bytes.substr(open));
    }

    // Ends the line: its outcome, the line's bytes being in the output file
    // already when there is one.
    LineOutcome Finish() {
        m_active = false;
        if (m_scan.HoldsNothing()) return {LineStatus::Nothing, 0.0};
        WriteHeld();
        const LineOutcome outcome = EvaluateLineOutcome(m_prefix);
        // Its kept start alone holds nothing: what follows is too far in.
        if (outcome.status == LineStatus::Nothing) return {LineStatus::Failure, 0.0};
        return outcome;
    }

  private:
    void WriteHeld() {
        if (m_file != nullptr && !m_held.MoveTo(*m_file)) m_readBackFailed = true;
    }
    // A line holds no LF, so its bytes go to the file as they are.
    void Write(std::string_view bytes) {
        if (m_file != nullptr) m_file->Append(bytes);
    }

    BlockWriter* m_file;
    bool m_active = false;
    std::string m_prefix;  // the first kLongLine bytes
    NothingScan m_scan;
    HeldBytes m_held;
    bool m_readBackFailed = false;
};

// The first CR or LF in [p, end), or end; eight bytes at a time.
const char* FindLineEnd(const char* p, const char* end) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kLow7 = kOnes * 0x7F;
    // The high bit of each byte of the word that is zero, and only of those.
    auto zeroBytes = [](std::uint64_t word) { return ~(((word & kLow7) + kLow7) | word | kLow7); };
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        if ((zeroBytes(word ^ (kOnes * '\r')) | zeroBytes(word ^ (kOnes * '\n'))) != 0) break;
    }
    while (p != end && *p != '\r' && *p != '\n') ++p;
    return p;
}

void Report(std::FILE* errors, std::string_view message) {
    std::fprintf(errors, "%.*s\n", static_cast<int>(message.size()), message.data());
}

bool IsStandardInput(const std::string& input) { return input.empty() || input == "-"; }

}  // namespace

ExitStatus RunBatchTool(const CommandLine& commandLine, std::FILE* standardInput,
                        std::FILE* standardOutput, std::FILE* errors) {
    const std::string& inputPath = commandLine.input;
    FileHandle inputFile;
    std::FILE* input = standardInput;
    if (!IsStandardInput(inputPath)) {
        switch (OpenInputFile(inputPath, inputFile)) {
            case InputOpen::Ok:
                input = inputFile.get();
                break;
            case InputOpen::NotExist:
                Report(errors, MsgFileNotExist(inputPath));
                return kUsageOrFileError;
            case InputOpen::OpenFailed:
                Report(errors, MsgOpenFailed(inputPath));
                return kUsageOrFileError;
        }
    }

    FileHandle outputFile;
    if (commandLine.output) {
        const std::string& outputPath = *commandLine.output;
        // Writing would empty the input before it is read.
        if (!IsStandardInput(inputPath) && IsSameFile(inputPath, outputPath)) {
            Report(errors, MsgOutputIsInput(outputPath));
            return kUsageOrFileError;
        }
        outputFile = CreateOutputFile(outputPath);
        if (!outputFile) {
            Report(errors, MsgOpenFailed(outputPath));
            return kUsageOrFileError;
        }
    }

    BlockWriter printed(standardOutput);
    BlockWriter written(outputFile.get());
    BlockWriter* const file = outputFile ? &written : nullptr;
    // The record's end as it goes to disk.
    std::string recordEnd;
    AppendOutputBytes(recordEnd, kRecordEnd);
    bool anyFailure = false;
    // Prints the outcome of a line and writes its record: the line, which
    // holds no LF and so goes to disk as it is ("" when its bytes are in the
    // file already), and the value.
    auto emit = [&](std::string_view line, const LineOutcome& outcome) {
        if (outcome.status == LineStatus::Nothing) return;
        anyFailure |= outcome.status == LineStatus::Failure;
        char buffer[kValueTextRoom];
        const std::string_view value = FormatOutcome(outcome, buffer);
        printed.Append(value);
        printed.Append('\n');
        if (file != nullptr) {
            file->Append(line);
            file->Append(kRecordSeparator);
            file->Append(value);
            file->Append(recordEnd);
        }
    };
    auto onLine = [&](std::string_view line) { emit(line, EvaluateLineOutcome(line)); };

    // Each block is read as it is, up to the byte that ends the text:
    // loading a file by the input-file reading rules changes only its line
    // ends, and lines are cut at every run of CR and LF either way. The block
    // is upper-cased in place. A line cut by the end of a block is carried
    // over, or taken in pieces once it is long.
    // The blocks grow to kBlockSize from a small first one, so that a small
    // input touches little memory.
    std::string text;
    std::size_t blockSize = kFirstBlockSize;
    std::string carry;
    LongLine longLine(file);
    bool ended = false;
    bool readFailed = false;
    while (!ended && !printed.Failed() && !written.Failed()) {
        text.resize(blockSize);
        const std::size_t got = ReadBlock(input, text.data(), text.size(), readFailed);
        if (got == 0) break;
        if (got == blockSize) blockSize = std::min(2 * blockSize, kBlockSize);
        text.resize(TextLength(std::string_view(text.data(), got)));
        ended = text.size() != got;
        UpperCaseText(text);

        const char* p = text.data();
        const char* const end = p + text.size();
        for (const char* lineEnd = FindLineEnd(p, end); lineEnd != end;
             lineEnd = FindLineEnd(p, end)) {
            const std::string_view piece(p, static_cast<std::size_t>(lineEnd - p));
            p = lineEnd + 1;
            if (longLine.Active()) {
                longLine.Add(piece);
                emit({}, longLine.Finish());
            } else if (!carry.empty()) {
                carry.append(piece);
                onLine(carry);
                carry.clear();
            } else if (!piece.empty()) {
                onLine(piece);
            }
        }
        const std::string_view tail(p, static_cast<std::size_t>(end - p));
        if (longLine.Active()) {
            longLine.Add(tail);
        } else {
            carry.append(tail);
            if (carry.size() > kLongLine) {
                longLine.Start(carry);
                carry.clear();
            }
        }
    }
    if (longLine.Active()) {
        emit({}, longLine.Finish());
    } else if (!carry.empty()) {
        onLine(carry);
    }

    if (readFailed) {
        Report(errors, MsgOpenFailed(IsStandardInput(inputPath) ? "-" : inputPath));
        return kUsageOrFileError;
    }
    if (!printed.Flush() || std::fflush(standardOutput) != 0) return kUsageOrFileError;
    if (outputFile) {
        written.Append(kOutputFileEnd);
        const bool stored = !longLine.Lost() && written.Flush() && CloseOutputFile(outputFile);
        if (!stored) {
            Report(errors, MsgWriteFailed(*commandLine.output));
            return kUsageOrFileError;
        }
    }
    return anyFailure ? kSomeErrors : kAllValues;
}
