#pragma once
// What the main window's own commands do to a window: the drag by its
// body and the snap to the screen's edges.
#include <windows.h>

#include <cstdint>

#include "runtime/forms/forms.h"

namespace vorne::player::commands {

// A left press on the window's body: the system moves the window with the
// mouse as if its caption were dragged.
void DragWindow(HWND window);

// Snaps the form's outer window to the screen's edges within snapDistance
// pixels (SnapToEdges); the form moves only when its place changes.
void SnapWindow(forms::Form& form, int32_t snapDistance);

}  // namespace vorne::player::commands
