// A stand-in for the player's start, for the two-process tests: the first
// instance opens one marked window and writes every hand-over it receives to
// the file named by VORNE_PROBE_LOG; a second instance hands its command
// tail over and exits with 0, or with 3 when no running instance was found.
//
// First-instance options (ignored by a second start, which hands over
// whatever it was given):
//   -delay <ms>     mark the window only after this long (a slow load)
//   -state visible|hidden|minimized
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "player/startup/handover.h"
#include "player/startup/instance.h"
#include "player/startup/trace_line.h"

namespace {

using namespace vorne::player::startup;

void Log(const std::string& line) { AppendTraceLine("VORNE_PROBE_LOG", line.c_str()); }

const char* KindName(CommandKind k) {
    switch (k) {
        case CommandKind::ActivateOnly: return "ActivateOnly";
        case CommandKind::LoadPlayList: return "LoadPlayList";
        case CommandKind::AddFile: return "AddFile";
        case CommandKind::LoadGeneric: return "LoadGeneric";
    }
    return "?";
}

void ShowAndActivate(HWND hwnd) {
    if (!IsWindowVisible(hwnd)) ShowWindow(hwnd, SW_SHOWNORMAL);
    ActivateWindow(hwnd);
}

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COPYDATA: {
            const auto* record = reinterpret_cast<const COPYDATASTRUCT*>(lp);
            const HandOver h = record ? ReceiveHandOver(record->lpData, record->cbData) : HandOver{};
            if (h.action == HandOverAction::Reject) {
                Log("reject");
                return FALSE;
            }
            ShowAndActivate(hwnd);
            const ParsedCommand p = h.action == HandOverAction::Parse ? ClassifyCommand(h.text) : ParsedCommand{};
            if (p.kind == CommandKind::ActivateOnly)
                Log("show");
            else
                Log(std::string("parse ") + KindName(p.kind) + " " + p.path);
            return TRUE;
        }
        case WM_TIMER:
            KillTimer(hwnd, wp);
            MarkInstanceWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// The command line after the program's name, without the blanks before it.
std::string CommandTail() {
    const char* p = GetCommandLineA();
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int) {
    InstanceLock lock;
    const std::string tail = CommandTail();
    if (!lock.IsFirstInstance(kMutexName)) return HandToRunningInstance(tail) ? 0 : 3;

    unsigned delayMs = 0;
    std::string state = "visible";
    for (int i = 1; i + 1 < __argc; i += 2) {
        if (std::strcmp(__argv[i], "-delay") == 0) delayMs = static_cast<unsigned>(std::atoi(__argv[i + 1]));
        if (std::strcmp(__argv[i], "-state") == 0) state = __argv[i + 1];
    }

    WNDCLASSA wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "VorneInstanceProbe";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "instance probe", WS_OVERLAPPEDWINDOW, 40, 40, 240, 120,
                                nullptr, nullptr, inst, nullptr);
    if (!hwnd) return 2;
    if (state == "visible") ShowWindow(hwnd, SW_SHOWNORMAL);
    if (state == "minimized") ShowWindow(hwnd, SW_SHOWMINIMIZED);
    if (delayMs == 0)
        MarkInstanceWindow(hwnd);
    else
        SetTimer(hwnd, 1, delayMs, nullptr);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
