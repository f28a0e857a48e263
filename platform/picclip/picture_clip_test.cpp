#include "platform/picclip/picture_clip.h"

#include <gtest/gtest.h>
#include <olectl.h>

#include <cstring>
#include <vector>

namespace vorne::picclip {
namespace {

// A 24-bit strip whose cell c (of `cells`, each `cw` wide) is filled with
// colour 0x10 * (c + 1) in red, and whose top-left pixel of each cell is
// marked blue, so a shifted cut shows.
HBITMAP MakeStrip(int cells, int cw, int h) {
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = cells * cw;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const int stride = (cells * cw * 3 + 3) & ~3;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < cells * cw; ++x) {
            unsigned char* q = static_cast<unsigned char*>(bits) + y * stride + x * 3;
            const bool mark = (x % cw == 0) && y == 0;
            q[0] = mark ? 0xFF : 0;                                           // blue
            q[1] = 0;                                                         // green
            q[2] = static_cast<unsigned char>(0x10 * (x / cw + 1));          // red
        }
    GdiFlush();
    return bmp;
}

COLORREF PixelOf(HBITMAP bmp, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bmp);
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}

SIZE SizeOf(HBITMAP bmp) {
    BITMAP bm{};
    GetObjectW(bmp, sizeof bm, &bm);
    return SIZE{bm.bmWidth, bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight};
}

TEST(CutCell, EachCellOfAFourCellStripIsCutWhole) {
    HBITMAP strip = MakeStrip(4, 37, 25);
    ASSERT_NE(strip, nullptr);
    for (int k = 0; k < 4; ++k) {
        CellError e = CellError::BadCell;
        HBITMAP cell = CutCell(strip, 4, 1, k, e);
        ASSERT_NE(cell, nullptr) << k;
        EXPECT_EQ(e, CellError::None);
        const SIZE s = SizeOf(cell);
        EXPECT_EQ(s.cx, 37);
        EXPECT_EQ(s.cy, 25);
        EXPECT_EQ(PixelOf(cell, 0, 0), RGB(0x10 * (k + 1), 0, 0xFF)) << "cell " << k << " starts at its mark";
        EXPECT_EQ(PixelOf(cell, 36, 24), RGB(0x10 * (k + 1), 0, 0)) << "cell " << k;
        DeleteObject(cell);
    }
    DeleteObject(strip);
}

TEST(CutCell, BadRequestsGiveNullAndTheReason) {
    HBITMAP strip = MakeStrip(2, 28, 23);
    struct Case { int cols, rows, k; CellError e; } cases[] = {
        {2, 1, 2, CellError::BadCell}, {2, 1, -1, CellError::BadCell},
        {0, 1, 0, CellError::BadColumns}, {2, 0, 0, CellError::BadRows},
    };
    for (const Case& c : cases) {
        CellError e = CellError::None;
        EXPECT_EQ(CutCell(strip, c.cols, c.rows, c.k, e), nullptr);
        EXPECT_EQ(e, c.e);
    }
    CellError e = CellError::None;
    EXPECT_EQ(CutCell(nullptr, 2, 1, 0, e), nullptr);
    EXPECT_EQ(e, CellError::NoPicture);
    DeleteObject(strip);
}

// Late-bound calls as the player makes them.
HRESULT Put(IDispatch* d, DISPID id, VARIANT v, WORD kind = DISPATCH_PROPERTYPUT) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS p{&v, &named, 1, 1};
    return d->Invoke(id, IID_NULL, 0, kind, &p, nullptr, nullptr, nullptr);
}
HRESULT GetCell(IDispatch* d, long k, VARIANT* out, EXCEPINFO* ex) {
    VARIANT arg;
    VariantInit(&arg);
    V_VT(&arg) = VT_I4;
    V_I4(&arg) = k;
    DISPPARAMS p{&arg, nullptr, 1, 0};
    return d->Invoke(kDispGraphicCell, IID_NULL, 0, DISPATCH_PROPERTYGET, &p, out, ex, nullptr);
}
VARIANT Long(long v) {
    VARIANT r;
    VariantInit(&r);
    V_VT(&r) = VT_I4;
    V_I4(&r) = v;
    return r;
}

class PictureClipTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CreatePictureClip(&clip_), S_OK);
        PICTDESC desc{};
        desc.cbSizeofstruct = sizeof desc;
        desc.picType = PICTYPE_BITMAP;
        desc.bmp.hbitmap = MakeStrip(4, 36, 25);
        ASSERT_EQ(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&strip_)), S_OK);
    }
    void TearDown() override {
        if (strip_) strip_->Release();
        if (clip_) clip_->Release();
    }
    void Load(long cols, long rows) {
        VARIANT v;
        V_VT(&v) = VT_DISPATCH;
        V_DISPATCH(&v) = strip_;
        ASSERT_EQ(Put(clip_, kDispPicture, v, DISPATCH_PROPERTYPUTREF), S_OK);
        ASSERT_EQ(Put(clip_, kDispCols, Long(cols)), S_OK);
        ASSERT_EQ(Put(clip_, kDispRows, Long(rows)), S_OK);
    }

    IDispatch* clip_ = nullptr;
    IPictureDisp* strip_ = nullptr;
};

TEST_F(PictureClipTest, GraphicCellGivesANewPictureOfThatCell) {
    Load(4, 1);
    VARIANT out;
    VariantInit(&out);
    ASSERT_EQ(GetCell(clip_, 2, &out, nullptr), S_OK);
    ASSERT_EQ(V_VT(&out), VT_DISPATCH);
    IPicture* pic = nullptr;
    ASSERT_EQ(V_DISPATCH(&out)->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&pic)), S_OK);
    OLE_HANDLE h = 0;
    ASSERT_EQ(pic->get_Handle(&h), S_OK);
    HBITMAP bmp = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(h));
    EXPECT_EQ(SizeOf(bmp).cx, 36);
    EXPECT_EQ(PixelOf(bmp, 0, 0), RGB(0x30, 0, 0xFF));
    pic->Release();
    VariantClear(&out);
}

TEST_F(PictureClipTest, BadCellsAndCountsRaiseErrorsAndKeepTheSettings) {
    Load(4, 1);
    VARIANT out;
    VariantInit(&out);
    EXCEPINFO ex{};
    EXPECT_EQ(GetCell(clip_, 4, &out, &ex), DISP_E_EXCEPTION);
    EXPECT_NE(ex.bstrDescription, nullptr);
    SysFreeString(ex.bstrDescription);
    SysFreeString(ex.bstrSource);
    SysFreeString(ex.bstrHelpFile);
    EXPECT_NE(Put(clip_, kDispCols, Long(0)), S_OK);
    EXPECT_NE(Put(clip_, kDispRows, Long(-3)), S_OK);
    // The refused counts left 4 x 1 in place.
    EXPECT_EQ(GetCell(clip_, 3, &out, nullptr), S_OK);
    VariantClear(&out);
}

TEST_F(PictureClipTest, NoPictureIsAnErrorNotACrash) {
    VARIANT out;
    VariantInit(&out);
    EXPECT_TRUE(FAILED(GetCell(clip_, 0, &out, nullptr)));
    VARIANT nothing;
    V_VT(&nothing) = VT_DISPATCH;
    V_DISPATCH(&nothing) = nullptr;
    Load(2, 1);
    EXPECT_EQ(Put(clip_, kDispPicture, nothing, DISPATCH_PROPERTYPUTREF), S_OK);
    EXPECT_TRUE(FAILED(GetCell(clip_, 0, &out, nullptr)));
}

}  // namespace
}  // namespace vorne::picclip
