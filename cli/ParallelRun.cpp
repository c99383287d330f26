#include "ParallelRun.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "KeptLines.h"
#include "batch/FileIo.h"
#include "batch/InputText.h"

namespace quorvane::cli {

namespace {

// A part whose lines keep much for their size (very short lines, values of
// hundreds of digits) makes the parts read after it smaller, so that what a
// part keeps stays near kKeptPerPart times the most bytes read for a part and
// memory stays bounded whatever the lines hold. Until the first part is
// handed on, parts are read at 1/kFirstPartsShare of the most, small enough
// for what any line may keep.
constexpr std::size_t kKeptPerPart = 4;
constexpr std::size_t kFirstPartsShare = 16;

// Where `bytes` can be cut after their last line end; 0 when they hold none.
// A CR at the very end may yet be followed by the LF of its pair, unless
// nothing follows: then it ends its line as well.
std::size_t CutAfterLastLineEnd(std::span<const char> bytes, bool nothingFollows) {
    std::size_t end = bytes.size();
    if (!nothingFollows && end != 0 && bytes[end - 1] == '\r') --end;
    while (end != 0 && bytes[end - 1] != '\n' && bytes[end - 1] != '\r') --end;
    return end;
}

// Whole lines of the input and what their runner handed on.
struct Part {
    std::unique_ptr<char[]> bytes;  // room for a part, made when first needed
    std::size_t size = 0;
    KeptLines lines;
    std::size_t lineCount = 0;  // the lines the part ends
    bool textLost = false;
    bool done = false;  // evaluated, not yet handed on; guarded by the mutex
};

void Evaluate(Part& part) {
    const std::span<char> bytes(part.bytes.get(), part.size);
    part.lines.Start(bytes);
    batch::BatchRunner runner(part.lines);
    runner.Feed(bytes);
    runner.Finish();
    part.lineCount = runner.LineNumber() - 1;
    part.textLost = runner.TextLost();
}

class ParallelRun {
  public:
    ParallelRun(std::FILE* input, batch::BatchSink& sink, const BlockWriter& printed,
                const BlockWriter& written, std::size_t jobs, std::size_t partSize)
        : m_file(input),
          m_sink(sink),
          m_printed(printed),
          m_written(written),
          m_jobs(jobs),
          m_partSize(partSize),
          m_readSize(partSize),
          m_parts(2 * jobs + 2) {}
    ~ParallelRun();
    ParallelRun(const ParallelRun&) = delete;
    ParallelRun& operator=(const ParallelRun&) = delete;

    RunEnd Run();

  private:
    enum class Input {
        More,     // more may follow what was read
        Ended,    // at its end, or at the byte that ends the text
        Failed,   // a read error
        Stopped,  // no more is read: the output failed
    };

    // The calling thread.
    std::size_t Read(char* to, std::size_t room);
    void ReadPart();
    void RunHere(std::span<char> bytes);
    void Submit(Part& part, std::size_t size);
    void StartWorker();
    void HandOnDone();
    void HandOnAll();
    void HandOnHead();
    bool Going();
    Part& Head() { return m_parts[m_handedOn % m_parts.size()]; }

    // Takes the next part that no thread has taken and evaluates it; false
    // when there is none. The lock is held before and after.
    bool EvaluateNext(std::unique_lock<std::mutex>& lock);
    // The worker threads.
    void Work();

    std::FILE* const m_file;
    batch::BatchSink& m_sink;
    const BlockWriter& m_printed;
    const BlockWriter& m_written;
    const std::size_t m_jobs;
    const std::size_t m_partSize;

    // Only the calling thread uses these.
    std::size_t m_readSize;  // the bytes read for the next part
    Input m_input = Input::More;
    std::string m_carry;         // the start of a line that the last read cut
    std::size_t m_nextLine = 1;  // the number of the first line not yet handed on
    std::size_t m_handedOn = 0;  // parts handed on to the sink
    bool m_textLost = false;
    bool m_noMoreThreads = false;  // the system gave no more
    std::vector<std::thread> m_workers;

    // Part n lives in m_parts[n % size] from its reading until it is handed on.
    std::vector<Part> m_parts;
    std::mutex m_mutex;
    std::condition_variable m_workReady;  // a part to evaluate, or closing
    std::condition_variable m_partDone;   // for the calling thread
    std::size_t m_submitted = 0;          // parts read; written by the calling thread
    std::size_t m_claimed = 0;            // parts a worker has taken
    bool m_skip = false;                  // the output failed: parts are not evaluated
    bool m_closing = false;               // no more parts come
};

ParallelRun::~ParallelRun() {
    {
        const std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    m_workReady.notify_all();
    for (std::thread& worker : m_workers) worker.join();
}

// Reads, hands on and, when there is nothing of that to do, evaluates too:
// the calling thread is one of the `jobs`.
RunEnd ParallelRun::Run() {
    while (true) {
        HandOnDone();
        if (Going() && m_submitted - m_handedOn < m_parts.size()) {
            ReadPart();
            continue;
        }
        if (m_handedOn == m_submitted) break;
        std::unique_lock lock(m_mutex);
        if (!EvaluateNext(lock)) m_partDone.wait(lock, [this] { return Head().done; });
    }
    return {m_input != Input::Failed, m_textLost};
}

// Reads into `to`, up to the byte that ends the text.
std::size_t ParallelRun::Read(char* to, std::size_t room) {
    bool failed = false;
    const std::size_t got = batch::ReadBlock(m_file, to, room, failed);
    const std::size_t length = batch::TextLength(std::string_view(to, got));
    if (failed) {
        m_input = Input::Failed;
    } else if (length != got || got != room) {
        m_input = Input::Ended;
    }
    return length;
}

void ParallelRun::ReadPart() {
    Part& part = m_parts[m_submitted % m_parts.size()];
    if (!part.bytes) part.bytes = std::make_unique_for_overwrite<char[]>(m_partSize);
    char* const buffer = part.bytes.get();
    std::memcpy(buffer, m_carry.data(), m_carry.size());
    std::size_t size = m_carry.size();
    m_carry.clear();
    size += Read(buffer + size, std::max(m_readSize, size + 1) - size);
    // A line longer than the bytes read for this part fills it to the most.
    if (m_input == Input::More && size < m_partSize &&
        CutAfterLastLineEnd(std::span(buffer, size), false) == 0) {
        size += Read(buffer + size, m_partSize - size);
    }
    const std::span<char> bytes(buffer, size);

    if (m_input == Input::More) {
        const std::size_t cut = CutAfterLastLineEnd(bytes, false);
        if (cut == 0) {
            RunHere(bytes);  // a line longer than a part
        } else {
            m_carry.assign(buffer + cut, size - cut);
            Submit(part, cut);
        }
    } else if (m_submitted == 0) {
        RunHere(bytes);  // the whole input fits in one part: threads do not pay
    } else if (m_input == Input::Failed) {
        // The line that the read error cut is not run.
        const std::size_t cut = CutAfterLastLineEnd(bytes, true);
        if (cut != 0) Submit(part, cut);
    } else if (size != 0) {
        Submit(part, size);
    }
}

// Runs on this thread, straight into the sink, `bytes` (in a part's room),
// which hold no line end to cut after, and what follows them, until a read
// brings a line end to cut after or the input ends.
void ParallelRun::RunHere(std::span<char> bytes) {
    HandOnAll();
    if (m_input == Input::Stopped) return;
    batch::BatchRunner runner(m_sink, nullptr, m_nextLine);
    runner.Feed(bytes);
    while (Going()) {
        const std::span<char> read(bytes.data(), Read(bytes.data(), m_partSize));
        const std::size_t cut = m_input == Input::More ? CutAfterLastLineEnd(read, false) : 0;
        if (cut == 0) {
            runner.Feed(read);
            continue;
        }
        runner.Feed(read.first(cut));
        m_carry.assign(read.data() + cut, read.size() - cut);
        break;
    }
    if (m_input == Input::More || m_input == Input::Ended) runner.Finish();
    m_nextLine = runner.LineNumber();
    m_textLost |= runner.TextLost();
}

void ParallelRun::Submit(Part& part, std::size_t size) {
    part.size = size;
    if (m_submitted == 0) m_readSize = std::max<std::size_t>(1, m_partSize / kFirstPartsShare);
    // A thread more for each part until there are `jobs` with this one: a
    // short input starts no more than it has parts.
    if (m_workers.size() + 1 < m_jobs && !m_noMoreThreads) StartWorker();
    {
        const std::lock_guard lock(m_mutex);
        ++m_submitted;
    }
    m_workReady.notify_one();
}

void ParallelRun::StartWorker() {
    try {
        m_workers.emplace_back(&ParallelRun::Work, this);
    } catch (const std::system_error&) {
        m_noMoreThreads = true;  // the threads started, this one included, do the work
    }
}

void ParallelRun::HandOnDone() {
    while (m_handedOn != m_submitted) {
        {
            const std::lock_guard lock(m_mutex);
            if (!Head().done) return;
        }
        HandOnHead();
    }
}

void ParallelRun::HandOnAll() {
    while (m_handedOn != m_submitted) {
        {
            std::unique_lock lock(m_mutex);
            m_partDone.wait(lock, [this] { return Head().done; });
        }
        HandOnHead();
    }
}

void ParallelRun::HandOnHead() {
    Part& part = Head();
    if (m_input != Input::Stopped) part.lines.HandOn(m_sink, m_nextLine - 1);
    m_nextLine += part.lineCount;
    m_textLost |= part.textLost;
    const std::size_t kept = std::max<std::size_t>(1, part.lines.Size());
    m_readSize =
        std::clamp<std::size_t>(part.size * kKeptPerPart * m_partSize / kept, 1, m_partSize);
    Going();
    const std::lock_guard lock(m_mutex);
    part.done = false;
    ++m_handedOn;
}

// Whether more input is to be read; stops reading once the output has failed.
bool ParallelRun::Going() {
    if (m_input == Input::More && (m_printed.Failed() || m_written.Failed())) {
        m_input = Input::Stopped;
        const std::lock_guard lock(m_mutex);
        m_skip = true;
    }
    return m_input == Input::More;
}

bool ParallelRun::EvaluateNext(std::unique_lock<std::mutex>& lock) {
    if (m_claimed == m_submitted) return false;
    Part& part = m_parts[m_claimed++ % m_parts.size()];
    const bool skip = m_skip;
    lock.unlock();
    if (!skip) Evaluate(part);
    lock.lock();
    part.done = true;
    m_partDone.notify_one();
    return true;
}

void ParallelRun::Work() {
    std::unique_lock lock(m_mutex);
    while (true) {
        m_workReady.wait(lock, [this] { return m_claimed != m_submitted || m_closing; });
        if (!EvaluateNext(lock)) return;
    }
}

}  // namespace

RunEnd RunParallel(std::FILE* input, batch::BatchSink& sink, const BlockWriter& printed,
                   const BlockWriter& written, std::size_t jobs, std::size_t partSize) {
    ParallelRun run(input, sink, printed, written, jobs, partSize);
    return run.Run();
}

}  // namespace quorvane::cli
