// The real Drelk.exe, started from a copy in a folder of its own: its
// window comes up, and closing it leaves the author-details file beside it.
#include <gtest/gtest.h>

#include <windows.h>

#include "runtime/basic/basic.h"
#include "tools/converter/tests/win_test_util.h"

namespace vorne::converter {
namespace {

std::string ProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p = path;
    return p.substr(0, p.find_last_of('\\') + 1);
}

TEST(DrelkExe, StartsWithItsWindowAndWritesTheAuthorFileAtExit) {
    const std::string dir = testing::NewTempFolder("drelk_exe");
    const std::string exe = dir + "Drelk.exe";
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "Drelk.exe").c_str(), exe.c_str(), FALSE));
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string cmd = "\"" + exe + "\"";
    ASSERT_TRUE(CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi));
    HWND w = nullptr;
    for (int i = 0; i < 200 && !w; ++i) {
        Sleep(50);
        w = FindWindowA(nullptr, "Drelk (Winamp to Vorne Skin Converter)");
    }
    ASSERT_TRUE(w) << "no converter window";
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    EXPECT_EQ(pid, pi.dwProcessId);
    // The window is found by its caption as soon as it is made, before the
    // form has put up its menu bar and run its load: wait for the program
    // to settle into its message loop first.
    WaitForInputIdle(pi.hProcess, 10000);
    for (int i = 0; i < 100 && !(IsWindowVisible(w) && GetMenu(w)); ++i) Sleep(50);
    EXPECT_TRUE(GetMenu(w));
    // The author-details file exists from the start on.
    for (int i = 0; i < 100 && !vorne::basic::FileExists(dir + "VornesUser.ini"); ++i) Sleep(50);
    EXPECT_TRUE(vorne::basic::FileExists(dir + "VornesUser.ini"));
    PostMessageA(w, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // A first run leaves four empty lines.
    EXPECT_EQ(vorne::basic::ReadWholeFile(dir + "VornesUser.ini").value_or("?"), "\r\n\r\n\r\n\r\n");
}

}  // namespace
}  // namespace vorne::converter
