// The editor's start, from process start to its dialog shown and the event loop idle, and
// its peak memory, against a bare Qt dialog with the same 20 widgets started the same way.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct StartSample {
    double seconds;
    double peakKiB;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Starts `program` with the idle probe preloaded and waits for its report.
std::optional<StartSample> startOnce(const std::string& program) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
    const int childFd = ::fcntl(fds[1], F_DUPFD, 10);   // without close-on-exec, for the child
    ::close(fds[1]);

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("LD_PRELOAD=", 0) != 0 && entry.rfind("BREVANT_PROBE_FD=", 0) != 0) env.push_back(entry);
    }
    if (!std::getenv("QT_QPA_PLATFORM")) env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("LD_PRELOAD=" BREVANT_IDLE_PROBE);
    env.push_back("BREVANT_PROBE_FD=" + std::to_string(childFd));
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string arg0 = program;
    char* argv[] = {arg0.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    const long long start = monotonicNs();
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(childFd);
    if (spawned != 0) {
        ::close(fds[0]);
        return std::nullopt;
    }

    std::string text;
    pollfd p{fds[0], POLLIN, 0};
    while (text.find('\n') == std::string::npos && ::poll(&p, 1, 30000) > 0) {
        char buf[128];
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n <= 0) break;
        text.append(buf, static_cast<size_t>(n));
    }
    ::close(fds[0]);
    if (text.find('\n') == std::string::npos) ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);

    long long shownAt = 0;
    long peak = 0;
    if (std::sscanf(text.c_str(), "%lld %ld", &shownAt, &peak) != 2) return std::nullopt;
    return StartSample{static_cast<double>(shownAt - start) / 1e9, static_cast<double>(peak)};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

void BM_EditorStart(benchmark::State& state) {
    std::vector<double> editorTime, floorTime, editorPeak, floorPeak;
    bool floorFirst = true;
    for (auto _ : state) {
        std::optional<StartSample> f, e;
        if (floorFirst) {
            f = startOnce(BREVANT_BARE_DIALOG);
            e = startOnce(BREVANT_EDITOR);
        } else {
            e = startOnce(BREVANT_EDITOR);
            f = startOnce(BREVANT_BARE_DIALOG);
        }
        floorFirst = !floorFirst;
        if (!e || !f) {
            state.SkipWithError(!e ? "the editor did not report its dialog shown" : "the bare dialog did not report");
            return;
        }
        state.SetIterationTime(e->seconds);
        editorTime.push_back(e->seconds);
        floorTime.push_back(f->seconds);
        editorPeak.push_back(e->peakKiB);
        floorPeak.push_back(f->peakKiB);
    }
    state.counters["editor_ms"] = median(editorTime) * 1e3;
    state.counters["floor_ms"] = median(floorTime) * 1e3;
    state.counters["time_ratio"] = median(editorTime) / median(floorTime);   // goal: at most 1.2
    state.counters["editor_peak_KiB"] = median(editorPeak);
    state.counters["floor_peak_KiB"] = median(floorPeak);
    state.counters["memory_ratio"] = median(editorPeak) / median(floorPeak);   // goal: at most 1.2
}
BENCHMARK(BM_EditorStart)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
