// The bitmap writer: the file layout, and files read back pixel for pixel
// by an independent decoder (ImageMagick, on the native build).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "runtime/basic/basic.h"
#include "runtime/text/ansi.h"
#include "tools/stripmaker/bmp_file.h"

namespace vorne::stripmaker {
namespace {

std::uint32_t Get(const std::vector<std::uint8_t>& f, size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | f[at + static_cast<size_t>(i)];
    return v;
}

// Every pixel different and every channel used.
PixelBuffer Pattern(int w, int h) {
    PixelBuffer p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.Set(x, y, static_cast<std::uint32_t>(((x * 37 + y * 11) & 0xFF) << 16 | ((x * 5 + 200 * y) & 0xFF) << 8 |
                                                   ((x ^ (y * 3)) & 0xFF)));
    return p;
}

std::string TempName(const std::string& leaf) {
#ifdef _WIN32
    const char* dir = std::getenv("TEMP");
    return std::string(dir ? dir : ".") + "\\" + leaf;
#else
    return "/tmp/" + leaf;
#endif
}

TEST(EncodeBmp, HeaderAndPaddedBottomUpRows) {
    // Widths 1..5 cover every padding of a 24-bit row (3, 2, 1, 0, 1 bytes).
    for (int w = 1; w <= 5; ++w) {
        const PixelBuffer p = Pattern(w, 3);
        const auto f = EncodeBmp(p);
        const size_t row = (static_cast<size_t>(w) * 3 + 3) / 4 * 4;
        ASSERT_EQ(f.size(), 54 + row * 3) << w;
        EXPECT_EQ(f[0], 'B');
        EXPECT_EQ(f[1], 'M');
        EXPECT_EQ(Get(f, 2, 4), f.size());
        EXPECT_EQ(Get(f, 10, 4), 54u);
        EXPECT_EQ(Get(f, 14, 4), 40u);
        EXPECT_EQ(Get(f, 18, 4), static_cast<std::uint32_t>(w));
        EXPECT_EQ(Get(f, 22, 4), 3u);  // positive: bottom-up
        EXPECT_EQ(Get(f, 26, 2), 1u);
        EXPECT_EQ(Get(f, 28, 2), 24u);
        EXPECT_EQ(Get(f, 30, 4), 0u);
        for (int y = 0; y < 3; ++y) {
            const size_t at = 54 + row * static_cast<size_t>(2 - y);  // the top row is stored last
            for (int x = 0; x < w; ++x) EXPECT_EQ(Get(f, at + 3 * static_cast<size_t>(x), 3), p.At(x, y)) << w << ":" << x << "," << y;
            for (size_t pad = static_cast<size_t>(w) * 3; pad < row; ++pad) EXPECT_EQ(f[at + pad], 0) << "padding";
        }
    }
    EXPECT_TRUE(EncodeBmp(PixelBuffer()).empty());
}

TEST(SaveBmp, WritesBmpWhateverTheNameAndKeepsTheOldFileOnFailure) {
    const PixelBuffer p = Pattern(7, 4);
    // A name with ’ and é: ANSI bytes on Windows, the file system's UTF-8 natively.
#ifdef _WIN32
    const std::string file = TempName("strip \x92" "caf\xe9 " + std::to_string(std::rand()) + ".jpg");
#else
    const std::string file = TempName("strip \xe2\x80\x99" "caf\xc3\xa9 " + std::to_string(std::rand()) + ".jpg");
#endif
    ASSERT_TRUE(SaveBmp(file, p));
    auto bytes = vorne::basic::ReadWholeFile(file);
    ASSERT_TRUE(bytes);
    const auto expected = EncodeBmp(p);
    EXPECT_EQ(*bytes, std::string(expected.begin(), expected.end()));

    // Nothing to write and nowhere to write: false, the file as it was.
    EXPECT_FALSE(SaveBmp(file, PixelBuffer()));
    EXPECT_FALSE(SaveBmp(TempName("no such folder") + "/x/strip.bmp", p));
    EXPECT_EQ(*vorne::basic::ReadWholeFile(file), *bytes);
    text::RemoveFile(file);
}

#ifndef _WIN32
// The picture ImageMagick decodes from a file, as 0xRRGGBB; empty when it
// cannot read it.
PixelBuffer DecodeWithImageMagick(const std::string& path, int w, int h) {
    const std::string cmd = "convert '" + path + "' -depth 8 rgb:- 2>/dev/null";
    std::FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return {};
    std::string raw;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) raw.append(buf, n);
    pclose(pipe);
    if (raw.size() != static_cast<size_t>(w) * static_cast<size_t>(h) * 3) return {};
    PixelBuffer p(w, h);
    for (int i = 0; i < w * h; ++i) {
        const auto* c = reinterpret_cast<const unsigned char*>(&raw[static_cast<size_t>(i) * 3]);
        p.Set(i % w, i / w, static_cast<std::uint32_t>(c[0] << 16 | c[1] << 8 | c[2]));
    }
    return p;
}

std::string Identify(const std::string& path) {
    std::string out;
    std::FILE* pipe = popen(("identify -format '%m %w %h %z' '" + path + "' 2>/dev/null").c_str(), "r");
    if (!pipe) return out;
    char buf[256];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    pclose(pipe);
    return out;
}

TEST(SaveBmp, ImageMagickReadsEverySizeBackPixelForPixel) {
    if (std::system("convert -version >/dev/null 2>&1") != 0) GTEST_SKIP() << "ImageMagick's convert is missing";
    struct Size {
        int w, h;
    } sizes[] = {{1, 1}, {2, 3}, {3, 2}, {4, 4}, {5, 7}, {40, 15}, {80, 15}, {292, 41}};
    for (const Size& s : sizes) {
        const PixelBuffer p = Pattern(s.w, s.h);
        const std::string file = TempName("stripmaker_im_" + std::to_string(s.w) + "x" + std::to_string(s.h) + ".jpg");
        ASSERT_TRUE(SaveBmp(file, p));
        EXPECT_EQ(Identify(file), "BMP3 " + std::to_string(s.w) + " " + std::to_string(s.h) + " 8") << file;
        const PixelBuffer back = DecodeWithImageMagick(file, s.w, s.h);
        EXPECT_EQ(back, p) << s.w << " x " << s.h;
        text::RemoveFile(file);
    }
}
#endif

}  // namespace
}  // namespace vorne::stripmaker
