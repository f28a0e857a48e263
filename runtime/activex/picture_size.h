// How large a picture the programs take. Every picture file they load goes
// through the platform's picture loader behind one function (picture.h),
// which measures it against this cap before it is decoded (by the size its
// header declares) and again after (by the bitmap it became). A picture
// over the cap is refused like any picture that fails to load.
// Window-free: this header includes no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vorne::activex {

// The most pixels a picture may have: 4096 x 4096, 64 MB at 32 bits a
// pixel, which a 32-bit program holds several times over while it copies
// the picture into its own bitmaps and pixel buffers.
inline constexpr long long kMaxPicturePixels = 4096LL * 4096;
// The longest picture file read: a picture within the cap at 32 bits a
// pixel, with room for its headers, palette and metadata.
inline constexpr long long kMaxPictureFileBytes = kMaxPicturePixels * 4 + (1LL << 20);

// True for a picture of at least one pixel within the cap.
bool PictureFits(long long width, long long height);

struct PictureDimensions {
    long long width = 0, height = 0;
};

// The size that the header of a BMP, GIF or JPEG file declares; nothing for
// any other kind of file, or when the header is cut off before the size.
std::optional<PictureDimensions> DeclaredPictureSize(const uint8_t* data, size_t size);

}  // namespace vorne::activex
