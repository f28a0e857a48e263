#pragma once
// The forms layer: forms with their load and unload events, windowless
// labels and images painted by the form, picture boxes, timers, and the App
// object. A form works in pixels for its controls and in twips for its own
// place on the screen; mouse events carry twips from the control's corner.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/activex/twips.h"
#include "runtime/forms/control.h"
#include "runtime/forms/control_array.h"
#include "runtime/forms/dialogs.h"
#include "runtime/forms/state_controls.h"

namespace vorne::forms {

using activex::TwipsScale;

// The screen's twips per pixel (from its logical dots per inch).
const TwipsScale& ScreenScale();
inline float TwipsPerPixelX() { return ScreenScale().x; }
inline float TwipsPerPixelY() { return ScreenScale().y; }

// Unload reasons given to QueryUnload.
enum UnloadMode : int {
    vbFormControlMenu = 0, vbFormCode = 1, vbAppWindows = 2, vbAppTaskManager = 3,
};
enum ShowMode : int { vbModeless = 0, vbModal = 1 };
enum WindowStateValue : int { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };
enum MouseButton : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum ShiftMask : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

struct MouseEvent {
    int button = 0;  // the button that changed (down, up) or the buttons held (move)
    int shift = 0;
    float x = 0, y = 0;  // twips from the control's top-left corner
};

// A bitmap shared by everyone who holds it (a table entry and the element
// showing it hold the same picture).
class Picture;
using PictureRef = std::shared_ptr<Picture>;
class Picture {
public:
    // Takes ownership of bitmap.
    explicit Picture(HBITMAP bitmap);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    HBITMAP Handle() const { return bitmap_; }
    int Width() const { return width_; }   // pixels
    int Height() const { return height_; }

    // A bitmap file; nullptr when it cannot be read.
    static PictureRef FromFile(const std::string& path);
    // A bitmap resource of the module (the program when module is null).
    static PictureRef FromResource(int id, HINSTANCE module = nullptr);
    // A copy of the rectangle (x, y, w, h) of a bitmap.
    static PictureRef Copy(HBITMAP source, int x, int y, int w, int h);
    // Draws (sx, sy, w, h) of the picture at (dx, dy) of dc, at its own size;
    // w or h below 0 mean the whole picture.
    void Draw(HDC dc, int dx, int dy, int sx = 0, int sy = 0, int w = -1, int h = -1) const;

private:
    HBITMAP bitmap_;
    int width_ = 0, height_ = 0;
};

struct FontSpec {
    std::string name = "MS Sans Serif";
    float size = 8.25f;  // points
    bool bold = false, italic = false, underline = false, strikethrough = false;
};

class Form;

// A control that lives on a form: it joins the form's z-ordered list when
// made and leaves it when destroyed. Windowless controls paint themselves
// into the form's picture; controls with a window (picture boxes, hosted
// components) create it when the form's window comes (Attach) and give it
// up when the form unloads (Detach).
class FormControl : public Control {
public:
    FormControl(Form& form, std::string name, int index = -1);
    ~FormControl() override;

    Form& Parent() const { return form_; }
    // 0 brings the control to the front, 1 sends it to the back.
    void ZOrder(int position = 0);

    std::function<void()> OnClick, OnDblClick;
    std::function<void(const MouseEvent&)> OnMouseDown, OnMouseMove, OnMouseUp;

    // --- what the form calls
    virtual void Paint(HDC dc) {}
    virtual void Attach(HWND form_window) {}
    virtual void Detach() {}
    // The form's order changed: a windowed control puts its window in place.
    virtual void Restack(HWND below) {}
    virtual HWND Window() const { return nullptr; }

protected:
    void Changed(const Rect& old_bounds) override;

private:
    Form& form_;
};

// A label: text drawn without mnemonic prefixes ("R&B" shows as it is).
class Label : public FormControl {
public:
    enum Alignment : int { kLeft = 0, kRight = 1, kCenter = 2 };
    using FormControl::FormControl;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string text);
    COLORREF ForeColor() const { return fore_; }
    void SetForeColor(COLORREF c) { fore_ = c; Invalidate(); }
    COLORREF BackColor() const { return back_; }
    void SetBackColor(COLORREF c) { back_ = c; Invalidate(); }
    // 0 transparent, 1 opaque.
    int BackStyle() const { return back_style_; }
    void SetBackStyle(int s) { back_style_ = s; Invalidate(); }
    int GetAlignment() const { return alignment_; }
    void SetAlignment(int a) { alignment_ = a; Invalidate(); }
    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool on);
    bool WordWrap() const { return word_wrap_; }
    void SetWordWrap(bool on);
    int BorderStyle() const { return border_; }
    void SetBorderStyle(int b) { border_ = b; Invalidate(); }
    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& f);

    // The DrawText flags a label paints with.
    UINT DrawFlags() const;
    void Paint(HDC dc) override;

private:
    void Invalidate();
    void Fit();

    std::string caption_;
    COLORREF fore_ = RGB(0, 0, 0), back_ = RGB(0xF0, 0xF0, 0xF0);
    int back_style_ = 1, alignment_ = kLeft, border_ = 0;
    bool auto_size_ = false, word_wrap_ = false;
    FontSpec font_;
};

// An image: shows its picture; without Stretch it takes the picture's size
// (plus the border).
class Image : public FormControl {
public:
    using FormControl::FormControl;

    const PictureRef& GetPicture() const { return picture_; }
    void SetPicture(PictureRef p);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);
    // 0 none, 1 fixed single.
    int BorderStyle() const { return border_; }
    void SetBorderStyle(int b);
    void Paint(HDC dc) override;

private:
    void Fit();
    PictureRef picture_;
    bool stretch_ = false;
    int border_ = 0;
};

// A picture box: a child window over a persistent backing bitmap that code
// draws on (hDC, Cls, PaintPicture) whether the box is shown or not.
class PictureBox : public FormControl {
public:
    PictureBox(Form& form, std::string name, int index = -1);
    ~PictureBox() override;

    const PictureRef& GetPicture() const { return picture_; }
    // The background picture; drawn into the surface at (0, 0). With
    // AutoSize the box takes its size.
    void SetPicture(PictureRef p);
    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool on);
    COLORREF BackColor() const { return back_; }
    void SetBackColor(COLORREF c);
    // The surface's device context (valid while the box lives; the surface
    // is reallocated when the size changes, so take it anew after a Move).
    HDC hDC() const { return dc_; }
    // Clears the surface to the back colour and the background picture.
    void Cls();
    // Paints (sx, sy, w, h) of pic at (dx, dy) of the surface.
    void PaintPicture(const Picture& pic, int dx, int dy, int sx = 0, int sy = 0, int w = -1, int h = -1);
    // A copy of what the surface shows.
    PictureRef Snapshot() const;
    void Refresh();

    bool Windowless() const override { return false; }
    void Attach(HWND form_window) override;
    void Detach() override;
    void Restack(HWND below) override;
    HWND Window() const override { return hwnd_; }

protected:
    void Changed(const Rect& old_bounds) override;

public:
    // The window procedure of picture boxes.
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);

private:
    void Resurface();
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;
    HBITMAP surface_ = nullptr;
    HGDIOBJ old_ = nullptr;
    int surface_w_ = 0, surface_h_ = 0;
    PictureRef picture_;
    COLORREF back_ = RGB(0xF0, 0xF0, 0xF0);
    bool auto_size_ = false;
    bool mouse_down_ = false;
};

// A timer of a form: ticks (OnTimer) every Interval ms while Enabled, with
// an interval above 0, and while its form is loaded. A real timer is never
// set with an interval of 0. Its WM_TIMER goes to the form's timer window
// (Form::TimerWindow), not to the form's own window.
class Timer {
public:
    Timer(Form& form, std::string name);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return name_; }
    UINT_PTR Id() const { return id_; }
    long Interval() const { return interval_; }
    // 0..65535 ms; anything else throws InvalidPropertyValue.
    void SetInterval(long ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    // A system timer is running.
    bool Running() const { return running_; }

    std::function<void()> OnTimer;

    // --- what the form calls
    void Sync();
    void Tick();

private:
    friend class Form;
    Form& form_;
    std::string name_;
    UINT_PTR id_;
    long interval_ = 0;
    bool enabled_ = true;
    bool running_ = false;
    long running_interval_ = 0;
};

// A top-level window with its events. Derive, make the controls as members
// and answer the events. One object is one form instance; DefaultInstance
// gives the one a program shares.
class Form {
public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }

    // --- lifecycle
    // Creates the window (hidden) and runs Form_Load; nothing when loaded.
    void Load();
    // QueryUnload, then Form_Unload; either may cancel (false, the form
    // stays loaded). Otherwise the window goes and the form leaves the list
    // of loaded forms. True also when the form was not loaded.
    bool Unload(int mode = vbFormCode);
    // Loads when needed and shows; modal: returns when the form is hidden
    // or unloaded, the program's other forms disabled meanwhile.
    void Show(int modal = vbModeless);
    void Hide();
    bool Loaded() const { return hwnd_ != nullptr; }
    // The window; loads the form when it is not loaded.
    HWND hWnd();
    // Where the form's timers tick; null until one of them first runs
    // while the form is loaded, and again once the form is unloaded.
    HWND TimerWindow() const { return timer_window_; }

    // --- the window
    bool Visible() const;
    void SetVisible(bool on);
    int WindowState() const;
    void SetWindowState(int state);
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string text);
    COLORREF BackColor() const { return back_; }
    void SetBackColor(COLORREF c);
    const PictureRef& GetPicture() const { return picture_; }
    // The background, drawn at (0, 0) under the controls.
    void SetPicture(PictureRef p);
    // Place and size of the outer window, twips.
    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    // The place the window comes back to when restored: its place, or the
    // one it had before it was minimised (never the minimised -32000).
    float RestoreLeft() const;
    float RestoreTop() const;
    void Move(float left, float top, float width, float height);
    void SetLeft(float v) { Move(v, Top(), Width(), Height()); }
    void SetTop(float v) { Move(Left(), v, Width(), Height()); }
    void SetWidth(float v) { Move(Left(), Top(), v, Height()); }
    void SetHeight(float v) { Move(Left(), Top(), Width(), v); }
    // Inner size, pixels.
    int ScaleWidth() const;
    int ScaleHeight() const;
    void Refresh();
    void InvalidateRect(const Rect& r);

    // --- controls
    const vorne::forms::ZOrder& Controls() const { return controls_; }
    void BringToFront(FormControl* c);
    void SendToBack(FormControl* c);
    // The windowless control under (x, y) pixels, topmost first.
    FormControl* HitTest(int x, int y) const;

    // --- registry of the program
    // The forms now loaded, in load order.
    static const std::vector<Form*>& LoadedForms();
    // Unloads every loaded form (mode vbFormCode), ignoring failures and
    // cancels; false when some form stayed loaded.
    static bool UnloadAll();

    // Runs the message loop until no form is loaded (or WM_QUIT).
    static void Run();

protected:
    // --- events
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& cancel, int mode) {}
    virtual void Form_Unload(int& cancel) {}
    virtual void Form_Resize() {}
    virtual void Form_Paint(HDC dc) {}
    virtual void Form_MouseDown(const MouseEvent& e) {}
    virtual void Form_MouseMove(const MouseEvent& e) {}
    virtual void Form_MouseUp(const MouseEvent& e) {}
    virtual void Form_KeyDown(int& key, int shift) {}
    virtual void Form_KeyUp(int& key, int shift) {}
    // Any message before the form's own handling; set handled to answer it.
    virtual LRESULT Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) { return 0; }

    // Window styles of the form.
    virtual DWORD Style() const { return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN; }
    virtual DWORD ExStyle() const { return 0; }

public:
    // The window procedure of forms.
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);

private:
    friend class FormControl;
    friend class Timer;
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void Mouse(UINT msg, WPARAM wp, LPARAM lp);
    void PaintAll(HDC dc);
    void Restack();
    void AddControl(FormControl* c);
    void RemoveControl(FormControl* c);
    void Destroy();
    HWND MakeTimerWindow();  // made when a timer first runs: most forms have none
    static LRESULT CALLBACK TimerWindowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);

    std::string name_;
    HWND hwnd_ = nullptr;
    std::string caption_;
    COLORREF back_ = RGB(0xF0, 0xF0, 0xF0);
    PictureRef picture_;
    RECT design_{0, 0, 0, 0};  // pixels; kept while unloaded
    bool unloading_ = false;
    bool quiet_resize_ = false;  // no Resize event while restored out of sight
    int modal_depth_ = 0;
    vorne::forms::ZOrder controls_;
    std::vector<Timer*> timers_;
    UINT_PTR next_timer_id_ = 1;
    // The form's timers tick on a message-only window of their own, so the
    // ticks stay out of whatever is hooked into the form's window.
    HWND timer_window_ = nullptr;
    FormControl* capture_ = nullptr;  // control that took the last button press
    bool capture_form_ = false;
};

// The default instance of form class F: made on first use, kept for the run.
template <class F>
F& DefaultInstance() {
    static F* instance = new F();
    return *instance;
}

// Dispatches every waiting message; returns the number of loaded forms.
int DoEvents();

// Message box and input box through the seam of dialogs.h.
int MsgBox(const std::string& prompt, int style = vbOKOnly, const std::string& title = {});
std::string InputBox(const std::string& prompt, const std::string& title = {}, const std::string& default_text = {});

// The program: folder (no final backslash but for a drive root), name
// without extension, the command line after the name, and the version
// text "major.minor (build revision)" from the version resource.
namespace App {
std::string Path();
std::string EXEName();
std::string Command();
std::string VersionText(HMODULE module = nullptr);
}  // namespace App

}  // namespace vorne::forms
