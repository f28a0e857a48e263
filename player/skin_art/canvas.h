// A small 24-bit drawing surface for the built-in skin's pictures: shapes
// described by signed distance (negative inside), filled with a colour or a
// colour function and smoothed over one pixel, and the BMP file format.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vorne::player::skin_art {

struct Colour {
    float r, g, b;  // 0..255
};

Colour Mix(Colour a, Colour b, float t);  // a at t = 0, b at t = 1
Colour Scale(Colour c, float f);

// Signed distance from a pixel centre to a shape's edge: < 0 inside.
using Shape = std::function<float(float x, float y)>;
using Paint = std::function<Colour(float x, float y)>;

Shape RoundRect(float left, float top, float right, float bottom, float radius);
Shape Circle(float cx, float cy, float radius);
Shape Polygon(std::vector<std::pair<float, float>> points);  // any winding
Shape Capsule(float x0, float y0, float x1, float y1, float halfWidth);  // thick line, round ends
Shape Ring(float cx, float cy, float radius, float halfWidth);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
Shape Offset(Shape s, float dx, float dy);

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Colour fill);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // 0..255 channels of pixel (x, y), rows from the top.
    const std::uint8_t* At(int x, int y) const { return &rgb_[(static_cast<size_t>(y) * width_ + x) * 3]; }
    void Set(int x, int y, Colour c);
    Colour Get(int x, int y) const;

    // Blends `paint` into the pixels the shape covers, coverage smoothed over
    // one pixel, times `alpha`.
    void Fill(const Shape& shape, const Paint& paint, float alpha = 1.0f);
    void Fill(const Shape& shape, Colour c, float alpha = 1.0f);
    // Sets the pixels whose centre lies inside the shape, without smoothing
    // (for the window's outline, which must not blend into the cut colour).
    void FillHard(const Shape& shape, const Paint& paint);

    // Copies `src` with its top-left corner at (x, y), clipped.
    void Blit(const Canvas& src, int x, int y);

    // The picture as a 24-bit bottom-up BMP file (the shared writer, at 72
    // dots an inch).
    std::vector<std::uint8_t> ToBmp() const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> rgb_;
};

}  // namespace vorne::player::skin_art
