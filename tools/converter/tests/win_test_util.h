// Folders, skins on disk and screen captures for the converter's window tests.
#pragma once

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "tools/converter/bmp.h"
#include "tools/converter/picture_win32.h"
#include "runtime/testing/window_pixels.h"
#include "tools/converter/tests/test_util.h"

namespace vorne::converter::testing {

// A new folder under the temporary folder whose name holds letters of the
// ANSI code page beyond ASCII (é and ’ under 1252, kanji under 932).
inline std::string NewTempFolder(const char* tag) {
    const wchar_t* names[] = {L"Caf\u00e9\u2019s ", L"\u65e5\u672c "};
    std::string special = "plain ";
    for (const wchar_t* w : names) {
        BOOL lossy = FALSE;
        char a[64] = {};
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w, -1, a, sizeof a, nullptr, &lossy);
        if (!lossy) {
            special = a;
            break;
        }
    }
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    const std::string dir = std::string(base) + special + tag + "_" + std::to_string(GetCurrentProcessId()) + "_" +
                            std::to_string(GetTickCount()) + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

inline void SaveBmp(const std::string& path, const Pixels& p) {
    const std::vector<uint8_t> bytes = WriteBmp(p);
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A Winamp skin of coded sheets, named in mixed letter case, with
// Volume.bmp and Nums_Ex.bmp in place of the first choices.
inline void WriteCodedSkin(const std::string& dir) {
    SaveBmp(dir + "Main.bmp", Coded(1, 275, 116));
    SaveBmp(dir + "CBUTTONS.BMP", Coded(2, 136, 36));
    SaveBmp(dir + "shufrep.bmp", Coded(3, 92, 85));
    SaveBmp(dir + "PosBar.bmp", Coded(4, 307, 10));
    SaveBmp(dir + "titlebar.BMP", Coded(5, 344, 87));
    SaveBmp(dir + "volume.bmp", Coded(6, 68, 433));
    Pixels text(155, 18, Rgb(10, 20, 0));
    text.Set(3, 3, Rgb(0, 200, 0));
    SaveBmp(dir + "TEXT.bmp", text);
    SaveBmp(dir + "nums_ex.bmp", Pixels(108, 13, Rgb(0, 0, 150)));
}

// What the screen shows of a window, saved as a BMP file.
inline bool CaptureWindow(HWND w, const std::string& path) {
    return vorne::testing::SaveBmpFile(path, vorne::testing::CaptureWindow(w));
}

// Lets the window system catch up (painting, placing).
inline void Pump(int ms = 300) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    MSG m;
    while (GetTickCount() < end) {
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        Sleep(10);
    }
}

}  // namespace vorne::converter::testing
