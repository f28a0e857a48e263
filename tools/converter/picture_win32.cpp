#include "tools/converter/picture_win32.h"

#include <new>
#include <vector>

#include "runtime/forms/forms.h"
#include "tools/converter/sheet_files.h"

namespace vorne::converter {
namespace {

BITMAPINFO TopDown32(int w, int h) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

// 0x00RRGGBB of a DIB pixel and 0x00BBGGRR of a Long, both ways.
uint32_t Swap(uint32_t v) { return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF); }

}  // namespace

std::optional<Pixels> PixelsOfBitmap(HBITMAP bitmap) {
    BITMAP bm = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return std::nullopt;
    const int w = bm.bmWidth, h = bm.bmHeight;
    BITMAPINFO bi = TopDown32(w, h);
    std::vector<uint32_t> bits(static_cast<size_t>(w) * static_cast<size_t>(h));
    HDC dc = CreateCompatibleDC(nullptr);
    const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(h), bits.data(), &bi, DIB_RGB_COLORS);
    DeleteDC(dc);
    if (rows != h) return std::nullopt;
    Pixels out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.Set(x, y, static_cast<Colour>(Swap(bits[static_cast<size_t>(y) * static_cast<size_t>(w) + x])));
    return out;
}

HBITMAP BitmapOfPixels(const Pixels& pixels) {
    if (pixels.Empty()) return nullptr;
    const int w = pixels.Width(), h = pixels.Height();
    BITMAPINFO bi = TopDown32(w, h);
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp || !bits) return bmp;
    auto* p = static_cast<uint32_t*>(bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p[static_cast<size_t>(y) * static_cast<size_t>(w) + x] = Swap(static_cast<uint32_t>(pixels.At(x, y)));
    GdiFlush();
    return bmp;
}

SheetLoad PictureSheetLoader::Load(const std::string& path) {
    SheetLoad got;
    const auto found = FindFileNoCase(path);
    if (!found) return got;
    // Through the programs' one picture loader: a sheet that is no picture,
    // or one too large to hold, fails like a sheet that cannot be read.
    got.status = SheetLoad::Failed;
    try {
        const forms::PictureRef picture = forms::Picture::FromFile(*found);
        auto pixels = picture ? PixelsOfBitmap(picture->Handle()) : std::nullopt;
        if (!pixels) return got;
        got.pixels = std::move(*pixels);
        got.status = SheetLoad::Loaded;
    } catch (const std::bad_alloc&) {
        got.pixels = Pixels();
    }
    return got;
}

}  // namespace vorne::converter
