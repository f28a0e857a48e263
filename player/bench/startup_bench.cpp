// Time from starting a Windows program under Wine to its main window on
// screen: the player beside the smallest window program, both started the
// same way (through scripts/wine-run, with VORNE_TRACE naming a fresh file
// and the time taken when "shown" appears in it).
//
//   VORNE_BENCH_PLAYER=build/win32/bin/Vorne.exe
//   VORNE_BENCH_MINIMAL=build/win32/bin/minimal_window.exe
//   build/host/player/bench/vorne_startup_bench
#include <benchmark/benchmark.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

bool TraceShown(const std::string& file) {
    std::ifstream f(file);
    std::string line;
    while (std::getline(f, line))
        if (line.rfind("shown", 0) == 0) return true;
    return false;
}

// Seconds until the program's window is shown; negative when it never is.
double StartOnce(const std::string& program) {
    char name[] = "/tmp/vorne-bench-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) return -1;
    close(fd);
    const std::string trace = name;
    const std::string wineRun = std::string(VORNE_SOURCE_DIR) + "/scripts/wine-run";
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        const std::string winTrace = "Z:" + trace;
        setenv("VORNE_TRACE", winTrace.c_str(), 1);
        execl("/bin/sh", "sh", wineRun.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    double seconds = -1;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(60)) {
        if (TraceShown(trace)) {
            seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            break;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    // Let the Wine server notice the end before the next start.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    unlink(trace.c_str());
    return seconds;
}

double player_mean = 0, minimal_mean = 0;

void Measure(benchmark::State& state, const char* variable, double& mean) {
    const std::string program = Env(variable);
    if (program.empty()) {
        state.SkipWithError((std::string(variable) + " names no program").c_str());
        return;
    }
    double total = 0;
    int runs = 0;
    for (auto _ : state) {
        const double s = StartOnce(program);
        if (s < 0) {
            state.SkipWithError("the window was not shown");
            return;
        }
        state.SetIterationTime(s);
        total += s;
        ++runs;
    }
    mean = runs ? total / runs : 0;
    state.counters["seconds_to_shown"] = mean;
    if (player_mean > 0 && minimal_mean > 0) state.counters["player_over_minimal"] = player_mean / minimal_mean;
}

void BM_MinimalWindowStart(benchmark::State& state) { Measure(state, "VORNE_BENCH_MINIMAL", minimal_mean); }
void BM_PlayerStart(benchmark::State& state) { Measure(state, "VORNE_BENCH_PLAYER", player_mean); }

BENCHMARK(BM_MinimalWindowStart)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerStart)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
