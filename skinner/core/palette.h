// The editor's palette of eight transparent colours: the swatches in two
// rows of four, and the selector that follows the mouse from swatch to
// swatch. Places in twips inside the palette box. Window-free.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vorne::skinner::core {

struct Swatch {
    int32_t colour;  // red + 256 * green + 65536 * blue
    const char* tip;
    float left, top;
};

inline constexpr float kPaletteWidth = 840, kPaletteHeight = 450;  // twips
inline constexpr float kSwatchSize = 200, kSelectorSize = 60;
const std::array<Swatch, 8>& PaletteSwatches();

class Palette {
public:
    bool Visible() const { return visible_; }
    bool SelectorVisible() const { return selectorVisible_; }
    float SelectorLeft() const { return selectorLeft_; }
    float SelectorTop() const { return selectorTop_; }
    const std::string& SelectorTip() const { return selectorTip_; }
    int HoverSwatch() const { return hover_; }

    // "Pick": the palette shows, its selector hidden.
    void cmdPick_Click();
    // The mouse over swatch k: the selector moves to its centre, with its tip.
    void picSelect_MouseMove(int k);
    // A click on swatch k: its colour, and the palette hides. -1 for no swatch.
    int32_t picSelect_Click(int k);
    // A click on the selector counts for the swatch under it.
    int32_t imgSelectr_Click() { return picSelect_Click(hover_); }
    // The swatch at a point of the palette (the later swatch where two
    // overlap), -1 for none.
    static int SwatchAt(float x, float y);

private:
    bool visible_ = false, selectorVisible_ = false;
    float selectorLeft_ = 0, selectorTop_ = 0;
    std::string selectorTip_;
    int hover_ = 0;
};

}  // namespace vorne::skinner::core
