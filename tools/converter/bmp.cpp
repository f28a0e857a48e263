#include "tools/converter/bmp.h"

#include <algorithm>

namespace vorne::converter {
namespace {

enum : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

uint32_t U16(const uint8_t* p) { return static_cast<uint32_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
int32_t S32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }

bool Fail(std::string* error, const char* why) {
    if (error) *error = why;
    return false;
}

// One channel of a bit-field pixel, scaled to 0..255.
struct Field {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;
    explicit Field(uint32_t m) : mask(m) {
        if (!m) return;
        while (!((m >> shift) & 1u)) ++shift;
        max = m >> shift;
    }
    int Take(uint32_t v) const {
        if (!mask) return 0;
        const uint32_t raw = (v & mask) >> shift;
        return static_cast<int>((static_cast<uint64_t>(raw) * 255 + max / 2) / max);
    }
};

// A mask must be one run of set bits for the scaling above.
bool Contiguous(uint32_t m) {
    if (!m) return true;
    while (!(m & 1u)) m >>= 1;
    return (m & (m + 1)) == 0;
}

}  // namespace

bool ReadBmp(const uint8_t* data, size_t size, Pixels& out, std::string* error) {
    if (size < 14 + 12) return Fail(error, "too short for a BMP header");
    if (data[0] != 'B' || data[1] != 'M') return Fail(error, "no BM signature");
    const uint32_t bits_offset = U32(data + 10);
    const uint8_t* h = data + 14;
    const uint32_t header_size = U32(h);
    if (header_size < 12 || header_size > size - 14) return Fail(error, "bad header size");

    long long width = 0, height = 0;
    uint32_t planes = 0, bpp = 0, compression = kRgb, colours_used = 0;
    bool core = header_size < 16;
    if (core) {
        if (header_size != 12) return Fail(error, "bad header size");
        width = U16(h + 4);
        height = static_cast<int16_t>(U16(h + 6));
        planes = U16(h + 8);
        bpp = U16(h + 10);
    } else {
        if (header_size < 16) return Fail(error, "bad header size");
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

    // Bit fields: in the v2+ header, or in the 12 bytes after a 40-byte one.
    uint32_t masks[4] = {0, 0, 0, 0};
    size_t after_header = 14 + static_cast<size_t>(header_size);
    if (compression == kBitFields || compression == kAlphaBitFields) {
        if (bpp != 16 && bpp != 32) return Fail(error, "bit fields need 16 or 32 bits");
        const int n = compression == kAlphaBitFields ? 4 : 3;
        if (header_size >= 52) {
            for (int i = 0; i < 3; ++i) masks[i] = U32(h + 40 + 4 * i);
        } else if (header_size == 40) {
            if (size < after_header + 4 * static_cast<size_t>(n)) return Fail(error, "bit fields cut off");
            for (int i = 0; i < 3; ++i) masks[i] = U32(data + after_header + 4 * i);
            after_header += 4 * static_cast<size_t>(n);
        } else {
            return Fail(error, "bit fields without masks");
        }
        for (int i = 0; i < 3; ++i)
            if (!Contiguous(masks[i])) return Fail(error, "bit field mask not contiguous");
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

    // The palette follows the header (and its masks).
    std::vector<Colour> palette;
    if (bpp <= 8) {
        const uint32_t max_entries = 1u << bpp;
        uint32_t entries = colours_used && colours_used < max_entries ? colours_used : max_entries;
        const size_t entry_size = core ? 3 : 4;
        const size_t available = bits_offset > after_header && bits_offset <= size
                                     ? (bits_offset - after_header) / entry_size
                                     : (size > after_header ? (size - after_header) / entry_size : 0);
        entries = static_cast<uint32_t>(std::min<size_t>(entries, available));
        palette.resize(entries);
        for (uint32_t i = 0; i < entries; ++i) {
            const uint8_t* e = data + after_header + i * entry_size;
            palette[i] = Rgb(e[2], e[1], e[0]);
        }
    }
    auto from_palette = [&](uint32_t index) -> Colour {
        return index < palette.size() ? palette[index] : kCleared;
    };

    if (bits_offset >= size) return Fail(error, "no pixel data");
    const uint8_t* bits = data + bits_offset;
    const size_t bits_size = size - bits_offset;
    const int w = static_cast<int>(width), hgt = static_cast<int>(height);
    Pixels pic(w, hgt);
    auto row_of = [&](long long stored_row) { return static_cast<int>(top_down ? stored_row : hgt - 1 - stored_row); };

    if (compression == kRle8 || compression == kRle4) {
        // Runs and escapes, rows stored from the bottom.
        size_t p = 0;
        long long x = 0, row = 0;
        auto put = [&](uint32_t index) {
            if (x < w && row < hgt) pic.Set(static_cast<int>(x), row_of(row), from_palette(index));
            ++x;
        };
        while (p + 1 < bits_size && row < hgt) {
            const uint8_t count = bits[p], value = bits[p + 1];
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
                const size_t bytes = compression == kRle8 ? value : (value + 1u) / 2u;
                if (p + bytes > bits_size) break;
                for (int i = 0; i < value; ++i) {
                    put(compression == kRle8 ? bits[p + i]
                                             : (i % 2 == 0 ? bits[p + i / 2] >> 4 : bits[p + i / 2] & 0x0F));
                }
                p += (bytes + 1) & ~static_cast<size_t>(1);
            }
        }
        out = std::move(pic);
        return true;
    }

    const size_t stride = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4;
    if (stride * static_cast<size_t>(hgt) > bits_size) return Fail(error, "pixel data cut off");
    const Field r(masks[0]), g(masks[1]), b(masks[2]);
    for (int row = 0; row < hgt; ++row) {
        const uint8_t* line = bits + stride * static_cast<size_t>(row);
        const int y = row_of(row);
        for (int x = 0; x < w; ++x) {
            Colour c = kCleared;
            switch (bpp) {
            case 1: c = from_palette((line[x / 8] >> (7 - x % 8)) & 1u); break;
            case 4: c = from_palette(x % 2 == 0 ? line[x / 2] >> 4 : line[x / 2] & 0x0F); break;
            case 8: c = from_palette(line[x]); break;
            case 24: c = Rgb(line[3 * x + 2], line[3 * x + 1], line[3 * x]); break;
            case 16: {
                const uint32_t v = U16(line + 2 * x);
                c = Rgb(r.Take(v), g.Take(v), b.Take(v));
                break;
            }
            case 32: {
                const uint32_t v = U32(line + 4 * x);
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

std::vector<uint8_t> WriteBmp(const Pixels& pixels) {
    const int w = pixels.Width(), h = pixels.Height();
    const size_t stride = ((static_cast<size_t>(w) * 3 + 3) / 4) * 4;
    const size_t image = stride * static_cast<size_t>(h);
    const size_t total = 14 + 40 + image;
    std::vector<uint8_t> f(total, 0);
    auto put16 = [&](size_t at, uint32_t v) {
        f[at] = static_cast<uint8_t>(v);
        f[at + 1] = static_cast<uint8_t>(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    f[0] = 'B';
    f[1] = 'M';
    put32(2, static_cast<uint32_t>(total));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    put16(26, 1);
    put16(28, 24);
    put32(34, static_cast<uint32_t>(image));
    for (int y = 0; y < h; ++y) {
        uint8_t* line = f.data() + 54 + stride * static_cast<size_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const uint32_t c = static_cast<uint32_t>(pixels.At(x, y));
            line[3 * x] = static_cast<uint8_t>(c >> 16);     // blue
            line[3 * x + 1] = static_cast<uint8_t>(c >> 8);  // green
            line[3 * x + 2] = static_cast<uint8_t>(c);       // red
        }
    }
    return f;
}

}  // namespace vorne::converter
