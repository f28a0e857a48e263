#include "runtime/activex/container.h"

#include <olectl.h>

#include "runtime/activex/screen.h"

namespace vorne::activex {

VARIANT* EventArg(DISPPARAMS* params, UINT i) {
    if (!params || i >= params->cArgs) return nullptr;
    VARIANT* v = &params->rgvarg[params->cArgs - 1 - i];
    if ((v->vt & VT_BYREF) && (v->vt & ~VT_BYREF) == VT_VARIANT) v = v->pvarVal;
    return v;
}

// --- the in-place frame: the host window ------------------------------------------

class ControlSite::Frame : public com::Object, public IOleInPlaceFrame {
public:
    explicit Frame(HWND host) : host_(host) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        return com::QueryTable(riid, ppv,
                               {{&IID_IOleInPlaceFrame, static_cast<IOleInPlaceFrame*>(this)},
                                {&IID_IOleWindow, static_cast<IOleInPlaceFrame*>(this)},
                                {&IID_IOleInPlaceUIWindow, static_cast<IOleInPlaceFrame*>(this)}});
    }
    VORNE_COM_REFCOUNT()
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override {
        if (!hwnd) return E_POINTER;
        *hwnd = host_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* obj, LPCOLESTR) override {
        active_ = obj;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    HWND host_;
    com::Ptr<IOleInPlaceActiveObject> active_;
};

// --- the extender ------------------------------------------------------------------------

// A dispatch interface without type information.
class Untyped : public com::Object, public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        if (!n) return E_POINTER;
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ti) override {
        if (ti) *ti = nullptr;
        return E_NOTIMPL;
    }
};

class ControlSite::Extenders : public Untyped {
public:
    explicit Extenders(ControlSite* site) : site_(site) {}
    void Detach() { site_ = nullptr; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        return com::QueryTable(riid, ppv, {{&IID_IDispatch, static_cast<IDispatch*>(this)}});
    }
    VORNE_COM_REFCOUNT()
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT n, LCID lcid, DISPID* ids) override {
        if (!names || !ids || n == 0) return E_INVALIDARG;
        static const struct { const wchar_t* name; DISPID id; } own[] = {
            {L"Left", kDispidLeft},     {L"Top", kDispidTop},         {L"Width", kDispidWidth},
            {L"Height", kDispidHeight}, {L"Visible", kDispidVisible}, {L"ZOrder", kDispidZOrder}};
        for (const auto& o : own) {
            if (lstrcmpiW(o.name, names[0]) == 0) {
                ids[0] = o.id;
                return n == 1 ? S_OK : DISP_E_UNKNOWNNAME;
            }
        }
        if (!site_ || !site_->control_) return DISP_E_UNKNOWNNAME;
        return site_->control_->GetIDsOfNames(iid, names, n, lcid, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* p, VARIANT* r,
                                     EXCEPINFO* e, UINT* a) override {
        if (!site_) return E_UNEXPECTED;
        ControlSite& s = *site_;
        const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
        auto number = [&](double& out) -> HRESULT {
            if (!p || p->cArgs < 1) return DISP_E_BADPARAMCOUNT;
            VARIANT v;
            VariantInit(&v);
            HRESULT hr = VariantChangeType(&v, &p->rgvarg[0], 0, VT_R8);
            if (FAILED(hr)) {
                if (a) *a = 0;
                return DISP_E_TYPEMISMATCH;
            }
            out = v.dblVal;
            return S_OK;
        };
        auto give = [&](float v) {
            if (r) {
                VariantInit(r);
                r->vt = VT_R4;
                r->fltVal = v;
            }
        };
        double d = 0;
        HRESULT hr = S_OK;
        switch (id) {
            case kDispidLeft:
            case kDispidTop:
            case kDispidWidth:
            case kDispidHeight: {
                float vals[4] = {s.Left(), s.Top(), s.Width(), s.Height()};
                const int k = static_cast<int>(id - kDispidLeft);
                if (!put) {
                    give(vals[k]);
                    return S_OK;
                }
                if (FAILED(hr = number(d))) return hr;
                vals[k] = static_cast<float>(d);
                s.Move(vals[0], vals[1], vals[2], vals[3]);
                return S_OK;
            }
            case kDispidVisible:
                if (!put) {
                    if (r) {
                        VariantInit(r);
                        r->vt = VT_BOOL;
                        r->boolVal = s.Visible() ? VARIANT_TRUE : VARIANT_FALSE;
                    }
                    return S_OK;
                }
                if (FAILED(hr = number(d))) return hr;
                s.SetVisible(d != 0);
                return S_OK;
            case kDispidZOrder:
                d = 0;
                if (p && p->cArgs >= 1 && FAILED(hr = number(d))) return hr;
                s.ZOrder(static_cast<int>(d));
                return S_OK;
            default:
                if (!s.control_) return DISP_E_MEMBERNOTFOUND;
                return s.control_->Invoke(id, iid, lcid, flags, p, r, e, a);
        }
    }

private:
    ControlSite* site_;
};

// --- the event sink ------------------------------------------------------------------------

class ControlSite::Sink : public Untyped {
public:
    Sink(ControlSite* site, const IID& events) : site_(site), events_(events) {}
    void Detach() { site_ = nullptr; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        return com::QueryTable(riid, ppv,
                               {{&IID_IDispatch, static_cast<IDispatch*>(this)}, {&events_, static_cast<IDispatch*>(this)}});
    }
    VORNE_COM_REFCOUNT()
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        if (!site_ || !site_->handler_) return S_OK;
        // The handler may unload the element: keep the site for the call.
        com::Ptr<IUnknown> keep(static_cast<IOleClientSite*>(site_));
        EventHandler handler = site_->handler_;
        handler(*site_, id, p);
        return S_OK;
    }

private:
    ControlSite* site_;
    IID events_;
};

// --- the site ---------------------------------------------------------------------------------

ControlSite::ControlSite(HWND host, const Options& options, EventHandler handler)
    : host_(host), options_(options), handler_(std::move(handler)), scale_(ScreenTwipsScale()) {}

ControlSite::~ControlSite() { Destroy(); }

HRESULT ControlSite::QueryInterface(REFIID riid, void** ppv) {
    return com::QueryTable(riid, ppv,
                           {{&IID_IOleClientSite, static_cast<IOleClientSite*>(this)},
                            {&IID_IOleWindow, static_cast<IOleInPlaceSite*>(this)},
                            {&IID_IOleInPlaceSite, static_cast<IOleInPlaceSite*>(this)},
                            {&IID_IOleControlSite, static_cast<IOleControlSite*>(this)},
                            {&IID_IDispatch, static_cast<IDispatch*>(this)},
                            {&IID_IPropertyNotifySink, static_cast<IPropertyNotifySink*>(this)}});
}

HRESULT ControlSite::Create(HWND host, REFCLSID clsid, IClassFactory* factory, const RECT& rect,
                            const Options& options, EventHandler handler, com::Ptr<ControlSite>& out) {
    com::Ptr<ControlSite> site = com::Ptr<ControlSite>::Adopt(new ControlSite(host, options, std::move(handler)));
    HRESULT hr = site->Init(clsid, factory, rect);
    // Loading reads the bag once; the site keeps no reference to it.
    if (FAILED(hr)) {
        site->Destroy();
        return hr;
    }
    out = site;
    return S_OK;
}

HRESULT ControlSite::Init(REFCLSID clsid, IClassFactory* factory, const RECT& rect_in) {
    IPropertyBag* bag = nullptr;
    std::swap(bag, options_.properties);
    HRESULT hr;
    if (factory) {
        hr = factory->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(object_.Out()));
    } else {
        hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              reinterpret_cast<void**>(object_.Out()));
    }
    if (FAILED(hr)) return hr;
    frame_ = com::Ptr<IOleInPlaceFrame>::Adopt(new Frame(host_));
    extender_ = com::Ptr<IDispatch>::Adopt(new Extenders(this));
    control_ = object_.As<IDispatch>(IID_IDispatch);

    DWORD misc = 0;
    object_->GetMiscStatus(DVASPECT_CONTENT, &misc);
    if (misc & OLEMISC_SETCLIENTSITEFIRST) object_->SetClientSite(static_cast<IOleClientSite*>(this));
    if (bag) {
        com::Ptr<IPersistPropertyBag> ppb = object_.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
        if (!ppb) return E_NOINTERFACE;
        hr = ppb->Load(bag, nullptr);
    } else if (auto ps = object_.As<IPersistStreamInit>(IID_IPersistStreamInit)) {
        hr = ps->InitNew();
    } else if (auto ppb = object_.As<IPersistPropertyBag>(IID_IPersistPropertyBag)) {
        hr = ppb->InitNew();
    }
    if (FAILED(hr)) return hr;
    if (!(misc & OLEMISC_SETCLIENTSITEFIRST)) object_->SetClientSite(static_cast<IOleClientSite*>(this));

    // Events, by the control's default source interface.
    if (auto cpc = object_.As<IConnectionPointContainer>(IID_IConnectionPointContainer)) {
        IID events = IID_NULL;
        if (auto pci = object_.As<IProvideClassInfo2>(IID_IProvideClassInfo2))
            pci->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events);
        if (!IsEqualIID(events, IID_NULL) && SUCCEEDED(cpc->FindConnectionPoint(events, events_cp_.Out()))) {
            sink_ = com::Ptr<IDispatch>::Adopt(new Sink(this, events));
            if (FAILED(events_cp_->Advise(sink_.Get(), &events_cookie_))) events_cp_.Reset();
        }
        if (SUCCEEDED(cpc->FindConnectionPoint(IID_IPropertyNotifySink, notify_cp_.Out()))) {
            if (FAILED(notify_cp_->Advise(static_cast<IPropertyNotifySink*>(this), &notify_cookie_)))
                notify_cp_.Reset();
        }
    }

    // Place: the given rectangle, or the control's own extent.
    RECT r = {ToPixels(static_cast<float>(rect_in.left), true), ToPixels(static_cast<float>(rect_in.top), false),
              0, 0};
    int w = ToPixels(static_cast<float>(rect_in.right - rect_in.left), true);
    int h = ToPixels(static_cast<float>(rect_in.bottom - rect_in.top), false);
    if (w <= 0 || h <= 0) {
        SIZEL ext = {0, 0};
        object_->GetExtent(DVASPECT_CONTENT, &ext);
        w = scale_.ToPixelsX(HimetricToTwips(ext.cx));
        h = scale_.ToPixelsY(HimetricToTwips(ext.cy));
    } else {
        SIZEL ext = {TwipsToHimetric(scale_.ToTwipsX(w)), TwipsToHimetric(scale_.ToTwipsY(h))};
        object_->SetExtent(DVASPECT_CONTENT, &ext);
    }
    r.right = r.left + w;
    r.bottom = r.top + h;
    rect_ = r;
    hr = object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0, host_, &rect_);
    if (FAILED(hr)) return hr;
    if (HWND wnd = ControlWindow()) ShowWindow(wnd, options_.visible ? SW_SHOWNA : SW_HIDE);
    return S_OK;
}

void ControlSite::Destroy() {
    com::Ptr<IUnknown> keep(static_cast<IOleClientSite*>(this));
    if (events_cp_) {
        events_cp_->Unadvise(events_cookie_);
        events_cp_.Reset();
    }
    if (notify_cp_) {
        notify_cp_->Unadvise(notify_cookie_);
        notify_cp_.Reset();
    }
    if (sink_) {
        static_cast<Sink*>(sink_.Get())->Detach();
        sink_.Reset();
    }
    if (extender_) {
        static_cast<Extenders*>(extender_.Get())->Detach();
        extender_.Reset();
    }
    inplace_.Reset();
    if (object_) {
        com::Ptr<IOleObject> obj = object_;
        object_.Reset();
        obj->Close(OLECLOSE_NOSAVE);
        obj->SetClientSite(nullptr);
    }
    control_.Reset();
    frame_.Reset();
}

HRESULT ControlSite::GetMoniker(DWORD, DWORD, IMoniker** m) {
    if (m) *m = nullptr;
    return E_NOTIMPL;
}

HRESULT ControlSite::GetContainer(IOleContainer** c) {
    if (c) *c = nullptr;
    return E_NOINTERFACE;
}

HRESULT ControlSite::GetWindow(HWND* hwnd) {
    if (!hwnd) return E_POINTER;
    *hwnd = host_;
    return S_OK;
}

HRESULT ControlSite::OnInPlaceActivate() {
    active_ = true;
    if (object_) inplace_ = object_.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
    return S_OK;
}

HRESULT ControlSite::OnInPlaceDeactivate() {
    active_ = false;
    inplace_.Reset();
    return S_OK;
}

HRESULT ControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                      LPOLEINPLACEFRAMEINFO info) {
    if (frame) {
        *frame = frame_.Get();
        if (*frame) (*frame)->AddRef();
    }
    if (doc) *doc = nullptr;
    if (pos) *pos = rect_;
    if (clip) *clip = rect_;
    if (info) {
        info->fMDIApp = FALSE;
        info->hwndFrame = host_;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
    }
    return S_OK;
}

HRESULT ControlSite::OnPosRectChange(LPCRECT pos) {
    if (!pos) return E_POINTER;
    // The control sized itself: take the new rectangle and confirm it.
    rect_ = *pos;
    if (inplace_) inplace_->SetObjectRects(&rect_, &rect_);
    return S_OK;
}

HRESULT ControlSite::GetExtendedControl(IDispatch** disp) {
    if (!disp) return E_POINTER;
    *disp = extender_.Get();
    if (!*disp) return E_NOTIMPL;
    (*disp)->AddRef();
    return S_OK;
}

HRESULT ControlSite::TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) {
    if (!himetric || !container) return E_POINTER;
    if (flags & XFORMCOORDS_HIMETRICTOCONTAINER) {
        const float tx = HimetricToTwips(himetric->x), ty = HimetricToTwips(himetric->y);
        container->x = options_.scale == HostScale::kTwips ? tx : tx / scale_.x;
        container->y = options_.scale == HostScale::kTwips ? ty : ty / scale_.y;
    } else {
        const float tx = options_.scale == HostScale::kTwips ? container->x : container->x * scale_.x;
        const float ty = options_.scale == HostScale::kTwips ? container->y : container->y * scale_.y;
        himetric->x = TwipsToHimetric(tx);
        himetric->y = TwipsToHimetric(ty);
    }
    return S_OK;
}

HRESULT ControlSite::GetTypeInfoCount(UINT* n) {
    if (!n) return E_POINTER;
    *n = 0;
    return S_OK;
}

HRESULT ControlSite::GetTypeInfo(UINT, LCID, ITypeInfo** ti) {
    if (ti) *ti = nullptr;
    return E_NOTIMPL;
}

HRESULT ControlSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

HRESULT ControlSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) {
    if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
    if (!result) return E_POINTER;
    VariantInit(result);
    auto boolean = [&](bool b) {
        result->vt = VT_BOOL;
        result->boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    };
    switch (id) {
        case DISPID_AMBIENT_USERMODE: return boolean(options_.user_mode);
        case DISPID_AMBIENT_UIDEAD: return boolean(false);
        case DISPID_AMBIENT_SHOWGRABHANDLES:
        case DISPID_AMBIENT_SHOWHATCHING:
        case DISPID_AMBIENT_DISPLAYASDEFAULT:
        case DISPID_AMBIENT_MESSAGEREFLECT:
        case DISPID_AMBIENT_SUPPORTSMNEMONICS: return boolean(false);
        case DISPID_AMBIENT_BACKCOLOR:
            result->vt = VT_I4;
            result->lVal = static_cast<LONG>(options_.back_color);
            return S_OK;
        case DISPID_AMBIENT_FORECOLOR:
            result->vt = VT_I4;
            result->lVal = static_cast<LONG>(options_.fore_color);
            return S_OK;
        case DISPID_AMBIENT_LOCALEID:
            result->vt = VT_I4;
            result->lVal = static_cast<LONG>(GetUserDefaultLCID());
            return S_OK;
        case DISPID_AMBIENT_SCALEUNITS:
            result->vt = VT_BSTR;
            result->bstrVal = SysAllocString(options_.scale == HostScale::kTwips ? L"Twip" : L"Pixel");
            return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT ControlSite::OnChanged(DISPID id) {
    changes_.push_back(id);
    return S_OK;
}

IDispatch* ControlSite::Extender() const { return extender_.Get(); }

HWND ControlSite::ControlWindow() const {
    if (!object_) return nullptr;
    com::Ptr<IOleWindow> w = object_.As<IOleWindow>(IID_IOleInPlaceObject);
    HWND hwnd = nullptr;
    if (w) w->GetWindow(&hwnd);
    return hwnd;
}

float ControlSite::ToHost(int pixels, bool x) const {
    if (options_.scale == HostScale::kPixels) return static_cast<float>(pixels);
    return x ? scale_.ToTwipsX(pixels) : scale_.ToTwipsY(pixels);
}

int ControlSite::ToPixels(float value, bool x) const {
    if (options_.scale == HostScale::kPixels) return static_cast<int>(value < 0 ? value - 0.5f : value + 0.5f);
    return x ? scale_.ToPixelsX(value) : scale_.ToPixelsY(value);
}

float ControlSite::Left() const { return ToHost(rect_.left, true); }
float ControlSite::Top() const { return ToHost(rect_.top, false); }
float ControlSite::Width() const { return ToHost(rect_.right - rect_.left, true); }
float ControlSite::Height() const { return ToHost(rect_.bottom - rect_.top, false); }

void ControlSite::Move(float left, float top, float width, float height) {
    com::Ptr<IUnknown> keep(static_cast<IOleClientSite*>(this));
    RECT r;
    r.left = ToPixels(left, true);
    r.top = ToPixels(top, false);
    r.right = r.left + ToPixels(width, true);
    r.bottom = r.top + ToPixels(height, false);
    rect_ = r;
    if (object_) {
        SIZEL ext = {TwipsToHimetric(scale_.ToTwipsX(r.right - r.left)), TwipsToHimetric(scale_.ToTwipsY(r.bottom - r.top))};
        object_->SetExtent(DVASPECT_CONTENT, &ext);
    }
    // The control may answer with a size of its own (OnPosRectChange).
    if (inplace_) inplace_->SetObjectRects(&r, &r);
}

void ControlSite::SetVisible(bool visible) {
    options_.visible = visible;
    if (HWND wnd = ControlWindow()) ShowWindow(wnd, visible ? SW_SHOWNA : SW_HIDE);
}

void ControlSite::ZOrder(int position) {
    if (HWND wnd = ControlWindow())
        SetWindowPos(wnd, position == 0 ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HRESULT ControlSite::SaveProperties(IPropertyBag* bag) {
    if (!object_) return E_UNEXPECTED;
    com::Ptr<IPersistPropertyBag> ppb = object_.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    if (!ppb) return E_NOINTERFACE;
    return ppb->Save(bag, TRUE, TRUE);
}

void ControlSite::SetUserMode(bool user_mode) {
    options_.user_mode = user_mode;
    if (auto oc = object_.As<IOleControl>(IID_IOleControl)) oc->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE);
}

// --- control arrays ----------------------------------------------------------------------------

ControlArray::ControlArray(HWND host, REFCLSID clsid, IClassFactory* factory, HostScale scale, EventHandler handler)
    : host_(host), clsid_(clsid), factory_(factory), scale_(scale), handler_(std::move(handler)) {}

ControlArray::~ControlArray() {
    for (auto& e : elements_) e.second->Destroy();
    elements_.clear();
}

HRESULT ControlArray::Init(const RECT& rect, IPropertyBag* properties) {
    if (elements_.count(0)) return S_FALSE;
    ControlSite::Options o;
    o.scale = scale_;
    o.visible = false;
    o.properties = properties;
    o.index = 0;
    com::Ptr<ControlSite> site;
    HRESULT hr = ControlSite::Create(host_, clsid_, factory_.Get(), rect, o, handler_, site);
    if (SUCCEEDED(hr)) elements_[0] = site;
    return hr;
}

HRESULT ControlArray::Load(int index) {
    if (index <= 0) return E_INVALIDARG;
    auto t = elements_.find(0);
    if (t == elements_.end()) return E_UNEXPECTED;
    if (elements_.count(index)) return HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS);
    com::Ptr<MemoryPropertyBag> bag = NewPropertyBag();
    HRESULT hr = t->second->SaveProperties(bag.Get());
    if (FAILED(hr)) return hr;
    ControlSite& tpl = *t->second.Get();
    RECT r = {static_cast<LONG>(tpl.Left()), static_cast<LONG>(tpl.Top()),
              static_cast<LONG>(tpl.Left() + tpl.Width()), static_cast<LONG>(tpl.Top() + tpl.Height())};
    ControlSite::Options o;
    o.scale = scale_;
    o.visible = false;  // a loaded element shows when the host says so
    o.properties = bag.Get();
    o.index = index;
    com::Ptr<ControlSite> site;
    hr = ControlSite::Create(host_, clsid_, factory_.Get(), r, o, handler_, site);
    if (SUCCEEDED(hr)) elements_[index] = site;
    return hr;
}

void ControlArray::Unload(int index) {
    if (index <= 0) return;
    auto it = elements_.find(index);
    if (it == elements_.end()) return;
    com::Ptr<ControlSite> site = it->second;
    elements_.erase(it);
    site->Destroy();
}

com::Ptr<ControlSite> ControlArray::Take(int index) {
    com::Ptr<ControlSite> site;
    if (index <= 0) return site;
    auto it = elements_.find(index);
    if (it == elements_.end()) return site;
    site = it->second;
    elements_.erase(it);
    return site;
}

ControlSite* ControlArray::operator[](int index) const {
    auto it = elements_.find(index);
    return it == elements_.end() ? nullptr : it->second.Get();
}

int ControlArray::UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }

void ControlArray::Clear() {
    while (UBound() > 0) Unload(UBound());
}

}  // namespace vorne::activex
