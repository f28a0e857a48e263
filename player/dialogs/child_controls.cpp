#include "player/dialogs/child_controls.h"

#include <commctrl.h>
#include <shellapi.h>

namespace vorne::player::dialogs {

namespace {
std::function<void(HWND)>& OnTopRule() {
    static std::function<void(HWND)> rule;
    return rule;
}
Opener& CurrentOpener() {
    static Opener opener = [](HWND owner, const std::string& target) {
        ShellExecuteA(owner, "open", target.c_str(), "", "", SW_SHOWNORMAL);
    };
    return opener;
}
}  // namespace

HWND MakeChild(HWND parent, const char* cls, const std::string& text, DWORD style, int x, int y, int w, int h, int id,
               DWORD exStyle) {
    HWND c = CreateWindowExA(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (c) SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return c;
}

std::string WindowText(HWND w) {
    const int n = GetWindowTextLengthA(w);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    const int got = GetWindowTextA(w, s.data(), n + 1);
    s.resize(static_cast<size_t>(got > 0 ? got : 0));
    return s;
}

void AddToolTip(HWND parent, HWND child, const std::string& tip) {
    static const char kProp[] = "VorneDialogToolTip";
    auto tips = static_cast<HWND>(GetPropA(parent, kProp));
    if (!tips) {
        tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, GetModuleHandleA(nullptr),
                               nullptr);
        if (!tips) return;
        SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, 300);
        SetPropA(parent, kProp, tips);
    }
    TOOLINFOA ti{};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = parent;
    ti.uId = reinterpret_cast<UINT_PTR>(child);
    ti.lpszText = const_cast<char*>(tip.c_str());
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void SizeAndCentre(forms::Form& form, int w, int h) {
    HWND hwnd = form.hWnd();
    RECT r{0, 0, w, h};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE)));
    const int ow = r.right - r.left, oh = r.bottom - r.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - ow) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - oh) / 2;
    form.Move(x * forms::TwipsPerPixelX(), y * forms::TwipsPerPixelY(), ow * forms::TwipsPerPixelX(),
              oh * forms::TwipsPerPixelY());
}

void SetOnTopRule(std::function<void(HWND)> rule) { OnTopRule() = std::move(rule); }

void ApplyOnTopRule(HWND window) {
    if (OnTopRule()) OnTopRule()(window);
}

void SetOpener(Opener opener) { CurrentOpener() = std::move(opener); }

void OpenTarget(HWND owner, const std::string& target) {
    if (CurrentOpener()) CurrentOpener()(owner, target);
}

}  // namespace vorne::player::dialogs
