#include "runtime/forms/command_button.h"

#include <commctrl.h>

#include "runtime/forms/commands.h"

namespace vorne::forms {

CommandButton::CommandButton(Form& form, std::string name, int index) : FormControl(form, std::move(name), index) {
    if (form.Loaded()) Attach(form.hWnd());
}

CommandButton::~CommandButton() { Detach(); }

void CommandButton::SetCaption(std::string text) {
    caption_ = std::move(text);
    if (hwnd_) SetWindowTextA(hwnd_, caption_.c_str());
}

void CommandButton::SetValue(bool pressed) {
    if (pressed && OnClick) OnClick();
}

void CommandButton::Attach(HWND form_window) {
    if (hwnd_) return;
    hwnd_ = CreateWindowExA(0, "BUTTON", caption_.c_str(),
                            WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_MULTILINE |
                                (Visible() ? WS_VISIBLE : 0),
                            Left(), Top(), Width(), Height(), form_window, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SetWindowSubclass(hwnd_, Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    if (!Enabled()) EnableWindow(hwnd_, FALSE);
}

void CommandButton::Detach() {
    if (!hwnd_) return;
    HWND h = hwnd_;
    hwnd_ = nullptr;
    RemoveWindowSubclass(h, Proc, 1);
    DestroyWindow(h);
}

void CommandButton::Restack(HWND below) {
    if (hwnd_) SetWindowPos(hwnd_, below, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CommandButton::Changed(const Rect&) {
    if (!hwnd_) return;
    SetWindowPos(hwnd_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, Visible() ? SW_SHOWNA : SW_HIDE);
    EnableWindow(hwnd_, Enabled());
}

LRESULT CALLBACK CommandButton::Proc(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<CommandButton*>(data);
    if (m == kReflectedCommand) {
        if (HIWORD(w) == BN_CLICKED && self->OnClick) {
            auto click = self->OnClick;  // the handler may remove the button
            click();
        }
        return 0;
    }
    if (m == WM_NCDESTROY) RemoveWindowSubclass(h, Proc, 1);
    return DefSubclassProc(h, m, w, l);
}

}  // namespace vorne::forms
