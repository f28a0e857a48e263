#include "player/core/options.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "runtime/basic/basic.h"

namespace vorne::player::core {

std::string AddToStatistic(std::string_view text, double amount) {
  double v = vorne::basic::Val(text) + amount;
  if (std::isnan(v)) v = 0;
  // Whole numbers up to 2^53 are exact; beyond that the text saturates.
  const double kMax = 9007199254740992.0;
  if (v > kMax) v = kMax;
  if (v < -kMax) v = -kMax;
  v = vorne::basic::RoundHalfEven(v);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.0f", v);
  std::string s = buf;
  if (s == "-0") s = "0";
  return s;
}

int32_t StatisticDifference(std::string_view total, std::string_view start) {
  return vorne::basic::CLngSat(vorne::basic::Val(total) - vorne::basic::Val(start));
}

std::string OptionsFileName(std::string_view programFolder) {
  std::string name(programFolder);
  if (name.empty() || name.back() != '\\') name += '\\';
  return name + "Vorne.ini";
}

namespace {

std::string Num(double v) { return vorne::basic::PrintNumber(v); }
std::string Single(const std::optional<float>& v) { return v ? vorne::basic::PrintSingle(*v) : std::string(); }

template <typename T>
void ReadInt(const std::string& line, T& target);

template <>
void ReadInt<int16_t>(const std::string& line, int16_t& target) {
  if (auto v = vorne::basic::ParseIntegerField(line)) target = *v;
}

template <>
void ReadInt<int32_t>(const std::string& line, int32_t& target) {
  if (auto v = vorne::basic::ParseLongField(line)) target = *v;
}

// A free field holding a check box value: empty counts as 0, a number that
// fits is taken, anything else is skipped.
void ReadCheck(const std::string& line, int16_t& check, bool& mirror) {
  int16_t v;
  if (vorne::basic::Trim(line).empty()) {
    v = 0;
  } else if (auto n = vorne::basic::ParseIntegerField(line)) {
    v = *n;
  } else {
    return;
  }
  check = v;
  if (v == 1) mirror = true;
  if (v == 0) mirror = false;
}

std::optional<float> ReadSingle(const std::string& line) {
  auto v = vorne::basic::ParseNumberField(line);
  if (!v || std::fabs(*v) > 3.4e38) return std::nullopt;
  return static_cast<float>(*v);
}

}  // namespace

std::string FormatOptions(const OptionsFile& o) {
  std::vector<std::string> l;
  l.reserve(kOptionsLineCount);
  l.push_back(Num(o.PlayListOnStart));
  l.push_back(Num(o.PriorityLevel));
  l.push_back(Num(o.RandomCheck));
  l.push_back(Num(o.RepeatCheck));
  l.push_back(vorne::basic::PrintBoolean(o.LoopTicked));
  l.push_back(o.SongInfoFormat);
  l.push_back(o.TrayTipFormat);
  l.push_back(Num(o.InfoRefreshSeconds));
  l.push_back(o.PlayListFormat);
  l.push_back(Num(o.ShowRemainingTime));
  l.push_back(Num(o.PlayListFollows));
  l.push_back(o.SkinPath);
  l.push_back(Single(o.MainLeft));
  l.push_back(Single(o.MainTop));
  for (const auto& v : o.PlayListWindow) l.push_back(Single(v));
  l.push_back(Num(o.PlayListFollows));
  l.push_back(Num(o.AlwaysOnTop));
  l.push_back(vorne::basic::PrintBoolean(o.ShowPlayList));
  l.push_back(Num(o.LastSongIndex));
  l.push_back(Num(o.ShowHelpfulCursors));
  l.push_back(Num(o.TrayIconIndex));
  l.push_back(Num(o.PlayListWait));
  l.push_back(Num(o.ShowVideoWindow));
  l.push_back(Num(o.AllowMultipleInstances));
  l.push_back(o.LastPlayListFolder);
  l.push_back(o.LastAddFolder);
  l.push_back(o.Stats.TotalPlayTime);
  l.push_back(o.Stats.TotalSongsPlayed);
  l.push_back(o.Stats.TotalRuns);
  l.push_back(o.Stats.TotalSkinsLoaded);
  l.push_back(Num(o.PlayListIconIndex));
  l.push_back(Num(o.MediaIconIndex));
  l.push_back(o.BufferingTime ? Num(*o.BufferingTime) : std::string());
  l.push_back(Num(o.SnapDistance));
  std::string out;
  for (const auto& s : l) {
    // A string value cannot carry a line break without shifting every later
    // line; such characters are written as blanks.
    std::string line = s;
    for (char& c : line)
      if (c == '\r' || c == '\n') c = ' ';
    out += line;
    out += "\r\n";
  }
  return out;
}

void ParseOptions(std::string_view data, OptionsFile& o) {
  std::vector<std::string> lines = vorne::basic::SplitLines(data);
  auto line = [&](int n) -> const std::string* {
    return n <= static_cast<int>(lines.size()) ? &lines[static_cast<size_t>(n - 1)] : nullptr;
  };
  const std::string* s;
  if ((s = line(1))) ReadInt(*s, o.PlayListOnStart);
  if ((s = line(2))) ReadInt(*s, o.PriorityLevel);
  if ((s = line(3))) ReadCheck(*s, o.RandomCheck, o.RandomOn);
  if ((s = line(4))) ReadCheck(*s, o.RepeatCheck, o.RepeatOn);
  if ((s = line(5))) {
    if (auto b = vorne::basic::ParseBooleanField(*s)) o.LoopTicked = *b;
  }
  if ((s = line(6))) o.SongInfoFormat = *s;
  if ((s = line(7))) o.TrayTipFormat = *s;
  if ((s = line(8))) ReadInt(*s, o.InfoRefreshSeconds);
  if ((s = line(9))) o.PlayListFormat = *s;
  if ((s = line(10))) ReadInt(*s, o.ShowRemainingTime);
  if ((s = line(11))) ReadInt(*s, o.PlayListFollows);
  if ((s = line(12))) o.SkinPath = *s;
  if ((s = line(13))) o.MainLeft = ReadSingle(*s);
  if ((s = line(14))) o.MainTop = ReadSingle(*s);
  for (int k = 0; k < 4; ++k) {
    if ((s = line(15 + k))) {
      auto v = ReadSingle(*s);
      if (v) {
        o.PlayListWindow[static_cast<size_t>(k)] = v;
        o.PlayListWindowRect[static_cast<size_t>(k)] = vorne::basic::CLngSat(*v);
      }
    }
  }
  if ((s = line(19))) ReadInt(*s, o.PlayListFollows);
  if ((s = line(20))) ReadInt(*s, o.AlwaysOnTop);
  if ((s = line(21))) {
    if (auto b = vorne::basic::ParseBooleanField(*s)) o.ShowPlayList = o.PlayListVisible = *b;
  }
  if ((s = line(22))) ReadInt(*s, o.LastSongIndex);
  if ((s = line(23))) ReadInt(*s, o.ShowHelpfulCursors);
  if ((s = line(24))) ReadInt(*s, o.TrayIconIndex);
  if ((s = line(25))) ReadInt(*s, o.PlayListWait);
  if ((s = line(26))) ReadInt(*s, o.ShowVideoWindow);
  if ((s = line(27))) ReadInt(*s, o.AllowMultipleInstances);
  if ((s = line(28))) o.LastPlayListFolder = *s;
  if ((s = line(29))) o.LastAddFolder = *s;
  std::string* stats[] = {&o.Stats.TotalPlayTime, &o.Stats.TotalSongsPlayed, &o.Stats.TotalRuns,
                          &o.Stats.TotalSkinsLoaded};
  for (int k = 0; k < 4; ++k)
    if ((s = line(30 + k))) *stats[k] = *s;
  if ((s = line(34))) ReadInt(*s, o.PlayListIconIndex);
  if ((s = line(35))) ReadInt(*s, o.MediaIconIndex);
  if ((s = line(36))) {
    if (auto v = vorne::basic::ParseNumberField(*s)) o.BufferingTime = *v;
  }
  if ((s = line(37))) ReadInt(*s, o.SnapDistance);
}

LoadOutcome LoadOptionsFile(const std::string& path, OptionsFile& o) {
  bool exists = vorne::basic::FileExists(path);
  std::optional<std::string> data = exists ? vorne::basic::ReadWholeFile(path) : std::nullopt;
  if (!data) {
    // As if every read had failed on a file that was never opened.
    o.RandomCheck = 0;
    o.RepeatCheck = 0;
    o.RandomOn = false;
    o.RepeatOn = false;
    o.InfoRefreshSeconds = 1;
    return exists ? LoadOutcome::Unreadable : LoadOutcome::FirstRun;
  }
  ParseOptions(*data, o);
  return LoadOutcome::Loaded;
}

bool SaveOptionsFile(const std::string& path, const OptionsFile& o) {
  return vorne::basic::WriteFileAtomic(path, FormatOptions(o));
}

std::optional<int32_t> RefreshIntervalMs(int16_t infoRefreshSeconds) {
  int32_t ms = static_cast<int32_t>(infoRefreshSeconds) * 1000;
  if (ms < 0 || ms > 32767) return std::nullopt;
  return ms;
}

}  // namespace vorne::player::core
