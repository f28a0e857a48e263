#include "runtime/bitmap/bmp_core.h"

#include <algorithm>
#include <utility>

namespace vorne::bitmap {
namespace {

constexpr std::size_t kFileHeader = 14, kInfoHeader = 40;

enum : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

std::uint32_t U16(const std::uint8_t* p) { return static_cast<std::uint32_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t S32(const std::uint8_t* p) { return static_cast<std::int32_t>(U32(p)); }

void Put(std::vector<std::uint8_t>& f, std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) f[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return (r << 16) | (g << 8) | b; }

bool Fail(std::string* error, const char* why) {
    if (error) *error = why;
    return false;
}

// One channel of a bit-field pixel, scaled to 0..255.
struct Field {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;
    explicit Field(std::uint32_t m) : mask(m) {
        if (!m) return;
        while (!((m >> shift) & 1u)) ++shift;
        max = m >> shift;
    }
    std::uint32_t Take(std::uint32_t v) const {
        if (!mask) return 0;
        const std::uint32_t raw = (v & mask) >> shift;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(raw) * 255 + max / 2) / max);
    }
};

// A mask must be one run of set bits for the scaling above.
bool Contiguous(std::uint32_t m) {
    if (!m) return true;
    while (!(m & 1u)) m >>= 1;
    return (m & (m + 1)) == 0;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const ImageView& picture, std::int32_t pixels_per_metre) {
    const std::size_t w = picture.width > 0 ? static_cast<std::size_t>(picture.width) : 0;
    const std::size_t h = picture.height > 0 ? static_cast<std::size_t>(picture.height) : 0;
    const std::size_t row = (w * 3 + 3) & ~static_cast<std::size_t>(3);
    const std::size_t offset = kFileHeader + kInfoHeader;
    std::vector<std::uint8_t> f(offset + row * h, 0);
    f[0] = 'B';
    f[1] = 'M';
    Put(f, 2, static_cast<std::uint32_t>(f.size()), 4);
    Put(f, 10, static_cast<std::uint32_t>(offset), 4);
    Put(f, 14, kInfoHeader, 4);
    Put(f, 18, static_cast<std::uint32_t>(w), 4);
    Put(f, 22, static_cast<std::uint32_t>(h), 4);  // positive height: the bottom row first
    Put(f, 26, 1, 2);                                // planes
    Put(f, 28, 24, 2);                               // bits a pixel
    Put(f, 30, kRgb, 4);                             // no compression
    Put(f, 34, static_cast<std::uint32_t>(row * h), 4);
    Put(f, 38, static_cast<std::uint32_t>(pixels_per_metre), 4);
    Put(f, 42, static_cast<std::uint32_t>(pixels_per_metre), 4);
    for (std::size_t y = 0; y < h; ++y) {
        std::uint8_t* out = f.data() + offset + row * (h - 1 - y);
        const std::uint32_t* in = picture.pixels + y * w;
        for (std::size_t x = 0; x < w; ++x) {
            out[3 * x] = static_cast<std::uint8_t>(in[x]);            // blue
            out[3 * x + 1] = static_cast<std::uint8_t>(in[x] >> 8);   // green
            out[3 * x + 2] = static_cast<std::uint8_t>(in[x] >> 16);  // red
        }
    }
    return f;
}

bool ReadBmp(const std::uint8_t* data, std::size_t size, Image& out, std::string* error) {
    if (!data || size < kFileHeader + 12) return Fail(error, "too short for a BMP header");
    if (data[0] != 'B' || data[1] != 'M') return Fail(error, "no BM signature");
    const std::uint32_t bits_offset = U32(data + 10);
    const std::uint8_t* h = data + kFileHeader;
    const std::uint32_t header_size = U32(h);
    if (header_size < 12 || header_size > size - kFileHeader) return Fail(error, "bad header size");

    long long width = 0, height = 0;
    std::uint32_t planes = 0, bpp = 0, compression = kRgb, colours_used = 0;
    const bool core = header_size < 16;
    if (core) {
        if (header_size != 12) return Fail(error, "bad header size");
        width = U16(h + 4);
        height = static_cast<std::int16_t>(U16(h + 6));
        planes = U16(h + 8);
        bpp = U16(h + 10);
    } else {
        width = S32(h + 4);
        height = S32(h + 8);
        planes = U16(h + 12);
        bpp = U16(h + 14);
        if (header_size >= 20) compression = U32(h + 16);
        if (header_size >= 36) colours_used = U32(h + 32);
    }
    if (planes != 1) return Fail(error, "planes is not 1");
    const bool top_down = height < 0;
    if (top_down) height = -height;
    if (width <= 0 || height <= 0) return Fail(error, "empty picture");
    if (width * height > kMaxBmpPixels) return Fail(error, "picture too large");

    // Bit fields: in the v2+ header, or in the 12 (16) bytes after a 40-byte one.
    std::uint32_t masks[3] = {0, 0, 0};
    std::size_t after_header = kFileHeader + static_cast<std::size_t>(header_size);
    if (compression == kBitFields || compression == kAlphaBitFields) {
        if (bpp != 16 && bpp != 32) return Fail(error, "bit fields need 16 or 32 bits");
        const std::size_t n = compression == kAlphaBitFields ? 4 : 3;
        if (header_size >= 52) {
            for (int i = 0; i < 3; ++i) masks[i] = U32(h + 40 + 4 * i);
        } else if (header_size == kInfoHeader) {
            if (size - after_header < 4 * n) return Fail(error, "bit fields cut off");
            for (int i = 0; i < 3; ++i) masks[i] = U32(data + after_header + 4 * i);
            after_header += 4 * n;
        } else {
            return Fail(error, "bit fields without masks");
        }
        for (std::uint32_t m : masks)
            if (!Contiguous(m)) return Fail(error, "bit field mask not contiguous");
    } else if (bpp == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    } else if (bpp == 32) {
        masks[0] = 0xFF0000;
        masks[1] = 0x00FF00;
        masks[2] = 0x0000FF;
    }

    switch (compression) {
    case kRgb:
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
            return Fail(error, "unsupported bit count");
        break;
    case kRle8:
        if (bpp != 8 || top_down) return Fail(error, "bad 8-bit run-length picture");
        break;
    case kRle4:
        if (bpp != 4 || top_down) return Fail(error, "bad 4-bit run-length picture");
        break;
    case kBitFields:
    case kAlphaBitFields: break;
    default: return Fail(error, "unsupported compression");
    }

    // The palette follows the header (and its masks), up to the pixel data
    // or the end of the file.
    std::vector<std::uint32_t> palette;
    if (bpp <= 8) {
        const std::uint32_t max_entries = 1u << bpp;
        std::uint32_t entries = colours_used && colours_used < max_entries ? colours_used : max_entries;
        const std::size_t entry_size = core ? 3 : 4;
        const std::size_t end = bits_offset > after_header && bits_offset <= size ? bits_offset : size;
        const std::size_t available = end > after_header ? (end - after_header) / entry_size : 0;
        entries = static_cast<std::uint32_t>(std::min<std::size_t>(entries, available));
        palette.resize(entries);
        for (std::uint32_t i = 0; i < entries; ++i) {
            const std::uint8_t* e = data + after_header + i * entry_size;
            palette[i] = Rgb(e[2], e[1], e[0]);
        }
    }
    auto from_palette = [&](std::uint32_t index) -> std::uint32_t {
        return index < palette.size() ? palette[index] : 0;
    };

    if (bits_offset >= size) return Fail(error, "no pixel data");
    const std::uint8_t* bits = data + bits_offset;
    const std::size_t bits_size = size - bits_offset;
    const int w = static_cast<int>(width), hgt = static_cast<int>(height);
    auto row_of = [&](long long stored_row) {
        return static_cast<int>(top_down ? stored_row : hgt - 1 - stored_row);
    };

    if (compression == kRle8 || compression == kRle4) {
        Image pic(w, hgt);
        // Runs and escapes, rows stored from the bottom.
        std::size_t p = 0;
        long long x = 0, row = 0;
        auto put = [&](std::uint32_t index) {
            if (x < w && row < hgt) pic.Set(static_cast<int>(x), row_of(row), from_palette(index));
            ++x;
        };
        while (p + 1 < bits_size && row < hgt) {
            const std::uint8_t count = bits[p], value = bits[p + 1];
            p += 2;
            if (count) {
                for (int i = 0; i < count; ++i)
                    put(compression == kRle8 ? value : (i % 2 == 0 ? value >> 4 : value & 0x0F));
                continue;
            }
            if (value == 0) {  // end of line
                x = 0;
                ++row;
            } else if (value == 1) {  // end of picture
                break;
            } else if (value == 2) {  // delta
                if (p + 1 >= bits_size) break;
                x += bits[p];
                row += bits[p + 1];
                p += 2;
            } else {  // absolute run of `value` pixels, padded to a word
                const std::size_t bytes = compression == kRle8 ? value : (value + 1u) / 2u;
                if (bytes > bits_size - p) break;
                for (int i = 0; i < value; ++i) {
                    put(compression == kRle8 ? bits[p + i]
                                             : (i % 2 == 0 ? bits[p + i / 2] >> 4 : bits[p + i / 2] & 0x0F));
                }
                p += (bytes + 1) & ~static_cast<std::size_t>(1);
            }
        }
        out = std::move(pic);
        return true;
    }

    const std::size_t stride = ((static_cast<std::size_t>(w) * bpp + 31) / 32) * 4;
    if (bits_size / stride < static_cast<std::size_t>(hgt)) return Fail(error, "pixel data cut off");
    Image pic(w, hgt);
    const Field r(masks[0]), g(masks[1]), b(masks[2]);
    for (int row = 0; row < hgt; ++row) {
        const std::uint8_t* line = bits + stride * static_cast<std::size_t>(row);
        const int y = row_of(row);
        for (int x = 0; x < w; ++x) {
            std::uint32_t c = 0;
            switch (bpp) {
            case 1: c = from_palette((line[x / 8] >> (7 - x % 8)) & 1u); break;
            case 4: c = from_palette(x % 2 == 0 ? line[x / 2] >> 4 : line[x / 2] & 0x0F); break;
            case 8: c = from_palette(line[x]); break;
            case 24: c = Rgb(line[3 * x + 2], line[3 * x + 1], line[3 * x]); break;
            case 16: {
                const std::uint32_t v = U16(line + 2 * x);
                c = Rgb(r.Take(v), g.Take(v), b.Take(v));
                break;
            }
            case 32: {
                const std::uint32_t v = U32(line + 4 * x);
                c = Rgb(r.Take(v), g.Take(v), b.Take(v));
                break;
            }
            }
            pic.Set(x, y, c);
        }
    }
    out = std::move(pic);
    return true;
}

}  // namespace vorne::bitmap
