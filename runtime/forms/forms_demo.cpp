// A form with labels, images and a picture box, to look at on the screen.
// The command line gives how long it stays, in milliseconds.
#include <cstdlib>

#include "runtime/forms/forms.h"

using namespace vorne::forms;

namespace {

PictureRef Gradient(int w, int h, COLORREF a, COLORREF b) {
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HDC mem = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    for (int y = 0; y < h; ++y) {
        auto mix = [&](int ca, int cb) { return ca + (cb - ca) * y / (h > 1 ? h - 1 : 1); };
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
                                              mix(GetBValue(a), GetBValue(b))));
        HGDIOBJ op = SelectObject(mem, pen);
        MoveToEx(mem, 0, y, nullptr);
        LineTo(mem, w, y);
        SelectObject(mem, op);
        DeleteObject(pen);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    return std::make_shared<Picture>(bmp);
}

class DemoForm : public Form {
public:
    DemoForm() : Form("frmDemo"), title(*this, "lblTitle"), genre(*this, "lblGenre"), back(*this, "imgBack"),
                 front(*this, "imgFront"), pic(*this, "picSurface"), tick(*this, "tmrClose") {}
    Label title, genre;
    Image back, front;
    PictureBox pic;
    Timer tick;

protected:
    void Form_Load() override {
        SetCaption("Vorne forms");
        SetBackColor(RGB(24, 28, 40));
        back.SetPicture(Gradient(160, 90, RGB(40, 90, 160), RGB(10, 20, 50)));
        back.Move(20, 60);
        front.SetPicture(Gradient(90, 50, RGB(230, 160, 40), RGB(120, 40, 20)));
        front.Move(120, 110);  // made later: lies over imgBack
        FontSpec big;
        big.name = "Arial";
        big.size = 14.25f;
        big.bold = true;
        title.SetFont(big);
        title.SetBackStyle(0);
        title.SetForeColor(RGB(0, 255, 0));
        title.SetAutoSize(true);
        title.SetCaption("Rhythm & Blues");
        title.Move(20, 16);
        genre.SetBackStyle(1);
        genre.SetBackColor(RGB(60, 60, 80));
        genre.SetForeColor(RGB(255, 255, 255));
        genre.SetAutoSize(true);
        genre.SetCaption("Genre: R&B");
        genre.Move(130, 125);
        genre.ZOrder(0);
        pic.Move(250, 60, 100, 100);
        pic.SetBackColor(RGB(250, 250, 245));
        HDC dc = pic.hDC();
        HBRUSH red = CreateSolidBrush(RGB(200, 30, 30));
        RECT r{10, 10, 60, 40};
        FillRect(dc, &r, red);
        DeleteObject(red);
        Ellipse(dc, 40, 40, 95, 95);
        pic.Refresh();
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    DemoForm f;
    f.Move(60 * TwipsPerPixelX(), 60 * TwipsPerPixelY(), 400 * TwipsPerPixelX(), 260 * TwipsPerPixelY());
    long ms = std::atol(App::Command().c_str());
    f.tick.OnTimer = [&] { f.Unload(); };
    f.tick.SetInterval(ms > 0 && ms < 65536 ? ms : 10000);
    f.Show();
    Form::Run();
    return 0;
}
