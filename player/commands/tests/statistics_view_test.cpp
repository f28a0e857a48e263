#include "player/commands/statistics_view.h"

#include <gtest/gtest.h>

namespace vorne::player::commands {
namespace {

TEST(StatisticsView, CaptionsFollowTheCountersReadAsNumbers) {
    core::Statistics s;
    s.TotalPlayTime = "3725";
    s.TotalSongsPlayed = "12";
    s.TotalRuns = "7";
    s.TotalSkinsLoaded = "3";
    StatisticCaptions c{"0", "0", "0", "0"};
    EXPECT_EQ(RefreshStatisticCaptions(s, c), 0xFu);
    EXPECT_EQ(c, (StatisticCaptions{"1:02:05", "12", "7", "3"}));
    // Nothing changed: nothing is written.
    EXPECT_EQ(RefreshStatisticCaptions(s, c), 0u);
    s.TotalRuns = "8";
    EXPECT_EQ(RefreshStatisticCaptions(s, c), 0x4u);
    EXPECT_EQ(c[2], "8");
}

TEST(StatisticsView, EmptyOrOddCountersNeverFail) {
    core::Statistics s;
    s.TotalPlayTime = "";
    s.TotalSongsPlayed = "";
    s.TotalRuns = "12abc";
    s.TotalSkinsLoaded = "junk";
    StatisticCaptions c{"0", "0", "0", "0"};
    RefreshStatisticCaptions(s, c);
    EXPECT_EQ(c, (StatisticCaptions{"00:00", "0", "12", "0"}));
    // Empty counters are set to "0"; others keep their text.
    EXPECT_EQ(s.TotalPlayTime, "0");
    EXPECT_EQ(s.TotalSongsPlayed, "0");
    EXPECT_EQ(s.TotalRuns, "12abc");
    EXPECT_EQ(CounterValue("1e300"), INT32_MAX);
    EXPECT_EQ(CounterValue("-1e300"), INT32_MIN);
    EXPECT_EQ(CounterValue("  42.9"), 42);
}

TEST(StatisticsView, ResetSetsEveryCounterToZero) {
    core::Statistics s{"100", "2", "3", "4"};
    ResetStatistics(s);
    StatisticCaptions c{"01:40", "2", "3", "4"};
    EXPECT_EQ(RefreshStatisticCaptions(s, c), 0xFu);
    EXPECT_EQ(c, (StatisticCaptions{"00:00", "0", "0", "0"}));
    EXPECT_EQ(s.TotalPlayTime, "0");
    EXPECT_EQ(s.TotalSkinsLoaded, "0");
}

}  // namespace
}  // namespace vorne::player::commands
