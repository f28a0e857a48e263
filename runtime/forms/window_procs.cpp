#include "runtime/forms/window_procs.h"

namespace vorne::forms {

void ShowTitleBar(HWND window, bool show) {
    LONG style = GetWindowLongA(window, GWL_STYLE);
    style = show ? (style | WS_CAPTION) : (style & ~WS_CAPTION);
    SetWindowLongA(window, GWL_STYLE, style);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED);
}

DWORD PriorityClassOf(int level) {
    switch (level) {
    case 0: return IDLE_PRIORITY_CLASS;
    case 1: return NORMAL_PRIORITY_CLASS;
    case 2: return HIGH_PRIORITY_CLASS;
    case 3: return REALTIME_PRIORITY_CLASS;
    default: return 0;
    }
}

void SetProcessPriority(int level) { SetPriorityClass(GetCurrentProcess(), PriorityClassOf(level)); }

void SetOnTop(int16_t& flag, HWND window) {
    if (flag == 0) flag = -2;
    else if (flag == 1) flag = -1;
    HWND after = flag == -1 ? HWND_TOPMOST : flag == -2 ? HWND_NOTOPMOST : reinterpret_cast<HWND>(static_cast<LONG_PTR>(flag));
    SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace vorne::forms
