// The four views' shared selection: the rubber band, the move and resize
// handles, and the strips rebuilt at the end of every drag.
#include <gtest/gtest.h>

#include "tools/stripmaker/selection.h"

namespace vorne::stripmaker {
namespace {

void ExpectBox(const Box& b, float l, float t, float w, float h, const char* what) {
    EXPECT_FLOAT_EQ(b.Left, l) << what;
    EXPECT_FLOAT_EQ(b.Top, t) << what;
    EXPECT_FLOAT_EQ(b.Width, w) << what;
    EXPECT_FLOAT_EQ(b.Height, h) << what;
}

// Every view shows the rectangle, with its handles where AlignButton puts them.
void ExpectEverywhere(const ViewFamily& f, float l, float t, float w, float h) {
    for (int k = 1; k <= 4; ++k) {
        const SelectionView& v = f.View(k);
        SCOPED_TRACE("view " + std::to_string(k));
        ExpectBox(v.Selectr, l, t, w, h, "selection");
        ExpectBox(v.Sizer, l + w, t + h, kHandleSize, kHandleSize, "resize handle");
        ExpectBox(v.Mover, l + w - kHandleSize - kHandleGap, t + h, kHandleSize, kHandleSize, "move handle");
        EXPECT_TRUE(v.Selectr.Visible && v.Mover.Visible && v.Sizer.Visible);
    }
}

class Family : public ::testing::Test {
protected:
    void SetUp() override {
        f_.StripsChanged = [this] { ++builds_; };
        for (int k = 1; k <= 4; ++k) {
            auto p = std::make_shared<PixelBuffer>(100, 80, 0x100000u * static_cast<std::uint32_t>(k));
            f_.SetPicture(k, p);
        }
    }
    // A left drag on view `k` from one twip point to another through a middle point.
    void Drag(int k, float x0, float y0, float x1, float y1) {
        SelectionView& v = f_.View(k);
        v.Form_MouseDown(kLeftButton, x0, y0);
        v.Form_MouseMove(kLeftButton, (x0 + x1) / 2, (y0 + y1) / 2);
        v.Form_MouseMove(kLeftButton, x1, y1);
        v.Form_MouseUp(kLeftButton, x1, y1);
    }
    ViewFamily f_;
    int builds_ = 0;
};

TEST(CalcPos, EachQuadrantIncludesBothCornerPixels) {
    struct Case {
        float sx, sy, ex, ey, l, t, w, h;
    } cases[] = {
        {150, 150, 435, 360, 150, 150, 300, 225},  // down right
        {150, 360, 435, 150, 150, 150, 300, 225},  // up right
        {435, 360, 150, 150, 150, 150, 300, 225},  // up left
        {435, 150, 150, 360, 150, 150, 300, 225},  // down left
        {150, 150, 165, 165, 150, 150, 30, 30},
    };
    for (const Case& c : cases) {
        ViewFamily f;
        SelectionView& v = f.View(2);
        v.StartX = c.sx, v.StartY = c.sy, v.EndX = c.ex, v.EndY = c.ey;
        v.CalcPos();
        ExpectBox(v.Selectr, c.l, c.t, c.w, c.h, "CalcPos");
    }
    // The corner on the anchor's row or column: the rectangle stays.
    for (auto [ex, ey] : {std::pair<float, float>{150, 360}, {435, 150}, {150, 150}}) {
        ViewFamily f;
        SelectionView& v = f.View(2);
        v.StartX = 150, v.StartY = 150, v.EndX = ex, v.EndY = ey;
        v.CalcPos();
        ExpectBox(v.Selectr, 1440, 1200, 1095, 615, "unchanged");
    }
}

TEST_F(Family, ARubberBandInOneViewIsTheSelectionOfAll) {
    // From pixel (10, 10) to pixel (29, 24) in the mouse-over view.
    Drag(2, 150, 150, 435, 360);
    ExpectEverywhere(f_, 150, 150, 300, 225);
    EXPECT_EQ(builds_, 1);
    EXPECT_EQ(f_.Images2().Width(), 40);
    EXPECT_EQ(f_.Images4().Width(), 80);
    EXPECT_EQ(f_.Images4().Height(), 15);
    EXPECT_EQ(f_.Images4().At(25, 3), 0x200000u);  // the mouse-over picture in cell 1
    EXPECT_EQ(f_.Images2().At(25, 3), 0x300000u);  // the pressed picture in the 2-cell strip

    // Backwards gives the same rectangle.
    Drag(3, 435, 360, 150, 150);
    ExpectEverywhere(f_, 150, 150, 300, 225);
}

TEST_F(Family, OthersFollowWhileTheBandIsDraggedAndOnlyTheReleaseBuilds) {
    SelectionView& v = f_.View(1);
    v.Form_MouseDown(kLeftButton, 150, 150);
    // The press shows everything and gives the others the old rectangle.
    ExpectBox(f_.View(4).Selectr, 1800, 1080, 1095, 615, "copied at the press");
    EXPECT_TRUE(f_.View(4).Selectr.Visible);
    v.Form_MouseMove(kLeftButton, 300, 300);
    ExpectEverywhere(f_, 150, 150, 165, 165);
    EXPECT_EQ(builds_, 0);
    v.Form_MouseUp(kLeftButton, 300, 300);
    EXPECT_EQ(builds_, 1);
}

TEST_F(Family, AReleaseOnTheAnchorsRowKeepsTheRectangleAndStillBuilds) {
    Drag(1, 150, 150, 435, 360);
    SelectionView& v = f_.View(1);
    v.Form_MouseDown(kLeftButton, 600, 600);
    v.Form_MouseUp(kLeftButton, 600, 900);  // same column
    ExpectEverywhere(f_, 150, 150, 300, 225);
    v.Form_MouseDown(kLeftButton, 600, 600);  // a click without moving
    v.Form_MouseUp(kLeftButton, 600, 600);
    ExpectEverywhere(f_, 150, 150, 300, 225);
    EXPECT_EQ(builds_, 3);
}

TEST_F(Family, RightButtonDragChangesNothingButARightReleaseOnAHandleBuilds) {
    Drag(1, 150, 150, 435, 360);
    SelectionView& v = f_.View(2);
    v.Form_MouseDown(kRightButton, 30, 30);
    v.Form_MouseMove(kRightButton, 900, 900);
    v.Form_MouseUp(kRightButton, 900, 900);
    ExpectEverywhere(f_, 150, 150, 300, 225);
    EXPECT_EQ(builds_, 1);
    v.Sizer_MouseDown(kRightButton, 5, 5);
    v.Sizer_MouseMove(kRightButton, 500, 500);
    v.Sizer_MouseUp(kRightButton, 500, 500);
    v.Mover_MouseUp(kRightButton, 0, 0);
    ExpectEverywhere(f_, 150, 150, 300, 225);
    EXPECT_EQ(builds_, 3);
}

TEST_F(Family, TheMoveHandleKeepsTheSizeAndTakesTheOthersAlong) {
    Drag(1, 150, 150, 435, 360);
    SelectionView& v = f_.View(3);
    // Grab the handle at (60, 45) and drag by (+150, +90): the handle moves
    // with the pointer, so each event comes relative to its new place.
    v.Mover_MouseDown(kLeftButton, 60, 45);
    v.Mover_MouseMove(kLeftButton, 60 + 90, 45 + 30);
    v.Mover_MouseMove(kLeftButton, 60 + 60, 45 + 60);
    EXPECT_EQ(builds_, 1);
    v.Mover_MouseUp(kLeftButton, 60, 45);
    ExpectEverywhere(f_, 300, 240, 300, 225);
    EXPECT_EQ(builds_, 2);
    // Not clamped: the selection may leave the picture and the window.
    v.Mover_MouseDown(kLeftButton, 0, 0);
    v.Mover_MouseMove(kLeftButton, -3000, -3000);
    v.Mover_MouseUp(kLeftButton, 0, 0);
    ExpectEverywhere(f_, -2700, -2760, 300, 225);
}

TEST_F(Family, TheResizeHandleStopsAtTheLeftEdgeAndGrowsBackFromTheCorner) {
    Drag(1, 150, 150, 435, 360);
    SelectionView& v = f_.View(1);
    v.Sizer_MouseDown(kLeftButton, 15, 15);
    v.Sizer_MouseMove(kLeftButton, 15 - 600, 15 + 30);  // far left of the selection, 2 pixels down
    ExpectEverywhere(f_, 150, 150, 0, 255);
    EXPECT_FLOAT_EQ(v.Sizer.Left, 150);
    v.Sizer_MouseMove(kLeftButton, 15 + 90, 15);  // back right by 6 pixels
    ExpectEverywhere(f_, 150, 150, 90, 255);
    v.Sizer_MouseMove(kLeftButton, 15, 15 - 900);  // above the top edge
    ExpectEverywhere(f_, 150, 150, 90, 0);
    v.Sizer_MouseUp(kLeftButton, 15, 15);
    EXPECT_EQ(builds_, 2);
    EXPECT_TRUE(f_.Images4().Empty());  // nothing to cut from a zero height
}

TEST_F(Family, LoadingAPictureLeavesTheStripsUntilTheNextBuild) {
    Drag(1, 150, 150, 435, 360);
    const PixelBuffer four = f_.Images4();
    f_.SetPicture(2, std::make_shared<PixelBuffer>(100, 80, 0xABCDEFu));
    EXPECT_EQ(f_.Images4(), four);
    f_.GetImages();  // Re-Capture Images
    EXPECT_EQ(f_.Images4().At(25, 3), 0xABCDEFu);
    EXPECT_EQ(f_.Images2().At(25, 3), 0x300000u);  // the 2-cell strip never takes the mouse-over look
}

TEST_F(Family, ReCaptureBeforeAnyPressCutsTheHiddenStartRectangles) {
    for (int k = 1; k <= 4; ++k) EXPECT_FALSE(f_.View(k).Selectr.Visible || f_.View(k).Mover.Visible);
    f_.SetPicture(1, std::make_shared<PixelBuffer>(300, 200, 0x111111u));
    f_.GetImages();
    EXPECT_EQ(f_.Images4().Width(), 4 * 73);
    EXPECT_EQ(f_.Images4().Height(), 41);
    EXPECT_EQ(f_.Images4().At(0, 0), 0x111111u);
    // The other views' cells are cut at their own start, pixel (96, 80):
    // of a 120 x 100 picture that leaves 24 columns and 20 rows.
    f_.SetPicture(2, std::make_shared<PixelBuffer>(120, 100, 0x222222u));
    f_.GetImages();
    EXPECT_EQ(f_.Images4().At(73, 0), 0x222222u);
    EXPECT_EQ(f_.Images4().At(73 + 23, 19), 0x222222u);
    EXPECT_EQ(f_.Images4().At(73 + 24, 0), kClearedColour);
    EXPECT_EQ(f_.Images4().At(73, 20), kClearedColour);
    EXPECT_EQ(f_.Images4().At(2 * 73, 0), kClearedColour);  // 100 x 80: nothing at (96, 80)
}

}  // namespace
}  // namespace vorne::stripmaker
