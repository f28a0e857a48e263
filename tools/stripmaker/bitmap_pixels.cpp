#include "tools/stripmaker/bitmap_pixels.h"

#include <cstring>
#include <new>

namespace vorne::stripmaker {

namespace {
BITMAPINFO TopDown32(int w, int h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;  // rows from the top
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}
}  // namespace

PixelBuffer PixelsOf(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight == 0) return {};
    const int w = bm.bmWidth, h = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
    // Pictures come within the loader's cap; memory may still run short,
    // which the caller sees as a picture that did not load.
    PixelBuffer p;
    try {
        p = PixelBuffer(w, h);
    } catch (const std::bad_alloc&) {
        return {};
    }
    BITMAPINFO bi = TopDown32(w, h);
    HDC dc = GetDC(nullptr);
    const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(h), p.Pixels().data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (rows != h) return {};
    // 0x00RRGGBB is the layout of a 32-bit DIB pixel; the fourth byte is
    // not colour.
    for (auto& px : p.Pixels()) px &= 0xFFFFFFu;
    return p;
}

HBITMAP BitmapOf(const PixelBuffer& pixels) {
    if (pixels.Empty()) return nullptr;
    BITMAPINFO bi = TopDown32(pixels.Width(), pixels.Height());
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp || !bits) {
        if (bmp) DeleteObject(bmp);
        return nullptr;
    }
    std::memcpy(bits, pixels.Pixels().data(), pixels.Pixels().size() * sizeof(std::uint32_t));
    GdiFlush();
    return bmp;
}

}  // namespace vorne::stripmaker
