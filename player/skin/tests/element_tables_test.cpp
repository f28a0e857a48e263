#include "player/skin/element_tables.h"

#include <gtest/gtest.h>

namespace vorne::player::skin {
namespace {

TEST(SkinElementTables, StaticLabelText) {
    struct Case {
        const char* action;
        const char* txt;
        const char* text;
    } cases[] = {
        {"Time Display", "", "00:00"}, {"Kbps Display", "", "0"},   {"Frequency Display", "", "0"},
        {"User Defined", "", "0"},     {"time display", "", "0"},   {"Time Display", "%TC", "%TC"},
        {"User Defined", " ", " "},    {"User Defined", "%1 - %2", "%1 - %2"},
    };
    for (const Case& c : cases) EXPECT_EQ(StaticLabelText(c.action, c.txt), c.text) << c.action << "/" << c.txt;
}

TEST(SkinElementTables, ScrollingLabelText) {
    EXPECT_EQ(ScrollingLabelText(true, "", "1.2 (build 3)"), "0");
    EXPECT_EQ(ScrollingLabelText(true, "%2", "1.2 (build 3)"), "%2");
    EXPECT_EQ(ScrollingLabelText(false, "", "1.2 (build 3)"), "Vorne  - 1.2 (build 3)");
    EXPECT_EQ(ScrollingLabelText(false, "whatever", "1.0 (build 7)"), "Vorne  - 1.0 (build 7)");
}

TEST(SkinElementTables, BindsIndexesOneTo99) {
    EXPECT_FALSE(CanBind(-1));
    EXPECT_FALSE(CanBind(0));
    EXPECT_TRUE(CanBind(1));
    EXPECT_TRUE(CanBind(99));
    EXPECT_FALSE(CanBind(100));
}

TEST(SkinElementTables, ClearKeepsLabelTemplates) {
    SkinElementTables<int> t;
    t.LabelsInfo[3] = {"Time Display", "%TC"};
    t.SLabelsInfo[2] = "Song Info";
    t.imgPICS4imgInfo[99] = {"Play Button", 7};
    t.imgPICS2optnInfo[0] = {"Random Button", 1};
    t.ScrollBarsInfo[1] = "Volume Bar";
    t.Clear();
    EXPECT_EQ(t.LabelsInfo[3].Action, "");
    EXPECT_EQ(t.LabelsInfo[3].Template, "%TC");
    EXPECT_EQ(t.SLabelsInfo[2], "");
    EXPECT_EQ(t.imgPICS4imgInfo[99].Action, "");
    EXPECT_EQ(t.imgPICS4imgInfo[99].Picture, 0);
    EXPECT_EQ(t.imgPICS2optnInfo[0].Picture, 0);
    EXPECT_EQ(t.ScrollBarsInfo[1], "");
}

}  // namespace
}  // namespace vorne::player::skin
