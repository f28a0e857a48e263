// The import of a Winamp classic skin: its bitmap sheets painted into the
// normal and activated 275 x 116 pictures of the Winamp main window, the two
// bar thumbs cut out, and the text and number colours sampled. Window-free:
// sheets come from a SheetLoader, which the window backs with the
// platform's picture loader and the tests with pictures in memory.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/converter/pixels.h"

namespace vorne::converter {

inline constexpr int kInterfaceWidth = 275, kInterfaceHeight = 116;

// What an import builds and the export reads.
struct WinampInterface {
    Pixels up{kInterfaceWidth, kInterfaceHeight};  // picWinampUP: normal sprites
    Pixels dn{kInterfaceWidth, kInterfaceHeight};  // picWinampDN: pressed or active sprites
    Pixels posUp{28, 10}, posDn{28, 10};           // position-bar thumb
    Pixels volUp{14, 11}, volDn{14, 11};           // volume-bar thumb
    Colour TextColour = 0;
    Colour TextBackColour = 0;
    Colour NumberColour = 0;
};

// Where a thumb sits inside its interface picture (for showing it there).
inline constexpr int kPosThumbX = 16, kPosThumbY = 72, kVolThumbX = 108, kVolThumbY = 58;

// The pictures a rectangle paints into.
enum class Target { Up, Dn, PosUp, PosDn, VolUp, VolDn };

// The picture of the interface a target names.
Pixels& PictureOf(WinampInterface& i, Target t);
const Pixels& PictureOf(const WinampInterface& i, Target t);

// One rectangle of a sheet: w x h at (sx, sy) of the sheet to (dx, dy) of
// the target, in the order a sheet's procedure paints them.
struct SheetRect {
    Target target;
    int dx, dy, sx, sy, w, h;
};

// One sheet: its file name, the name tried when that file is not found
// ("" for none), and its rectangles.
struct SheetSpec {
    const char* name;
    const char* fallback;
    std::vector<SheetRect> rects;
};

// The five sprite sheets in import order (Cbuttons, Shufrep, PosBar,
// TitleBar, VolBar or Volume).
const std::vector<SheetSpec>& SpriteSheets();

// The font sheets sampled for colours.
inline constexpr const char* kTextSheet = "Text.bmp";
inline constexpr const char* kNumberSheet = "Numbers.bmp";
inline constexpr const char* kNumberFallback = "Nums_Ex.bmp";

// The highest colour (as a Long, so blue weighs most) over the w x h block
// at the top-left corner of sheet, from 0; pixels outside the sheet are
// passed over.
Colour MaxColour(const Pixels& sheet, int w, int h);

// Paints one sheet's rectangles into the interface.
void MapSheet(const SheetSpec& sheetDef, const Pixels& sheet, WinampInterface& into);

// Loading a sheet by its full path.
struct SheetLoad {
    enum Status { Loaded, NotFound, Failed } status = NotFound;
    Pixels pixels;
};
class SheetLoader {
public:
    virtual ~SheetLoader() = default;
    virtual SheetLoad Load(const std::string& path) = 0;
};

// The sheet, or its fallback when the sheet's own file is not found (a
// file that exists but does not load brings in no fallback).
std::optional<Pixels> LoadSheet(SheetLoader& loader, const std::string& folder, const char* name,
                                const char* fallback);

struct ImportResult {
    bool ok = false;  // false: the main sheet did not load; nothing changed
    std::vector<std::string> missing;  // sheets that were not there or did not load
};

// The whole import from the main sheet at mainPath: a fresh interface from
// the main sheet, then every sheet found beside it. A sheet that is missing
// paints nothing (its sprites keep the main sheet's pixels, its thumbs stay
// cleared, its colours 0). When the main sheet does not load, `into` is left
// as it was.
ImportResult ImportWinampSkin(const std::string& mainPath, SheetLoader& loader, WinampInterface& into);

}  // namespace vorne::converter
