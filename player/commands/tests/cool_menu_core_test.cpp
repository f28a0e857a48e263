#include "player/commands/cool_menu_core.h"

#include <gtest/gtest.h>

#include "player/commands/commands.h"

namespace vorne::player::commands {
namespace {

struct Expected {
    int number;
    const char* caption;
    int parent;
    int icon;
    const char* key;
};

// The menu as the player shows it: number, caption, parent, icon, key.
const Expected kMenu[] = {
    {1, "-Interface", 0, -1, ""},
    {2, "&Skin", 0, 0, ""},
    {3, "&Load Skin", 2, -1, "cmdIntSkinShed"},
    {4, "&View Author Details", 2, 19, "cmdIntSkinVIEW"},
    {5, "-", 2, -1, ""},
    {6, "&Default Skin", 2, -1, "cmdIntSkinDef"},
    {7, "Always on top", 0, -1, "cmdIntOntop"},
    {8, "Snap to Screen Edge\t(Double-Click)", 0, -1, "cmdIntSnap"},
    {9, "-Playback", 0, -1, ""},
    {10, "Commands", 0, -1, ""},
    {11, "Tag Info", 10, -1, "cmdpbckTagInfo"},
    {12, "-", 10, -1, ""},
    {13, "Previous\tZ", 10, 10, "cmdpbckPrev"},
    {14, "Play\tX", 10, 11, "cmdpbckPlay"},
    {15, "Pause\tC", 10, 12, "cmdpbckPause"},
    {16, "Stop\tV", 10, 13, "cmdpbckStop"},
    {17, "Next\tB", 10, 14, "cmdpbckNext"},
    {18, "-", 10, -1, ""},
    {19, "Fade Out\t<", 10, 17, "cmdpbckFadeOut"},
    {20, "Fade In\t>", 10, 18, "cmdpbckFadeIn"},
    {21, "-", 10, -1, ""},
    {22, "Random", 10, -1, "cmdpbckRandom"},
    {23, "Repeat", 10, -1, "cmdpbckRepeat"},
    {24, "-", 10, -1, ""},
    {25, "Load", 10, 15, "cmdpbckLoad"},
    {26, "Open Location", 10, 16, "cmdpbckOpenLoc"},
    {27, "Play List Advances", 0, -1, "cmdpbckAdvances"},
    {28, "Show Video Window\tCtrl+W", 0, 4, "cmdpbckvidwindow"},
    {29, "Statistics", 0, 5, "cmdpbckStats"},
    {30, "-Audio Output", 0, -1, ""},
    {31, "Output to Wave File", 0, 9, "cmdOutput2Wave"},
    {32, "Audio Cassette Creator", 0, 7, "cmdOutputCassetteCreator"},
    {33, "-General", 0, -1, ""},
    {34, "Prefrences", 0, 2, "cmdGenOptions"},
    {35, "About", 0, 6, "cmdGenAbout"},
    {36, "Help", 0, 3, "cmdGenHelp"},
    {37, "-", 0, -1, ""},
    {38, "Exit", 0, 8, "cmdGenExit"},
};

TEST(CoolMenu, ItemsNumbersParentsIconsAndKeys) {
    popupmenu::MenuModel m;
    BuildCoolMenu(m, {});
    ASSERT_EQ(m.Count(), 38);
    for (const Expected& e : kMenu) {
        SCOPED_TRACE(e.number);
        const popupmenu::MenuItem& item = m.Item(e.number);
        EXPECT_EQ(item.caption, e.caption);
        EXPECT_EQ(item.parent, e.parent);
        EXPECT_EQ(item.icon, e.icon);
        EXPECT_EQ(item.key, e.key);
        EXPECT_TRUE(item.enabled);
        // Only 7, 11, 28 and 34 carry the second flag.
        const bool attribute = e.number == 7 || e.number == 11 || e.number == 28 || e.number == 34;
        EXPECT_EQ(item.attribute, attribute);
        // Every key names a command; the empty key names none.
        EXPECT_EQ(CommandForKey(e.key) == Command::None, std::string(e.key).empty());
        EXPECT_LT(item.icon, kMenuIconCount);
    }
}

TEST(CoolMenu, TicksComeFromThePlayerAndTheMenuIsKeptUnderItsName) {
    struct Case {
        MenuTicks ticks;
        bool t7, t22, t23, t27;
    } cases[] = {
        {{false, false, false, false}, false, false, false, false},
        {{true, false, false, false}, true, false, false, false},
        {{false, true, false, false}, false, false, false, true},
        {{false, false, true, false}, false, true, false, false},
        {{false, false, false, true}, false, false, true, false},
        {{true, true, true, true}, true, true, true, true},
    };
    for (const Case& c : cases) {
        popupmenu::MenuModel m;
        BuildCoolMenu(m, c.ticks);
        EXPECT_EQ(m.Checked(kOnTopItem), c.t7);
        EXPECT_EQ(m.Checked(kRandomItem), c.t22);
        EXPECT_EQ(m.Checked(kRepeatItem), c.t23);
        EXPECT_EQ(m.Checked(kAdvancesItem), c.t27);
        int ticked = 0;
        for (int n = 1; n <= m.Count(); ++n) ticked += m.Checked(n) ? 1 : 0;
        EXPECT_EQ(ticked, int(c.t7) + int(c.t22) + int(c.t23) + int(c.t27));
        // Changed and restored: the build's menu comes back.
        m.SetChecked(kOnTopItem, !c.t7);
        ASSERT_TRUE(m.Restore(std::string(kCoolMenuName)));
        EXPECT_EQ(m.Checked(kOnTopItem), c.t7);
    }
}

TEST(CoolMenu, ParentsFollowTheNumbersTheMenuReturned) {
    // A menu that already holds items numbers the new ones after them.
    popupmenu::MenuModel m;
    m.AddItem("before", "", 0, 0, -1, false, true, "");
    BuildCoolMenu(m, {});
    ASSERT_EQ(m.Count(), 39);
    EXPECT_EQ(m.Item(4).parent, 3);   // "&Load Skin" under "&Skin"
    EXPECT_EQ(m.Item(12).parent, 11); // "Tag Info" under "Commands"
    EXPECT_EQ(m.Children(3).size(), 4u);
    EXPECT_EQ(m.Children(11).size(), 16u);
}

TEST(Commands, MenuKeysToCommands) {
    const std::pair<const char*, Command> table[] = {
        {"cmdGenOptions", Command::Options}, {"cmdGenAbout", Command::About},
        {"cmdGenHelp", Command::Help}, {"cmdGenExit", Command::Exit},
        {"cmdIntSkinShed", Command::Skin}, {"cmdIntSkinVIEW", Command::ViewAuthor},
        {"cmdIntSkinDef", Command::DefaultSkin}, {"cmdIntOntop", Command::OnTop},
        {"cmdIntSnap", Command::Snap}, {"cmdpbckTagInfo", Command::TagInfo},
        {"cmdpbckPrev", Command::Previous}, {"cmdpbckPlay", Command::Play},
        {"cmdpbckPause", Command::Pause}, {"cmdpbckStop", Command::Stop},
        {"cmdpbckNext", Command::Next}, {"cmdpbckFadeOut", Command::FadeOut},
        {"cmdpbckFadeIn", Command::FadeIn}, {"cmdpbckRandom", Command::Random},
        {"cmdpbckRepeat", Command::Repeat}, {"cmdpbckLoad", Command::Load},
        {"cmdpbckOpenLoc", Command::OpenLocation}, {"cmdpbckAdvances", Command::Advances},
        {"cmdpbckvidwindow", Command::VideoWindow}, {"cmdpbckStats", Command::Statistics},
        {"cmdOutput2Wave", Command::OutputToWave}, {"cmdOutputCassetteCreator", Command::AudioCassette},
        // Keys match exactly.
        {"cmdpbckplay", Command::None}, {"cmdpbckPlay ", Command::None}, {"", Command::None},
    };
    for (const auto& [key, command] : table) EXPECT_EQ(CommandForKey(key), command) << key;
}

TEST(Commands, KeyReleasesToCommands) {
    const int shift = kShiftBit, ctrl = kCtrlBit, alt = kAltBit;
    struct Case {
        int code, shift;
        Command command;
    } cases[] = {
        {90, 0, Command::Previous}, {90, shift | ctrl | alt, Command::Previous},
        {88, 0, Command::Play}, {88, alt, Command::Play},
        {67, 0, Command::Pause}, {86, ctrl, Command::Stop}, {66, shift, Command::Next},
        {188, 0, Command::FadeOut}, {190, shift, Command::FadeIn},
        {87, ctrl, Command::VideoWindow}, {87, 0, Command::None}, {87, ctrl | shift, Command::None},
        {87, alt, Command::None},
        {51, alt, Command::TagEditor}, {51, alt | shift, Command::None}, {51, 0, Command::None},
        {51, ctrl | alt, Command::None},
        {65, 0, Command::None}, {13, 0, Command::None}, {0, 0, Command::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommandForKeyUp(c.code, c.shift), c.command) << c.code << " shift " << c.shift;
}

}  // namespace
}  // namespace vorne::player::commands

namespace vorne::player::commands {
namespace {

TEST(DoClicks, RunsTheItemsCommandAndKeepsTheMenu) {
    popupmenu::MenuModel m;
    BuildCoolMenu(m, {});
    std::vector<std::pair<Command, int>> ran;
    auto run = [&](Command c, int i) { ran.emplace_back(c, i); };
    // A dismissed menu runs nothing and stores nothing.
    m.SetChecked(kRandomItem, true);
    DoClicks(m, 0, run);
    DoClicks(m, -3, run);
    EXPECT_TRUE(ran.empty());
    ASSERT_TRUE(m.Restore(std::string(kCoolMenuName)));
    EXPECT_FALSE(m.Checked(kRandomItem));
    // A command: its tick change is kept.
    DoClicks(m, kRandomItem, [&](Command c, int i) {
        run(c, i);
        m.SetChecked(i, true);
    });
    ASSERT_TRUE(m.Restore(std::string(kCoolMenuName)));
    EXPECT_TRUE(m.Checked(kRandomItem));
    // A heading, a separator and a submenu title run no command.
    for (int n : {1, 5, 10, 37}) DoClicks(m, n, run);
    const std::vector<std::pair<Command, int>> want = {{Command::Random, kRandomItem}, {Command::None, 1},
                                                       {Command::None, 5}, {Command::None, 10}, {Command::None, 37}};
    EXPECT_EQ(ran, want);
}

}  // namespace
}  // namespace vorne::player::commands

namespace vorne::player::commands {
namespace {

TEST(Commands, TrayEventsToActions) {
    struct Case {
        int event, button;
        bool visible;
        TrayAction action;
    } cases[] = {
        {1, 1, true, TrayAction::None},         {1, 2, true, TrayAction::None},
        {2, 2, true, TrayAction::PopupMenu},    {2, 2, false, TrayAction::PopupMenu},
        {2, 1, true, TrayAction::None},         {2, 4, false, TrayAction::None},
        {3, 1, true, TrayAction::HideToTray},   {3, 1, false, TrayAction::ShowFromTray},
        {3, 2, false, TrayAction::ShowFromTray}, {0, 2, true, TrayAction::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TrayEventAction(c.event, c.button, c.visible), c.action) << c.event << "/" << c.button;
}

}  // namespace
}  // namespace vorne::player::commands
