// The video window without its window: the display sizes chosen from the
// menu and Esc, what a new stream, a play-state change and a display-mode
// change do, the logo, the centring at load and the layout on resize.
// Window-free: the media control comes in through VideoDisplay.
#pragma once

namespace vorne::player::video {

// Display sizes of the media control.
enum DisplaySize : long {
  kOwnSize = 0,
  kHalfSize = 1,
  kDoubleSize = 2,
  kFullScreen = 3,
  kFitWindow = 4,
};

// The media control and the logo, as the window drives them. Sizes and
// places are twips.
class VideoDisplay {
 public:
  virtual ~VideoDisplay() = default;
  virtual long GetDisplaySize() = 0;
  virtual void SetDisplaySize(long size) = 0;
  // Visible, and the control's own panels and bars off: only the picture.
  virtual void ApplyDisplaySettings() = 0;
  virtual void SetLogoVisible(bool on) = 0;
  virtual void SizeControl(float width, float height) = 0;
  virtual void PlaceLogo(float left, float top) = 0;
  virtual float LogoWidth() = 0;
  virtual float LogoHeight() = 0;
};

struct Placement {
  float left = 0, top = 0;
};

// Where the window goes at load: the middle of the screen.
Placement CentreOnScreen(float screenWidth, float screenHeight, float width, float height);

struct VideoRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// Where the picture lies in the control's area (pixels) for a display size:
// the video's own size, half or double it, centred; fit fills the area
// keeping the picture's proportions; full screen covers the screen.
VideoRect PictureRect(long size, int videoWidth, int videoHeight, int areaWidth, int areaHeight,
                      int screenWidth, int screenHeight);

class VideoCore {
 public:
  explicit VideoCore(VideoDisplay& display) : display_(display) {}

  // Form_Load (after SetOnTop and the centring): the logo shows.
  void Load();
  void MenuChosen(long size) { Set(size); }
  // Esc returns to the video's own size, from the window or the picture.
  void KeyPress(int ascii);
  // True when the popup menu is to open (the right button).
  bool MouseUp(int button) const { return button == 2; }
  // Form_Resize with the window's outer size; a step that fails is skipped.
  void Resize(float width, float height);
  void NewStream();
  void PlayStateChange();
  void DisplayModeChange();

  bool LogoShown() const { return logoShown_; }

 private:
  void Set(long size);
  void Apply();

  VideoDisplay& display_;
  long savedDisplaySize_ = 0;
  bool logoShown_ = false;
  // Inside a write of our own: the display-mode change it causes is ours.
  int writing_ = 0;
};

}  // namespace vorne::player::video
