#include "player/skin_art/canvas.h"

#include <algorithm>
#include <cmath>

#include "runtime/bitmap/bmp_core.h"

namespace vorne::player::skin_art {

Colour Mix(Colour a, Colour b, float t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Colour Scale(Colour c, float f) { return Colour{c.r * f, c.g * f, c.b * f}; }

Shape RoundRect(float left, float top, float right, float bottom, float radius) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
    return [=](float x, float y) {
        const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
        const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
        return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape Circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

namespace {
float SegmentDistance(float x, float y, float x0, float y0, float x1, float y1) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy));
}
}  // namespace

Shape Polygon(std::vector<std::pair<float, float>> pts) {
    return [pts](float x, float y) {
        float d = 1e9f;
        bool inside = false;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const auto [xi, yi] = pts[i];
            const auto [xj, yj] = pts[j];
            d = std::min(d, SegmentDistance(x, y, xi, yi, xj, yj));
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside ? -d : d;
    };
}

Shape Capsule(float x0, float y0, float x1, float y1, float halfWidth) {
    return [=](float x, float y) { return SegmentDistance(x, y, x0, y0, x1, y1) - halfWidth; };
}

Shape Ring(float cx, float cy, float radius, float halfWidth) {
    return [=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - radius) - halfWidth; };
}

Shape Union(Shape a, Shape b) {
    return [a, b](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Shape Subtract(Shape a, Shape b) {
    return [a, b](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
Shape Offset(Shape s, float dx, float dy) {
    return [s, dx, dy](float x, float y) { return s(x - dx, y - dy); };
}

Canvas::Canvas(int width, int height, Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      rgb_(static_cast<size_t>(width_) * height_ * 3) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) Set(x, y, fill);
}

namespace {
std::uint8_t Channel(float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 255.0f))); }
}  // namespace

void Canvas::Set(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    std::uint8_t* p = &rgb_[(static_cast<size_t>(y) * width_ + x) * 3];
    p[0] = Channel(c.r);
    p[1] = Channel(c.g);
    p[2] = Channel(c.b);
}

Colour Canvas::Get(int x, int y) const {
    const std::uint8_t* p = At(x, y);
    return Colour{static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2])};
}

void Canvas::Fill(const Shape& shape, const Paint& paint, float alpha) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float coverage = std::clamp(0.5f - shape(px, py), 0.0f, 1.0f) * alpha;
            if (coverage <= 0) continue;
            Set(x, y, Mix(Get(x, y), paint(px, py), coverage));
        }
}

void Canvas::Fill(const Shape& shape, Colour c, float alpha) {
    Fill(shape, [c](float, float) { return c; }, alpha);
}

void Canvas::FillHard(const Shape& shape, const Paint& paint) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            if (shape(px, py) < 0) Set(x, y, paint(px, py));
        }
}

void Canvas::Blit(const Canvas& src, int x0, int y0) {
    for (int y = 0; y < src.height_; ++y)
        for (int x = 0; x < src.width_; ++x) Set(x0 + x, y0 + y, src.Get(x, y));
}

std::vector<std::uint8_t> Canvas::ToBmp() const {
    // Channels r, g, b in bytes here; 0x00RRGGBB for the shared writer.
    bitmap::Image image(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const std::uint8_t* p = At(x, y);
            image.Set(x, y, static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2]);
        }
    return bitmap::EncodeBmp(image, bitmap::kPixelsPerMetreAt72Dpi);
}

}  // namespace vorne::player::skin_art
