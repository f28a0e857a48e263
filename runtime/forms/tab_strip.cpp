#include "runtime/forms/tab_strip.h"

#include <commctrl.h>

namespace vorne::forms {

TabStrip::TabStrip(Form& form, std::string name, int index) : WindowedControl(form, std::move(name), index) {
    if (form.Loaded()) Attach(form.hWnd());
}

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

bool TabStrip::FormNotify(LPARAM lp) {
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
    Create(form_window, WC_TABCONTROLA, 0, 0, "");
    if (!hwnd_) return;
    for (size_t i = 0; i < tabs_.size(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(tabs_[i].c_str());
        SendMessageA(hwnd_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    if (selected_ >= 1) SendMessageA(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(selected_ - 1), 0);
}

}  // namespace vorne::forms
