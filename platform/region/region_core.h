// Window-free half of the region helper: which pixels of a picture stay in a
// window region once one transparent colour, within a tolerance, is cut away.
// The result is a list of rectangles, one per run of kept pixels in a row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorne::region {

// Colours are RGB longs: red in the low byte, then green, then blue;
// -1 (any negative value) means "no colour".
constexpr long kNoColour = -1;

long GetR(long colour);
long GetG(long colour);
long GetB(long colour);

// A 32-bit pixel buffer, rows from the top. Each pixel is 0x00RRGGBB as a
// device-independent bitmap stores it (blue in the lowest byte); the top byte
// is ignored. stride is the distance between rows in bytes.
struct PixelView {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    const std::uint32_t* Row(int y) const {
        return reinterpret_cast<const std::uint32_t*>(reinterpret_cast<const unsigned char*>(pixels) +
                                                      stride * y);
    }
};

// Half-open pixel rectangle [left, right) x [top, bottom).
struct Rect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// True when the pixel (0x00RRGGBB) is cut away: each of its red, green and
// blue differs from the colour's by at most the tolerance. No colour, or a
// negative tolerance, cuts nothing; a tolerance of 255 or more cuts every
// pixel once a colour is given.
bool IsCut(std::uint32_t pixel, long colour, long tolerance);

// The kept pixels of the view as rectangles, one per run of kept pixels in a
// row, rows from the top and runs from the left. An empty picture gives no
// rectangles. A view that cannot be read (no pixels for a positive size, a
// stride shorter than a row, negative sizes) gives false and a reason.
bool KeptRectangles(const PixelView& view, long colour, long tolerance, std::vector<Rect>& out,
                    std::string* error = nullptr);

}  // namespace vorne::region
