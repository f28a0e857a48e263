// The position bar's seek rules against a fake control.
#include "player/playback/position_bar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorne::player::playback {
namespace {

struct FakeSeekHost : SeekHost {
  double position = 0;
  bool video = false;
  std::vector<std::string> log;
  double Position() override { return position; }
  void SeekTo(double s, bool withVideo) override {
    log.push_back("seek " + std::to_string(static_cast<long>(s)) + (withVideo ? " +video" : ""));
  }
  bool IsVideo() override { return video; }
  void EnableSongInfo() override { log.push_back("enable"); }
  void ShowSongInfo(const std::string& t) override { log.push_back(t); }
  void SetBarsTo(long v) override { log.push_back("bars " + std::to_string(v)); }
  void ReleaseCapture() override { log.push_back("release capture"); }
};

TEST(PositionBar, RoundingAndRange) {
  struct {
    double in;
    long round, max;
  } cases[] = {{0, 0, 1}, {0.4, 0, 1}, {0.5, 0, 1}, {1.5, 2, 2}, {2.5, 2, 2}, {3.5, 4, 4}, {187.49, 187, 187}};
  for (auto& c : cases) {
    EXPECT_EQ(RoundSeconds(c.in), c.round) << c.in;
    EXPECT_EQ(BarMaxFor(c.in), c.max) << c.in;
  }
  EXPECT_EQ(SkipText(75), "Skip to 01:15  (75 secs)");
}

TEST(PositionBar, DragShowsTheSkipTextOncePerChangeAndSeeksOnRelease) {
  FakeSeekHost h;
  PositionSeek s(h);
  h.position = 10.2;
  s.MouseDown(1, true);
  EXPECT_TRUE(s.Seeking());
  s.Scroll(30, 0);
  s.Scroll(30, 0);
  s.Scroll(31, 0);
  EXPECT_TRUE(s.MouseUp(31, 1, true));
  EXPECT_FALSE(s.Seeking());
  EXPECT_EQ(h.log, (std::vector<std::string>{"Skip to 00:30  (30 secs)", "Skip to 00:31  (31 secs)", "enable",
                                             "seek 31"}));
}

TEST(PositionBar, ReleaseComparesThePositionRoundedHalvesToEven) {
  struct {
    double position;
    long value;
    bool seeks;
  } cases[] = {{30.5, 30, false}, {31.5, 31, true}, {31.5, 32, false}, {29.9, 30, false}, {12.0, 40, true}};
  for (auto& c : cases) {
    FakeSeekHost h;
    h.position = c.position;
    PositionSeek s(h);
    s.MouseDown(1, true);
    s.MouseUp(c.value, 1, true);
    bool sought = !h.log.empty() && h.log.back().rfind("seek", 0) == 0;
    EXPECT_EQ(sought, c.seeks) << c.position << " " << c.value;
  }
}

TEST(PositionBar, AVideoSeeksBothControls) {
  FakeSeekHost h;
  h.video = true;
  PositionSeek s(h);
  s.MouseDown(1, true);
  s.MouseUp(50, 1, true);
  EXPECT_EQ(h.log.back(), "seek 50 +video");
}

TEST(PositionBar, ShiftSeeksLiveWithTheVideoToo) {
  FakeSeekHost h;
  PositionSeek s(h);
  s.MouseDown(1, true);
  s.Scroll(12, 1);
  EXPECT_EQ(h.log.back(), "seek 12 +video");
}

TEST(PositionBar, TheRightButtonPutsTheBarBackWithoutSeeking) {
  FakeSeekHost h;
  h.position = 41.6;
  PositionSeek s(h);
  s.MouseDown(2, true);  // without a drag
  EXPECT_FALSE(s.Seeking());
  EXPECT_EQ(h.log, (std::vector<std::string>{"enable", "bars 42"}));
  h.log.clear();
  s.MouseDown(1, true);
  s.Scroll(90, 0);
  EXPECT_TRUE(s.MouseUp(90, 2, true));  // cancels the drag
  EXPECT_EQ(h.log, (std::vector<std::string>{"Skip to 01:30  (90 secs)", "enable", "bars 42", "release capture"}));
}

TEST(PositionBar, ALostCaptureEndsTheDrag) {
  FakeSeekHost h;
  PositionSeek s(h);
  s.MouseDown(1, true);
  s.Abandon();
  EXPECT_FALSE(s.Seeking());
  EXPECT_FALSE(s.MouseUp(20, 1, true));
  EXPECT_TRUE(h.log.empty());
}

TEST(PositionBar, PressesOffTheThumbDoNothing) {
  FakeSeekHost h;
  PositionSeek s(h);
  s.MouseDown(1, false);
  s.MouseDown(2, false);
  EXPECT_FALSE(s.Seeking());
  EXPECT_FALSE(s.MouseUp(3, 1, false));
  EXPECT_TRUE(h.log.empty());
}

}  // namespace
}  // namespace vorne::player::playback
