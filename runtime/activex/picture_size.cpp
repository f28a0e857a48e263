#include "runtime/activex/picture_size.h"

#include <cstring>

namespace vorne::activex {

namespace {

uint32_t Le16(const uint8_t* p) { return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8); }
uint32_t Le32(const uint8_t* p) { return Le16(p) | (Le16(p + 2) << 16); }
uint32_t Be16(const uint8_t* p) { return (static_cast<uint32_t>(p[0]) << 8) | static_cast<uint32_t>(p[1]); }

std::optional<PictureDimensions> BmpSize(const uint8_t* data, size_t size) {
    // The file header (14 bytes), then the picture header: the core form
    // of 12 bytes with 16-bit sides, every later form with 32-bit ones.
    if (size < 18) return std::nullopt;
    const uint32_t header = Le32(data + 14);
    PictureDimensions d;
    if (header == 12) {
        if (size < 22) return std::nullopt;
        d.width = Le16(data + 18);
        d.height = static_cast<int16_t>(Le16(data + 20));
    } else {
        if (size < 26) return std::nullopt;
        d.width = static_cast<int32_t>(Le32(data + 18));
        d.height = static_cast<int32_t>(Le32(data + 22));
    }
    if (d.height < 0) d.height = -d.height;  // rows stored from the top
    return d;
}

std::optional<PictureDimensions> GifSize(const uint8_t* data, size_t size) {
    // The logical screen follows the six bytes of the signature.
    if (size < 10) return std::nullopt;
    return PictureDimensions{Le16(data + 6), Le16(data + 8)};
}

bool IsStartOfFrame(uint8_t marker) {
    // C0..CF, without the tables (C4 Huffman, CC arithmetic) and the
    // reserved C8.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PictureDimensions> JpegSize(const uint8_t* data, size_t size) {
    // Segments after the start-of-image marker until the frame header,
    // which holds the precision, the height and the width.
    size_t at = 2;
    while (at + 1 < size) {
        if (data[at] != 0xFF) return std::nullopt;
        const uint8_t marker = data[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        at += 2;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;  // no length
        if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // image ends or data starts first
        if (at + 2 > size) return std::nullopt;
        const size_t length = Be16(data + at);
        if (length < 2) return std::nullopt;
        if (IsStartOfFrame(marker)) {
            if (at + 7 > size || length < 7) return std::nullopt;
            return PictureDimensions{Be16(data + at + 5), Be16(data + at + 3)};
        }
        at += length;
    }
    return std::nullopt;
}

}  // namespace

bool PictureFits(long long width, long long height) {
    return width > 0 && height > 0 && width <= kMaxPicturePixels && height <= kMaxPicturePixels &&
           width * height <= kMaxPicturePixels;
}

std::optional<PictureDimensions> DeclaredPictureSize(const uint8_t* data, size_t size) {
    if (!data) return std::nullopt;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return BmpSize(data, size);
    if (size >= 6 && (std::memcmp(data, "GIF87a", 6) == 0 || std::memcmp(data, "GIF89a", 6) == 0))
        return GifSize(data, size);
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return JpegSize(data, size);
    return std::nullopt;
}

}  // namespace vorne::activex
