#include "runtime/forms/windowed_control.h"

#include <commctrl.h>

#include "runtime/forms/commands.h"

namespace vorne::forms {

WindowedControl::~WindowedControl() { Detach(); }

void WindowedControl::Create(HWND form_window, const char* cls, DWORD style, DWORD ex_style, const std::string& text) {
    if (hwnd_) return;
    hwnd_ = CreateWindowExA(ex_style, cls, text.c_str(),
                            WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | style | (Visible() ? WS_VISIBLE : 0), Left(),
                            Top(), Width(), Height(), form_window, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SetWindowSubclass(hwnd_, &WindowedControl::Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    if (!Enabled()) EnableWindow(hwnd_, FALSE);
}

void WindowedControl::Detach() {
    if (!hwnd_) return;
    ReadBack();
    HWND h = hwnd_;
    hwnd_ = nullptr;
    RemoveWindowSubclass(h, &WindowedControl::Proc, 1);
    DestroyWindow(h);
}

void WindowedControl::Restack(HWND below) {
    if (hwnd_) SetWindowPos(hwnd_, below, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowedControl::Changed(const Rect&) {
    if (!hwnd_) return;
    SetWindowPos(hwnd_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, Visible() ? SW_SHOWNA : SW_HIDE);
    EnableWindow(hwnd_, Enabled());
}

LRESULT WindowedControl::Default(UINT msg, WPARAM wp, LPARAM lp) { return DefSubclassProc(hwnd_, msg, wp, lp); }

LRESULT CALLBACK WindowedControl::Proc(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<WindowedControl*>(data);
    if (m == WM_NCDESTROY) {
        RemoveWindowSubclass(h, &WindowedControl::Proc, 1);
        return DefSubclassProc(h, m, w, l);
    }
    return RunHandlers([&]() -> LRESULT {
        if (m == kReflectedCommand) {
            self->Notify(HIWORD(w));
            return 0;
        }
        LRESULT result = 0;
        if (self->hwnd_ == h && self->Message(m, w, l, result)) return result;
        return DefSubclassProc(h, m, w, l);
    });
}

}  // namespace vorne::forms
