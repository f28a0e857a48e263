#pragma once
// Small helpers for the player's dialogs: system child controls made on a
// form's window in the dialog font, their text, tool tips, the window's
// size from its inner size, and the on-top rule every dialog follows.
#include <windows.h>

#include <functional>
#include <string>

#include "runtime/forms/forms.h"

namespace vorne::player::dialogs {

// A child window of the form's window; id is the WM_COMMAND id.
HWND MakeChild(HWND parent, const char* cls, const std::string& text, DWORD style, int x, int y, int w, int h,
               int id = 0, DWORD exStyle = 0);
std::string WindowText(HWND w);
// A tool tip for a child window (made on first use per form window).
void AddToolTip(HWND parent, HWND child, const std::string& tip);
// Gives the form the outer size for an inner size of w x h pixels and
// centres it on the screen.
void SizeAndCentre(forms::Form& form, int w, int h);

// What each dialog does first when it loads: put itself on top or not as
// the always-on-top option says. The program sets the rule once; without
// one the dialogs stay as they are.
void SetOnTopRule(std::function<void(HWND)> rule);
void ApplyOnTopRule(HWND window);

// The shell's open of a target; tests replace it.
using Opener = std::function<void(HWND owner, const std::string& target)>;
void SetOpener(Opener opener);
void OpenTarget(HWND owner, const std::string& target);

}  // namespace vorne::player::dialogs
