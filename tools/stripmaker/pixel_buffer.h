// A picture as plain pixels: width x height colours 0x00RRGGBB, rows from
// the top. The strip maker cuts, joins and saves pictures in this form; the
// windows turn it into bitmaps only to show it. Window-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorne::stripmaker {

class PixelBuffer {
public:
    PixelBuffer() = default;
    // Negative sizes are taken as 0.
    PixelBuffer(int width, int height, std::uint32_t fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    std::uint32_t At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, std::uint32_t rgb) { pixels_[Index(x, y)] = rgb & 0xFFFFFFu; }
    void Fill(std::uint32_t rgb);
    // Rows from the top, each Width() pixels.
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
    std::vector<std::uint32_t>& Pixels() { return pixels_; }

    bool operator==(const PixelBuffer& o) const {
        return width_ == o.width_ && height_ == o.height_ && pixels_ == o.pixels_;
    }
    bool operator!=(const PixelBuffer& o) const { return !(*this == o); }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// Copies the rectangle (sx, sy, w, h) of src to (dx, dy) of dst, one to one.
// Whatever lies outside either picture is left out: the destination keeps
// its own pixels there.
void CopyRect(const PixelBuffer& src, int sx, int sy, int w, int h, PixelBuffer& dst, int dx, int dy);

}  // namespace vorne::stripmaker
