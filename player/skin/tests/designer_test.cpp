#include "player/skin/designer.h"

#include <gtest/gtest.h>

namespace vorne::player::skin {
namespace {

class SkinDesigner : public ::testing::Test {
protected:
    void SetUp() override { designer.FillKinds(); }

    std::vector<std::string> Actions() const {
        std::vector<std::string> out;
        for (int i = 0; i < actions.ListCount(); ++i) out.push_back(actions.List(i));
        return out;
    }
    // img1, img2, caption
    std::tuple<bool, bool, bool> Shown() const { return {img1.Visible(), img2.Visible(), caption.Visible()}; }

    forms::ComboBox objects{"cmboObjects"};
    forms::ComboBox actions{"cmboActions"};
    forms::Control img1{"img1"}, img2{"img2"};
    forms::TextBox caption{"txtCaption"};
    ElementDesigner designer{objects, actions, img1, img2, caption};
};

TEST_F(SkinDesigner, StartsWithTheFourKindsAndStaticLabel) {
    ASSERT_EQ(objects.ListCount(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(objects.List(i), kSkinObjectKinds[i]);
    EXPECT_EQ(designer.Kind(), 0);
    EXPECT_EQ(Actions(), ActionsOfKind(0));
    EXPECT_EQ(designer.ActionPosition(), 0);
    EXPECT_EQ(Shown(), std::make_tuple(false, false, true));
}

TEST_F(SkinDesigner, KindChangeRefillsActionsAndShowsItsFields) {
    struct Case {
        int kind;
        std::vector<std::string> actions;
        std::tuple<bool, bool, bool> shown;
    } cases[] = {
        {2,
         {"User Defined", "-- Images(4) --", "Next Button", "Open Button", "Pause Button", "Play Button",
          "Previous Button", "Stop Button", "-- Images(2) --", "Close", "Minimize", "Play List Button",
          "Random Button", "Repeat Button", "System Menu"},
         {true, false, false}},
        {0, {"User Defined", "Frequency Display", "Kbps Display", "Time Display"}, {false, false, true}},
        {3, {"User Defined", "Balance Bar", "Position Bar", "Volume Bar"}, {true, true, false}},
        {1, {"User Defined", "Song Info"}, {false, false, true}},
        // No kind: only "User Defined", nothing shown.
        {-1, {"User Defined"}, {false, false, false}},
    };
    for (const Case& c : cases) {
        // Start from a different action with other fields shown.
        designer.ChangeImage2Visibility(true);
        objects.SetListIndex(c.kind);
        EXPECT_EQ(Actions(), c.actions) << c.kind;
        EXPECT_EQ(designer.ActionText(), "User Defined") << c.kind;
        EXPECT_EQ(Shown(), c.shown) << c.kind;
        if (c.kind >= 0) {
            EXPECT_EQ(ActionsOfKind(c.kind), c.actions);
        }
    }
    EXPECT_TRUE(ActionsOfKind(4).empty());
    EXPECT_TRUE(ActionsOfKind(-1).empty());
}

TEST_F(SkinDesigner, ActionChangeShowsFieldsAndSkipsHeaders) {
    struct Case {
        const char* kind;
        const char* action;
        const char* chosen;
        int position;
        std::tuple<bool, bool, bool> shown;
    } cases[] = {
        {"Static Label", "Time Display", "Time Display", 3, {false, false, false}},
        {"Static Label", "user defined", "User Defined", 0, {false, false, true}},
        {"Scrolling Label", "Song Info", "Song Info", 1, {false, false, false}},
        {"Scrolling Label", "User Defined", "User Defined", 0, {false, false, true}},
        {"Image", "-- Images(4) --", "Next Button", 2, {true, false, false}},
        {"Image", "-- Images(2) --", "Close", 9, {true, false, false}},
        {"Image", "PLAY BUTTON", "Play Button", 5, {true, false, false}},
        {"Image", "User Defined", "User Defined", 0, {true, false, false}},
        {"Scroll Bar", "Volume Bar", "Volume Bar", 3, {true, true, false}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(objects.SetText(c.kind));
        designer.ChangeImage2Visibility(true);
        ASSERT_TRUE(actions.SetText(c.action)) << c.action;
        EXPECT_EQ(designer.ActionText(), c.chosen) << c.action;
        EXPECT_EQ(designer.ActionPosition(), c.position) << c.action;
        EXPECT_EQ(Shown(), c.shown) << c.action;
    }
}

TEST_F(SkinDesigner, HeaderChosenByPositionMovesOn) {
    objects.SetListIndex(2);
    actions.SetListIndex(8);
    EXPECT_EQ(designer.ActionPosition(), 9);
    actions.SetListIndex(1);
    EXPECT_EQ(designer.ActionPosition(), 2);
}

TEST_F(SkinDesigner, UnknownTextChangesNothing) {
    objects.SetListIndex(2);
    actions.SetText("Close");
    designer.HideFields();
    EXPECT_FALSE(actions.SetText("Eject Button"));
    EXPECT_EQ(designer.ActionText(), "Close");
    EXPECT_EQ(Shown(), std::make_tuple(false, false, false));  // no change procedure ran
    EXPECT_FALSE(objects.SetText("Button"));
    EXPECT_EQ(designer.Kind(), 2);
    EXPECT_EQ(designer.ActionText(), "Close");
    // A kind text in other letter case still chooses the kind.
    EXPECT_TRUE(objects.SetText("scroll bar"));
    EXPECT_EQ(designer.Kind(), 3);
    EXPECT_EQ(Shown(), std::make_tuple(true, true, false));
}

TEST_F(SkinDesigner, VisibilityProceduresSetOnlyTheirField) {
    designer.HideFields();
    designer.ChangeImage1Visibility(true);
    EXPECT_EQ(Shown(), std::make_tuple(true, false, false));
    designer.ChangeCaptionVisibility(true);
    EXPECT_TRUE(designer.CaptionShown());
    designer.ChangeImage1Visibility(false);
    designer.ChangeImage2Visibility(true);
    EXPECT_EQ(Shown(), std::make_tuple(false, true, true));
    designer.HideFields();
    EXPECT_EQ(Shown(), std::make_tuple(false, false, false));
}

TEST(SkinGroupHeader, TwoHyphensInFront) {
    EXPECT_TRUE(IsGroupHeader("-- Images(4) --"));
    EXPECT_TRUE(IsGroupHeader("-- Images(2) --"));
    EXPECT_TRUE(IsGroupHeader("--"));
    EXPECT_FALSE(IsGroupHeader("-"));
    EXPECT_FALSE(IsGroupHeader(""));
    EXPECT_FALSE(IsGroupHeader("Next Button"));
    EXPECT_FALSE(IsGroupHeader(" -- x"));
}

TEST(SkinImageArrayFor, EveryPosition) {
    using A = ImageArray;
    const A expected[] = {A::Pics,  A::Pics4, A::Pics4,     A::Pics4,     A::Pics4,     A::Pics4,
                          A::Pics4, A::Pics4, A::None,      A::Pics2,     A::Pics2,     A::Pics2Optn,
                          A::Pics2Optn, A::Pics2Optn, A::Pics2, A::None};
    for (int p = 0; p <= 15; ++p) EXPECT_EQ(ImageArrayFor(p), expected[p]) << p;
    EXPECT_EQ(ImageArrayFor(-1), A::None);
    EXPECT_EQ(CellsOf(A::Pics), 1);
    EXPECT_EQ(CellsOf(A::Pics4), 4);
    EXPECT_EQ(CellsOf(A::Pics2), 2);
    EXPECT_EQ(CellsOf(A::Pics2Optn), 2);
    EXPECT_EQ(CellsOf(A::None), 0);
    // The positions agree with the Image action list.
    const auto& list = ActionsOfKind(2);
    for (int p = 0; p < static_cast<int>(list.size()); ++p)
        EXPECT_EQ(ImageArrayFor(p) == A::None, IsGroupHeader(list[static_cast<size_t>(p)]) && p == 8) << p;
}

}  // namespace
}  // namespace vorne::player::skin
