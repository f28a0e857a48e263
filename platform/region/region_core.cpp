#include "platform/region/region_core.h"

#include <cstdlib>

namespace vorne::region {

long GetR(long colour) { return colour & 0xFF; }
long GetG(long colour) { return (colour >> 8) & 0xFF; }
long GetB(long colour) { return (colour >> 16) & 0xFF; }

namespace {

bool Within(long a, long b, long tolerance) { return std::labs(a - b) <= tolerance; }

// The pixel's own channels (blue in the lowest byte of a DIB pixel).
long PixelR(std::uint32_t p) { return static_cast<long>((p >> 16) & 0xFF); }
long PixelG(std::uint32_t p) { return static_cast<long>((p >> 8) & 0xFF); }
long PixelB(std::uint32_t p) { return static_cast<long>(p & 0xFF); }

bool Fail(std::string* error, const char* why) {
    if (error) *error = why;
    return false;
}

}  // namespace

bool IsCut(std::uint32_t pixel, long colour, long tolerance) {
    if (colour < 0 || tolerance < 0) return false;
    return Within(PixelR(pixel), GetR(colour), tolerance) && Within(PixelG(pixel), GetG(colour), tolerance) &&
           Within(PixelB(pixel), GetB(colour), tolerance);
}

bool KeptRectangles(const PixelView& view, long colour, long tolerance, std::vector<Rect>& out,
                    std::string* error) {
    out.clear();
    if (view.width < 0 || view.height < 0) return Fail(error, "negative picture size");
    if (view.width == 0 || view.height == 0) return true;
    if (!view.pixels) return Fail(error, "no pixels for a picture of positive size");
    const std::ptrdiff_t rowBytes = static_cast<std::ptrdiff_t>(view.width) * 4;
    if (view.stride < rowBytes) return Fail(error, "row stride shorter than a row of pixels");

    for (int y = 0; y < view.height; ++y) {
        const std::uint32_t* row = view.Row(y);
        int x = 0;
        while (x < view.width) {
            while (x < view.width && IsCut(row[x], colour, tolerance)) ++x;
            if (x == view.width) break;
            const int start = x;
            while (x < view.width && !IsCut(row[x], colour, tolerance)) ++x;
            out.push_back(Rect{start, y, x, y + 1});
        }
    }
    return true;
}

}  // namespace vorne::region
