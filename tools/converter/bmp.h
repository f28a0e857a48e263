// The BMP file format, as Winamp skin sheets use it and as the converter
// saves its bitmaps. Window-free.
//
// Reading takes the header forms of every Windows version (core, info, v4,
// v5), 1, 4 and 8 bits with a palette (plain or run-length encoded), 16 and
// 32 bits (plain or with bit fields) and 24 bits, stored bottom-up or
// top-down. Writing gives a 24-bit bottom-up file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/converter/pixels.h"

namespace vorne::converter {

// The largest picture read, in pixels (a sheet is a few hundred pixels wide).
inline constexpr long long kMaxBmpPixels = 4LL * 1024 * 1024;

// Reads a BMP file; false (with a reason) for anything that is not a
// readable BMP. A run-length encoded picture whose data ends early keeps
// what was decoded; the rest stays cleared.
bool ReadBmp(const uint8_t* data, size_t size, Pixels& out, std::string* error = nullptr);
inline bool ReadBmp(const std::vector<uint8_t>& file, Pixels& out, std::string* error = nullptr) {
    return ReadBmp(file.data(), file.size(), out, error);
}

// The picture as a 24-bit bottom-up BMP file.
std::vector<uint8_t> WriteBmp(const Pixels& pixels);

}  // namespace vorne::converter
