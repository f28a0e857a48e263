#include "platform/picclip/picture_clip.h"

#include <olectl.h>

#include <cstring>
#include <new>

#include "runtime/com/dispatch.h"
#include "runtime/com/error.h"
#include "runtime/com/object.h"

namespace vorne::picclip {
namespace {

using com::ComError;
using com::DispCall;
using com::DispMember;

// Run-time error numbers the clip raises, as controls report them.
constexpr HRESULT kInvalidPropertyValue = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 380);
constexpr HRESULT kInvalidPicture = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 481);

std::wstring Widen(const char* s) {
    std::wstring w;
    while (*s) w.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*s++)));
    return w;
}

[[noreturn]] void Raise(CellError e) {
    const HRESULT hr = e == CellError::NoPicture ? kInvalidPicture : kInvalidPropertyValue;
    throw ComError(hr, L"PictureClip", Widen(CellErrorText(e)));
}

HBITMAP NewDib24(int w, int h) {
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

HBITMAP CutCell(HBITMAP strip, int columns, int rows, int k, CellError& error) {
    BITMAP bm;
    if (!strip || GetObjectW(strip, sizeof bm, &bm) != sizeof bm) {
        error = CellError::NoPicture;
        return nullptr;
    }
    CellRect cell{};
    error = CellRectangle(bm.bmWidth, bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight, columns, rows, k, cell);
    if (error != CellError::None) return nullptr;

    HBITMAP out = NewDib24(cell.width, cell.height);
    HDC screen = GetDC(nullptr);
    HDC src = CreateCompatibleDC(screen);
    HDC dst = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldSrc = src ? SelectObject(src, strip) : nullptr;
    HGDIOBJ oldDst = (dst && out) ? SelectObject(dst, out) : nullptr;
    const bool ok = oldSrc && oldDst &&
                    BitBlt(dst, 0, 0, cell.width, cell.height, src, cell.left, cell.top, SRCCOPY);
    if (oldSrc) SelectObject(src, oldSrc);
    if (oldDst) SelectObject(dst, oldDst);
    if (src) DeleteDC(src);
    if (dst) DeleteDC(dst);
    if (!ok) {
        if (out) DeleteObject(out);
        error = CellError::NoPicture;
        return nullptr;
    }
    GdiFlush();
    return out;
}

namespace {

class PictureClip : public com::Object, public IDispatch {
public:
    VORNE_COM_REFCOUNT()

    ~PictureClip() override {
        if (picture_) picture_->Release();
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        return com::QueryTable(riid, ppv, {{&IID_IDispatch, static_cast<IDispatch*>(this)}});
    }
    VORNE_DISPATCH_TABLE(PictureClip)

    void GetPicture(DispCall& c) {
        if (!picture_) {
            c.ReturnUnknown(nullptr, true);
            return;
        }
        IPictureDisp* disp = nullptr;
        com::Check(picture_->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(&disp)));
        c.ReturnUnknown(disp, true);
        disp->Release();
    }

    // Takes a bitmap picture or Nothing; anything else is refused and the
    // picture held so far stays.
    void PutPicture(DispCall& c) {
        IUnknown* unk = c.ValueUnknown();
        IPicture* pic = nullptr;
        if (unk) {
            if (FAILED(unk->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&pic))))
                throw ComError(kInvalidPicture, L"PictureClip", L"The value is not a picture.");
            SHORT type = PICTYPE_NONE;
            pic->get_Type(&type);
            if (type != PICTYPE_BITMAP && type != PICTYPE_NONE) {
                pic->Release();
                throw ComError(kInvalidPicture, L"PictureClip", L"Only bitmap pictures can be divided into cells.");
            }
        }
        if (picture_) picture_->Release();
        picture_ = pic;
    }

    void PutCount(DispCall& c, int& field, CellError bad) {
        const long v = c.ValueLong();
        if (v < 1 || v > 32767) Raise(bad);
        field = static_cast<int>(v);
    }

    void GraphicCell(DispCall& c) {
        c.Expect(1, 1);
        const long k = c.Long(0);
        OLE_HANDLE handle = 0;
        SHORT type = PICTYPE_NONE;
        if (!picture_ || FAILED(picture_->get_Type(&type)) || type != PICTYPE_BITMAP ||
            FAILED(picture_->get_Handle(&handle)) || handle == 0)
            Raise(CellError::NoPicture);
        CellError error = CellError::None;
        HBITMAP cell = CutCell(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), cols_, rows_, static_cast<int>(k), error);
        if (!cell) Raise(error);
        PICTDESC desc;
        std::memset(&desc, 0, sizeof desc);
        desc.cbSizeofstruct = sizeof desc;
        desc.picType = PICTYPE_BITMAP;
        desc.bmp.hbitmap = cell;
        IPictureDisp* out = nullptr;
        const HRESULT hr = OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&out));
        if (FAILED(hr)) {
            DeleteObject(cell);
            com::Check(hr);
        }
        c.ReturnUnknown(out, true);
        out->Release();
    }

    int rows_ = 1;
    int cols_ = 1;

private:
    IPicture* picture_ = nullptr;
};

constexpr WORD kGet = DISPATCH_PROPERTYGET;
constexpr WORD kPut = DISPATCH_PROPERTYPUT;
constexpr WORD kPutRef = DISPATCH_PROPERTYPUTREF;

void PictureMember(PictureClip& s, DispCall& c) {
    if (c.IsPut() || c.IsPutRef())
        s.PutPicture(c);
    else
        s.GetPicture(c);
}
void RowsMember(PictureClip& s, DispCall& c) {
    if (c.IsPut())
        s.PutCount(c, s.rows_, CellError::BadRows);
    else
        c.ReturnShort(static_cast<short>(s.rows_));
}
void ColsMember(PictureClip& s, DispCall& c) {
    if (c.IsPut())
        s.PutCount(c, s.cols_, CellError::BadColumns);
    else
        c.ReturnShort(static_cast<short>(s.cols_));
}

const DispMember<PictureClip> kMembers[] = {
    {kDispPicture, L"Picture", kGet | kPut | kPutRef, PictureMember},
    {kDispRows, L"Rows", kGet | kPut, RowsMember},
    {kDispCols, L"Cols", kGet | kPut, ColsMember},
    {kDispGraphicCell, L"GraphicCell", kGet | DISPATCH_METHOD,
     [](PictureClip& s, DispCall& c) { s.GraphicCell(c); }},
};

const DispMember<PictureClip>* PictureClip::Members(size_t& count) {
    count = sizeof kMembers / sizeof kMembers[0];
    return kMembers;
}

}  // namespace

HRESULT CreatePictureClip(IDispatch** out) {
    if (!out) return E_POINTER;
    *out = new (std::nothrow) PictureClip();
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace vorne::picclip
