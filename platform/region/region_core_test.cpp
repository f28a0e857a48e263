#include "platform/region/region_core.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorne::region {
namespace {

// 0x00RRGGBB as a bitmap stores it.
constexpr std::uint32_t Px(int r, int g, int b) {
    return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
           static_cast<std::uint32_t>(b);
}
// RGB long: red in the low byte.
constexpr long Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

struct Picture {
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
    PixelView View() const {
        return PixelView{pixels.data(), width, height, static_cast<std::ptrdiff_t>(width) * 4};
    }
};

// A picture from rows of characters: '.' is the colour given as `cut`,
// anything else is `keep`.
Picture FromRows(const std::vector<std::string>& rows, std::uint32_t cut, std::uint32_t keep) {
    Picture p{static_cast<int>(rows.empty() ? 0 : rows[0].size()), static_cast<int>(rows.size()), {}};
    for (const std::string& r : rows)
        for (char c : r) p.pixels.push_back(c == '.' ? cut : keep);
    return p;
}

TEST(RegionColour, SplitsAnRgbLongWithRedInTheLowByte) {
    const long c = Rgb(0x12, 0x34, 0x56);
    EXPECT_EQ(GetR(c), 0x12);
    EXPECT_EQ(GetG(c), 0x34);
    EXPECT_EQ(GetB(c), 0x56);
    EXPECT_EQ(GetR(0xFFFFFF), 255);
    EXPECT_EQ(GetB(0xFF), 0);
}

struct CutCase {
    const char* name;
    std::uint32_t pixel;
    long colour;
    long tolerance;
    bool cut;
};

TEST(RegionIsCut, TableOfColoursAndTolerances) {
    const CutCase cases[] = {
        {"exact white, tolerance 0", Px(255, 255, 255), 0xFFFFFF, 0, true},
        {"near white stays at tolerance 0", Px(254, 255, 255), 0xFFFFFF, 0, false},
        {"channels not swapped: pure red pixel vs red colour", Px(255, 0, 0), Rgb(255, 0, 0), 0, true},
        {"pure red pixel vs blue colour", Px(255, 0, 0), Rgb(0, 0, 255), 0, false},
        {"red at the tolerance edge", Px(110, 100, 100), Rgb(100, 100, 100), 10, true},
        {"red one past the edge", Px(111, 100, 100), Rgb(100, 100, 100), 10, false},
        {"red below, at the edge", Px(90, 100, 100), Rgb(100, 100, 100), 10, true},
        {"red below, one past", Px(89, 100, 100), Rgb(100, 100, 100), 10, false},
        {"green at the edge", Px(100, 110, 100), Rgb(100, 100, 100), 10, true},
        {"green one past", Px(100, 89, 100), Rgb(100, 100, 100), 10, false},
        {"blue at the edge", Px(100, 100, 90), Rgb(100, 100, 100), 10, true},
        {"blue one past", Px(100, 100, 111), Rgb(100, 100, 100), 10, false},
        {"all three at the edge", Px(110, 90, 110), Rgb(100, 100, 100), 10, true},
        {"no colour cuts nothing", Px(0, 0, 0), kNoColour, 255, false},
        {"any negative colour is no colour", Px(0, 0, 0), -5, 0, false},
        {"negative tolerance cuts nothing", Px(255, 255, 255), 0xFFFFFF, -1, false},
        {"tolerance 255 cuts every pixel", Px(0, 0, 0), 0xFFFFFF, 255, true},
        {"pixel top byte ignored", 0xFF000000u | Px(1, 2, 3), Rgb(1, 2, 3), 0, true},
        {"colour top byte ignored", Px(1, 2, 3), 0x7F000000L | Rgb(1, 2, 3), 0, true},
    };
    for (const CutCase& c : cases) EXPECT_EQ(IsCut(c.pixel, c.colour, c.tolerance), c.cut) << c.name;
}

TEST(RegionRectangles, RunsPerRowSkipCutPixels) {
    const Picture p = FromRows(
        {
            "..##.",
            "#####",
            ".....",
            "#.#.#",
        },
        Px(255, 255, 255), Px(10, 20, 30));
    std::vector<Rect> rects;
    ASSERT_TRUE(KeptRectangles(p.View(), 0xFFFFFF, 0, rects));
    const std::vector<Rect> want = {
        {2, 0, 4, 1}, {0, 1, 5, 2}, {0, 3, 1, 4}, {2, 3, 3, 4}, {4, 3, 5, 4},
    };
    EXPECT_EQ(rects, want);
}

TEST(RegionRectangles, NoColourKeepsWholeRowsAndAllCutKeepsNothing) {
    const Picture p = FromRows({"...", "...", "..."}, Px(255, 255, 255), 0);
    std::vector<Rect> rects;
    ASSERT_TRUE(KeptRectangles(p.View(), kNoColour, 0, rects));
    EXPECT_EQ(rects, (std::vector<Rect>{{0, 0, 3, 1}, {0, 1, 3, 2}, {0, 2, 3, 3}}));
    ASSERT_TRUE(KeptRectangles(p.View(), 0xFFFFFF, 0, rects));
    EXPECT_TRUE(rects.empty());
}

TEST(RegionRectangles, OddSizesAndPaddedStride) {
    // 1 x 7 and 7 x 1 pictures, and a 3 x 2 picture with padding after each row.
    {
        const Picture p = FromRows({"#", ".", "#", "#", ".", ".", "#"}, 0, Px(1, 1, 1));
        std::vector<Rect> rects;
        ASSERT_TRUE(KeptRectangles(p.View(), 0, 0, rects));
        EXPECT_EQ(rects, (std::vector<Rect>{{0, 0, 1, 1}, {0, 2, 1, 3}, {0, 3, 1, 4}, {0, 6, 1, 7}}));
    }
    {
        const Picture p = FromRows({"#..##.#"}, 0, Px(1, 1, 1));
        std::vector<Rect> rects;
        ASSERT_TRUE(KeptRectangles(p.View(), 0, 0, rects));
        EXPECT_EQ(rects, (std::vector<Rect>{{0, 0, 1, 1}, {3, 0, 5, 1}, {6, 0, 7, 1}}));
    }
    {
        // The padding pixels are kept-coloured; they must never show up.
        const std::uint32_t k = Px(9, 9, 9);
        const std::vector<std::uint32_t> px = {0, k, 0, k, k, /*row 2*/ k, 0, 0, k, k};
        const PixelView v{px.data(), 3, 2, 5 * 4};
        std::vector<Rect> rects;
        ASSERT_TRUE(KeptRectangles(v, 0, 0, rects));
        EXPECT_EQ(rects, (std::vector<Rect>{{1, 0, 2, 1}, {0, 1, 1, 2}}));
    }
}

TEST(RegionRectangles, BadViewsFailWithAReasonAndEmptyOnesGiveNothing) {
    std::vector<Rect> rects = {{1, 1, 2, 2}};
    std::string why;
    const std::uint32_t px[4] = {};
    EXPECT_FALSE(KeptRectangles(PixelView{nullptr, 2, 2, 8}, 0, 0, rects, &why));
    EXPECT_FALSE(why.empty());
    EXPECT_TRUE(rects.empty());
    EXPECT_FALSE(KeptRectangles(PixelView{px, 2, 2, 4}, 0, 0, rects, &why));
    EXPECT_FALSE(KeptRectangles(PixelView{px, -1, 2, 8}, 0, 0, rects, &why));
    EXPECT_TRUE(KeptRectangles(PixelView{nullptr, 0, 5, 0}, 0, 0, rects));
    EXPECT_TRUE(rects.empty());
}

}  // namespace
}  // namespace vorne::region
