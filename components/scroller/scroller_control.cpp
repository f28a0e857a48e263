#include "components/scroller/scroller_control.h"

#include <windowsx.h>

#include "components/scroller/scroller_dispids.h"
#include "runtime/com/error.h"
#include "runtime/com/module.h"

namespace vorne::scroller {

namespace {

const activex::ControlClass kClass = {
    &CLSID_Scroller,
    &IID__Scroller,
    &DIID___Scroller,
    OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
        OLEMISC_SETCLIENTSITEFIRST,
    kDesignWidth,
    kDesignHeight,
};

// Raises a refused value as the caller's error number with its text.
void Check(Error e) {
    if (e == Error::None) return;
    const char* text = errorText(e);
    throw com::ComError(MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, static_cast<int>(e)),
                        com::Module::BaseName(), std::wstring(text, text + lstrlenA(text)));
}

Error ErrorOf(HRESULT hr) { return hr == DISP_E_OVERFLOW ? Error::Overflow : Error::TypeMismatch; }

std::wstring Widen(std::string_view key) { return std::wstring(key.begin(), key.end()); }

UINT LabelFormat(int16_t alignment) {
    const UINT base = DT_NOPREFIX | DT_TOP;
    switch (alignment) {
        case AlignLeft: return base | DT_LEFT;
        case AlignRight: return base | DT_RIGHT;
        default: return base | DT_CENTER;
    }
}

// The container's property bag as the model reads it: each value converted
// to its stored type, a value that does not convert reported, not thrown.
class BagReader final : public PropertyReader {
public:
    BagReader(activex::PropertyReader& bag, std::function<Error(std::string_view, StoredType)> objects)
        : bag_(bag), objects_(std::move(objects)) {}

    BagValue<int32_t> readLong(std::string_view key) override {
        return Read<int32_t>(key, VT_I4, [](const VARIANT& v) { return static_cast<int32_t>(V_I4(&v)); });
    }
    BagValue<int16_t> readInteger(std::string_view key) override {
        return Read<int16_t>(key, VT_I2, [](const VARIANT& v) { return static_cast<int16_t>(V_I2(&v)); });
    }
    BagValue<bool> readBoolean(std::string_view key) override {
        return Read<bool>(key, VT_BOOL, [](const VARIANT& v) { return V_BOOL(&v) != VARIANT_FALSE; });
    }
    BagValue<std::wstring> readText(std::string_view key) override {
        return Read<std::wstring>(key, VT_BSTR, [](const VARIANT& v) { return com::FromBstr(V_BSTR(&v)); });
    }
    Error readObject(std::string_view key, StoredType type) override { return objects_(key, type); }

private:
    template <class T, class Take>
    BagValue<T> Read(std::string_view key, VARTYPE vt, Take take) {
        VARIANT raw;
        if (!bag_.Raw(Widen(key).c_str(), &raw)) return BagValue<T>::missing();
        VARIANT out;
        VariantInit(&out);
        HRESULT hr = VariantChangeType(&out, &raw, 0, vt);
        VariantClear(&raw);
        if (FAILED(hr)) return BagValue<T>::failed(ErrorOf(hr));
        BagValue<T> value = BagValue<T>::of(take(out));
        VariantClear(&out);
        return value;
    }

    activex::PropertyReader& bag_;
    std::function<Error(std::string_view, StoredType)> objects_;
};

class BagWriter final : public PropertyWriter {
public:
    BagWriter(activex::PropertyWriter& bag, std::function<bool(std::string_view, StoredType)> objects)
        : bag_(bag), objects_(std::move(objects)) {}

    bool writeLong(std::string_view key, int32_t value) override {
        VARIANT v;
        V_VT(&v) = VT_I4;
        V_I4(&v) = value;
        return Put(key, v);
    }
    bool writeInteger(std::string_view key, int16_t value) override {
        VARIANT v;
        V_VT(&v) = VT_I2;
        V_I2(&v) = value;
        return Put(key, v);
    }
    bool writeBoolean(std::string_view key, bool value) override {
        VARIANT v;
        V_VT(&v) = VT_BOOL;
        V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
        return Put(key, v);
    }
    bool writeText(std::string_view key, const std::wstring& value) override {
        VARIANT v;
        V_VT(&v) = VT_BSTR;
        V_BSTR(&v) = com::MakeBstr(value);
        bool ok = Put(key, v);
        VariantClear(&v);
        return ok;
    }
    bool writeObject(std::string_view key, StoredType type) override { return objects_(key, type); }

private:
    bool Put(std::string_view key, VARIANT& v) {
        bag_.Raw(Widen(key).c_str(), v);
        return true;
    }

    activex::PropertyWriter& bag_;
    std::function<bool(std::string_view, StoredType)> objects_;
};

}  // namespace

activex::FontSpec DesignFont() {
    activex::FontSpec face;
    face.name = L"MS Sans Serif";
    face.points = 13.5f;
    return face;
}

ScrollerControl::ScrollerControl()
    : Control(kClass), timer_(kStepTimerId, false, kDesignInterval), font_([this] { FontChanged(); }) {
    label_.caption = model_.caption();
    label_.transparent = true;
    label_.fore = model_.foreColor();
    label_.format = LabelFormat(model_.textAlignment());
    model_.setEvents(this);
}

ScrollerControl::~ScrollerControl() {
    model_.setEvents(nullptr);
    timer_.SetWindow(nullptr);
    Surface().Destroy();
}

HRESULT ScrollerControl::QueryInterface(REFIID riid, void** ppv) {
    return QueryControl(riid, ppv, static_cast<_Scroller*>(this));
}

HRESULT ScrollerControl::Close(DWORD save) {
    com::Ptr<IUnknown> keep(static_cast<IOleObject*>(this));
    HRESULT hr = Control::Close(save);
    timer_.SetWindow(nullptr);  // no tick reaches a closed control
    return hr;
}

// --- parts -------------------------------------------------------------------------

void ScrollerControl::CreateParts(HWND surface) {
    timer_.SetWindow(surface);
    ApplyBorder();
    Repaint();
}

void ScrollerControl::DestroyParts() {
    model_.captureLost();
    timer_.SetWindow(nullptr);
}

com::Ptr<IFontDisp> ScrollerControl::DefaultFont() {
    VARIANT v;
    com::Ptr<IFontDisp> font;
    if (Ambient(DISPID_AMBIENT_FONT, &v)) {
        IUnknown* unk = V_VT(&v) == VT_DISPATCH ? V_DISPATCH(&v) : V_VT(&v) == VT_UNKNOWN ? V_UNKNOWN(&v) : nullptr;
        font = activex::CloneFont(unk);
        VariantClear(&v);
    }
    if (!font) font = activex::CreateStdFont(DesignFont());
    return font;
}

void ScrollerControl::InitProperties() {
    // A new control shows the design font, whatever the container uses.
    font_.Set(activex::CreateStdFont(DesignFont()).Get());
    UpdateControlSize();
    model_.initNew();
    SyncParts();
}

void ScrollerControl::ReadProperties(activex::PropertyReader& bag) {
    UpdateControlSize();
    BagReader reader(bag, [&](std::string_view key, StoredType type) -> Error {
        if (type == StoredType::Font) {
            VARIANT v;
            HRESULT hr = E_INVALIDARG;
            if (bag.Raw(L"Font", &v)) {
                IUnknown* unk =
                    V_VT(&v) == VT_DISPATCH ? V_DISPATCH(&v) : V_VT(&v) == VT_UNKNOWN ? V_UNKNOWN(&v) : nullptr;
                hr = font_.SetCopy(unk);
                VariantClear(&v);
                if (SUCCEEDED(hr)) return Error::None;
            } else {
                hr = font_.SetCopy(DefaultFont().Get());
                if (SUCCEEDED(hr)) return Error::None;
            }
            // The caption keeps the font it had, or gets one.
            if (!font_.Get()) font_.SetCopy(DefaultFont().Get());
            return Error::InvalidPropertyValue;
        }
        // MouseIcon goes through its property, which reports the change.
        SetMouseIcon(bag.Picture(Widen(key).c_str()).Get());
        return Error::None;
    });
    loadProperties(model_, reader);
    SyncParts();
}

void ScrollerControl::WriteProperties(activex::PropertyWriter& bag) {
    BagWriter writer(bag, [&](std::string_view key, StoredType type) {
        if (type == StoredType::Font) {
            if (IFontDisp* font = font_.Get(); font && !activex::SameFont(font, DefaultFont().Get())) {
                VARIANT v;
                V_VT(&v) = VT_DISPATCH;
                V_DISPATCH(&v) = font;
                bag.Raw(L"Font", v);
            }
        } else {
            bag.Picture(Widen(key).c_str(), icon_.Get());
        }
        return true;
    });
    saveProperties(model_, writer);
}

void ScrollerControl::Resize() { UpdateControlSize(); }

void ScrollerControl::UpdateControlSize() {
    // A fixed single border takes a pixel from each side of the inner area.
    const bool border = model_.borderStyle() == 1;
    const float w = ScaleWidth() - (border ? 2 * Scale().x : 0);
    const float h = ScaleHeight() - (border ? 2 * Scale().y : 0);
    model_.setControlSize(w < 0 ? 0 : w, h < 0 ? 0 : h);
}

void ScrollerControl::AmbientChanged(DISPID) {}

void ScrollerControl::SyncParts() {
    if (Surface().BackColor() != model_.backColor()) Surface().SetBackColor(model_.backColor());
    label_.fore = model_.foreColor();
    label_.format = LabelFormat(model_.textAlignment());
    label_.caption = model_.caption();
    ApplyBorder();
    timerChanged();
    captionMoved();
}

void ScrollerControl::ApplyBorder() {
    HWND hwnd = SurfaceWindow();
    if (!hwnd) return;
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    const LONG want = model_.borderStyle() == 1 ? (style | WS_BORDER) : (style & ~WS_BORDER);
    if (want == style) return;
    SetWindowLongW(hwnd, GWL_STYLE, want);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ScrollerControl::FontChanged() {
    model_.fontChanged();
    Repaint();
}

void ScrollerControl::timerChanged() {
    timer_.SetInterval(model_.scrollSpeed());
    timer_.SetEnabled(model_.timerOn());
}

void ScrollerControl::captionMoved() {
    label_.left = model_.left();
    label_.top = model_.top();
    label_.width = model_.width();
    label_.height = model_.height();
    if (HWND hwnd = SurfaceWindow()) InvalidateRect(hwnd, nullptr, FALSE);
}

Size ScrollerControl::measureCaption(const std::wstring& caption) {
    label_.caption = caption;
    label_.font = font_.Handle();
    HDC dc = GetDC(nullptr);
    float w = 0, h = 0;
    label_.Measure(dc, Scale(), w, h);
    ReleaseDC(nullptr, dc);
    return {w, h};
}

void ScrollerControl::PaintSurface(HWND hwnd, HDC target) {
    PAINTSTRUCT ps;
    HDC dc = target ? target : BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    const int w = client.right > 0 ? client.right : 1;
    const int h = client.bottom > 0 ? client.bottom : 1;
    // Drawn off screen first, so the moving caption does not flicker.
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateCompatibleBitmap(dc, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    Surface().DrawTo(mem, 0, 0);
    label_.font = font_.Handle();
    label_.Draw(mem, Scale());
    BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    if (!target) EndPaint(hwnd, &ps);
}

void ScrollerControl::DrawParts(HDC dc, int x, int y) {
    const bool border = model_.borderStyle() == 1;
    const int w = Scale().ToPixelsX(ScaleWidth());
    const int h = Scale().ToPixelsY(ScaleHeight());
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, x, y, x + w, y + h);
    if (border) {
        HBRUSH frame = CreateSolidBrush(RGB(0, 0, 0));
        RECT r = {x, y, x + w, y + h};
        FrameRect(dc, &r, frame);
        DeleteObject(frame);
        IntersectClipRect(dc, x + 1, y + 1, x + w - 1, y + h - 1);
    }
    label_.font = font_.Handle();
    label_.Draw(dc, Scale(), x + (border ? 1 : 0), y + (border ? 1 : 0));
    RestoreDC(dc, saved);
}

bool ScrollerControl::SetCursorOverCaption(HWND hwnd) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(hwnd, &p);
    const bool over = model_.partAt(Scale().ToTwipsX(p.x), Scale().ToTwipsY(p.y)) == Part::Caption;
    // The pointer and icon apply over the caption only; the surface part
    // then sets the cursor as its own.
    Surface().SetMousePointer(over ? model_.mousePointer() : 0);
    Surface().SetMouseIcon(over ? icon_.Get() : nullptr);
    return false;
}

bool ScrollerControl::OnPartMessage(activex::PicturePart&, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND hwnd = SurfaceWindow();
    if (!hwnd) return false;
    if (timer_.IsTick(msg, wp)) {
        model_.tick();
        result = 0;
        return true;
    }
    switch (msg) {
        case WM_PAINT:
            PaintSurface(hwnd, nullptr);
            result = 0;
            return true;
        case WM_PRINTCLIENT:
            PaintSurface(hwnd, reinterpret_cast<HDC>(wp));
            result = 0;
            return true;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) return SetCursorOverCaption(hwnd);
            return false;
        default:
            return false;
    }
}

// --- mouse and keys ----------------------------------------------------------------

void ScrollerControl::OnMouse(activex::PicturePart&, activex::MouseAction action, short button, short shift, float x,
                              float y) {
    switch (action) {
        case activex::MouseAction::kDown:
            if (button == LeftButton && doubleClickPending_) {
                doubleClickPending_ = false;
                model_.pointerDoubleClick(button, shift, x, y);
            } else {
                model_.pointerDown(button, shift, x, y);
            }
            break;
        case activex::MouseAction::kMove:
            model_.pointerMove(button, shift, x, y);
            break;
        case activex::MouseAction::kUp:
            model_.pointerUp(button, shift, x, y);
            break;
    }
}

void ScrollerControl::OnInput(activex::PicturePart&, activex::PartInput input, short code, short shift) {
    switch (input) {
        case activex::PartInput::kClick: break;  // the model decides what is a click
        case activex::PartInput::kDblClick: doubleClickPending_ = true; break;
        case activex::PartInput::kKeyDown: RaiseKey(kEventKeyDown, code, shift, true); break;
        case activex::PartInput::kKeyPress: RaiseKey(kEventKeyPress, code, 0, false); break;
        case activex::PartInput::kKeyUp: RaiseKey(kEventKeyUp, code, shift, true); break;
    }
}

void ScrollerControl::OnCaptureLost(activex::PicturePart&) { model_.captureLost(); }

void ScrollerControl::RaiseMouse(DISPID id, short button, short shift, float x, float y) {
    VARIANT args[4] = {activex::ByRef(&button), activex::ByRef(&shift), activex::ByRef(&x), activex::ByRef(&y)};
    RaiseEvent(id, args, 4);
}

void ScrollerControl::RaiseKey(DISPID id, short code, short shift, bool withShift) {
    VARIANT args[2] = {activex::ByRef(&code), activex::ByRef(&shift)};
    RaiseEvent(id, args, withShift ? 2 : 1);
}

// --- the members' work --------------------------------------------------------------

void ScrollerControl::SetBackColor(OLE_COLOR v) {
    Check(model_.setBackColor(v));
    Surface().SetBackColor(v);
    PropertyChanged(L"BackColor");
}

void ScrollerControl::SetForeColor(OLE_COLOR v) {
    Check(model_.setForeColor(v));
    label_.fore = v;
    Repaint();
    PropertyChanged(L"ForeColor");
}

void ScrollerControl::SetScrolling(bool on) {
    model_.setEnabled(on);
    PropertyChanged(L"Enabled");
}

void ScrollerControl::SetFont(IUnknown* font) {
    if (FAILED(font_.Set(font))) Check(Error::InvalidPropertyValue);
    PropertyChanged(L"Font");
}

void ScrollerControl::SetBorderStyle(int64_t v) {
    Check(model_.setBorderStyle(v));
    ApplyBorder();
    UpdateControlSize();
    PropertyChanged(L"BorderStyle");
}

void ScrollerControl::Repaint() {
    if (HWND hwnd = SurfaceWindow()) {
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
    }
}

void ScrollerControl::SetDirection(int64_t v) {
    com::Ptr<IUnknown> keep(static_cast<IOleObject*>(this));  // a handler may drop the control
    Check(checkLong(v));
    model_.setScrollDirection(static_cast<int32_t>(v));
    PropertyChanged(L"ScrollDirection");
}

void ScrollerControl::Reset() {
    com::Ptr<IUnknown> keep(static_cast<IOleObject*>(this));
    model_.resetScroll();
}

void ScrollerControl::SetTextAlignment(int64_t v) {
    Check(model_.setTextAlignment(v));
    label_.format = LabelFormat(model_.textAlignment());
    Repaint();
    PropertyChanged(L"TextAlignment");
}

void ScrollerControl::SetCaption(const std::wstring& v) {
    model_.setCaption(v);
    PropertyChanged(L"Caption");
}

void ScrollerControl::SetScrollSpeed(int64_t v) {
    Check(model_.setScrollSpeed(v));
    PropertyChanged(L"ScrollSpeed");
}

void ScrollerControl::SetMouseIcon(IUnknown* pic) {
    com::Ptr<IPictureDisp> icon;
    if (pic && FAILED(pic->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(icon.Out()))))
        Check(Error::InvalidPropertyValue);
    icon_ = icon;
    PropertyChanged(L"MouseIcon");
}

void ScrollerControl::SetMousePointer(int64_t v) {
    Check(model_.setMousePointer(v));
    PropertyChanged(L"MousePointer");
}

void ScrollerControl::SetHorizontalAlignment(int64_t v) {
    Check(checkLong(v));
    model_.setHorizontalAlignment(static_cast<int32_t>(v));
    PropertyChanged(L"HorizontalAlignment");
}

void ScrollerControl::SetVerticalAlignment(int64_t v) {
    Check(checkLong(v));
    model_.setVerticalAlignment(static_cast<int32_t>(v));
    PropertyChanged(L"VerticalAlignment");
}

// --- _Scroller (vtable) -------------------------------------------------------------

namespace {

// Runs a member's work with the control kept alive and every failure turned
// into an HRESULT with its error information.
template <class F>
HRESULT Run(ScrollerControl* self, F&& f) {
    com::Ptr<IUnknown> keep(static_cast<IOleObject*>(self));
    return com::Guard(IID__Scroller, std::forward<F>(f));
}

template <class T>
HRESULT Out(T* out, T value) {
    if (!out) return E_POINTER;
    *out = value;
    return S_OK;
}

}  // namespace

HRESULT ScrollerControl::get_BackColor(OLE_COLOR* v) { return Out<OLE_COLOR>(v, model_.backColor()); }
HRESULT ScrollerControl::put_BackColor(OLE_COLOR v) { return Run(this, [&] { SetBackColor(v); }); }
HRESULT ScrollerControl::get_ForeColor(OLE_COLOR* v) { return Out<OLE_COLOR>(v, model_.foreColor()); }
HRESULT ScrollerControl::put_ForeColor(OLE_COLOR v) { return Run(this, [&] { SetForeColor(v); }); }
HRESULT ScrollerControl::get_Enabled(VARIANT_BOOL* v) {
    return Out<VARIANT_BOOL>(v, model_.enabled() ? VARIANT_TRUE : VARIANT_FALSE);
}
HRESULT ScrollerControl::put_Enabled(VARIANT_BOOL v) { return Run(this, [&] { SetScrolling(v != VARIANT_FALSE); }); }
HRESULT ScrollerControl::get_Font(IFontDisp** v) {
    if (!v) return E_POINTER;
    *v = font_.Get();
    if (*v) (*v)->AddRef();
    return S_OK;
}
HRESULT ScrollerControl::putref_Font(IFontDisp* v) { return Run(this, [&] { SetFont(v); }); }
HRESULT ScrollerControl::get_BorderStyle(short* v) { return Out<short>(v, model_.borderStyle()); }
HRESULT ScrollerControl::put_BorderStyle(short v) { return Run(this, [&] { SetBorderStyle(v); }); }
HRESULT ScrollerControl::Refresh() { return Run(this, [&] { Repaint(); }); }
HRESULT ScrollerControl::get_ScrollDirection(direction* v) {
    return Out<direction>(v, static_cast<direction>(model_.scrollDirection()));
}
HRESULT ScrollerControl::put_ScrollDirection(direction v) { return Run(this, [&] { SetDirection(v); }); }
HRESULT ScrollerControl::ResetScroll(VARIANT* result) {
    if (result) VariantInit(result);  // always Empty
    return Run(this, [&] { Reset(); });
}
HRESULT ScrollerControl::get_TextAlignment(LRalignments* v) {
    return Out<LRalignments>(v, static_cast<LRalignments>(model_.textAlignment()));
}
HRESULT ScrollerControl::put_TextAlignment(LRalignments v) { return Run(this, [&] { SetTextAlignment(v); }); }
HRESULT ScrollerControl::get_Caption(BSTR* v) {
    if (!v) return E_POINTER;
    *v = nullptr;
    return Run(this, [&] { *v = com::MakeBstr(model_.caption()); });
}
HRESULT ScrollerControl::put_Caption(BSTR v) { return Run(this, [&] { SetCaption(com::FromBstr(v)); }); }
HRESULT ScrollerControl::get_ScrollSpeed(LONG* v) { return Out<LONG>(v, model_.scrollSpeed()); }
HRESULT ScrollerControl::put_ScrollSpeed(LONG v) { return Run(this, [&] { SetScrollSpeed(v); }); }
HRESULT ScrollerControl::get_MouseIcon(IPictureDisp** v) {
    if (!v) return E_POINTER;
    *v = icon_.Get();
    if (*v) (*v)->AddRef();
    return S_OK;
}
HRESULT ScrollerControl::putref_MouseIcon(IPictureDisp* v) { return Run(this, [&] { SetMouseIcon(v); }); }
HRESULT ScrollerControl::get_MousePointer(short* v) { return Out<short>(v, model_.mousePointer()); }
HRESULT ScrollerControl::put_MousePointer(short v) { return Run(this, [&] { SetMousePointer(v); }); }
HRESULT ScrollerControl::get_HorizontalAlignment(LRalignments* v) {
    return Out<LRalignments>(v, static_cast<LRalignments>(model_.horizontalAlignment()));
}
HRESULT ScrollerControl::put_HorizontalAlignment(LRalignments v) {
    return Run(this, [&] { SetHorizontalAlignment(v); });
}
HRESULT ScrollerControl::get_VerticalAlignment(UDalignments* v) {
    return Out<UDalignments>(v, static_cast<UDalignments>(model_.verticalAlignment()));
}
HRESULT ScrollerControl::put_VerticalAlignment(UDalignments v) { return Run(this, [&] { SetVerticalAlignment(v); }); }

// --- _Scroller (dispatch) -----------------------------------------------------------

namespace {

using Self = ScrollerControl;
using Call = com::DispCall;
constexpr WORD kProp = DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT;
constexpr WORD kObject = DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF;
constexpr WORD kMethod = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

bool Puts(Call& c) { return c.IsPut() || c.IsPutRef(); }

// A whole number put, kept wide so that the part's own range check decides
// between "Overflow" and "Invalid property value".
int64_t Whole(Call& c) { return c.ValueLong(); }

}  // namespace

const com::DispMember<Self>* Self::Members(size_t& count) {
    static const com::DispMember<Self> members[] = {
        {SCROLLER_DISPID_BACKCOLOR, L"BackColor", kProp,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetBackColor(static_cast<OLE_COLOR>(c.ValueLong()));
             } else {
                 c.ReturnLong(static_cast<long>(s.Model().backColor()));
             }
         }},
        {SCROLLER_DISPID_FORECOLOR, L"ForeColor", kProp,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetForeColor(static_cast<OLE_COLOR>(c.ValueLong()));
             } else {
                 c.ReturnLong(static_cast<long>(s.Model().foreColor()));
             }
         }},
        {SCROLLER_DISPID_ENABLED, L"Enabled", kProp,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetScrolling(c.ValueBool());
             } else {
                 c.ReturnBool(s.Model().enabled());
             }
         }},
        {DISPID_FONT, L"Font", kObject,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetFont(c.ValueUnknown());
             } else {
                 com::Ptr<IFontDisp> font;
                 s.get_Font(font.Out());
                 c.ReturnUnknown(font.Get(), true);
             }
         }},
        {SCROLLER_DISPID_BORDERSTYLE, L"BorderStyle", kProp,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetBorderStyle(Whole(c));
             } else {
                 c.ReturnShort(s.Model().borderStyle());
             }
         }},
        {SCROLLER_DISPID_REFRESH, L"Refresh", kMethod, [](Self& s, Call&) { s.Repaint(); }},
        {SCROLLER_DISPID_SCROLLDIRECTION, L"ScrollDirection", kProp,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetDirection(Whole(c));
             } else {
                 c.ReturnLong(s.Model().scrollDirection());
             }
         }},
        {SCROLLER_DISPID_RESETSCROLL, L"ResetScroll", kMethod, [](Self& s, Call&) { s.Reset(); }},
        {SCROLLER_DISPID_TEXTALIGNMENT, L"TextAlignment", kProp,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetTextAlignment(Whole(c));
             } else {
                 c.ReturnLong(s.Model().textAlignment());
             }
         }},
        {SCROLLER_DISPID_CAPTION, L"Caption", kProp,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetCaption(c.ValueString());
             } else {
                 c.ReturnString(s.Model().caption());
             }
         }},
        {SCROLLER_DISPID_SCROLLSPEED, L"ScrollSpeed", kProp,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetScrollSpeed(Whole(c));
             } else {
                 c.ReturnLong(s.Model().scrollSpeed());
             }
         }},
        {SCROLLER_DISPID_MOUSEICON, L"MouseIcon", kObject,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetMouseIcon(c.ValueUnknown());
             } else {
                 com::Ptr<IPictureDisp> icon;
                 s.get_MouseIcon(icon.Out());
                 c.ReturnUnknown(icon.Get(), true);
             }
         }},
        {SCROLLER_DISPID_MOUSEPOINTER, L"MousePointer", kProp,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetMousePointer(Whole(c));
             } else {
                 c.ReturnShort(s.Model().mousePointer());
             }
         }},
        {SCROLLER_DISPID_HORIZONTALALIGNMENT, L"HorizontalAlignment", kProp,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetHorizontalAlignment(Whole(c));
             } else {
                 c.ReturnLong(s.Model().horizontalAlignment());
             }
         }},
        {SCROLLER_DISPID_VERTICALALIGNMENT, L"VerticalAlignment", kProp,
         [](Self& s, Call& c) {
             if (Puts(c)) {
                 s.SetVerticalAlignment(Whole(c));
             } else {
                 c.ReturnLong(s.Model().verticalAlignment());
             }
         }},
    };
    count = sizeof members / sizeof members[0];
    return members;
}

}  // namespace vorne::scroller
