#include "tools/stripmaker/bmp_file.h"

#include <string_view>

#include "runtime/basic/basic.h"

namespace vorne::stripmaker {

namespace {

constexpr size_t kFileHeader = 14, kInfoHeader = 40;

void Put(std::vector<std::uint8_t>& f, size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) f[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const PixelBuffer& picture) {
    if (picture.Empty()) return {};
    const size_t w = static_cast<size_t>(picture.Width()), h = static_cast<size_t>(picture.Height());
    const size_t row = (w * 3 + 3) & ~static_cast<size_t>(3);
    const size_t offset = kFileHeader + kInfoHeader;
    std::vector<std::uint8_t> f(offset + row * h, 0);
    f[0] = 'B';
    f[1] = 'M';
    Put(f, 2, static_cast<std::uint32_t>(f.size()), 4);
    Put(f, 10, static_cast<std::uint32_t>(offset), 4);
    Put(f, 14, kInfoHeader, 4);
    Put(f, 18, static_cast<std::uint32_t>(w), 4);
    Put(f, 22, static_cast<std::uint32_t>(h), 4);  // positive height: the bottom row first
    Put(f, 26, 1, 2);                                // planes
    Put(f, 28, 24, 2);                               // bits a pixel
    Put(f, 30, 0, 4);                                // no compression
    Put(f, 34, static_cast<std::uint32_t>(row * h), 4);
    Put(f, 38, 3780, 4);  // 96 dots an inch, as pixels a metre
    Put(f, 42, 3780, 4);
    for (size_t y = 0; y < h; ++y) {
        std::uint8_t* out = &f[offset + row * (h - 1 - y)];
        for (size_t x = 0; x < w; ++x) {
            const std::uint32_t rgb = picture.At(static_cast<int>(x), static_cast<int>(y));
            out[3 * x] = static_cast<std::uint8_t>(rgb);            // blue
            out[3 * x + 1] = static_cast<std::uint8_t>(rgb >> 8);   // green
            out[3 * x + 2] = static_cast<std::uint8_t>(rgb >> 16);  // red
        }
    }
    return f;
}

bool SaveBmp(const std::string& path, const PixelBuffer& picture) {
    const std::vector<std::uint8_t> bytes = EncodeBmp(picture);
    if (bytes.empty() || path.empty()) return false;
    return vb::WriteFileAtomic(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace vorne::stripmaker
