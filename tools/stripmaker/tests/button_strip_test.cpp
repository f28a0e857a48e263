// Strip geometry and the strip builder over pixel buffers.
#include <gtest/gtest.h>

#include "tools/stripmaker/button_strip.h"

namespace vorne::stripmaker {
namespace {

// A picture whose every pixel tells where it came from: state in the top
// byte of the colour, then x and y.
std::shared_ptr<const PixelBuffer> Marked(int state, int w = 64, int h = 48) {
    auto p = std::make_shared<PixelBuffer>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p->Set(x, y, static_cast<std::uint32_t>(((state + 1) << 16) | (x << 8) | y));
    return p;
}
std::uint32_t Mark(int state, int x, int y) { return static_cast<std::uint32_t>(((state + 1) << 16) | (x << 8) | y); }

StateSources FourStates(SelectionRect r) {
    StateSources s;
    for (int k = 0; k < 4; ++k) s[static_cast<size_t>(k)] = StateSource{Marked(k), r};
    return s;
}

TEST(StripCell, ColumnsOfEachCell) {
    struct Case {
        int width, cells, k, first, last;
    } cases[] = {
        {80, 4, 0, 0, 19},  {80, 4, 1, 20, 39}, {80, 4, 3, 60, 79}, {40, 2, 1, 20, 39},
        {83, 4, 3, 60, 79},  // the three columns left over belong to no cell
        {80, 2, 1, 40, 79},  // a 4-cell strip read as 2 cells: cells twice as wide
        {3, 4, 0, 0, -1},    // narrower than its cell count: empty cells
    };
    for (const Case& c : cases) {
        CellColumns cc = StripCell(c.width, c.cells, c.k);
        EXPECT_EQ(cc.first, c.first) << c.width << "/" << c.cells << " cell " << c.k;
        EXPECT_EQ(cc.last, c.last) << c.width << "/" << c.cells << " cell " << c.k;
    }
    for (auto bad : {StripCell(80, 0, 0), StripCell(80, 4, 4), StripCell(80, 4, -1)}) EXPECT_LT(bad.last, bad.first);
}

TEST(GetImages, CellsAreTheSelectionOfEachStateSideBySide) {
    // 300 x 225 twips at (150, 150): 20 x 15 pixels from pixel (10, 10).
    Strips s = GetImages(FourStates({150, 150, 300, 225}));
    ASSERT_EQ(s.two.Width(), 40);
    ASSERT_EQ(s.two.Height(), 15);
    ASSERT_EQ(s.four.Width(), 80);
    ASSERT_EQ(s.four.Height(), 15);
    const int twoStates[] = {bsNormal, bsMouseDown};
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 80; ++x) {
            const int k = x / 20;
            ASSERT_EQ(s.four.At(x, y), Mark(k, 10 + x % 20, 10 + y)) << x << "," << y;
            if (x < 40) {
                ASSERT_EQ(s.two.At(x, y), Mark(twoStates[k], 10 + x % 20, 10 + y)) << x << "," << y;
            }
        }
    // The 2-cell strip's pressed cell is the 4-cell strip's third cell.
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) EXPECT_EQ(s.two.At(20 + x, y), s.four.At(40 + x, y));
}

TEST(GetImages, MissingPicturesAndSelectionsPastThePictureStayCleared) {
    StateSources only_normal;
    only_normal[bsNormal] = StateSource{Marked(0), {0, 0, 150, 150}};
    for (int k = 1; k < 4; ++k) only_normal[static_cast<size_t>(k)].selection = {0, 0, 150, 150};
    Strips s = GetImages(only_normal);
    ASSERT_EQ(s.four.Width(), 40);
    for (int x = 0; x < 40; ++x) EXPECT_EQ(s.four.At(x, 5), x < 10 ? Mark(0, x, 5) : kClearedColour) << x;
    for (int x = 10; x < 20; ++x) EXPECT_EQ(s.two.At(x, 5), kClearedColour);

    // A selection hanging over the picture's left and bottom edges: only
    // the part over the picture is copied, to its own place in the cell.
    Strips edge = GetImages(FourStates({-30, 600, 150, 150}));  // pixels (-2, 40) .. (7, 49); picture 64 x 48
    ASSERT_EQ(edge.four.Width(), 40);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && y + 40 < 48;
            EXPECT_EQ(edge.four.At(x, y), inside ? Mark(0, x - 2, y + 40) : kClearedColour) << x << "," << y;
        }
}

TEST(GetImages, SizeComesFromTheNormalViewAndEachCellFromItsOwnView) {
    // The start rectangles before any press: 1095 x 615 twips (73 x 41
    // pixels) everywhere, the normal view's at (1800, 1080), the others at
    // (1440, 1200).
    StateSources s;
    for (int k = 0; k < 4; ++k)
        s[static_cast<size_t>(k)] = StateSource{Marked(k, 200, 200), k == 0 ? SelectionRect{1800, 1080, 1095, 615}
                                                                             : SelectionRect{1440, 1200, 1095, 615}};
    Strips st = GetImages(s);
    ASSERT_EQ(st.four.Width(), 4 * 73);
    ASSERT_EQ(st.four.Height(), 41);
    EXPECT_EQ(st.four.At(0, 0), Mark(0, 120, 72));
    EXPECT_EQ(st.four.At(73, 0), Mark(1, 96, 80));
    EXPECT_EQ(st.four.At(3 * 73 + 72, 40), Mark(3, 96 + 72, 80 + 40));

    // A narrower mouse-down selection: its cell starts at 2 x its own
    // width and is cut at its own size; the strip keeps the normal size.
    s = FourStates({0, 0, 300, 150});
    s[bsMouseDown].selection = {15, 0, 150, 150};
    st = GetImages(s);
    ASSERT_EQ(st.four.Width(), 80);
    EXPECT_EQ(st.four.At(20, 0), Mark(bsMouseDown, 1, 0));
    EXPECT_EQ(st.four.At(29, 9), Mark(bsMouseDown, 10, 9));
    EXPECT_EQ(st.four.At(30, 0), Mark(bsMouseOver, 10, 0));  // the rest of the mouse-over cell
    EXPECT_EQ(st.four.At(45, 0), kClearedColour);             // the third cell got nothing
    EXPECT_EQ(st.four.At(60, 0), Mark(bsDisabled, 0, 0));
}

TEST(GetImages, EmptyOrHugeSelectionsGiveNoStrip) {
    for (SelectionRect r : {SelectionRect{0, 0, 0, 225}, SelectionRect{0, 0, 300, 0}, SelectionRect{0, 0, -30, 30},
                            SelectionRect{0, 0, 1e9f, 1e9f}}) {
        Strips s = GetImages(FourStates(r));
        EXPECT_TRUE(s.two.Empty());
        EXPECT_TRUE(s.four.Empty());
    }
}

}  // namespace
}  // namespace vorne::stripmaker
