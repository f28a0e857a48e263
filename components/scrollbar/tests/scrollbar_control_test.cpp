// The scroll bar control hosted in real windows: in our container, in a
// control array, and in Wine's ATL hosting window.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "Plovex1.h"
#include "runtime/activex/container.h"
#include "runtime/activex/picture.h"
#include "runtime/activex/property_bag.h"
#include "runtime/com/object.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using vorne::activex::ControlArray;
using vorne::activex::ControlSite;
using vorne::activex::EventArg;
using vorne::activex::HostScale;
using vorne::com::Ptr;

constexpr DISPID kEnabled = 0x68030036, kForeColor = 0x68030035, kMaxValue = 0x68030033, kMinValue = 0x68030032,
                 kValue = 0x68030031, kBarPicture = 0x68030030, kButtonPicture = 0x6803002F, kBarType = 0x6803002C;

void Pump(int ms) {
    DWORD end = GetTickCount() + ms;
    do {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

// A 24-bit bitmap of w x h pixels: the left half `left`, the right half `right`.
HBITMAP TwoColourBitmap(int w, int h, COLORREF left, COLORREF right) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* px = static_cast<DWORD*>(bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            COLORREF c = x < w / 2 ? left : right;
            px[y * w + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    return bmp;
}

Ptr<IPictureDisp> Picture(int w, int h, COLORREF left, COLORREF right) {
    return vorne::activex::PictureFromBitmap(TwoColourBitmap(w, h, left, right), true);
}

HRESULT Put(IDispatch* d, DISPID id, VARIANT v, WORD how = DISPATCH_PROPERTYPUT, EXCEPINFO* ei = nullptr) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS p = {&v, &named, 1, 1};
    return d->Invoke(id, IID_NULL, 0, how, &p, nullptr, ei, nullptr);
}

HRESULT PutLong(IDispatch* d, DISPID id, long value, EXCEPINFO* ei = nullptr) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return Put(d, id, v, DISPATCH_PROPERTYPUT, ei);
}

HRESULT PutPicture(IDispatch* d, DISPID id, IPictureDisp* pic) {
    VARIANT v;
    v.vt = VT_DISPATCH;
    v.pdispVal = pic;
    return Put(d, id, v, DISPATCH_PROPERTYPUTREF);
}

VARIANT Get(IDispatch* d, DISPID id) {
    VARIANT r;
    VariantInit(&r);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    d->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &r, nullptr, nullptr);
    return r;
}

long GetLong(IDispatch* d, DISPID id) {
    VARIANT r = Get(d, id);
    VARIANT l;
    VariantInit(&l);
    VariantChangeType(&l, &r, 0, VT_I4);
    VariantClear(&r);
    return l.lVal;
}

std::string Describe(DISPID id, DISPPARAMS* p) {
    std::string s = std::to_string(id);
    for (UINT i = 0; i < p->cArgs; ++i) {
        VARIANT* v = EventArg(p, i);
        VARIANT t;
        VariantInit(&t);
        VariantCopyInd(&t, v);
        VARIANT f;
        VariantInit(&f);
        VariantChangeType(&f, &t, 0, VT_R8);
        char b[32];
        std::snprintf(b, sizeof b, " %g", f.dblVal);
        s += b;
        VariantClear(&t);
    }
    return s;
}

class ScrollBarWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        OleInitialize(nullptr);
        module_ = LoadLibraryW(L"Plovex1.ocx");
        ASSERT_NE(module_, nullptr);
        auto get = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
            reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
        ASSERT_NE(get, nullptr);
        ASSERT_EQ(get(CLSID_ScrollBar, IID_IClassFactory, reinterpret_cast<void**>(&factory_)), S_OK);
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"ScrollBarTestHost";
        RegisterClassW(&wc);
    }
    static void TearDownTestSuite() {
        if (factory_) factory_->Release();
        factory_ = nullptr;
    }

    void SetUp() override {
        host_ = CreateWindowExW(WS_EX_TOPMOST, L"ScrollBarTestHost", L"Scroll bar host", WS_POPUP | WS_VISIBLE, 50,
                                50, 500, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(host_, nullptr);
        SetForegroundWindow(host_);
        Pump(50);
    }
    void TearDown() override {
        if (site_) site_->Destroy();
        site_.Reset();
        DestroyWindow(host_);
    }

    ControlSite& Place(int x, int y, int w, int h, IPropertyBag* bag = nullptr) {
        ControlSite::Options o;
        o.properties = bag;
        RECT r = {x, y, x + w, y + h};
        HRESULT hr = ControlSite::Create(
            host_, CLSID_ScrollBar, factory_, r, o,
            [this](ControlSite&, DISPID id, DISPPARAMS* p) {
                events_.push_back(Describe(id, p));
                if (on_event_) on_event_(id);
            },
            site_);
        EXPECT_EQ(hr, S_OK);
        return *site_.Get();
    }
    IDispatch* Bar() { return site_->Control(); }
    // The parts' windows: the track first, then the thumb.
    HWND Part(int k) {
        HWND w = GetWindow(site_->ControlWindow(), GW_CHILD);
        std::vector<HWND> all;
        for (; w; w = GetWindow(w, GW_HWNDNEXT)) all.push_back(w);
        // The thumb was brought to the front: first in z-order.
        return k == 1 ? all.front() : all.back();
    }
    COLORREF DrawnPixel(int x, int y) {
        RECT r = site_->PixelRect();
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bmp = CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bmp);
        Ptr<IViewObject> view = Ptr<IUnknown>(site_->Object()).As<IViewObject>(IID_IViewObject);
        RECTL bounds = {0, 0, r.right - r.left, r.bottom - r.top};
        view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0);
        COLORREF c = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
        return c;
    }
    void ScreenPoint(HWND w, int x, int y) {
        POINT p = {x, y};
        ClientToScreen(w, &p);
        SetCursorPos(p.x, p.y);
    }
    void Input(DWORD flags) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        SendInput(1, &in, sizeof in);
        Pump(60);
    }

    static HMODULE module_;
    static IClassFactory* factory_;
    HWND host_ = nullptr;
    Ptr<ControlSite> site_;
    std::vector<std::string> events_;
    std::function<void(DISPID)> on_event_;
};

// A sink of the control's events of our own, beside the site's: it logs the
// events it gets and its own release by the control.
class LoggingSink : public IDispatch {
public:
    explicit LoggingSink(std::vector<std::string>& log) : log_(log) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, DIID___ScrollBar)) {
            *ppv = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        if (--refs_ == 1) log_.push_back("released");
        return refs_;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        log_.push_back(std::to_string(id));
        return S_OK;
    }

private:
    std::vector<std::string>& log_;
    ULONG refs_ = 1;
};

HMODULE ScrollBarWindow::module_ = nullptr;
IClassFactory* ScrollBarWindow::factory_ = nullptr;

TEST_F(ScrollBarWindow, ActivatesInPlaceAndSnapsToItsBarPicture) {
    ControlSite& s = Place(10, 20, 0, 0);
    HWND w = s.ControlWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(GetParent(w), host_);
    // A new control is 5310 x 1230 twips, turned into pixels by the screen.
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(s.Width(), static_cast<float>(MulDiv(5310, dpi, 1440)));
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.right - r.left, MulDiv(5310, dpi, 1440));

    Ptr<IPictureDisp> bar = Picture(120, 18, RGB(0, 128, 0), RGB(0, 128, 0));
    ASSERT_EQ(PutPicture(Bar(), kBarPicture, bar.Get()), S_OK);
    // The container learned the new size through OnPosRectChange.
    EXPECT_EQ(s.Width(), 120);
    EXPECT_EQ(s.Height(), 18);
    GetClientRect(w, &r);
    EXPECT_EQ(r.right, 120);
    EXPECT_EQ(r.bottom, 18);
    EXPECT_THAT(s.Changes(), Contains(kBarPicture));
    // A host that resizes it gets it set back to the picture's size.
    s.Move(10, 20, 300, 60);
    EXPECT_EQ(s.Width(), 120);
    EXPECT_EQ(s.Height(), 18);
    // The extender answers in the host's scale (pixels here).
    EXPECT_EQ(GetLong(s.Extender(), vorne::activex::kDispidWidth), 120);
    EXPECT_EQ(GetLong(s.Extender(), vorne::activex::kDispidLeft), 10);
    EXPECT_EQ(GetLong(s.Extender(), kMaxValue), 100);  // forwarded to the control
}

TEST_F(ScrollBarWindow, ExtenderAnswersInTwipsForATwipsHost) {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    const float tpp = 1440.0f / dpi;
    ControlSite::Options o;
    o.scale = HostScale::kTwips;
    RECT r = {static_cast<LONG>(10 * tpp), static_cast<LONG>(20 * tpp), static_cast<LONG>(210 * tpp),
              static_cast<LONG>(50 * tpp)};
    ASSERT_EQ(ControlSite::Create(host_, CLSID_ScrollBar, factory_, r, o, nullptr, site_), S_OK);
    RECT w;
    GetWindowRect(site_->ControlWindow(), &w);
    MapWindowPoints(nullptr, host_, reinterpret_cast<POINT*>(&w), 2);
    EXPECT_EQ(w.left, 10);
    EXPECT_EQ(w.right - w.left, 200);
    EXPECT_EQ(GetLong(site_->Extender(), vorne::activex::kDispidWidth), static_cast<long>(200 * tpp));
    VARIANT v;
    v.vt = VT_R4;
    v.fltVal = 100 * tpp;
    ASSERT_EQ(Put(site_->Extender(), vorne::activex::kDispidWidth, v), S_OK);
    GetWindowRect(site_->ControlWindow(), &w);
    EXPECT_EQ(w.right - w.left, 100);
}

TEST_F(ScrollBarWindow, ThumbShowsTheStripHalves) {
    Place(10, 20, 0, 0);
    ASSERT_EQ(PutPicture(Bar(), kBarPicture, Picture(200, 20, RGB(0, 128, 0), RGB(0, 128, 0)).Get()), S_OK);
    ASSERT_EQ(PutPicture(Bar(), kButtonPicture, Picture(40, 20, RGB(255, 0, 0), RGB(0, 0, 255)).Get()), S_OK);
    RECT tr;
    GetClientRect(Part(1), &tr);
    EXPECT_EQ(tr.right, 20);
    EXPECT_EQ(tr.bottom, 20);
    EXPECT_EQ(DrawnPixel(5, 10), RGB(255, 0, 0));
    EXPECT_EQ(DrawnPixel(19, 19), RGB(255, 0, 0));
    EXPECT_EQ(DrawnPixel(100, 10), RGB(0, 128, 0));  // the track
    SendMessageW(Part(1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(DrawnPixel(5, 10), RGB(0, 0, 255));
    EXPECT_EQ(DrawnPixel(19, 0), RGB(0, 0, 255));
    // The painted frame survives a repaint of the window.
    RedrawWindow(Part(1), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(Part(1));
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(0, 0, 255));
    ReleaseDC(Part(1), dc);
    SendMessageW(Part(1), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(DrawnPixel(5, 10), RGB(255, 0, 0));
}

TEST_F(ScrollBarWindow, DragWithCaptureAndReleaseOutside) {
    Place(10, 20, 0, 0);
    PutPicture(Bar(), kBarPicture, Picture(200, 20, RGB(0, 128, 0), RGB(0, 128, 0)).Get());
    PutPicture(Bar(), kButtonPicture, Picture(40, 20, RGB(255, 0, 0), RGB(0, 0, 255)).Get());
    events_.clear();
    HWND thumb = Part(1);
    ScreenPoint(thumb, 10, 10);
    Pump(60);
    Input(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(GetCapture(), thumb);
    ScreenPoint(thumb, 100, 10);  // +90 px: 1350 twips of 2700 free
    Pump(60);
    EXPECT_EQ(GetLong(Bar(), kValue), 50);
    ScreenPoint(host_, 450, 150);  // far outside the control
    Pump(60);
    EXPECT_EQ(GetLong(Bar(), kValue), 100);  // pinned at the far end
    Input(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(GetCapture(), nullptr);
    // From the press on: MouseDown (left, on the thumb), Scroll and MouseMove
    // while dragging, and the release, which reaches the thumb through the
    // capture: Change, then MouseUp from the control's corner with OnButton
    // True. Released far from the thumb, it is no Click.
    size_t down = 0;
    while (down < events_.size() && events_[down].rfind("8 1 ", 0) != 0) ++down;
    ASSERT_LT(down, events_.size());
    EXPECT_EQ(events_[down].substr(events_[down].size() - 3), " -1");
    ASSERT_GE(events_.size(), down + 5);
    EXPECT_EQ(events_[down + 1], "2 1 0");  // Scroll
    EXPECT_EQ(events_[down + 2].rfind("9 1 ", 0), 0u) << events_[down + 2];
    const size_t n = events_.size();
    EXPECT_EQ(events_[n - 2], "1");
    const std::string up = events_[n - 1];
    EXPECT_EQ(up.rfind("10 1 0 ", 0), 0u) << up;
    EXPECT_EQ(up.substr(up.size() - 3), " -1") << up;
    float x = 0, y = 0;
    std::sscanf(up.c_str() + 7, "%f %f", &x, &y);
    HDC screen = GetDC(nullptr);
    const float twips_per_pixel = 1440.0f / GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    EXPECT_GT(x, site_->Width() * twips_per_pixel);  // released outside the control
    EXPECT_THAT(events_, ::testing::Not(Contains("3")));
    // The value is taken again now that the drag is over.
    PutLong(Bar(), kValue, 30);
    EXPECT_EQ(GetLong(Bar(), kValue), 30);
}

// Click needs the press and the release over the same part.
TEST_F(ScrollBarWindow, ClickNeedsThePressAndTheReleaseOverOnePart) {
    Place(10, 20, 0, 0);
    PutPicture(Bar(), kBarPicture, Picture(200, 20, RGB(0, 128, 0), RGB(0, 128, 0)).Get());
    PutPicture(Bar(), kButtonPicture, Picture(40, 20, RGB(255, 0, 0), RGB(0, 0, 255)).Get());
    HWND thumb = Part(1), track = Part(0);
    struct Case {
        HWND pressed;
        POINT down, up;  // in the pressed part
        bool click;
    } cases[] = {
        {thumb, {5, 5}, {6, 6}, true},
        {track, {150, 10}, {160, 12}, true},
        {thumb, {5, 5}, {150, 10}, false},   // let go over the track
        {track, {150, 10}, {5, 5}, false},   // let go over the thumb, which lies on the track
        {track, {150, 10}, {150, 60}, false},  // let go below the control
    };
    for (const Case& c : cases) {
        PutLong(Bar(), kValue, 0);
        events_.clear();
        SendMessageW(c.pressed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.down.x, c.down.y));
        SendMessageW(c.pressed, WM_LBUTTONUP, 0, MAKELPARAM(c.up.x, c.up.y));
        EXPECT_EQ(std::count(events_.begin(), events_.end(), "3"), c.click ? 1 : 0)
            << (c.pressed == thumb ? "thumb " : "track ") << c.up.x << "," << c.up.y;
    }
}

// A track picture larger than the track it replaces is drawn whole, set at
// run time and loaded from saved properties alike.
TEST_F(ScrollBarWindow, LargeTrackPictureIsDrawnWhole) {
    Place(10, 20, 0, 0);
    ASSERT_EQ(PutPicture(Bar(), kBarPicture, Picture(600, 120, RGB(0, 128, 0), RGB(0, 0, 200)).Get()), S_OK);
    ASSERT_EQ(site_->Width(), 600);
    ASSERT_EQ(site_->Height(), 120);
    auto expectWhole = [&] {
        EXPECT_EQ(DrawnPixel(70, 115), RGB(0, 128, 0));  // right of the thumb
        EXPECT_EQ(DrawnPixel(290, 100), RGB(0, 128, 0));
        EXPECT_EQ(DrawnPixel(400, 5), RGB(0, 0, 200));
        EXPECT_EQ(DrawnPixel(595, 115), RGB(0, 0, 200));
    };
    expectWhole();
    if (const char* hold = std::getenv("VORNE_HOLD_MS")) Pump(std::atoi(hold));
    Ptr<vorne::activex::MemoryPropertyBag> bag = vorne::activex::NewPropertyBag();
    ASSERT_EQ(site_->SaveProperties(bag.Get()), S_OK);
    site_->Destroy();
    Place(10, 20, 0, 0, bag.Get());
    ASSERT_EQ(site_->Width(), 600);
    expectWhole();
}

// A host that unloads the control in its Change handler while Enabled =
// False ends a drag: the control stays alive to the end of the release
// path, so MouseUp still follows Change, and only then does it go.
TEST_F(ScrollBarWindow, DisablingMidDragKeepsTheControlThroughTheReleasePath) {
    Place(10, 20, 0, 0);
    PutPicture(Bar(), kBarPicture, Picture(200, 20, RGB(0, 128, 0), RGB(0, 128, 0)).Get());
    std::vector<std::string> log;
    LoggingSink sink(log);
    Ptr<IConnectionPointContainer> cpc =
        Ptr<IUnknown>(site_->Object()).As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ASSERT_TRUE(cpc);
    Ptr<IConnectionPoint> cp;
    ASSERT_EQ(cpc->FindConnectionPoint(DIID___ScrollBar, cp.Out()), S_OK);
    DWORD cookie = 0;
    ASSERT_EQ(cp->Advise(&sink, &cookie), S_OK);
    cp.Reset();
    cpc.Reset();
    SendMessageW(Part(1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    Ptr<IDispatch> extender(site_->Extender());
    on_event_ = [this](DISPID id) {
        if (id == 1) site_->Destroy();  // the host unloads the control
    };
    log.clear();
    VARIANT off;
    off.vt = VT_BOOL;
    off.boolVal = VARIANT_FALSE;
    Put(extender.Get(), kEnabled, off);
    on_event_ = nullptr;
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "1");
    EXPECT_EQ(log[1], "10");
    extender.Reset();
    site_.Reset();
    EXPECT_THAT(log, Contains("released"));
}

TEST_F(ScrollBarWindow, LostCaptureEndsTheDrag) {
    Place(10, 20, 0, 0);
    PutPicture(Bar(), kBarPicture, Picture(200, 20, RGB(0, 128, 0), RGB(0, 128, 0)).Get());
    HWND thumb = Part(1);
    SendMessageW(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 2));
    PutLong(Bar(), kValue, 90);  // ignored while dragging
    EXPECT_EQ(GetLong(Bar(), kValue), 10);
    events_.clear();
    ReleaseCapture();  // taken away by someone else
    // The release path runs at once, before any message of the pointer's own.
    ASSERT_GE(events_.size(), 2u);
    EXPECT_EQ(events_[0], "1");
    EXPECT_EQ(events_[1].substr(0, 5), "10 1 ");
    PutLong(Bar(), kValue, 90);
    EXPECT_EQ(GetLong(Bar(), kValue), 90);
    // Disabling the control mid-drag ends it the same way.
    SendMessageW(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    events_.clear();
    VARIANT off;
    off.vt = VT_BOOL;
    off.boolVal = VARIANT_FALSE;
    Put(Bar(), kEnabled, off);
    EXPECT_THAT(events_, Contains("1"));
    PutLong(Bar(), kValue, 40);
    EXPECT_EQ(GetLong(Bar(), kValue), 40);
}

TEST_F(ScrollBarWindow, ErrorsOneAndTwoAsALateBoundCallerSeesThem) {
    Place(10, 20, 0, 0);
    struct Case { DISPID id; long value; long number; const wchar_t* text; };
    for (const Case& c : {Case{kMaxValue, 0, 1, L"Maximum value must be above Minimum Value"},
                          Case{kMinValue, 100, 2, L"Minimum value must be below Maximum Value"}}) {
        EXCEPINFO ei = {};
        EXPECT_EQ(PutLong(Bar(), c.id, c.value, &ei), DISP_E_EXCEPTION);
        EXPECT_EQ(HRESULT_FACILITY(ei.scode), FACILITY_CONTROL);
        EXPECT_EQ(HRESULT_CODE(ei.scode), c.number);
        ASSERT_NE(ei.bstrDescription, nullptr);
        EXPECT_STREQ(ei.bstrDescription, c.text);
        SysFreeString(ei.bstrDescription);
        SysFreeString(ei.bstrSource);
        SysFreeString(ei.bstrHelpFile);
    }
    EXPECT_EQ(GetLong(Bar(), kMaxValue), 100);
    EXPECT_EQ(GetLong(Bar(), kMinValue), 0);
    EXPECT_TRUE(site_->Changes().empty());
}

TEST_F(ScrollBarWindow, PersistsThroughAPropertyBagAndAStream) {
    Place(10, 20, 0, 0);
    PutLong(Bar(), kMaxValue, 500);
    PutLong(Bar(), kMinValue, 10);
    PutLong(Bar(), kValue, 250);
    PutLong(Bar(), kBarType, 2);
    PutLong(Bar(), kForeColor, RGB(1, 2, 3));
    PutPicture(Bar(), kBarPicture, Picture(150, 16, RGB(0, 128, 0), RGB(0, 128, 0)).Get());
    Ptr<vorne::activex::MemoryPropertyBag> bag = vorne::activex::NewPropertyBag();
    ASSERT_EQ(site_->SaveProperties(bag.Get()), S_OK);
    std::vector<std::wstring> names;
    for (size_t i = 0; i < bag->Count(); ++i) names.push_back(bag->NameAt(i));
    // Defaults are left out; the rest in their order.
    EXPECT_THAT(names, ElementsAre(L"ForeColor", L"MaxValue", L"MinValue", L"Value", L"BarPicture", L"BarType"));

    // Through a stream as well.
    Ptr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()), S_OK);
    Ptr<IPersistStreamInit> ps = Ptr<IUnknown>(site_->Object()).As<IPersistStreamInit>(IID_IPersistStreamInit);
    ASSERT_EQ(ps->Save(stream.Get(), TRUE), S_OK);

    site_->Destroy();
    Place(10, 60, 0, 0, bag.Get());
    EXPECT_EQ(GetLong(Bar(), kMaxValue), 500);
    EXPECT_EQ(GetLong(Bar(), kMinValue), 10);
    EXPECT_EQ(GetLong(Bar(), kValue), 250);
    EXPECT_EQ(GetLong(Bar(), kBarType), 2);
    EXPECT_EQ(GetLong(Bar(), kForeColor), static_cast<long>(RGB(1, 2, 3)));
    EXPECT_EQ(site_->Width(), 150);  // the track's picture sized it
    RECT thumb;
    GetWindowRect(Part(1), &thumb);
    MapWindowPoints(nullptr, site_->ControlWindow(), reinterpret_cast<POINT*>(&thumb), 2);
    EXPECT_EQ(thumb.left, 0);  // a loaded thumb is not placed

    site_->Destroy();
    Place(10, 100, 0, 0);
    LARGE_INTEGER zero = {};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    ps = Ptr<IUnknown>(site_->Object()).As<IPersistStreamInit>(IID_IPersistStreamInit);
    ASSERT_EQ(ps->Load(stream.Get()), S_OK);
    EXPECT_EQ(GetLong(Bar(), kMaxValue), 500);
    EXPECT_EQ(GetLong(Bar(), kValue), 250);
    EXPECT_EQ(site_->Width(), 150);
}

TEST_F(ScrollBarWindow, ControlArrayLoadsFromTheTemplateAndSurvivesSelfUnload) {
    std::vector<std::string> log;
    ControlArray* arr = nullptr;
    ControlArray bars(host_, CLSID_ScrollBar, factory_, HostScale::kPixels,
                      [&](ControlSite& s, DISPID id, DISPPARAMS*) {
                          log.push_back(std::to_string(s.Index()) + ":" + std::to_string(id));
                          if (id == 8) arr->Unload(s.Index());  // the host unloads the element in its event
                      });
    arr = &bars;
    ASSERT_EQ(bars.Init(RECT{0, 0, 100, 20}), S_OK);
    EXPECT_FALSE(IsWindowVisible(bars[0]->ControlWindow()));
    PutLong(bars[0]->Control(), kMaxValue, 65536);
    ASSERT_EQ(bars.Load(1), S_OK);
    ASSERT_EQ(bars.Load(2), S_OK);
    EXPECT_EQ(bars.UBound(), 2);
    EXPECT_EQ(GetLong(bars[1]->Control(), kMaxValue), 65536);
    bars[1]->SetVisible(true);
    bars[1]->Move(10, 30, 200, 20);
    bars[1]->ZOrder(0);
    EXPECT_EQ(GetLong(bars[1]->Extender(), vorne::activex::kDispidTop), 30);
    HWND el = bars[1]->ControlWindow();
    HWND thumb = GetWindow(el, GW_CHILD);
    SendMessageW(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(bars[1], nullptr);
    EXPECT_FALSE(IsWindow(el));
    EXPECT_THAT(log, ElementsAre("1:8"));
    bars.Unload(2);
    EXPECT_EQ(bars.UBound(), 0);
}

std::wstring RegValue(const std::wstring& key) {
    wchar_t buf[512] = {};
    LONG size = sizeof buf;
    if (RegQueryValueW(HKEY_CLASSES_ROOT, key.c_str(), buf, &size) != ERROR_SUCCESS) return L"<none>";
    return buf;
}

// Self-registration, and a container that is not ours: the ATL hosting
// window creates the control by ProgID and drives Value through IDispatch.
TEST_F(ScrollBarWindow, RegistersItselfAndRunsInTheAtlHostWindow) {
    auto reg = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(reinterpret_cast<void*>(GetProcAddress(module_, "DllRegisterServer")));
    auto unreg = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(reinterpret_cast<void*>(GetProcAddress(module_, "DllUnregisterServer")));
    ASSERT_EQ(reg(), S_OK);
    CLSID clsid = {};
    ASSERT_EQ(CLSIDFromProgID(L"Tolvaner.ScrollBar", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_ScrollBar));
    const std::wstring key = L"CLSID\\{9E116890-1980-459C-BE9D-02CA2023ABA2}";
    EXPECT_EQ(RegValue(key + L"\\ProgID"), L"Tolvaner.ScrollBar");
    EXPECT_NE(RegValue(key + L"\\Control"), L"<none>");
    EXPECT_NE(RegValue(key + L"\\ToolboxBitmap32"), L"<none>");
    Ptr<ITypeLib> lib;
    ASSERT_EQ(LoadRegTypeLib(LIBID_Tolvaner, 5, 0, 1033, lib.Out()), S_OK);
    TLIBATTR* attr = nullptr;
    lib->GetLibAttr(&attr);
    EXPECT_TRUE(attr->wLibFlags & LIBFLAG_FCONTROL);
    lib->ReleaseTLibAttr(attr);
    HRSRC bmp = FindResourceW(module_, MAKEINTRESOURCEW(1), reinterpret_cast<LPCWSTR>(RT_BITMAP));
    ASSERT_NE(bmp, nullptr);
    auto* info = static_cast<BITMAPINFOHEADER*>(LockResource(LoadResource(module_, bmp)));
    EXPECT_EQ(info->biWidth, 16);
    EXPECT_EQ(info->biHeight, 15);

    HMODULE atl = LoadLibraryW(L"atl.dll");
    ASSERT_NE(atl, nullptr);
    auto init = reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")));
    auto get_control = reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxGetControl")));
    ASSERT_TRUE(init && get_control);
    ASSERT_TRUE(init());
    HWND ax = CreateWindowExW(0, L"AtlAxWin", L"Tolvaner.ScrollBar", WS_CHILD | WS_VISIBLE, 10, 10, 300, 30, host_,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(ax, nullptr);
    Pump(50);
    IUnknown* unk = nullptr;
    ASSERT_EQ(get_control(ax, &unk), S_OK);
    Ptr<IUnknown> control = Ptr<IUnknown>::Adopt(unk);
    Ptr<IDispatch> disp = control.As<IDispatch>(IID_IDispatch);
    ASSERT_TRUE(disp);
    LPOLESTR name = const_cast<LPOLESTR>(L"Value");
    DISPID id = 0;
    ASSERT_EQ(disp->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
    EXPECT_EQ(id, kValue);
    EXPECT_EQ(PutLong(disp.Get(), id, 42), S_OK);
    EXPECT_EQ(GetLong(disp.Get(), id), 42);
    EXPECT_EQ(PutLong(disp.Get(), id, 1000), S_OK);
    EXPECT_EQ(GetLong(disp.Get(), id), 100);
    // It sits in place in the ATL window.
    Ptr<IOleWindow> window = control.As<IOleWindow>(IID_IOleInPlaceObject);
    HWND hwnd = nullptr;
    ASSERT_TRUE(window);
    window->GetWindow(&hwnd);
    EXPECT_EQ(GetParent(hwnd), ax);
    disp.Reset();
    window.Reset();
    control.Reset();
    DestroyWindow(ax);

    ASSERT_EQ(unreg(), S_OK);
    EXPECT_NE(CLSIDFromProgID(L"Tolvaner.ScrollBar", &clsid), S_OK);
    Ptr<ITypeLib> gone;
    EXPECT_NE(LoadRegTypeLib(LIBID_Tolvaner, 5, 0, 1033, gone.Out()), S_OK) << "the type library goes as well";
    ASSERT_EQ(reg(), S_OK);  // left registered for the hosts
}

// Keeps a skinned bar on the screen for VORNE_HOLD_MS milliseconds, for a
// screenshot taken from outside.
TEST_F(ScrollBarWindow, ShowsASkinnedBar) {
    Place(20, 40, 0, 0);
    PutPicture(Bar(), kBarPicture, Picture(300, 24, RGB(30, 90, 30), RGB(60, 160, 60)).Get());
    PutPicture(Bar(), kButtonPicture, Picture(48, 24, RGB(220, 40, 40), RGB(40, 40, 220)).Get());
    PutLong(Bar(), kValue, 40);
    UpdateWindow(host_);
    Pump(100);
    RECT thumb;
    GetWindowRect(Part(1), &thumb);
    MapWindowPoints(nullptr, site_->ControlWindow(), reinterpret_cast<POINT*>(&thumb), 2);
    EXPECT_EQ(thumb.left, (300 - 24) * 40 / 100);
    if (const char* hold = std::getenv("VORNE_HOLD_MS")) Pump(std::atoi(hold));
}

}  // namespace
