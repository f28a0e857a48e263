#pragma once
// How a form hands on WM_COMMAND: a notification from a child control goes
// back to that control as kReflectedCommand (same wParam and lParam), and a
// menu command to the menu item with that id.
#include <windows.h>

namespace vorne::forms {

inline constexpr UINT kReflectedCommand = WM_APP + 0x3C11;

// Runs the click of the menu item with this command id; false when no
// item has it.
bool DispatchMenuCommand(UINT id);

}  // namespace vorne::forms
