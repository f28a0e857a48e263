#pragma once
// System child windows on a form's window: made visible in the dialog font,
// their text, and their tool tips. A form has one tool-tip window for all
// its tips, whichever controls they belong to; it is made with the first
// tip and goes when the form's window goes.
#include <windows.h>

#include <string>

#include "runtime/forms/forms.h"

namespace vorne::forms {

// A visible child window of parent in the dialog font; id is its
// WM_COMMAND id.
HWND MakeChild(HWND parent, const char* cls, const std::string& text, DWORD style, int x, int y, int w, int h,
               int id = 0, DWORD exStyle = 0);
std::string WindowText(HWND window);
// Sets the text only when it differs (an edit box reports a change otherwise).
void SetChildText(HWND child, const std::string& text);

// The width in pixels at which the lines of a form's tips break, and the
// width that keeps each tip on one line.
constexpr int kTipWrapWidth = 300;
constexpr int kTipOneLine = -1;

// Shows tip over child, a window on form_window or inside one of its
// containers; a tip the child had before is replaced. All the form's tips
// share one line width: the one given last.
void SetChildTip(HWND form_window, HWND child, const std::string& tip, int max_width = kTipWrapWidth);
// Changes the text of a tip set by SetChildTip in place (a tip on show
// stays up); nothing when the form has no tips yet.
void UpdateChildTip(HWND form_window, HWND child, const std::string& tip);
// The form window's tool-tip window; nullptr before its first tip.
HWND ToolTipWindow(HWND form_window);
// Shows text as the tool tip of a control's window (once the form is
// loaded).
void SetToolTip(const FormControl& control, const std::string& text);

}  // namespace vorne::forms
