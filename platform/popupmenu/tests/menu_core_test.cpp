#include "platform/popupmenu/menu_core.h"

#include <gtest/gtest.h>

namespace vorne::popupmenu {
namespace {

TEST(MenuModel, NumbersFromOneAndHangsItemsUnderTheirParent) {
    MenuModel m;
    EXPECT_EQ(m.AddItem("File", "", 0, 0, -1, false, true, ""), 1);
    EXPECT_EQ(m.AddItem("Open", "", 0, 1, 3, false, true, "open"), 2);
    EXPECT_EQ(m.AddItem("-", "", 0, 1, -1, false, true, ""), 3);
    // A parent that names no earlier item puts the item on the top level.
    EXPECT_EQ(m.AddItem("Exit", "", 0, 99, -1, true, false, "exit"), 4);
    EXPECT_EQ(m.Children(0), (std::vector<int>{1, 4}));
    EXPECT_EQ(m.Children(1), (std::vector<int>{2, 3}));
    EXPECT_TRUE(m.HasChildren(1));
    EXPECT_FALSE(m.HasChildren(2));
    EXPECT_EQ(m.ItemKey(2), "open");
    EXPECT_EQ(m.Item(2).icon, 3);
    EXPECT_TRUE(m.Checked(4));
    EXPECT_FALSE(m.Item(4).enabled);
    // Numbers outside the menu name an empty item and change nothing.
    EXPECT_EQ(m.ItemKey(0), "");
    EXPECT_EQ(m.ItemKey(5), "");
    m.SetChecked(-1, true);
    m.SetChecked(5, true);
    EXPECT_EQ(m.Count(), 4);
}

TEST(MenuModel, KindsOfCaption) {
    EXPECT_EQ(KindOf("-"), ItemKind::Separator);
    EXPECT_EQ(KindOf("-Playback"), ItemKind::Heading);
    EXPECT_EQ(HeadingText("-Playback"), "Playback");
    EXPECT_EQ(KindOf("Play\tX"), ItemKind::Command);
    EXPECT_EQ(KindOf(""), ItemKind::Command);
}

TEST(MenuModel, RestoreBringsBackTheMenuKeptUnderTheName) {
    MenuModel m;
    const int n = m.AddItem("Random", "", 0, 0, -1, false, true, "r");
    m.Store("Main");
    m.SetChecked(n, true);
    m.AddItem("Extra", "", 0, 0, -1, false, true, "x");
    EXPECT_FALSE(m.Restore("main"));  // names keep their letter case
    EXPECT_EQ(m.Count(), 2);
    EXPECT_TRUE(m.Restore("Main"));
    EXPECT_EQ(m.Count(), 1);
    EXPECT_FALSE(m.Checked(n));
    // A tick changed and stored again survives the next restore.
    m.SetChecked(n, true);
    m.Store("Main");
    m.SetChecked(n, false);
    EXPECT_TRUE(m.Restore("Main"));
    EXPECT_TRUE(m.Checked(n));
}

}  // namespace
}  // namespace vorne::popupmenu
