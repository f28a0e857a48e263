#pragma once
// The ScrollBar control: the window-free model wired to its parts (track,
// thumb, strip holder), its dual interface and its events.
#include <windows.h>

#include "Plovex1.h"
#include "components/scrollbar/scrollbar_core.h"
#include "runtime/activex/control.h"
#include "runtime/com/dispatch.h"

namespace vorne::scrollbar {

class ScrollBarControl final : public activex::Control, public _ScrollBar, public ScrollBarSink {
public:
    ScrollBarControl();
    ~ScrollBarControl() override;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    VORNE_COM_REFCOUNT()
    VORNE_DISPATCH_IMPL(ScrollBarControl, IID__ScrollBar)

    // _ScrollBar
    HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* v) override;
    HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL v) override;
    HRESULT STDMETHODCALLTYPE get_ForeColor(OLE_COLOR* v) override;
    HRESULT STDMETHODCALLTYPE put_ForeColor(OLE_COLOR v) override;
    HRESULT STDMETHODCALLTYPE get_BackColor(OLE_COLOR* v) override;
    HRESULT STDMETHODCALLTYPE put_BackColor(OLE_COLOR v) override;
    HRESULT STDMETHODCALLTYPE get_MaxValue(LONG* v) override;
    HRESULT STDMETHODCALLTYPE put_MaxValue(LONG v) override;
    HRESULT STDMETHODCALLTYPE get_MinValue(LONG* v) override;
    HRESULT STDMETHODCALLTYPE put_MinValue(LONG v) override;
    HRESULT STDMETHODCALLTYPE get_Value(LONG* v) override;
    HRESULT STDMETHODCALLTYPE put_Value(LONG v) override;
    HRESULT STDMETHODCALLTYPE get_BarPicture(IPictureDisp** v) override;
    HRESULT STDMETHODCALLTYPE putref_BarPicture(IPictureDisp* v) override;
    HRESULT STDMETHODCALLTYPE get_ButtonPicture(IPictureDisp** v) override;
    HRESULT STDMETHODCALLTYPE putref_ButtonPicture(IPictureDisp* v) override;
    HRESULT STDMETHODCALLTYPE get_MouseIcon(IPictureDisp** v) override;
    HRESULT STDMETHODCALLTYPE putref_MouseIcon(IPictureDisp* v) override;
    HRESULT STDMETHODCALLTYPE get_MousePointer(short* v) override;
    HRESULT STDMETHODCALLTYPE put_MousePointer(short v) override;
    HRESULT STDMETHODCALLTYPE get_BarType(eBarType* v) override;
    HRESULT STDMETHODCALLTYPE put_BarType(eBarType v) override;

    // The members' work; failures are thrown as ComError.
    void SetEnabledProp(bool v);
    void SetMax(long v);
    void SetMin(long v);
    void SetBarPictureProp(IPictureDisp* pic);
    void SetButtonPictureProp(IPictureDisp* pic);
    void SetMouseIconProp(IPictureDisp* pic);
    IPictureDisp* PictureOrBlank(IPictureDisp* pic) const { return pic ? pic : blank_.Get(); }
    ScrollBarModel& Model() { return model_; }
    activex::PicturePart& Track() { return picbar_; }
    activex::PicturePart& Thumb() { return picbtn_; }
    activex::PictureHolder& Strip() { return xfer_; }

protected:
    void CreateParts(HWND surface) override;
    void DestroyParts() override;
    void InitProperties() override;
    void ReadProperties(activex::PropertyReader& bag) override;
    void WriteProperties(activex::PropertyWriter& bag) override;
    void Resize() override;
    void DrawParts(HDC dc, int x, int y) override;
    IDispatch* Dual() override { return static_cast<_ScrollBar*>(this); }

    // PartListener
    void OnMouse(activex::PicturePart& part, activex::MouseAction action, short button, short shift, float x,
                 float y) override;
    void OnInput(activex::PicturePart& part, activex::PartInput input, short code, short shift) override;
    void OnCaptureLost(activex::PicturePart& part) override;

    // ScrollBarSink
    void PropertyChanged(const char* name) override;
    void Raise(EventId id, EventArgs& args) override;
    void PaintThumb(float src_x, float src_y, float width, float height) override;
    void OwnSizeChanged() override;
    void EndCapture() override;
    void PartsChanged() override;

private:
    // Whether a release at (x, y) twips of part is over that part.
    bool ReleasedOver(activex::PicturePart& part, float x, float y) const;

    ScrollBarModel model_;
    activex::PicturePart picbar_;
    activex::PicturePart picbtn_;
    activex::PictureHolder xfer_;
    com::Ptr<IPictureDisp> blank_;
    activex::PicturePart* pressed_ = nullptr;  // the part the left button went down on
    bool click_ = false;                       // the last left release makes a click
};

}  // namespace vorne::scrollbar
