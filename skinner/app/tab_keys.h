// Tab and Shift+Tab moving between the fields of the program's windows.
#pragma once

namespace vorne::skinner {

// Tab and Shift+Tab on a field of one of the program's forms move the focus
// to the next or previous field with a tab stop, whichever message loop is
// running. Installed once for the thread; later calls do nothing.
void InstallTabKeys();

}  // namespace vorne::skinner
