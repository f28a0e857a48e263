#pragma once
// The container side: a site that places one control on a host window and
// activates it in place, answers ambient properties, hands the control's
// events to the host by event number, and offers an extender with Left,
// Top, Width, Height and Visible in the host's scale; and control arrays
// whose element 0 is a hidden template for the elements loaded from it.
#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <map>
#include <vector>

#include "runtime/activex/property_bag.h"
#include "runtime/activex/twips.h"
#include "runtime/com/object.h"

namespace vorne::activex {

// Extender dispatch ids.
inline constexpr DISPID kDispidLeft = static_cast<DISPID>(0x80010003);
inline constexpr DISPID kDispidTop = static_cast<DISPID>(0x80010004);
inline constexpr DISPID kDispidWidth = static_cast<DISPID>(0x80010005);
inline constexpr DISPID kDispidHeight = static_cast<DISPID>(0x80010006);
inline constexpr DISPID kDispidVisible = static_cast<DISPID>(0x80010007);
// ZOrder(position): 0 brings the control to the front, 1 sends it back.
inline constexpr DISPID kDispidZOrder = static_cast<DISPID>(0x80010008);

// Pixels on the player's main window, twips in the editor's preview.
enum class HostScale { kPixels, kTwips };

class ControlSite;

// An event of a hosted control: its number and its arguments as the
// control passed them (reversed order, usually by reference).
using EventHandler = std::function<void(ControlSite& site, DISPID event, DISPPARAMS* params)>;

class ControlSite : public com::Object,
                    public IOleClientSite,
                    public IOleInPlaceSite,
                    public IOleControlSite,
                    public IDispatch,
                    public IPropertyNotifySink {
public:
    struct Options {
        HostScale scale = HostScale::kPixels;
        bool visible = true;
        bool user_mode = true;
        OLE_COLOR back_color = 0x8000000F;
        OLE_COLOR fore_color = 0x80000012;
        IPropertyBag* properties = nullptr;  // load from it; InitNew without
        int index = 0;                       // element number in an array
    };

    // Creates the control (by CLSID, or through a class factory), places it
    // at rect (host scale; a zero size takes the control's own) and
    // activates it in place.
    static HRESULT Create(HWND host, REFCLSID clsid, IClassFactory* factory, const RECT& rect, const Options& options,
                          EventHandler handler, com::Ptr<ControlSite>& out);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    VORNE_COM_REFCOUNT()

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** m) override;
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** c) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }
    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                               LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT pos) override;
    // IOleControlSite
    HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** disp) override;
    HRESULT STDMETHODCALLTYPE TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE OnFocus(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }
    // IDispatch: the ambient properties
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ti) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO*, UINT*) override;
    // IPropertyNotifySink
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override;
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

    // --- for the host
    IDispatch* Control() const { return control_.Get(); }  // the control's own dispatch
    IDispatch* Extender() const;                           // extender in front of it
    IOleObject* Object() const { return object_.Get(); }
    HWND ControlWindow() const;
    int Index() const { return options_.index; }
    // Position in the host's scale.
    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void Move(float left, float top, float width, float height);
    bool Visible() const { return options_.visible; }
    void SetVisible(bool visible);
    void ZOrder(int position);
    // Pixels of the control on the host window.
    const RECT& PixelRect() const { return rect_; }
    // Properties changed, by dispatch id, in the order the control reported them.
    const std::vector<DISPID>& Changes() const { return changes_; }
    void ClearChanges() { changes_.clear(); }
    // Saves the control's properties into bag.
    HRESULT SaveProperties(IPropertyBag* bag);
    void SetUserMode(bool user_mode);
    // Unadvises, closes and releases the control.
    void Destroy();

private:
    ControlSite(HWND host, const Options& options, EventHandler handler);
    ~ControlSite() override;
    HRESULT Init(REFCLSID clsid, IClassFactory* factory, const RECT& rect);
    float ToHost(int pixels, bool x) const;
    int ToPixels(float value, bool x) const;

    class Frame;
    class Extenders;
    class Sink;

    HWND host_;
    Options options_;
    EventHandler handler_;
    TwipsScale scale_;
    RECT rect_ = {0, 0, 0, 0};
    com::Ptr<IOleObject> object_;
    com::Ptr<IDispatch> control_;
    com::Ptr<IOleInPlaceObject> inplace_;
    com::Ptr<IOleInPlaceFrame> frame_;
    com::Ptr<IDispatch> extender_;
    com::Ptr<IDispatch> sink_;
    com::Ptr<IConnectionPoint> events_cp_, notify_cp_;
    DWORD events_cookie_ = 0, notify_cookie_ = 0;
    std::vector<DISPID> changes_;
    bool active_ = false;
};

// A control array on one host window: element 0 is the hidden template,
// Load(n) creates element n from the template's properties and place,
// Unload(n) destroys it. Events reach the handler with the element's site
// (its Index() is the element number).
class ControlArray {
public:
    ControlArray(HWND host, REFCLSID clsid, IClassFactory* factory, HostScale scale, EventHandler handler);
    ~ControlArray();
    // Creates the template at rect (host scale), hidden.
    HRESULT Init(const RECT& rect, IPropertyBag* properties = nullptr);
    HRESULT Load(int index);
    void Unload(int index);
    // Removes an element from the array without closing it: the caller
    // holds it and destroys it when it is safe to (after the element's own
    // event has returned). Null when there is no such element.
    com::Ptr<ControlSite> Take(int index);
    ControlSite* operator[](int index) const;
    int UBound() const;  // highest element number loaded
    void Clear();        // every element but the template

private:
    HWND host_;
    CLSID clsid_;
    com::Ptr<IClassFactory> factory_;
    HostScale scale_;
    EventHandler handler_;
    std::map<int, com::Ptr<ControlSite>> elements_;
};

// Pulls a by-reference or plain argument (reversed order in DISPPARAMS) out of
// an event's parameters: natural position i of n arguments.
VARIANT* EventArg(DISPPARAMS* params, UINT i);

}  // namespace vorne::activex
