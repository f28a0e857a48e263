// Volume words and the timer-driven fades against fake volume bars.
#include "player/playback/fade.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorne::player::playback {
namespace {

// Bars that clamp their value to 0..max, as the scroll bar control does,
// and a device that takes each bar's word.
struct FakeBars : VolumeBars {
  struct Bar {
    long value, max;
  };
  std::vector<Bar> bars;
  uint32_t device = 0;
  int updates = 0;
  int Count() override { return static_cast<int>(bars.size()); }
  long Value(int k) override { return bars.at(static_cast<size_t>(k)).value; }
  void SetValue(int k, long v) override {
    Bar& b = bars.at(static_cast<size_t>(k));
    b.value = v < 0 ? 0 : (v > b.max ? b.max : v);
  }
  long Max(int k) override { return bars.at(static_cast<size_t>(k)).max; }
  void UpdateVolume(int k) override {
    device = VolumeWord(Value(k));
    ++updates;
  }
};

int RunToEnd(Fader& f) {
  int steps = 0;
  while (f.Step()) ++steps;
  return steps + 1;
}

TEST(VolumeWords, BarValuesAndPercentTexts) {
  EXPECT_EQ(VolumeWord(0), 0u);
  EXPECT_EQ(VolumeWord(0x1234), 0x12341234u);
  EXPECT_EQ(VolumeWord(65536), 0xFFFFFFFFu) << "the top of the bar is written as 0xFFFF";
  EXPECT_EQ(VolumeWord(-3), 0u);
  EXPECT_EQ(LeftChannel(0x0000FFFFu), 65535);
  EXPECT_EQ(LeftChannel(0x12345678u), 0x5678);
  EXPECT_EQ(VolumePercentText(32768, 65536), "Volume 50%");
  EXPECT_EQ(VolumePercentText(65536, 65536), "Volume 100%");
  EXPECT_EQ(VolumePercentText(655, 65536), "Volume 0%");
  EXPECT_EQ(VolumePercentText(5, 0), "Volume 0%");
}

TEST(Fades, OutToSilenceThenBackToTheChosenVolumeThenToTheTop) {
  FakeBars b;
  b.bars = {{32768, 65536}};
  Fader f(b);
  const long chosen = 32768;
  ASSERT_TRUE(f.FadeOut(chosen));
  EXPECT_TRUE(f.Fading());
  EXPECT_FALSE(f.FadeIn(chosen)) << "a second fade is ignored while one runs";
  RunToEnd(f);
  EXPECT_FALSE(f.Fading());
  EXPECT_EQ(b.bars[0].value, 0);
  EXPECT_EQ(b.device, 0u);

  ASSERT_TRUE(f.FadeIn(chosen));
  RunToEnd(f);
  EXPECT_EQ(b.bars[0].value, chosen);
  EXPECT_EQ(b.device, VolumeWord(chosen)) << "the device follows the clamped bar";

  ASSERT_TRUE(f.FadeIn(chosen));
  RunToEnd(f);
  EXPECT_EQ(b.bars[0].value, 65536);
  EXPECT_EQ(b.device, 0xFFFFFFFFu);
}

TEST(Fades, OutToTheChosenVolumeStopsThere) {
  FakeBars b;
  b.bars = {{60000, 65536}};
  Fader f(b);
  ASSERT_TRUE(f.FadeOut(20250));
  int steps = RunToEnd(f);
  EXPECT_EQ(b.bars[0].value, 20250);
  EXPECT_EQ(b.device, VolumeWord(20250));
  EXPECT_EQ(steps, 80);  // (60000 - 20250) / 500, then the clamp
}

TEST(Fades, EachStepIsOneTimerTick) {
  FakeBars b;
  b.bars = {{0, 65536}};
  Fader f(b);
  f.FadeIn(0);
  EXPECT_TRUE(f.Step());
  EXPECT_EQ(b.bars[0].value, 500);
  EXPECT_EQ(b.device, VolumeWord(500));
  EXPECT_TRUE(f.Step());
  EXPECT_EQ(b.bars[0].value, 1000);
}

TEST(Fades, EveryStepFindsTheBarsAfreshAndEndsWithoutThem) {
  FakeBars b;
  b.bars = {{10000, 65536}};
  Fader f(b);
  f.FadeOut(10000);
  f.Step();
  b.bars = {{3000, 20000}};  // a new skin between two steps
  EXPECT_TRUE(f.Step());
  EXPECT_EQ(b.bars[0].value, 2500);
  b.bars.clear();
  EXPECT_FALSE(f.Step());
  EXPECT_FALSE(f.Fading());
}

TEST(Fades, WithoutVolumeBarsNothingChangesAndNothingRuns) {
  FakeBars b;
  Fader f(b);
  EXPECT_TRUE(f.FadeIn(100));
  EXPECT_FALSE(f.Fading());
  EXPECT_EQ(b.updates, 0);
}

TEST(Fades, CancelEndsAFade) {
  FakeBars b;
  b.bars = {{0, 65536}};
  Fader f(b);
  f.FadeIn(0);
  f.Step();
  f.Cancel();
  EXPECT_FALSE(f.Step());
  EXPECT_EQ(b.bars[0].value, 500);
}

TEST(Fades, InToTheChosenVolumeMovesEveryBar) {
  FakeBars b;
  b.bars = {{0, 65536}, {0, 65536}};
  Fader f(b);
  f.FadeIn(1200);
  RunToEnd(f);
  EXPECT_EQ(b.bars[0].value, 1200);
  EXPECT_EQ(b.bars[1].value, 1000) << "the other bars stop when the first reaches the target";
  EXPECT_EQ(b.device, VolumeWord(1200));
}

}  // namespace
}  // namespace vorne::player::playback
