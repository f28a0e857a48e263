#include "player/commands/cool_menu_core.h"

#include <string>

namespace vorne::player::commands {

namespace {
using T = TickSource;
}  // namespace

const std::array<CoolMenuRow, kCoolMenuItems>& CoolMenuRows() {
    static const std::array<CoolMenuRow, kCoolMenuItems> rows = {{
        {"-Interface", 0, -1, T::Off, "", false},
        {"&Skin", 0, 0, T::Off, "", false},
        {"&Load Skin", 2, -1, T::Off, "cmdIntSkinShed", false},
        {"&View Author Details", 2, 19, T::Off, "cmdIntSkinVIEW", false},
        {"-", 2, -1, T::Off, "", false},
        {"&Default Skin", 2, -1, T::Off, "cmdIntSkinDef", false},
        {"Always on top", 0, -1, T::OnTop, "cmdIntOntop", true},
        {"Snap to Screen Edge\t(Double-Click)", 0, -1, T::Off, "cmdIntSnap", false},
        {"-Playback", 0, -1, T::Off, "", false},
        {"Commands", 0, -1, T::Off, "", false},
        {"Tag Info", 10, -1, T::Off, "cmdpbckTagInfo", true},
        {"-", 10, -1, T::Off, "", false},
        {"Previous\tZ", 10, 10, T::Off, "cmdpbckPrev", false},
        {"Play\tX", 10, 11, T::Off, "cmdpbckPlay", false},
        {"Pause\tC", 10, 12, T::Off, "cmdpbckPause", false},
        {"Stop\tV", 10, 13, T::Off, "cmdpbckStop", false},
        {"Next\tB", 10, 14, T::Off, "cmdpbckNext", false},
        {"-", 10, -1, T::Off, "", false},
        {"Fade Out\t<", 10, 17, T::Off, "cmdpbckFadeOut", false},
        {"Fade In\t>", 10, 18, T::Off, "cmdpbckFadeIn", false},
        {"-", 10, -1, T::Off, "", false},
        {"Random", 10, -1, T::Random, "cmdpbckRandom", false},
        {"Repeat", 10, -1, T::Repeat, "cmdpbckRepeat", false},
        {"-", 10, -1, T::Off, "", false},
        {"Load", 10, 15, T::Off, "cmdpbckLoad", false},
        {"Open Location", 10, 16, T::Off, "cmdpbckOpenLoc", false},
        {"Play List Advances", 0, -1, T::Advances, "cmdpbckAdvances", false},
        {"Show Video Window\tCtrl+W", 0, 4, T::Off, "cmdpbckvidwindow", true},
        {"Statistics", 0, 5, T::Off, "cmdpbckStats", false},
        {"-Audio Output", 0, -1, T::Off, "", false},
        {"Output to Wave File", 0, 9, T::Off, "cmdOutput2Wave", false},
        {"Audio Cassette Creator", 0, 7, T::Off, "cmdOutputCassetteCreator", false},
        {"-General", 0, -1, T::Off, "", false},
        {"Prefrences", 0, 2, T::Off, "cmdGenOptions", true},
        {"About", 0, 6, T::Off, "cmdGenAbout", false},
        {"Help", 0, 3, T::Off, "cmdGenHelp", false},
        {"-", 0, -1, T::Off, "", false},
        {"Exit", 0, 8, T::Off, "cmdGenExit", false},
    }};
    return rows;
}

void BuildCoolMenu(popupmenu::MenuModel& menu, const MenuTicks& ticks) {
    // The number the menu gave each row, so children hang under what it returned.
    std::array<int, kCoolMenuItems + 1> numbers{};
    int row = 0;
    for (const CoolMenuRow& r : CoolMenuRows()) {
        ++row;
        bool tick = false;
        switch (r.tick) {
        case TickSource::Off: break;
        case TickSource::OnTop: tick = ticks.onTop; break;
        case TickSource::Advances: tick = ticks.advances; break;
        case TickSource::Random: tick = ticks.random; break;
        case TickSource::Repeat: tick = ticks.repeat; break;
        }
        const int parent = r.parentRow > 0 ? numbers[static_cast<size_t>(r.parentRow)] : 0;
        const int n = menu.AddItem(std::string(r.caption), "", 0, parent, r.icon, tick, true, std::string(r.key));
        numbers[static_cast<size_t>(row)] = n;
        if (r.attribute) menu.SetAttribute(n, true);
    }
    menu.Store(std::string(kCoolMenuName));
}

void DoClicks(popupmenu::MenuModel& menu, int index, const std::function<void(Command, int)>& run) {
    if (index <= 0) return;
    if (run) run(CommandForKey(menu.ItemKey(index)), index);
    menu.Store(std::string(kCoolMenuName));
}

}  // namespace vorne::player::commands
