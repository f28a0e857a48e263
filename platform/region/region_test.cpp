#include "platform/region/region.h"

#include <gtest/gtest.h>

#include <olectl.h>

#include <cstring>
#include <functional>

namespace vorne::region {
namespace {

// A 24-bit DIB section (the player's built-in pictures are 24-bit) painted
// pixel by pixel; colour(x, y) gives an RGB long.
HBITMAP MakeBitmap(int w, int h, const std::function<long(int, int)>& colour) {
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp) return nullptr;
    const int stride = (w * 3 + 3) & ~3;
    auto* p = static_cast<unsigned char*>(bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const long c = colour(x, y);
            unsigned char* q = p + y * stride + x * 3;
            q[0] = static_cast<unsigned char>(GetB(c));
            q[1] = static_cast<unsigned char>(GetG(c));
            q[2] = static_cast<unsigned char>(GetR(c));
        }
    GdiFlush();
    return bmp;
}

struct Probe {
    int x, y;
    bool inside;
};

void ExpectPoints(HRGN rgn, const std::vector<Probe>& probes) {
    ASSERT_NE(rgn, nullptr);
    for (const Probe& p : probes)
        EXPECT_EQ(PtInRegion(rgn, p.x, p.y) != FALSE, p.inside) << "at " << p.x << "," << p.y;
}

TEST(BitmapToRegion, WhiteFrameIsCutAndAColouredBlockStays) {
    // 40 x 30 white with a dark block at [10,30) x [5,25) and one near-white
    // pixel at (2, 2), which tolerance 0 keeps.
    HBITMAP bmp = MakeBitmap(40, 30, [](int x, int y) {
        if (x == 2 && y == 2) return 0xFEFFFFL;
        return (x >= 10 && x < 30 && y >= 5 && y < 25) ? 0x202020L : 0xFFFFFFL;
    });
    ASSERT_NE(bmp, nullptr);
    HRGN rgn = BitmapToRegion(bmp, 0xFFFFFF, 0);
    ExpectPoints(rgn, {{10, 5, true}, {29, 24, true}, {20, 15, true}, {9, 5, false}, {30, 15, false},
                       {20, 4, false}, {20, 25, false}, {0, 0, false}, {2, 2, true}, {3, 2, false}});
    RECT box;
    EXPECT_EQ(GetRgnBox(rgn, &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.right, 30);
    DeleteObject(rgn);

    // A tolerance of 1 cuts the near-white pixel too.
    rgn = BitmapToRegion(bmp, 0xFFFFFF, 1);
    ExpectPoints(rgn, {{2, 2, false}, {20, 15, true}});
    EXPECT_EQ(GetRgnBox(rgn, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 10);
    DeleteObject(rgn);
    DeleteObject(bmp);
}

TEST(BitmapToRegion, NoColourGivesTheWholeBitmapAndAllCutGivesAnEmptyRegion) {
    HBITMAP bmp = MakeBitmap(13, 7, [](int, int) { return 0x00FF00L; });
    ASSERT_NE(bmp, nullptr);
    HRGN rgn = BitmapToRegion(bmp, kNoColour, 0);
    ExpectPoints(rgn, {{0, 0, true}, {12, 6, true}, {13, 6, false}, {12, 7, false}});
    DeleteObject(rgn);

    rgn = BitmapToRegion(bmp, 0x00FF00, 0);
    ASSERT_NE(rgn, nullptr);
    RECT box;
    EXPECT_EQ(GetRgnBox(rgn, &box), NULLREGION);
    DeleteObject(rgn);
    DeleteObject(bmp);
}

TEST(BitmapToRegion, ManyRectanglesAreBuiltInBatches) {
    // A checkerboard of single pixels: 300 x 100 gives 15000 rectangles.
    HBITMAP bmp = MakeBitmap(300, 100, [](int x, int y) { return ((x + y) & 1) ? 0xFFFFFFL : 0x000080L; });
    ASSERT_NE(bmp, nullptr);
    HRGN rgn = BitmapToRegion(bmp, 0xFFFFFF, 0);
    ExpectPoints(rgn, {{0, 0, true}, {1, 0, false}, {299, 99, true}, {298, 99, false}, {150, 50, true},
                       {151, 50, false}, {299, 0, false}});
    DeleteObject(rgn);
    DeleteObject(bmp);
}

TEST(BitmapToRegion, ANonBitmapHandleGivesNull) {
    EXPECT_EQ(BitmapToRegion(static_cast<HBITMAP>(nullptr), 0, 0), nullptr);
    HBRUSH brush = CreateSolidBrush(0);
    EXPECT_EQ(BitmapToRegion(reinterpret_cast<HBITMAP>(brush), 0, 0), nullptr);
    DeleteObject(brush);
}

TEST(BitmapToRegion, APictureObjectGivesTheRegionOfItsBitmap) {
    HBITMAP bmp = MakeBitmap(8, 8, [](int x, int) { return x < 4 ? 0xFFFFFFL : 0x123456L; });
    ASSERT_NE(bmp, nullptr);
    PICTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bmp;
    IPicture* pic = nullptr;
    ASSERT_EQ(OleCreatePictureIndirect(&desc, IID_IPicture, TRUE, reinterpret_cast<void**>(&pic)), S_OK);
    HRGN rgn = BitmapToRegion(pic, 0xFFFFFF, 0);
    ExpectPoints(rgn, {{3, 3, false}, {4, 3, true}, {7, 7, true}});
    DeleteObject(rgn);
    pic->Release();
    EXPECT_EQ(BitmapToRegion(static_cast<IPicture*>(nullptr), 0, 0), nullptr);
}

TEST(BitmapToRegion, ShapesAWindowThroughSetWindowRgn) {
    HBITMAP bmp = MakeBitmap(60, 40, [](int x, int y) { return x < 30 ? 0x303030L : 0xFFFFFFL; });
    ASSERT_NE(bmp, nullptr);
    HWND wnd = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 60, 40,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(wnd, nullptr);
    HRGN rgn = BitmapToRegion(bmp, 0xFFFFFF, 0);
    ASSERT_NE(SetWindowRgn(wnd, rgn, TRUE), 0);
    HRGN back = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(wnd, back), ERROR);
    EXPECT_TRUE(PtInRegion(back, 10, 10));
    EXPECT_FALSE(PtInRegion(back, 45, 10));
    DeleteObject(back);
    DestroyWindow(wnd);
    DeleteObject(bmp);
}

}  // namespace
}  // namespace vorne::region
