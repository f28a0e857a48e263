#include "skinner/core/palette.h"

namespace vorne::skinner::core {

const std::array<Swatch, 8>& PaletteSwatches() {
    static const std::array<Swatch, 8> swatches = {{
        {0x000000, "R:0, G:0, B:0", 0, 0},
        {0x008000, "R:0, G:128, B:0", 195, 0},
        {0x800080, "R:128, G:0, B:128", 390, 0},
        {0xC0C0C0, "R:192, G:192, B:192", 585, 0},
        {0x808080, "R:128, G:128, B:128", 0, 195},
        {0x00FF00, "R:0, G:255, B:0", 195, 195},
        {0xFF00FF, "R:255, G:0, B:255", 375, 195},
        {0xFFFFFF, "R:255, G:255, B:255", 585, 195},
    }};
    return swatches;
}

void Palette::cmdPick_Click() {
    selectorVisible_ = false;
    visible_ = true;
}

void Palette::picSelect_MouseMove(int k) {
    if (k < 0 || k >= 8) return;
    const Swatch& s = PaletteSwatches()[static_cast<size_t>(k)];
    selectorTip_ = s.tip;
    hover_ = k;
    const float left = s.left + kSwatchSize / 2 - kSelectorSize / 2;
    const float top = s.top + kSwatchSize / 2 - kSelectorSize / 2;
    if (selectorLeft_ != left) selectorLeft_ = left;
    if (selectorTop_ != top) selectorTop_ = top;
    selectorVisible_ = true;
}

int32_t Palette::picSelect_Click(int k) {
    if (k < 0 || k >= 8) return -1;
    visible_ = false;
    return PaletteSwatches()[static_cast<size_t>(k)].colour;
}

int Palette::SwatchAt(float x, float y) {
    for (int k = 7; k >= 0; --k) {
        const Swatch& s = PaletteSwatches()[static_cast<size_t>(k)];
        if (x >= s.left && x < s.left + kSwatchSize && y >= s.top && y < s.top + kSwatchSize) return k;
    }
    return -1;
}

}  // namespace vorne::skinner::core
