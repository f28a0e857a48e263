// Feeds random pictures, colours and tolerances to the region core and checks
// that the rectangles cover exactly the kept pixels, in order, without overlap.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/region/region_core.h"

using namespace vorne::region;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8) return 0;
    const int width = data[0] % 40;
    const int height = data[1] % 40;
    const int pad = data[2] % 3;
    long colour = static_cast<long>(data[3]) | (static_cast<long>(data[4]) << 8) | (static_cast<long>(data[5]) << 16);
    if (data[6] & 0x80) colour = -1;
    const long tolerance = static_cast<long>(static_cast<std::int8_t>(data[7]));
    data += 8;
    size -= 8;

    const int stridePx = width + pad;
    std::vector<std::uint32_t> px(static_cast<std::size_t>(stridePx) * height + 1);
    for (std::size_t i = 0; i < px.size() && size > 0; ++i) {
        // Few distinct values, so runs and cuts both happen.
        const std::uint8_t b = data[i % size];
        px[i] = (b & 1) ? static_cast<std::uint32_t>(((colour & 0xFF) << 16) | (colour & 0xFF00) |
                                                     ((colour >> 16) & 0xFF))
                        : static_cast<std::uint32_t>(b) * 0x010101u;
    }
    const PixelView view{px.data(), width, height, static_cast<std::ptrdiff_t>(stridePx) * 4};
    std::vector<Rect> rects;
    if (!KeptRectangles(view, colour, tolerance, rects)) std::abort();

    std::vector<std::uint8_t> covered(static_cast<std::size_t>(width) * height, 0);
    const Rect* prev = nullptr;
    for (const Rect& r : rects) {
        if (r.left < 0 || r.right > width || r.left >= r.right || r.top < 0 || r.bottom != r.top + 1 ||
            r.bottom > height)
            std::abort();
        if (prev && (r.top < prev->top || (r.top == prev->top && r.left <= prev->right))) std::abort();
        for (int x = r.left; x < r.right; ++x) covered[static_cast<std::size_t>(r.top) * width + x] = 1;
        prev = &r;
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (covered[static_cast<std::size_t>(y) * width + x] == IsCut(view.Row(y)[x], colour, tolerance))
                std::abort();
    return 0;
}
