#include "runtime/activex/control.h"

#include "runtime/activex/screen.h"
#include "runtime/com/error.h"
#include "runtime/com/typelib.h"

namespace vorne::activex {

Control::Control(const ControlClass& cls)
    : cls_(cls),
      scale_(ScreenTwipsScale()),
      surface_(*this, scale_),
      width_(cls.width),
      height_(cls.height),
      events_cp_(static_cast<IOleObject*>(this), static_cast<IConnectionPointContainer*>(this), *cls.events),
      notify_cp_(static_cast<IOleObject*>(this), static_cast<IConnectionPointContainer*>(this),
                 IID_IPropertyNotifySink) {
    surface_.SetBounds(0, 0, width_, height_);
}

Control::~Control() {
    surface_.Destroy();
}

HRESULT Control::QueryControl(REFIID riid, void** ppv, IDispatch* dual) {
    return com::QueryTable(
        riid, ppv,
        {{&IID_IOleObject, static_cast<IOleObject*>(this)},
         {&IID_IDispatch, dual},
         {cls_.dual, dual},
         {&IID_IOleWindow, static_cast<IOleInPlaceObject*>(this)},
         {&IID_IOleInPlaceObject, static_cast<IOleInPlaceObject*>(this)},
         {&IID_IOleInPlaceActiveObject, static_cast<IOleInPlaceActiveObject*>(this)},
         {&IID_IOleControl, static_cast<IOleControl*>(this)},
         {&IID_IViewObject, static_cast<IViewObject2*>(this)},
         {&IID_IViewObject2, static_cast<IViewObject2*>(this)},
         {&IID_IPersist, static_cast<IPersistPropertyBag*>(this)},
         {&IID_IPersistPropertyBag, static_cast<IPersistPropertyBag*>(this)},
         {&IID_IPersistStreamInit, static_cast<IPersistStreamInit*>(this)},
         {&IID_IConnectionPointContainer, static_cast<IConnectionPointContainer*>(this)},
         {&IID_IProvideClassInfo, static_cast<IProvideClassInfo2*>(this)},
         {&IID_IProvideClassInfo2, static_cast<IProvideClassInfo2*>(this)},
         {&IID_ISupportErrorInfo, static_cast<ISupportErrorInfo*>(this)}});
}

// --- IOleObject --------------------------------------------------------------

HRESULT Control::SetClientSite(IOleClientSite* site) {
    site_ = site;
    return S_OK;
}

HRESULT Control::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    *site = site_.Get();
    if (*site) (*site)->AddRef();
    return S_OK;
}

HRESULT Control::Close(DWORD) {
    com::Ptr<IUnknown> keep(static_cast<IOleObject*>(this));
    InPlaceDeactivate();
    if (advise_holder_) advise_holder_->SendOnClose();
    view_sink_.Reset();
    return S_OK;
}

HRESULT Control::GetMoniker(DWORD, DWORD, IMoniker** m) {
    if (m) *m = nullptr;
    return E_NOTIMPL;
}

HRESULT Control::GetClipboardData(DWORD, IDataObject** d) {
    if (d) *d = nullptr;
    return E_NOTIMPL;
}

HRESULT Control::DoVerb(LONG verb, LPMSG, IOleClientSite* active, LONG, HWND, LPCRECT pos) {
    if (!site_ && active) site_ = active;
    switch (verb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_INPLACEACTIVATE:
            return ActivateInPlace(false, pos);
        case OLEIVERB_UIACTIVATE:
            return ActivateInPlace(true, pos);
        case OLEIVERB_HIDE:
            surface_.SetVisible(false);
            return S_OK;
        default:
            return OLEOBJ_S_INVALIDVERB;
    }
}

HRESULT Control::EnumVerbs(IEnumOLEVERB** e) {
    if (e) *e = nullptr;
    return OLEOBJ_E_NOVERBS;
}

HRESULT Control::GetUserClassID(CLSID* clsid) { return GetClassID(clsid); }

HRESULT Control::SetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    width_ = HimetricToTwips(size->cx);
    height_ = HimetricToTwips(size->cy);
    if (!sizing_) Resize();
    return S_OK;
}

HRESULT Control::GetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    size->cx = TwipsToHimetric(width_);
    size->cy = TwipsToHimetric(height_);
    return S_OK;
}

HRESULT Control::Advise(IAdviseSink* sink, DWORD* cookie) {
    if (!advise_holder_) {
        HRESULT hr = CreateOleAdviseHolder(advise_holder_.Out());
        if (FAILED(hr)) return hr;
    }
    return advise_holder_->Advise(sink, cookie);
}

HRESULT Control::Unadvise(DWORD cookie) {
    return advise_holder_ ? advise_holder_->Unadvise(cookie) : OLE_E_NOCONNECTION;
}

HRESULT Control::EnumAdvise(IEnumSTATDATA** e) {
    if (!e) return E_POINTER;
    *e = nullptr;
    return advise_holder_ ? advise_holder_->EnumAdvise(e) : S_OK;
}

HRESULT Control::GetMiscStatus(DWORD, DWORD* status) {
    if (!status) return E_POINTER;
    *status = cls_.misc_status;
    return S_OK;
}

// --- in-place activation -------------------------------------------------------

HRESULT Control::ActivateInPlace(bool ui, LPCRECT pos) {
    if (!site_) return E_UNEXPECTED;
    if (!inplace_site_) {
        com::Ptr<IOleInPlaceSite> site = site_.As<IOleInPlaceSite>(IID_IOleInPlaceSite);
        if (!site) return E_NOINTERFACE;
        if (site->CanInPlaceActivate() != S_OK) return E_FAIL;
        inplace_site_ = site;
        inplace_site_->OnInPlaceActivate();
    }
    HWND parent = nullptr;
    inplace_site_->GetWindow(&parent);
    RECT p = {}, clip = {};
    OLEINPLACEFRAMEINFO info = {};
    info.cb = sizeof info;
    frame_.Reset();
    ui_window_.Reset();
    inplace_site_->GetWindowContext(frame_.Out(), ui_window_.Out(), &p, &clip, &info);
    if (pos) p = *pos;
    if (!surface_.Window()) {
        if (!surface_.Create(parent)) return E_FAIL;
        EnableWindow(surface_.Window(), enabled_);
        CreateParts(surface_.Window());
    }
    ApplyRects(p);
    surface_.SetVisible(true);
    if (ui && !ui_active_) {
        ui_active_ = true;
        inplace_site_->OnUIActivate();
        if (frame_) frame_->SetActiveObject(static_cast<IOleInPlaceActiveObject*>(this), nullptr);
        if (ui_window_) ui_window_->SetActiveObject(static_cast<IOleInPlaceActiveObject*>(this), nullptr);
        SetFocus(surface_.Window());
    }
    return S_OK;
}

HRESULT Control::GetWindow(HWND* hwnd) {
    if (!hwnd) return E_POINTER;
    *hwnd = surface_.Window();
    return *hwnd ? S_OK : E_FAIL;
}

HRESULT Control::UIDeactivate() {
    if (!ui_active_) return S_OK;
    ui_active_ = false;
    if (frame_) frame_->SetActiveObject(nullptr, nullptr);
    if (ui_window_) ui_window_->SetActiveObject(nullptr, nullptr);
    if (inplace_site_) inplace_site_->OnUIDeactivate(FALSE);
    return S_OK;
}

HRESULT Control::InPlaceDeactivate() {
    if (!inplace_site_) return S_OK;
    com::Ptr<IUnknown> keep(static_cast<IOleObject*>(this));
    UIDeactivate();
    DestroyParts();
    surface_.Destroy();
    com::Ptr<IOleInPlaceSite> site = inplace_site_;
    inplace_site_.Reset();
    frame_.Reset();
    ui_window_.Reset();
    site->OnInPlaceDeactivate();
    return S_OK;
}

void Control::ApplyRects(const RECT& pos) {
    pos_ = pos;
    const int w = pos.right - pos.left;
    const int h = pos.bottom - pos.top;
    // Twips stay as they are while they give the same pixels, so a size the
    // control set itself survives the container's answer.
    bool changed = false;
    if (w != scale_.ToPixelsX(width_)) {
        width_ = scale_.ToTwipsX(w);
        changed = true;
    }
    if (h != scale_.ToPixelsY(height_)) {
        height_ = scale_.ToTwipsY(h);
        changed = true;
    }
    if (HWND wnd = surface_.Window()) {
        SetWindowPos(wnd, nullptr, pos.left, pos.top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    surface_.SetBounds(scale_.ToTwipsX(pos.left), scale_.ToTwipsY(pos.top), width_, height_);
    if (changed && !sizing_) Resize();
}

HRESULT Control::SetObjectRects(LPCRECT pos, LPCRECT) {
    if (!pos) return E_POINTER;
    ApplyRects(*pos);
    return S_OK;
}

void Control::SetSize(float width, float height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    sizing_ = true;
    RECT r = pos_;
    r.right = r.left + scale_.ToPixelsX(width_);
    r.bottom = r.top + scale_.ToPixelsY(height_);
    pos_ = r;
    if (HWND wnd = surface_.Window())
        SetWindowPos(wnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    surface_.SetBounds(surface_.Left(), surface_.Top(), width_, height_);
    com::Ptr<IOleInPlaceSite> site = inplace_site_;
    if (site) site->OnPosRectChange(&r);
    sizing_ = false;
}

// --- IOleControl ---------------------------------------------------------------

HRESULT Control::GetControlInfo(CONTROLINFO* info) {
    if (!info) return E_POINTER;
    info->cb = sizeof *info;
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

HRESULT Control::OnAmbientPropertyChange(DISPID id) {
    AmbientChanged(id);
    return S_OK;
}

HRESULT Control::FreezeEvents(BOOL freeze) {
    if (freeze) {
        ++frozen_;
    } else if (frozen_ > 0) {
        --frozen_;
    }
    return S_OK;
}

// --- IViewObject2 ----------------------------------------------------------------

HRESULT Control::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
                      BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!dc || !bounds) return E_INVALIDARG;
    surface_.DrawTo(dc, bounds->left, bounds->top);
    DrawParts(dc, bounds->left, bounds->top);
    return S_OK;
}

HRESULT Control::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
    view_aspects_ = aspects;
    view_flags_ = flags;
    view_sink_ = sink;
    return S_OK;
}

HRESULT Control::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects) *aspects = view_aspects_;
    if (flags) *flags = view_flags_;
    if (sink) {
        *sink = view_sink_.Get();
        if (*sink) (*sink)->AddRef();
    }
    return S_OK;
}

// --- persistence -------------------------------------------------------------------

HRESULT Control::GetClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = *cls_.clsid;
    return S_OK;
}

// The controls' own property code runs inside these; whatever it throws
// comes back to the container as an error (Guard), never as an exception.
HRESULT Control::InitNew() {
    return com::Guard(IID_IPersistStreamInit, [&] {
        InitProperties();
        initialized_ = true;
        dirty_ = false;
    });
}

HRESULT Control::Load(IPropertyBag* bag, IErrorLog* log) {
    if (!bag) return E_POINTER;
    return com::Guard(IID_IPersistPropertyBag, [&] {
        PropertyReader reader(bag, log);
        ReadProperties(reader);
        initialized_ = true;
        dirty_ = false;
    });
}

HRESULT Control::Save(IPropertyBag* bag, BOOL clear_dirty, BOOL) {
    if (!bag) return E_POINTER;
    return com::Guard(IID_IPersistPropertyBag, [&] {
        PropertyWriter writer(bag);
        WriteProperties(writer);
        if (clear_dirty) dirty_ = false;
    });
}

HRESULT Control::Load(LPSTREAM stream) {
    if (!stream) return E_POINTER;
    com::Ptr<MemoryPropertyBag> bag;
    HRESULT hr = com::Guard(IID_IPersistStreamInit, [&] {
        bag = NewPropertyBag();
        com::Check(bag->LoadFrom(stream));
    });
    if (FAILED(hr)) return hr;
    return Load(bag.Get(), nullptr);
}

HRESULT Control::Save(LPSTREAM stream, BOOL clear_dirty) {
    if (!stream) return E_POINTER;
    com::Ptr<MemoryPropertyBag> bag;
    HRESULT hr = com::Guard(IID_IPersistStreamInit, [&] { bag = NewPropertyBag(); });
    if (FAILED(hr)) return hr;
    hr = Save(bag.Get(), clear_dirty, TRUE);
    if (FAILED(hr)) return hr;
    return bag->SaveTo(stream);
}

HRESULT Control::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    return com::Guard(IID_IPersistStreamInit, [&] {
        com::Ptr<IStream> mem;
        com::Check(CreateStreamOnHGlobal(nullptr, TRUE, mem.Out()));
        com::Ptr<MemoryPropertyBag> bag = NewPropertyBag();
        PropertyWriter writer(bag.Get());
        WriteProperties(writer);
        com::Check(bag->SaveTo(mem.Get()));
        STATSTG st = {};
        mem->Stat(&st, STATFLAG_NONAME);
        size->QuadPart = st.cbSize.QuadPart;
    });
}

// --- connection points, class info, error info ------------------------------------

HRESULT Control::EnumConnectionPoints(IEnumConnectionPoints** e) {
    return com::EnumConnectionPointsOf({&events_cp_, &notify_cp_}, e);
}

HRESULT Control::FindConnectionPoint(REFIID riid, IConnectionPoint** cp) {
    return com::FindConnectionPointIn({&events_cp_, &notify_cp_}, riid, cp);
}

HRESULT Control::GetClassInfo(ITypeInfo** info) { return com::TypeInfoOf(*cls_.clsid, info); }

HRESULT Control::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = *cls_.events;
    return S_OK;
}

HRESULT Control::InterfaceSupportsErrorInfo(REFIID riid) {
    return (IsEqualIID(riid, *cls_.dual) || IsEqualIID(riid, IID_IDispatch)) ? S_OK : S_FALSE;
}

// --- services -------------------------------------------------------------------------

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (HWND wnd = surface_.Window()) {
        EnableWindow(wnd, enabled);
        for (HWND child = ::GetWindow(wnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            EnableWindow(child, enabled);
    }
}

void Control::Notify(DISPID id) {
    for (const com::Ptr<IUnknown>& s : notify_cp_.Sinks()) {
        com::Ptr<IPropertyNotifySink> sink = s.As<IPropertyNotifySink>(IID_IPropertyNotifySink);
        if (sink) sink->OnChanged(id);
    }
}

void Control::PropertyChanged(const wchar_t* name) {
    dirty_ = true;
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR n = const_cast<LPOLESTR>(name);
    if (IDispatch* d = Dual()) d->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id);
    Notify(id);
    if (view_sink_) view_sink_->OnViewChange(DVASPECT_CONTENT, -1);
}

void Control::RaiseEvent(DISPID id, VARIANT* args, UINT count) {
    if (frozen_ > 0) return;
    com::Ptr<IUnknown> keep(static_cast<IOleObject*>(this));
    events_cp_.Fire(id, args, count);
}

bool Control::Ambient(DISPID id, VARIANT* out) {
    VariantInit(out);
    if (!site_) return false;
    com::Ptr<IDispatch> amb = site_.As<IDispatch>(IID_IDispatch);
    if (!amb) return false;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return SUCCEEDED(amb->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, out, nullptr,
                                 nullptr));
}

bool Control::AmbientUserMode() {
    VARIANT v;
    if (!Ambient(DISPID_AMBIENT_USERMODE, &v)) return true;
    VARIANT b;
    VariantInit(&b);
    bool user = true;
    if (SUCCEEDED(VariantChangeType(&b, &v, 0, VT_BOOL))) user = b.boolVal != VARIANT_FALSE;
    VariantClear(&v);
    return user;
}

}  // namespace vorne::activex
