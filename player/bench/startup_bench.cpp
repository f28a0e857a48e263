// Time from starting a Windows program under Wine to its main window on
// screen: the player beside the smallest window program, all started the
// same way (through scripts/wine-run, with VORNE_TRACE naming a fresh file
// and the time taken when "shown" appears in it). The player starts twice
// over: in its own folder with the built-in face, and from a copy in a
// folder of its own whose options name a skin converted from a Winamp
// classic skin when the benchmark starts.
//
// Every start meets Wine's desktop process already running, as a program
// on Windows meets its desktop: the smallest window program stays open in a
// process group of its own for the whole run and keeps it. Without it each
// start (and its kill) would bring the desktop process up and down again,
// adding the same ~200 ms to every case and hiding the difference.
//
//   VORNE_BENCH_PLAYER=build/win32/bin/Vorne.exe
//   VORNE_BENCH_MINIMAL=build/win32/bin/minimal_window.exe
//   VORNE_BENCH_CONVERTER=build/win32/bin/bench_convert_skin.exe
//   VORNE_BENCH_WINAMP_SKIN=/usr/share/audacious/Skins/Debian/main.bmp (the default)
//   build/host/player/bench/vorne_startup_bench
// (VORNE_WINE_ARCH=win64 with the programs of the win64 build.)
#include <benchmark/benchmark.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

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

std::string WineRun() { return std::string(VORNE_SOURCE_DIR) + "/scripts/wine-run"; }

// Runs a Windows program to its end; true when it ended with 0.
bool RunToEnd(const std::vector<std::string>& args) {
    const std::string run = WineRun();
    std::vector<const char*> argv{"sh", run.c_str()};
    for (const std::string& a : args) argv.push_back(a.c_str());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        execv("/bin/sh", const_cast<char* const*>(argv.data()));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A fresh empty file for a start's trace lines; "" when none can be made.
std::string TempTraceFile() {
    char name[] = "/tmp/vorne-bench-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) return {};
    close(fd);
    return name;
}

// Starts a Windows program in a process group of its own; its pid, or -1.
pid_t Launch(const std::string& program, const std::string& trace) {
    const std::string wineRun = WineRun();
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        if (!trace.empty()) setenv("VORNE_TRACE", ("Z:" + trace).c_str(), 1);
        execl("/bin/sh", "sh", wineRun.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void KillGroup(pid_t pid) {
    if (pid <= 0) return;
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// The smallest window program kept open for the whole run, so that the
// desktop process is there for every start; 0 when there is none.
pid_t desktop_holder = 0;

void HoldDesktop() {
    const std::string minimal = Env("VORNE_BENCH_MINIMAL");
    if (minimal.empty()) return;
    const std::string trace = TempTraceFile();
    if (trace.empty()) return;
    desktop_holder = Launch(minimal, trace);
    if (desktop_holder < 0) {
        desktop_holder = 0;
        unlink(trace.c_str());
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    while (!TraceShown(trace) && std::chrono::steady_clock::now() - start < std::chrono::seconds(60))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    unlink(trace.c_str());
}

void ReleaseDesktop() {
    if (desktop_holder > 0) KillGroup(desktop_holder);
    desktop_holder = 0;
}

// Seconds until the program's window is shown; negative when it never is.
double StartOnce(const std::string& program) {
    const std::string trace = TempTraceFile();
    if (trace.empty()) return -1;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = Launch(program, trace);
    if (pid < 0) {
        unlink(trace.c_str());
        return -1;
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
    KillGroup(pid);
    // Let the Wine server notice the end before the next start.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    unlink(trace.c_str());
    return seconds;
}

double player_mean = 0, minimal_mean = 0, skinned_mean = 0;

void Ratios(benchmark::State& state) {
    if (minimal_mean <= 0) return;
    if (player_mean > 0) state.counters["player_over_minimal"] = player_mean / minimal_mean;
    if (skinned_mean > 0) state.counters["skinned_over_minimal"] = skinned_mean / minimal_mean;
}

// mean: the median of the runs. One start before them, not counted, lets
// each case meet Wine's desktop process in the same state.
void MeasureProgram(benchmark::State& state, const std::string& program, double& mean) {
    StartOnce(program);
    std::vector<double> times;
    for (auto _ : state) {
        const double s = StartOnce(program);
        if (s < 0) {
            state.SkipWithError("the window was not shown");
            return;
        }
        state.SetIterationTime(s);
        times.push_back(s);
    }
    std::sort(times.begin(), times.end());
    mean = times.empty() ? 0 : times[times.size() / 2];
    state.counters["seconds_to_shown"] = mean;
    Ratios(state);
}

void Measure(benchmark::State& state, const char* variable, double& mean) {
    const std::string program = Env(variable);
    if (program.empty()) {
        state.SkipWithError((std::string(variable) + " names no program").c_str());
        return;
    }
    MeasureProgram(state, program, mean);
}

// The Windows form of a host path (Wine's Z: drive).
std::string WinePath(const std::string& path) {
    std::string w = "Z:" + path;
    for (char& c : w)
        if (c == '/') c = '\\';
    return w;
}

// The player copied into a fresh folder with the converted skin beside it
// and options that name the skin; empty when it cannot be set up.
std::string SkinnedPlayer(benchmark::State& state) {
    namespace fs = std::filesystem;
    const std::string player = Env("VORNE_BENCH_PLAYER"), converter = Env("VORNE_BENCH_CONVERTER");
    std::string winamp = Env("VORNE_BENCH_WINAMP_SKIN");
    if (winamp.empty()) winamp = "/usr/share/audacious/Skins/Debian/main.bmp";
    if (player.empty() || converter.empty()) {
        state.SkipWithError("VORNE_BENCH_PLAYER or VORNE_BENCH_CONVERTER names no program");
        return {};
    }
    if (!fs::exists(winamp)) {
        state.SkipWithError((winamp + " is missing (package audacious-plugins-data)").c_str());
        return {};
    }
    char name[] = "/tmp/vorne-bench-skin-XXXXXX";
    if (!mkdtemp(name)) return {};
    const fs::path dir = fs::absolute(name), from = fs::absolute(player).parent_path();
    for (const char* f : {"Vorne.exe", "Plovex1.ocx", "Dunmere.ocx", "Vornesub.dll"}) {
        std::error_code ec;
        fs::copy_file(from / f, dir / f, ec);
    }
    const std::string skin = WinePath((dir / "Converted.vsk").string());
    if (!RunToEnd({fs::absolute(converter).string(), WinePath(fs::absolute(winamp).string()), skin})) {
        state.SkipWithError("the skin was not converted");
        return {};
    }
    // The options file: one value a line; line 12 is the skin, the rest as
    // a first run leaves them, playing nothing at the start.
    const char* lines[] = {" 0 ", " 2 ", " 0 ", " 0 ", "True", "%1 - %2%NL%3     %4%NL%6     %5",
                           "%1 - %2  [%TR]", " 1 ", "[%TT]%TB%1 - %2", " 0 ", " 0 ", nullptr, "", "", "", "",
                           "", "", " 0 ", " 0 ", "True", " 0 ", " 0 ", " 6 ", " 0 ", " 1 ", " 0 ", "", "",
                           "0", "0", "0", "0", " 0 ", " 0 ", "", " 10 "};
    std::ofstream ini(dir / "Vorne.ini", std::ios::binary);
    for (const char* l : lines) ini << (l ? l : skin.c_str()) << "\r\n";
    return (dir / "Vorne.exe").string();
}

void BM_MinimalWindowStart(benchmark::State& state) { Measure(state, "VORNE_BENCH_MINIMAL", minimal_mean); }
void BM_PlayerStart(benchmark::State& state) { Measure(state, "VORNE_BENCH_PLAYER", player_mean); }
void BM_PlayerStartConvertedSkin(benchmark::State& state) {
    const std::string program = SkinnedPlayer(state);
    if (program.empty()) return;
    MeasureProgram(state, program, skinned_mean);
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(program).parent_path(), ec);
}

BENCHMARK(BM_MinimalWindowStart)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerStart)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerStartConvertedSkin)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    HoldDesktop();
    benchmark::RunSpecifiedBenchmarks();
    ReleaseDesktop();
    benchmark::Shutdown();
    return 0;
}
