#include "player/playback/displays.h"

#include "player/core/text_display.h"

namespace vorne::player::playback {

std::optional<std::string> SongInfoCaption(std::string_view caption, int scrollDirection, bool playbackActive,
                                           std::string_view songText, std::string_view author,
                                           std::string_view version) {
  if (!playbackActive) {
    if (core::ShowsIdleBanner(caption, version)) return std::nullopt;
    return core::IdleBanner(scrollDirection, author, version);
  }
  if (caption == songText) return std::nullopt;
  return std::string(songText);
}

std::optional<int> ScrollLabelPointer(int showHelpfulCursors, int scrollDirection) {
  if (showHelpfulCursors != 1) return 0;
  if (scrollDirection == 0 || scrollDirection == 1) return 9;
  if (scrollDirection == 2 || scrollDirection == 3) return 7;
  return std::nullopt;
}

unsigned DisplayRefreshIntervalMs(int infoRefreshSeconds) {
  return infoRefreshSeconds > 0 ? static_cast<unsigned>(infoRefreshSeconds) * 1000u : 0u;
}

}  // namespace vorne::player::playback
