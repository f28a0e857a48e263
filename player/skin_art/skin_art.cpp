#include "player/skin_art/skin_art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace vorne::player::skin_art {

const std::vector<ArtSpec>& SkinArtSpecs() {
    static const std::vector<ArtSpec> layouts = {
        {101, "window background", 317, 119, 1, -1, -1},
        {102, "Previous Button", 148, 25, 4, 4, 52},
        {103, "Play Button", 144, 25, 4, 41, 52},
        {104, "Pause Button", 140, 25, 4, 78, 52},
        {105, "Stop Button", 144, 25, 4, 113, 52},
        {106, "Next Button", 144, 25, 4, 149, 52},
        {107, "Random Button", 80, 24, 2, 99, 88},
        {108, "Repeat Button", 80, 24, 2, 142, 88},
        {109, "Close", 56, 23, 2, 276, 3},
        {110, "Minimize", 54, 24, 2, 245, 3},
        {111, "System Menu", 48, 20, 2, 18, 5},
        {112, "Play List Button", 56, 26, 2, 12, 86},
        {113, "Position Bar track", 167, 7, 1, 12, 78},
        {114, "Position Bar thumb", 40, 7, 2, 12, 78},
        {115, "Volume Bar track", 71, 6, 1, 214, 103},
        {116, "Volume Bar thumb", 40, 7, 2, 214, 103},
        {117, "Open Button", 144, 23, 4, 7, 27},
    };
    return layouts;
}

namespace {

// ---- palette -------------------------------------------------------------

constexpr Colour kOutline{10, 11, 14};
constexpr Colour kMetal{46, 49, 56};
constexpr Colour kHighlight{150, 158, 172};
constexpr Colour kShadow{0, 0, 0};
constexpr Colour kWell{24, 25, 29};
constexpr Colour kLcd{35, 35, 35};  // the song display's own back colour
constexpr Colour kAccent{112, 200, 255};
constexpr Colour kAccentDim{52, 96, 124};
constexpr Colour kGlyph{206, 211, 221};
constexpr Colour kGlyphOff{168, 174, 186};
constexpr Colour kGlyphDisabled{88, 92, 101};
constexpr Colour kLedOff{44, 52, 60};
constexpr Colour kCloseRed{238, 104, 92};

enum class Look { Normal, Over, Down, Disabled, ToggleOff, ToggleOn };

// ---- brushed metal ---------------------------------------------------------

std::uint32_t Hash(std::uint32_t a, std::uint32_t b) {
    std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}
float Noise(std::uint32_t a, std::uint32_t b) { return (Hash(a, b) & 0xFFFF) / 65535.0f * 2 - 1; }

// Horizontal grain: each row carries its own slow streaks plus fine grit.
Colour Brushed(float x, float y, float height) {
    const int row = static_cast<int>(y);
    const float streak = Noise(row, 7) * 3.2f;
    const int span = static_cast<int>(x / 23.0f);
    const float t = x / 23.0f - span;
    const float slow = (Noise(row, span) * (1 - t) + Noise(row, span + 1) * t) * 2.6f;
    const float grit = Noise(row * 977u, static_cast<std::uint32_t>(x)) * 1.4f;
    const float light = 1.10f - 0.16f * (y / height);  // a little lighter at the top
    const float v = streak + slow + grit;
    return Colour{kMetal.r * light + v, kMetal.g * light + v, kMetal.b * light + v * 1.1f};
}

// ---- shapes ----------------------------------------------------------------

Shape Inset(Shape s, float by) {
    return [s, by](float x, float y) { return s(x, y) + by; };
}

// The top-left rim of a shape (a crescent `by` pixels deep) and the
// bottom-right one.
Shape TopRim(Shape s, float by) { return Subtract(s, Offset(s, by, by)); }
Shape BottomRim(Shape s, float by) { return Subtract(s, Offset(s, -by, -by)); }

// A recessed well: dark floor, shadow along the top, light along the bottom.
void Well(Canvas& c, float l, float t, float r, float b, float radius, Colour floor) {
    const Shape outer = RoundRect(l, t, r, b, radius);
    c.Fill(BottomRim(outer, 1.2f), kHighlight, 0.30f);
    const Shape inner = RoundRect(l, t, r - 0.6f, b - 0.6f, radius);
    c.Fill(inner, kOutline);
    const Shape floorShape = Inset(inner, 1.0f);
    c.Fill(floorShape, floor);
    c.Fill(TopRim(floorShape, 1.6f), kShadow, 0.45f);
}

// Dot-matrix letters, 5 x 7.
const char* Letter(char ch) {
    switch (ch) {
        case 'V': return "10001" "10001" "10001" "10001" "01010" "01010" "00100";
        case 'O': return "01110" "10001" "10001" "10001" "10001" "10001" "01110";
        case 'R': return "11110" "10001" "10001" "11110" "10100" "10010" "10001";
        case 'N': return "10001" "11001" "10101" "10011" "10001" "10001" "10001";
        case 'E': return "11111" "10000" "10000" "11110" "10000" "10000" "11111";
        default: return "00000" "00000" "00000" "00000" "00000" "00000" "00000";
    }
}

void DotText(Canvas& c, const std::string& text, float left, float top, float pitch, float dot, Colour lit,
             Colour unlit) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char* bits = Letter(text[i]);
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col) {
                const float cx = left + (i * 6 + col) * pitch + pitch / 2;
                const float cy = top + row * pitch + pitch / 2;
                if (bits[row * 5 + col] == '1')
                    c.Fill(Circle(cx, cy, dot), lit);
                else
                    c.Fill(Circle(cx, cy, dot * 0.8f), unlit, 0.55f);
            }
    }
}

// ---- glyphs ------------------------------------------------------------------

using Glyph = Shape (*)(float cx, float cy);

Shape Tri(float x0, float y0, float x1, float y1, float x2, float y2) {
    return Polygon({{x0, y0}, {x1, y1}, {x2, y2}});
}

Shape PlayGlyph(float cx, float cy) { return Tri(cx - 4, cy - 6, cx + 6.5f, cy, cx - 4, cy + 6); }
Shape PauseGlyph(float cx, float cy) {
    return Union(RoundRect(cx - 5, cy - 6, cx - 1.5f, cy + 6, 0.8f), RoundRect(cx + 1.5f, cy - 6, cx + 5, cy + 6, 0.8f));
}
Shape StopGlyph(float cx, float cy) { return RoundRect(cx - 5.5f, cy - 5.5f, cx + 5.5f, cy + 5.5f, 1.2f); }
Shape PreviousGlyph(float cx, float cy) {
    return Union(RoundRect(cx - 8, cy - 5.5f, cx - 5.5f, cy + 5.5f, 0.6f),
                 Union(Tri(cx + 1, cy - 5.5f, cx + 1, cy + 5.5f, cx - 5.5f, cy),
                       Tri(cx + 7.5f, cy - 5.5f, cx + 7.5f, cy + 5.5f, cx + 1, cy)));
}
Shape NextGlyph(float cx, float cy) {
    return Union(RoundRect(cx + 5.5f, cy - 5.5f, cx + 8, cy + 5.5f, 0.6f),
                 Union(Tri(cx - 1, cy - 5.5f, cx - 1, cy + 5.5f, cx + 5.5f, cy),
                       Tri(cx - 7.5f, cy - 5.5f, cx - 7.5f, cy + 5.5f, cx - 1, cy)));
}
Shape EjectGlyph(float cx, float cy) {
    return Union(Tri(cx - 6.5f, cy + 1, cx + 6.5f, cy + 1, cx, cy - 6),
                 RoundRect(cx - 6.5f, cy + 3, cx + 6.5f, cy + 5.5f, 0.6f));
}
Shape ShuffleGlyph(float cx, float cy) {
    const Shape a = Capsule(cx - 8, cy - 4, cx + 3, cy + 4, 1.1f);
    const Shape b = Capsule(cx - 8, cy + 4, cx + 3, cy - 4, 1.1f);
    const Shape headA = Tri(cx + 2, cy + 0.8f, cx + 2, cy + 7.2f, cx + 8, cy + 4);
    const Shape headB = Tri(cx + 2, cy - 7.2f, cx + 2, cy - 0.8f, cx + 8, cy - 4);
    return Union(Union(a, b), Union(headA, headB));
}
Shape RepeatGlyph(float cx, float cy) {
    const Shape loop = RoundRect(cx - 8, cy - 5, cx + 7, cy + 5, 4.5f);
    const Shape band = Subtract(loop, Inset(loop, 2.2f));
    const Shape gap = RoundRect(cx - 2.5f, cy - 7, cx + 3.5f, cy - 2, 0.1f);
    const Shape head = Tri(cx - 2.5f, cy - 8.4f, cx - 2.5f, cy - 1.4f, cx + 2.8f, cy - 4.9f);
    return Union(Subtract(band, gap), head);
}
Shape ListGlyph(float cx, float cy) {
    Shape s = Circle(cx - 6, cy - 4.5f, 1.4f);
    for (int i = 0; i < 3; ++i) {
        const float y = cy - 4.5f + i * 4.5f;
        if (i) s = Union(s, Circle(cx - 6, y, 1.4f));
        s = Union(s, Capsule(cx - 2, y, cx + 7, y, 1.1f));
    }
    return s;
}
Shape CloseGlyph(float cx, float cy) {
    return Union(Capsule(cx - 4, cy - 4, cx + 4, cy + 4, 1.25f), Capsule(cx - 4, cy + 4, cx + 4, cy - 4, 1.25f));
}
Shape MinimizeGlyph(float cx, float cy) { return Capsule(cx - 4.5f, cy + 3.5f, cx + 4.5f, cy + 3.5f, 1.3f); }
Shape MenuGlyph(float cx, float cy) {
    // The player's mark: a V of two strokes.
    return Union(Capsule(cx - 4.5f, cy - 4, cx, cy + 4, 1.3f), Capsule(cx + 4.5f, cy - 4, cx, cy + 4, 1.3f));
}

// ---- buttons -----------------------------------------------------------------

struct CapColours {
    Colour top, bottom, glyph;
    float glow;        // accent halo around the glyph
    float dx, dy;      // glyph offset (pressed)
    bool sunken;
};

CapColours ColoursFor(Look look) {
    switch (look) {
        case Look::Normal: return {{84, 89, 101}, {52, 56, 64}, kGlyph, 0, 0, 0, false};
        case Look::Over: return {{98, 105, 120}, {60, 65, 75}, kAccent, 0.35f, 0, 0, false};
        case Look::Down: return {{34, 37, 43}, {58, 62, 71}, Mix(kAccent, kGlyph, 0.2f), 0.2f, 0.6f, 0.8f, true};
        case Look::Disabled: return {{52, 55, 62}, {45, 48, 55}, kGlyphDisabled, 0, 0, 0, false};
        case Look::ToggleOff: return {{74, 79, 90}, {48, 52, 60}, kGlyphOff, 0, 0, 0, false};
        case Look::ToggleOn: return {{38, 42, 49}, {60, 66, 76}, kAccent, 0.25f, 0.4f, 0.6f, true};
    }
    return ColoursFor(Look::Normal);
}

// One cell: a rounded cap over the background behind it, and the glyph.
// `led` puts a small lamp at the left (toggles).
void DrawCap(Canvas& c, float left, float w, float h, Look look, Glyph glyph, bool led, Colour glyphTint,
             float radius = 4.5f) {
    const CapColours k = ColoursFor(look);
    const float l = left + 1, t = 1, r = left + w - 1, b = h - 1;
    const Shape cap = RoundRect(l, t, r, b, radius);
    // Drop shadow on the metal, then the rim and the body.
    c.Fill(Offset(cap, 0.6f, 1.0f), kShadow, 0.45f);
    c.Fill(cap, kOutline);
    const Shape body = Inset(cap, 1.0f);
    c.Fill(body, [&](float, float y) { return Mix(k.top, k.bottom, std::clamp((y - t) / (b - t), 0.0f, 1.0f)); });
    if (k.sunken)
        c.Fill(TopRim(body, 1.5f), kShadow, 0.5f);
    else
        c.Fill(TopRim(body, 1.0f), kHighlight, look == Look::Disabled ? 0.15f : 0.45f);

    float cx = left + w / 2 + k.dx, cy = h / 2 + k.dy;
    if (led) {
        const bool on = look == Look::ToggleOn;
        const float lx = left + 8.5f;
        if (on) c.Fill(Circle(lx + k.dx, cy, 4.5f), kAccent, 0.25f);
        c.Fill(Circle(lx + k.dx, cy, 2.3f), kOutline);
        c.Fill(Circle(lx + k.dx, cy, 1.6f), on ? Colour{170, 228, 255} : kLedOff);
        cx = left + (w + 12) / 2 + k.dx;
    }
    const Shape g = glyph(cx, cy);
    const Colour ink = look == Look::Normal || look == Look::ToggleOff || look == Look::Disabled
                           ? k.glyph
                           : Mix(k.glyph, glyphTint, 1.0f);
    if (k.glow > 0) c.Fill(Inset(g, -2.0f), kAccent, k.glow * 0.5f);
    if (look != Look::Down && look != Look::ToggleOn) c.Fill(Offset(g, 0, 1), kShadow, 0.55f);
    c.Fill(g, ink);
}

Canvas Crop(const Canvas& from, int left, int top, int w, int h) {
    Canvas out(w, h, Colour{0, 0, 0});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int sx = std::clamp(left + x, 0, from.Width() - 1);
            const int sy = std::clamp(top + y, 0, from.Height() - 1);
            out.Set(x, y, from.Get(sx, sy));
        }
    return out;
}

Canvas Strip(const Canvas& background, const ArtSpec& s, Glyph glyph, const std::vector<Look>& looks, bool led,
             Colour tint = kAccent, float radius = 4.5f) {
    const int cw = s.width / s.cells;
    Canvas out(s.width, s.height, Colour{0, 0, 0});
    const Canvas behind = Crop(background, s.left, s.top, cw, s.height);
    for (int k = 0; k < s.cells; ++k) {
        Canvas cell = behind;
        DrawCap(cell, 0, static_cast<float>(cw), static_cast<float>(s.height), looks[k], glyph, led, tint, radius);
        out.Blit(cell, k * cw, 0);
    }
    return out;
}

// ---- tracks and thumbs -------------------------------------------------------

Canvas PositionTrack(const Canvas& background, const ArtSpec& s) {
    Canvas c = Crop(background, s.left, s.top, s.width, s.height);
    const float w = static_cast<float>(s.width), h = static_cast<float>(s.height);
    const Shape groove = RoundRect(0.5f, 0.5f, w - 0.5f, h - 0.5f, 3.0f);
    c.Fill(groove, kOutline);
    const Shape floor = Inset(groove, 1.0f);
    c.Fill(floor, [&](float, float y) { return Mix(Colour{14, 15, 18}, Colour{30, 33, 38}, y / h); });
    c.Fill(Capsule(4, h / 2, w - 4, h / 2, 0.5f), kAccentDim, 0.6f);
    c.Fill(BottomRim(groove, 0.8f), kHighlight, 0.25f);
    return c;
}

Canvas VolumeTrack(const Canvas& background, const ArtSpec& s) {
    Canvas c = Crop(background, s.left, s.top, s.width, s.height);
    const float w = static_cast<float>(s.width), h = static_cast<float>(s.height);
    const Shape groove = RoundRect(0.5f, 0.5f, w - 0.5f, h - 0.5f, 2.5f);
    c.Fill(groove, kOutline);
    c.Fill(Inset(groove, 1.0f), Colour{16, 17, 20});
    // A wedge that rises to the right: louder.
    const Shape wedge = Polygon({{3, h - 1.6f}, {w - 3, 1.4f}, {w - 3, h - 1.6f}});
    c.Fill(wedge, [&](float x, float) { return Mix(kAccentDim, kAccent, x / w * 0.7f); }, 0.75f);
    c.Fill(BottomRim(groove, 0.8f), kHighlight, 0.2f);
    return c;
}

Canvas Thumb(const Canvas& track, const ArtSpec& s) {
    const int cw = s.width / s.cells;
    Canvas out(s.width, s.height, Colour{0, 0, 0});
    for (int k = 0; k < s.cells; ++k) {
        Canvas cell = Crop(track, track.Width() / 2, 0, cw, s.height);
        const float w = static_cast<float>(cw), h = static_cast<float>(s.height);
        const bool pressed = k == 1;
        const Shape pill = RoundRect(0.5f, 0.5f, w - 0.5f, h - 0.5f, 3.0f);
        cell.Fill(pill, kOutline);
        const Colour top = pressed ? Colour{150, 210, 245} : Colour{196, 201, 212};
        const Colour bottom = pressed ? Colour{70, 130, 170} : Colour{112, 117, 128};
        cell.Fill(Inset(pill, 1.0f), [&](float, float y) { return Mix(top, bottom, y / h); });
        for (int g = -1; g <= 1; ++g) {
            const float x = w / 2 + g * 3.0f;
            cell.Fill(Capsule(x, 2.2f, x, h - 2.2f, 0.45f), kShadow, 0.45f);
        }
        out.Blit(cell, k * cw, 0);
    }
    return out;
}

// ---- background ----------------------------------------------------------------

Canvas Background(const ArtSpec& s) {
    const float w = static_cast<float>(s.width), h = static_cast<float>(s.height);
    Canvas c(s.width, s.height, kCutColour);
    const Shape body = RoundRect(0, 0, w, h, 12.0f);
    // Hard outer edge so that no pixel fades into the cut colour.
    c.FillHard(body, [](float, float) { return kOutline; });
    const Shape face = Inset(body, 1.0f);
    c.Fill(face, [h](float x, float y) { return Brushed(x, y, h); });
    c.Fill(TopRim(face, 1.6f), kHighlight, 0.55f);
    c.Fill(BottomRim(face, 1.8f), kShadow, 0.55f);

    // Title bar: a fine grip between the menu mark and the window buttons.
    for (int i = 0; i < 3; ++i) {
        const float y = 9.5f + i * 4.0f;
        c.Fill(Capsule(50, y, 238, y, 0.5f), kShadow, 0.55f);
        c.Fill(Capsule(50, y + 1, 238, y + 1, 0.5f), kHighlight, 0.22f);
    }
    // A thin seam under the title bar.
    c.Fill(Capsule(6, 29.5f, 192, 29.5f, 0.4f), kShadow, 0.35f);

    // The wordmark beside the open button.
    Well(c, 48, 31, 192, 49, 4, kWell);
    DotText(c, "VORNE", 98, 34, 1.7f, 0.62f, kAccent, kAccentDim);
    for (int i = 0; i < 7; ++i) {
        const float x = 56 + i * 5.0f;
        c.Fill(RoundRect(x, 36 + (i % 3) * 2.0f, x + 3, 45, 0.8f), kAccentDim, 0.45f + 0.07f * i);
    }

    // The transport deck and the position groove sit on a shallow tray.
    const Shape tray = RoundRect(2, 50, 188, 87.5f, 6);
    c.Fill(tray, kShadow, 0.18f);
    c.Fill(TopRim(tray, 1.0f), kShadow, 0.35f);
    c.Fill(BottomRim(tray, 1.0f), kHighlight, 0.2f);

    // Time window between the play-list button and the toggles.
    Well(c, 45, 89, 97, 111, 4, kWell);

    // Song display, with the rate readouts below the scrolling text.
    Well(c, 197, 29, 311, 100, 6, kLcd);
    c.Fill(Capsule(203, 89.5f, 305, 89.5f, 0.4f), Colour{60, 60, 62}, 0.5f);

    // Volume: a speaker beside the groove.
    {
        const float cx = 205, cy = 106;
        const Shape spk = Union(RoundRect(cx - 5, cy - 2, cx - 2, cy + 2, 0.5f),
                                Polygon({{cx - 2.5f, cy - 2}, {cx + 1.5f, cy - 5}, {cx + 1.5f, cy + 5}, {cx - 2.5f, cy + 2}}));
        const Shape wave = Subtract(Ring(cx + 2, cy, 5.0f, 0.6f), RoundRect(cx - 10, cy - 10, cx + 3.5f, cy + 10, 0));
        c.Fill(Offset(Union(spk, wave), 0, 1), kShadow, 0.5f);
        c.Fill(Union(spk, wave), kGlyphOff);
    }
    // A small lamp at the far right of the volume groove.
    c.Fill(Circle(297, 106, 3.2f), kOutline);
    c.Fill(Circle(297, 106, 2.2f), kAccentDim);
    c.Fill(Circle(296.3f, 105.3f, 0.8f), kAccent, 0.8f);

    // Screws in the corners of the face.
    for (const auto& p : std::vector<std::pair<float, float>>{{192.5f, 111.5f}, {192.5f, 8.5f}}) {
        c.Fill(Circle(p.first, p.second, 2.6f), kOutline);
        c.Fill(Circle(p.first, p.second, 1.9f), Colour{92, 97, 108});
        c.Fill(Capsule(p.first - 1.3f, p.second + 1.3f, p.first + 1.3f, p.second - 1.3f, 0.35f), kShadow, 0.7f);
    }

    // Nothing inside the face may be the cut colour.
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            if (body(x + 0.5f, y + 0.5f) < 0) {
                const std::uint8_t* p = c.At(x, y);
                if (p[0] == 255 && p[1] == 255 && p[2] == 255) c.Set(x, y, Colour{254, 254, 254});
            }
    return c;
}

const ArtSpec& SpecOf(int id) {
    for (const ArtSpec& s : SkinArtSpecs())
        if (s.id == id) return s;
    return SkinArtSpecs().front();
}

}  // namespace

std::vector<ArtPiece> DrawSkinArt() {
    const std::vector<Look> four = {Look::Normal, Look::Over, Look::Down, Look::Disabled};
    const std::vector<Look> push = {Look::Normal, Look::Down};
    const std::vector<Look> toggle = {Look::ToggleOff, Look::ToggleOn};

    const Canvas bg = Background(SpecOf(101));
    std::vector<ArtPiece> out;
    for (const ArtSpec& s : SkinArtSpecs()) {
        Canvas pic;
        switch (s.id) {
            case 101: pic = bg; break;
            case 102: pic = Strip(bg, s, PreviousGlyph, four, false); break;
            case 103: pic = Strip(bg, s, PlayGlyph, four, false); break;
            case 104: pic = Strip(bg, s, PauseGlyph, four, false); break;
            case 105: pic = Strip(bg, s, StopGlyph, four, false); break;
            case 106: pic = Strip(bg, s, NextGlyph, four, false); break;
            case 107: pic = Strip(bg, s, ShuffleGlyph, toggle, true); break;
            case 108: pic = Strip(bg, s, RepeatGlyph, toggle, true); break;
            case 109: pic = Strip(bg, s, CloseGlyph, push, false, kCloseRed, 5.0f); break;
            case 110: pic = Strip(bg, s, MinimizeGlyph, push, false, kAccent, 5.0f); break;
            case 111: pic = Strip(bg, s, MenuGlyph, push, false, kAccent, 5.0f); break;
            case 112: pic = Strip(bg, s, ListGlyph, toggle, false); break;
            case 113: pic = PositionTrack(bg, s); break;
            case 115: pic = VolumeTrack(bg, s); break;
            case 117: pic = Strip(bg, s, EjectGlyph, four, false); break;
            default: break;
        }
        out.push_back(ArtPiece{s, pic});
    }
    // The thumbs sit on their tracks.
    for (ArtPiece& p : out) {
        if (p.layout.id == 114) p.picture = Thumb(out[113 - 101].picture, p.layout);
        if (p.layout.id == 116) p.picture = Thumb(out[115 - 101].picture, p.layout);
    }
    return out;
}

Canvas AssembleFace(const std::vector<ArtPiece>& pieces, int cell) {
    Canvas face = pieces.front().picture;
    for (const ArtPiece& p : pieces) {
        const ArtSpec& s = p.layout;
        if (s.left < 0) continue;
        const int cw = s.width / s.cells;
        const int k = std::min(cell, s.cells - 1);
        int left = s.left;
        if (s.id == 114) left = s.left + 40;  // thumbs part way along
        if (s.id == 116) left = s.left + 34;
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < cw; ++x) face.Set(left + x, s.top + y, p.picture.Get(k * cw + x, y));
    }
    return face;
}

Canvas PreviewSheet(const std::vector<ArtPiece>& pieces) {
    const Colour ground{128, 132, 140};
    const int pad = 8;
    int stripsHeight = 0;
    for (const ArtPiece& p : pieces)
        if (p.layout.left >= 0) stripsHeight += p.picture.Height() + 4;
    const int w = 317 * 2 + pad * 3;
    const int h = 119 * 2 + pad * 3 + stripsHeight / 2 + 40;
    Canvas sheet(w, h, ground);
    const Canvas rest = AssembleFace(pieces, 0);
    const Canvas lit = AssembleFace(pieces, 1);
    sheet.Blit(rest, pad, pad);
    sheet.Blit(lit, pad * 2 + 317, pad);
    const Canvas down = AssembleFace(pieces, 2);
    const Canvas off = AssembleFace(pieces, 3);
    sheet.Blit(down, pad, pad * 2 + 119);
    sheet.Blit(off, pad * 2 + 317, pad * 2 + 119);
    int x = pad, y = pad * 3 + 119 * 2, rowHeight = 0;
    for (const ArtPiece& p : pieces) {
        if (p.layout.left < 0) continue;
        if (x + p.picture.Width() > w - pad) {
            x = pad;
            y += rowHeight + 4;
            rowHeight = 0;
        }
        sheet.Blit(p.picture, x, y);
        x += p.picture.Width() + 6;
        rowHeight = std::max(rowHeight, p.picture.Height());
    }
    return sheet;
}

}  // namespace vorne::player::skin_art
