// The video window under Wine with a small video made at build time: the
// picture shows at each display size, without the sound, to the end.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "platform/mediaplayer/media_player.h"
#include "player/video/video_window.h"
#include "runtime/com/late_bound.h"
#include "runtime/testing/message_pump.h"
#include "runtime/testing/window_pixels.h"
#include "runtime/text/ansi.h"

namespace vorne::player::video {
namespace {

using vorne::testing::Pump;
using vorne::testing::PumpUntil;

// What a window shows: the count of distinct colours in its client area,
// and a copy saved as a bitmap file for a look.
size_t CaptureColours(HWND window, const std::string& file) {
  const vorne::bitmap::Image shown = vorne::testing::CaptureClient(window);
  std::set<uint32_t> colours;
  for (size_t i = 0; i < shown.pixels.size(); i += 7) colours.insert(shown.pixels[i]);
  vorne::testing::SaveBmpFile(file, shown);
  return colours.size();
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

// The renderer's window: inside the control, or over the screen.
HWND PictureWindow(VideoPlayer* v) {
  if (HWND child = GetWindow(v->Window(), GW_CHILD)) return child;
  const RECT r = v->PictureScreenRect();
  return WindowFromPoint(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

class VideoWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!vorne::text::FileExists("clip.avi"))
      GTEST_SKIP() << "no test video: ffmpeg was not installed when the tests were built";
    CoInitialize(nullptr);
  }
  void TearDown() override { CoUninitialize(); }
  static long State(VideoPlayer* v) { return v->PlayState(); }
};

TEST_F(VideoWindowTest, ShowsThePictureAtEachDisplaySizeWithoutSoundToTheEnd) {
  FrmVideo dlg;
  int popups = 0;
  dlg.OpenPopup = [&] { ++popups; };
  dlg.Show();
  ASSERT_NE(dlg.Vid(), nullptr);
  EXPECT_EQ(dlg.Caption(), "Vorne Video Window");
  EXPECT_TRUE(dlg.Core().LogoShown());
  EXPECT_TRUE(dlg.picVorne.Visible());
  Pump(300);
  EXPECT_GT(CaptureColours(dlg.picVorne.Window(), "video_logo.bmp"), 1u);  // the field and the name

  // The main window gives the control the file by dispatch id.
  wchar_t full[MAX_PATH];
  GetFullPathNameW(L"clip.avi", MAX_PATH, full, nullptr);
  VARIANT name;
  VariantInit(&name);
  name.vt = VT_BSTR;
  name.bstrVal = SysAllocString(full);
  ASSERT_EQ(com::PutProperty(dlg.Vid()->Dispatch(), vorne::mediaplayer::kDispFileName, name), S_OK);
  VariantClear(&name);
  ASSERT_TRUE(PumpUntil([&] { return !dlg.Core().LogoShown(); }));
  EXPECT_FALSE(dlg.picVorne.Visible());
  EXPECT_EQ(State(dlg.Vid()), vorne::mediaplayer::kStatePlaying);
  EXPECT_FALSE(dlg.Vid()->RendersSound());
  EXPECT_EQ(dlg.Vid()->VideoSize().cx, 320);
  EXPECT_EQ(dlg.Vid()->VideoSize().cy, 240);

  struct Size {
    long size;
    void (FrmVideo::*pick)();
    int w, h;  // 0: the area or the screen
  };
  const Size sizes[] = {{kOwnSize, &FrmVideo::cmdOrg_Click, 320, 240},
                        {kHalfSize, &FrmVideo::cmdHalf_Click, 160, 120},
                        {kDoubleSize, &FrmVideo::cmdDouble_Click, 640, 480},
                        {kFitWindow, &FrmVideo::cmdFit_Click, 0, 0},
                        {kFullScreen, &FrmVideo::cmdFull_Click, GetSystemMetrics(SM_CXSCREEN),
                         GetSystemMetrics(SM_CYSCREEN)}};
  for (const Size& s : sizes) {
    SCOPED_TRACE(s.size);
    (dlg.*s.pick)();
    EXPECT_EQ(dlg.Vid()->DisplaySize(), s.size);
    const char* hold = std::getenv("VORNE_HOLD_MS");  // time for a look
    Pump(hold ? static_cast<DWORD>(std::atoi(hold)) : 500);
    const RECT r = dlg.Vid()->PictureScreenRect();
    if (s.w) {
      EXPECT_EQ(r.right - r.left, s.w);
      EXPECT_EQ(r.bottom - r.top, s.h);
    }
    EXPECT_GT(CaptureColours(PictureWindow(dlg.Vid()), "video_size_" + std::to_string(s.size) + ".bmp"), 8u)
        << "no picture on screen";
  }
  // Full screen ends with the next play-state change.
  com::CallMethod(dlg.Vid()->Dispatch(), vorne::mediaplayer::kDispPause);
  ASSERT_TRUE(PumpUntil([&] { return dlg.Vid()->DisplaySize() == kOwnSize; }));

  // Esc from the window and from the picture.
  dlg.cmdDouble_Click();
  SendMessageA(dlg.hWnd(), WM_CHAR, 27, 0);
  EXPECT_EQ(dlg.Vid()->DisplaySize(), kOwnSize);
  dlg.cmdHalf_Click();
  SendMessageA(dlg.Vid()->Window(), WM_CHAR, 27, 0);
  EXPECT_EQ(dlg.Vid()->DisplaySize(), kOwnSize);

  // Only the right button opens the menu.
  SendMessageA(dlg.Vid()->Window(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(popups, 0);
  SendMessageA(dlg.Vid()->Window(), WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(popups, 1);
  {
    // The real popup menu at the mouse, closed again by a timer.
    std::vector<std::string> items;
    for (const forms::MenuItem* m : dlg.mnuPop.Items()) items.push_back(m->Caption());
    EXPECT_EQ(items, (std::vector<std::string>{"Original Size", "Half Size", "Double Size", "Fit Window", "-",
                                               "Full Screen (ESC to return)"}));
    const char* hold = std::getenv("VORNE_HOLD_MS");
    const UINT_PTR t = SetTimer(nullptr, 0, hold ? static_cast<UINT>(std::atoi(hold)) : 300,
                                CloseMenu);
    EXPECT_FALSE(forms::PopupMenu(dlg, dlg.mnuPop));
    KillTimer(nullptr, t);
    EXPECT_EQ(dlg.Vid()->DisplaySize(), kOwnSize);
  }

  // The control fills the window less its frame.
  dlg.Move(dlg.Left(), dlg.Top(), 6000, 5000);
  RECT area;
  GetWindowRect(dlg.Vid()->Window(), &area);
  EXPECT_NEAR(area.right - area.left, (6000 - 60) / forms::TwipsPerPixelX(), 1);
  EXPECT_NEAR(area.bottom - area.top, (5000 - 360) / forms::TwipsPerPixelY(), 1);

  // To the end: the control stops by itself.
  com::CallMethod(dlg.Vid()->Dispatch(), vorne::mediaplayer::kDispPlay);
  ASSERT_TRUE(PumpUntil([&] { return State(dlg.Vid()) == vorne::mediaplayer::kStateStopped; }, 15000));
  dlg.Unload();
}

}  // namespace
}  // namespace vorne::player::video
