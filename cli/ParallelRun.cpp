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

// An input shorter than this many parts is run on the calling thread alone:
// below that, threads do not pay (measured with bench/run-bench.sh).
constexpr std::size_t kSmallInputParts = 8;

// A part whose lines keep much for their size (very short lines) makes the
// parts read after it smaller, so that what a part keeps stays near
// kKeptPerPart times the most bytes read for a part and memory stays bounded
// whatever the lines hold. Until the first part is
// handed on, parts are read at 1/kFirstPartsShare of the most: small enough
// for what any line may keep, and many, so that every thread has work soon.
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

// The bytes of a cache line on the processors this runs on.
constexpr std::size_t kCacheLine = 64;

// Whole lines of the input and what their runner handed on. Parts are
// evaluated side by side, each by its own thread writing into it at every
// line: each starts a cache line of its own, so that no thread writes where
// another reads.
struct alignas(kCacheLine) Part {
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
          m_readSize(std::max<std::size_t>(1, partSize / kFirstPartsShare)),
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
    using Lock = std::unique_lock<std::mutex>;

    // The calling thread: reading, and running lines here.
    bool Going(Lock& lock);
    std::size_t Read(char* to, std::size_t room);
    std::size_t Fill(char* part, std::size_t size, std::size_t end);
    void GiveBack(const char* bytes, std::size_t size);
    void ReadPart();
    void RunHere(std::span<char> bytes);
    void Submit(Part& part, std::size_t size);
    void StartWorker();
    void Drain(Lock& lock);

    // The lock is held before and after.
    bool EvaluateNext(Lock& lock);  // every thread
    void HandOnHeads(Lock& lock);   // the calling thread
    Part& Head() { return m_parts[m_handedOn % m_parts.size()]; }
    bool OutputFailed() const { return m_printed.Failed() || m_written.Failed(); }

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
    // Bytes read and not yet in a part, from m_aheadStart on: the start of
    // the input, read ahead to see whether it is short, and the start of the
    // line that a part's last read cut.
    std::string m_ahead;
    std::size_t m_aheadStart = 0;
    bool m_noMoreThreads = false;  // the system gave no more
    std::vector<std::thread> m_workers;
    std::size_t m_nextLine = 1;  // the number of the first line not yet handed on
    bool m_textLost = false;
    int m_readError = 0;

    // Guarded by the mutex. Part n lives in m_parts[n % size] from its
    // reading until it is handed on.
    std::mutex m_mutex;
    std::vector<Part> m_parts;
    std::condition_variable m_workReady;  // a part to evaluate, or closing
    std::condition_variable m_changed;    // for the calling thread: a part is done
    std::size_t m_submitted = 0;          // parts read
    std::size_t m_claimed = 0;            // parts a thread has taken
    std::size_t m_handedOn = 0;           // parts handed on to the sink
    bool m_stopped = false;               // the output failed: parts are not evaluated
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

// Reads and hands on, and when there is neither to do, evaluates like the
// other threads: the calling thread is one of the `jobs`.
RunEnd ParallelRun::Run() {
    m_ahead.resize(kSmallInputParts * m_partSize);
    m_ahead.resize(Read(m_ahead.data(), m_ahead.size()));
    if (m_input != Input::More) {
        RunHere(m_ahead);  // a short input: threads do not pay
        return {m_readError, m_textLost};
    }
    Lock lock(m_mutex);
    while (Going(lock)) {
        HandOnHeads(lock);
        if (m_submitted - m_handedOn < m_parts.size()) {
            lock.unlock();
            ReadPart();
            lock.lock();
        } else if (!EvaluateNext(lock)) {
            m_changed.wait(lock);
        }
    }
    Drain(lock);
    return {m_readError, m_textLost};
}

// Whether more input is to be read; none once the output has failed.
// The lock is held.
bool ParallelRun::Going(Lock&) {
    if (m_input == Input::More && m_stopped) m_input = Input::Stopped;
    return m_input == Input::More;
}

// Reads into `to`, up to the byte that ends the text.
std::size_t ParallelRun::Read(char* to, std::size_t room) {
    bool failed = false;
    const std::size_t got = batch::ReadBlock(m_file, to, room, failed);
    const std::size_t length = batch::TextLength(std::string_view(to, got));
    if (failed) {
        m_input = Input::Failed;
        m_readError = FailureErrorNumber();
    } else if (length != got || got != room) {
        m_input = Input::Ended;
    }
    return length;
}

// Puts into part[size, end) the bytes that come next, those read ahead first;
// returns where they end.
std::size_t ParallelRun::Fill(char* part, std::size_t size, std::size_t end) {
    const std::size_t ahead = std::min(m_ahead.size() - m_aheadStart, end - size);
    std::memcpy(part + size, m_ahead.data() + m_aheadStart, ahead);
    size += ahead;
    m_aheadStart += ahead;
    if (m_aheadStart == m_ahead.size()) {
        m_ahead.clear();
        m_aheadStart = 0;
    }
    if (size < end && m_input == Input::More) size += Read(part + size, end - size);
    return size;
}

// Gives back the bytes after a part's cut, which begin the next part.
void ParallelRun::GiveBack(const char* bytes, std::size_t size) {
    if (m_aheadStart != 0) {
        // The part was filled from bytes read ahead alone, and ends with these.
        m_aheadStart -= size;
    } else {
        m_ahead.assign(bytes, size);
    }
}

// Reads a part into the next free room.
void ParallelRun::ReadPart() {
    Part& part = m_parts[m_submitted % m_parts.size()];
    if (!part.bytes) part.bytes = std::make_unique_for_overwrite<char[]>(m_partSize);
    char* const buffer = part.bytes.get();
    std::size_t size = Fill(buffer, 0, m_readSize);
    // A line longer than the bytes read for this part fills it to the most.
    if (m_input == Input::More && size < m_partSize &&
        CutAfterLastLineEnd(std::span(buffer, size), false) == 0) {
        size = Fill(buffer, size, m_partSize);
    }
    const std::span<char> bytes(buffer, size);

    if (m_input == Input::More) {
        const std::size_t cut = CutAfterLastLineEnd(bytes, false);
        if (cut == 0) {
            RunHere(bytes);  // a line longer than a part
        } else {
            GiveBack(buffer + cut, size - cut);
            Submit(part, cut);
        }
    } else if (m_submitted == 0) {
        RunHere(bytes);  // the rest of the input fits in a part: no thread is needed
    } else if (m_input == Input::Failed) {
        // The line that the read error cut is not run.
        const std::size_t cut = CutAfterLastLineEnd(bytes, true);
        if (cut != 0) Submit(part, cut);
    } else if (size != 0) {
        Submit(part, size);
    }
}

// Runs on this thread, straight into the sink, `bytes`, which hold no line
// end to cut after, and what follows them, read into their room of a part,
// until a read brings a line end to cut after or the input ends.
void ParallelRun::RunHere(std::span<char> bytes) {
    {
        Lock lock(m_mutex);
        Drain(lock);
        Going(lock);
    }
    if (m_input == Input::Stopped) return;
    batch::BatchRunner runner(m_sink, nullptr, m_nextLine);
    runner.Feed(bytes);
    while (m_input == Input::More && !OutputFailed()) {
        const std::span<char> read(bytes.data(), Fill(bytes.data(), 0, m_partSize));
        const std::size_t cut = m_input == Input::More ? CutAfterLastLineEnd(read, false) : 0;
        if (cut == 0) {
            runner.Feed(read);
            continue;
        }
        runner.Feed(read.first(cut));
        GiveBack(read.data() + cut, read.size() - cut);
        break;
    }
    if (OutputFailed()) {
        const std::lock_guard lock(m_mutex);
        m_stopped = true;  // no more is read
    } else if (m_input != Input::Failed) {
        runner.Finish();
    }
    m_nextLine = runner.LineNumber();
    m_textLost |= runner.TextLost();
}

void ParallelRun::Submit(Part& part, std::size_t size) {
    part.size = size;
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

// Evaluates and hands on until every part read is handed on.
void ParallelRun::Drain(Lock& lock) {
    while (true) {
        HandOnHeads(lock);
        if (m_handedOn == m_submitted) return;
        if (!EvaluateNext(lock)) m_changed.wait(lock);
    }
}

// Takes the next part that no thread has taken and evaluates it; false when
// there is none.
bool ParallelRun::EvaluateNext(Lock& lock) {
    if (m_claimed == m_submitted) return false;
    Part& part = m_parts[m_claimed++ % m_parts.size()];
    const bool skip = m_stopped;
    lock.unlock();
    if (!skip) Evaluate(part);
    lock.lock();
    part.done = true;
    m_changed.notify_one();
    return true;
}

// Hands on to the sink, in input order, the evaluated parts at the head. One
// thread alone writes the output, so that it stays in that thread's cache.
void ParallelRun::HandOnHeads(Lock& lock) {
    while (m_handedOn != m_submitted && Head().done) {
        Part& part = Head();
        const bool stopped = m_stopped;
        lock.unlock();
        if (!stopped) part.lines.HandOn(m_sink, m_nextLine - 1);
        m_nextLine += part.lineCount;
        m_textLost |= part.textLost;
        const bool failed = OutputFailed();
        const std::size_t kept = std::max<std::size_t>(1, part.lines.Size());
        lock.lock();
        m_stopped |= failed;
        m_readSize =
            std::clamp<std::size_t>(part.size * kKeptPerPart * m_partSize / kept, 1, m_partSize);
        part.done = false;
        ++m_handedOn;
    }
}

void ParallelRun::Work() {
    Lock lock(m_mutex);
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
