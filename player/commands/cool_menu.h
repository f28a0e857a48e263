#pragma once
// The player's popup menu on screen: CreateCoolMenu's menu object with the
// menu icons, and the one way every source shows it (the menu kept under
// its name, shown at a point, the item picked).
#include <windows.h>

#include "platform/popupmenu/popup_menu.h"
#include "player/commands/cool_menu_core.h"

namespace vorne::player::commands {

class CoolMenu {
public:
    CoolMenu() = default;
    ~CoolMenu();
    CoolMenu(const CoolMenu&) = delete;
    CoolMenu& operator=(const CoolMenu&) = delete;

    // CreateCoolMenu: a new menu with the icon list (made from module's
    // menu icons when icons is null; the menu then owns it), owned by owner,
    // holding the 38 items with these ticks, kept under its name.
    void Create(HWND owner, const MenuTicks& ticks, HIMAGELIST icons = nullptr, HINSTANCE module = nullptr);
    bool Created() const { return created_; }
    popupmenu::PopupMenu& Menu() { return menu_; }

    // The menu kept under its name, shown at the cursor / at a point of the
    // owner in twips; the number of the item picked, 0 for none.
    int ShowAtCursor();
    int ShowAtScreen(int x, int y);
    int ShowAtWindowPoint(float x, float y);

private:
    popupmenu::PopupMenu menu_;
    HIMAGELIST owned_ = nullptr;
    bool created_ = false;
};

}  // namespace vorne::player::commands
