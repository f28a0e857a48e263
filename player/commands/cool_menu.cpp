#include "player/commands/cool_menu.h"

#include <string>

#include "player/icons/icons.h"

namespace vorne::player::commands {

CoolMenu::~CoolMenu() {
    if (owned_) ImageList_Destroy(owned_);
}

void CoolMenu::Create(HWND owner, const MenuTicks& ticks, HIMAGELIST icons, HINSTANCE module) {
    if (!icons) {
        if (!owned_) owned_ = vorne::player::icons::LoadMenuIcons(module);
        icons = owned_;
    }
    menu_.Model().Clear();
    menu_.SetImageList(icons);
    menu_.SetOwner(owner);
    BuildCoolMenu(menu_.Model(), ticks);
    created_ = true;
}

int CoolMenu::ShowAtScreen(int x, int y) {
    if (!created_) return 0;
    menu_.Restore(std::string(kCoolMenuName));
    return menu_.ShowAtScreen(x, y);
}

int CoolMenu::ShowAtCursor() {
    POINT p{};
    GetCursorPos(&p);
    return ShowAtScreen(p.x, p.y);
}

int CoolMenu::ShowAtWindowPoint(float x, float y) {
    if (!created_) return 0;
    menu_.Restore(std::string(kCoolMenuName));
    return menu_.ShowAtWindow(x, y);
}

}  // namespace vorne::player::commands
