#pragma once
// The player's icons at run time: the image lists of the popup menu and of
// the tray pictures, loaded from the icon resources of a module (the
// program by default).
#include <windows.h>
#include <commctrl.h>

namespace vorne::player::icons {

// The popup menu's 16 x 16 list: icons 0..19 (resources 131..150).
HIMAGELIST LoadMenuIcons(HINSTANCE module = nullptr);
// The tray pictures: 16 x 16 list of six (resources 121..126); picture n
// (1..6) is list entry n - 1.
HIMAGELIST LoadTrayPictures(HINSTANCE module = nullptr);
// A file-type icon (n from 0: resource 101 + n) at the size given; null
// when the module has no such icon.
HICON LoadFileTypeIcon(int n, int size, HINSTANCE module = nullptr);

}  // namespace vorne::player::icons
