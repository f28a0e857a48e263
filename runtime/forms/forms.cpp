#include "runtime/forms/forms.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <exception>
#include <new>

#include "runtime/activex/picture.h"
#include "runtime/activex/screen.h"
#include "runtime/com/error.h"
#include "runtime/com/message_window.h"
#include "runtime/forms/app_text.h"
#include "runtime/forms/commands.h"
#include "runtime/text/ansi.h"

namespace vorne::forms {

LRESULT CALLBACK FormProcEntry(HWND h, UINT m, WPARAM w, LPARAM l);
LRESULT CALLBACK PictureBoxProcEntry(HWND h, UINT m, WPARAM w, LPARAM l);

namespace {

const char kFormClass[] = "VorneForm";
const char kPictureBoxClass[] = "VornePictureBox";

std::vector<Form*>& Registry() {
    static std::vector<Form*> forms;
    return forms;
}

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

int ShiftState() {
    int s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= vbShiftMask;
    if (GetKeyState(VK_CONTROL) < 0) s |= vbCtrlMask;
    if (GetKeyState(VK_MENU) < 0) s |= vbAltMask;
    return s;
}

int ButtonsHeld(WPARAM wp) {
    int b = 0;
    if (wp & MK_LBUTTON) b |= vbLeftButton;
    if (wp & MK_RBUTTON) b |= vbRightButton;
    if (wp & MK_MBUTTON) b |= vbMiddleButton;
    return b;
}

int ButtonOf(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return vbLeftButton;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return vbRightButton;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return vbMiddleButton;
    default: return 0;
    }
}

MouseEvent MakeEvent(int button, int px, int py) {
    MouseEvent e;
    e.button = button;
    e.shift = ShiftState();
    e.x = ScreenScale().ToTwipsX(px);
    e.y = ScreenScale().ToTwipsY(py);
    return e;
}

void RegisterClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.hInstance = Instance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.lpszClassName = kFormClass;
    wc.lpfnWndProc = FormProcEntry;
    RegisterClassExA(&wc);
    wc.lpfnWndProc = PictureBoxProcEntry;
    wc.lpszClassName = kPictureBoxClass;
    wc.hIcon = nullptr;
    RegisterClassExA(&wc);
}

// The object behind a window of ours: given to CreateWindowEx as its
// creation parameter and kept in the window's user data.
template <class T>
T* WindowObject(HWND h, UINT msg, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrA(h, GWLP_USERDATA));
}

HFONT MakeFont(const FontSpec& f) {
    return CreateFontA(activex::ScreenFontHeight(f.size), 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic, f.underline, f.strikethrough,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, f.name.c_str());
}

}  // namespace

const TwipsScale& ScreenScale() { return activex::ScreenTwipsScale(); }

// ---------------------------------------------------------------- Picture

Picture::Picture(HBITMAP bitmap) : bitmap_(bitmap) {
    BITMAP bm{};
    if (bitmap_ && GetObjectA(bitmap_, sizeof bm, &bm)) {
        width_ = bm.bmWidth;
        height_ = std::abs(bm.bmHeight);
    }
}

Picture::~Picture() {
    if (bitmap_) DeleteObject(bitmap_);
}

PictureRef Picture::FromFile(const std::string& path) {
    // Any picture the platform's loader reads (BMP, JPEG, GIF) and the
    // programs can hold, kept as a bitmap of our own: the loader's picture
    // owns its handle.
    com::Ptr<IPicture> pic = activex::LoadPictureFile(path);
    const HBITMAP source = activex::PictureBitmap(pic.Get());
    if (!source) return nullptr;
    auto bmp = static_cast<HBITMAP>(CopyImage(source, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bmp) return nullptr;
    try {
        return std::make_shared<Picture>(bmp);
    } catch (const std::bad_alloc&) {
        DeleteObject(bmp);
        return nullptr;
    }
}

PictureRef Picture::FromResource(int id, HINSTANCE module) {
    auto bmp = static_cast<HBITMAP>(LoadImageA(module ? module : Instance(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                                               LR_CREATEDIBSECTION));
    if (!bmp) return nullptr;
    return std::make_shared<Picture>(bmp);
}

PictureRef Picture::Copy(HBITMAP source, int x, int y, int w, int h) {
    if (!source || w <= 0 || h <= 0) return nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HDC src = CreateCompatibleDC(screen), dst = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (!bmp) {
        DeleteDC(src);
        DeleteDC(dst);
        return nullptr;
    }
    HGDIOBJ os = SelectObject(src, source), od = SelectObject(dst, bmp);
    BitBlt(dst, 0, 0, w, h, src, x, y, SRCCOPY);
    SelectObject(src, os);
    SelectObject(dst, od);
    DeleteDC(src);
    DeleteDC(dst);
    return std::make_shared<Picture>(bmp);
}

void Picture::Draw(HDC dc, int dx, int dy, int sx, int sy, int w, int h) const {
    if (!bitmap_) return;
    if (w < 0) w = width_;
    if (h < 0) h = height_;
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bitmap_);
    BitBlt(dc, dx, dy, w, h, mem, sx, sy, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

// ------------------------------------------------------------ FormControl

FormControl::FormControl(Form& form, std::string name, int index) : Control(std::move(name), index), form_(form) {
    form_.AddControl(this);
}

FormControl::~FormControl() { form_.RemoveControl(this); }

void FormControl::ZOrder(int position) {
    if (position == 0)
        form_.BringToFront(this);
    else
        form_.SendToBack(this);
}

void FormControl::Changed(const Rect& old_bounds) {
    if (!Windowless()) return;
    form_.InvalidateRect(old_bounds);
    form_.InvalidateRect(Bounds());
}

// ------------------------------------------------------------------ Label

void Label::Invalidate() { Changed(Bounds()); }

UINT Label::DrawFlags() const {
    UINT f = DT_NOPREFIX;
    f |= alignment_ == kRight ? DT_RIGHT : alignment_ == kCenter ? DT_CENTER : DT_LEFT;
    if (word_wrap_ || !auto_size_) f |= DT_WORDBREAK;
    return f;
}

void Label::SetCaption(std::string text) {
    caption_ = std::move(text);
    Fit();
    Invalidate();
}

void Label::SetAutoSize(bool on) {
    auto_size_ = on;
    Fit();
    Invalidate();
}

void Label::SetWordWrap(bool on) {
    word_wrap_ = on;
    Fit();
    Invalidate();
}

void Label::SetFont(const FontSpec& f) {
    font_ = f;
    Fit();
    Invalidate();
}

void Label::Fit() {
    if (!auto_size_) return;
    HDC dc = GetDC(nullptr);
    HFONT font = MakeFont(font_);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, word_wrap_ ? std::max(1, Width()) : 0, 0};
    const char* text = caption_.empty() ? " " : caption_.c_str();
    DrawTextA(dc, text, -1, &r, DrawFlags() | DT_CALCRECT);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    const int edge = border_ ? 2 : 0;
    if (caption_.empty()) r.right = 0;
    Move(Left(), Top(), word_wrap_ ? Width() : r.right + 2 * edge, r.bottom + 2 * edge);
}

void Label::Paint(HDC dc) {
    RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    if (back_style_ == 1) {
        HBRUSH b = CreateSolidBrush(back_);
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    if (border_) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -2, -2);
    }
    HFONT font = MakeFont(font_);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? fore_ : GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, caption_.c_str(), -1, &r, DrawFlags());
    SelectObject(dc, old);
    DeleteObject(font);
}

// ------------------------------------------------------------------ Image

void Image::SetPicture(PictureRef p) {
    picture_ = std::move(p);
    Fit();
    Changed(Bounds());
}

void Image::SetStretch(bool on) {
    stretch_ = on;
    Fit();
    Changed(Bounds());
}

void Image::SetBorderStyle(int b) {
    border_ = b;
    Fit();
    Changed(Bounds());
}

void Image::Fit() {
    if (stretch_ || !picture_) return;
    const int edge = border_ ? 2 : 0;
    Move(Left(), Top(), picture_->Width() + 2 * edge, picture_->Height() + 2 * edge);
}

void Image::Paint(HDC dc) {
    const int edge = border_ ? 1 : 0;
    if (picture_) {
        if (stretch_) {
            HDC mem = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(mem, picture_->Handle());
            SetStretchBltMode(dc, COLORONCOLOR);
            StretchBlt(dc, Left() + edge, Top() + edge, Width() - 2 * edge, Height() - 2 * edge, mem, 0, 0,
                       picture_->Width(), picture_->Height(), SRCCOPY);
            SelectObject(mem, old);
            DeleteDC(mem);
        } else {
            picture_->Draw(dc, Left() + 2 * edge, Top() + 2 * edge, 0, 0, std::min(picture_->Width(), Width()),
                           std::min(picture_->Height(), Height()));
        }
    }
    if (border_) {
        RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
}

// ------------------------------------------------------------- PictureBox

PictureBox::PictureBox(Form& form, std::string name, int index) : FormControl(form, std::move(name), index) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    Resurface();
    if (form.Loaded()) Attach(form.hWnd());
}

PictureBox::~PictureBox() {
    Detach();
    if (dc_) {
        if (old_) SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    if (surface_) DeleteObject(surface_);
}

void PictureBox::Resurface() {
    const int w = std::max(1, Width()), h = std::max(1, Height());
    if (surface_ && w == surface_w_ && h == surface_h_) return;
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    if (!bmp) return;
    HGDIOBJ prev = SelectObject(dc_, bmp);
    if (!old_) old_ = prev;
    RECT r{0, 0, w, h};
    HBRUSH b = CreateSolidBrush(back_);
    FillRect(dc_, &r, b);
    DeleteObject(b);
    if (surface_) {
        // Keep what was drawn: copy the old surface into the new one.
        HDC mem = CreateCompatibleDC(dc_);
        HGDIOBJ o = SelectObject(mem, surface_);
        BitBlt(dc_, 0, 0, std::min(w, surface_w_), std::min(h, surface_h_), mem, 0, 0, SRCCOPY);
        SelectObject(mem, o);
        DeleteDC(mem);
        DeleteObject(surface_);
    }
    surface_ = bmp;
    surface_w_ = w;
    surface_h_ = h;
}

void PictureBox::SetPicture(PictureRef p) {
    picture_ = std::move(p);
    if (auto_size_ && picture_) Move(Left(), Top(), picture_->Width(), picture_->Height());
    Cls();
}

void PictureBox::SetAutoSize(bool on) {
    auto_size_ = on;
    if (auto_size_ && picture_) Move(Left(), Top(), picture_->Width(), picture_->Height());
}

void PictureBox::SetBackColor(COLORREF c) {
    back_ = c;
    Cls();
}

void PictureBox::Cls() {
    RECT r{0, 0, surface_w_, surface_h_};
    HBRUSH b = CreateSolidBrush(back_);
    FillRect(dc_, &r, b);
    DeleteObject(b);
    if (picture_) picture_->Draw(dc_, 0, 0);
    Refresh();
}

void PictureBox::PaintPicture(const Picture& pic, int dx, int dy, int sx, int sy, int w, int h) {
    pic.Draw(dc_, dx, dy, sx, sy, w, h);
    Refresh();
}

PictureRef PictureBox::Snapshot() const {
    if (Width() <= 0 || Height() <= 0) return nullptr;
    // The surface is selected into dc_; copying reads it through a second DC.
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, Width(), Height());
    HDC dst = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ od = SelectObject(dst, bmp);
    BitBlt(dst, 0, 0, Width(), Height(), dc_, 0, 0, SRCCOPY);
    SelectObject(dst, od);
    DeleteDC(dst);
    return std::make_shared<Picture>(bmp);
}

void PictureBox::Refresh() {
    if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void PictureBox::Changed(const Rect& old_bounds) {
    Resurface();
    if (!hwnd_) return;
    SetWindowPos(hwnd_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, Visible() ? SW_SHOWNA : SW_HIDE);
    EnableWindow(hwnd_, Enabled());
}

void PictureBox::Attach(HWND form_window) {
    if (hwnd_) return;
    RegisterClasses();
    hwnd_ = CreateWindowExA(0, kPictureBoxClass, "", WS_CHILD | WS_CLIPSIBLINGS | (Visible() ? WS_VISIBLE : 0),
                            Left(), Top(), Width(), Height(), form_window, nullptr, Instance(), this);
    if (hwnd_ && !Enabled()) EnableWindow(hwnd_, FALSE);
}

void PictureBox::Detach() {
    if (!hwnd_) return;
    HWND h = hwnd_;
    hwnd_ = nullptr;
    SetWindowLongPtrA(h, GWLP_USERDATA, 0);
    DestroyWindow(h);
}

void PictureBox::Restack(HWND below) {
    if (hwnd_) SetWindowPos(hwnd_, below, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CALLBACK PictureBoxProcEntry(HWND h, UINT m, WPARAM w, LPARAM l) { return PictureBox::Proc(h, m, w, l); }

LRESULT CALLBACK PictureBox::Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    auto* self = WindowObject<PictureBox>(h, m, l);
    if (!self) return DefWindowProcA(h, m, w, l);
    return RunHandlers([&]() -> LRESULT {
        switch (m) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            BitBlt(dc, 0, 0, self->surface_w_, self->surface_h_, self->dc_, 0, 0, SRCCOPY);
            EndPaint(h, &ps);
            return 0;
        }
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
            SetCapture(h);
            self->mouse_down_ = true;
            if (self->OnMouseDown) self->OnMouseDown(MakeEvent(ButtonOf(m), GET_X_LPARAM(l), GET_Y_LPARAM(l)));
            return 0;
        case WM_MOUSEMOVE:
            if (self->OnMouseMove) self->OnMouseMove(MakeEvent(ButtonsHeld(w), GET_X_LPARAM(l), GET_Y_LPARAM(l)));
            return 0;
        case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: {
            const int x = GET_X_LPARAM(l), y = GET_Y_LPARAM(l);
            if (!(w & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) ReleaseCapture();
            if (self->OnMouseUp) self->OnMouseUp(MakeEvent(ButtonOf(m), x, y));
            if (m == WM_LBUTTONUP && self->mouse_down_ && Rect{0, 0, self->Width(), self->Height()}.Contains(x, y) &&
                self->OnClick)
                self->OnClick();
            self->mouse_down_ = false;
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            if (self->OnDblClick) self->OnDblClick();
            return 0;
        }
        return DefWindowProcA(h, m, w, l);
    });
}

// ------------------------------------------------------------------ Timer

Timer::Timer(Form& form, std::string name) : form_(form), name_(std::move(name)), id_(form.next_timer_id_++) {
    form_.timers_.push_back(this);
}

Timer::~Timer() {
    enabled_ = false;
    Sync();
    auto& t = form_.timers_;
    t.erase(std::remove(t.begin(), t.end(), this), t.end());
}

void Timer::SetInterval(long ms) {
    if (ms < 0 || ms > 65535) throw InvalidPropertyValue();
    interval_ = ms;
    Sync();
}

void Timer::SetEnabled(bool on) {
    enabled_ = on;
    Sync();
}

void Timer::Sync() {
    const bool want = enabled_ && interval_ > 0 && form_.Loaded();
    if (!want) {
        if (running_ && form_.timer_window_) KillTimer(form_.timer_window_, id_);
        running_ = false;
        return;
    }
    if (running_ && running_interval_ == interval_) return;
    HWND h = form_.MakeTimerWindow();
    running_ = h && SetTimer(h, id_, static_cast<UINT>(interval_), nullptr) != 0;
    running_interval_ = interval_;
}

void Timer::Tick() {
    // A tick that was already queued when the timer stopped is dropped.
    if (enabled_ && interval_ > 0 && OnTimer) OnTimer();
}

// ------------------------------------------------------------------- Form

Form::Form(std::string name) : name_(std::move(name)), caption_(name_) {}

Form::~Form() {
    Destroy();
}

const std::vector<Form*>& Form::LoadedForms() { return Registry(); }

void Form::AddControl(FormControl* c) {
    controls_.Add(c);
    if (hwnd_) InvalidateRect(c->Bounds());
}

void Form::RemoveControl(FormControl* c) {
    if (capture_ == c) capture_ = nullptr;
    controls_.Remove(c);
    if (hwnd_ && c->Windowless()) InvalidateRect(c->Bounds());
}

void Form::BringToFront(FormControl* c) {
    controls_.BringToFront(c);
    if (c->Windowless())
        InvalidateRect(c->Bounds());
    else
        Restack();
}

void Form::SendToBack(FormControl* c) {
    controls_.SendToBack(c);
    if (c->Windowless())
        InvalidateRect(c->Bounds());
    else
        Restack();
}

void Form::Restack() {
    // Windows in the list order: the last one on top (HWND_TOP each in turn).
    for (Control* c : controls_.BottomToTop()) static_cast<FormControl*>(c)->Restack(HWND_TOP);
}

FormControl* Form::HitTest(int x, int y) const { return static_cast<FormControl*>(controls_.HitTest(x, y)); }

void Form::Load() {
    if (hwnd_) return;
    RegisterClasses();
    const DWORD style = Style() & ~WS_VISIBLE;
    RECT r = design_;
    const bool placed = r.right > r.left && r.bottom > r.top;
    hwnd_ = CreateWindowExA(ExStyle(), kFormClass, caption_.c_str(), style, placed ? r.left : CW_USEDEFAULT,
                            placed ? r.top : CW_USEDEFAULT, placed ? r.right - r.left : CW_USEDEFAULT,
                            placed ? r.bottom - r.top : CW_USEDEFAULT, nullptr, nullptr, Instance(), this);
    if (!hwnd_) return;
    Registry().push_back(this);
    for (Control* c : controls_.BottomToTop()) static_cast<FormControl*>(c)->Attach(hwnd_);
    Restack();
    for (Timer* t : timers_) t->Sync();
    Form_Load();
}

bool Form::Unload(int mode) {
    if (!hwnd_) return true;
    if (unloading_) return false;
    unloading_ = true;
    int cancel = 0;
    Form_QueryUnload(cancel, mode);
    if (cancel == 0 && hwnd_) Form_Unload(cancel);
    unloading_ = false;
    if (cancel != 0) return !hwnd_;
    Destroy();
    return true;
}

void Form::Destroy() {
    if (!hwnd_) return;
    HWND h = hwnd_;
    RECT r;
    if (GetWindowRect(h, &r)) design_ = r;
    for (Timer* t : timers_) {
        if (t->running_) KillTimer(timer_window_, t->id_);
        t->running_ = false;
    }
    if (timer_window_) {
        SetWindowLongPtrW(timer_window_, GWLP_USERDATA, 0);
        DestroyWindow(timer_window_);
        timer_window_ = nullptr;
    }
    for (Control* c : controls_.BottomToTop()) static_cast<FormControl*>(c)->Detach();
    capture_ = nullptr;
    hwnd_ = nullptr;
    auto& reg = Registry();
    reg.erase(std::remove(reg.begin(), reg.end(), this), reg.end());
    SetWindowLongPtrA(h, GWLP_USERDATA, 0);
    DestroyWindow(h);
}

bool Form::UnloadAll() {
    bool all = true;
    // Forms may load or unload others while they unload: walk a copy and
    // skip the ones already gone.
    std::vector<Form*> forms = Registry();
    for (Form* f : forms) {
        auto& reg = Registry();
        if (std::find(reg.begin(), reg.end(), f) == reg.end()) continue;
        try {
            if (!f->Unload(vbFormCode)) all = false;
        } catch (...) {
            all = false;
        }
    }
    return all && Registry().empty();
}

HWND Form::MakeTimerWindow() {
    if (!timer_window_) timer_window_ = com::CreateMessageWindow(L"VorneFormTimers", TimerWindowProc, this);
    return timer_window_;
}

LRESULT CALLBACK Form::TimerWindowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    Form* f = com::MessageWindowOwner<Form>(h);
    if (msg != WM_TIMER || !f) return DefWindowProcW(h, msg, wp, lp);
    return RunHandlers([&] {
        for (Timer* t : f->timers_) {
            if (t->id_ == wp) {
                t->Tick();
                break;
            }
        }
        return LRESULT{0};
    });
}

HWND Form::hWnd() {
    Load();
    return hwnd_;
}

void Form::Show(int modal) {
    Load();
    if (!hwnd_) return;  // the load unloaded the form again
    ShowWindow(hwnd_, SW_SHOW);
    if (modal != vbModal) return;
    std::vector<HWND> disabled;
    for (Form* f : Registry()) {
        if (f != this && f->hwnd_ && IsWindowEnabled(f->hwnd_)) {
            EnableWindow(f->hwnd_, FALSE);
            disabled.push_back(f->hwnd_);
        }
    }
    ++modal_depth_;
    MSG msg;
    while (hwnd_ && IsWindowVisible(hwnd_)) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    --modal_depth_;
    for (HWND h : disabled)
        if (IsWindow(h)) EnableWindow(h, TRUE);
}

void Form::Hide() {
    Load();
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void Form::SetVisible(bool on) {
    if (on)
        Show();
    else
        Hide();
}

int Form::WindowState() const {
    if (!hwnd_) return vbNormal;
    if (IsIconic(hwnd_)) return vbMinimized;
    if (IsZoomed(hwnd_)) return vbMaximized;
    return vbNormal;
}

void Form::SetWindowState(int state) {
    if (!hwnd_) Load();
    if (!hwnd_) return;
    const bool shown = IsWindowVisible(hwnd_);
    const int cmd = state == vbMinimized ? SW_MINIMIZE : state == vbMaximized ? SW_MAXIMIZE : SW_RESTORE;
    if (shown) {
        ShowWindow(hwnd_, cmd);
    } else {
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        GetWindowPlacement(hwnd_, &wp);
        wp.showCmd = state == vbMinimized ? SW_SHOWMINNOACTIVE : state == vbMaximized ? SW_SHOWMAXIMIZED : SW_HIDE;
        if (state != vbNormal) {
            SetWindowPlacement(hwnd_, &wp);
        } else if (IsIconic(hwnd_) || IsZoomed(hwnd_)) {
            // Restored while hidden (from the tray): back to its normal place
            // and size, and hidden again at once.
            quiet_resize_ = true;
            wp.showCmd = SW_SHOWNOACTIVATE;
            SetWindowPlacement(hwnd_, &wp);
            ShowWindow(hwnd_, SW_HIDE);
            quiet_resize_ = false;
        }
    }
}

void Form::SetCaption(std::string text) {
    caption_ = std::move(text);
    if (hwnd_) SetWindowTextA(hwnd_, caption_.c_str());
}

void Form::SetBackColor(COLORREF c) {
    back_ = c;
    Refresh();
}

void Form::SetPicture(PictureRef p) {
    picture_ = std::move(p);
    Refresh();
}

namespace {
RECT OuterRect(HWND h, const RECT& design) {
    RECT r = design;
    if (h) GetWindowRect(h, &r);
    return r;
}
}  // namespace

float Form::Left() const { return ScreenScale().ToTwipsX(OuterRect(hwnd_, design_).left); }

namespace {
RECT RestoreRect(HWND h, const RECT& design) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (h && IsIconic(h) && GetWindowPlacement(h, &wp)) return wp.rcNormalPosition;
    return OuterRect(h, design);
}
}  // namespace

float Form::RestoreLeft() const { return ScreenScale().ToTwipsX(RestoreRect(hwnd_, design_).left); }
float Form::RestoreTop() const { return ScreenScale().ToTwipsY(RestoreRect(hwnd_, design_).top); }
float Form::Top() const { return ScreenScale().ToTwipsY(OuterRect(hwnd_, design_).top); }
float Form::Width() const {
    RECT r = OuterRect(hwnd_, design_);
    return ScreenScale().ToTwipsX(r.right - r.left);
}
float Form::Height() const {
    RECT r = OuterRect(hwnd_, design_);
    return ScreenScale().ToTwipsY(r.bottom - r.top);
}

void Form::Move(float left, float top, float width, float height) {
    const TwipsScale& s = ScreenScale();
    const int l = s.ToPixelsX(left), t = s.ToPixelsY(top);
    const int w = std::max(0, s.ToPixelsX(width)), h = std::max(0, s.ToPixelsY(height));
    design_ = RECT{l, t, l + w, t + h};
    if (hwnd_) SetWindowPos(hwnd_, nullptr, l, t, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::ScaleWidth() const {
    RECT r{0, 0, 0, 0};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return r.right;
}

int Form::ScaleHeight() const {
    RECT r{0, 0, 0, 0};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return r.bottom;
}

void Form::Refresh() {
    if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void Form::InvalidateRect(const Rect& r) {
    if (!hwnd_ || r.width <= 0 || r.height <= 0) return;
    RECT rc{r.left, r.top, r.left + r.width, r.top + r.height};
    ::InvalidateRect(hwnd_, &rc, FALSE);
}

void Form::PaintAll(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    HBRUSH b = CreateSolidBrush(back_);
    FillRect(dc, &client, b);
    DeleteObject(b);
    if (picture_) picture_->Draw(dc, 0, 0);
    for (Control* c : controls_.BottomToTop()) {
        auto* fc = static_cast<FormControl*>(c);
        if (fc->Windowless() && fc->Visible()) fc->Paint(dc);
    }
    Form_Paint(dc);
}

void Form::Mouse(UINT msg, WPARAM wp, LPARAM lp) {
    const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
    const bool down = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
    const bool up = msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
    const bool held = (wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;

    // The control (or the form) that took the press gets every move and the
    // release until the last button goes up.
    FormControl* target;
    if (down && !capture_form_ && !capture_) {
        target = HitTest(x, y);
        capture_ = target;
        capture_form_ = target == nullptr;
        SetCapture(hwnd_);
    } else if (capture_ || capture_form_) {
        target = capture_;
    } else {
        target = HitTest(x, y);
    }
    const int ox = target ? target->Left() : 0, oy = target ? target->Top() : 0;
    MouseEvent e = MakeEvent(msg == WM_MOUSEMOVE ? ButtonsHeld(wp) : ButtonOf(msg), x - ox, y - oy);

    if (msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK) {
        // The second press of a double click: a press, then DblClick.
        if (!capture_ && !capture_form_) {
            capture_ = target;
            capture_form_ = target == nullptr;
            SetCapture(hwnd_);
        }
        e.button = ButtonOf(msg);
        if (target) {
            if (target->OnMouseDown) target->OnMouseDown(e);
            if (msg == WM_LBUTTONDBLCLK && target->OnDblClick) target->OnDblClick();
        } else {
            Form_MouseDown(e);
        }
        return;
    }

    if (up && !held) {
        capture_ = nullptr;
        capture_form_ = false;
        ReleaseCapture();
    }
    if (target) {
        // A handler may unload the control's array element: take what is
        // needed before calling.
        if (down && target->OnMouseDown) target->OnMouseDown(e);
        if (msg == WM_MOUSEMOVE && target->OnMouseMove) target->OnMouseMove(e);
        if (up) {
            const bool inside = target->Bounds().Contains(x, y);
            auto click = target->OnClick;
            if (target->OnMouseUp) target->OnMouseUp(e);
            if (msg == WM_LBUTTONUP && inside && click) click();
        }
    } else {
        if (down) Form_MouseDown(e);
        if (msg == WM_MOUSEMOVE) Form_MouseMove(e);
        if (up) Form_MouseUp(e);
    }
}

LRESULT CALLBACK FormProcEntry(HWND h, UINT m, WPARAM w, LPARAM l) { return Form::Proc(h, m, w, l); }

LRESULT CALLBACK Form::Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    // hwnd_ is set when CreateWindowEx returns; messages before then are
    // answered by the system.
    auto* self = WindowObject<Form>(h, m, l);
    if (!self || self->hwnd_ != h) return DefWindowProcA(h, m, w, l);
    return RunHandlers([&] { return self->Handle(m, w, l); });
}

LRESULT Form::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    bool handled = false;
    LRESULT r = Form_Message(msg, wp, lp, handled);
    if (handled) return r;
    HWND h = hwnd_;
    if (!h) return 0;
    switch (msg) {
    case WM_CLOSE:
        Unload(vbFormControlMenu);
        return 0;
    case WM_QUERYENDSESSION:
        return 1;
    case WM_ENDSESSION:
        // The session ends: the form closes as at any other end, so what it
        // saves when it unloads is saved before the process goes.
        if (wp) Unload(vbAppWindows);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT client;
        GetClientRect(h, &client);
        const int cw = std::max(1L, client.right), ch = std::max(1L, client.bottom);
        HDC mem = CreateCompatibleDC(dc);
        HBITMAP bmp = CreateCompatibleBitmap(dc, cw, ch);
        HGDIOBJ old = SelectObject(mem, bmp);
        PaintAll(mem);
        BitBlt(dc, 0, 0, cw, ch, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteObject(bmp);
        DeleteDC(mem);
        EndPaint(h, &ps);
        return 0;
    }
    case WM_SIZE:
        if (!quiet_resize_) Form_Resize();
        return 0;
    case WM_KEYDOWN: case WM_SYSKEYDOWN: {
        int key = static_cast<int>(wp);
        Form_KeyDown(key, ShiftState());
        if (msg == WM_SYSKEYDOWN && hwnd_) break;
        return 0;
    }
    case WM_KEYUP: case WM_SYSKEYUP: {
        int key = static_cast<int>(wp);
        Form_KeyUp(key, ShiftState());
        if (msg == WM_SYSKEYUP && hwnd_) break;
        return 0;
    }
    case WM_COMMAND:
        // A child control's notification goes back to the control; a menu
        // command to its menu item.
        if (lp) {
            SendMessageA(reinterpret_cast<HWND>(lp), kReflectedCommand, wp, lp);
            return 0;
        }
        if (HIWORD(wp) == 0 && DispatchMenuCommand(LOWORD(wp))) return 0;
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lp) != h) {
            capture_ = nullptr;
            capture_form_ = false;
        }
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
        Mouse(msg, wp, lp);
        return 0;
    }
    return DefWindowProcA(h, msg, wp, lp);
}

void Form::Run() {
    MSG msg;
    while (!Registry().empty()) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// ------------------------------------------------------------- services

int DoEvents() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit for the loop that owns it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(Registry().size());
}

void ShowFailedCommand(std::exception_ptr failure) noexcept {
    // One box at a time: a handler that fails again while it is up (a
    // timer, say) is not shown over it.
    static bool showing = false;
    if (showing) return;
    showing = true;
    try {
        std::string text = "This command could not be finished.";
        try {
            if (failure) std::rethrow_exception(failure);
        } catch (const std::bad_alloc&) {
            text = "Not enough memory to finish this command.";
        } catch (const com::ComError& e) {
            if (!e.description.empty()) text += " " + text::WideToAnsi(e.description);
        } catch (const std::exception& e) {
            if (*e.what()) text = std::string("This command could not be finished: ") + e.what();
        } catch (...) {
        }
        MsgBox(text, vbOKOnly | vbExclamation);
    } catch (...) {
        // Not even the box could be shown; the command ends all the same.
    }
    showing = false;
}

int MsgBox(const std::string& prompt, int style, const std::string& title) {
    return Dialogs().MsgBox(prompt, style, title.empty() ? App::EXEName() : title);
}

std::string InputBox(const std::string& prompt, const std::string& title, const std::string& default_text) {
    return Dialogs().InputBox(prompt, title.empty() ? App::EXEName() : title, default_text);
}

namespace App {

namespace {
std::string ModulePath(HMODULE module) {
    char buf[MAX_PATH * 2];
    DWORD n = GetModuleFileNameA(module, buf, sizeof buf);
    return std::string(buf, n < sizeof buf ? n : 0);
}
}  // namespace

std::string Path() { return FolderOf(ModulePath(nullptr)); }
std::string EXEName() { return FileTitleOf(ModulePath(nullptr)); }
std::string Command() { return CommandTail(GetCommandLineA()); }

std::string VersionText(HMODULE module) {
    unsigned major = 0, minor = 0, revision = 0;
    HRSRC res = FindResourceA(module, MAKEINTRESOURCEA(1), RT_VERSION);
    HGLOBAL mem = res ? LoadResource(module, res) : nullptr;
    const void* data = mem ? LockResource(mem) : nullptr;
    const DWORD size = res ? SizeofResource(module, res) : 0;
    if (data && size) {
        // VerQueryValue wants a writable copy of the block.
        std::vector<char> copy(static_cast<const char*>(data), static_cast<const char*>(data) + size);
        VS_FIXEDFILEINFO* info = nullptr;
        UINT len = 0;
        if (VerQueryValueA(copy.data(), "\\", reinterpret_cast<void**>(&info), &len) && info &&
            len >= sizeof *info && info->dwSignature == 0xFEEF04BD) {
            major = HIWORD(info->dwFileVersionMS);
            minor = LOWORD(info->dwFileVersionMS);
            revision = LOWORD(info->dwFileVersionLS);
        }
    }
    return FormatVersionText(major, minor, revision);
}

}  // namespace App

}  // namespace vorne::forms
