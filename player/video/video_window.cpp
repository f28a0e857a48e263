#include "player/video/video_window.h"

#include <cmath>

#include "platform/mediaplayer/media_player.h"
#include "player/dialogs/main_window_view.h"
#include "runtime/com/late_bound.h"
#include "runtime/forms/window_procs.h"

namespace vorne::player::video {
namespace {

constexpr int kLogoWidth = 160, kLogoHeight = 60;

// The logo: the name on a dark field.
HBITMAP MakeLogo() {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, kLogoWidth, kLogoHeight);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bmp);
  RECT r = {0, 0, kLogoWidth, kLogoHeight};
  HBRUSH field = CreateSolidBrush(RGB(0x1e, 0x3c, 0x5a));
  FillRect(dc, &r, field);
  DeleteObject(field);
  HFONT font = CreateFontA(-34, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0,
                           "Arial");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0xf0, 0xc8, 0x50));
  DrawTextA(dc, "Vorne", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  DeleteObject(font);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bmp;
}

int ToPixels(float twips, float perPixel) { return static_cast<int>(std::lround(twips / perPixel)); }

}  // namespace

FrmVideo::FrmVideo()
    : Form("frmVideo"), picVorne(*this, "picVorne"), mnuPop("mnuPop", "PopMenu"), cmdOrg("cmdOrg", "Original Size"),
      cmdHalf("cmdHalf", "Half Size"), cmdDouble("cmdDouble", "Double Size"), cmdFit("cmdFit", "Fit Window"),
      Break1("Break1", "-"), cmdFull("cmdFull", "Full Screen (ESC to return)"), core_(*this) {
  SetCaption("Vorne Video Window");
  SetBackColor(RGB(0, 0, 0));
  picVorne.SetPicture(std::make_shared<forms::Picture>(MakeLogo()));
  picVorne.SetAutoSize(true);
  picVorne.SetVisible(false);
  for (forms::MenuItem* m : {&cmdOrg, &cmdHalf, &cmdDouble, &cmdFit, &Break1, &cmdFull}) mnuPop.Add(*m);
  mnuPop.SetVisible(false);
  cmdOrg.OnClick = [this] { cmdOrg_Click(); };
  cmdHalf.OnClick = [this] { cmdHalf_Click(); };
  cmdDouble.OnClick = [this] { cmdDouble_Click(); };
  cmdFit.OnClick = [this] { cmdFit_Click(); };
  cmdFull.OnClick = [this] { cmdFull_Click(); };
  OpenPopup = [this] { forms::PopupMenu(*this, mnuPop); };
  // The design size: room for a 320 x 240 picture.
  Move(0, 0, 5220, 4380);
}

FrmVideo::~FrmVideo() {
  if (vid_) DestroyVideoPlayer(vid_);
}

void FrmVideo::Form_Load() {
  if (!vid_) {
    vid_ = CreateVideoPlayer(hWnd(), this);
    if (vid_) vid_->SetVisible(true);
  }
  forms::SetOnTop(dialogs::MainWindow().AlwaysOnTop(), hWnd());
  const float sw = GetSystemMetrics(SM_CXSCREEN) * forms::TwipsPerPixelX();
  const float sh = GetSystemMetrics(SM_CYSCREEN) * forms::TwipsPerPixelY();
  const Placement p = CentreOnScreen(sw, sh, Width(), Height());
  Move(p.left, p.top, Width(), Height());
  core_.Load();
  picVorne.Cls();  // the surface shows the logo
  // The logo lies over the picture.
  if (picVorne.Window()) SetWindowPos(picVorne.Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Form_Resize();
}

void FrmVideo::Form_Unload(int&) {
  // The next load starts again with the logo and the control's own size.
  // The control closes its file, so nothing plays on out of sight, and
  // whoever drives it lets it go.
  if (vid_) {
    IDispatch* d = vid_->Dispatch();
    VARIANT none = com::TextArg("");
    com::PutProperty(d, vorne::mediaplayer::kDispFileName, none);
    VariantClear(&none);
    if (Released) Released(d);
    DestroyVideoPlayer(vid_);
  }
  vid_ = nullptr;
}

void FrmVideo::Form_Resize() { core_.Resize(Width(), Height()); }

LRESULT FrmVideo::Form_Message(UINT msg, WPARAM wp, LPARAM, bool& handled) {
  if (msg == WM_CHAR) {
    core_.KeyPress(static_cast<int>(wp));
    handled = true;
  }
  return 0;
}

long FrmVideo::GetDisplaySize() { return vid_ ? vid_->DisplaySize() : 0; }

void FrmVideo::SetDisplaySize(long size) {
  if (vid_) vid_->SetDisplaySize(size);
}

void FrmVideo::ApplyDisplaySettings() {
  // The control shows its picture alone: visible, and it has no panels or
  // bars of its own to turn off.
  if (vid_) vid_->SetVisible(true);
}

void FrmVideo::SetLogoVisible(bool on) { picVorne.SetVisible(on); }

void FrmVideo::SizeControl(float width, float height) {
  if (vid_) vid_->Move(0, 0, ToPixels(width, forms::TwipsPerPixelX()), ToPixels(height, forms::TwipsPerPixelY()));
}

void FrmVideo::PlaceLogo(float left, float top) {
  picVorne.Move(ToPixels(left, forms::TwipsPerPixelX()), ToPixels(top, forms::TwipsPerPixelY()));
}

float FrmVideo::LogoWidth() { return picVorne.Width() * forms::TwipsPerPixelX(); }
float FrmVideo::LogoHeight() { return picVorne.Height() * forms::TwipsPerPixelY(); }

void FrmVideo::MouseUp(int button, int, int, int) {
  if (core_.MouseUp(button) && OpenPopup) OpenPopup();
}

FrmVideo& frmVideo() { return forms::DefaultInstance<FrmVideo>(); }

}  // namespace vorne::player::video
