#include "runtime/activex/picture_size.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorne::activex {
namespace {

using Bytes = std::vector<uint8_t>;

void Le(Bytes& b, size_t at, uint32_t v, int n) {
    if (b.size() < at + static_cast<size_t>(n)) b.resize(at + static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

// The first bytes of a BMP file: its file header and a picture header of
// header_size bytes declaring width x height.
Bytes BmpHead(uint32_t header_size, int32_t width, int32_t height) {
    Bytes b = {'B', 'M'};
    Le(b, 10, 14 + header_size, 4);
    Le(b, 14, header_size, 4);
    if (header_size == 12) {
        Le(b, 18, static_cast<uint32_t>(width), 2);
        Le(b, 20, static_cast<uint32_t>(height), 2);
    } else {
        Le(b, 18, static_cast<uint32_t>(width), 4);
        Le(b, 22, static_cast<uint32_t>(height), 4);
        Le(b, 26, 1, 2);
        Le(b, 28, 24, 2);
    }
    b.resize(14 + header_size);
    return b;
}

Bytes GifHead(const char* signature, uint16_t width, uint16_t height) {
    Bytes b(signature, signature + 6);
    Le(b, 6, width, 2);
    Le(b, 8, height, 2);
    b.push_back(0);
    return b;
}

// A JPEG start: SOI, the segments given, then a frame header of marker sof.
Bytes JpegHead(const std::vector<Bytes>& segments, uint8_t sof, uint16_t width, uint16_t height) {
    Bytes b = {0xFF, 0xD8};
    for (const Bytes& s : segments) b.insert(b.end(), s.begin(), s.end());
    const Bytes frame = {0xFF, sof, 0x00, 0x11, 8, static_cast<uint8_t>(height >> 8), static_cast<uint8_t>(height),
                         static_cast<uint8_t>(width >> 8), static_cast<uint8_t>(width), 3};
    b.insert(b.end(), frame.begin(), frame.end());
    return b;
}

const Bytes kApp0 = {0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
const Bytes kTables = {0xFF, 0xC4, 0x00, 0x04, 0x00, 0x00, 0xFF, 0xDB, 0x00, 0x03, 0x00};
// Fill bytes before a marker, and a marker without a length.
const Bytes kFillAndRestart = {0xFF, 0xFF, 0xFF, 0xD0};

TEST(PictureSize, HeadersDeclareTheirSize) {
    const struct Case {
        const char* what;
        Bytes head;
        long long width, height;
    } cases[] = {
        {"BMP info header", BmpHead(40, 12000, 12000), 12000, 12000},
        {"BMP stored top-down", BmpHead(40, 640, -480), 640, 480},
        {"BMP v5 header", BmpHead(124, 33, 7), 33, 7},
        {"BMP core header", BmpHead(12, 300, 200), 300, 200},
        {"GIF87a", GifHead("GIF87a", 48, 30), 48, 30},
        {"GIF89a", GifHead("GIF89a", 65535, 2), 65535, 2},
        {"JPEG baseline after APP0", JpegHead({kApp0}, 0xC0, 12000, 9000), 12000, 9000},
        {"JPEG progressive after tables", JpegHead({kApp0, kTables}, 0xC2, 275, 116), 275, 116},
        {"JPEG after fill bytes and a restart marker", JpegHead({kFillAndRestart}, 0xC1, 5, 6), 5, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto d = DeclaredPictureSize(c.head.data(), c.head.size());
        ASSERT_TRUE(d);
        EXPECT_EQ(d->width, c.width);
        EXPECT_EQ(d->height, c.height);
    }
}

TEST(PictureSize, NothingForOtherFilesOrCutHeaders) {
    Bytes bmp = BmpHead(40, 10, 10);
    bmp.resize(25);  // the height cut off
    Bytes core = BmpHead(12, 10, 10);
    core.resize(21);
    Bytes gif = GifHead("GIF89a", 10, 10);
    gif.resize(9);
    Bytes jpeg = JpegHead({kApp0}, 0xC0, 10, 10);
    jpeg.resize(jpeg.size() - 3);  // the width cut off
    Bytes scanFirst = {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02};
    Bytes huffmanOnly = {0xFF, 0xD8, 0xFF, 0xC4, 0x00, 0x07, 8, 0x30, 0, 0x30, 0};
    Bytes zeroLength = {0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x00, 0xFF, 0xC0};
    const std::string text = "not a picture at all";
    const Bytes icon = {0, 0, 1, 0, 1, 0, 16, 16, 0, 0};
    for (const Bytes& b : {bmp, core, gif, jpeg, scanFirst, huffmanOnly, zeroLength, icon,
                           Bytes(text.begin(), text.end()), Bytes{}}) {
        EXPECT_FALSE(DeclaredPictureSize(b.data(), b.size())) << b.size() << " bytes";
    }
    EXPECT_FALSE(DeclaredPictureSize(nullptr, 10));
}

TEST(PictureSize, TheCapTakesWholePicturesUpToItsPixels) {
    const struct {
        long long width, height;
        bool fits;
    } cases[] = {
        {1, 1, true},
        {4096, 4096, true},
        {kMaxPicturePixels, 1, true},
        {1, kMaxPicturePixels, true},
        {4097, 4096, false},
        {12000, 12000, false},
        {kMaxPicturePixels + 1, 1, false},
        {0, 10, false},
        {10, 0, false},
        {-5, 10, false},
        // Sides whose product would wrap.
        {4294967296LL, 4294967296LL, false},
    };
    for (const auto& c : cases) EXPECT_EQ(PictureFits(c.width, c.height), c.fits) << c.width << " x " << c.height;
}

}  // namespace
}  // namespace vorne::activex
