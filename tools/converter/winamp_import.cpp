#include "tools/converter/winamp_import.h"

#include <utility>

#include "runtime/text/paths.h"

namespace vorne::converter {

const std::vector<SheetSpec>& SpriteSheets() {
    using T = Target;
    // Each sheet paints its normal rectangles into the normal picture, then
    // its activated ones into the activated picture; later rectangles cover
    // earlier ones (the title-bar buttons lie over the title bar).
    static const std::vector<SheetSpec> sheets = {
        {"Cbuttons.bmp", "",
         {
             {T::Up, 16, 88, 0, 0, 23, 18},    // previous
             {T::Up, 39, 88, 23, 0, 23, 18},   // play
             {T::Up, 62, 88, 46, 0, 23, 18},   // pause
             {T::Up, 85, 88, 69, 0, 23, 18},   // stop
             {T::Up, 108, 88, 92, 0, 22, 18},  // next
             {T::Up, 136, 89, 114, 0, 22, 16}, // open
             {T::Dn, 16, 88, 0, 18, 23, 18},
             {T::Dn, 39, 88, 23, 18, 23, 18},
             {T::Dn, 62, 88, 46, 18, 23, 18},
             {T::Dn, 85, 88, 69, 18, 23, 18},
             {T::Dn, 108, 88, 92, 18, 22, 18},
             {T::Dn, 136, 89, 114, 16, 22, 16},
         }},
        {"Shufrep.bmp", "",
         {
             {T::Up, 210, 89, 0, 0, 28, 15},   // repeat
             {T::Up, 164, 89, 28, 0, 47, 15},  // shuffle
             {T::Up, 219, 58, 0, 61, 46, 12},  // equaliser and playlist pair
             {T::Dn, 210, 89, 0, 45, 28, 15},
             {T::Dn, 164, 89, 28, 45, 47, 15},
             {T::Dn, 219, 58, 46, 73, 46, 12},
         }},
        {"PosBar.bmp", "",
         {
             {T::Up, 16, 72, 0, 0, 249, 10},   // bar
             {T::PosUp, 0, 0, 249, 0, 28, 10}, // thumb
             {T::Dn, 16, 72, 0, 0, 249, 10},
             {T::PosDn, 0, 0, 279, 0, 28, 10},
         }},
        {"TitleBar.bmp", "",
         {
             {T::Up, 0, 0, 27, 0, 276, 14},   // title bar (its last column falls outside)
             {T::Up, 10, 22, 312, 0, 8, 43},  // side strip
             {T::Up, 6, 3, 0, 0, 9, 9},       // system menu
             {T::Up, 244, 3, 9, 0, 9, 9},     // minimise
             {T::Up, 264, 3, 18, 0, 9, 9},    // close
             {T::Dn, 0, 0, 27, 15, 276, 14},
             {T::Dn, 10, 22, 312, 0, 8, 43},
             {T::Dn, 6, 3, 0, 9, 9, 9},
             {T::Dn, 244, 3, 9, 9, 9, 9},
             {T::Dn, 264, 3, 18, 9, 9, 9},
         }},
        {"VolBar.bmp", "Volume.bmp",
         {
             {T::Up, 108, 57, 1, 0, 67, 11},     // bar
             {T::VolUp, 0, 0, 15, 422, 14, 11},  // thumb
             {T::Dn, 108, 57, 1, 0, 66, 11},     // one column narrower: x 174 keeps the main sheet
             {T::VolDn, 0, 0, 0, 422, 14, 11},
         }},
    };
    return sheets;
}

Colour MaxColour(const Pixels& sheet, int w, int h) {
    Colour best = 0;
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            if (sheet.Contains(x, y) && sheet.At(x, y) > best) best = sheet.At(x, y);
    return best;
}

Pixels& PictureOf(WinampInterface& i, Target t) {
    switch (t) {
    case Target::Up: return i.up;
    case Target::Dn: return i.dn;
    case Target::PosUp: return i.posUp;
    case Target::PosDn: return i.posDn;
    case Target::VolUp: return i.volUp;
    case Target::VolDn: break;
    }
    return i.volDn;
}

const Pixels& PictureOf(const WinampInterface& i, Target t) { return PictureOf(const_cast<WinampInterface&>(i), t); }

void MapSheet(const SheetSpec& sheetDef, const Pixels& sheet, WinampInterface& into) {
    for (const SheetRect& r : sheetDef.rects) Blit(PictureOf(into, r.target), r.dx, r.dy, sheet, r.sx, r.sy, r.w, r.h);
}

std::optional<Pixels> LoadSheet(SheetLoader& loader, const std::string& folder, const char* name,
                                const char* fallback) {
    SheetLoad got = loader.Load(folder + name);
    if (got.status == SheetLoad::NotFound && fallback && *fallback) got = loader.Load(folder + fallback);
    if (got.status != SheetLoad::Loaded) return std::nullopt;
    return std::move(got.pixels);
}

ImportResult ImportWinampSkin(const std::string& mainPath, SheetLoader& loader, WinampInterface& into) {
    ImportResult result;
    SheetLoad main = loader.Load(mainPath);
    if (main.status != SheetLoad::Loaded) return result;

    // Both pictures start as the plain main sheet, at its own size over a
    // cleared picture; the thumbs start cleared.
    WinampInterface fresh;
    Draw(fresh.up, 0, 0, main.pixels);
    Draw(fresh.dn, 0, 0, main.pixels);

    const std::string folder = text::ChopFileOff(mainPath);
    auto note_missing = [&](const char* name, const char* fallback) {
        result.missing.push_back(fallback && *fallback ? std::string(name) + " / " + fallback : std::string(name));
    };
    for (const SheetSpec& sheetDef : SpriteSheets()) {
        if (auto sheet = LoadSheet(loader, folder, sheetDef.name, sheetDef.fallback))
            MapSheet(sheetDef, *sheet, fresh);
        else
            note_missing(sheetDef.name, sheetDef.fallback);
    }
    if (auto text = LoadSheet(loader, folder, kTextSheet, "")) {
        fresh.TextColour = MaxColour(*text, 6, 7);
        fresh.TextBackColour = text->At(0, 0);
    } else {
        note_missing(kTextSheet, "");
    }
    if (auto numbers = LoadSheet(loader, folder, kNumberSheet, kNumberFallback))
        fresh.NumberColour = MaxColour(*numbers, 10, 14);
    else
        note_missing(kNumberSheet, kNumberFallback);

    into = std::move(fresh);
    result.ok = true;
    return result;
}

}  // namespace vorne::converter
