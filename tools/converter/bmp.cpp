#include "tools/converter/bmp.h"

#include <utility>

namespace vorne::converter {

bool ReadBmp(const uint8_t* data, size_t size, Pixels& out, std::string* error) {
    bitmap::Image image;
    if (!bitmap::ReadBmp(data, size, image, error)) return false;
    Pixels pic(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) pic.Set(x, y, static_cast<Colour>(bitmap::SwapRedBlue(image.At(x, y))));
    out = std::move(pic);
    return true;
}

std::vector<uint8_t> WriteBmp(const Pixels& pixels) {
    bitmap::Image image(pixels.Width(), pixels.Height());
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.Set(x, y, bitmap::SwapRedBlue(static_cast<uint32_t>(pixels.At(x, y))));
    return bitmap::EncodeBmp(image);
}

}  // namespace vorne::converter
