// Pictures between the platform and the converter's pixels: sheets loaded
// through the platform's picture loader (BMP, JPEG, GIF) and pixels turned
// into bitmaps to show.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tools/converter/pixels.h"
#include "tools/converter/winamp_import.h"

namespace vorne::converter {

// The pixels of a bitmap (any depth).
std::optional<Pixels> PixelsOfBitmap(HBITMAP bitmap);
// A new 32-bit bitmap showing pixels; the caller owns it.
HBITMAP BitmapOfPixels(const Pixels& pixels);

// Sheets read by the platform's picture loader, as every picture the
// programs load (forms::Picture::FromFile).
class PictureSheetLoader : public SheetLoader {
public:
    SheetLoad Load(const std::string& path) override;
};

}  // namespace vorne::converter
