#pragma once
// Snapping the main window to the screen's edges. Window-free: positions
// and sizes are the whole window's, in twips, and the snap distance is in
// pixels, turned into twips by the screen's factor of each axis.
#include <cstdint>

namespace vorne::player::commands {

struct WindowPlace {
    float left = 0, top = 0, width = 0, height = 0;  // twips
};

struct ScreenSpan {
    float width = 0, height = 0;  // the whole screen, twips
    float twipsPerPixelX = 15, twipsPerPixelY = 15;
};

// The place after the snap. In order, each step seeing the moves before it:
// near or over the top edge -> top 0; near or over the left edge -> left 0;
// near or over the bottom -> bottom on the screen's; near or over the right
// -> right on the screen's. A window taller than the screen ends with its
// bottom on the screen's bottom (a negative top).
WindowPlace SnapToEdges(WindowPlace place, const ScreenSpan& screen, int32_t snapDistance);

}  // namespace vorne::player::commands
