// Window-free half of the picture clip: where cell k of a picture divided
// into rows x columns equal cells lies. Cells are counted from 0, left to
// right, then top to bottom; a button strip is one row of cells.
#pragma once

#include <string>

namespace vorne::picclip {

struct CellRect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const CellRect& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

enum class CellError {
    None,
    NoPicture,     // the picture has no pixels
    BadColumns,    // fewer than one column
    BadRows,       // fewer than one row
    BadCell,       // k outside 0 .. rows * columns - 1
    CellTooSmall,  // more columns (rows) than the picture has pixels across (down)
};

// A text for the error, for error descriptions.
const char* CellErrorText(CellError e);

// Cell k of a width x height picture. Every cell has the width
// width / columns and the height height / rows (whole pixels); when the
// picture is not a multiple, the pixels left over at the right and the
// bottom belong to no cell. Nothing is written to `out` on an error.
CellError CellRectangle(int width, int height, int columns, int rows, int k, CellRect& out);

}  // namespace vorne::picclip
