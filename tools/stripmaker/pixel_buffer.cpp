#include "tools/stripmaker/pixel_buffer.h"

#include <algorithm>

namespace vorne::stripmaker {

PixelBuffer::PixelBuffer(int width, int height, std::uint32_t fill)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill & 0xFFFFFFu) {
    if (width_ == 0 || height_ == 0) width_ = height_ = 0;
}

void PixelBuffer::Fill(std::uint32_t rgb) { std::fill(pixels_.begin(), pixels_.end(), rgb & 0xFFFFFFu); }

void CopyRect(const PixelBuffer& src, int sx, int sy, int w, int h, PixelBuffer& dst, int dx, int dy) {
    // Clip against the source, then against the destination; long long so
    // that far-off rectangles cannot overflow.
    long long x0 = 0, y0 = 0, x1 = w, y1 = h;  // offsets inside the rectangle
    x0 = std::max({x0, -static_cast<long long>(sx), -static_cast<long long>(dx)});
    y0 = std::max({y0, -static_cast<long long>(sy), -static_cast<long long>(dy)});
    x1 = std::min({x1, static_cast<long long>(src.Width()) - sx, static_cast<long long>(dst.Width()) - dx});
    y1 = std::min({y1, static_cast<long long>(src.Height()) - sy, static_cast<long long>(dst.Height()) - dy});
    if (x0 >= x1 || y0 >= y1) return;
    for (long long y = y0; y < y1; ++y) {
        const auto* from = &src.Pixels()[static_cast<size_t>((sy + y) * src.Width() + sx + x0)];
        auto* to = &dst.Pixels()[static_cast<size_t>((dy + y) * dst.Width() + dx + x0)];
        std::copy(from, from + (x1 - x0), to);
    }
}

}  // namespace vorne::stripmaker
