#include "runtime/forms/tab_strip.h"

#include <commctrl.h>

namespace vorne::forms {

TabStrip::TabStrip(Form& form, std::string name, int index) : FormControl(form, std::move(name), index) {
    if (form.Loaded()) Attach(form.hWnd());
}

TabStrip::~TabStrip() { Detach(); }

void TabStrip::SetTabs(std::vector<std::string> captions) {
    tabs_ = std::move(captions);
    if (selected_ > TabCount()) selected_ = TabCount() > 0 ? 1 : 0;
    if (hwnd_) {
        HWND h = hwnd_;
        Detach();
        Attach(GetParent(h) ? GetParent(h) : Parent().hWnd());
    }
}

void TabStrip::SetSelectedTab(int i) {
    if (i < 1 || i > TabCount() || i == selected_) return;
    selected_ = i;
    if (hwnd_) SendMessageA(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(i - 1), 0);
    if (OnTabClick) OnTabClick();
}

Rect TabStrip::PageArea() const {
    RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    if (hwnd_) {
        RECT inner{0, 0, Width(), Height()};
        SendMessageA(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&inner));
        r = {Left() + inner.left, Top() + inner.top, Left() + inner.right, Top() + inner.bottom};
    }
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool TabStrip::Notify(LPARAM lp) {
    const auto* n = reinterpret_cast<const NMHDR*>(lp);
    if (!hwnd_ || !n || n->hwndFrom != hwnd_) return false;
    if (n->code == TCN_SELCHANGE) {
        const int now = static_cast<int>(SendMessageA(hwnd_, TCM_GETCURSEL, 0, 0)) + 1;
        if (now != selected_) {
            selected_ = now;
            if (OnTabClick) {
                auto click = OnTabClick;
                click();
            }
        }
    }
    return true;
}

void TabStrip::Attach(HWND form_window) {
    if (hwnd_) return;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    hwnd_ = CreateWindowExA(0, WC_TABCONTROLA, "",
                            WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | (Visible() ? WS_VISIBLE : 0), Left(), Top(),
                            Width(), Height(), form_window, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    for (size_t i = 0; i < tabs_.size(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(tabs_[i].c_str());
        SendMessageA(hwnd_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    if (selected_ >= 1) SendMessageA(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(selected_ - 1), 0);
    if (!Enabled()) EnableWindow(hwnd_, FALSE);
}

void TabStrip::Detach() {
    if (!hwnd_) return;
    HWND h = hwnd_;
    hwnd_ = nullptr;
    DestroyWindow(h);
}

void TabStrip::Restack(HWND below) {
    if (hwnd_) SetWindowPos(hwnd_, below, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TabStrip::Changed(const Rect&) {
    if (!hwnd_) return;
    SetWindowPos(hwnd_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, Visible() ? SW_SHOWNA : SW_HIDE);
    EnableWindow(hwnd_, Enabled());
}

}  // namespace vorne::forms
