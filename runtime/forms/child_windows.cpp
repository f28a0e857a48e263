#include "runtime/forms/child_windows.h"

#include <commctrl.h>

namespace vorne::forms {

namespace {

// The form window's tool-tip window, kept as a property of the form window.
constexpr char kToolTipProp[] = "VorneToolTip";
constexpr UINT_PTR kToolTipOwnerId = 0x7654;

// Takes the tool-tip window down with the form window it serves.
LRESULT CALLBACK ToolTipOwnerProc(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    if (m == WM_DESTROY) {
        if (auto tips = static_cast<HWND>(RemovePropA(h, kToolTipProp))) DestroyWindow(tips);
    } else if (m == WM_NCDESTROY) {
        RemoveWindowSubclass(h, ToolTipOwnerProc, kToolTipOwnerId);
    }
    return DefSubclassProc(h, m, w, l);
}

HWND MakeToolTipWindow(HWND form_window) {
    if (HWND tips = ToolTipWindow(form_window)) return tips;
    // The tips have no owner: an owned topmost tip would keep the form
    // itself from being made topmost again once it was not.
    HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!tips) return nullptr;
    if (!SetWindowSubclass(form_window, ToolTipOwnerProc, kToolTipOwnerId, 0) ||
        !SetPropA(form_window, kToolTipProp, tips)) {
        RemoveWindowSubclass(form_window, ToolTipOwnerProc, kToolTipOwnerId);
        DestroyWindow(tips);
        return nullptr;
    }
    return tips;
}

TTTOOLINFOA ToolFor(HWND form_window, HWND child, const std::string& tip) {
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every version of the control
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = form_window;
    ti.uId = reinterpret_cast<UINT_PTR>(child);
    ti.lpszText = const_cast<char*>(tip.c_str());
    return ti;
}

}  // namespace

HWND MakeChild(HWND parent, const char* cls, const std::string& text, DWORD style, int x, int y, int w, int h, int id,
               DWORD exStyle) {
    HWND c = CreateWindowExA(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (c) SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return c;
}

std::string WindowText(HWND window) {
    const int n = GetWindowTextLengthA(window);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    const int got = GetWindowTextA(window, s.data(), n + 1);
    s.resize(static_cast<size_t>(got > 0 ? got : 0));
    return s;
}

void SetChildText(HWND child, const std::string& text) {
    if (WindowText(child) != text) SetWindowTextA(child, text.c_str());
}

HWND ToolTipWindow(HWND form_window) { return static_cast<HWND>(GetPropA(form_window, kToolTipProp)); }

void SetChildTip(HWND form_window, HWND child, const std::string& tip, int max_width) {
    if (!form_window || !child) return;
    HWND tips = MakeToolTipWindow(form_window);
    if (!tips) return;
    SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, max_width);
    TTTOOLINFOA ti = ToolFor(form_window, child, tip);
    SendMessageA(tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void UpdateChildTip(HWND form_window, HWND child, const std::string& tip) {
    HWND tips = form_window ? ToolTipWindow(form_window) : nullptr;
    if (!tips) return;
    TTTOOLINFOA ti = ToolFor(form_window, child, tip);
    SendMessageA(tips, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void SetToolTip(const FormControl& control, const std::string& text) {
    if (HWND target = control.Window()) SetChildTip(GetParent(target), target, text);
}

}  // namespace vorne::forms
