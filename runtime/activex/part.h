#pragma once
// Constituent parts of a control: a windowed picture box with a persistent
// backing surface (what is painted into it survives repaints), a picture
// holder that is never shown, and a windowless label drawn by its parent.
// A part reports mouse input in twips from its own corner, with the
// platform's button and shift codes, and holds the mouse capture from a
// button press until the last button is released.
#include <windows.h>
#include <ocidl.h>

#include <string>

#include "runtime/activex/twips.h"
#include "runtime/com/object.h"

namespace vorne::activex {

class PicturePart;

enum class MouseAction { kDown, kMove, kUp };
enum class PartInput { kClick, kDblClick, kKeyDown, kKeyPress, kKeyUp };

// Button codes: 1 left, 2 right, 4 middle. Shift codes: 1 Shift, 2 Ctrl, 4 Alt.
short ButtonsHeld(WPARAM mk);
short ShiftState();

class PartListener {
public:
    virtual ~PartListener() = default;
    // Kept alive across each message a part handles, so a handler may drop
    // the control's last outside reference.
    virtual IUnknown* Keeper() = 0;
    virtual void OnMouse(PicturePart& part, MouseAction action, short button, short shift, float x, float y) = 0;
    virtual void OnInput(PicturePart& part, PartInput input, short code, short shift) = 0;
    // The part lost the capture while buttons were still down.
    virtual void OnCaptureLost(PicturePart& part) {}
    // Any message of a part's window before the part handles it (timers,
    // cursors, painting over the backing surface); true when the listener
    // handled it, with the message's result in `result`. WM_NCDESTROY is
    // never offered.
    virtual bool OnPartMessage(PicturePart& part, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) { return false; }
};

// Converts an OLE_COLOR (system colours included) to a COLORREF.
COLORREF ToColorRef(OLE_COLOR c);

class PicturePart {
public:
    PicturePart(PartListener& listener, const TwipsScale& scale) : listener_(listener), scale_(scale) {}
    ~PicturePart() { Destroy(); }
    PicturePart(const PicturePart&) = delete;
    PicturePart& operator=(const PicturePart&) = delete;

    bool Create(HWND parent);
    void Destroy();
    HWND Window() const { return hwnd_; }

    // Geometry in twips relative to the parent.
    void SetBounds(float left, float top, float width, float height);
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void SetVisible(bool v);

    OLE_COLOR BackColor() const { return back_; }
    void SetBackColor(OLE_COLOR c);
    // The picture shown over the background at its natural size.
    IPictureDisp* Picture() const { return picture_.Get(); }
    void SetPicture(IPictureDisp* pic);
    short MousePointer() const { return pointer_; }
    void SetMousePointer(short p) { pointer_ = p; }
    IPictureDisp* MouseIcon() const { return icon_.Get(); }
    void SetMouseIcon(IPictureDisp* pic) { icon_ = pic; }

    // Paints a rectangle of pic (twips) at (x, y) twips of the backing surface.
    void PaintPicture(IUnknown* pic, float x, float y, float src_x, float src_y, float width, float height);
    // Clears what was painted: background and picture only.
    void Cls();
    // Draws the part's current image at (x, y) pixels of dc.
    void DrawTo(HDC dc, int x, int y);
    // Ends the capture held by this part without reporting a loss.
    void EndCapture();

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void EnsureSurface();
    void Redraw();
    void Mouse(MouseAction action, short button, WPARAM wp, LPARAM lp);
    int PixelWidth() const { return scale_.ToPixelsX(width_); }
    int PixelHeight() const { return scale_.ToPixelsY(height_); }

    PartListener& listener_;
    const TwipsScale& scale_;
    HWND hwnd_ = nullptr;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    OLE_COLOR back_ = 0x8000000F;
    com::Ptr<IPictureDisp> picture_;
    com::Ptr<IPictureDisp> icon_;
    short pointer_ = 0;
    HDC surface_dc_ = nullptr;
    HBITMAP surface_ = nullptr;
    HGDIOBJ old_bitmap_ = nullptr;
    int surface_w_ = 0, surface_h_ = 0;
    bool releasing_ = false;
};

// A picture kept for its size and its handle only; never drawn.
class PictureHolder {
public:
    IPictureDisp* Picture() const { return picture_.Get(); }
    void SetPicture(IPictureDisp* pic) { picture_ = pic; }
    bool Loaded() const;
    float Width() const;   // twips
    float Height() const;

private:
    com::Ptr<IPictureDisp> picture_;
};

// Text drawn by the parent in its own paint.
class WindowlessLabel {
public:
    std::wstring caption;
    float left = 0, top = 0, width = 0, height = 0;  // twips
    OLE_COLOR fore = 0x80000012;
    bool transparent = true;
    OLE_COLOR back = 0x8000000F;
    UINT format = DT_LEFT | DT_TOP | DT_NOPREFIX;
    HFONT font = nullptr;
    bool visible = true;

    void Draw(HDC dc, const TwipsScale& scale, int origin_x = 0, int origin_y = 0) const;
    // Text extent in twips with the label's font.
    void Measure(HDC dc, const TwipsScale& scale, float& w, float& h) const;
};

}  // namespace vorne::activex
