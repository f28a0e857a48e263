#pragma once
// What the statistics window shows of the four usage counters, refreshed
// every two seconds, and its reset. Counters are read as numbers the way
// the options file's readers do: the leading number of the text, else 0;
// nothing here fails on a counter that holds something else. Window-free.
#include <array>
#include <string>

#include "player/core/options.h"

namespace vorne::player::commands {

// lblStat1..lblStat4: play time, songs played, runs, skins loaded.
using StatisticCaptions = std::array<std::string, 4>;

// Brings the captions up to date with the counters: the play time as
// ChangeTimeFormat of its whole seconds, the others as whole numbers. An
// empty counter is shown as 0 and set to "0". Returns a bit per caption
// that changed (1 = lblStat1, ...), so the window writes only those.
unsigned RefreshStatisticCaptions(core::Statistics& stats, StatisticCaptions& captions);

// Reset: every counter becomes "0".
void ResetStatistics(core::Statistics& stats);

// The whole-number value of a counter (Val, truncated, saturated to the
// 32-bit range).
int32_t CounterValue(const std::string& counter);

}  // namespace vorne::player::commands
