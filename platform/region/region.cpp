#include "platform/region/region.h"

#include <algorithm>
#include <cstring>

#include <olectl.h>

namespace vorne::region {
namespace {

// Rectangles per ExtCreateRegion call; some systems refuse very large
// region data, so big pictures are built in pieces and combined.
constexpr size_t kBatch = 2000;

HRGN Batch(const Rect* rects, size_t n) {
    std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + n * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(n);
    data->rdh.nRgnSize = static_cast<DWORD>(n * sizeof(RECT));
    RECT bounds = {rects[0].left, rects[0].top, rects[0].right, rects[0].bottom};
    RECT* out = reinterpret_cast<RECT*>(data->Buffer);
    for (size_t i = 0; i < n; ++i) {
        out[i] = RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
        bounds.left = std::min<LONG>(bounds.left, rects[i].left);
        bounds.top = std::min<LONG>(bounds.top, rects[i].top);
        bounds.right = std::max<LONG>(bounds.right, rects[i].right);
        bounds.bottom = std::max<LONG>(bounds.bottom, rects[i].bottom);
    }
    data->rdh.rcBound = bounds;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

}  // namespace

bool ReadBitmapPixels(HBITMAP bitmap, int& width, int& height, std::vector<std::uint32_t>& pixels) {
    BITMAP bm;
    if (!bitmap || GetObjectW(bitmap, sizeof bm, &bm) != sizeof bm) return false;
    width = bm.bmWidth;
    height = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
    pixels.assign(static_cast<size_t>(width) * height, 0);
    if (width == 0 || height == 0) return true;

    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = GetDC(nullptr);
    const int lines = GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    return lines == height;
}

HRGN RegionFromRectangles(const std::vector<Rect>& rects) {
    if (rects.empty()) return CreateRectRgn(0, 0, 0, 0);
    HRGN whole = nullptr;
    for (size_t at = 0; at < rects.size(); at += kBatch) {
        HRGN part = Batch(rects.data() + at, std::min(kBatch, rects.size() - at));
        if (!part) {
            if (whole) DeleteObject(whole);
            return nullptr;
        }
        if (!whole) {
            whole = part;
        } else {
            CombineRgn(whole, whole, part, RGN_OR);
            DeleteObject(part);
        }
    }
    return whole;
}

HRGN BitmapToRegion(HBITMAP picture, long colour, long tolerance) {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    if (!ReadBitmapPixels(picture, width, height, pixels)) return nullptr;
    if (colour < 0) return CreateRectRgn(0, 0, width, height);
    std::vector<Rect> rects;
    const PixelView view{pixels.data(), width, height, static_cast<std::ptrdiff_t>(width) * 4};
    if (!KeptRectangles(view, colour, tolerance, rects)) return nullptr;
    return RegionFromRectangles(rects);
}

HRGN BitmapToRegion(IPicture* picture, long colour, long tolerance) {
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (!picture || FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP ||
        FAILED(picture->get_Handle(&handle)))
        return nullptr;
    return BitmapToRegion(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), colour, tolerance);
}

}  // namespace vorne::region
