#include "player/commands/statistics_view.h"

#include <cmath>
#include <limits>

#include "player/core/text_display.h"
#include "runtime/basic/basic.h"

namespace vorne::player::commands {

int32_t CounterValue(const std::string& counter) {
    const double v = vorne::basic::Val(counter);
    if (std::isnan(v)) return 0;
    const double t = std::trunc(v);
    if (t >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    if (t <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(t);
}

unsigned RefreshStatisticCaptions(core::Statistics& stats, StatisticCaptions& captions) {
    unsigned changed = 0;
    auto put = [&](size_t i, std::string text) {
        if (captions[i] != text) {
            captions[i] = std::move(text);
            changed |= 1u << i;
        }
    };
    if (stats.TotalPlayTime.empty()) stats.TotalPlayTime = "0";
    put(0, core::ChangeTimeFormat(CounterValue(stats.TotalPlayTime)));
    std::string* counters[3] = {&stats.TotalSongsPlayed, &stats.TotalRuns, &stats.TotalSkinsLoaded};
    for (size_t i = 0; i < 3; ++i) {
        std::string& c = *counters[i];
        if (c.empty()) c = "0";
        put(i + 1, std::to_string(CounterValue(c)));
    }
    return changed;
}

void ResetStatistics(core::Statistics& stats) {
    stats.TotalPlayTime = "0";
    stats.TotalSongsPlayed = "0";
    stats.TotalRuns = "0";
    stats.TotalSkinsLoaded = "0";
}

}  // namespace vorne::player::commands
