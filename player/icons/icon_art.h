#pragma once
// The player's icons, drawn when the program is built (no artwork is kept
// in the tree): the six file-type icons (resources 101..106, also icons 0..5
// of the icon library), the six tray pictures (121..126) and the twenty
// popup-menu icons (131..150). Window-free: pictures with alpha and the ICO
// file format.
#include <cstdint>
#include <string>
#include <vector>

namespace vorne::player::icons {

// Straight (not premultiplied) RGBA, rows from the top.
struct RgbaImage {
    int size = 0;
    std::vector<std::uint8_t> rgba;  // size * size * 4
    const std::uint8_t* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * size + x) * 4]; }
};

enum class IconSet { FileType, Tray, Menu };

struct IconArt {
    int id;       // resource id
    IconSet set;
    int index;    // within its set, from 0
    std::vector<RgbaImage> images;  // one per size, largest first
};

constexpr int kFileTypeFirstId = 101, kFileTypeIcons = 6;
constexpr int kTrayFirstId = 121, kTrayIcons = 6;
constexpr int kMenuFirstId = 131, kMenuIcons = 20;

// Every icon, in id order.
std::vector<IconArt> DrawIcons();
// One picture of the set at the size given.
RgbaImage DrawIcon(IconSet set, int index, int size);

// An ICO file with one 32-bit entry (alpha and a matching AND mask) per image.
std::vector<std::uint8_t> ToIco(const std::vector<RgbaImage>& images);

// Reads back the entry sizes of an ICO file; empty for anything else.
std::vector<int> IcoSizes(const std::vector<std::uint8_t>& file);

}  // namespace vorne::player::icons
