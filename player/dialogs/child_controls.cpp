#include "player/dialogs/child_controls.h"

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
