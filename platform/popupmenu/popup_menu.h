#pragma once
// The popup menu the player shows on a right click: the item model of
// menu_core.h shown as a native popup menu of the platform, with the item
// icons drawn from a 16 x 16 image list, ticks, submenus, separators and
// group headings. Showing returns the number of the item picked.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/popupmenu/menu_core.h"

namespace vorne::popupmenu {

class PopupMenu {
public:
    PopupMenu();
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    // The list the item icon numbers index; the menu does not own it.
    void SetImageList(HIMAGELIST list) { images_ = list; }
    HIMAGELIST ImageList() const { return images_; }
    // The window the menu belongs to; window points are counted from its
    // client area.
    void SetOwner(HWND owner) { owner_ = owner; }
    HWND Owner() const { return owner_; }

    MenuModel& Model() { return model_; }
    const MenuModel& Model() const { return model_; }
    int AddItem(const std::string& caption, const std::string& helpText, long itemData, int parent, int icon,
                bool checked, bool enabled, const std::string& key) {
        return model_.AddItem(caption, helpText, itemData, parent, icon, checked, enabled, key);
    }
    void SetItemAttribute(int number, bool on) { model_.SetAttribute(number, on); }
    void SetChecked(int number, bool on) { model_.SetChecked(number, on); }
    std::string ItemKey(int number) const { return model_.ItemKey(number); }
    void Store(const std::string& name) { model_.Store(name); }
    bool Restore(const std::string& name) { return model_.Restore(name); }

    // Shows the menu with its top-left corner at (x, y) screen pixels and
    // waits for the user; the number of the item picked, 0 when none.
    int ShowAtScreen(int x, int y);
    // The same at (x, y) twips from the owner's client area.
    int ShowAtWindow(float x, float y);

    // The native menu for the model as it stands (the caller destroys it).
    // Item i carries the command id i.
    HMENU Build() const;
    // The native menu last shown, while it is open (for tests); null otherwise.
    HMENU Showing() const { return showing_; }

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HMENU BuildLevel(int parent) const;
    HWND Host();

    MenuModel model_;
    HIMAGELIST images_ = nullptr;
    HWND owner_ = nullptr;
    HWND host_ = nullptr;  // hidden window that tracks the menu and draws the icons
    HMENU showing_ = nullptr;
};

}  // namespace vorne::popupmenu
