// Display templates, time texts and idle banners of the main window's
// displays. Window-free: the media control's values and the shared player
// state come in through TextSources.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "player/core/options.h"
#include "player/core/song_info.h"

namespace vorne::player::core {

// Seconds as "mm:ss" below one hour, "h:mm:ss" from one hour on; a negative
// count as "00:" followed by the count.
std::string ChangeTimeFormat(int32_t seconds);

// What MakeTextString reads of the running player.
struct TextSources {
  SongInfoRecord* CurrentSongInfo = nullptr;  // the current song; its Title may be rewritten
  std::string CurrentFile;                    // path now playing, "STREAM" for a stream
  double MediaDuration = 0;                   // seconds, as the media control reports
  double MediaPosition = 0;                   // seconds
  bool BuildingListTitles = false;
  // The media control's clip information item (8 title, 9 author, ...).
  std::function<std::string(int item)> ClipInfo;
  // Reader for named files; GetMp3Info with the player's context.
  std::function<SongInfoRecord(const std::string& path)> ReadSongInfo;
};

// Expands a display template for the current song (fileName ""), a network
// stream (fileName "STREAM") or a named file.
std::string MakeTextString(std::string_view tmpl, const std::string& fileName, bool useFileNameAsTitle,
                           TextSources& src);

// "Vorne - " & version, with the skin author when there is one, laid out for
// the scroll direction (0 left, 1 right, 2 up, 3 down).
std::string IdleBanner(int scrollDirection, std::string_view author, std::string_view version);
// True when a caption already shows a banner for this version.
bool ShowsIdleBanner(std::string_view caption, std::string_view version);

// Text of a "Time Display" label: elapsed, or "-" and the remaining time.
std::string TimeDisplayText(int16_t showRemainingTime, double duration, double position);
// One pass of the time displays over timeDisplayCount "Time Display"
// labels. Returns true when the labels are to show text (it differs from
// lastTimeText), and then adds one second to TotalPlayTime, once however
// many labels there are. lastTimeText becomes text, or "" without labels.
bool UpdateTimeText(std::string& lastTimeText, const std::string& text, int timeDisplayCount, Statistics& stats);
// A click on a time display: 0 becomes 1, any other value 0.
inline int16_t ToggleShowRemainingTime(int16_t v) { return v == 0 ? 1 : 0; }

// "Kbps Display" / "Frequency Display": Int(value / 1000) as text.
std::string ThousandsText(int32_t value);
// The playlist's total-time label text.
std::string TotalPlaytimeText(std::string_view totalPlayTime, std::string_view sessionStartPlayTime);

}  // namespace vorne::player::core
