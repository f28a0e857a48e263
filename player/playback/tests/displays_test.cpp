// The display refresh's decisions and the time displays, as tables.
#include "player/playback/displays.h"

#include <gtest/gtest.h>

#include "player/core/text_display.h"

namespace vorne::player::playback {
namespace {

const char* kV = "2.0 (build 1)";

TEST(Displays, TheIdleBannerPerDirection) {
  struct {
    int direction;
    const char* author;
    const char* banner;
  } cases[] = {
      {0, "Ann", "Vorne - 2.0 (build 1)    ***  Skin Author : Ann  ***"},
      {1, "Ann", "***  Skin Author : Ann  ***  Vorne - 2.0 (build 1)"},
      {2, "Ann", "Vorne - 2.0 (build 1)\r\n  ***  Skin Author : Ann  ***"},
      {3, "Ann", "***  Skin Author : Ann  ***  \r\nVorne - 2.0 (build 1)"},
      {1, "", "Vorne - 2.0 (build 1)"},
  };
  for (auto& c : cases) {
    EXPECT_EQ(SongInfoCaption("Waiting 3 seconds", c.direction, false, "song", c.author, kV), c.banner)
        << c.direction;
  }
}

TEST(Displays, ALabelShowingItsTextIsLeftAlone) {
  // A banner keeps scrolling, even after the direction or the author changed.
  EXPECT_EQ(SongInfoCaption("Vorne - 2.0 (build 1)    ***  Skin Author : Ann  ***", 2, false, "s", "Bob", kV),
            std::nullopt);
  EXPECT_EQ(SongInfoCaption("A - B", 0, true, "A - B", "Ann", kV), std::nullopt);
  EXPECT_EQ(SongInfoCaption("Vorne - 2.0 (build 1)", 0, true, "A - B", "Ann", kV), "A - B");
  EXPECT_EQ(SongInfoCaption("Buffering", 0, true, "A - B", "", kV), "A - B");
}

TEST(Displays, PointersAndInterval) {
  struct {
    int helpful, direction;
    std::optional<int> pointer;
  } cases[] = {{0, 0, 0}, {0, 3, 0}, {1, 0, 9}, {1, 1, 9}, {1, 2, 7}, {1, 3, 7}, {1, 4, std::nullopt}, {2, 2, 0}};
  for (auto& c : cases) EXPECT_EQ(ScrollLabelPointer(c.helpful, c.direction), c.pointer);
  EXPECT_EQ(DisplayRefreshIntervalMs(1), 1000u);
  EXPECT_EQ(DisplayRefreshIntervalMs(10), 10000u);
  EXPECT_EQ(DisplayRefreshIntervalMs(0), 0u);
}

TEST(Displays, TheTimeToggleAndThePlayTimeCountedOncePerChange) {
  EXPECT_EQ(core::ToggleShowRemainingTime(0), 1);
  EXPECT_EQ(core::ToggleShowRemainingTime(1), 0);
  EXPECT_EQ(core::ToggleShowRemainingTime(5), 0);
  EXPECT_EQ(core::TimeDisplayText(1, 250, 50), "-03:20");
  core::Statistics st;
  std::string last;
  // Two "Time Display" labels: one second per change of the shown time.
  const char* shown[] = {"00:00", "00:00", "00:01", "00:01", "00:01", "00:02", "-00:58"};
  int writes = 0;
  for (const char* t : shown) writes += core::UpdateTimeText(last, t, 2, st) ? 1 : 0;
  EXPECT_EQ(writes, 4);
  EXPECT_EQ(st.TotalPlayTime, "4");
  EXPECT_FALSE(core::UpdateTimeText(last, "00:03", 0, st)) << "without a time display nothing counts";
  EXPECT_EQ(last, "");
  EXPECT_EQ(st.TotalPlayTime, "4");
}

}  // namespace
}  // namespace vorne::player::playback
