#include "platform/picclip/cell_layout.h"

#include <gtest/gtest.h>

namespace vorne::picclip {
namespace {

struct Case {
    const char* name;
    int width, height, columns, rows, k;
    CellError error;
    CellRect rect;
};

TEST(CellRectangle, TableOfStripsAndGrids) {
    const Case cases[] = {
        {"4-cell strip, first cell", 148, 25, 4, 1, 0, CellError::None, {0, 0, 37, 25}},
        {"4-cell strip, disabled cell", 148, 25, 4, 1, 3, CellError::None, {111, 0, 37, 25}},
        {"2-cell strip, second cell", 56, 23, 2, 1, 1, CellError::None, {28, 0, 28, 23}},
        {"whole picture as one cell", 317, 119, 1, 1, 0, CellError::None, {0, 0, 317, 119}},
        {"width not a multiple: leftover at the right", 10, 4, 3, 1, 2, CellError::None, {6, 0, 3, 4}},
        {"grid: row-major order", 40, 30, 4, 3, 5, CellError::None, {10, 10, 10, 10}},
        {"grid: last cell", 40, 30, 4, 3, 11, CellError::None, {30, 20, 10, 10}},
        {"one pixel per cell", 4, 1, 4, 1, 3, CellError::None, {3, 0, 1, 1}},
        {"cell past the end", 148, 25, 4, 1, 4, CellError::BadCell, {}},
        {"negative cell", 148, 25, 4, 1, -1, CellError::BadCell, {}},
        {"cell past the grid", 40, 30, 4, 3, 12, CellError::BadCell, {}},
        {"zero columns", 148, 25, 0, 1, 0, CellError::BadColumns, {}},
        {"negative columns", 148, 25, -2, 1, 0, CellError::BadColumns, {}},
        {"zero rows", 148, 25, 4, 0, 0, CellError::BadRows, {}},
        {"no picture", 0, 0, 4, 1, 0, CellError::NoPicture, {}},
        {"more columns than pixels", 3, 5, 4, 1, 0, CellError::CellTooSmall, {}},
        {"more rows than pixels", 3, 5, 1, 6, 0, CellError::CellTooSmall, {}},
        {"huge grid does not overflow", 100, 100, 65536, 65536, 2147483647, CellError::CellTooSmall, {}},
    };
    for (const Case& c : cases) {
        CellRect r{-7, -7, -7, -7};
        EXPECT_EQ(CellRectangle(c.width, c.height, c.columns, c.rows, c.k, r), c.error) << c.name;
        if (c.error == CellError::None) {
            EXPECT_EQ(r, c.rect) << c.name;
            EXPECT_LE(r.left + r.width, c.width) << c.name;
            EXPECT_LE(r.top + r.height, c.height) << c.name;
        } else {
            EXPECT_EQ(r, (CellRect{-7, -7, -7, -7})) << c.name << ": output touched on error";
            EXPECT_STRNE(CellErrorText(c.error), "") << c.name;
        }
    }
}

TEST(CellRectangle, EveryCellOfAGridTilesThePictureWithoutOverlap) {
    const int w = 23, h = 17, cols = 5, rows = 3;
    int covered[17][23] = {};
    for (int k = 0; k < cols * rows; ++k) {
        CellRect r{};
        ASSERT_EQ(CellRectangle(w, h, cols, rows, k, r), CellError::None);
        for (int y = r.top; y < r.top + r.height; ++y)
            for (int x = r.left; x < r.left + r.width; ++x) ++covered[y][x];
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(covered[y][x], (x < 20 && y < 15) ? 1 : 0) << x << "," << y;
}

}  // namespace
}  // namespace vorne::picclip
