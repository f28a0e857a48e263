#include "player/core/options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "runtime/basic/basic.h"

namespace vorne::player::core {
namespace {

namespace fs = std::filesystem;

OptionsFile Sample() {
  OptionsFile o;
  o.PlayListOnStart = 0;
  o.PriorityLevel = 3;
  o.RandomCheck = 1;
  o.RepeatCheck = 0;
  o.LoopTicked = false;
  o.SongInfoFormat = "%1, %2 - %3";
  o.TrayTipFormat = "a,b,c [%TR]";
  o.InfoRefreshSeconds = 5;
  o.PlayListFormat = "%2 (%1)";
  o.ShowRemainingTime = 1;
  o.PlayListFollows = 1;
  o.SkinPath = "C:\\Skins, old\\Blue\\blue.vsk";
  o.MainLeft = 1234.5f;
  o.MainTop = -60.0f;
  o.PlayListWindow = {std::optional<float>(100.0f), 200.5f, 3000.0f, 4000.25f};
  o.AlwaysOnTop = -2;
  o.ShowPlayList = false;
  o.LastSongIndex = -1;
  o.ShowHelpfulCursors = 1;
  o.TrayIconIndex = 3;
  o.PlayListWait = 7;
  o.ShowVideoWindow = 0;
  o.AllowMultipleInstances = 1;
  o.LastPlayListFolder = "D:\\Lists, mine\\";
  o.LastAddFolder = " E:\\Music\\";
  o.Stats = {"123456789012", "42", "7", "3"};
  o.PlayListIconIndex = 2;
  o.MediaIconIndex = 4;
  o.BufferingTime = 2.5;
  o.SnapDistance = 25;
  return o;
}

void ExpectSame(const OptionsFile& a, const OptionsFile& b) {
  EXPECT_EQ(a.PlayListOnStart, b.PlayListOnStart);
  EXPECT_EQ(a.PriorityLevel, b.PriorityLevel);
  EXPECT_EQ(a.RandomCheck, b.RandomCheck);
  EXPECT_EQ(a.RepeatCheck, b.RepeatCheck);
  EXPECT_EQ(a.LoopTicked, b.LoopTicked);
  EXPECT_EQ(a.SongInfoFormat, b.SongInfoFormat);
  EXPECT_EQ(a.TrayTipFormat, b.TrayTipFormat);
  EXPECT_EQ(a.InfoRefreshSeconds, b.InfoRefreshSeconds);
  EXPECT_EQ(a.PlayListFormat, b.PlayListFormat);
  EXPECT_EQ(a.ShowRemainingTime, b.ShowRemainingTime);
  EXPECT_EQ(a.PlayListFollows, b.PlayListFollows);
  EXPECT_EQ(a.SkinPath, b.SkinPath);
  EXPECT_EQ(a.MainLeft, b.MainLeft);
  EXPECT_EQ(a.MainTop, b.MainTop);
  EXPECT_EQ(a.PlayListWindow, b.PlayListWindow);
  EXPECT_EQ(a.AlwaysOnTop, b.AlwaysOnTop);
  EXPECT_EQ(a.ShowPlayList, b.ShowPlayList);
  EXPECT_EQ(a.LastSongIndex, b.LastSongIndex);
  EXPECT_EQ(a.ShowHelpfulCursors, b.ShowHelpfulCursors);
  EXPECT_EQ(a.TrayIconIndex, b.TrayIconIndex);
  EXPECT_EQ(a.PlayListWait, b.PlayListWait);
  EXPECT_EQ(a.ShowVideoWindow, b.ShowVideoWindow);
  EXPECT_EQ(a.AllowMultipleInstances, b.AllowMultipleInstances);
  EXPECT_EQ(a.LastPlayListFolder, b.LastPlayListFolder);
  EXPECT_EQ(a.LastAddFolder, b.LastAddFolder);
  EXPECT_EQ(a.Stats.TotalPlayTime, b.Stats.TotalPlayTime);
  EXPECT_EQ(a.Stats.TotalSongsPlayed, b.Stats.TotalSongsPlayed);
  EXPECT_EQ(a.Stats.TotalRuns, b.Stats.TotalRuns);
  EXPECT_EQ(a.Stats.TotalSkinsLoaded, b.Stats.TotalSkinsLoaded);
  EXPECT_EQ(a.PlayListIconIndex, b.PlayListIconIndex);
  EXPECT_EQ(a.MediaIconIndex, b.MediaIconIndex);
  EXPECT_EQ(a.BufferingTime, b.BufferingTime);
  EXPECT_EQ(a.SnapDistance, b.SnapDistance);
}

TEST(OptionsFile, WritesThirtySevenLinesInTheWrittenFormat) {
  std::string text = FormatOptions(Sample());
  std::vector<std::string> lines = vorne::basic::SplitLines(text);
  ASSERT_EQ(lines.size(), 37u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  const std::pair<int, const char*> expected[] = {
      {1, " 0 "}, {2, " 3 "}, {3, " 1 "}, {4, " 0 "}, {5, "False"}, {6, "%1, %2 - %3"},
      {7, "a,b,c [%TR]"}, {8, " 5 "}, {9, "%2 (%1)"}, {10, " 1 "}, {11, " 1 "},
      {12, "C:\\Skins, old\\Blue\\blue.vsk"}, {13, " 1234.5 "}, {14, "-60 "}, {15, " 100 "},
      {16, " 200.5 "}, {17, " 3000 "}, {18, " 4000.25 "}, {19, " 1 "}, {20, "-2 "},
      {21, "False"}, {22, "-1 "}, {23, " 1 "}, {24, " 3 "}, {25, " 7 "}, {26, " 0 "},
      {27, " 1 "}, {28, "D:\\Lists, mine\\"}, {29, " E:\\Music\\"}, {30, "123456789012"},
      {31, "42"}, {32, "7"}, {33, "3"}, {34, " 2 "}, {35, " 4 "}, {36, " 2.5 "}, {37, " 25 "}};
  for (const auto& [n, want] : expected) EXPECT_EQ(lines[static_cast<size_t>(n - 1)], want) << "line " << n;
}

TEST(OptionsFile, RoundTripRestoresEveryValue) {
  OptionsFile written = Sample();
  OptionsFile read;  // defaults
  ParseOptions(FormatOptions(written), read);
  ExpectSame(written, read);
  EXPECT_EQ(read.PlayListWindowRect, (std::array<int32_t, 4>{100, 200, 3000, 4000}));
  EXPECT_TRUE(read.RandomOn);
  EXPECT_FALSE(read.RepeatOn);
  EXPECT_FALSE(read.PlayListVisible);
  // The defaults too survive a round trip.
  OptionsFile defaults, back;
  back.SnapDistance = 99;
  ParseOptions(FormatOptions(defaults), back);
  ExpectSame(defaults, back);
}

// Cases of single lines changed from the written file, and what they do.
struct LineCase {
  int line;
  const char* text;
  std::function<void(const OptionsFile&)> check;
};

TEST(OptionsFile, MalformedLinesKeepTheirVariables) {
  const LineCase cases[] = {
      {1, "abc", [](const OptionsFile& o) { EXPECT_EQ(o.PlayListOnStart, 1); }},
      {2, " 40000 ", [](const OptionsFile& o) { EXPECT_EQ(o.PriorityLevel, 7); }},
      {2, "2.5", [](const OptionsFile& o) { EXPECT_EQ(o.PriorityLevel, 2); }},
      {2, "3,5", [](const OptionsFile& o) { EXPECT_EQ(o.PriorityLevel, 4); }},
      {3, " 1 ", [](const OptionsFile& o) { EXPECT_TRUE(o.RandomOn); EXPECT_EQ(o.RandomCheck, 1); }},
      {3, "", [](const OptionsFile& o) { EXPECT_FALSE(o.RandomOn); EXPECT_EQ(o.RandomCheck, 0); }},
      {3, " 2 ", [](const OptionsFile& o) { EXPECT_TRUE(o.RandomOn); EXPECT_EQ(o.RandomCheck, 2); }},
      {4, "x", [](const OptionsFile& o) { EXPECT_TRUE(o.RepeatOn); EXPECT_EQ(o.RepeatCheck, 1); }},
      {5, "tRuE", [](const OptionsFile& o) { EXPECT_TRUE(o.LoopTicked); }},
      {5, "yes", [](const OptionsFile& o) { EXPECT_FALSE(o.LoopTicked); }},
      {9, "%1, %2", [](const OptionsFile& o) { EXPECT_EQ(o.PlayListFormat, "%1, %2"); }},
      {12, "\"C:\\a,b\"", [](const OptionsFile& o) { EXPECT_EQ(o.SkinPath, "\"C:\\a,b\""); }},
      {13, "", [](const OptionsFile& o) { EXPECT_FALSE(o.MainLeft.has_value()); }},
      {13, "1234,5", [](const OptionsFile& o) { EXPECT_EQ(o.MainLeft, std::optional<float>(1234.5f)); }},
      {15, "", [](const OptionsFile& o) { EXPECT_EQ(o.PlayListWindowRect[0], 0); }},
      {16, " 2.5 ", [](const OptionsFile& o) { EXPECT_EQ(o.PlayListWindowRect[1], 2); }},
      {16, "1e30", [](const OptionsFile& o) { EXPECT_EQ(o.PlayListWindowRect[1], 2147483647); }},
      {20, "-1 ", [](const OptionsFile& o) { EXPECT_EQ(o.AlwaysOnTop, -1); }},
      {21, "-1", [](const OptionsFile& o) { EXPECT_TRUE(o.ShowPlayList); EXPECT_TRUE(o.PlayListVisible); }},
      {21, "false", [](const OptionsFile& o) { EXPECT_FALSE(o.ShowPlayList); EXPECT_FALSE(o.PlayListVisible); }},
      {22, " 3000000000 ", [](const OptionsFile& o) { EXPECT_EQ(o.LastSongIndex, 0); }},
      {36, "", [](const OptionsFile& o) { EXPECT_FALSE(o.BufferingTime.has_value()); }},
      {36, "3,25", [](const OptionsFile& o) { EXPECT_EQ(o.BufferingTime, std::optional<double>(3.25)); }},
      {37, "-5", [](const OptionsFile& o) { EXPECT_EQ(o.SnapDistance, -5); }},
  };
  OptionsFile base;
  base.RepeatCheck = 1;
  base.RepeatOn = true;
  base.RandomOn = true;
  base.LoopTicked = false;
  base.PriorityLevel = 7;
  for (const auto& c : cases) {
    // The default file with the line under test replaced by c.text.
    std::vector<std::string> lines = vorne::basic::SplitLines(FormatOptions(OptionsFile{}));
    lines[static_cast<size_t>(c.line - 1)] = c.text;
    std::string data;
    for (const auto& l : lines) data += l + "\r\n";
    OptionsFile o = base;
    ParseOptions(data, o);
    SCOPED_TRACE("line " + std::to_string(c.line) + ": \"" + c.text + "\"");
    c.check(o);
  }
}

TEST(OptionsFile, AFolderWithACommaShiftsNothing) {
  OptionsFile w = Sample();
  w.LastPlayListFolder = "C:\\a,b,c\\";
  w.LastAddFolder = "x,y";
  w.PlayListFormat = "[%TT], %1";
  OptionsFile r;
  ParseOptions(FormatOptions(w), r);
  EXPECT_EQ(r.LastPlayListFolder, "C:\\a,b,c\\");
  EXPECT_EQ(r.LastAddFolder, "x,y");
  EXPECT_EQ(r.PlayListFormat, "[%TT], %1");
  EXPECT_EQ(r.Stats.TotalPlayTime, w.Stats.TotalPlayTime);
  EXPECT_EQ(r.SnapDistance, w.SnapDistance);
}

TEST(OptionsFile, TruncatedFilesReadOnlyTheirLines) {
  std::string full = FormatOptions(Sample());
  std::vector<std::string> lines = vorne::basic::SplitLines(full);
  for (size_t keep : {0u, 1u, 8u, 12u, 20u, 36u}) {
    std::string data;
    for (size_t i = 0; i < keep; ++i) data += lines[i] + "\r\n";
    // A cut in the middle of the next line, without its line end.
    if (keep < lines.size()) data += vorne::basic::Left(lines[keep], 2);
    OptionsFile o;
    ParseOptions(data, o);
    SCOPED_TRACE(keep);
    if (keep >= 12) {
      EXPECT_EQ(o.SkinPath, Sample().SkinPath);
    }
    if (keep < 36) {
      EXPECT_EQ(o.SnapDistance, 10);
    }
    if (keep < 30) {
      EXPECT_EQ(o.Stats.TotalPlayTime, "0");
    }
    if (keep == 0) {
      EXPECT_EQ(o.PlayListOnStart, 0);  // " 0" of the cut first line
    }
  }
  // Lone CR line ends read as well as CR LF.
  std::string cr = full;
  std::string out;
  for (char c : cr)
    if (c != '\n') out += c;
  OptionsFile o;
  ParseOptions(out, o);
  ExpectSame(Sample(), o);
}

TEST(OptionsFile, FirstRunAndSaveThroughFiles) {
  fs::path dir = fs::temp_directory_path() / "vorne_options_test";
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::string path = (dir / "Vorne.ini").string();
  OptionsFile o;
  o.InfoRefreshSeconds = 9;
  o.RandomOn = true;
  EXPECT_EQ(LoadOptionsFile(path, o), LoadOutcome::FirstRun);
  EXPECT_EQ(o.InfoRefreshSeconds, 1);
  EXPECT_FALSE(o.RandomOn);
  EXPECT_TRUE(o.LoopTicked);
  EXPECT_EQ(o.TrayIconIndex, 6);

  ASSERT_TRUE(SaveOptionsFile(path, Sample()));
  OptionsFile r;
  EXPECT_EQ(LoadOptionsFile(path, r), LoadOutcome::Loaded);
  ExpectSame(Sample(), r);
  // A failed save (the temporary file cannot be made) keeps the old file.
  fs::create_directories(path + ".tmp");
  EXPECT_FALSE(SaveOptionsFile(path, OptionsFile{}));
  OptionsFile again;
  EXPECT_EQ(LoadOptionsFile(path, again), LoadOutcome::Loaded);
  ExpectSame(Sample(), again);
  fs::remove_all(dir);
}

TEST(OptionsFile, FileNameAndRefreshInterval) {
  EXPECT_EQ(OptionsFileName("C:\\Vorne"), "C:\\Vorne\\Vorne.ini");
  EXPECT_EQ(OptionsFileName("C:\\Vorne\\"), "C:\\Vorne\\Vorne.ini");
  EXPECT_EQ(RefreshIntervalMs(1), std::optional<int32_t>(1000));
  EXPECT_EQ(RefreshIntervalMs(0), std::optional<int32_t>(0));
  EXPECT_EQ(RefreshIntervalMs(32), std::optional<int32_t>(32000));
  EXPECT_EQ(RefreshIntervalMs(33), std::nullopt);
  EXPECT_EQ(RefreshIntervalMs(-1), std::nullopt);
}

TEST(Statistics, IncreaseAndDifferenceNeverFail) {
  EXPECT_EQ(AddToStatistic("41", 1), "42");
  EXPECT_EQ(AddToStatistic("", 1), "1");
  EXPECT_EQ(AddToStatistic("garbage", 5), "5");
  EXPECT_EQ(AddToStatistic("0", 0), "0");
  EXPECT_EQ(AddToStatistic("99999999999", 1), "100000000000");
  EXPECT_EQ(AddToStatistic("1e300", 1), "9007199254740992");
  EXPECT_EQ(StatisticDifference("100", "40"), 60);
  EXPECT_EQ(StatisticDifference("0", "40"), -40);
  EXPECT_EQ(StatisticDifference("99999999999999", "0"), 2147483647);
}

}  // namespace
}  // namespace vorne::player::core
