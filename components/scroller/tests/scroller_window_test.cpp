// The Scroller control in real windows under our container: design values,
// timed steps driven by WM_TIMER, the hand drag, font changes, persistence
// and the errors a late-bound caller sees.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "components/scroller/tests/scroller_host.h"
#include "runtime/testing/window_pixels.h"

namespace vorne::scroller::testing {
namespace {

class OleEnvironment : public ::testing::Environment {
public:
    void SetUp() override { OleInitialize(nullptr); }
    void TearDown() override { OleUninitialize(); }
};
const auto* const kOle = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

class ScrollerWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(host.Module(), nullptr) << "cannot load the OCX";
        ASSERT_NE(host.Factory(), nullptr);
        ASSERT_HRESULT_SUCCEEDED(host.Create());
        ctl = host.Control();
        host.UseInkColours();
        host.events.clear();
    }
    int Px(float twips) const { return static_cast<int>(std::lround(twips / host.TwipsPerPixel())); }

    ScrollerHost host;
    _Scroller* ctl = nullptr;
};

std::wstring Caption(_Scroller* ctl) {
    BSTR b = nullptr;
    ctl->get_Caption(&b);
    std::wstring s = b ? std::wstring(b, SysStringLen(b)) : std::wstring();
    SysFreeString(b);
    return s;
}

bool Scrolling(_Scroller* ctl) {
    VARIANT_BOOL on = VARIANT_FALSE;
    ctl->get_Enabled(&on);
    return on != VARIANT_FALSE;
}

TEST_F(ScrollerWindowTest, NewControlHasDesignValuesAndStandsCentred) {
    EXPECT_EQ(Caption(ctl), L"Scrolling Display");
    EXPECT_FALSE(Scrolling(ctl));
    LONG speed = 0;
    ctl->get_ScrollSpeed(&speed);
    EXPECT_EQ(speed, 100);
    direction dir = ScrollDown;
    ctl->get_ScrollDirection(&dir);
    EXPECT_EQ(dir, ScrollLeft);
    LRalignments h = AlignLeft, t = AlignLeft;
    UDalignments v = AlignTop;
    ctl->get_HorizontalAlignment(&h);
    ctl->get_VerticalAlignment(&v);
    ctl->get_TextAlignment(&t);
    EXPECT_EQ(h, AlignCentre);
    EXPECT_EQ(v, AlignMiddle);
    EXPECT_EQ(t, AlignCentre);

    com::Ptr<IFontDisp> disp;
    ASSERT_HRESULT_SUCCEEDED(ctl->get_Font(disp.Out()));
    activex::FontSpec face;
    ASSERT_TRUE(activex::ReadFontSpec(disp.Get(), face));
    // Our container has no ambient font: the design font, as the platform
    // realises it.
    activex::FontSpec asked;
    asked.name = L"MS Sans Serif";
    asked.points = 13.5f;
    activex::FontSpec design;
    ASSERT_TRUE(activex::ReadFontSpec(activex::CreateStdFont(asked).Get(), design));
    EXPECT_EQ(face.name, design.name);
    EXPECT_FLOAT_EQ(face.points, 13.5f);
    EXPECT_FALSE(face.bold);

    EXPECT_EQ(Px(host.ClientWidthTwips()), Px(3945));
    EXPECT_EQ(Px(host.ClientHeightTwips()), Px(675));

    // The ink lies inside the caption label, which stands centred.
    const Size2 label = host.MeasureCaption();
    const int left = Px(host.ClientWidthTwips() / 2 - label.width / 2);
    const int top = Px(host.ClientHeightTwips() / 2 - label.height / 2);
    const RECT ink = host.Ink();
    ASSERT_LT(ink.left, ink.right) << "no caption painted";
    EXPECT_GE(ink.left, left - 1);
    EXPECT_LE(ink.right, left + Px(label.width) + 1);
    EXPECT_GE(ink.top, top - 1);
    EXPECT_LE(ink.bottom, top + Px(label.height) + 1);
}

struct RunCase {
    const char* name;
    direction dir;
    int dx, dy;  // ink movement per tick, pixels
};

class ScrollerRunTest : public ScrollerWindowTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(ScrollerRunTest, StepsSixtyTwipsAndCompletesWhenCaptionLeft) {
    const RunCase& c = GetParam();
    ASSERT_HRESULT_SUCCEEDED(ctl->put_Enabled(VARIANT_TRUE));
    ASSERT_HRESULT_SUCCEEDED(ctl->put_ScrollDirection(c.dir));
    EXPECT_EQ(host.Ids(), (std::vector<DISPID>{kEventChangeScrollDirection, kEventScrollStart}));
    EXPECT_EQ(host.Ink().right, 0) << "a new run starts outside the control";

    const Size2 label = host.MeasureCaption();
    const bool horizontal = c.dir == ScrollLeft || c.dir == ScrollRight;
    const float run = horizontal ? host.ClientWidthTwips() + label.width : host.ClientHeightTwips() + label.height;
    const float along = horizontal ? label.width : label.height;

    // Once the caption is wholly inside, each tick moves its ink 60 twips.
    const int inside = static_cast<int>(std::ceil(along / 60.0f)) + 1;
    host.Tick(inside);
    const RECT a = host.Ink();
    host.Tick();
    const RECT b = host.Ink();
    ASSERT_LT(a.left, a.right);
    EXPECT_EQ(b.left - a.left, c.dx);
    EXPECT_EQ(b.top - a.top, c.dy);

    host.events.clear();
    const int total = static_cast<int>(std::floor(run / 60.0f)) + 1;
    EXPECT_EQ(host.TicksToComplete(), total - inside - 1);
    // The next run starts within the same tick.
    EXPECT_EQ(host.Ids(), (std::vector<DISPID>{kEventScrollComplete, kEventScrollStart}));
    EXPECT_EQ(host.Ink().right, 0);
}

INSTANTIATE_TEST_SUITE_P(Directions, ScrollerRunTest,
                         ::testing::Values(RunCase{"Left", ScrollLeft, -4, 0}, RunCase{"Right", ScrollRight, 4, 0},
                                           RunCase{"Up", ScrollUp, 0, -4}, RunCase{"Down", ScrollDown, 0, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScrollerWindowTest, StrayTickWhileOffMovesNothing) {
    const RECT before = host.Ink();
    host.Tick(5);
    const RECT after = host.Ink();
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_TRUE(host.events.empty());
}

// The caption scrolling left, wholly inside; returns its label rectangle in pixels.
RECT StartRunInside(ScrollerHost& host, _Scroller* ctl, int ticks) {
    ctl->put_Enabled(VARIANT_TRUE);
    ctl->ResetScroll(nullptr);
    host.Tick(ticks);
    const Size2 label = host.MeasureCaption();
    const float t = host.TwipsPerPixel();
    const float left = host.ClientWidthTwips() - 60.0f * ticks;
    const float top = host.ClientHeightTwips() / 2 - label.height / 2;
    RECT r;
    r.left = static_cast<LONG>(std::lround(left / t));
    r.top = static_cast<LONG>(std::lround(top / t));
    r.right = r.left + static_cast<LONG>(std::lround(label.width / t));
    r.bottom = r.top + static_cast<LONG>(std::lround(label.height / t));
    host.events.clear();
    return r;
}

TEST_F(ScrollerWindowTest, HandDragPausesMovesAlongAxisAndResumes) {
    const Size2 label = host.MeasureCaption();
    const RECT r = StartRunInside(host, ctl, static_cast<int>(std::ceil(label.width / 60.0f)) + 2);
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    const RECT start = host.Ink();

    host.Mouse(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    EXPECT_FALSE(Scrolling(ctl)) << "the press pauses the run";
    EXPECT_EQ(GetCapture(), host.Window());
    host.Tick(3);
    EXPECT_EQ(host.Ink().left, start.left);

    host.Mouse(WM_MOUSEMOVE, MK_LBUTTON, x + 10, y + 7);
    const RECT dragged = host.Ink();
    EXPECT_EQ(dragged.left, start.left + 10);
    EXPECT_EQ(dragged.top, start.top) << "the cross axis never moves by dragging";

    host.Mouse(WM_LBUTTONUP, 0, x + 10, y + 7);
    EXPECT_TRUE(Scrolling(ctl));
    EXPECT_NE(GetCapture(), host.Window());
    host.Tick();
    EXPECT_EQ(host.Ink().left, dragged.left - 4);

    ASSERT_EQ(host.Ids(), (std::vector<DISPID>{kEventMouseDown, kEventMouseMove, kEventMouseUp, kEventClick}));
    // Control coordinates in twips, button and shift as received.
    const float t = host.TwipsPerPixel();
    EXPECT_EQ(host.events[0].args, (std::vector<double>{1, 0, x * t, y * t}));
    EXPECT_EQ(host.events[1].args, (std::vector<double>{1, 0, (x + 10) * t, (y + 7) * t}));
    EXPECT_EQ(host.events[2].args, (std::vector<double>{1, 0, (x + 10) * t, (y + 7) * t}));
}

TEST_F(ScrollerWindowTest, LostReleaseRestoresTimerAndRaisesMouseUp) {
    const Size2 label = host.MeasureCaption();
    const RECT r = StartRunInside(host, ctl, static_cast<int>(std::ceil(label.width / 60.0f)) + 2);
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    host.Mouse(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    ASSERT_FALSE(Scrolling(ctl));
    ReleaseCapture();  // the release never reaches the control
    EXPECT_TRUE(Scrolling(ctl));
    EXPECT_EQ(host.Ids(), (std::vector<DISPID>{kEventMouseDown, kEventMouseUp}));
    EXPECT_EQ(host.events.back().args[0], 1);
}

TEST_F(ScrollerWindowTest, LostReleaseWhileOffStaysOff) {
    const RECT ink = host.Ink();
    host.Mouse(WM_LBUTTONDOWN, MK_LBUTTON, (ink.left + ink.right) / 2, (ink.top + ink.bottom) / 2);
    SendMessageW(host.Window(), WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(Scrolling(ctl));
    EXPECT_EQ(host.Count(kEventMouseUp), 1);
}

TEST_F(ScrollerWindowTest, RightPressLeavesScrolling) {
    const Size2 label = host.MeasureCaption();
    const RECT r = StartRunInside(host, ctl, static_cast<int>(std::ceil(label.width / 60.0f)) + 2);
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    host.Mouse(WM_RBUTTONDOWN, MK_RBUTTON, x, y);
    EXPECT_TRUE(Scrolling(ctl));
    host.Mouse(WM_RBUTTONUP, 0, x, y);
    EXPECT_TRUE(Scrolling(ctl));
    EXPECT_EQ(host.Ids(), (std::vector<DISPID>{kEventMouseDown, kEventMouseUp}));
    EXPECT_EQ(host.events[0].args[0], 2);
}

TEST_F(ScrollerWindowTest, FontChangeOnReturnedObjectRemeasuresAtOnce) {
    BSTR text = SysAllocString(L"Abc");
    ctl->put_Caption(text);  // short enough to stay inside when it grows
    SysFreeString(text);
    const RECT before = host.Ink();
    com::Ptr<IFontDisp> disp;
    ASSERT_HRESULT_SUCCEEDED(ctl->get_Font(disp.Out()));
    com::Ptr<IFont> font = disp.As<IFont>(IID_IFont);
    ASSERT_TRUE(font);
    CY size;
    size.int64 = 270000;  // 27 points
    ASSERT_HRESULT_SUCCEEDED(font->put_Size(size));
    const RECT bigger = host.Ink();
    EXPECT_GT(bigger.bottom - bigger.top, (before.bottom - before.top) * 3 / 2);
    EXPECT_GT(bigger.right - bigger.left, (before.right - before.left) * 3 / 2);
    // The label grows from where it stands; no layout runs.
    EXPECT_NEAR(bigger.left, before.left, 3);
    EXPECT_NEAR(bigger.top, before.top, 4);
    EXPECT_TRUE(host.events.empty());

    ASSERT_HRESULT_SUCCEEDED(font->put_Bold(TRUE));
    EXPECT_GT(host.Ink().right - host.Ink().left, bigger.right - bigger.left);

    // A run measures the new size: the exit comes after (width + label) / 60.
    ctl->put_Enabled(VARIANT_TRUE);
    ctl->ResetScroll(nullptr);
    const Size2 label = host.MeasureCaption();
    EXPECT_EQ(host.TicksToComplete(),
              static_cast<int>(std::floor((host.ClientWidthTwips() + label.width) / 60.0f)) + 1);
}

TEST_F(ScrollerWindowTest, FontSetByReferenceIsShownAndRefusesNothing) {
    activex::FontSpec face;
    face.name = L"Arial";
    face.points = 20;
    com::Ptr<IFontDisp> font = activex::CreateStdFont(face);
    const RECT before = host.Ink();
    ASSERT_HRESULT_SUCCEEDED(ctl->putref_Font(font.Get()));
    EXPECT_GT(host.Ink().bottom - host.Ink().top, before.bottom - before.top);
    com::Ptr<IFontDisp> back;
    ctl->get_Font(back.Out());
    EXPECT_EQ(back.Get(), font.Get());
    EXPECT_EQ(ctl->putref_Font(nullptr), static_cast<HRESULT>(0x800A017C));
}

TEST_F(ScrollerWindowTest, MultiLineCaptionTakesCrLf) {
    const RECT one = host.Ink();
    ASSERT_HRESULT_SUCCEEDED(ctl->put_Caption(SysAllocString(L"Scrolling Display\r\nSecond line")));
    const RECT two = host.Ink();
    EXPECT_GT(two.bottom - two.top, (one.bottom - one.top) * 3 / 2);
    const Size2 label = host.MeasureCaption();
    EXPECT_GE(two.top, Px(host.ClientHeightTwips() / 2 - label.height / 2) - 1);
}

// --- persistence ------------------------------------------------------------------------

std::vector<std::wstring> Keys(activex::MemoryPropertyBag* bag) {
    std::vector<std::wstring> keys;
    for (size_t i = 0; i < bag->Count(); ++i) keys.push_back(bag->NameAt(i));
    return keys;
}

TEST_F(ScrollerWindowTest, PropertyBagRoundTrip) {
    ctl->put_ForeColor(0x000000FF);
    ctl->put_BorderStyle(1);
    ctl->put_ScrollDirection(ScrollUp);
    ctl->put_TextAlignment(AlignRight);
    BSTR text = SysAllocString(L"One\r\nTwo");
    ctl->put_Caption(text);
    SysFreeString(text);
    ctl->put_ScrollSpeed(250);
    ctl->put_MousePointer(3);
    ctl->put_HorizontalAlignment(AlignLeft);
    ctl->put_VerticalAlignment(AlignBottom);
    com::Ptr<IFontDisp> disp;
    ctl->get_Font(disp.Out());
    disp.As<IFont>(IID_IFont)->put_Italic(TRUE);

    com::Ptr<activex::MemoryPropertyBag> bag = activex::NewPropertyBag();
    ASSERT_HRESULT_SUCCEEDED(host.Site()->SaveProperties(bag.Get()));
    // Defaults are left out: BackColor was white (stored), scrolling stays off.
    EXPECT_EQ(Keys(bag.Get()),
              (std::vector<std::wstring>{L"BackColor", L"ForeColor", L"Enabled", L"Font", L"BorderStyle",
                                         L"ScrollDirection", L"TextAlignment", L"Caption", L"ScrollSpeed",
                                         L"MousePointer", L"HorizontalAlignment", L"VerticalAlignment"}));

    ScrollerHost other;
    ASSERT_HRESULT_SUCCEEDED(other.Create(10, 80, bag.Get()));
    _Scroller* c = other.Control();
    OLE_COLOR fore = 0, back = 0;
    c->get_ForeColor(&fore);
    c->get_BackColor(&back);
    EXPECT_EQ(fore, 0x000000FFu);
    EXPECT_EQ(back, 0x00FFFFFFu);
    EXPECT_FALSE(Scrolling(c));
    short border = 0, pointer = 0;
    c->get_BorderStyle(&border);
    c->get_MousePointer(&pointer);
    EXPECT_EQ(border, 1);
    EXPECT_EQ(pointer, 3);
    direction dir = ScrollLeft;
    c->get_ScrollDirection(&dir);
    EXPECT_EQ(dir, ScrollUp);
    LRalignments t = AlignLeft, h = AlignCentre;
    UDalignments v = AlignTop;
    c->get_TextAlignment(&t);
    c->get_HorizontalAlignment(&h);
    c->get_VerticalAlignment(&v);
    EXPECT_EQ(t, AlignRight);
    EXPECT_EQ(h, AlignLeft);
    EXPECT_EQ(v, AlignBottom);
    EXPECT_EQ(Caption(c), L"One\r\nTwo");
    LONG speed = 0;
    c->get_ScrollSpeed(&speed);
    EXPECT_EQ(speed, 250);
    com::Ptr<IFontDisp> font;
    c->get_Font(font.Out());
    activex::FontSpec face;
    ASSERT_TRUE(activex::ReadFontSpec(font.Get(), face));
    EXPECT_TRUE(face.italic);
    activex::FontSpec saved;
    ASSERT_TRUE(activex::ReadFontSpec(disp.Get(), saved));
    EXPECT_EQ(face.name, saved.name);
    EXPECT_NE(font.Get(), disp.Get()) << "the loaded control has a font of its own";
    // Loaded while off: no ScrollStart, caption centred.
    EXPECT_EQ(other.Count(kEventScrollStart), 0);
}

TEST_F(ScrollerWindowTest, StreamRoundTripKeepsFont) {
    com::Ptr<IFontDisp> disp;
    ctl->get_Font(disp.Out());
    disp.As<IFont>(IID_IFont)->put_Bold(TRUE);
    BSTR text = SysAllocString(L"Streamed");
    ctl->put_Caption(text);
    SysFreeString(text);
    com::Ptr<IPersistStreamInit> persist;
    ctl->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(persist.Out()));
    ASSERT_TRUE(persist);
    com::Ptr<IStream> stream;
    ASSERT_HRESULT_SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()));
    ASSERT_HRESULT_SUCCEEDED(persist->Save(stream.Get(), TRUE));
    LARGE_INTEGER zero = {};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);

    com::Ptr<_Scroller> copy;
    ASSERT_HRESULT_SUCCEEDED(host.Factory()->CreateInstance(nullptr, IID__Scroller, reinterpret_cast<void**>(copy.Out())));
    com::Ptr<IPersistStreamInit> load = copy.As<IPersistStreamInit>(IID_IPersistStreamInit);
    ASSERT_HRESULT_SUCCEEDED(load->Load(stream.Get()));
    EXPECT_EQ(Caption(copy.Get()), L"Streamed");
    com::Ptr<IFontDisp> font;
    copy->get_Font(font.Out());
    activex::FontSpec face;
    ASSERT_TRUE(activex::ReadFontSpec(font.Get(), face));
    EXPECT_TRUE(face.bold);
    EXPECT_FLOAT_EQ(face.points, 13.5f);
}

TEST_F(ScrollerWindowTest, RefusedValueInBagDoesNotAbortLoad) {
    com::Ptr<activex::MemoryPropertyBag> bag = activex::NewPropertyBag();
    auto put = [&](const wchar_t* key, VARIANT v) {
        bag->Write(key, &v);
        VariantClear(&v);
    };
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = 9;
    put(L"TextAlignment", v);
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(L"After");
    put(L"Caption", v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = 70000;
    put(L"ScrollSpeed", v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = 70000;
    put(L"MousePointer", v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = AlignTop;
    put(L"VerticalAlignment", v);

    ScrollerHost other;
    ASSERT_HRESULT_SUCCEEDED(other.Create(10, 80, bag.Get()));
    _Scroller* c = other.Control();
    EXPECT_EQ(Caption(c), L"After");
    LONG speed = 0;
    c->get_ScrollSpeed(&speed);
    EXPECT_EQ(speed, 100);
    LRalignments t = AlignLeft;
    c->get_TextAlignment(&t);
    EXPECT_EQ(t, AlignCentre);
    UDalignments va = AlignMiddle;
    c->get_VerticalAlignment(&va);
    EXPECT_EQ(va, AlignTop);
    // Without an "Enabled" key the control scrolls; the run starts just
    // outside the right edge.
    EXPECT_TRUE(Scrolling(c));
    other.UseInkColours();
    EXPECT_EQ(other.Ink().right, 0);
    other.Tick(3);
    EXPECT_GT(other.Ink().right, 0);
}

// A picture that answers as one only the first time it is asked: the mouse
// icon read from the bag then fails inside the control's own load.
class FickleIcon : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (IsEqualIID(riid, IID_IPictureDisp) && asked_++ > 0) return E_NOINTERFACE;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) && !IsEqualIID(riid, IID_IPictureDisp))
            return E_NOINTERFACE;
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs_; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    int asked_ = 0;
    ULONG refs_ = 1;
};

// A failure inside the control's load is returned to the container as an
// error; nothing is thrown across the interface.
TEST_F(ScrollerWindowTest, FailureInsideLoadIsReturnedNotThrown) {
    FickleIcon icon;
    com::Ptr<activex::MemoryPropertyBag> bag = activex::NewPropertyBag();
    VARIANT v;
    V_VT(&v) = VT_UNKNOWN;
    V_UNKNOWN(&v) = &icon;
    bag->Write(L"MouseIcon", &v);
    com::Ptr<_Scroller> copy;
    ASSERT_HRESULT_SUCCEEDED(
        host.Factory()->CreateInstance(nullptr, IID__Scroller, reinterpret_cast<void**>(copy.Out())));
    com::Ptr<IPersistPropertyBag> load = copy.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    ASSERT_TRUE(load);
    const HRESULT hr = load->Load(bag.Get(), nullptr);
    EXPECT_TRUE(FAILED(hr));
    EXPECT_EQ(HRESULT_FACILITY(hr), FACILITY_CONTROL) << std::hex << hr;
    // The control still answers.
    LONG speed = 0;
    EXPECT_HRESULT_SUCCEEDED(copy->get_ScrollSpeed(&speed));
}

// --- late binding --------------------------------------------------------------------------

struct PutCase {
    const char* name;
    const wchar_t* member;
    long value;
    HRESULT scode;
    const wchar_t* description;
};

class LateBoundPutTest : public ScrollerWindowTest, public ::testing::WithParamInterface<PutCase> {};

TEST_P(LateBoundPutTest, RefusalReachesCallerWithNumberAndText) {
    const PutCase& c = GetParam();
    for (IDispatch* disp : {static_cast<IDispatch*>(ctl), host.Site()->Extender()}) {
        ASSERT_NE(disp, nullptr);
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR name = const_cast<LPOLESTR>(c.member);
        ASSERT_HRESULT_SUCCEEDED(disp->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id));
        VARIANT before;
        VariantInit(&before);
        DISPPARAMS none = {nullptr, nullptr, 0, 0};
        ASSERT_HRESULT_SUCCEEDED(disp->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                                              &before, nullptr, nullptr));
        VARIANT arg;
        V_VT(&arg) = VT_I4;
        V_I4(&arg) = c.value;
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params = {&arg, &named, 1, 1};
        EXCEPINFO info = {};
        UINT argErr = 0;
        HRESULT hr = disp->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, &info,
                                  &argErr);
        ASSERT_EQ(hr, DISP_E_EXCEPTION);
        EXPECT_EQ(info.scode, c.scode);
        EXPECT_STREQ(info.bstrDescription, c.description);
        SysFreeString(info.bstrDescription);
        SysFreeString(info.bstrSource);
        SysFreeString(info.bstrHelpFile);
        VARIANT after;
        VariantInit(&after);
        disp->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &after, nullptr, nullptr);
        EXPECT_EQ(VarCmp(&before, &after, LOCALE_USER_DEFAULT, 0), static_cast<HRESULT>(VARCMP_EQ));
    }
}

constexpr HRESULT k380 = static_cast<HRESULT>(0x800A017C);
constexpr HRESULT k6 = static_cast<HRESULT>(0x800A0006);

INSTANTIATE_TEST_SUITE_P(
    Members, LateBoundPutTest,
    ::testing::Values(PutCase{"ScrollSpeed70000", L"ScrollSpeed", 70000, k380, L"Invalid property value"},
                      PutCase{"ScrollSpeedNegative", L"ScrollSpeed", -1, k380, L"Invalid property value"},
                      PutCase{"TextAlignmentThree", L"TextAlignment", 3, k380, L"Invalid property value"},
                      PutCase{"TextAlignmentBeyondInteger", L"TextAlignment", 40000, k6, L"Overflow"},
                      PutCase{"MousePointerUnknown", L"MousePointer", 16, k380, L"Invalid property value"},
                      PutCase{"MousePointerBeyondInteger", L"MousePointer", 70000, k6, L"Overflow"},
                      PutCase{"BorderStyleTwo", L"BorderStyle", 2, k380, L"Invalid property value"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScrollerWindowTest, ResetScrollIsEmptyAndDirectionRestartsRun) {
    IDispatch* disp = ctl;
    ctl->put_Enabled(VARIANT_TRUE);
    host.events.clear();
    VARIANT result;
    VariantInit(&result);
    V_VT(&result) = VT_I4;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    ASSERT_HRESULT_SUCCEEDED(
        disp->Invoke(0x60030063, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, &result, nullptr, nullptr));
    EXPECT_EQ(V_VT(&result), VT_EMPTY);
    EXPECT_EQ(host.Ids(), (std::vector<DISPID>{kEventScrollStart}));
    // Setting the same direction again still restarts.
    ctl->put_ScrollDirection(ScrollLeft);
    EXPECT_EQ(host.Ids(), (std::vector<DISPID>{kEventScrollStart, kEventChangeScrollDirection, kEventScrollStart}));
    // Each let reports its change by name to the container.
    EXPECT_FALSE(host.Site()->Changes().empty());
    EXPECT_EQ(host.Site()->Changes().back(), 0x6803004F);
}

// --- lifetime --------------------------------------------------------------------------------

TEST_F(ScrollerWindowTest, CompleteHandlerMayDestroyTheControl) {
    ctl->put_Enabled(VARIANT_TRUE);
    ctl->ResetScroll(nullptr);
    HWND window = host.Window();
    bool destroyed = false;
    host.onEvent = [&](DISPID id) {
        if (id == kEventScrollComplete && !destroyed) {
            destroyed = true;
            host.Destroy();  // drops every reference the host holds
        }
    };
    for (int i = 0; i < 2000 && !destroyed; ++i) SendMessageW(window, WM_TIMER, kStepTimerId, 0);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(IsWindow(window));
    host.ReleaseFactory();
    using CanUnloadFn = HRESULT(WINAPI*)();
    auto canUnload = reinterpret_cast<CanUnloadFn>(reinterpret_cast<void*>(GetProcAddress(host.Module(), "DllCanUnloadNow")));
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(canUnload(), S_OK) << "every object of the OCX is gone";
}

// Pictures of a running caption at three ticks, written as bitmaps into the
// folder VORNE_SHOT_DIR names (a Windows path); skipped without it.
TEST_F(ScrollerWindowTest, ScreenshotsAtThreeTicks) {
    const char* dir = std::getenv("VORNE_SHOT_DIR");
    if (!dir || !*dir) GTEST_SKIP() << "VORNE_SHOT_DIR not set";
    ctl->put_BackColor(0x00000000);
    ctl->put_ForeColor(0x0000FF00);
    ctl->put_BorderStyle(1);
    BSTR text = SysAllocString(L"Vorne  - 1.0 (build 1)\r\nScrolling caption");
    ctl->put_Caption(text);
    SysFreeString(text);
    ctl->put_Enabled(VARIANT_TRUE);
    ctl->ResetScroll(nullptr);
    const int ticks[] = {20, 45, 70};
    int done = 0;
    for (int t : ticks) {
        host.Tick(t - done);
        done = t;
        const std::string path = std::string(dir) + "\\tick" + std::to_string(t) + ".bmp";
        ASSERT_TRUE(vorne::testing::SaveBmpFile(path, host.Pixels())) << path;
    }
    // Keep the window up for a moment, for a picture of the whole screen.
    const DWORD until = GetTickCount() + 1500;
    MSG msg;
    while (GetTickCount() < until) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(20);
    }
}

}  // namespace
}  // namespace vorne::scroller::testing
