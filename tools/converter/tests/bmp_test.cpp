// The BMP reader over every stored form a sheet can have, its refusals, and
// the 24-bit writer's exact bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tools/converter/bmp.h"

namespace vorne::converter {
namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A file from its parts: an info header of header_size bytes (40, 52, 108,
// 124; 12 for the core form), then extra (masks, palette), then the bits.
Bytes File(int header_size, int32_t w, int32_t h, int bpp, uint32_t compression, const Bytes& extra, const Bytes& bits,
           uint32_t colours_used = 0) {
    Bytes b{'B', 'M'};
    const uint32_t offset = 14 + static_cast<uint32_t>(header_size + extra.size());
    Put32(b, offset + static_cast<uint32_t>(bits.size()));
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, static_cast<uint32_t>(header_size));
    if (header_size == 12) {
        Put16(b, static_cast<uint32_t>(w));
        Put16(b, static_cast<uint32_t>(h));
        Put16(b, 1);
        Put16(b, static_cast<uint32_t>(bpp));
    } else {
        Put32(b, static_cast<uint32_t>(w));
        Put32(b, static_cast<uint32_t>(h));
        Put16(b, 1);
        Put16(b, static_cast<uint32_t>(bpp));
        Put32(b, compression);
        Put32(b, static_cast<uint32_t>(bits.size()));
        Put32(b, 0);
        Put32(b, 0);
        Put32(b, colours_used);
        Put32(b, 0);
        while (b.size() < 14 + static_cast<size_t>(header_size)) b.push_back(0);
    }
    b.insert(b.end(), extra.begin(), extra.end());
    b.insert(b.end(), bits.begin(), bits.end());
    return b;
}

const Colour kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255), kWhite = Rgb(255, 255, 255),
             kBlack = 0;
// Palette entries (blue, green, red, reserved): black, red, green, blue.
const Bytes kPalette4 = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};

struct ReadCase {
    const char* what;
    Bytes file;
    int w, h;
    std::vector<Colour> pixels;  // rows from the top
};

std::vector<ReadCase> ReadCases() {
    std::vector<ReadCase> cases;
    // 2 x 2, rows stored bottom-up: bottom row blue white, top row red green.
    cases.push_back({"24-bit bottom-up",
                     File(40, 2, 2, 24, 0, {}, {255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0}), 2, 2,
                     {kRed, kGreen, kBlue, kWhite}});
    cases.push_back({"24-bit top-down",
                     File(40, 2, -2, 24, 0, {}, {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0}), 2, -2,
                     {kRed, kGreen, kBlue, kWhite}});
    cases.push_back({"32-bit", File(40, 2, 1, 32, 0, {}, {0, 0, 255, 0, 255, 0, 0, 0}), 2, 1, {kRed, kBlue}});
    cases.push_back({"32-bit bit fields in a v4 header",
                     [] {
                         Bytes b = File(108, 1, 1, 32, 3, {}, {0x00, 0x00, 0xFF, 0x00});
                         // masks at offset 14 + 40: red 0x000000FF, green 0xFF00, blue 0xFF0000
                         const uint32_t masks[3] = {0xFF, 0xFF00, 0xFF0000};
                         for (int i = 0; i < 3; ++i)
                             for (int k = 0; k < 4; ++k) b[54 + 4 * i + k] = static_cast<uint8_t>(masks[i] >> (8 * k));
                         return b;
                     }(),
                     1, 1, {kBlue}});
    cases.push_back({"16-bit 5-5-5", File(40, 2, 1, 16, 0, {}, {0x00, 0x7C, 0x1F, 0x00}), 2, 1, {kRed, kBlue}});
    cases.push_back({"16-bit 5-6-5 bit fields after the header",
                     File(40, 2, 1, 16, 3, {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0},
                          {0xE0, 0x07, 0x00, 0xF8}),
                     2, 1, {kGreen, kRed}});
    cases.push_back({"8-bit palette", File(40, 3, 1, 8, 0, kPalette4, {1, 2, 3, 0}, 4), 3, 1, {kRed, kGreen, kBlue}});
    cases.push_back({"8-bit index past the palette is black", File(40, 2, 1, 8, 0, kPalette4, {9, 1, 0, 0}, 4), 2, 1,
                     {kBlack, kRed}});
    cases.push_back({"4-bit palette", File(40, 3, 1, 4, 0, kPalette4, {0x12, 0x30, 0, 0}, 4), 3, 1,
                     {kRed, kGreen, kBlue}});
    cases.push_back({"1-bit palette", File(40, 3, 1, 1, 0, {0, 0, 0, 0, 255, 255, 255, 0}, {0xA0, 0, 0, 0}, 2), 3, 1,
                     {kWhite, kBlack, kWhite}});
    cases.push_back({"core header with 3-byte palette entries",
                     File(12, 2, 1, 8, 0, {0, 0, 255, 255, 0, 0, 0, 255, 0}, {1, 2, 0, 0}), 2, 1, {kBlue, kGreen}});
    // RLE8, 4 x 2: bottom row a run of 3 red and a run of 1 green; end of
    // line; top row a delta of 2, then 2 blue; end of picture.
    cases.push_back({"8-bit run-length with a delta",
                     File(40, 4, 2, 8, 1, kPalette4, {3, 1, 1, 2, 0, 0, 0, 2, 2, 0, 2, 3, 0, 1}, 4), 4, 2,
                     {kBlack, kBlack, kBlue, kBlue, kRed, kRed, kRed, kGreen}});
    cases.push_back({"8-bit run-length absolute run, padded to a word",
                     File(40, 4, 1, 8, 1, kPalette4, {0, 3, 1, 2, 3, 0, 1, 1, 0, 1}, 4), 4, 1,
                     {kRed, kGreen, kBlue, kRed}});
    cases.push_back({"4-bit run-length", File(40, 3, 1, 4, 2, kPalette4, {3, 0x12, 0, 1}, 4), 3, 1,
                     {kRed, kGreen, kRed}});
    cases.push_back({"run-length data that ends early keeps what it has",
                     File(40, 3, 1, 8, 1, kPalette4, {1, 3}, 4), 3, 1, {kBlue, kBlack, kBlack}});
    return cases;
}

TEST(BmpRead, EveryStoredForm) {
    for (const ReadCase& c : ReadCases()) {
        SCOPED_TRACE(c.what);
        Pixels p;
        std::string why;
        ASSERT_TRUE(ReadBmp(c.file, p, &why)) << why;
        const int h = c.h < 0 ? -c.h : c.h;
        ASSERT_EQ(p.Width(), c.w);
        ASSERT_EQ(p.Height(), h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < c.w; ++x)
                EXPECT_EQ(p.At(x, y), c.pixels[static_cast<size_t>(y * c.w + x)]) << x << "," << y;
    }
}

TEST(BmpRead, RefusesWhatIsNoReadableBmp) {
    Bytes good = File(40, 2, 1, 24, 0, {}, {0, 0, 0, 0, 0, 0, 0, 0});
    Bytes no_sig = good;
    no_sig[0] = 'X';
    Bytes cut = good;
    cut.resize(cut.size() - 1);
    Bytes planes = good;
    planes[26] = 2;
    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"no signature", no_sig},
        {"pixel data cut off", cut},
        {"two planes", planes},
        {"zero width", File(40, 0, 1, 24, 0, {}, {0, 0, 0, 0})},
        {"zero height", File(40, 1, 0, 24, 0, {}, {0, 0, 0, 0})},
        {"too many pixels", File(40, 65536, 65536, 24, 0, {}, {0, 0, 0, 0})},
        {"bit count 7", File(40, 1, 1, 7, 0, {}, {0, 0, 0, 0})},
        {"run-length stored top-down", File(40, 1, -1, 8, 1, kPalette4, {0, 1}, 4)},
        {"run-length on 24 bits", File(40, 1, 1, 24, 1, {}, {0, 1})},
        {"bit fields on 8 bits", File(40, 1, 1, 8, 3, {}, {0, 0, 0, 0})},
        {"mask with a hole", File(40, 1, 1, 16, 3, {0x05, 0, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}, {0, 0, 0, 0})},
        {"unknown compression", File(40, 1, 1, 24, 4, {}, {0, 0, 0, 0})},
        {"header size past the file", [] {
             Bytes b = File(40, 1, 1, 24, 0, {}, {0, 0, 0, 0});
             b[14] = 0xFF;
             b[15] = 0xFF;
             return b;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Pixels p;
        EXPECT_FALSE(ReadBmp(c.file, p));
    }
}

TEST(BmpWrite, ExactBytesOfASmallPicture) {
    // 3 x 2: rows are 9 bytes, padded to 12; the bottom row comes first.
    Pixels p(3, 2);
    p.Set(0, 0, kRed);
    p.Set(1, 0, kGreen);
    p.Set(2, 0, kBlue);
    p.Set(0, 1, Rgb(1, 2, 3));
    const Bytes expected = {
        'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,            // file header
        40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,          // size, width, height, planes, bits
        0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,           // compression, image size, resolution
        0, 0, 0, 0, 0, 0, 0, 0,                                    // colours used, important
        3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0,                        // bottom row
        0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0,                  // top row
    };
    EXPECT_EQ(WriteBmp(p), expected);
}

TEST(BmpWrite, ReadsBackAtEveryRowPadding) {
    for (int w = 1; w <= 5; ++w) {
        Pixels p(w, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < w; ++x) p.Set(x, y, Rgb(x * 40, y * 80, 255 - x));
        Pixels back;
        ASSERT_TRUE(ReadBmp(WriteBmp(p), back));
        EXPECT_EQ(back, p) << "width " << w;
    }
}

}  // namespace
}  // namespace vorne::converter
