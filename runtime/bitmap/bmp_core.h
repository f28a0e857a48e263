// The Windows bitmap file (BMP): one writer and one reader for every program
// and test that makes or reads BMP bytes itself. Window-free: its own header
// layout, written and read byte by byte in little-endian order.
//
// Pixels are 0x00RRGGBB, rows from the top: the layout of a 32-bit DIB pixel.
// A caller that holds the other byte order (a COLORREF-like 0x00BBGGRR)
// converts with SwapRedBlue on the way in and out.
//
// Writing gives a 24-bit, uncompressed, bottom-up file, each row padded to a
// multiple of 4 bytes. Reading takes the header forms of every Windows
// version (core, info, v4, v5), 1, 4 and 8 bits with a palette (plain or
// run-length encoded), 16 and 32 bits (plain or with bit fields) and 24 bits,
// stored bottom-up or top-down.
//
// Programs load pictures through the platform's picture loader; this reader
// is for tests and for tool code that already holds a file's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorne::bitmap {

// 0x00RRGGBB <-> 0x00BBGGRR; the fourth byte is dropped.
inline constexpr std::uint32_t SwapRedBlue(std::uint32_t v) {
    return ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
}

// A picture in memory: width x height pixels 0x00RRGGBB, rows from the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0)
        : width(w > 0 ? w : 0), height(h > 0 ? h : 0),
          pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}
    bool Empty() const { return width == 0 || height == 0; }
    std::uint32_t At(int x, int y) const { return pixels[Index(x, y)]; }
    void Set(int x, int y, std::uint32_t rgb) { pixels[Index(x, y)] = rgb; }
    bool operator==(const Image& o) const {
        return width == o.width && height == o.height && pixels == o.pixels;
    }
    bool operator!=(const Image& o) const { return !(*this == o); }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    }
};

// Pixels held elsewhere in the layout above (width x height of them).
struct ImageView {
    int width = 0;
    int height = 0;
    const std::uint32_t* pixels = nullptr;

    ImageView() = default;
    ImageView(int w, int h, const std::uint32_t* p) : width(w), height(h), pixels(p) {}
    ImageView(const Image& image)  // NOLINT: an image is its own view
        : width(image.width), height(image.height), pixels(image.pixels.data()) {}
};

// The resolution fields a file carries, in pixels a metre (0: none given).
inline constexpr std::int32_t kPixelsPerMetreAt96Dpi = 3780;
inline constexpr std::int32_t kPixelsPerMetreAt72Dpi = 2835;

// The largest picture read, in pixels (a skin's sheets are a few hundred
// pixels wide).
inline constexpr long long kMaxBmpPixels = 4LL * 1024 * 1024;

// The picture as a 24-bit bottom-up BMP file; an empty picture gives the
// headers alone.
std::vector<std::uint8_t> EncodeBmp(const ImageView& picture, std::int32_t pixels_per_metre = 0);

// Reads a BMP file; false (with a reason) for anything that is not a
// readable BMP, `out` then unchanged. A run-length encoded picture whose
// data ends early keeps what was decoded; the rest stays 0 (black). Palette
// indices past the palette read as black.
bool ReadBmp(const std::uint8_t* data, std::size_t size, Image& out, std::string* error = nullptr);
inline bool ReadBmp(const std::vector<std::uint8_t>& file, Image& out, std::string* error = nullptr) {
    return ReadBmp(file.data(), file.size(), out, error);
}

}  // namespace vorne::bitmap
