// The BMP reader on any bytes: it reads a picture or refuses, and a picture
// it reads writes out and reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "runtime/bitmap/bmp_core.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vorne::bitmap::Image p;
    if (!vorne::bitmap::ReadBmp(data, size, p)) return 0;
    if (p.Empty() || p.pixels.size() != static_cast<size_t>(p.width) * static_cast<size_t>(p.height)) std::abort();
    for (std::uint32_t px : p.pixels)
        if (px > 0xFFFFFFu) std::abort();
    vorne::bitmap::Image back;
    if (!vorne::bitmap::ReadBmp(vorne::bitmap::EncodeBmp(p), back) || back != p) std::abort();
    return 0;
}
