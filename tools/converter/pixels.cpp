#include "tools/converter/pixels.h"

#include <algorithm>

namespace vorne::converter {

Pixels::Pixels(int width, int height, Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      data_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill) {
    if (width_ == 0 || height_ == 0) width_ = height_ = 0;
}

void Pixels::Fill(Colour c) { std::fill(data_.begin(), data_.end(), c); }

void Blit(Pixels& dst, int dx, int dy, const Pixels& src, int sx, int sy, int w, int h) {
    // Clip the rectangle to the destination first; 64-bit sums keep huge
    // offsets from wrapping.
    const long long x0 = std::max<long long>(0, dx), y0 = std::max<long long>(0, dy);
    const long long x1 = std::min<long long>(dst.Width(), static_cast<long long>(dx) + std::max(w, 0));
    const long long y1 = std::min<long long>(dst.Height(), static_cast<long long>(dy) + std::max(h, 0));
    for (long long y = y0; y < y1; ++y) {
        const long long syy = sy + (y - dy);
        for (long long x = x0; x < x1; ++x) {
            const long long sxx = sx + (x - dx);
            const bool inside = sxx >= 0 && syy >= 0 && sxx < src.Width() && syy < src.Height();
            dst.Set(static_cast<int>(x), static_cast<int>(y),
                    inside ? src.At(static_cast<int>(sxx), static_cast<int>(syy)) : kCleared);
        }
    }
}

void Draw(Pixels& dst, int dx, int dy, const Pixels& src) {
    const int x1 = std::min(dst.Width(), dx + src.Width()), y1 = std::min(dst.Height(), dy + src.Height());
    for (int y = std::max(0, dy); y < y1; ++y)
        for (int x = std::max(0, dx); x < x1; ++x) dst.Set(x, y, src.At(x - dx, y - dy));
}

}  // namespace vorne::converter
