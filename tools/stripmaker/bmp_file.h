// The Windows bitmap file the strip maker saves (the shared BMP writer of
// runtime/bitmap, at 96 dots an inch): 24 bits a pixel,
// uncompressed, rows bottom-up, each row padded to a multiple of 4 bytes.
// Window-free.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/stripmaker/pixel_buffer.h"

namespace vorne::stripmaker {

// The whole file; nothing for an empty picture.
std::vector<std::uint8_t> EncodeBmp(const PixelBuffer& picture);

// Writes the picture to path (ANSI), whatever extension the name has. The
// old file is replaced only when the new one was written whole; false, with
// nothing changed, for an empty picture or a file that cannot be written.
bool SaveBmp(const std::string& path, const PixelBuffer& picture);

}  // namespace vorne::stripmaker
