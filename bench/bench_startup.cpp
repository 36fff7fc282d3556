// From process start to the main window's first paint, for the desktop program on a fresh
// demo plant: each iteration spawns the start-up probe in the plant's directory.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Runs `program` in `dir` and returns what it wrote; nullopt when it did not exit with 0.
std::optional<std::string> run(const char* program, const std::string& dir, const char* argument = nullptr) {
    int out[2];
    if (pipe(out) != 0) return std::nullopt;
    const pid_t pid = fork();
    if (pid < 0) {
        close(out[0]);
        close(out[1]);
        return std::nullopt;
    }
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (chdir(dir.c_str()) != 0) _exit(127);
        execl(program, program, argument, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return text;
}

void BM_StartupToMainWindow(benchmark::State& state) {
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/lumetra-bench-XXXXXX";
    if (!mkdtemp(pattern)) {
        state.SkipWithError("no temporary directory");
        return;
    }
    const std::string plant = pattern;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!run(LUMETRA_DEMO, "/", plant.c_str())) {
        state.SkipWithError("lumetra-demo failed");
    } else {
        run(LUMETRA_STARTUP_PROBE, plant);  // warm the file cache once
        for (auto _ : state) {
            const long long start = monotonicNs();
            const auto shown = run(LUMETRA_STARTUP_PROBE, plant);
            const long long painted = shown ? std::atoll(shown->c_str()) : 0;
            if (painted <= start) {
                state.SkipWithError("the probe failed");
                break;
            }
            state.SetIterationTime(static_cast<double>(painted - start) / 1e9);
        }
    }
    std::error_code ignored;
    fs::remove_all(plant, ignored);
}

}  // namespace

BENCHMARK(BM_StartupToMainWindow)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
