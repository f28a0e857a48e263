#include "player/commands/window_commands.h"

#include "player/commands/snap.h"

namespace vorne::player::commands {

void DragWindow(HWND window) {
    if (!window) return;
    ReleaseCapture();
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void SnapWindow(forms::Form& form, int32_t snapDistance) {
    ScreenSpan screen;
    screen.twipsPerPixelX = forms::TwipsPerPixelX();
    screen.twipsPerPixelY = forms::TwipsPerPixelY();
    screen.width = static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * screen.twipsPerPixelX;
    screen.height = static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * screen.twipsPerPixelY;
    const WindowPlace before{form.Left(), form.Top(), form.Width(), form.Height()};
    const WindowPlace after = SnapToEdges(before, screen, snapDistance);
    if (after.left != before.left || after.top != before.top) form.Move(after.left, after.top, before.width, before.height);
}

}  // namespace vorne::player::commands
