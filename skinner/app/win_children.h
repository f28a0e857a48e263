// Small pieces the editor's windows share: system child controls made on a
// form, their text, and Tab and Shift+Tab moving between the fields of the
// program's windows.
#pragma once

#include <windows.h>

#include <string>

namespace vorne::skinner {

// A visible child control of parent with the dialog font.
HWND ChildWindow(HWND parent, const char* cls, const char* text, DWORD style, int id, int x, int y, int w, int h,
                 DWORD ex = 0);
std::string ChildText(HWND child);
// Sets the text only when it differs (a change notification otherwise).
void SetChildText(HWND child, const std::string& text);

// Tab and Shift+Tab on a field of one of the program's forms move the focus
// to the next or previous field with a tab stop, whichever message loop is
// running. Installed once for the thread; later calls do nothing.
void InstallTabKeys();

}  // namespace vorne::skinner
