// brevant-cfg verify over a folder of record files, against a floor measured in the same
// run: a minimal loop that opens, reads and closes the same files.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Commands.h"
#include "ConfigRecord.h"
#include "File.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

int fileCount() {
    const char* text = std::getenv("BREVANT_BENCH_FILES");
    return text ? std::atoi(text) : 100000;
}

// Memory-backed when the machine has /dev/shm: writing 100,000 files to a busy disk can
// stall for minutes, and both passes read from the page cache in any case.
fs::path benchFolderBase() {
    if (const char* base = std::getenv("BREVANT_BENCH_DIR")) return base;
    if (::access("/dev/shm", W_OK) == 0) return "/dev/shm";
    return fs::temp_directory_path();
}

// The folder is made once per process and removed at exit.
struct RecordFolder {
    fs::path dir;
    std::vector<std::string> paths;

    RecordFolder() {
        std::string pattern = (benchFolderBase() / "brevant-verify-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir = pattern;
        const int n = fileCount();
        paths.reserve(n);
        for (int i = 0; i < n; ++i) {
            ConfigValues v;
            v.titleName = "record " + std::to_string(i);
            v.customerId = static_cast<std::uint32_t>(i);
            v.keyAddr = static_cast<std::uint32_t>(i) * 16u;
            v.hwType = static_cast<std::uint8_t>(i);
            v.jpegAddr = -i;
            std::uint8_t bytes[ConfigRecord::kSize];
            encodeRecord(v, bytes);
            char name[32];
            std::snprintf(name, sizeof name, "r%06d.cfg", i);
            paths.push_back((dir / name).string());
            const int fd = ::open(paths.back().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::write(fd, bytes, sizeof bytes) != sizeof bytes || ::close(fd) != 0) std::abort();
        }
    }
    ~RecordFolder() { fs::remove_all(dir); }
};

RecordFolder& folder() {
    static RecordFolder f;
    return f;
}

// The least any checker must do per file.
double floorPass(const std::vector<std::string>& paths) {
    const auto start = Clock::now();
    std::uint8_t buffer[ConfigRecord::kSize];
    long total = 0;
    for (const std::string& p : paths) {
        const int fd = ::open(p.c_str(), O_RDONLY);
        if (fd < 0) std::abort();
        total += ::read(fd, buffer, sizeof buffer);
        ::close(fd);
    }
    benchmark::DoNotOptimize(total);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The editor's way of reading each file (CFile: look, open, lock, measure, read, close)
// with nothing else: shows how much of verify's time is the file layer's.
double cfilePass(const std::vector<std::string>& paths) {
    const auto start = Clock::now();
    std::uint8_t buffer[ConfigRecord::kSize];
    long total = 0;
    for (const std::string& p : paths) {
        CFile file;
        if (!file.Open(p.c_str(), CFile::modeRead) || file.GetLength() != ConfigRecord::kSize) std::abort();
        total += file.Read(buffer, sizeof buffer);
        file.Close();
    }
    benchmark::DoNotOptimize(total);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double verifyPass(const std::vector<std::string>& paths, std::ostream& sink, unsigned threads) {
    const auto start = Clock::now();
    const int status = runVerify(paths, Streams{sink, sink}, threads);
    sink.flush();
    if (status != 0) std::abort();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Argument: verify's reading threads; 0 is what the tool uses (one per core, at most 4).
void BM_VerifyFolder(benchmark::State& state) {
    const std::vector<std::string>& paths = folder().paths;
    const auto threads = static_cast<unsigned>(state.range(0));
    std::ofstream sink("/dev/null");   // the report is written and formatted, then dropped
    floorPass(paths);                  // both passes see a warm cache
    verifyPass(paths, sink, threads);
    double floorTime = 0, verifyTime = 0, cfileTime = 0;
    bool floorFirst = true;
    for (auto _ : state) {
        double f = 0, v = 0;
        if (floorFirst) {
            f = floorPass(paths);
            v = verifyPass(paths, sink, threads);
        } else {
            v = verifyPass(paths, sink, threads);
            f = floorPass(paths);
        }
        floorFirst = !floorFirst;
        floorTime += f;
        verifyTime += v;
        cfileTime += cfilePass(paths);
        state.SetIterationTime(v);
    }
    const double n = static_cast<double>(paths.size()) * static_cast<double>(state.iterations());
    state.counters["files"] = static_cast<double>(paths.size());
    state.counters["verify_files_per_s"] = n / verifyTime;
    state.counters["floor_files_per_s"] = n / floorTime;
    state.counters["ratio"] = verifyTime / floorTime;   // goal: at most 1.25
    state.counters["cfile_loop_ratio"] = cfileTime / floorTime;   // the file layer alone
}
BENCHMARK(BM_VerifyFolder)->ArgName("threads")->Arg(0)->Arg(1)->UseManualTime()->Iterations(6)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
