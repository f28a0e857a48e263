#include "skinner/core/palette.h"

#include <gtest/gtest.h>

namespace vorne::skinner::core {
namespace {

TEST(Palette, SelectorCentresOnTheSwatchAndAClickThereTakesItsColour) {
    Palette p;
    p.cmdPick_Click();
    EXPECT_TRUE(p.Visible());
    EXPECT_FALSE(p.SelectorVisible());
    p.picSelect_MouseMove(5);
    EXPECT_TRUE(p.SelectorVisible());
    EXPECT_EQ(p.SelectorTip(), "R:0, G:255, B:0");
    EXPECT_FLOAT_EQ(p.SelectorLeft(), 195 + 100 - 30);
    EXPECT_FLOAT_EQ(p.SelectorTop(), 195 + 100 - 30);
    EXPECT_EQ(p.imgSelectr_Click(), 0x00FF00);  // green, red + 256 * green + 65536 * blue
    EXPECT_FALSE(p.Visible());
    // Opened again: the selector waits for the mouse.
    p.cmdPick_Click();
    EXPECT_FALSE(p.SelectorVisible());
    EXPECT_EQ(p.picSelect_Click(6), 0xFF00FF);
    EXPECT_EQ(p.picSelect_Click(8), -1);
}

TEST(Palette, SwatchesTileTwoRowsOfFourWithinTheBox) {
    const std::pair<float, float> points[] = {{10, 10}, {300, 100}, {400, 10}, {700, 190},
                                              {10, 380}, {200, 300}, {380, 300}, {700, 380}};
    for (int k = 0; k < 8; ++k) EXPECT_EQ(Palette::SwatchAt(points[k].first, points[k].second), k) << k;
    // Swatch 6 starts early and overlaps swatch 5's last column.
    EXPECT_EQ(Palette::SwatchAt(385, 300), 6);
    EXPECT_EQ(Palette::SwatchAt(839, 100), -1);
    for (const Swatch& s : PaletteSwatches()) {
        EXPECT_LE(s.left + kSwatchSize, kPaletteWidth);
        EXPECT_LE(s.top + kSwatchSize, kPaletteHeight);
    }
}

}  // namespace
}  // namespace vorne::skinner::core
