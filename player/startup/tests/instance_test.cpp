// Two real processes of the probe program: a first instance with its window
// visible, hidden or minimised, and a second start with or without a
// command line, checked against what the first one received.
#include "player/startup/instance.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "player/startup/handover.h"

namespace vorne::player::startup {
namespace {

constexpr DWORD kStepMs = 50;

std::string ProbePath() {
    char buf[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::string self(buf, n);
    return self.substr(0, self.find_last_of("\\/") + 1) + "instance_probe.exe";
}

bool MutexExists() {
    HANDLE h = OpenMutexA(SYNCHRONIZE, FALSE, kMutexName);
    if (!h) return false;
    CloseHandle(h);
    return true;
}

template <class F>
bool PollFor(DWORD timeoutMs, F done) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kStepMs);
    }
}

struct Process {
    PROCESS_INFORMATION pi{};
    bool Start(const std::string& args) {
        std::string cmd = "\"" + ProbePath() + "\"" + (args.empty() ? "" : " " + args);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        return CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi) != 0;
    }
    // The exit code, or STILL_ACTIVE when it did not end in time.
    DWORD Wait(DWORD timeoutMs) {
        WaitForSingleObject(pi.hProcess, timeoutMs);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(pi.hProcess, &code);
        return code;
    }
    void Close() {
        if (!pi.hProcess) return;
        if (Wait(0) == STILL_ACTIVE) TerminateProcess(pi.hProcess, 9);
        WaitForSingleObject(pi.hProcess, 5000);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
        pi = {};
    }
    ~Process() { Close(); }
};

// The marked window of the given process, or null.
HWND MarkedWindowOf(DWORD pid) {
    HWND found = FindPreviousInstance();
    DWORD owner = 0;
    if (found) GetWindowThreadProcessId(found, &owner);
    return owner == pid ? found : nullptr;
}

class InstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Another program of this prefix may be running under the same
        // names for a moment; wait for it before starting.
        ASSERT_TRUE(PollFor(20000, [] { return !MutexExists(); })) << "an instance is already running";
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        char file[MAX_PATH];
        GetTempFileNameA(dir, "vpl", 0, file);
        log_ = file;
        DeleteFileA(log_.c_str());
        SetEnvironmentVariableA("VORNE_PROBE_LOG", log_.c_str());
    }
    void TearDown() override {
        if (first_.pi.hProcess && window_) {
            PostMessageA(window_, WM_CLOSE, 0, 0);
            first_.Wait(5000);
        }
        first_.Close();
        window_ = nullptr;
        DeleteFileA(log_.c_str());
        PollFor(5000, [] { return !MutexExists(); });
    }

    // Starts the first instance and waits for its marked window.
    void StartFirst(const std::string& args) {
        ASSERT_TRUE(first_.Start(args));
        const DWORD pid = first_.pi.dwProcessId;
        ASSERT_TRUE(PollFor(10000, [&] { return (window_ = MarkedWindowOf(pid)) != nullptr; }));
    }
    // Runs a second start to its end; its exit code.
    DWORD RunSecond(const std::string& args) {
        Process second;
        EXPECT_TRUE(second.Start(args));
        return second.Wait(15000);
    }
    std::string Received() const {
        std::ifstream in(log_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::string log_;
    Process first_;
    HWND window_ = nullptr;
};

TEST_F(InstanceTest, SecondStartHandsOverOrActivates) {
    struct Case {
        const char* state;
        const char* args;
        const char* received;  // the running instance's log after the second start
    };
    const Case cases[] = {
        {"visible", "C:\\music\\song.mp3", "parse AddFile C:\\music\\song.mp3\n"},
        {"visible", "C:\\lists\\Party.M3U", "parse LoadPlayList C:\\lists\\Party.M3U\n"},
        {"visible", "\"C:\\my music\\a b.pls\"", "parse LoadPlayList C:\\my music\\a b.pls\n"},
        {"hidden", "C:\\music\\song.mp3", "parse AddFile C:\\music\\song.mp3\n"},
        {"minimized", "C:\\x.vna", "parse LoadPlayList C:\\x.vna\n"},
        {"visible", "", ""},           // nothing sent, only activated
        {"hidden", "", "show\n"},      // one zero byte: shown
        {"minimized", "", ""},         // restored, nothing sent
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.state) + " / [" + c.args + "]");
        StartFirst(std::string("-state ") + c.state);
        EXPECT_EQ(RunSecond(c.args), 0u);
        EXPECT_EQ(Received(), c.received);
        // Whatever the second start did, the running window ends up shown
        // and not minimised.
        EXPECT_TRUE(PollFor(2000, [&] { return IsWindowVisible(window_) && !IsIconic(window_); }));
        TearDown();
        SetUp();
    }
}

TEST_F(InstanceTest, EmptyStartActivatesVisibleWindow) {
    StartFirst("-state visible");
    // Another window in front of the running instance.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    PollFor(1000, [&] { return GetForegroundWindow() == other; });
    EXPECT_EQ(RunSecond(""), 0u);
    EXPECT_TRUE(PollFor(2000, [&] { return GetForegroundWindow() == window_; }));
    EXPECT_EQ(Received(), "");
    DestroyWindow(other);
}

TEST_F(InstanceTest, SecondStartWaitsForASlowLoad) {
    ASSERT_TRUE(first_.Start("-state visible -delay 1500"));
    ASSERT_TRUE(PollFor(5000, MutexExists));
    EXPECT_EQ(FindPreviousInstance(), nullptr);  // not marked yet
    EXPECT_EQ(RunSecond("C:\\late.mp3"), 0u);
    EXPECT_EQ(Received(), "parse AddFile C:\\late.mp3\n");
    window_ = MarkedWindowOf(first_.pi.dwProcessId);
}

TEST_F(InstanceTest, SecondStartGivesUpWhenNoWindowIsMarked) {
    ASSERT_TRUE(first_.Start("-state visible -delay 600000"));
    ASSERT_TRUE(PollFor(5000, MutexExists));
    const DWORD start = GetTickCount();
    EXPECT_EQ(RunSecond("C:\\x.mp3"), 3u);
    const DWORD took = GetTickCount() - start;
    EXPECT_GE(took, kFindRetryMs - 200);
    EXPECT_EQ(Received(), "");
}

TEST_F(InstanceTest, NewStartAfterCloseIsFirst) {
    StartFirst("-state visible");
    PostMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(first_.Wait(5000), 0u);
    first_.Close();
    EXPECT_TRUE(PollFor(2000, [] { return !MutexExists(); }));
    StartFirst("-state visible");  // a marked window of its own: it was first
    EXPECT_EQ(first_.Wait(0), STILL_ACTIVE);
}

TEST_F(InstanceTest, RunningInstanceRefusesBadRecords) {
    StartFirst("-state visible");
    const std::string tooLong(kMaxHandOverBytes + 1, 'a');
    COPYDATASTRUCT record{};
    record.cbData = static_cast<DWORD>(tooLong.size());
    record.lpData = const_cast<char*>(tooLong.data());
    DWORD_PTR result = 1;
    SendMessageTimeoutA(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record), SMTO_NORMAL, 5000, &result);
    EXPECT_EQ(result, 0u);
    // The cap itself still goes through.
    record.cbData = static_cast<DWORD>(kMaxHandOverBytes);
    SendMessageTimeoutA(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record), SMTO_NORMAL, 5000, &result);
    EXPECT_EQ(result, 1u);
    EXPECT_EQ(Received(), "reject\nparse LoadGeneric " + std::string(kMaxHandOverBytes, 'a') + "\n");
    EXPECT_EQ(first_.Wait(0), STILL_ACTIVE);
}

TEST(InstanceLock, SecondLockInOneProcessIsNotFirst) {
    const char* name = "VorneInstanceLockTest_MUTEX";
    InstanceLock a, b;
    EXPECT_TRUE(a.IsFirstInstance(name));
    EXPECT_FALSE(b.IsFirstInstance(name));
    EXPECT_EQ(b.Handle(), nullptr);
    a.Release();
    EXPECT_TRUE(b.IsFirstInstance(name));
}

}  // namespace
}  // namespace vorne::player::startup
