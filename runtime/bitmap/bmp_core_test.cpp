// The shared BMP reader and writer: the writer's exact bytes, what the
// reader takes, and its refusals of damaged and hostile headers; every
// prefix of a good file is read without reading past it (the host build
// runs this under AddressSanitizer).
#include "runtime/bitmap/bmp_core.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace vorne::bitmap {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A file from its parts: a header of header_size bytes (12: the core form),
// then extra (masks, palette), then the bits.
Bytes File(int header_size, std::int32_t w, std::int32_t h, int bpp, std::uint32_t compression, const Bytes& extra,
           const Bytes& bits) {
    Bytes b{'B', 'M'};
    const std::uint32_t offset = 14 + static_cast<std::uint32_t>(header_size + extra.size());
    Put32(b, offset + static_cast<std::uint32_t>(bits.size()));
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, static_cast<std::uint32_t>(header_size));
    if (header_size == 12) {
        Put16(b, static_cast<std::uint32_t>(w));
        Put16(b, static_cast<std::uint32_t>(h));
        Put16(b, 1);
        Put16(b, static_cast<std::uint32_t>(bpp));
    } else {
        Put32(b, static_cast<std::uint32_t>(w));
        Put32(b, static_cast<std::uint32_t>(h));
        Put16(b, 1);
        Put16(b, static_cast<std::uint32_t>(bpp));
        Put32(b, compression);
        while (b.size() < 14 + static_cast<std::size_t>(header_size)) b.push_back(0);
    }
    b.insert(b.end(), extra.begin(), extra.end());
    b.insert(b.end(), bits.begin(), bits.end());
    return b;
}

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
const Bytes kPalette4 = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};  // black, red, green, blue

TEST(EncodeBmp, ExactBytesWithTheResolutionAsked) {
    // 2 x 2: rows of 6 bytes padded to 8, the bottom row first.
    Image p(2, 2);
    p.Set(0, 0, kRed);
    p.Set(1, 0, 0x010203);
    p.Set(0, 1, kBlue);
    p.Set(1, 1, 0xAA00FF00);  // the fourth byte is no colour
    const Bytes expected = {
        'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,        // file header
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,      // size, width, height, planes, bits
        0, 0, 0, 0, 16, 0, 0, 0, 0xC4, 0x0E, 0, 0, 0xC4, 0x0E, 0, 0,  // compression, image size, 3780 x 3780
        0, 0, 0, 0, 0, 0, 0, 0,                                // colours used, important
        255, 0, 0, 0, 255, 0, 0, 0,                            // bottom row: blue, green
        0, 0, 255, 3, 2, 1, 0, 0,                              // top row: red, 0x010203
    };
    EXPECT_EQ(EncodeBmp(p, kPixelsPerMetreAt96Dpi), expected);
    // No picture: the headers alone, saying so.
    const Bytes empty = EncodeBmp(Image());
    ASSERT_EQ(empty.size(), 54u);
    Image back;
    EXPECT_FALSE(ReadBmp(empty, back));
}

TEST(EncodeBmp, ReadsBackAtEveryRowPadding) {
    for (int w = 1; w <= 5; ++w) {
        Image p(w, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < w; ++x) p.Set(x, y, static_cast<std::uint32_t>(x * 40 << 16 | y * 80 << 8 | (255 - x)));
        Image back;
        ASSERT_TRUE(ReadBmp(EncodeBmp(p), back));
        EXPECT_EQ(back, p) << "width " << w;
    }
}

TEST(ReadBmp, TakesBothRowOrdersOfEveryHeaderForm) {
    const struct {
        const char* what;
        Bytes file;
        int w, h;
        std::vector<std::uint32_t> pixels;  // rows from the top
    } cases[] = {
        {"info header, bottom-up", File(40, 1, 2, 24, 0, {}, {255, 0, 0, 0, 0, 0, 255, 0}), 1, 2, {kRed, kBlue}},
        {"info header, top-down", File(40, 1, -2, 24, 0, {}, {0, 0, 255, 0, 255, 0, 0, 0}), 1, 2, {kRed, kBlue}},
        {"core header, top-down", File(12, 1, -2, 8, 0, {0, 0, 255, 255, 255, 255}, {0, 0, 0, 0, 1, 0, 0, 0}), 1,
         2, {kRed, kWhite}},
        {"v5 header, 32 bits", File(124, 2, 1, 32, 0, {}, {0, 255, 0, 0, 255, 0, 0, 0}), 2, 1, {kGreen, kBlue}},
        {"palette shorter than its bit count", File(40, 2, 1, 4, 0, {0, 0, 255, 0}, {0x01, 0, 0, 0}), 2, 1,
         {kRed, 0}},
        {"8-bit run-length", File(40, 2, 1, 8, 1, kPalette4, {2, 3, 0, 1}), 2, 1, {kBlue, kBlue}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Image p;
        std::string why;
        ASSERT_TRUE(ReadBmp(c.file, p, &why)) << why;
        ASSERT_EQ(p.width, c.w);
        ASSERT_EQ(p.height, c.h);
        EXPECT_EQ(p.pixels, c.pixels);
    }
}

TEST(ReadBmp, RefusesDamagedAndHostileHeadersAndKeepsThePicture) {
    const Bytes good = File(40, 2, 1, 24, 0, {}, {0, 0, 0, 0, 0, 0, 0, 0});
    auto with = [&good](std::size_t at, std::uint32_t v) {
        Bytes b = good;
        Set32(b, at, v);
        return b;
    };
    constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"the signature alone", {'B', 'M'}},
        {"one byte short of a core header", Bytes(good.begin(), good.begin() + 25)},
        {"no signature", [&] { Bytes b = good; b[1] = 'A'; return b; }()},
        {"header size 0", with(14, 0)},
        {"header size 11", with(14, 11)},
        {"header size between the core and the info forms", with(14, 13)},
        {"header size one past the file", with(14, static_cast<std::uint32_t>(good.size() - 13))},
        {"header size at the top of its range", with(14, kMax)},
        {"zero width", with(18, 0)},
        {"negative width", with(18, static_cast<std::uint32_t>(-2))},
        {"zero height", with(22, 0)},
        {"the most negative height", with(22, 0x80000000u)},
        {"width x height wrapping to 0 in 32 bits", File(40, 65536, 65536, 24, 0, {}, {0, 0, 0, 0})},
        {"width x height wrapping to 1 in 32 bits", File(40, 0x7FFFFFFF, 0x7FFFFFFF, 24, 0, {}, {0, 0, 0, 0})},
        {"one pixel over the largest picture", File(40, 2049, 2048, 24, 0, {}, {0, 0, 0, 0})},
        {"core header with 0 planes", [] { Bytes b = File(12, 1, 1, 24, 0, {}, {0, 0, 0, 0}); b[22] = 0; return b; }()},
        {"bit count 0", File(40, 1, 1, 0, 0, {}, {0, 0, 0, 0})},
        {"bit count 2", File(40, 1, 1, 2, 0, {}, {0, 0, 0, 0})},
        {"bit count 64", File(40, 1, 1, 64, 0, {}, Bytes(8))},
        {"compression JPEG", File(40, 1, 1, 24, 4, {}, {0, 0, 0, 0})},
        {"compression PNG", File(40, 1, 1, 24, 5, {}, {0, 0, 0, 0})},
        {"compression at the top of its range", File(40, 1, 1, 24, kMax, {}, {0, 0, 0, 0})},
        {"4-bit run-length on 8 bits", File(40, 1, 1, 8, 2, kPalette4, {0, 1})},
        {"run-length stored top-down", File(40, 1, -1, 4, 2, kPalette4, {0, 1})},
        {"bit fields on 24 bits", File(40, 1, 1, 24, 3, Bytes(12), {0, 0, 0, 0})},
        {"bit fields cut off after the header", File(40, 1, 1, 32, 3, {0xFF, 0, 0, 0, 0, 0xFF}, {})},
        {"alpha bit fields missing the fourth mask",
         [] {
             Bytes b = File(40, 1, 1, 32, 6, {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0}, {});
             return b;
         }()},
        {"bit fields in a header too small for masks", File(24, 1, 1, 16, 3, {}, {0, 0, 0, 0})},
        {"mask with a hole in a v4 header",
         [] {
             Bytes b = File(108, 1, 1, 32, 3, {}, {0, 0, 0, 0});
             Set32(b, 54, 0x0101);
             return b;
         }()},
        {"pixel data offset at the end", with(10, static_cast<std::uint32_t>(good.size()))},
        {"pixel data offset past the end", with(10, kMax)},
        {"pixel data cut off by a byte", Bytes(good.begin(), good.end() - 1)},
        {"rows of a wide 32-bit picture cut off", File(40, 4 * 1024 * 1024, 1, 32, 0, {}, Bytes(64))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Image p(1, 1, 0x123456);
        std::string why;
        EXPECT_FALSE(ReadBmp(c.file, p, &why));
        EXPECT_FALSE(why.empty());
        EXPECT_EQ(p, Image(1, 1, 0x123456));
    }
}

TEST(ReadBmp, EveryPrefixOfAGoodFileIsReadWithinItsBytes) {
    const Bytes files[] = {
        File(40, 3, 2, 24, 0, {}, Bytes(24, 0x7F)),
        File(12, 3, 2, 8, 0, {0, 0, 255, 0, 255, 0}, {0, 1, 0, 0, 1, 0, 1, 0}),
        File(40, 3, 2, 4, 0, kPalette4, {0x12, 0x30, 0, 0, 0x32, 0x10, 0, 0}),
        File(40, 4, 2, 8, 1, kPalette4, {3, 1, 1, 2, 0, 0, 0, 2, 2, 0, 0, 3, 1, 2, 3, 0, 0, 1}),
        File(40, 3, 1, 4, 2, kPalette4, {0, 3, 0x12, 0x30, 0, 2, 1, 0, 0, 1}),
        File(40, 2, 1, 16, 3, {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}, {0xE0, 0x07, 0x00, 0xF8}),
        File(108, 2, -1, 32, 0, {}, Bytes(8, 0x40)),
    };
    for (const Bytes& f : files) {
        Image whole;
        ASSERT_TRUE(ReadBmp(f, whole));
        for (std::size_t n = 0; n < f.size(); ++n) {
            // A copy of exactly n bytes, so that a read past them is caught.
            const Bytes prefix(f.begin(), f.begin() + static_cast<std::ptrdiff_t>(n));
            Image p;
            if (ReadBmp(prefix, p)) {
                EXPECT_EQ(p.width, whole.width) << n;
                EXPECT_EQ(p.height, whole.height) << n;
            }
        }
    }
}

}  // namespace
}  // namespace vorne::bitmap
