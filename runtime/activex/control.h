#pragma once
// The control side of the ActiveX contract: what a container needs to place,
// activate, draw, drive and persist a control. A control derives from
// Control, adds its dual interface and its parts, and answers the user
// control events (InitProperties, ReadProperties, WriteProperties, Resize).
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "runtime/activex/part.h"
#include "runtime/activex/property_bag.h"
#include "runtime/activex/twips.h"
#include "runtime/com/connection_point.h"
#include "runtime/com/object.h"

namespace vorne::activex {

struct ControlClass {
    const CLSID* clsid;
    const IID* dual;    // the default (dual) interface
    const IID* events;  // the default source dispinterface
    DWORD misc_status;  // OLEMISC_* bits
    float width;        // size of a new control, twips
    float height;
};

class Control : public com::Object,
                public IOleObject,
                public IOleInPlaceObject,
                public IOleInPlaceActiveObject,
                public IOleControl,
                public IViewObject2,
                public IPersistPropertyBag,
                public IPersistStreamInit,
                public IConnectionPointContainer,
                public IProvideClassInfo2,
                public ISupportErrorInfo,
                public PartListener {
public:
    // --- IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Close(DWORD save) override;
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** m) override;
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject** d) override;
    HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG msg, IOleClientSite* active, LONG index, HWND parent,
                                     LPCRECT pos) override;
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** e) override;
    HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR*) override { return OLE_S_USEREG; }
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** e) override;
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // --- IOleWindow / IOleInPlaceObject / IOleInPlaceActiveObject
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE UIDeactivate() override;
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT pos, LPCRECT clip) override;
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }

    // --- IOleControl
    HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
    HRESULT STDMETHODCALLTYPE OnMnemonic(MSG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) override;
    HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;

    // --- IViewObject2
    HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG index, void* aspect_info, DVTARGETDEVICE* target,
                                   HDC target_dc, HDC dc, LPCRECTL bounds, LPCRECTL wbounds,
                                   BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR), ULONG_PTR cont_arg) override;
    HRESULT STDMETHODCALLTYPE GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unfreeze(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE*, LPSIZEL size) override {
        return GetExtent(aspect, size);
    }

    // --- IPersist, IPersistPropertyBag, IPersistStreamInit
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE InitNew() override;
    HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override;
    HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clear_dirty, BOOL save_all) override;
    HRESULT STDMETHODCALLTYPE IsDirty() override { return dirty_ ? S_OK : S_FALSE; }
    HRESULT STDMETHODCALLTYPE Load(LPSTREAM stream) override;
    HRESULT STDMETHODCALLTYPE Save(LPSTREAM stream, BOOL clear_dirty) override;
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;

    // --- IConnectionPointContainer, IProvideClassInfo2, ISupportErrorInfo
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** e) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** cp) override;
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) override;
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;

    // --- PartListener (the bare control's surface and the parts)
    IUnknown* Keeper() override { return static_cast<IOleObject*>(this); }

protected:
    explicit Control(const ControlClass& cls);
    ~Control() override;

    // QueryInterface for every interface of the kit plus the dual one.
    HRESULT QueryControl(REFIID riid, void** ppv, IDispatch* dual);

    // --- what the control supplies
    virtual void CreateParts(HWND surface) = 0;  // child windows of the parts
    virtual void DestroyParts() = 0;
    virtual void InitProperties() = 0;
    virtual void ReadProperties(PropertyReader& bag) = 0;
    virtual void WriteProperties(PropertyWriter& bag) = 0;
    virtual void Resize() = 0;
    // Draws the parts (IViewObject::Draw) at (x, y) of dc after the surface.
    virtual void DrawParts(HDC dc, int x, int y) {}
    virtual void AmbientChanged(DISPID id) {}
    virtual IDispatch* Dual() = 0;

    // --- services
    const TwipsScale& Scale() const { return scale_; }
    // The inner size in twips.
    float ScaleWidth() const { return width_; }
    float ScaleHeight() const { return height_; }
    // The control sets its own size (twips): its window, its extent, and the
    // container through OnPosRectChange.
    void SetSize(float width, float height);
    HWND SurfaceWindow() const { return surface_.Window(); }
    PicturePart& Surface() { return surface_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Tells the container that the named property changed.
    void PropertyChanged(const wchar_t* name);
    // Raises event id to the host with arguments in natural order (usually
    // by reference); the control stays alive through the raise.
    void RaiseEvent(DISPID id, VARIANT* args = nullptr, UINT count = 0);
    bool Ambient(DISPID id, VARIANT* out);
    // Design mode versus run mode; run mode when the container says nothing.
    bool AmbientUserMode();
    bool InPlaceActive() const { return static_cast<bool>(inplace_site_); }

private:
    HRESULT ActivateInPlace(bool ui, LPCRECT pos);
    void ApplyRects(const RECT& pos);
    void Notify(DISPID id);

    ControlClass cls_;
    TwipsScale scale_;
    PicturePart surface_;
    float width_, height_;
    bool enabled_ = true;
    bool dirty_ = false;
    bool initialized_ = false;
    bool ui_active_ = false;
    bool sizing_ = false;
    int frozen_ = 0;
    RECT pos_ = {0, 0, 0, 0};
    com::Ptr<IOleClientSite> site_;
    com::Ptr<IOleInPlaceSite> inplace_site_;
    com::Ptr<IOleInPlaceFrame> frame_;
    com::Ptr<IOleInPlaceUIWindow> ui_window_;
    com::Ptr<IOleAdviseHolder> advise_holder_;
    com::Ptr<IAdviseSink> view_sink_;
    DWORD view_aspects_ = 0, view_flags_ = 0;
    com::ConnectionPoint events_cp_;
    com::ConnectionPoint notify_cp_;
};

// Wraps a variable as a by-reference argument of an event.
inline VARIANT ByRef(short* v) { VARIANT r; VariantInit(&r); r.vt = VT_I2 | VT_BYREF; r.piVal = v; return r; }
inline VARIANT ByRef(float* v) { VARIANT r; VariantInit(&r); r.vt = VT_R4 | VT_BYREF; r.pfltVal = v; return r; }
inline VARIANT ByRef(long* v) { VARIANT r; VariantInit(&r); r.vt = VT_I4 | VT_BYREF; r.plVal = v; return r; }
inline VARIANT ByRefBool(VARIANT_BOOL* v) { VARIANT r; VariantInit(&r); r.vt = VT_BOOL | VT_BYREF; r.pboolVal = v; return r; }

}  // namespace vorne::activex
