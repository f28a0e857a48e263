#include "platform/tray/tray_icon.h"

#include <shellapi.h>

#include "platform/tray/tray_tip.h"

namespace vorne::tray {

namespace {

const char kClass[] = "VorneTrayIconWindow";
constexpr UINT kIconId = 1;

bool AnsiLeadByte(unsigned char b) { return IsDBCSLeadByte(b) != FALSE; }

}  // namespace

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT msg = RegisterWindowMessageA("TaskbarCreated");
    return msg;
}

TrayIcon::TrayIcon() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &TrayIcon::Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassA(&wc);
        registered = true;
    }
    // A top-level window (never shown), so that the taskbar's broadcast reaches it.
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (hwnd_) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TrayIcon::~TrayIcon() {
    SetShown(false);
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (icon_) DestroyIcon(icon_);
}

std::string TrayIcon::ShownTip() const { return CutTip(tip_, sizeof(NOTIFYICONDATAA::szTip), &AnsiLeadByte); }

void TrayIcon::Fill(NOTIFYICONDATAA& data, UINT flags) const {
    data = {};
    data.cbSize = sizeof(data);
    data.hWnd = hwnd_;
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    const std::string tip = ShownTip();
    lstrcpynA(data.szTip, tip.c_str(), static_cast<int>(sizeof(data.szTip)));
}

bool TrayIcon::Call(DWORD what, UINT flags) {
    NOTIFYICONDATAA data;
    Fill(data, flags);
    last_ok_ = Shell_NotifyIconA(what, &data) != FALSE;
    return last_ok_;
}

void TrayIcon::SetShown(bool on) {
    if (on == shown_ || !hwnd_) return;
    if (on) {
        shown_ = true;
        Call(NIM_ADD, NIF_MESSAGE | NIF_TIP | (icon_ ? NIF_ICON : 0));
    } else {
        shown_ = false;
        Call(NIM_DELETE, 0);
    }
}

void TrayIcon::SetPicture(HICON icon) {
    HICON copy = icon ? CopyIcon(icon) : nullptr;
    if (icon_) DestroyIcon(icon_);
    icon_ = copy;
    if (shown_ && icon_) Call(NIM_MODIFY, NIF_ICON);
}

void TrayIcon::SetToolTip(std::string tip) {
    tip_ = std::move(tip);
    if (shown_) Call(NIM_MODIFY, NIF_TIP);
}

LRESULT CALLBACK TrayIcon::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TrayIcon*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && msg == kCallbackMessage) {
        int event = 0, button = 0;
        switch (static_cast<UINT>(lp)) {
        case WM_LBUTTONDOWN: event = kMouseDown; button = 1; break;
        case WM_RBUTTONDOWN: event = kMouseDown; button = 2; break;
        case WM_MBUTTONDOWN: event = kMouseDown; button = 4; break;
        case WM_LBUTTONUP: event = kMouseUp; button = 1; break;
        case WM_RBUTTONUP: event = kMouseUp; button = 2; break;
        case WM_MBUTTONUP: event = kMouseUp; button = 4; break;
        case WM_LBUTTONDBLCLK: event = kMouseDblClick; button = 1; break;
        case WM_RBUTTONDBLCLK: event = kMouseDblClick; button = 2; break;
        case WM_MBUTTONDBLCLK: event = kMouseDblClick; button = 4; break;
        default: break;
        }
        if (event && self->OnEvent) self->OnEvent(event, button);
        return 0;
    }
    if (self && msg == TaskbarCreatedMessage() && msg != 0) {
        // The taskbar was made anew and knows no icons: add ours again.
        if (self->shown_) self->Call(NIM_ADD, NIF_MESSAGE | NIF_TIP | (self->icon_ ? NIF_ICON : 0));
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace vorne::tray
