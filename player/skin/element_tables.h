// The tables through which the player finds a skin element by its action
// name: one table of 100 entries per element array of the main window, entry
// i for element i. Element 0 of every array is the hidden template, so entry
// 0 is never filled and an array binds at most 99 elements. Also the rules
// by which the element factory chooses a new element's first caption.
// Window-free: the picture type is the caller's (a shared bitmap in the
// player).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vorne::player::skin {

inline constexpr int kTableSize = 100;
inline constexpr int kMaxElementIndex = kTableSize - 1;  // 99

template <class PictureRef>
struct ImageElementInfo {
    std::string Action;
    PictureRef Picture{};  // the whole strip, shared with the element
};

struct LabelElementInfo {
    std::string Action;
    std::string Template;  // the caption template of a "User Defined" label
};

template <class PictureRef>
struct SkinElementTables {
    std::array<LabelElementInfo, kTableSize> LabelsInfo;
    std::array<std::string, kTableSize> SLabelsInfo;
    std::array<ImageElementInfo<PictureRef>, kTableSize> imgPICSInfo;
    std::array<ImageElementInfo<PictureRef>, kTableSize> imgPICS4imgInfo;
    std::array<ImageElementInfo<PictureRef>, kTableSize> imgPICS2imgInfo;
    std::array<ImageElementInfo<PictureRef>, kTableSize> imgPICS2optnInfo;
    std::array<std::string, kTableSize> ScrollBarsInfo;

    // CleanAll's part: every action "" and every picture gone; the label
    // templates stay.
    void Clear() {
        for (int i = 0; i < kTableSize; ++i) {
            for (auto* t : {&imgPICSInfo, &imgPICS4imgInfo, &imgPICS2imgInfo, &imgPICS2optnInfo}) {
                (*t)[i].Action.clear();
                (*t)[i].Picture = PictureRef{};
            }
            LabelsInfo[i].Action.clear();
            SLabelsInfo[i].clear();
            ScrollBarsInfo[i].clear();
        }
    }
};

// True when index can take a new element (1..99).
inline bool CanBind(int index) { return index >= 1 && index <= kMaxElementIndex; }

// A static label's text before expansion: an empty text becomes "00:00"
// for "Time Display" and "0" for any other action.
std::string StaticLabelText(std::string_view action, std::string_view txt);
// A scrolling label's text before expansion: with the caption field shown
// ("User Defined") an empty text becomes "0"; otherwise the product word and
// the version ("Vorne  - " + versionText).
std::string ScrollingLabelText(bool captionShown, std::string_view txt, std::string_view versionText);

}  // namespace vorne::player::skin
