#include "tools/stripmaker/view_window.h"

#include "tools/stripmaker/handles.h"
#include "tools/stripmaker/main_window.h"

namespace vorne::stripmaker {

namespace {

// The client area a view starts with: 3075 x 1425 twips.
constexpr int kClientWidth = 205, kClientHeight = 95;

void PlaceBox(forms::Image& image, const Box& b) {
    image.Move(TwipsToPixels(b.Left), TwipsToPixels(b.Top));
    image.SetVisible(b.Visible);
}

}  // namespace

const char* ViewCaption(int number) {
    static const char* const kCaptions[] = {"Normal View", "Mouse Over View", "Mouse Down View", "Disabled View"};
    return number >= 1 && number <= 4 ? kCaptions[number - 1] : "";
}

FrmView::FrmView(FrmMain& main, int number)
    : Form("frmView" + std::to_string(number)), Mover(*this, "Mover"), Sizer(*this, "Sizer"), main_(main),
      number_(number) {
    SetCaption(ViewCaption(number));
    Mover.SetPicture(MoverPicture());
    Sizer.SetPicture(SizerPicture());
    ShowSelection();
}

SelectionView& FrmView::Model() { return main_.Family.View(number_); }

float FrmView::StripTwipsX(float screen_twips) {
    return PixelsToTwips(forms::ScreenScale().ToPixelsX(screen_twips));
}
float FrmView::StripTwipsY(float screen_twips) {
    return PixelsToTwips(forms::ScreenScale().ToPixelsY(screen_twips));
}

void FrmView::ShowSelection() {
    const SelectionView& m = Model();
    PlaceBox(Mover, m.Mover);
    PlaceBox(Sizer, m.Sizer);
    Refresh();
}

void FrmView::Form_Load() {
    // The client area's size, then the place: the four views tile 2 x 2
    // from the screen's top-left corner, each from the ones before it.
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, Style(), FALSE, ExStyle());
    const int w = outer.right - outer.left, h = outer.bottom - outer.top;
    auto rect = [this](int k) {
        RECT r{0, 0, 0, 0};
        GetWindowRect(main_.View(k).hWnd(), &r);
        return r;
    };
    int left = 0, top = 0;
    if (number_ == 2) {
        left = rect(1).right;
    } else if (number_ == 3) {
        top = rect(1).bottom;
    } else if (number_ == 4) {
        left = rect(3).right;
        top = rect(2).bottom;
    }
    SetWindowPos(hWnd(), nullptr, left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);

    // The handles' mouse events go to the model in the strip maker's twips.
    using Handler = void (SelectionView::*)(int, float, float);
    auto route = [this](Handler h) {
        return [this, h](const forms::MouseEvent& e) { (Model().*h)(e.button, StripTwipsX(e.x), StripTwipsY(e.y)); };
    };
    Mover.OnMouseDown = route(&SelectionView::Mover_MouseDown);
    Mover.OnMouseMove = route(&SelectionView::Mover_MouseMove);
    Mover.OnMouseUp = route(&SelectionView::Mover_MouseUp);
    Sizer.OnMouseDown = route(&SelectionView::Sizer_MouseDown);
    Sizer.OnMouseMove = route(&SelectionView::Sizer_MouseMove);
    Sizer.OnMouseUp = route(&SelectionView::Sizer_MouseUp);
    ShowSelection();
}

void FrmView::Form_QueryUnload(int& cancel, int mode) {
    // The views live as long as the main window: closing one alone would
    // lose its picture from the strips with no way to bring it back.
    if (mode == forms::vbFormControlMenu) cancel = 1;
}

void FrmView::Form_MouseDown(const forms::MouseEvent& e) {
    Model().Form_MouseDown(e.button, StripTwipsX(e.x), StripTwipsY(e.y));
}

void FrmView::Form_MouseMove(const forms::MouseEvent& e) {
    Model().Form_MouseMove(e.button, StripTwipsX(e.x), StripTwipsY(e.y));
}

void FrmView::Form_MouseUp(const forms::MouseEvent& e) {
    Model().Form_MouseUp(e.button, StripTwipsX(e.x), StripTwipsY(e.y));
}

void FrmView::Form_Paint(HDC dc) {
    const Box& s = Model().Selectr;
    if (!s.Visible) return;
    // A white line under a black dotted one stays visible over any picture.
    const int l = TwipsToPixels(s.Left), t = TwipsToPixels(s.Top);
    const int r = l + TwipsToPixels(s.Width), b = t + TwipsToPixels(s.Height);
    if (r <= l || b <= t) return;
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HPEN white = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HPEN dots = CreatePen(PS_DOT, 1, RGB(0, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, white);
    Rectangle(dc, l, t, r, b);
    SelectObject(dc, dots);
    SetBkMode(dc, TRANSPARENT);
    Rectangle(dc, l, t, r, b);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(white);
    DeleteObject(dots);
}

}  // namespace vorne::stripmaker
