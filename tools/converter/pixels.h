// A plain picture in memory: width x height colours, rows from the top,
// each colour a Long in the platform's 0x00BBGGRR order. Window-free; the
// converter builds its interface pictures, thumbs and bitmaps in these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorne::converter {

using Colour = int32_t;  // 0x00BBGGRR

inline constexpr Colour Rgb(int r, int g, int b) { return (b << 16) | (g << 8) | r; }

// The colour a picture is cleared to: where nothing was painted.
inline constexpr Colour kCleared = 0;

class Pixels {
public:
    Pixels() = default;
    Pixels(int width, int height, Colour fill = kCleared);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // The colour at (x, y); only inside the picture.
    Colour At(int x, int y) const { return data_[Index(x, y)]; }
    void Set(int x, int y, Colour c) { data_[Index(x, y)] = c; }
    void Fill(Colour c);

    bool operator==(const Pixels& o) const {
        return width_ == o.width_ && height_ == o.height_ && data_ == o.data_;
    }
    bool operator!=(const Pixels& o) const { return !(*this == o); }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }
    int width_ = 0, height_ = 0;
    std::vector<Colour> data_;
};

// Copies the w x h rectangle of src at (sx, sy) 1:1 to (dx, dy) of dst.
// Only the part that lands inside dst is touched; of that, every pixel whose
// source lies outside src is cleared, so a rectangle that runs past the
// edge of a short sheet leaves no stale pixels behind.
void Blit(Pixels& dst, int dx, int dy, const Pixels& src, int sx, int sy, int w, int h);

// Draws all of src at (dx, dy) of dst, clipped to dst.
void Draw(Pixels& dst, int dx, int dy, const Pixels& src);

}  // namespace vorne::converter
