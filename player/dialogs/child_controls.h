#pragma once
// Small helpers for the player's dialogs: the window's size from its inner
// size, the on-top rule every dialog follows and the shell's open. Their
// child windows and tips come from runtime/forms/child_windows.h.
#include <windows.h>

#include <functional>
#include <string>

#include "runtime/forms/forms.h"

namespace vorne::player::dialogs {

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
