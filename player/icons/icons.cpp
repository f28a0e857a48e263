#include "player/icons/icons.h"

#include "player/icons/icon_art.h"

namespace vorne::player::icons {

namespace {

HIMAGELIST LoadList(HINSTANCE module, int firstId, int count) {
    if (!module) module = GetModuleHandleA(nullptr);
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, count, 0);
    if (!list) return nullptr;
    for (int i = 0; i < count; ++i) {
        auto icon = static_cast<HICON>(
            LoadImageA(module, MAKEINTRESOURCEA(firstId + i), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
        // A missing picture keeps the numbering of the rest with an empty one.
        if (!icon) {
            static const BYTE kClearAnd[32] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                               0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                               0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
            static const BYTE kClearXor[32] = {};
            icon = CreateIcon(nullptr, 16, 16, 1, 1, kClearAnd, kClearXor);
        }
        ImageList_AddIcon(list, icon);
        DestroyIcon(icon);
    }
    return list;
}

}  // namespace

HIMAGELIST LoadMenuIcons(HINSTANCE module) { return LoadList(module, kMenuFirstId, kMenuIcons); }

HIMAGELIST LoadTrayPictures(HINSTANCE module) { return LoadList(module, kTrayFirstId, kTrayIcons); }

HICON LoadFileTypeIcon(int n, int size, HINSTANCE module) {
    if (!module) module = GetModuleHandleA(nullptr);
    return static_cast<HICON>(
        LoadImageA(module, MAKEINTRESOURCEA(kFileTypeFirstId + n), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace vorne::player::icons
