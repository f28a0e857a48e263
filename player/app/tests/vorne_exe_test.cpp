// Vorne.exe as a user starts it, under Wine: the main window's load in its
// order, and a second start handing its command line to the running one.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <algorithm>
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
    // name: ANSI text added to the folder's name.
    explicit PlayerFolder(const std::string& name = "") {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        dir_ = std::string(base) + "vorne_exe_" + name + std::to_string(GetCurrentProcessId()) + "_" +
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

    // Lines the running instance traced after `from`, but for the demo
    // song's own "new stream", which comes whenever its playback opens.
    std::vector<std::string> FirstSince(size_t from) {
        auto all = folder_.Trace("first.txt");
        std::vector<std::string> since(all.begin() + static_cast<long>(std::min(from, all.size())), all.end());
        since.erase(std::remove_if(since.begin(), since.end(),
                                   [](const std::string& l) { return l.rfind("new stream", 0) == 0; }),
                    since.end());
        return since;
    }

    PlayerFolder folder_;
    PROCESS_INFORMATION first_{};
    HWND main_ = nullptr;
};

TEST_F(VorneExe, FormLoadRunsItsStepsInOrder) {
    // The last steps follow the face's first paint.
    ASSERT_TRUE(folder_.WaitFor("first.txt", "load 22 menu"));
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
        // With the tray icon a minimised window is hidden in the tray: an
        // empty start hands over, and the window comes back.
        {"nothing, minimised", "", SW_MINIMIZE, {"handover parse 1", "parse ActivateOnly"}},
        {"nothing, hidden", "", SW_HIDE, {"handover parse 1", "parse ActivateOnly"}},
    };
    // The load's last steps follow the first paint: they are done before
    // the first case counts what the running instance traces.
    ASSERT_TRUE(folder_.WaitFor("first.txt", "load 22 menu"));
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
    // A loaded machine repaints late: look again for up to 10 s.
    for (int tries = 0; tries < 50; ++tries) {
        Sleep(200);
        off.clear();
        for (int x = 14; x < 38; x += 2) off.push_back(ScreenPixel(main_, x, 99));
        if (off != on && !IsWindowVisible(list)) break;
    }
    EXPECT_TRUE(IsWindow(list));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_TRUE(IsWindowVisible(main_));
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

// Where a line first stands in a trace; the size of the trace when absent.
size_t IndexOf(const std::vector<std::string>& lines, const std::string& prefix) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind(prefix, 0) == 0) return i;
    return lines.size();
}

// The face goes on screen before the media control, the tray icon and the
// menu are made; a song named on the command line (or the first run's demo
// song) still plays once they are.
TEST_F(VorneExeFresh, TheFaceIsShownBeforeTheMediaControlAndTheStartStillPlays) {
    ASSERT_TRUE(CopyFileA((ThisFolder() + "tone440.mp3").c_str(), (folder_.Dir() + "Caf\xe9 tone.mp3").c_str(), FALSE));
    struct Case {
        const char* name;
        bool firstRun;
        std::string tail;
    };
    const Case cases[] = {
        {"a song on the command line", false, "\"" + folder_.Dir() + "Caf\xe9 tone.mp3\""},
        {"the first run's demo song", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA((folder_.Dir() + "Vorne.gen").c_str());
        DeleteFileA((folder_.Dir() + "Vorne.ini").c_str());
        if (!c.firstRun) {
            std::ofstream ini(folder_.Dir() + "Vorne.ini", std::ios::binary);
            ini << " 1 \r\n";  // play on start
        }
        PROCESS_INFORMATION pi = folder_.Start(c.tail, "first.txt");
        EXPECT_TRUE(folder_.WaitFor("first.txt", "playback started", 20000)) << "the start did not play";
        EXPECT_TRUE(folder_.WaitFor("first.txt", "load 22 menu"));
        const auto trace = folder_.Trace("first.txt");
        const size_t shown = IndexOf(trace, "shown"), media = IndexOf(trace, "media control created");
        ASSERT_LT(shown, trace.size());
        EXPECT_LT(shown, media) << "the media control was made before the face was shown";
        EXPECT_LT(media, IndexOf(trace, "playback started"));
        EXPECT_LT(shown, IndexOf(trace, "load 20 "));
        EXPECT_LT(shown, IndexOf(trace, "load 22 "));
        Close(pi);
    }
}

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

TEST_F(VorneExeFresh, SessionEndSavesWhatAnExitSaves) {
    PROCESS_INFORMATION pi = folder_.Start("C:\\music\\kept.mp3", "first.txt");
    ASSERT_TRUE(folder_.WaitFor("first.txt", "shown"));
    HWND main = WindowOf(pi.dwProcessId, IsMainWindow);
    ASSERT_TRUE(main);
    DeleteFileA((folder_.Dir() + "Vorne.ini").c_str());
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &answer));
    EXPECT_EQ(answer, TRUE);
    SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &answer);
    // The session may end the process now: everything is on disk already.
    EXPECT_NE(GetFileAttributesA((folder_.Dir() + "Vorne.ini").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(ReadGen().find("C:\\music\\kept.mp3"), std::string::npos);
    Close(pi);
}

// Wine's tray holds the player's icon, so minimising hides the window in the
// tray (without the icon it stays on the taskbar: MainWindowCommands).
TEST_F(VorneExeFresh, MinimisedHidesInTheTrayAndItsPlaceIsKept) {
    PROCESS_INFORMATION pi = folder_.Start("", "first.txt");
    // The tray icon comes after the face's first paint.
    ASSERT_TRUE(folder_.WaitFor("first.txt", "load 22 menu"));
    HWND main = WindowOf(pi.dwProcessId, IsMainWindow);
    ASSERT_TRUE(main);
    RECT before;
    GetWindowRect(main, &before);
    SendMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    for (int i = 0; i < 40 && !IsIconic(main); ++i) Sleep(50);
    EXPECT_TRUE(IsIconic(main));
    for (int i = 0; i < 40 && IsWindowVisible(main); ++i) Sleep(50);
    EXPECT_FALSE(IsWindowVisible(main)) << "the tray icon brings it back";
    Close(pi);
    // Lines 13 and 14 of the options: the main window's place, in twips.
    std::vector<std::string> ini = ReadLines(folder_.Dir() + "Vorne.ini");
    ASSERT_GE(ini.size(), 14u);
    const double left = std::atof(ini[12].c_str()), top = std::atof(ini[13].c_str());
    EXPECT_GT(left, -1000) << ini[12];
    EXPECT_GT(top, -1000) << ini[13];
    EXPECT_NEAR(left / 15, before.left, 2);
}

bool IsVideoWindow(HWND h) {
    char title[64] = {};
    GetWindowTextA(h, title, sizeof title);
    return std::string(title) == "Vorne Video Window" && IsWindowVisible(h);
}

TEST_F(VorneExeFresh, AVideoTrackShowsItsPictureInTheVideoWindow) {
    // The clip is made with ffmpeg when the tests are built.
    const std::string clip = ThisFolder() + "..\\player\\video\\clip.avi";
    if (GetFileAttributesA(clip.c_str()) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no test clip (ffmpeg missing)";
    ASSERT_TRUE(CopyFileA(clip.c_str(), (folder_.Dir() + "clip.avi").c_str(), FALSE));
    {
        std::ofstream ini(folder_.Dir() + "Vorne.ini", std::ios::binary);
        ini << " 1 \r\n";  // play on start
    }
    PROCESS_INFORMATION pi = folder_.Start("\"" + folder_.Dir() + "clip.avi\"", "first.txt");
    ASSERT_TRUE(folder_.WaitFor("first.txt", "shown"));
    HWND video = nullptr;
    for (int i = 0; i < 150 && !video; ++i) {
        Sleep(100);
        video = WindowOf(pi.dwProcessId, IsVideoWindow);
    }
    EXPECT_TRUE(video) << "the video window did not show";
    EXPECT_TRUE(folder_.WaitFor("first.txt", "playback started", 5000));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE)) << "the player ended while playing the video";
    Close(pi);
}

// Names beyond ASCII. Narrow text is the ANSI code page's: ’ and é under
// 1252, kanji under 932 (a ja_JP run). A name without an ANSI form can only
// come from a UTF-8 list, and is then kept by its short name.
std::string Ansi(const std::wstring& w) {
    std::string a(static_cast<size_t>(w.size() * 2 + 1), '\0');
    const int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), &a[0],
                                      static_cast<int>(a.size()), nullptr, nullptr);
    a.resize(static_cast<size_t>(n > 0 ? n : 0));
    return a;
}

bool HasAnsiForm(const std::wstring& w) {
    BOOL lossy = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr,
                        &lossy);
    return !lossy;
}

std::wstring Wide(const std::string& a) {
    std::wstring w(a.size(), L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, a.data(), static_cast<int>(a.size()), &w[0], static_cast<int>(w.size()));
    w.resize(static_cast<size_t>(n > 0 ? n : 0));
    return w;
}

std::string Utf8(const std::wstring& w) {
    std::string u(w.size() * 4 + 1, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), &u[0], static_cast<int>(u.size()),
                                      nullptr, nullptr);
    u.resize(static_cast<size_t>(n > 0 ? n : 0));
    return u;
}

const std::wstring kSongNames[] = {L"Don\u2019t Stop.mp3", L"Caf\u00e9.mp3", L"\u65e5\u672c\u306e\u6b4c.mp3"};

// The folder's own name: é where the code page has it, else kanji.
std::string FolderName() {
    const std::wstring accented = L"Vorn\u00e9 ";
    return HasAnsiForm(accented) ? Ansi(accented) : Ansi(L"\u65e5\u672c ");
}

class VorneExeNames : public VorneExeFresh {
protected:
    VorneExeNames() : named_(FolderName()) {}
    void SetUp() override {
        for (const std::wstring& name : kSongNames) {
            const std::wstring song = Wide(named_.Dir()) + name;
            ASSERT_TRUE(CopyFileW(Wide(named_.Dir() + "Vornes.mp3").c_str(), song.c_str(), FALSE));
        }
    }
    // Runs the player once with tail and returns the (title, path) pairs of
    // the list it saved at exit.
    std::vector<std::pair<std::string, std::string>> RunOnce(const std::string& tail) {
        PROCESS_INFORMATION pi = named_.Start(tail, "trace.txt");
        EXPECT_TRUE(named_.WaitFor("trace.txt", "shown")) << tail;
        Close(pi);
        std::vector<std::string> lines = ReadLines(named_.Dir() + "Vorne.gen");
        std::vector<std::pair<std::string, std::string>> entries;
        for (size_t i = 1; i + 1 < lines.size(); i += 2) entries.emplace_back(lines[i], lines[i + 1]);
        return entries;
    }
    void WriteList(const std::string& name, const std::string& bytes) {
        std::ofstream f(named_.Dir() + name, std::ios::binary);
        f << bytes;
    }
    static bool IsFile(const std::string& ansiPath) {
        const DWORD a = GetFileAttributesA(ansiPath.c_str());
        return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
    }
    PlayerFolder named_;
};

TEST_F(VorneExeNames, SongsNamedBeyondAsciiReachTheListAndAreFoundAfterARestart) {
    ASSERT_TRUE(IsFile(named_.Dir() + "Vorne.exe")) << "a folder named in ANSI text holds the player";
    // From the command line, one song a start: the list at exit holds it,
    // its tag was read for the title, and the options were kept beside it.
    for (const std::wstring& name : kSongNames) {
        if (!HasAnsiForm(name)) continue;
        const std::string path = named_.Dir() + Ansi(name);
        auto entries = RunOnce("\"" + path + "\"");
        ASSERT_EQ(entries.size(), 1u) << path;
        EXPECT_EQ(entries[0].second, path);
        EXPECT_NE(entries[0].first.find("Vorne - Vornes"), std::string::npos) << entries[0].first;
        EXPECT_TRUE(IsFile(named_.Dir() + "Vorne.ini"));
    }

    // From a UTF-8 list with a byte-order mark: every song, each saved by a
    // name that opens it, its ANSI name where it has one.
    std::string m3u = "\xEF\xBB\xBF#EXTM3U\r\n";
    for (const std::wstring& name : kSongNames) m3u += Utf8(Wide(named_.Dir()) + name) + "\r\n";
    WriteList("utf8.m3u", m3u);
    auto fromM3u = RunOnce("\"" + named_.Dir() + "utf8.m3u\"");
    ASSERT_EQ(fromM3u.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(IsFile(fromM3u[i].second)) << fromM3u[i].second;
        if (HasAnsiForm(kSongNames[i])) {
            EXPECT_EQ(fromM3u[i].second, named_.Dir() + Ansi(kSongNames[i]));
        }
    }

    // From an ANSI PLS, relative to the list.
    std::string pls = "[playlist]\r\n";
    int n = 0;
    for (const std::wstring& name : kSongNames)
        if (HasAnsiForm(name)) pls += "File" + std::to_string(++n) + "=" + Ansi(name) + "\r\n";
    WriteList("ansi.pls", pls);
    auto fromPls = RunOnce("\"" + named_.Dir() + "ansi.pls\"");
    ASSERT_EQ(fromPls.size(), static_cast<size_t>(n));
    for (const auto& e : fromPls) EXPECT_TRUE(IsFile(e.second)) << e.second;

    // A start without a file restores the saved list as it was.
    auto again = RunOnce("");
    EXPECT_EQ(again, fromPls);
}

// Playback through the real control: a list of two one-second songs plays
// from the start, advances at the end of the first, ends after the second,
// and the usage statistics grow by what was played.
TEST_F(VorneExeFresh, AListOfTwoSongsPlaysThroughAndIsCounted) {
    for (const char* f : {"tone440.mp3", "tone660.mp3"})
        ASSERT_TRUE(CopyFileA((ThisFolder() + f).c_str(), (folder_.Dir() + f).c_str(), FALSE)) << f;
    {
        std::ofstream m3u(folder_.Dir() + "two.m3u", std::ios::binary);
        m3u << "tone440.mp3\r\ntone660.mp3\r\n";  // relative to the list
    }
    const DWORD start = GetTickCount();
    PROCESS_INFORMATION pi = folder_.Start("\"" + folder_.Dir() + "two.m3u\"", "first.txt");
    ASSERT_TRUE(folder_.WaitFor("first.txt", "shown"));
    ASSERT_TRUE(folder_.WaitFor("first.txt", "playback stopped", 20000)) << "the list did not play to its end";
    const DWORD took = GetTickCount() - start;
    auto trace = folder_.Trace("first.txt");
    const auto streams = std::count_if(trace.begin(), trace.end(),
                                       [](const std::string& l) { return l.rfind("new stream", 0) == 0; });
    EXPECT_EQ(streams, 2) << "both songs opened";
    EXPECT_GE(took, 1800u) << "two seconds of songs";
    Close(pi);
    std::vector<std::string> ini = ReadLines(folder_.Dir() + "Vorne.ini");
    ASSERT_GE(ini.size(), 31u);
    EXPECT_EQ(ini[30], "2") << "TotalSongsPlayed";
    const int played = std::atoi(ini[29].c_str());
    EXPECT_GE(played, 1) << "TotalPlayTime";
    EXPECT_LE(played, 4) << "TotalPlayTime";
}

}  // namespace
