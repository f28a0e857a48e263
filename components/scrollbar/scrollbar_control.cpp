#include "components/scrollbar/scrollbar_control.h"

#include <string>

#include "components/scrollbar/scrollbar_dispids.h"
#include "runtime/activex/picture.h"
#include "runtime/com/error.h"

namespace vorne::scrollbar {

namespace {

using activex::MouseAction;
using activex::PartInput;
using com::DispCall;
using com::DispMember;

const activex::ControlClass kClass = {
    &CLSID_ScrollBar,
    &IID__ScrollBar,
    &DIID___ScrollBar,
    OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
        OLEMISC_SETCLIENTSITEFIRST,
    kNewControlWidth,
    kNewControlHeight,
};

// Errors 1 and 2 are plain numbers; automation clients see them through the
// control facility, as numbers 1 and 2.
[[noreturn]] void Fail(int error) {
    std::string d = ErrorDescription(error);
    throw com::ComError(MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, error), std::wstring(),
                        std::wstring(d.begin(), d.end()));
}

template <class F>
HRESULT Run(F&& f) {
    return com::Guard(IID__ScrollBar, std::forward<F>(f));
}

}  // namespace

ScrollBarControl::ScrollBarControl()
    : activex::Control(kClass), model_(*this), picbar_(*this, Scale()), picbtn_(*this, Scale()) {
    picbar_.SetBackColor(kDefaultTrackColour);
    picbtn_.SetBackColor(kDefaultThumbColour);
    PartsChanged();
    // The empty picture that BarPicture and ButtonPicture give when unset.
    PICTDESC none = {};
    none.cbSizeofstruct = sizeof none;
    none.picType = PICTYPE_NONE;
    OleCreatePictureIndirect(&none, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(blank_.Out()));
}

ScrollBarControl::~ScrollBarControl() { DestroyParts(); }

HRESULT ScrollBarControl::QueryInterface(REFIID riid, void** ppv) {
    return QueryControl(riid, ppv, static_cast<_ScrollBar*>(this));
}

// --- parts -------------------------------------------------------------------------

void ScrollBarControl::CreateParts(HWND surface) {
    picbar_.Create(surface);
    picbtn_.Create(surface);
    SetWindowPos(picbtn_.Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PartsChanged();
    if (!Enabled()) SetEnabled(false);
}

void ScrollBarControl::DestroyParts() {
    picbtn_.Destroy();
    picbar_.Destroy();
}

void ScrollBarControl::PartsChanged() {
    const Box& t = model_.Track();
    const Box& b = model_.Thumb();
    if (t.left != picbar_.Left() || t.top != picbar_.Top() || t.width != picbar_.Width() ||
        t.height != picbar_.Height())
        picbar_.SetBounds(t.left, t.top, t.width, t.height);
    if (b.left != picbtn_.Left() || b.top != picbtn_.Top() || b.width != picbtn_.Width() ||
        b.height != picbtn_.Height())
        picbtn_.SetBounds(b.left, b.top, b.width, b.height);
}

void ScrollBarControl::DrawParts(HDC dc, int x, int y) {
    picbar_.DrawTo(dc, x + Scale().ToPixelsX(picbar_.Left()), y + Scale().ToPixelsY(picbar_.Top()));
    picbtn_.DrawTo(dc, x + Scale().ToPixelsX(picbtn_.Left()), y + Scale().ToPixelsY(picbtn_.Top()));
}

// --- user control events -----------------------------------------------------------------

void ScrollBarControl::InitProperties() { model_.InitProperties(); }

void ScrollBarControl::Resize() { model_.Resize(ScaleWidth(), ScaleHeight()); }

void ScrollBarControl::ReadProperties(activex::PropertyReader& bag) {
    SetEnabled(bag.Bool(L"Enabled", true));
    picbtn_.SetBackColor(static_cast<OLE_COLOR>(bag.Long(L"ForeColor", static_cast<long>(kDefaultThumbColour))));
    picbar_.SetBackColor(static_cast<OLE_COLOR>(bag.Long(L"BackColor", static_cast<long>(kDefaultTrackColour))));
    const long max = bag.Long(L"MaxValue", kDefaultMax);
    const long min = bag.Long(L"MinValue", kDefaultMin);
    const long value = bag.Long(L"Value", 0);
    model_.LoadBounds(max, min, value);
    com::Ptr<IPictureDisp> bar = bag.Picture(L"BarPicture");
    picbar_.SetPicture(bar.Get());
    float w = 0, h = 0;
    activex::PictureSizeTwips(bar.Get(), w, h);
    model_.LoadBarPicture(activex::PictureLoaded(bar.Get()), w, h);
    com::Ptr<IPictureDisp> strip = bag.Picture(L"ButtonPicture");
    xfer_.SetPicture(strip.Get());
    model_.LoadButtonPicture(xfer_.Loaded(), xfer_.Width(), xfer_.Height());
    com::Ptr<IPictureDisp> icon = bag.Picture(L"MouseIcon");
    SetMouseIconProp(icon.Get());
    picbtn_.SetMousePointer(bag.Short(L"MousePointer", 0));
    model_.LoadBarType(bag.Long(L"BarType", 0));
    model_.EndLoad();
    // The track has the picture's size only now: draw it again, whole.
    picbar_.Cls();
}

void ScrollBarControl::WriteProperties(activex::PropertyWriter& bag) {
    bag.Bool(L"Enabled", Enabled(), true);
    bag.Long(L"ForeColor", static_cast<long>(picbtn_.BackColor()), static_cast<long>(kDefaultThumbColour));
    bag.Long(L"BackColor", static_cast<long>(picbar_.BackColor()), static_cast<long>(kDefaultTrackColour));
    bag.Long(L"MaxValue", model_.MaxValue(), kDefaultMax);
    bag.Long(L"MinValue", model_.MinValue(), kDefaultMin);
    bag.Long(L"Value", model_.Value(), 0);
    bag.Picture(L"BarPicture", picbar_.Picture());
    bag.Picture(L"ButtonPicture", xfer_.Picture());
    bag.Picture(L"MouseIcon", picbtn_.MouseIcon());
    bag.Short(L"MousePointer", picbtn_.MousePointer(), 0);
    bag.Long(L"BarType", model_.GetBarType(), 0);
}

// --- input -----------------------------------------------------------------------------------

bool ScrollBarControl::ReleasedOver(activex::PicturePart& part, float x, float y) const {
    HWND surface = SurfaceWindow();
    if (!part.Window() || !surface) return false;
    POINT p = {Scale().ToPixelsX(x), Scale().ToPixelsY(y)};
    MapWindowPoints(part.Window(), surface, &p, 1);
    RECT r;
    GetClientRect(surface, &r);
    if (!PtInRect(&r, p)) return false;
    // The topmost part under the pointer: the thumb lies over the track.
    return ChildWindowFromPointEx(surface, p, CWP_SKIPINVISIBLE) == part.Window();
}

void ScrollBarControl::OnMouse(activex::PicturePart& part, MouseAction action, short button, short shift, float x,
                               float y) {
    // Click follows a press and a release of the left button over the same part.
    if (button == 1 && action == MouseAction::kDown) {
        pressed_ = &part;
        click_ = false;
    } else if (button == 1 && action == MouseAction::kUp) {
        click_ = pressed_ == &part && ReleasedOver(part, x, y);
        pressed_ = nullptr;
    }
    if (&part == &picbtn_) {
        if (action == MouseAction::kDown) model_.ThumbMouseDown(button, shift, x, y);
        if (action == MouseAction::kMove) model_.ThumbMouseMove(button, shift, x, y);
        if (action == MouseAction::kUp) model_.ThumbMouseUp(button, shift, x, y);
    } else if (&part == &picbar_) {
        if (action == MouseAction::kDown) model_.TrackMouseDown(button, shift, x, y);
        if (action == MouseAction::kMove) model_.TrackMouseMove(button, shift, x, y);
        if (action == MouseAction::kUp) model_.TrackMouseUp(button, shift, x, y);
    } else {
        if (action == MouseAction::kDown) model_.ControlMouseDown(button, shift, x, y);
        if (action == MouseAction::kMove) model_.ControlMouseMove(button, shift, x, y);
        if (action == MouseAction::kUp) model_.ControlMouseUp(button, shift, x, y);
    }
}

void ScrollBarControl::OnInput(activex::PicturePart&, PartInput input, short code, short shift) {
    switch (input) {
        case PartInput::kClick:
            if (click_) {
                click_ = false;
                model_.PassOn(kEventClick);
            }
            break;
        case PartInput::kDblClick: model_.PassOn(kEventDblClick); break;
        case PartInput::kKeyDown: model_.PassOn(kEventKeyDown, code, shift); break;
        case PartInput::kKeyPress: model_.PassOn(kEventKeyPress, code); break;
        case PartInput::kKeyUp: model_.PassOn(kEventKeyUp, code, shift); break;
    }
}

void ScrollBarControl::OnCaptureLost(activex::PicturePart& part) {
    pressed_ = nullptr;  // a lost release is no click
    if (&part == &picbtn_) model_.CaptureLost();
}

// --- model sink --------------------------------------------------------------------------------

void ScrollBarControl::PropertyChanged(const char* name) {
    std::wstring w(name, name + std::char_traits<char>::length(name));
    activex::Control::PropertyChanged(w.c_str());
}

void ScrollBarControl::Raise(EventId id, EventArgs& a) {
    VARIANT_BOOL on = a.on_button ? VARIANT_TRUE : VARIANT_FALSE;
    switch (id) {
        case kEventScroll:
        case kEventKeyDown:
        case kEventKeyUp: {
            VARIANT args[2] = {activex::ByRef(&a.button), activex::ByRef(&a.shift)};
            RaiseEvent(id, args, 2);
            break;
        }
        case kEventKeyPress: {
            VARIANT args[1] = {activex::ByRef(&a.button)};
            RaiseEvent(id, args, 1);
            break;
        }
        case kEventMouseDown:
        case kEventMouseMove:
        case kEventMouseUp: {
            VARIANT args[5] = {activex::ByRef(&a.button), activex::ByRef(&a.shift), activex::ByRef(&a.x),
                               activex::ByRef(&a.y), activex::ByRefBool(&on)};
            RaiseEvent(id, args, 5);
            break;
        }
        default:
            RaiseEvent(id);
            break;
    }
}

void ScrollBarControl::PaintThumb(float src_x, float src_y, float width, float height) {
    picbtn_.PaintPicture(xfer_.Picture(), 0, 0, src_x, src_y, width, height);
}

void ScrollBarControl::OwnSizeChanged() { SetSize(model_.InnerWidth(), model_.InnerHeight()); }

void ScrollBarControl::EndCapture() { picbtn_.EndCapture(); }

// --- properties -----------------------------------------------------------------------------------

void ScrollBarControl::SetEnabledProp(bool v) {
    // The release path raises Change and then MouseUp; a host that unloads
    // the control in the first must not free it under the second.
    com::Ptr<IUnknown> keep(Keeper());
    pressed_ = nullptr;
    if (!v) model_.CaptureLost();  // a drag cannot survive the disabling
    SetEnabled(v);
    activex::Control::PropertyChanged(L"Enabled");
}

void ScrollBarControl::SetMax(long v) {
    if (int e = model_.SetMaxValue(v)) Fail(e);
}

void ScrollBarControl::SetMin(long v) {
    if (int e = model_.SetMinValue(v)) Fail(e);
}

void ScrollBarControl::SetBarPictureProp(IPictureDisp* pic) {
    picbar_.SetPicture(pic);
    float w = 0, h = 0;
    activex::PictureSizeTwips(pic, w, h);
    model_.SetBarPicture(activex::PictureLoaded(pic), w, h);
    // The track has the picture's size only now: draw it again, whole.
    picbar_.Cls();
}

void ScrollBarControl::SetButtonPictureProp(IPictureDisp* pic) {
    xfer_.SetPicture(pic);
    model_.SetButtonPicture(xfer_.Loaded(), xfer_.Width(), xfer_.Height());
}

void ScrollBarControl::SetMouseIconProp(IPictureDisp* pic) {
    picbtn_.SetMouseIcon(pic);
    activex::Control::PropertyChanged(L"MouseIcon");
}

template <class T>
static HRESULT Out(T* out, T value) {
    if (!out) return E_POINTER;
    *out = value;
    return S_OK;
}

static HRESULT OutPicture(IPictureDisp** out, IPictureDisp* pic) {
    if (!out) return E_POINTER;
    *out = pic;
    if (pic) pic->AddRef();
    return S_OK;
}

HRESULT ScrollBarControl::get_Enabled(VARIANT_BOOL* v) { return Out<VARIANT_BOOL>(v, Enabled() ? VARIANT_TRUE : VARIANT_FALSE); }
HRESULT ScrollBarControl::put_Enabled(VARIANT_BOOL v) { return Run([&] { SetEnabledProp(v != VARIANT_FALSE); }); }
HRESULT ScrollBarControl::get_ForeColor(OLE_COLOR* v) { return Out(v, picbtn_.BackColor()); }
HRESULT ScrollBarControl::put_ForeColor(OLE_COLOR v) {
    return Run([&] {
        picbtn_.SetBackColor(v);
        activex::Control::PropertyChanged(L"ForeColor");
    });
}
HRESULT ScrollBarControl::get_BackColor(OLE_COLOR* v) { return Out(v, picbar_.BackColor()); }
HRESULT ScrollBarControl::put_BackColor(OLE_COLOR v) {
    return Run([&] {
        picbar_.SetBackColor(v);
        activex::Control::PropertyChanged(L"BackColor");
    });
}
HRESULT ScrollBarControl::get_MaxValue(LONG* v) { return Out<LONG>(v, model_.MaxValue()); }
HRESULT ScrollBarControl::put_MaxValue(LONG v) { return Run([&] { SetMax(v); }); }
HRESULT ScrollBarControl::get_MinValue(LONG* v) { return Out<LONG>(v, model_.MinValue()); }
HRESULT ScrollBarControl::put_MinValue(LONG v) { return Run([&] { SetMin(v); }); }
HRESULT ScrollBarControl::get_Value(LONG* v) { return Out<LONG>(v, model_.Value()); }
HRESULT ScrollBarControl::put_Value(LONG v) { return Run([&] { model_.SetValue(v); }); }
HRESULT ScrollBarControl::get_BarPicture(IPictureDisp** v) { return OutPicture(v, PictureOrBlank(picbar_.Picture())); }
HRESULT ScrollBarControl::putref_BarPicture(IPictureDisp* v) { return Run([&] { SetBarPictureProp(v); }); }
HRESULT ScrollBarControl::get_ButtonPicture(IPictureDisp** v) { return OutPicture(v, PictureOrBlank(xfer_.Picture())); }
HRESULT ScrollBarControl::putref_ButtonPicture(IPictureDisp* v) { return Run([&] { SetButtonPictureProp(v); }); }
HRESULT ScrollBarControl::get_MouseIcon(IPictureDisp** v) { return OutPicture(v, PictureOrBlank(picbtn_.MouseIcon())); }
HRESULT ScrollBarControl::putref_MouseIcon(IPictureDisp* v) { return Run([&] { SetMouseIconProp(v); }); }
HRESULT ScrollBarControl::get_MousePointer(short* v) { return Out(v, picbtn_.MousePointer()); }
HRESULT ScrollBarControl::put_MousePointer(short v) {
    return Run([&] {
        picbtn_.SetMousePointer(v);
        activex::Control::PropertyChanged(L"MousePointer");
    });
}
HRESULT ScrollBarControl::get_BarType(eBarType* v) { return Out(v, static_cast<eBarType>(model_.GetBarType())); }
HRESULT ScrollBarControl::put_BarType(eBarType v) { return Run([&] { model_.SetBarType(v); }); }

// --- dispatch table ---------------------------------------------------------------------------------

namespace {
IPictureDisp* AsPicture(IUnknown* unk, com::Ptr<IPictureDisp>& keep) {
    if (unk) unk->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(keep.Out()));
    if (unk && !keep) throw com::ComError(DISP_E_TYPEMISMATCH);
    return keep.Get();
}
constexpr WORD kGetPut = DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT;
constexpr WORD kGetRef = DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUTREF | DISPATCH_PROPERTYPUT;
using S = ScrollBarControl;
}  // namespace

const DispMember<S>* ScrollBarControl::Members(size_t& count) {
    static const DispMember<S> members[] = {
        {SCROLLBAR_DISPID_ENABLED, L"Enabled", kGetPut,
         [](S& s, DispCall& c) {
             if (c.IsGet()) c.ReturnBool(s.Enabled());
             else s.SetEnabledProp(c.ValueBool());
         }},
        {SCROLLBAR_DISPID_FORECOLOR, L"ForeColor", kGetPut,
         [](S& s, DispCall& c) {
             if (c.IsGet()) c.ReturnLong(static_cast<long>(s.Thumb().BackColor()));
             else com::Check(s.put_ForeColor(static_cast<OLE_COLOR>(c.ValueLong())));
         }},
        {SCROLLBAR_DISPID_BACKCOLOR, L"BackColor", kGetPut,
         [](S& s, DispCall& c) {
             if (c.IsGet()) c.ReturnLong(static_cast<long>(s.Track().BackColor()));
             else com::Check(s.put_BackColor(static_cast<OLE_COLOR>(c.ValueLong())));
         }},
        {SCROLLBAR_DISPID_MAXVALUE, L"MaxValue", kGetPut,
         [](S& s, DispCall& c) {
             if (c.IsGet()) c.ReturnLong(s.Model().MaxValue());
             else s.SetMax(c.ValueLong());
         }},
        {SCROLLBAR_DISPID_MINVALUE, L"MinValue", kGetPut,
         [](S& s, DispCall& c) {
             if (c.IsGet()) c.ReturnLong(s.Model().MinValue());
             else s.SetMin(c.ValueLong());
         }},
        {SCROLLBAR_DISPID_VALUE, L"Value", kGetPut,
         [](S& s, DispCall& c) {
             if (c.IsGet()) c.ReturnLong(s.Model().Value());
             else s.Model().SetValue(c.ValueLong());
         }},
        {SCROLLBAR_DISPID_BARPICTURE, L"BarPicture", kGetRef,
         [](S& s, DispCall& c) {
             if (c.IsGet()) {
                 c.ReturnUnknown(s.PictureOrBlank(s.Track().Picture()), true);
             } else {
                 com::Ptr<IPictureDisp> keep;
                 s.SetBarPictureProp(AsPicture(c.ValueUnknown(), keep));
             }
         }},
        {SCROLLBAR_DISPID_BUTTONPICTURE, L"ButtonPicture", kGetRef,
         [](S& s, DispCall& c) {
             if (c.IsGet()) {
                 c.ReturnUnknown(s.PictureOrBlank(s.Strip().Picture()), true);
             } else {
                 com::Ptr<IPictureDisp> keep;
                 s.SetButtonPictureProp(AsPicture(c.ValueUnknown(), keep));
             }
         }},
        {SCROLLBAR_DISPID_MOUSEICON, L"MouseIcon", kGetRef,
         [](S& s, DispCall& c) {
             if (c.IsGet()) {
                 c.ReturnUnknown(s.PictureOrBlank(s.Thumb().MouseIcon()), true);
             } else {
                 com::Ptr<IPictureDisp> keep;
                 s.SetMouseIconProp(AsPicture(c.ValueUnknown(), keep));
             }
         }},
        {SCROLLBAR_DISPID_MOUSEPOINTER, L"MousePointer", kGetPut,
         [](S& s, DispCall& c) {
             if (c.IsGet()) c.ReturnShort(s.Thumb().MousePointer());
             else com::Check(s.put_MousePointer(c.ValueShort()));
         }},
        {SCROLLBAR_DISPID_BARTYPE, L"BarType", kGetPut,
         [](S& s, DispCall& c) {
             if (c.IsGet()) c.ReturnLong(s.Model().GetBarType());
             else s.Model().SetBarType(c.ValueLong());
         }},
    };
    count = sizeof members / sizeof members[0];
    return members;
}

}  // namespace vorne::scrollbar
