#include "player/video/video_core.h"

#include <algorithm>

namespace vorne::player::video {
namespace {

// Counts a write of the window's own while it runs.
class OwnWrite {
 public:
  explicit OwnWrite(int& n) : n_(n) { ++n_; }
  ~OwnWrite() { --n_; }
  OwnWrite(const OwnWrite&) = delete;
  OwnWrite& operator=(const OwnWrite&) = delete;

 private:
  int& n_;
};

}  // namespace

Placement CentreOnScreen(float screenWidth, float screenHeight, float width, float height) {
  return {screenWidth / 2 - width / 2, screenHeight / 2 - height / 2};
}

VideoRect PictureRect(long size, int videoWidth, int videoHeight, int areaWidth, int areaHeight,
                      int screenWidth, int screenHeight) {
  if (size == kFullScreen) return {0, 0, screenWidth, screenHeight};
  if (videoWidth <= 0 || videoHeight <= 0) return {0, 0, std::max(areaWidth, 0), std::max(areaHeight, 0)};
  int w = videoWidth, h = videoHeight;
  if (size == kHalfSize) {
    w = videoWidth / 2;
    h = videoHeight / 2;
  } else if (size == kDoubleSize) {
    w = videoWidth * 2;
    h = videoHeight * 2;
  } else if (size == kFitWindow) {
    // The largest picture of the video's proportions inside the area.
    const long long aw = std::max(areaWidth, 0), ah = std::max(areaHeight, 0);
    if (aw * videoHeight <= ah * videoWidth) {
      w = static_cast<int>(aw);
      h = static_cast<int>(aw * videoHeight / videoWidth);
    } else {
      h = static_cast<int>(ah);
      w = static_cast<int>(ah * videoWidth / videoHeight);
    }
  }
  return {(areaWidth - w) / 2, (areaHeight - h) / 2, w, h};
}

void VideoCore::Load() {
  logoShown_ = true;
  display_.SetLogoVisible(true);
}

void VideoCore::Set(long size) {
  OwnWrite own(writing_);
  display_.SetDisplaySize(size);
}

void VideoCore::Apply() {
  OwnWrite own(writing_);
  display_.ApplyDisplaySettings();
}

void VideoCore::KeyPress(int ascii) {
  if (ascii == 27) Set(kOwnSize);
}

void VideoCore::Resize(float width, float height) {
  // Minimised, the sizes come out negative: the control refuses them and
  // keeps its own.
  if (width - 60 >= 0 && height - 360 >= 0) display_.SizeControl(width - 60, height - 360);
  display_.PlaceLogo(width / 2 - display_.LogoWidth() / 2 - 60, height / 2 - display_.LogoHeight() / 2 - 240);
}

void VideoCore::NewStream() {
  savedDisplaySize_ = display_.GetDisplaySize();
  Set(kOwnSize);
  logoShown_ = false;
  display_.SetLogoVisible(false);
  Apply();
  Set(savedDisplaySize_);
}

void VideoCore::PlayStateChange() {
  if (display_.GetDisplaySize() == kFullScreen) Set(kOwnSize);
}

void VideoCore::DisplayModeChange() {
  // A change that our own writes caused needs no second pass.
  if (writing_ > 0) return;
  Apply();
}

}  // namespace vorne::player::video
