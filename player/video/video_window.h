// The video window frmVideo ("Vorne Video Window"): the second media
// control Vid, showing the picture only, the logo until the first stream,
// the five display sizes from the popup menu, Esc and the layout on
// resize, over VideoCore. Win32 only.
#pragma once

#include <windows.h>

#include <memory>

#include "player/video/video_core.h"
#include "player/video/video_player.h"
#include "runtime/forms/forms.h"
#include "runtime/forms/menu.h"

namespace vorne::player::video {

class FrmVideo : public forms::Form, private VideoDisplay, private VideoEvents {
 public:
  FrmVideo();
  ~FrmVideo() override;

  forms::PictureBox picVorne;
  forms::MenuItem mnuPop, cmdOrg, cmdHalf, cmdDouble, cmdFit, Break1, cmdFull;

  // The media control (null until the window is loaded). The main window
  // drives it by dispatch id through Vid()->Dispatch().
  VideoPlayer* Vid() const { return vid_; }
  VideoCore& Core() { return core_; }
  // Whether the last right-button release opened the popup menu; tests
  // answer the menu here instead of a person.
  std::function<void()> OpenPopup;
  // The window's unload lets go of its control: whoever was given it to
  // drive (its dispatch) must drop it here.
  std::function<void(IDispatch*)> Released;

  void cmdOrg_Click() { core_.MenuChosen(kOwnSize); }
  void cmdHalf_Click() { core_.MenuChosen(kHalfSize); }
  void cmdDouble_Click() { core_.MenuChosen(kDoubleSize); }
  void cmdFull_Click() { core_.MenuChosen(kFullScreen); }
  void cmdFit_Click() { core_.MenuChosen(kFitWindow); }

 protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  void Form_Resize() override;
  LRESULT Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

 private:
  // VideoDisplay
  long GetDisplaySize() override;
  void SetDisplaySize(long size) override;
  void ApplyDisplaySettings() override;
  void SetLogoVisible(bool on) override;
  void SizeControl(float width, float height) override;
  void PlaceLogo(float left, float top) override;
  float LogoWidth() override;
  float LogoHeight() override;
  // VideoEvents
  void NewStream() override { core_.NewStream(); }
  void PlayStateChange(long, long) override { core_.PlayStateChange(); }
  void DisplayModeChange() override { core_.DisplayModeChange(); }
  void KeyPress(int ascii) override { core_.KeyPress(ascii); }
  void MouseUp(int button, int, int, int) override;

  VideoCore core_;
  VideoPlayer* vid_ = nullptr;
};

// The program's one video window.
FrmVideo& frmVideo();

}  // namespace vorne::player::video
