// The batch run on several threads. The calling thread reads the input in
// parts of whole lines; every thread, the calling one when it has nothing to
// read or hand on, takes the next part, runs it on a runner of its own and
// keeps what it hands on; the calling thread hands the parts on to the sink
// in input order. Lines are independent of each other, so the sink gets
// exactly what one runner over the whole input hands it, whatever the number
// of threads (see BatchRunner).
//
// Memory is bounded by the parts in flight, two for each thread and two
// more, each of the part's bytes and what its lines hand on. A line too long
// for a part, and an input shorter than a few parts, run on the calling
// thread alone, as the single-threaded run takes them.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdio>

#include "BlockWriter.h"
#include "batch/BatchRunner.h"

namespace quorvane::cli {

// The most bytes read for one part; a longer line runs on the calling thread.
inline constexpr std::size_t kPartSize = 1 << 16;

// How a run through the input ended.
struct RunEnd {
    int readError;  // 0, or the system's error number of a read that failed
    bool textLost;  // see BatchRunner::TextLost
};

// The error number of the call that has just failed; EIO where it set none.
inline int FailureErrorNumber() { return errno != 0 ? errno : EIO; }

// Runs the input, up to the byte that ends the text, through `sink` on `jobs`
// threads, the calling one included. Stops reading once `printed` or
// `written` has failed.
RunEnd RunParallel(std::FILE* input, batch::BatchSink& sink, const BlockWriter& printed,
                   const BlockWriter& written, std::size_t jobs, std::size_t partSize = kPartSize);

}  // namespace quorvane::cli
