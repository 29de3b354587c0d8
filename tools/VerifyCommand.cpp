#include <algorithm>
#include <atomic>
#include <thread>

#include "Commands.h"
#include "ExitStatus.h"
#include "ReadReport.h"
#include "RecordFileIO.h"
#include "TerminalText.h"

namespace {

// Files are checked in chunks: workers read a chunk's files in any order, then the
// chunk is reported in the order given, so a long list streams and never reorders.
constexpr std::size_t kChunk = 4096;
constexpr std::size_t kFilesPerThread = 256;   // fewer files are not worth a thread
constexpr unsigned kMaxThreads = 4;

unsigned threadsFor(std::size_t files, unsigned requested) {
    unsigned threads = requested ? requested : std::min(std::max(1u, std::thread::hardware_concurrency()), kMaxThreads);
    return static_cast<unsigned>(std::clamp<std::size_t>(files / kFilesPerThread, 1, threads));
}

}  // namespace

int runVerify(const std::vector<std::string>& files, Streams io, unsigned threads) {
    int status = kExitOk;
    threads = threadsFor(files.size(), threads);
    std::vector<RecordRead> reads(std::min(files.size(), kChunk));
    for (std::size_t base = 0; base < files.size(); base += kChunk) {
        const std::size_t count = std::min(kChunk, files.size() - base);
        std::atomic<std::size_t> next{0};
        auto work = [&] {
            for (std::size_t i; (i = next.fetch_add(1, std::memory_order_relaxed)) < count;)
                reads[i] = readRecordFile(files[base + i]);
        };
        {
            std::vector<std::jthread> helpers;
            for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(work);
            work();
        }
        for (std::size_t i = 0; i < count; ++i) {
            status = worseStatus(status, readStatus(reads[i]));
            io.out << pathForTerminal(files[base + i]) << ": " << readVerdict(reads[i]) << '\n';
        }
    }
    return status;
}
