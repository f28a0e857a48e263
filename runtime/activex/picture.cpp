#include "runtime/activex/picture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "runtime/activex/picture_size.h"
#include "runtime/text/ansi.h"

namespace vorne::activex {

namespace {
com::Ptr<IPicture> AsPicture(IUnknown* pic) {
    com::Ptr<IPicture> p;
    if (pic) pic->QueryInterface(IID_IPicture, reinterpret_cast<void**>(p.Out()));
    return p;
}
}  // namespace

OLE_HANDLE PictureHandle(IUnknown* pic, short* type) {
    if (type) *type = PICTYPE_NONE;
    com::Ptr<IPicture> p = AsPicture(pic);
    if (!p) return 0;
    OLE_HANDLE h = 0;
    if (FAILED(p->get_Handle(&h))) return 0;
    if (type) p->get_Type(type);
    return h;
}

HBITMAP PictureBitmap(IUnknown* pic) {
    short type = PICTYPE_NONE;
    const OLE_HANDLE h = PictureHandle(pic, &type);
    if (type != PICTYPE_BITMAP || !h) return nullptr;
    // Handles are 32-bit values, sign-extended on 64-bit Windows.
    return reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(static_cast<LONG>(h)));
}

bool PictureLoaded(IUnknown* pic) {
    short type = PICTYPE_NONE;
    OLE_HANDLE h = PictureHandle(pic, &type);
    return h != 0 && type != PICTYPE_NONE && type != PICTYPE_UNINITIALIZED;
}

void PictureSizeTwips(IUnknown* pic, float& width, float& height) {
    width = height = 0;
    if (!PictureLoaded(pic)) return;
    com::Ptr<IPicture> p = AsPicture(pic);
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    p->get_Width(&w);
    p->get_Height(&h);
    width = HimetricToTwips(w);
    height = HimetricToTwips(h);
}

HRESULT PaintPicture(HDC dc, IUnknown* pic, const TwipsScale& scale, int dst_x, int dst_y, float src_x,
                     float src_y, float width, float height) {
    com::Ptr<IPicture> p = AsPicture(pic);
    if (!p || !PictureLoaded(pic)) return E_INVALIDARG;
    OLE_XSIZE_HIMETRIC pw = 0;
    OLE_YSIZE_HIMETRIC ph = 0;
    p->get_Width(&pw);
    p->get_Height(&ph);
    // IPicture::Render takes the source in HIMETRIC with y growing upwards
    // from the bottom edge of the picture.
    const long sx = TwipsToHimetric(src_x);
    const long sw = TwipsToHimetric(width);
    const long sh = TwipsToHimetric(height);
    const long sy = ph - TwipsToHimetric(src_y);
    const int w = scale.ToPixelsX(width);
    const int h = scale.ToPixelsY(height);
    if (w <= 0 || h <= 0) return S_OK;
    return p->Render(dc, dst_x, dst_y, w, h, sx, sy, sw, -sh, nullptr);
}

HRESULT DrawPicture(HDC dc, IUnknown* pic, const TwipsScale& scale, int x, int y) {
    float w = 0, h = 0;
    PictureSizeTwips(pic, w, h);
    if (w <= 0 || h <= 0) return S_FALSE;
    return PaintPicture(dc, pic, scale, x, y, 0, 0, w, h);
}

namespace {
com::Ptr<IPictureDisp> MakePicture(PICTDESC& desc, bool own) {
    desc.cbSizeofstruct = sizeof desc;
    com::Ptr<IPictureDisp> pic;
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, own, reinterpret_cast<void**>(pic.Out()));
    return pic;
}
}  // namespace

com::Ptr<IPictureDisp> PictureFromBitmap(HBITMAP bitmap, bool own) {
    PICTDESC desc = {};
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap;
    return MakePicture(desc, own);
}

com::Ptr<IPictureDisp> PictureFromIcon(HICON icon, bool own) {
    PICTDESC desc = {};
    desc.picType = PICTYPE_ICON;
    desc.icon.hicon = icon;
    return MakePicture(desc, own);
}

namespace {

// A bitmap the loader made within the cap; icons and metafiles are drawn
// by the platform and held in no pixel buffer of the programs.
bool FitsOnceLoaded(IPicture* pic) {
    short type = PICTYPE_NONE;
    PictureHandle(pic, &type);
    if (type != PICTYPE_BITMAP) return true;
    BITMAP bm{};
    if (!GetObjectA(PictureBitmap(pic), sizeof bm, &bm)) return false;
    return PictureFits(bm.bmWidth, std::llabs(bm.bmHeight));
}

}  // namespace

com::Ptr<IPicture> LoadPictureBytes(const void* data, size_t size) {
    com::Ptr<IPicture> pic;
    if (!data || size == 0 || size > static_cast<unsigned long long>(kMaxPictureFileBytes)) return pic;
    // A header that declares more pixels than the programs take is refused
    // before the platform's loader sets out to hold them.
    if (const auto declared = DeclaredPictureSize(static_cast<const uint8_t*>(data), size);
        declared && !PictureFits(declared->width, declared->height))
        return pic;
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!mem) return pic;
    if (void* p = GlobalLock(mem)) {
        memcpy(p, data, size);
        GlobalUnlock(mem);
    }
    com::Ptr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(mem, TRUE, stream.Out()))) {
        GlobalFree(mem);
        return pic;
    }
    OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture, reinterpret_cast<void**>(pic.Out()));
    // What the header did not tell (a kind it does not know, a frame larger
    // than its header says) is measured on the bitmap made.
    if (pic && !FitsOnceLoaded(pic.Get())) pic.Reset();
    return pic;
}

com::Ptr<IPicture> LoadPictureFile(const std::string& path) {
    std::FILE* f = text::OpenFile(path, "rb");
    if (!f) return {};
    // A file longer than any picture within the cap is not read at all.
    const int64_t length = text::FileLength(f);
    std::string bytes;
    bool read = false;
    if (length > 0 && length <= kMaxPictureFileBytes) {
        try {
            bytes.resize(static_cast<size_t>(length));
            read = std::fread(&bytes[0], 1, bytes.size(), f) == bytes.size();
        } catch (const std::bad_alloc&) {
            read = false;
        }
    }
    std::fclose(f);
    if (!read) return {};
    return LoadPictureBytes(bytes.data(), bytes.size());
}

}  // namespace vorne::activex
