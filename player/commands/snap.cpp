#include "player/commands/snap.h"

namespace vorne::player::commands {

WindowPlace SnapToEdges(WindowPlace p, const ScreenSpan& s, int32_t snapDistance) {
    // Single precision throughout, as the window's own measures are.
    const float nearY = static_cast<float>(snapDistance) * s.twipsPerPixelY;
    const float nearX = static_cast<float>(snapDistance) * s.twipsPerPixelX;
    if (p.top < 0 || p.top <= nearY) p.top = 0;
    if (p.left < 0 || p.left <= nearX) p.left = 0;
    if (p.top + p.height > s.height || s.height - nearY <= p.top + p.height) p.top = s.height - p.height;
    if (p.left + p.width > s.width || s.width - nearX <= p.left + p.width) p.left = s.width - p.width;
    return p;
}

}  // namespace vorne::player::commands
