// The converter's pictures as BMP files, as Winamp skin sheets store them
// and as the converter saves its bitmaps: the shared reader and writer
// (runtime/bitmap), with the colours turned between their 0x00RRGGBB and
// the converter's 0x00BBGGRR. Window-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/bitmap/bmp_core.h"
#include "tools/converter/pixels.h"

namespace vorne::converter {

// Reads a BMP file (any form bitmap::ReadBmp takes); false (with a reason)
// for anything that is not a readable BMP.
bool ReadBmp(const uint8_t* data, size_t size, Pixels& out, std::string* error = nullptr);
inline bool ReadBmp(const std::vector<uint8_t>& file, Pixels& out, std::string* error = nullptr) {
    return ReadBmp(file.data(), file.size(), out, error);
}

// The picture as a 24-bit bottom-up BMP file.
std::vector<uint8_t> WriteBmp(const Pixels& pixels);

}  // namespace vorne::converter
