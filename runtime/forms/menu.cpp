#include "runtime/forms/menu.h"

#include <map>

#include "runtime/forms/commands.h"

namespace vorne::forms {

namespace {

// Ids above the dialog and system ranges; one per item for the run.
std::map<UINT, MenuItem*>& Registry() {
    static std::map<UINT, MenuItem*> items;
    return items;
}
UINT NextId() {
    static UINT next = 0x4000;
    return next < 0xEFFF ? next++ : next;
}

void AppendItem(HMENU menu, const MenuItem& item) {
    if (item.Caption() == "-") {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    UINT flags = MF_STRING | (item.Enabled() ? MF_ENABLED : MF_GRAYED) | (item.Checked() ? MF_CHECKED : 0);
    if (!item.Items().empty()) {
        AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(item.BuildPopup()), item.Caption().c_str());
    } else {
        AppendMenuA(menu, flags, item.Id(), item.Caption().c_str());
    }
}

}  // namespace

MenuItem::MenuItem(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)), id_(NextId()) {
    Registry()[id_] = this;
}

MenuItem::~MenuItem() {
    auto it = Registry().find(id_);
    if (it != Registry().end() && it->second == this) Registry().erase(it);
}

HMENU MenuItem::BuildPopup() const {
    HMENU m = CreatePopupMenu();
    for (const MenuItem* c : items_)
        if (c->Visible()) AppendItem(m, *c);
    return m;
}

bool DispatchMenuCommand(UINT id) {
    auto it = Registry().find(id);
    if (it == Registry().end()) return false;
    if (it->second->Enabled() && it->second->OnClick) {
        auto click = it->second->OnClick;  // the handler may end the item's form
        click();
    }
    return true;
}

MenuBar::MenuBar(Form& form, std::string name) : FormControl(form, std::move(name)) {}

MenuBar::~MenuBar() { Detach(); }

HMENU MenuBar::Build() const {
    HMENU bar = CreateMenu();
    for (const MenuItem* top : items_)
        if (top->Visible()) AppendItem(bar, *top);
    return bar;
}

void MenuBar::Attach(HWND form_window) {
    window_ = form_window;
    Refresh();
}

void MenuBar::Refresh() {
    if (!window_) return;
    HMENU old = menu_;
    menu_ = Build();
    SetMenu(window_, menu_);
    if (old) DestroyMenu(old);
    DrawMenuBar(window_);
}

void MenuBar::Detach() {
    if (window_ && IsWindow(window_)) SetMenu(window_, nullptr);
    if (menu_) DestroyMenu(menu_);
    menu_ = nullptr;
    window_ = nullptr;
}

bool PopupMenu(Form& form, const MenuItem& menu) {
    HWND owner = form.hWnd();
    if (!owner) return false;
    HMENU m = menu.BuildPopup();
    POINT p;
    GetCursorPos(&p);
    // The owner must be in front, or the menu does not close when the user
    // clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT id = static_cast<UINT>(
        TrackPopupMenu(m, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, p.x, p.y, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    DestroyMenu(m);
    return id != 0 && DispatchMenuCommand(id);
}

}  // namespace vorne::forms
