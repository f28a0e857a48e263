#include "player/core/text_display.h"

#include <cmath>
#include <cstdio>

#include "runtime/basic/basic.h"

namespace vorne::player::core {

std::string ChangeTimeFormat(int32_t seconds) {
  char buf[48];
  if (seconds < 0) {
    std::snprintf(buf, sizeof buf, "00:%ld", static_cast<long>(seconds));
  } else if (seconds < 3600) {
    std::snprintf(buf, sizeof buf, "%02ld:%02ld", static_cast<long>(seconds / 60), static_cast<long>(seconds % 60));
  } else {
    std::snprintf(buf, sizeof buf, "%ld:%02ld:%02ld", static_cast<long>(seconds / 3600),
                  static_cast<long>(seconds % 3600 / 60), static_cast<long>(seconds % 60));
  }
  return buf;
}

namespace {

enum class Source { Current, Stream, Named };

bool At(std::string_view t, size_t i, std::string_view code) { return t.compare(i, code.size(), code) == 0 && i + code.size() <= t.size(); }

std::string Seconds(double v) { return ChangeTimeFormat(vorne::basic::CLngSat(v)); }

}  // namespace

std::string MakeTextString(std::string_view tmpl, const std::string& fileName, bool useFileNameAsTitle,
                           TextSources& src) {
  Source source = fileName.empty() ? Source::Current : fileName == "STREAM" ? Source::Stream : Source::Named;
  // A stream has no file to read; its facts come from the media control.
  SongInfoRecord named;
  if (source == Source::Named) named = src.ReadSongInfo ? src.ReadSongInfo(fileName) : GetMp3Info(fileName);
  SongInfoRecord empty;
  SongInfoRecord* rec = source == Source::Named ? &named : (src.CurrentSongInfo ? src.CurrentSongInfo : &empty);
  const std::string& titleName = source == Source::Named ? fileName : src.CurrentFile;
  auto clip = [&](int item) { return src.ClipInfo ? src.ClipInfo(item) : std::string(); };

  std::string out;
  bool fallbackDone = source == Source::Stream;
  const size_t n = tmpl.size();
  size_t i = 0;
  while (i < n) {
    if (At(tmpl, i, "%1")) {
      out += source == Source::Stream ? clip(9) : rec->Artist;
      i += 2;
      continue;
    }
    if (!fallbackDone) {
      fallbackDone = true;
      if (useFileNameAsTitle && !rec->HasTag) rec->Title = titleName;
    }
    static const char* const kFields[] = {"%2", "%3", "%4", "%5", "%6"};
    bool matched = false;
    for (int k = 0; k < 5 && !matched; ++k) {
      if (!At(tmpl, i, kFields[k])) continue;
      matched = true;
      if (source == Source::Stream) {
        static const int kItems[] = {8, 10, 11, 12, 13};
        out += clip(kItems[k]);
      } else {
        const std::string* v[] = {&rec->Title, &rec->Album, &rec->Year, &rec->Comment, &rec->Genre};
        out += *v[k];
      }
      i += 2;
    }
    if (matched) continue;
    if (source == Source::Current && At(tmpl, i, "%%")) {
      out += '%';
      i += 2;
    } else if (source == Source::Current && At(tmpl, i, "%NL")) {
      out += "\r\n";
      i += 3;
    } else if (At(tmpl, i, "%TT")) {
      if (source == Source::Named || (source == Source::Current && src.BuildingListTitles))
        out += Seconds(static_cast<double>(rec->Duration) / 1000.0);
      else
        out += Seconds(src.MediaDuration);
      i += 3;
    } else if (At(tmpl, i, "%TC")) {
      if (source != Source::Named) out += Seconds(src.MediaPosition);
      i += 3;
    } else if (At(tmpl, i, "%TR")) {
      if (source != Source::Named) out += Seconds(src.MediaDuration - src.MediaPosition);
      i += 3;
    } else if (At(tmpl, i, "%TB")) {
      out += '\t';
      i += 3;
    } else {
      out += tmpl[i];
      ++i;
    }
  }
  return out;
}

std::string IdleBanner(int scrollDirection, std::string_view author, std::string_view version) {
  std::string v = "Vorne - " + std::string(version);
  if (author.empty()) return v;
  std::string a = "Skin Author : " + std::string(author);
  switch (scrollDirection) {
    case 1: return "***  " + a + "  ***  " + v;
    case 2: return v + "\r\n" + "  ***  " + a + "  ***";
    case 3: return "***  " + a + "  ***  " + "\r\n" + v;
    default: return v + "    ***  " + a + "  ***";
  }
}

bool ShowsIdleBanner(std::string_view caption, std::string_view version) {
  return caption.find("Vorne - " + std::string(version)) != std::string_view::npos;
}

std::string TimeDisplayText(int16_t showRemainingTime, double duration, double position) {
  if (showRemainingTime == 0) return Seconds(position);
  return "-" + Seconds(duration - position);
}

bool UpdateTimeText(std::string& lastTimeText, const std::string& text, int timeDisplayCount, Statistics& stats) {
  if (timeDisplayCount <= 0) {
    lastTimeText.clear();
    return false;
  }
  bool changed = text != lastTimeText;
  if (changed) stats.TotalPlayTime = AddToStatistic(stats.TotalPlayTime, 1);
  lastTimeText = text;
  return changed;
}

std::string ThousandsText(int32_t value) {
  return std::to_string(static_cast<long long>(std::floor(static_cast<double>(value) / 1000.0)));
}

std::string TotalPlaytimeText(std::string_view totalPlayTime, std::string_view sessionStartPlayTime) {
  return "Total Playtime : " + ChangeTimeFormat(StatisticDifference(totalPlayTime, sessionStartPlayTime));
}

}  // namespace vorne::player::core
