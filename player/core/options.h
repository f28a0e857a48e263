// The player's options and usage statistics, and their file Vorne.ini:
// 37 values, one per line, known by line number. Window-free: the window
// code copies window and control properties in and out of OptionsFile.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorne::player::core {

// Usage statistics, each the decimal text of a whole number.
struct Statistics {
  std::string TotalPlayTime = "0";  // seconds
  std::string TotalSongsPlayed = "0";
  std::string TotalRuns = "0";
  std::string TotalSkinsLoaded = "0";
};

// Decimal text of Val(text) + amount, as a whole number; never fails, and a
// value beyond what a double holds as a whole number saturates.
std::string AddToStatistic(std::string_view text, double amount);
// Val(total) - Val(start) as whole seconds for the time display,
// saturated to the 32-bit range.
int32_t StatisticDifference(std::string_view total, std::string_view start);

// Every value of Vorne.ini, in file order. The defaults are those the main
// window sets before the file is read.
struct OptionsFile {
  int16_t PlayListOnStart = 1;                                 // 1
  int16_t PriorityLevel = 2;                                   // 2
  int16_t RandomCheck = 0;  // value of the hidden random check box  // 3
  int16_t RepeatCheck = 0;  // value of the hidden repeat check box  // 4
  bool LoopTicked = true;   // "Play List Advances"             // 5
  std::string SongInfoFormat = "%1 - %2%NL%3     %4%NL%6     %5";  // 6
  std::string TrayTipFormat = "%1 - %2  [%TR]";                // 7
  int16_t InfoRefreshSeconds = 1;                              // 8
  std::string PlayListFormat = "[%TT]%TB%1 - %2";              // 9
  int16_t ShowRemainingTime = 0;                               // 10
  int16_t PlayListFollows = 0;                                 // 11 and 19
  std::string SkinPath;                                        // 12
  // Main window edges in twips; empty means "keep the design position".
  std::optional<float> MainLeft;                               // 13
  std::optional<float> MainTop;                                // 14
  // Playlist window left, top, width, height in twips as saved...
  std::array<std::optional<float>, 4> PlayListWindow;          // 15..18
  // ...and as read back, rounded to whole twips, for the playlist's load.
  std::array<int32_t, 4> PlayListWindowRect{};
  int16_t AlwaysOnTop = 0;                                     // 20
  bool ShowPlayList = true;                                    // 21
  bool PlayListVisible = true;  // follows line 21 on reading
  int32_t LastSongIndex = 0;                                   // 22
  int16_t ShowHelpfulCursors = 0;                              // 23
  int16_t TrayIconIndex = 6;                                   // 24
  int16_t PlayListWait = 0;                                    // 25
  int16_t ShowVideoWindow = 1;                                 // 26
  int16_t AllowMultipleInstances = 0;                          // 27
  std::string LastPlayListFolder;                              // 28
  std::string LastAddFolder;                                   // 29
  Statistics Stats;                                            // 30..33
  int16_t PlayListIconIndex = 0;                               // 34
  int16_t MediaIconIndex = 0;                                  // 35
  std::optional<double> BufferingTime;  // seconds; empty: keep the control's  // 36
  int32_t SnapDistance = 10;                                   // 37

  // Mirrors of the check boxes: line 3/4 value 1 sets, 0 clears, others keep.
  bool RandomOn = false;
  bool RepeatOn = false;
};

constexpr int kOptionsLineCount = 37;

// The file name: folder, a "\" when the folder does not end with one, and
// "Vorne.ini".
std::string OptionsFileName(std::string_view programFolder);

// The text SaveOptions writes: 37 lines, each ending in CR LF.
std::string FormatOptions(const OptionsFile& o);

// Applies the lines of an options file to o. Lines that are missing,
// malformed or out of range for their variable leave it as it was. String
// lines are taken whole (commas included).
void ParseOptions(std::string_view data, OptionsFile& o);

enum class LoadOutcome {
  Loaded,      // the file was read
  FirstRun,    // no file: the caller puts the demo song in the playlist
  Unreadable,  // a file exists but could not be read
};

// LoadOptions without the windows: reads the file into o. Without a
// readable file the values read as an empty file would give: the check
// boxes 0, random and repeat off, and the refresh 1 second.
LoadOutcome LoadOptionsFile(const std::string& path, OptionsFile& o);
// SaveOptions without the windows: writes the file through a temporary
// file, so the old file survives a failed save. Returns success.
bool SaveOptionsFile(const std::string& path, const OptionsFile& o);

// Interval for the display refresh timer from InfoRefreshSeconds, or
// nothing when it is out of the timer's range (the timer keeps its interval).
std::optional<int32_t> RefreshIntervalMs(int16_t infoRefreshSeconds);

}  // namespace vorne::player::core
