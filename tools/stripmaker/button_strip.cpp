#include "tools/stripmaker/button_strip.h"

#include <cmath>

namespace vorne::stripmaker {

namespace {
constexpr long long kMaxStripPixels = 1LL << 26;
}  // namespace

int TwipsToPixels(float twips) {
    const double px = std::lround(static_cast<double>(twips) / kTwipsPerPixel);
    // Selections can be dragged anywhere; keep far-off values in range.
    if (px > 1e8) return 100000000;
    if (px < -1e8) return -100000000;
    return static_cast<int>(px);
}

CellColumns StripCell(int strip_width, int cells, int k) {
    CellColumns c;
    if (cells < 1 || k < 0 || k >= cells || strip_width < 0) return c;
    const int w = strip_width / cells;
    c.first = k * w;
    c.last = k * w + w - 1;
    return c;
}

PixelBuffer BuildStrip(const StateSources& sources, int cells) {
    // Which view fills each cell: a 2-cell strip skips the mouse-over and
    // disabled looks; its second cell is the pressed look.
    static const int kTwo[] = {bsNormal, bsMouseDown};
    static const int kFour[] = {bsNormal, bsMouseOver, bsMouseDown, bsDisabled};
    const int* order = cells == 2 ? kTwo : kFour;
    if (cells != 2) cells = 4;

    const SelectionRect& size = sources[bsNormal].selection;
    const long long w = TwipsToPixels(size.Width), h = TwipsToPixels(size.Height);
    // A selection dragged far past any picture would ask for more memory
    // than a bitmap can have: no strip then.
    if (w <= 0 || h <= 0 || w * cells > 32767 || h > 32767 || w * cells * h > kMaxStripPixels) return PixelBuffer();
    PixelBuffer strip(static_cast<int>(w * cells), static_cast<int>(h), kClearedColour);
    for (int k = 0; k < cells; ++k) {
        const StateSource& s = sources[order[k]];
        if (!s.picture) continue;  // the cell stays cleared
        const SelectionRect& r = s.selection;
        const int cw = TwipsToPixels(r.Width);
        CopyRect(*s.picture, TwipsToPixels(r.Left), TwipsToPixels(r.Top), cw, TwipsToPixels(r.Height), strip,
                 k * cw, 0);
    }
    return strip;
}

Strips GetImages(const StateSources& sources) { return Strips{BuildStrip(sources, 2), BuildStrip(sources, 4)}; }

}  // namespace vorne::stripmaker
