#include "platform/popupmenu/popup_menu.h"

#include <cstring>

#include "runtime/activex/screen.h"

namespace vorne::popupmenu {

namespace {

constexpr int kIconSize = 16;
const char kHostClass[] = "VornePopupMenuHost";

void RegisterHost(WNDPROC proc) {
    static bool done = false;
    if (done) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kHostClass;
    RegisterClassA(&wc);
    done = true;
}

}  // namespace

PopupMenu::PopupMenu() = default;

PopupMenu::~PopupMenu() {
    if (host_) DestroyWindow(host_);
}

HWND PopupMenu::Host() {
    if (host_ && IsWindow(host_)) return host_;
    RegisterHost(&PopupMenu::Proc);
    // Owned by the owner window so that it belongs to the same task; never shown.
    host_ = CreateWindowExA(WS_EX_TOOLWINDOW, kHostClass, "", WS_POPUP, 0, 0, 0, 0, owner_, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (host_) SetWindowLongPtrA(host_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return host_;
}

HMENU PopupMenu::BuildLevel(int parent) const {
    HMENU menu = CreatePopupMenu();
    UINT position = 0;
    for (int n : model_.Children(parent)) {
        const MenuItem& item = model_.Item(n);
        MENUITEMINFOA mi{};
        mi.cbSize = sizeof(mi);
        std::string text;
        switch (KindOf(item.caption)) {
        case ItemKind::Separator:
            mi.fMask = MIIM_FTYPE | MIIM_ID;
            mi.fType = MFT_SEPARATOR;
            mi.wID = static_cast<UINT>(n);
            break;
        case ItemKind::Heading:
            // A heading: bold and greyed, never picked.
            text = HeadingText(item.caption);
            mi.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE | MIIM_ID;
            mi.fType = MFT_STRING;
            mi.fState = MFS_DISABLED | MFS_DEFAULT;
            mi.wID = static_cast<UINT>(n);
            mi.dwTypeData = text.data();
            break;
        case ItemKind::Command:
            text = item.caption;
            mi.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE | MIIM_ID;
            mi.fType = MFT_STRING;
            mi.fState = (item.checked ? MFS_CHECKED : MFS_UNCHECKED) | (item.enabled ? MFS_ENABLED : MFS_DISABLED);
            mi.wID = static_cast<UINT>(n);
            mi.dwTypeData = text.data();
            if (model_.HasChildren(n)) {
                mi.fMask |= MIIM_SUBMENU;
                mi.hSubMenu = BuildLevel(n);
            }
            if (item.icon >= 0 && images_ && item.icon < ImageList_GetImageCount(images_)) {
                mi.fMask |= MIIM_BITMAP | MIIM_DATA;
                mi.hbmpItem = HBMMENU_CALLBACK;
                mi.dwItemData = static_cast<ULONG_PTR>(item.icon);
            }
            break;
        }
        InsertMenuItemA(menu, position++, TRUE, &mi);
    }
    return menu;
}

HMENU PopupMenu::Build() const { return BuildLevel(0); }

int PopupMenu::ShowAtScreen(int x, int y) {
    HWND host = Host();
    if (!host) return 0;
    HMENU menu = Build();
    // The menu closes on a click elsewhere only when its window is in front.
    SetForegroundWindow(owner_ ? owner_ : host);
    showing_ = menu;
    const BOOL picked = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD |
                                                 TPM_NONOTIFY, x, y, 0, host, nullptr);
    showing_ = nullptr;
    PostMessageA(host, WM_NULL, 0, 0);
    DestroyMenu(menu);
    const int number = static_cast<int>(picked);
    return model_.Valid(number) ? number : 0;
}

int PopupMenu::ShowAtWindow(float x, float y) {
    const activex::TwipsScale scale = activex::ScreenTwipsScale();
    POINT p{scale.ToPixelsX(x), scale.ToPixelsY(y)};
    if (owner_) ClientToScreen(owner_, &p);
    return ShowAtScreen(p.x, p.y);
}

LRESULT CALLBACK PopupMenu::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<PopupMenu*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_MENUCHAR: {
        // An item without an access key is picked by its first letter.
        HMENU menu = reinterpret_cast<HMENU>(lp);
        const auto key = static_cast<unsigned char>(LOWORD(wp));
        const int count = GetMenuItemCount(menu);
        for (int i = 0; i < count; ++i) {
            const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
            if (state & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)) continue;
            char text[256] = {};
            if (GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION) <= 0) continue;
            if (std::strchr(text, '&')) continue;
            if (CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(static_cast<unsigned char>(text[0])))) ==
                CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(key))))
                return MAKELRESULT(i, MNC_EXECUTE);
        }
        return MAKELRESULT(0, MNC_IGNORE);
    }
    case WM_MEASUREITEM: {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (m->CtlType == ODT_MENU) {
            m->itemWidth = kIconSize;
            m->itemHeight = kIconSize;
            return TRUE;
        }
        break;
    }
    case WM_DRAWITEM: {
        auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        if (d->CtlType == ODT_MENU && self && self->images_) {
            const int top = d->rcItem.top + ((d->rcItem.bottom - d->rcItem.top) - kIconSize) / 2;
            const UINT style = (d->itemState & ODS_GRAYED) ? ILD_BLEND50 : ILD_TRANSPARENT;
            ImageList_Draw(self->images_, static_cast<int>(d->itemData), d->hDC, d->rcItem.left, top, style);
            return TRUE;
        }
        break;
    }
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace vorne::popupmenu
