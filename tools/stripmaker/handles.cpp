#include "tools/stripmaker/handles.h"

#include "tools/stripmaker/bitmap_pixels.h"

namespace vorne::stripmaker {

namespace {

constexpr int kSize = 13;

// A raised 13 x 13 button face with a 9 x 9 glyph ('#' pixels) in its middle.
forms::PictureRef Handle(const char* const glyph[9]) {
    auto rgb = [](COLORREF c) {
        return static_cast<std::uint32_t>(GetRValue(c)) << 16 | static_cast<std::uint32_t>(GetGValue(c)) << 8 |
               GetBValue(c);
    };
    const std::uint32_t face = rgb(GetSysColor(COLOR_BTNFACE)), light = rgb(GetSysColor(COLOR_BTNHIGHLIGHT)),
                        shadow = rgb(GetSysColor(COLOR_BTNSHADOW)), dark = rgb(GetSysColor(COLOR_3DDKSHADOW));
    PixelBuffer p(kSize, kSize, face);
    for (int i = 0; i < kSize; ++i) {
        p.Set(i, 0, light);
        p.Set(0, i, light);
        p.Set(i, kSize - 1, dark);
        p.Set(kSize - 1, i, dark);
        if (i > 0 && i < kSize - 1) {
            p.Set(i, kSize - 2, shadow);
            p.Set(kSize - 2, i, shadow);
        }
    }
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            if (glyph[y][x] == '#') p.Set(2 + x, 2 + y, 0);
    HBITMAP bmp = BitmapOf(p);
    return bmp ? std::make_shared<forms::Picture>(bmp) : nullptr;
}

}  // namespace

forms::PictureRef MoverPicture() {
    static const char* const kArrows[9] = {
        "....#....", "...###...", "....#....", ".#..#..#.", "#########",
        ".#..#..#.", "....#....", "...###...", "....#....",
    };
    return Handle(kArrows);
}

forms::PictureRef SizerPicture() {
    static const char* const kDiagonal[9] = {
        "####.....", "##.......", "#.#......", "#..#.....", "....#....",
        ".....#..#", "......#.#", ".......##", ".....####",
    };
    return Handle(kDiagonal);
}

}  // namespace vorne::stripmaker
