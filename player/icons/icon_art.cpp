#include "player/icons/icon_art.h"

#include <algorithm>
#include <cmath>

#include "player/skin_art/canvas.h"

namespace vorne::player::icons {

namespace {

using vorne::player::skin_art::Canvas;
using vorne::player::skin_art::Colour;
using vorne::player::skin_art::Shape;
using vorne::player::skin_art::Subtract;
using vorne::player::skin_art::Union;
using vorne::player::skin_art::Mix;
using vorne::player::skin_art::Scale;

// A drawing in a 0..1 square; it paints onto the canvas at scale s.
using Drawing = void (*)(Canvas& c, float s, Colour fg, Colour bg);

Shape Box(float l, float t, float r, float b, float s, float radius = 0.0f) {
    return vorne::player::skin_art::RoundRect(l * s, t * s, r * s, b * s, radius * s);
}
Shape Dot(float x, float y, float r, float s) { return vorne::player::skin_art::Circle(x * s, y * s, r * s); }
Shape Poly(std::vector<std::pair<float, float>> p, float s) {
    for (auto& q : p) q = {q.first * s, q.second * s};
    return vorne::player::skin_art::Polygon(std::move(p));
}
Shape Line(float x0, float y0, float x1, float y1, float w, float s) {
    return vorne::player::skin_art::Capsule(x0 * s, y0 * s, x1 * s, y1 * s, w * s);
}

// --- menu glyphs
void Skin(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Dot(0.5f, 0.5f, 0.42f, s), fg);
    c.Fill(Dot(0.33f, 0.36f, 0.08f, s), {255, 80, 80});
    c.Fill(Dot(0.55f, 0.28f, 0.08f, s), {255, 220, 60});
    c.Fill(Dot(0.70f, 0.50f, 0.08f, s), {80, 200, 255});
    c.Fill(Dot(0.42f, 0.66f, 0.10f, s), {255, 255, 255});
}
void Document(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Poly({{0.2f, 0.08f}, {0.62f, 0.08f}, {0.82f, 0.28f}, {0.82f, 0.92f}, {0.2f, 0.92f}}, s), {250, 250, 250});
    c.Fill(Subtract(Poly({{0.2f, 0.08f}, {0.62f, 0.08f}, {0.82f, 0.28f}, {0.82f, 0.92f}, {0.2f, 0.92f}}, s),
                    Poly({{0.27f, 0.15f}, {0.58f, 0.15f}, {0.75f, 0.32f}, {0.75f, 0.85f}, {0.27f, 0.85f}}, s)),
           fg);
}
void Gear(Canvas& c, float s, Colour fg, Colour) {
    Shape teeth = Dot(0.5f, 0.5f, 0.30f, s);
    for (int i = 0; i < 8; ++i) {
        const float a = static_cast<float>(i) * 3.14159f / 4.0f;
        teeth = Union(teeth, Line(0.5f, 0.5f, 0.5f + 0.40f * std::cos(a), 0.5f + 0.40f * std::sin(a), 0.07f, s));
    }
    c.Fill(Subtract(teeth, Dot(0.5f, 0.5f, 0.12f, s)), fg);
}
void Help(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Dot(0.5f, 0.5f, 0.44f, s), fg);
    c.Fill(Subtract(vorne::player::skin_art::Ring(0.5f * s, 0.38f * s, 0.14f * s, 0.055f * s), Box(0.0f, 0.40f, 0.48f, 0.60f, s)),
           {255, 255, 255});
    c.Fill(Line(0.5f, 0.52f, 0.5f, 0.60f, 0.055f, s), {255, 255, 255});
    c.Fill(Dot(0.5f, 0.75f, 0.06f, s), {255, 255, 255});
}
void Video(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Box(0.08f, 0.18f, 0.92f, 0.74f, s, 0.06f), fg);
    c.Fill(Box(0.15f, 0.25f, 0.85f, 0.67f, s), {200, 230, 255});
    c.Fill(Box(0.38f, 0.78f, 0.62f, 0.86f, s), fg);
}
void Bars(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Box(0.12f, 0.55f, 0.30f, 0.90f, s), fg);
    c.Fill(Box(0.41f, 0.30f, 0.59f, 0.90f, s), {230, 120, 40});
    c.Fill(Box(0.70f, 0.12f, 0.88f, 0.90f, s), {60, 170, 60});
}
void Info(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Dot(0.5f, 0.5f, 0.44f, s), fg);
    c.Fill(Dot(0.5f, 0.28f, 0.07f, s), {255, 255, 255});
    c.Fill(Line(0.5f, 0.45f, 0.5f, 0.74f, 0.07f, s), {255, 255, 255});
}
void Cassette(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Box(0.06f, 0.22f, 0.94f, 0.80f, s, 0.08f), fg);
    c.Fill(Box(0.20f, 0.34f, 0.80f, 0.58f, s, 0.05f), {240, 240, 240});
    c.Fill(Dot(0.34f, 0.46f, 0.07f, s), fg);
    c.Fill(Dot(0.66f, 0.46f, 0.07f, s), fg);
}
void Cross(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Union(Line(0.22f, 0.22f, 0.78f, 0.78f, 0.10f, s), Line(0.78f, 0.22f, 0.22f, 0.78f, 0.10f, s)), fg);
}
void Wave(Canvas& c, float s, Colour fg, Colour) {
    const float xs[] = {0.08f, 0.24f, 0.40f, 0.56f, 0.72f, 0.92f};
    const float ys[] = {0.5f, 0.2f, 0.8f, 0.25f, 0.75f, 0.5f};
    for (int i = 0; i + 1 < 6; ++i) c.Fill(Line(xs[i], ys[i], xs[i + 1], ys[i + 1], 0.06f, s), fg);
}
void Previous(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Box(0.16f, 0.2f, 0.28f, 0.8f, s), fg);
    c.Fill(Poly({{0.84f, 0.2f}, {0.84f, 0.8f}, {0.30f, 0.5f}}, s), fg);
}
void Play(Canvas& c, float s, Colour fg, Colour) { c.Fill(Poly({{0.24f, 0.14f}, {0.24f, 0.86f}, {0.86f, 0.5f}}, s), fg); }
void Pause(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Box(0.2f, 0.16f, 0.42f, 0.84f, s), fg);
    c.Fill(Box(0.58f, 0.16f, 0.80f, 0.84f, s), fg);
}
void Stop(Canvas& c, float s, Colour fg, Colour) { c.Fill(Box(0.2f, 0.2f, 0.8f, 0.8f, s, 0.04f), fg); }
void Next(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Poly({{0.16f, 0.2f}, {0.16f, 0.8f}, {0.70f, 0.5f}}, s), fg);
    c.Fill(Box(0.72f, 0.2f, 0.84f, 0.8f, s), fg);
}
void Folder(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Box(0.08f, 0.22f, 0.46f, 0.40f, s, 0.04f), Scale(fg, 0.8f));
    c.Fill(Box(0.08f, 0.32f, 0.92f, 0.84f, s, 0.05f), fg);
}
void Globe(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Dot(0.5f, 0.5f, 0.42f, s), {120, 190, 255});
    c.Fill(vorne::player::skin_art::Ring(0.5f * s, 0.5f * s, 0.40f * s, 0.045f * s), fg);
    c.Fill(Line(0.10f, 0.5f, 0.90f, 0.5f, 0.04f, s), fg);
    c.Fill(Line(0.5f, 0.10f, 0.5f, 0.90f, 0.04f, s), fg);
}
void FadeOut(Canvas& c, float s, Colour fg, Colour) { c.Fill(Poly({{0.1f, 0.2f}, {0.9f, 0.75f}, {0.9f, 0.8f}, {0.1f, 0.8f}}, s), fg); }
void FadeIn(Canvas& c, float s, Colour fg, Colour) { c.Fill(Poly({{0.1f, 0.75f}, {0.9f, 0.2f}, {0.9f, 0.8f}, {0.1f, 0.8f}}, s), fg); }
void Person(Canvas& c, float s, Colour fg, Colour) {
    c.Fill(Dot(0.5f, 0.32f, 0.17f, s), fg);
    c.Fill(Box(0.20f, 0.56f, 0.80f, 0.98f, s, 0.22f), fg);
}

struct Glyph {
    Drawing draw;
    Colour colour;
};

const Glyph kMenu[kMenuIcons] = {
    {Skin, {150, 90, 200}},   {Document, {90, 90, 90}},  {Gear, {90, 100, 120}},  {Help, {40, 110, 210}},
    {Video, {70, 70, 90}},    {Bars, {40, 110, 210}},    {Info, {40, 110, 210}},  {Cassette, {110, 80, 60}},
    {Cross, {200, 40, 40}},   {Wave, {30, 140, 90}},     {Previous, {40, 60, 90}}, {Play, {30, 140, 60}},
    {Pause, {40, 60, 90}},    {Stop, {180, 50, 50}},     {Next, {40, 60, 90}},    {Folder, {230, 180, 60}},
    {Globe, {30, 80, 160}},   {FadeOut, {60, 110, 180}}, {FadeIn, {60, 110, 180}}, {Person, {60, 110, 170}},
};

// The file types: a page with a badge of its kind.
const Colour kTypeColours[kFileTypeIcons] = {
    {40, 110, 210}, {30, 150, 70}, {230, 130, 30}, {140, 70, 190}, {200, 50, 60}, {20, 150, 160}};

// The tray: a disc with the play sign, one colour scheme each.
const Colour kTrayColours[kTrayIcons] = {
    {40, 110, 210}, {30, 150, 70}, {200, 50, 60}, {140, 70, 190}, {230, 130, 30}, {40, 40, 50}};

void DrawOn(Canvas& c, IconSet set, int index, float s) {
    switch (set) {
    case IconSet::Menu:
        kMenu[index].draw(c, s, kMenu[index].colour, {});
        break;
    case IconSet::Tray: {
        const Colour fg = kTrayColours[index];
        c.Fill(Dot(0.5f, 0.5f, 0.47f, s), fg);
        c.Fill(vorne::player::skin_art::Ring(0.5f * s, 0.5f * s, 0.42f * s, 0.03f * s), Mix(fg, {255, 255, 255}, 0.5f));
        c.Fill(Poly({{0.38f, 0.27f}, {0.38f, 0.73f}, {0.75f, 0.5f}}, s), {255, 255, 255});
        break;
    }
    case IconSet::FileType: {
        const Colour fg = kTypeColours[index];
        Document(c, s, {120, 120, 120}, {});
        if (index % 2 == 0) {
            for (int i = 0; i < 3; ++i) {
                const float y = 0.40f + 0.13f * static_cast<float>(i);
                c.Fill(Line(0.32f, y, 0.62f, y, 0.035f, s), fg);
            }
        } else {
            c.Fill(Dot(0.42f, 0.66f, 0.09f, s), fg);
            c.Fill(Line(0.50f, 0.66f, 0.50f, 0.30f, 0.035f, s), fg);
            c.Fill(Line(0.50f, 0.30f, 0.64f, 0.38f, 0.04f, s), fg);
        }
        c.Fill(Dot(0.74f, 0.76f, 0.20f, s), fg);
        c.Fill(Poly({{0.68f, 0.67f}, {0.68f, 0.85f}, {0.84f, 0.76f}}, s), {255, 255, 255});
        break;
    }
    }
}

}  // namespace

RgbaImage DrawIcon(IconSet set, int index, int size) {
    // Drawn twice, on black and on white: the difference is the coverage.
    Canvas black(size, size, {0, 0, 0}), white(size, size, {255, 255, 255});
    const float s = static_cast<float>(size);
    DrawOn(black, set, index, s);
    DrawOn(white, set, index, s);
    RgbaImage img;
    img.size = size;
    img.rgba.resize(static_cast<size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* b = black.At(x, y);
            const std::uint8_t* w = white.At(x, y);
            const int diff = std::max({w[0] - b[0], w[1] - b[1], w[2] - b[2]});
            const int alpha = std::clamp(255 - diff, 0, 255);
            std::uint8_t* out = &img.rgba[(static_cast<size_t>(y) * size + x) * 4];
            for (int k = 0; k < 3; ++k)
                out[k] = alpha ? static_cast<std::uint8_t>(std::clamp(b[k] * 255 / alpha, 0, 255)) : 0;
            out[3] = static_cast<std::uint8_t>(alpha);
        }
    }
    return img;
}

std::vector<IconArt> DrawIcons() {
    std::vector<IconArt> out;
    for (int i = 0; i < kFileTypeIcons; ++i)
        out.push_back({kFileTypeFirstId + i, IconSet::FileType, i,
                       {DrawIcon(IconSet::FileType, i, 32), DrawIcon(IconSet::FileType, i, 16)}});
    for (int i = 0; i < kTrayIcons; ++i)
        out.push_back({kTrayFirstId + i, IconSet::Tray, i, {DrawIcon(IconSet::Tray, i, 32), DrawIcon(IconSet::Tray, i, 16)}});
    for (int i = 0; i < kMenuIcons; ++i) out.push_back({kMenuFirstId + i, IconSet::Menu, i, {DrawIcon(IconSet::Menu, i, 16)}});
    return out;
}

namespace {
void Put16(std::vector<std::uint8_t>& v, unsigned x) {
    v.push_back(static_cast<std::uint8_t>(x & 0xFF));
    v.push_back(static_cast<std::uint8_t>((x >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& v, unsigned x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}
unsigned Get16(const std::vector<std::uint8_t>& v, size_t at) { return v[at] | (v[at + 1] << 8); }
}  // namespace

std::vector<std::uint8_t> ToIco(const std::vector<RgbaImage>& images) {
    std::vector<std::vector<std::uint8_t>> bodies;
    for (const RgbaImage& img : images) {
        const int n = img.size;
        const size_t maskRow = static_cast<size_t>(((n + 31) / 32) * 4);
        std::vector<std::uint8_t> b;
        Put32(b, 40);
        Put32(b, static_cast<unsigned>(n));
        Put32(b, static_cast<unsigned>(n * 2));  // colour and mask
        Put16(b, 1);
        Put16(b, 32);
        Put32(b, 0);
        Put32(b, static_cast<unsigned>(n * n * 4 + maskRow * n));
        for (int i = 0; i < 4; ++i) Put32(b, 0);
        for (int y = n - 1; y >= 0; --y)
            for (int x = 0; x < n; ++x) {
                const std::uint8_t* p = img.At(x, y);
                b.push_back(p[2]);
                b.push_back(p[1]);
                b.push_back(p[0]);
                b.push_back(p[3]);
            }
        for (int y = n - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(maskRow, 0);
            for (int x = 0; x < n; ++x)
                if (img.At(x, y)[3] < 128) row[static_cast<size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            b.insert(b.end(), row.begin(), row.end());
        }
        bodies.push_back(std::move(b));
    }
    std::vector<std::uint8_t> f;
    Put16(f, 0);
    Put16(f, 1);
    Put16(f, static_cast<unsigned>(images.size()));
    size_t offset = 6 + 16 * images.size();
    for (size_t i = 0; i < images.size(); ++i) {
        const int n = images[i].size;
        f.push_back(static_cast<std::uint8_t>(n >= 256 ? 0 : n));
        f.push_back(static_cast<std::uint8_t>(n >= 256 ? 0 : n));
        f.push_back(0);
        f.push_back(0);
        Put16(f, 1);
        Put16(f, 32);
        Put32(f, static_cast<unsigned>(bodies[i].size()));
        Put32(f, static_cast<unsigned>(offset));
        offset += bodies[i].size();
    }
    for (const auto& b : bodies) f.insert(f.end(), b.begin(), b.end());
    return f;
}

std::vector<int> IcoSizes(const std::vector<std::uint8_t>& file) {
    if (file.size() < 6 || Get16(file, 0) != 0 || Get16(file, 2) != 1) return {};
    const unsigned count = Get16(file, 4);
    if (file.size() < 6 + 16 * static_cast<size_t>(count)) return {};
    std::vector<int> sizes;
    for (unsigned i = 0; i < count; ++i) {
        const int n = file[6 + 16 * i];
        sizes.push_back(n == 0 ? 256 : n);
    }
    return sizes;
}

}  // namespace vorne::player::icons
