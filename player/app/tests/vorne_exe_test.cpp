// Vorne.exe as a user starts it, under Wine: the main window's load in its
// order, and a second start handing its command line to the running one.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ThisFolder() {
    char buf[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::string p(buf, n);
    return p.substr(0, p.find_last_of('\\') + 1);
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(f, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& s) {
    for (const auto& l : lines)
        if (l == s) return true;
    return false;
}

struct Search {
    DWORD pid;
    bool (*match)(HWND);
    HWND found;
};

BOOL CALLBACK SearchStep(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    if (owner != s->pid || !s->match(h)) return TRUE;
    s->found = h;
    return FALSE;
}

// The first top-level window of process pid that match accepts.
HWND WindowOf(DWORD pid, bool (*match)(HWND)) {
    Search search{pid, match, nullptr};
    EnumWindows(SearchStep, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool IsMarked(HWND h) { return reinterpret_cast<intptr_t>(GetPropA(h, "TessarinSTARTUPDEMO_APPLICATION")) == 1; }

bool IsMainWindow(HWND h) {
    char title[64] = {};
    GetWindowTextA(h, title, sizeof title);
    return std::string(title) == "Vorne";
}

bool IsPlayList(HWND h) {
    char title[64] = {};
    GetWindowTextA(h, title, sizeof title);
    return std::string(title) == "Vorne Play List";
}

// A copy of the player in a folder of its own, so its options, lists and
// trace belong to this test alone.
class PlayerFolder {
public:
    PlayerFolder() {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        dir_ = std::string(base) + "vorne_exe_" + std::to_string(GetCurrentProcessId()) + "_" +
               std::to_string(GetTickCount()) + "\\";
        CreateDirectoryA(dir_.c_str(), nullptr);
        for (const char* f : {"Vorne.exe", "Plovex1.ocx", "Dunmere.ocx", "Vornesub.dll", "Vornes.mp3"})
            CopyFileA((ThisFolder() + f).c_str(), (dir_ + f).c_str(), FALSE);
    }
    const std::string& Dir() const { return dir_; }

    // Starts the player with a command-line tail and its own trace file.
    PROCESS_INFORMATION Start(const std::string& tail, const std::string& trace) {
        DeleteFileA((dir_ + trace).c_str());
        SetEnvironmentVariableA("VORNE_TRACE", (dir_ + trace).c_str());
        std::string cmd = "\"" + dir_ + "Vorne.exe\"" + (tail.empty() ? "" : " " + tail);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        std::vector<char> line(cmd.begin(), cmd.end());
        line.push_back(0);
        const BOOL ok = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, dir_.c_str(), &si, &pi);
        SetEnvironmentVariableA("VORNE_TRACE", nullptr);
        EXPECT_TRUE(ok) << cmd;
        return pi;
    }

    std::vector<std::string> Trace(const std::string& trace) const { return ReadLines(dir_ + trace); }

    // Waits until the trace holds line (up to ms).
    bool WaitFor(const std::string& trace, const std::string& line, DWORD ms = 30000) const {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            if (Contains(Trace(trace), line)) return true;
            Sleep(50);
        }
        return false;
    }

private:
    std::string dir_;
};

class VorneExe : public ::testing::Test {
protected:
    void SetUp() override {
        first_ = folder_.Start("", "first.txt");
        ASSERT_TRUE(folder_.WaitFor("first.txt", "shown")) << "the player's window did not show";
        main_ = WindowOf(first_.dwProcessId, IsMarked);
        ASSERT_TRUE(main_) << "no marked main window";
    }
    void TearDown() override {
        if (main_ && IsWindow(main_)) PostMessageA(main_, WM_CLOSE, 0, 0);
        if (first_.hProcess) {
            if (WaitForSingleObject(first_.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(first_.hProcess, 1);
            CloseHandle(first_.hProcess);
            CloseHandle(first_.hThread);
        }
    }

    // A second start; returns its trace once it has ended.
    std::vector<std::string> SecondStart(const std::string& tail) {
        PROCESS_INFORMATION pi = folder_.Start(tail, "second.txt");
        const DWORD waited = WaitForSingleObject(pi.hProcess, 15000);
        EXPECT_EQ(waited, WAIT_OBJECT_0) << "the second start did not end";
        if (waited != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
        return folder_.Trace("second.txt");
    }

    // Lines the running instance traced after `from`.
    std::vector<std::string> FirstSince(size_t from) {
        auto all = folder_.Trace("first.txt");
        return std::vector<std::string>(all.begin() + static_cast<long>(std::min(from, all.size())), all.end());
    }

    PlayerFolder folder_;
    PROCESS_INFORMATION first_{};
    HWND main_ = nullptr;
};

TEST_F(VorneExe, FormLoadRunsItsStepsInOrder) {
    std::vector<int> steps;
    for (const auto& l : folder_.Trace("first.txt"))
        if (l.rfind("load ", 0) == 0) steps.push_back(std::stoi(l.substr(5)));
    std::vector<int> expected;
    for (int i = 1; i <= 22; ++i) expected.push_back(i);
    EXPECT_EQ(steps, expected);
    const auto trace = folder_.Trace("first.txt");
    EXPECT_EQ(trace.front(), "instance first");
    EXPECT_TRUE(Contains(trace, "load 12 hand-over hooked"));
    EXPECT_TRUE(Contains(trace, "load 16 built-in skin"));
    EXPECT_TRUE(IsWindowVisible(main_));
    RECT r;
    GetWindowRect(main_, &r);
    EXPECT_EQ(r.right - r.left, 317);
    EXPECT_EQ(r.bottom - r.top, 119);
}

TEST_F(VorneExe, SecondStartHandsOverItsCommandLine) {
    {
        std::ofstream m3u(folder_.Dir() + "list.m3u", std::ios::binary);
        m3u << "#EXTM3U\r\n" << folder_.Dir() << "Vornes.mp3\r\n";
    }
    struct Case {
        const char* name;
        std::string tail;
        int windowState;  // SW_SHOW, SW_HIDE, SW_MINIMIZE before the start
        std::vector<std::string> received;  // what the running instance traced
    };
    const std::string song = "C:\\music\\song.mp3";
    const Case cases[] = {
        {"media file, visible", song, SW_SHOW, {"handover parse 17", "parse AddFile " + song}},
        {"quoted media file, visible", "\"C:\\music\\a b.MP3\"", SW_SHOW,
         {"handover parse 18", "parse AddFile C:\\music\\a b.MP3"}},
        {"play list, hidden", folder_.Dir() + "list.m3u", SW_HIDE,
         {"handover parse " + std::to_string((folder_.Dir() + "list.m3u").size()),
          "parse LoadPlayList " + folder_.Dir() + "list.m3u"}},
        {"media file, minimised", song, SW_MINIMIZE, {"handover parse 17", "parse AddFile " + song}},
        {"nothing, visible", "", SW_SHOW, {}},
        // Minimising hides the window in the tray, so an empty start hands over.
        {"nothing, minimised", "", SW_MINIMIZE, {"handover parse 1", "parse ActivateOnly"}},
        {"nothing, hidden", "", SW_HIDE, {"handover parse 1", "parse ActivateOnly"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowWindow(main_, c.windowState == SW_SHOW ? SW_RESTORE : c.windowState);
        if (c.windowState == SW_SHOW) ShowWindow(main_, SW_SHOW);
        Sleep(200);
        const size_t before = folder_.Trace("first.txt").size();
        const auto second = SecondStart(c.tail);
        EXPECT_TRUE(Contains(second, "instance second"));
        EXPECT_TRUE(Contains(second, "instance handed over"));
        EXPECT_FALSE(Contains(second, "load 1 start")) << "the second start loaded a window";
        Sleep(300);
        EXPECT_EQ(FirstSince(before), c.received);
        // Whatever came, the running window is shown and not minimised.
        EXPECT_TRUE(IsWindowVisible(main_));
        EXPECT_FALSE(IsIconic(main_));
    }
    // What the running instance was given is in its auto-saved list at exit.
    PostMessageA(main_, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(first_.hProcess, 20000), WAIT_OBJECT_0);
    const auto trace = folder_.Trace("first.txt");
    EXPECT_EQ(trace.back(), "unloaded");
    std::ifstream gen(folder_.Dir() + "Vorne.gen", std::ios::binary);
    std::stringstream text;
    text << gen.rdbuf();
    EXPECT_NE(text.str().find("Vornes.mp3"), std::string::npos);  // the play list replaced the list
    EXPECT_NE(text.str().find(song), std::string::npos);           // and a song came after it
    std::ifstream ini(folder_.Dir() + "Vorne.ini");
    EXPECT_TRUE(ini.good());
}

// What the screen shows at (x, y) of a window.
COLORREF ScreenPixel(HWND w, int x, int y) {
    RECT r;
    GetWindowRect(w, &r);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, r.left + x, r.top + y);
    ReleaseDC(nullptr, screen);
    return c;
}

TEST_F(VorneExe, ClosingThePlayListHidesItAndTurnsItsButtonOff) {
    const HWND list = WindowOf(first_.dwProcessId, IsPlayList);
    ASSERT_TRUE(list);
    ASSERT_TRUE(IsWindowVisible(list));
    SetForegroundWindow(main_);
    Sleep(300);
    // The built-in "Play List Button" (12, 86; a 28 x 26 cell) shows its on cell.
    std::vector<COLORREF> on, off;
    for (int x = 14; x < 38; x += 2) on.push_back(ScreenPixel(main_, x, 99));
    PostMessageA(list, WM_CLOSE, 0, 0);
    Sleep(600);
    EXPECT_TRUE(IsWindow(list));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_TRUE(IsWindowVisible(main_));
    for (int x = 14; x < 38; x += 2) off.push_back(ScreenPixel(main_, x, 99));
    EXPECT_NE(on, off) << "the button still shows its on cell";
}

TEST_F(VorneExe, AfterTheCloseANewStartIsFirstAgain) {
    PostMessageA(main_, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(first_.hProcess, 20000), WAIT_OBJECT_0);
    CloseHandle(first_.hProcess);
    CloseHandle(first_.hThread);
    first_ = folder_.Start("", "first.txt");
    ASSERT_TRUE(folder_.WaitFor("first.txt", "shown"));
    EXPECT_EQ(folder_.Trace("first.txt").front(), "instance first");
    main_ = WindowOf(first_.dwProcessId, IsMarked);
}

// Starts in a fresh folder of its own, without the fixture's first instance.
class VorneExeFresh : public ::testing::Test {
protected:
    static void Close(PROCESS_INFORMATION& pi) {
        // The main window, marked or not (with several instances allowed).
        if (HWND w = WindowOf(pi.dwProcessId, IsMainWindow)) PostMessageA(w, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    std::string ReadGen() {
        std::ifstream gen(folder_.Dir() + "Vorne.gen", std::ios::binary);
        std::stringstream text;
        text << gen.rdbuf();
        return text.str();
    }
    PlayerFolder folder_;
};

TEST_F(VorneExeFresh, FirstRunKeepsTheFileItWasGiven) {
    PROCESS_INFORMATION pi = folder_.Start("C:\\music\\given.mp3", "first.txt");
    ASSERT_TRUE(folder_.WaitFor("first.txt", "shown"));
    Close(pi);
    const std::string gen = ReadGen();
    EXPECT_NE(gen.find("C:\\music\\given.mp3"), std::string::npos);
    EXPECT_EQ(gen.find("Vornes.mp3"), std::string::npos) << "the demo song replaced the given file";
}

TEST_F(VorneExeFresh, FirstRunWithoutAFileAddsTheDemoSong) {
    PROCESS_INFORMATION pi = folder_.Start("", "first.txt");
    ASSERT_TRUE(folder_.WaitFor("first.txt", "shown"));
    Close(pi);
    EXPECT_NE(ReadGen().find(folder_.Dir() + "Vornes.mp3"), std::string::npos);
}

TEST_F(VorneExeFresh, AllowedMultipleInstancesRunSideBySide) {
    {
        // Line 27 of the options: AllowMultipleInstances.
        std::ofstream ini(folder_.Dir() + "Vorne.ini", std::ios::binary);
        for (int i = 1; i < 27; ++i) ini << "\r\n";
        ini << " 1 \r\n";
    }
    PROCESS_INFORMATION first = folder_.Start("", "first.txt");
    ASSERT_TRUE(folder_.WaitFor("first.txt", "shown"));
    EXPECT_TRUE(Contains(folder_.Trace("first.txt"), "load 12 multiple instances"));
    PROCESS_INFORMATION second = folder_.Start("", "second.txt");
    EXPECT_TRUE(folder_.WaitFor("second.txt", "shown", 20000)) << "the second start did not open its window";
    EXPECT_TRUE(Contains(folder_.Trace("second.txt"), "instance runs beside the first"));
    Close(second);
    Close(first);
}

}  // namespace
