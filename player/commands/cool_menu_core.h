#pragma once
// The player's popup menu as data: its 38 items in the order they are
// added, and the build that adds them to a menu model with the ticks the
// player has now. Window-free.
#include <array>
#include <functional>
#include <string_view>

#include "platform/popupmenu/menu_core.h"
#include "player/commands/commands.h"

namespace vorne::player::commands {

// The name the whole menu is kept under.
inline constexpr std::string_view kCoolMenuName = "VornesMNU";
inline constexpr int kCoolMenuItems = 38;

// Where an item's tick comes from when the menu is built.
enum class TickSource { Off, OnTop, Advances, Random, Repeat };

struct CoolMenuRow {
    std::string_view caption;
    int parentRow;  // 0: top level; else the row (1..38) of the item it hangs under
    int icon;       // in the 16 x 16 menu image list; -1 none
    TickSource tick;
    std::string_view key;
    bool attribute;  // the second per-item flag, set right after adding
};

const std::array<CoolMenuRow, kCoolMenuItems>& CoolMenuRows();

struct MenuTicks {
    bool onTop = false;     // the entry cmdontop
    bool advances = false;  // the entry chkLoop
    bool random = false;    // RandomOn
    bool repeat = false;    // RepeatOn
};

// Adds the 38 items to menu, in table order, parents taken from the
// numbers the menu returned, and keeps the menu under kCoolMenuName.
void BuildCoolMenu(popupmenu::MenuModel& menu, const MenuTicks& ticks);

// DoClicks: runs popup item index (0 or less: nothing, and nothing is
// stored). run gets the command of the item's key (None for separators,
// headings and submenu titles) and the item's number, so it can set the
// item's tick; the menu is then kept under kCoolMenuName again.
void DoClicks(popupmenu::MenuModel& menu, int index, const std::function<void(Command, int index)>& run);

// The item numbers whose ticks change after the build.
inline constexpr int kOnTopItem = 7, kRandomItem = 22, kRepeatItem = 23, kAdvancesItem = 27;

// The number of icons the menu's image list holds (0..19).
inline constexpr int kMenuIconCount = 20;

}  // namespace vorne::player::commands
