// Button strips: the looks of one skin button side by side in one bitmap,
// equal cells of the bitmap's full height, cell k showing state k. A strip
// does not record its cell count; a reader takes it from the kind of button.
// Here also the strip maker's builder, which cuts one rectangle out of each
// of the four state pictures and joins the pieces. Window-free.
#pragma once

#include <array>
#include <memory>

#include "tools/stripmaker/pixel_buffer.h"

namespace vorne::stripmaker {

enum ButtonState : int { bsNormal = 0, bsMouseOver = 1, bsMouseDown = 2, bsDisabled = 3 };

// The strip maker measures in twips, 15 to a pixel, whatever the screen.
inline constexpr float kTwipsPerPixel = 15.0f;
// Nearest whole pixel of a twips value (halves away from zero).
int TwipsToPixels(float twips);
inline float PixelsToTwips(int pixels) { return static_cast<float>(pixels) * kTwipsPerPixel; }

// Columns first..last (inclusive) of cell k in a strip `width` pixels wide
// divided into `cells` cells: k*w .. k*w + w - 1 with w = width / cells.
// Columns past cells*w belong to no cell. Nothing (first > last) for a cell
// count below 1 or k outside 0..cells-1.
struct CellColumns {
    int first = 0, last = -1;
    int Width() const { return last - first + 1; }
};
CellColumns StripCell(int strip_width, int cells, int k);

// One of the four views as the builder reads it: its state picture (none
// before one is loaded) and its selection, in twips of the picture.
struct SelectionRect {
    float Left = 0, Top = 0, Width = 0, Height = 0;
};
struct StateSource {
    std::shared_ptr<const PixelBuffer> picture;
    SelectionRect selection;
};
// Index = ButtonState: normal, mouse over, mouse down, disabled.
using StateSources = std::array<StateSource, 4>;

// The colour of a cell with nothing to show (no picture, or a selection
// reaching past its picture).
inline constexpr std::uint32_t kClearedColour = 0x000000;

// The 2-cell strip (normal, mouse down) or the 4-cell strip (normal, mouse
// over, mouse down, disabled). Its size comes from the normal view's
// selection (cells x its width, by its height); each cell is cut one to one
// from its own view's selection and placed at (cell number x that view's
// selection width, 0). A zero-sized selection gives an empty strip.
PixelBuffer BuildStrip(const StateSources& sources, int cells);

struct Strips {
    PixelBuffer two, four;
};
// Both strips, as the strip maker's re-capture builds them.
Strips GetImages(const StateSources& sources);

}  // namespace vorne::stripmaker
