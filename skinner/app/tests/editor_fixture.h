// What the tests of the editor's windows share: a temporary folder with
// letters beyond ASCII, bitmaps written from canvases, and the editor window
// with its preview loaded and every dialog scripted.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <string>
#include <vector>

#include "player/skin_art/canvas.h"
#include "runtime/forms/dialogs.h"
#include "runtime/forms/file_dialog.h"
#include "skinner/app/editor_window.h"

namespace vorne::skinner {
namespace {

using vorne::player::skin_art::Canvas;
using vorne::player::skin_art::Colour;

// A temporary folder whose name holds letters of the ANSI code page beyond
// ASCII.
inline std::string TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string dir = std::string(base) + "quarl_" + std::to_string(GetCurrentProcessId()) + "_" +
                      std::to_string(GetTickCount());
    // é and ’ under code page 1252, kanji under 932.
    for (const wchar_t* w : {L" caf\u00e9\u2019s", L" \u65e5\u672c"}) {
        BOOL lossy = FALSE;
        char extra[64] = {};
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w, -1, extra, sizeof extra, nullptr, &lossy);
        if (!lossy) {
            dir += extra;
            break;
        }
    }
    dir += "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

inline void WriteBmp(const std::string& path, const Canvas& c) {
    auto bytes = c.ToBmp();
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Canvas Strip(int width, int height, int cells) {
    Canvas c(width, height, Colour{0, 0, 0});
    for (int x = 0; x < width; ++x) {
        const float level = 60.0f + 50.0f * static_cast<float>(x / (width / cells));
        for (int y = 0; y < height; ++y) c.Set(x, y, Colour{level, 30, 30});
    }
    return c;
}

inline void Select(HWND combo, int index) {
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

// Shown on its form (the form itself may be hidden in a test).
inline bool Shown(HWND w) { return (GetWindowLongPtrA(w, GWL_STYLE) & WS_VISIBLE) != 0; }

inline std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> out;
    const int n = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        char buf[128] = {};
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf));
        out.push_back(buf);
    }
    return out;
}

inline std::string ThisFolder() {
    char buf[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::string p(buf, n);
    return p.substr(0, p.find_last_of('\\') + 1);
}

class EditorWindow : public ::testing::Test {
protected:
    void SetUp() override {
        w_.Load();
        w_.Preview().Load();
        ASSERT_TRUE(w_.Preview().HasComponents()) << "Dunmere.ocx and Plovex1.ocx beside the test";
        w_.Editor().ShowAuthorDialog = [] {};
        dir_ = TempFolder();
    }
    void TearDown() override {
        w_.Editor().SkinChanged = false;
        w_.Preview().Unload();
        w_.Unload();
        // Opening a skin made its folder the current one.
        SetCurrentDirectoryA(ThisFolder().c_str());
        WIN32_FIND_DATAA f;
        HANDLE h = FindFirstFileA((dir_ + "*").c_str(), &f);
        for (BOOL more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &f))
            DeleteFileA((dir_ + f.cFileName).c_str());
        if (h != INVALID_HANDLE_VALUE) FindClose(h);
        RemoveDirectoryA(dir_.c_str());
    }
    void Click(int id) { SendMessageA(w_.Item(id), BM_CLICK, 0, 0); }

    forms::ScriptedDialogs boxes_;
    forms::ScopedDialogs boxesScope_{boxes_};
    forms::ScriptedFileDialogs files_;
    forms::ScopedFileDialogs filesScope_{files_};
    frmSkinner w_;
    std::string dir_;
};

}  // namespace
}  // namespace vorne::skinner
