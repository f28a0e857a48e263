#include "runtime/activex/part.h"

#include <windowsx.h>

#include "runtime/activex/picture.h"

namespace vorne::activex {

namespace {
const wchar_t kPartClass[] = L"VornePicturePart";

// The module this code is linked into (a control's DLL or a host's program).
HINSTANCE ThisModule() {
    HMODULE m = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &m);
    return m;
}

LRESULT CALLBACK DefaultPartProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(h, m, w, l); }

ATOM RegisterPartClass() {
    static ATOM atom = 0;
    if (atom) return atom;
    WNDCLASSW wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefaultPartProc;
    wc.hInstance = ThisModule();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kPartClass;
    atom = RegisterClassW(&wc);
    return atom;
}

LPCWSTR CursorFor(short pointer) {
    switch (pointer) {
        case 1: return reinterpret_cast<LPCWSTR>(IDC_ARROW);
        case 2: return reinterpret_cast<LPCWSTR>(IDC_CROSS);
        case 3: return reinterpret_cast<LPCWSTR>(IDC_IBEAM);
        case 5: case 15: return reinterpret_cast<LPCWSTR>(IDC_SIZEALL);
        case 6: return reinterpret_cast<LPCWSTR>(IDC_SIZENESW);
        case 7: return reinterpret_cast<LPCWSTR>(IDC_SIZENS);
        case 8: return reinterpret_cast<LPCWSTR>(IDC_SIZENWSE);
        case 9: return reinterpret_cast<LPCWSTR>(IDC_SIZEWE);
        case 10: return reinterpret_cast<LPCWSTR>(IDC_UPARROW);
        case 11: return reinterpret_cast<LPCWSTR>(IDC_WAIT);
        case 12: return reinterpret_cast<LPCWSTR>(IDC_NO);
        case 13: return reinterpret_cast<LPCWSTR>(IDC_APPSTARTING);
        case 14: return reinterpret_cast<LPCWSTR>(IDC_HELP);
        default: return nullptr;
    }
}
}  // namespace

short ButtonsHeld(WPARAM mk) {
    short b = 0;
    if (mk & MK_LBUTTON) b |= 1;
    if (mk & MK_RBUTTON) b |= 2;
    if (mk & MK_MBUTTON) b |= 4;
    return b;
}

short ShiftState() {
    short s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= 1;
    if (GetKeyState(VK_CONTROL) < 0) s |= 2;
    if (GetKeyState(VK_MENU) < 0) s |= 4;
    return s;
}

COLORREF ToColorRef(OLE_COLOR c) {
    COLORREF r = 0;
    if (FAILED(OleTranslateColor(c, nullptr, &r))) r = c & 0xFFFFFF;
    return r;
}

bool PicturePart::Create(HWND parent) {
    if (hwnd_) return true;
    // Each module registers its own class; the procedure is set per window.
    HINSTANCE inst = ThisModule();
    RegisterPartClass();
    hwnd_ = CreateWindowExW(0, kPartClass, L"", WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0),
                            scale_.ToPixelsX(left_), scale_.ToPixelsY(top_), PixelWidth(), PixelHeight(), parent,
                            nullptr, inst, nullptr);
    if (!hwnd_) return false;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PicturePart::Proc));
    EnsureSurface();
    return true;
}

void PicturePart::Destroy() {
    if (hwnd_) {
        HWND h = hwnd_;
        hwnd_ = nullptr;
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
        DestroyWindow(h);
    }
    if (surface_dc_) {
        SelectObject(surface_dc_, old_bitmap_);
        DeleteDC(surface_dc_);
        surface_dc_ = nullptr;
    }
    if (surface_) {
        DeleteObject(surface_);
        surface_ = nullptr;
    }
    surface_w_ = surface_h_ = 0;
}

void PicturePart::SetBounds(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width < 0 ? 0 : width;
    height_ = height < 0 ? 0 : height;
    EnsureSurface();
    if (hwnd_) {
        SetWindowPos(hwnd_, nullptr, scale_.ToPixelsX(left_), scale_.ToPixelsY(top_), PixelWidth(), PixelHeight(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void PicturePart::SetVisible(bool v) {
    visible_ = v;
    if (hwnd_) ShowWindow(hwnd_, v ? SW_SHOWNA : SW_HIDE);
}

void PicturePart::SetBackColor(OLE_COLOR c) {
    back_ = c;
    Cls();
}

void PicturePart::SetPicture(IPictureDisp* pic) {
    picture_ = pic;
    Cls();
}

// The backing surface keeps its image across size changes, as far as the
// new size reaches; new area shows the background.
void PicturePart::EnsureSurface() {
    const int w = PixelWidth() > 0 ? PixelWidth() : 1;
    const int h = PixelHeight() > 0 ? PixelHeight() : 1;
    if (surface_ && w == surface_w_ && h == surface_h_) return;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    HBRUSH brush = CreateSolidBrush(ToColorRef(back_));
    RECT all = {0, 0, w, h};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    if (surface_dc_) {
        BitBlt(dc, 0, 0, surface_w_, surface_h_, surface_dc_, 0, 0, SRCCOPY);
        SelectObject(surface_dc_, old_bitmap_);
        DeleteDC(surface_dc_);
        DeleteObject(surface_);
    } else if (picture_) {
        DrawPicture(dc, picture_.Get(), scale_, 0, 0);
    }
    surface_dc_ = dc;
    surface_ = bmp;
    old_bitmap_ = old;
    surface_w_ = w;
    surface_h_ = h;
}

void PicturePart::Cls() {
    EnsureSurface();
    HBRUSH brush = CreateSolidBrush(ToColorRef(back_));
    RECT all = {0, 0, surface_w_, surface_h_};
    FillRect(surface_dc_, &all, brush);
    DeleteObject(brush);
    if (picture_) DrawPicture(surface_dc_, picture_.Get(), scale_, 0, 0);
    Redraw();
}

void PicturePart::PaintPicture(IUnknown* pic, float x, float y, float src_x, float src_y, float width, float height) {
    EnsureSurface();
    activex::PaintPicture(surface_dc_, pic, scale_, scale_.ToPixelsX(x), scale_.ToPixelsY(y), src_x, src_y, width,
                          height);
    Redraw();
}

void PicturePart::Redraw() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void PicturePart::DrawTo(HDC dc, int x, int y) {
    EnsureSurface();
    BitBlt(dc, x, y, PixelWidth(), PixelHeight(), surface_dc_, 0, 0, SRCCOPY);
}

void PicturePart::EndCapture() {
    if (hwnd_ && GetCapture() == hwnd_) {
        releasing_ = true;
        ReleaseCapture();
        releasing_ = false;
    }
}

LRESULT CALLBACK PicturePart::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<PicturePart*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || self->hwnd_ != hwnd) return DefWindowProcW(hwnd, msg, wp, lp);
    // The control may lose its last outside reference inside a handler.
    com::Ptr<IUnknown> keep(self->listener_.Keeper());
    return self->Handle(msg, wp, lp);
}

void PicturePart::Mouse(MouseAction action, short button, WPARAM wp, LPARAM lp) {
    const float x = scale_.ToTwipsX(GET_X_LPARAM(lp));
    const float y = scale_.ToTwipsY(GET_Y_LPARAM(lp));
    const short shift = ShiftState();
    if (action == MouseAction::kDown && GetCapture() != hwnd_) SetCapture(hwnd_);
    HWND me = hwnd_;
    listener_.OnMouse(*this, action, button, shift, x, y);
    // The handler may have destroyed the window.
    if (action == MouseAction::kUp && hwnd_ == me && me && ButtonsHeld(wp) == 0) EndCapture();
}

LRESULT PicturePart::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    HWND hwnd = hwnd_;
    if (msg != WM_NCDESTROY) {
        LRESULT result = 0;
        if (listener_.OnPartMessage(*this, msg, wp, lp, result)) return result;
    }
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            DrawTo(dc, 0, 0);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) {
                if (pointer_ == 99 && icon_) {
                    short type = 0;
                    OLE_HANDLE h = PictureHandle(icon_.Get(), &type);
                    if (h && (type == PICTYPE_ICON)) {
                        // A picture's handle is 32 bits wide; handles widen with their sign.
                        SetCursor(reinterpret_cast<HCURSOR>(static_cast<LONG_PTR>(static_cast<LONG>(h))));
                        return TRUE;
                    }
                }
                if (LPCWSTR id = CursorFor(pointer_)) {
                    SetCursor(LoadCursorW(nullptr, id));
                    return TRUE;
                }
            }
            break;
        case WM_LBUTTONDOWN: Mouse(MouseAction::kDown, 1, wp, lp); return 0;
        case WM_RBUTTONDOWN: Mouse(MouseAction::kDown, 2, wp, lp); return 0;
        case WM_MBUTTONDOWN: Mouse(MouseAction::kDown, 4, wp, lp); return 0;
        case WM_LBUTTONUP:
            Mouse(MouseAction::kUp, 1, wp, lp);
            if (hwnd_ == hwnd) listener_.OnInput(*this, PartInput::kClick, 0, 0);
            return 0;
        case WM_RBUTTONUP: Mouse(MouseAction::kUp, 2, wp, lp); return 0;
        case WM_MBUTTONUP: Mouse(MouseAction::kUp, 4, wp, lp); return 0;
        case WM_LBUTTONDBLCLK:
            listener_.OnInput(*this, PartInput::kDblClick, 0, 0);
            if (hwnd_ == hwnd) Mouse(MouseAction::kDown, 1, wp, lp);
            return 0;
        case WM_RBUTTONDBLCLK: Mouse(MouseAction::kDown, 2, wp, lp); return 0;
        case WM_MOUSEMOVE: Mouse(MouseAction::kMove, ButtonsHeld(wp), wp, lp); return 0;
        case WM_CAPTURECHANGED:
            if (!releasing_ && reinterpret_cast<HWND>(lp) != hwnd) listener_.OnCaptureLost(*this);
            return 0;
        case WM_KEYDOWN: listener_.OnInput(*this, PartInput::kKeyDown, static_cast<short>(wp), ShiftState()); return 0;
        case WM_KEYUP: listener_.OnInput(*this, PartInput::kKeyUp, static_cast<short>(wp), ShiftState()); return 0;
        case WM_CHAR: listener_.OnInput(*this, PartInput::kKeyPress, static_cast<short>(wp), 0); return 0;
        case WM_NCDESTROY:
            hwnd_ = nullptr;
            break;
        default: break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

bool PictureHolder::Loaded() const { return PictureLoaded(picture_.Get()); }

float PictureHolder::Width() const {
    float w = 0, h = 0;
    PictureSizeTwips(picture_.Get(), w, h);
    return w;
}

float PictureHolder::Height() const {
    float w = 0, h = 0;
    PictureSizeTwips(picture_.Get(), w, h);
    return h;
}

void WindowlessLabel::Draw(HDC dc, const TwipsScale& scale, int ox, int oy) const {
    if (!visible) return;
    RECT r = {ox + scale.ToPixelsX(left), oy + scale.ToPixelsY(top), 0, 0};
    r.right = r.left + scale.ToPixelsX(width);
    r.bottom = r.top + scale.ToPixelsY(height);
    HGDIOBJ old_font = font ? SelectObject(dc, font) : nullptr;
    if (!transparent) {
        HBRUSH b = CreateSolidBrush(ToColorRef(back));
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    int old_mode = SetBkMode(dc, TRANSPARENT);
    COLORREF old_color = SetTextColor(dc, ToColorRef(fore));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, format);
    SetTextColor(dc, old_color);
    SetBkMode(dc, old_mode);
    if (old_font) SelectObject(dc, old_font);
}

void WindowlessLabel::Measure(HDC dc, const TwipsScale& scale, float& w, float& h) const {
    HGDIOBJ old_font = font ? SelectObject(dc, font) : nullptr;
    RECT r = {0, 0, 0, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, (format & ~DT_WORDBREAK) | DT_CALCRECT);
    if (old_font) SelectObject(dc, old_font);
    w = scale.ToTwipsX(r.right - r.left);
    h = scale.ToTwipsY(r.bottom - r.top);
}

}  // namespace vorne::activex
