// Small window and process procedures every window of the player (and the
// skin tools) uses: the caption on or off, always-on-top, and the priority
// of the process.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vorne::forms {

// Sets or clears the caption bits and redraws the frame.
void ShowTitleBar(HWND window, bool show);
// 0 idle, 1 normal, 2 high, 3 realtime; any other level leaves the
// priority as it was.
void SetProcessPriority(int level);
// The priority class of a level (0 for an unknown level).
DWORD PriorityClassOf(int level);
// flag 0 becomes -2 (not topmost), 1 becomes -1 (topmost), in place; -1 and
// -2 stay. Then the window is placed accordingly.
void SetOnTop(int16_t& flag, HWND window);
// 1 and -1 mean "on top".
inline bool IsOnTop(int16_t flag) { return flag == 1 || flag == -1; }

}  // namespace vorne::forms
