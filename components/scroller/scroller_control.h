#pragma once
// The Scroller control: the window-free model wired to its parts (the
// windowed surface, the windowless caption label, the step timer and the
// caption's font), its dual interface and its events.
#include <windows.h>

#include "Dunmere.h"
#include "components/scroller/scroller_ids.h"
#include "components/scroller/scroller_core.h"
#include "components/scroller/scroller_persist.h"
#include "runtime/activex/control.h"
#include "runtime/activex/font.h"
#include "runtime/activex/timer.h"
#include "runtime/com/dispatch.h"

namespace vorne::scroller {

// The design font of the caption, used when the container has none.
activex::FontSpec DesignFont();

class ScrollerControl final : public activex::Control, public _Scroller, private ScrollerEvents {
public:
    ScrollerControl();
    ~ScrollerControl() override;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    VORNE_COM_REFCOUNT()
    VORNE_DISPATCH_IMPL(ScrollerControl, IID__Scroller)

    HRESULT STDMETHODCALLTYPE Close(DWORD save) override;

    // _Scroller
    HRESULT STDMETHODCALLTYPE get_BackColor(OLE_COLOR* v) override;
    HRESULT STDMETHODCALLTYPE put_BackColor(OLE_COLOR v) override;
    HRESULT STDMETHODCALLTYPE get_ForeColor(OLE_COLOR* v) override;
    HRESULT STDMETHODCALLTYPE put_ForeColor(OLE_COLOR v) override;
    HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* v) override;
    HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL v) override;
    HRESULT STDMETHODCALLTYPE get_Font(IFontDisp** v) override;
    HRESULT STDMETHODCALLTYPE putref_Font(IFontDisp* v) override;
    HRESULT STDMETHODCALLTYPE get_BorderStyle(short* v) override;
    HRESULT STDMETHODCALLTYPE put_BorderStyle(short v) override;
    HRESULT STDMETHODCALLTYPE Refresh() override;
    HRESULT STDMETHODCALLTYPE get_ScrollDirection(direction* v) override;
    HRESULT STDMETHODCALLTYPE put_ScrollDirection(direction v) override;
    HRESULT STDMETHODCALLTYPE ResetScroll(VARIANT* result) override;
    HRESULT STDMETHODCALLTYPE get_TextAlignment(LRalignments* v) override;
    HRESULT STDMETHODCALLTYPE put_TextAlignment(LRalignments v) override;
    HRESULT STDMETHODCALLTYPE get_Caption(BSTR* v) override;
    HRESULT STDMETHODCALLTYPE put_Caption(BSTR v) override;
    HRESULT STDMETHODCALLTYPE get_ScrollSpeed(LONG* v) override;
    HRESULT STDMETHODCALLTYPE put_ScrollSpeed(LONG v) override;
    HRESULT STDMETHODCALLTYPE get_MouseIcon(IPictureDisp** v) override;
    HRESULT STDMETHODCALLTYPE putref_MouseIcon(IPictureDisp* v) override;
    HRESULT STDMETHODCALLTYPE get_MousePointer(short* v) override;
    HRESULT STDMETHODCALLTYPE put_MousePointer(short v) override;
    HRESULT STDMETHODCALLTYPE get_HorizontalAlignment(LRalignments* v) override;
    HRESULT STDMETHODCALLTYPE put_HorizontalAlignment(LRalignments v) override;
    HRESULT STDMETHODCALLTYPE get_VerticalAlignment(UDalignments* v) override;
    HRESULT STDMETHODCALLTYPE put_VerticalAlignment(UDalignments v) override;

    // The members' work, shared by the vtable and the dispatch paths;
    // failures are thrown as ComError.
    void SetBackColor(OLE_COLOR v);
    void SetForeColor(OLE_COLOR v);
    void SetScrolling(bool on);
    void SetFont(IUnknown* font);
    void SetBorderStyle(int64_t v);
    void Repaint();
    void SetDirection(int64_t v);
    void Reset();
    void SetTextAlignment(int64_t v);
    void SetCaption(const std::wstring& v);
    void SetScrollSpeed(int64_t v);
    void SetMouseIcon(IUnknown* pic);
    void SetMousePointer(int64_t v);
    void SetHorizontalAlignment(int64_t v);
    void SetVerticalAlignment(int64_t v);
    ScrollerModel& Model() { return model_; }

protected:
    void CreateParts(HWND surface) override;
    void DestroyParts() override;
    void InitProperties() override;
    void ReadProperties(activex::PropertyReader& bag) override;
    void WriteProperties(activex::PropertyWriter& bag) override;
    void Resize() override;
    void DrawParts(HDC dc, int x, int y) override;
    void AmbientChanged(DISPID id) override;
    IDispatch* Dual() override { return static_cast<_Scroller*>(this); }

    // PartListener
    void OnMouse(activex::PicturePart& part, activex::MouseAction action, short button, short shift, float x,
                 float y) override;
    void OnInput(activex::PicturePart& part, activex::PartInput input, short code, short shift) override;
    void OnCaptureLost(activex::PicturePart& part) override;
    bool OnPartMessage(activex::PicturePart& part, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    // ScrollerEvents
    void scrollComplete() override { RaiseEvent(kEventScrollComplete); }
    void scrollStart() override { RaiseEvent(kEventScrollStart); }
    void changeScrollDirection() override { RaiseEvent(kEventChangeScrollDirection); }
    void click() override { RaiseEvent(kEventClick); }
    void dblClick() override { RaiseEvent(kEventDblClick); }
    void mouseDown(int16_t b, int16_t s, float x, float y) override { RaiseMouse(kEventMouseDown, b, s, x, y); }
    void mouseMove(int16_t b, int16_t s, float x, float y) override { RaiseMouse(kEventMouseMove, b, s, x, y); }
    void mouseUp(int16_t b, int16_t s, float x, float y) override { RaiseMouse(kEventMouseUp, b, s, x, y); }
    void timerChanged() override;
    void captionMoved() override;
    Size measureCaption(const std::wstring& caption) override;

    void RaiseMouse(DISPID id, short button, short shift, float x, float y);
    void RaiseKey(DISPID id, short code, short shift, bool withShift);
    void FontChanged();
    // The font a missing "Font" key stands for: the container's, else the
    // design font.
    com::Ptr<IFontDisp> DefaultFont();
    void SyncParts();
    void ApplyBorder();
    // Paints the surface and the caption into the window (target nullptr:
    // the window's own paint) or into target.
    void PaintSurface(HWND hwnd, HDC target);
    bool SetCursorOverCaption(HWND hwnd);
    void UpdateControlSize();

    ScrollerModel model_;
    activex::WindowlessLabel label_;
    activex::TimerPart timer_;
    activex::FontProperty font_;
    com::Ptr<IPictureDisp> icon_;
    bool doubleClickPending_ = false;
};

}  // namespace vorne::scroller
