#include "platform/picclip/cell_layout.h"

namespace vorne::picclip {

const char* CellErrorText(CellError e) {
    switch (e) {
        case CellError::None: return "no error";
        case CellError::NoPicture: return "The picture clip holds no picture.";
        case CellError::BadColumns: return "The number of columns must be at least 1.";
        case CellError::BadRows: return "The number of rows must be at least 1.";
        case CellError::BadCell: return "The cell index is outside the picture's cells.";
        case CellError::CellTooSmall: return "The cells would be smaller than one pixel.";
    }
    return "unknown error";
}

CellError CellRectangle(int width, int height, int columns, int rows, int k, CellRect& out) {
    if (width <= 0 || height <= 0) return CellError::NoPicture;
    if (columns < 1) return CellError::BadColumns;
    if (rows < 1) return CellError::BadRows;
    const long long cells = static_cast<long long>(columns) * rows;
    if (k < 0 || k >= cells) return CellError::BadCell;
    if (columns > width || rows > height) return CellError::CellTooSmall;
    const int cellWidth = width / columns;
    const int cellHeight = height / rows;
    out = CellRect{(k % columns) * cellWidth, (k / columns) * cellHeight, cellWidth, cellHeight};
    return CellError::None;
}

}  // namespace vorne::picclip
