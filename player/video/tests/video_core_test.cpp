#include "player/video/video_core.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorne::player::video {
namespace {

// A control that, like the real one, reports a display-mode change from
// inside every write of the display size and of the display settings.
class EchoingDisplay : public VideoDisplay {
 public:
  VideoCore* core = nullptr;
  long size = 0;
  int applied = 0;
  bool logo = false;
  std::vector<long> sizes;
  float cw = -1, ch = -1, ll = 0, lt = 0;

  long GetDisplaySize() override { return size; }
  void SetDisplaySize(long s) override {
    size = s;
    sizes.push_back(s);
    if (core) core->DisplayModeChange();
  }
  void ApplyDisplaySettings() override {
    ++applied;
    if (core) core->DisplayModeChange();
  }
  void SetLogoVisible(bool on) override { logo = on; }
  void SizeControl(float w, float h) override { cw = w, ch = h; }
  void PlaceLogo(float l, float t) override { ll = l, lt = t; }
  float LogoWidth() override { return 1200; }
  float LogoHeight() override { return 600; }
};

class VideoCoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    display.core = &core;
    core.Load();
  }
  EchoingDisplay display;
  VideoCore core{display};
};

TEST_F(VideoCoreTest, ANewStreamShowsAtOwnSizeThenAtTheSizeBeforeAndHidesTheLogo) {
  EXPECT_TRUE(display.logo);
  core.MenuChosen(kDoubleSize);
  core.NewStream();
  EXPECT_EQ(display.sizes, (std::vector<long>{kDoubleSize, kOwnSize, kDoubleSize}));
  EXPECT_FALSE(display.logo);
  EXPECT_FALSE(core.LogoShown());
  // The settings went on once: the changes our writes caused are not
  // handled again.
  EXPECT_EQ(display.applied, 1);
  // After Esc the next video opens at its own size.
  core.KeyPress(27);
  core.NewStream();
  EXPECT_EQ(display.size, kOwnSize);
  EXPECT_EQ(display.applied, 2);
}

TEST_F(VideoCoreTest, TheControlsOwnModeChangeAppliesTheSettingsAgain) {
  core.DisplayModeChange();
  EXPECT_EQ(display.applied, 1);
}

TEST_F(VideoCoreTest, FullScreenLastsUntilThePlayStateChanges) {
  for (long s : {kOwnSize, kHalfSize, kDoubleSize, kFitWindow, kFullScreen}) {
    core.MenuChosen(s);
    EXPECT_EQ(display.size, s);
  }
  core.NewStream();  // arrives in full screen and stays there
  EXPECT_EQ(display.size, kFullScreen);
  core.PlayStateChange();
  EXPECT_EQ(display.size, kOwnSize);
  core.MenuChosen(kHalfSize);
  core.PlayStateChange();
  EXPECT_EQ(display.size, kHalfSize);  // only full screen is left
}

TEST_F(VideoCoreTest, KeysMouseAndResize) {
  core.MenuChosen(kFullScreen);
  core.KeyPress('a');
  EXPECT_EQ(display.size, kFullScreen);
  core.KeyPress(27);
  EXPECT_EQ(display.size, kOwnSize);
  EXPECT_TRUE(core.MouseUp(2));
  EXPECT_FALSE(core.MouseUp(1));
  EXPECT_FALSE(core.MouseUp(4));

  core.Resize(6000, 4500);
  EXPECT_FLOAT_EQ(display.cw, 5940);
  EXPECT_FLOAT_EQ(display.ch, 4140);
  EXPECT_FLOAT_EQ(display.ll, 6000 / 2 - 600 - 60);
  EXPECT_FLOAT_EQ(display.lt, 4500 / 2 - 300 - 240);
  core.Resize(40, 200);  // minimised: the control keeps its size
  EXPECT_FLOAT_EQ(display.cw, 5940);
}

TEST(VideoGeometry, CentringAndPictureRects) {
  const Placement p = CentreOnScreen(15360, 11520, 6000, 4500);
  EXPECT_FLOAT_EQ(p.left, 4680);
  EXPECT_FLOAT_EQ(p.top, 3510);
  struct Case {
    long size;
    VideoRect r;
  };
  // A 320 x 240 video in a 400 x 400 area on a 1024 x 768 screen.
  for (const Case& c : {Case{kOwnSize, {40, 80, 320, 240}}, Case{kHalfSize, {120, 140, 160, 120}},
                        Case{kDoubleSize, {-120, -40, 640, 480}}, Case{kFitWindow, {0, 50, 400, 300}},
                        Case{kFullScreen, {0, 0, 1024, 768}}}) {
    const VideoRect r = PictureRect(c.size, 320, 240, 400, 400, 1024, 768);
    EXPECT_EQ(r.left, c.r.left) << c.size;
    EXPECT_EQ(r.top, c.r.top) << c.size;
    EXPECT_EQ(r.width, c.r.width) << c.size;
    EXPECT_EQ(r.height, c.r.height) << c.size;
  }
  const VideoRect none = PictureRect(kOwnSize, 0, 0, 300, 200, 1024, 768);
  EXPECT_EQ(none.width, 300);
}

}  // namespace
}  // namespace vorne::player::video
