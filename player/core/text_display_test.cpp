#include "player/core/text_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vorne::player::core {
namespace {

TEST(ChangeTimeFormat, Cases) {
  const std::pair<int32_t, const char*> cases[] = {
      {0, "00:00"},      {59, "00:59"},       {61, "01:01"},        {307, "05:07"},
      {3599, "59:59"},   {3600, "1:00:00"},   {3725, "1:02:05"},    {360000, "100:00:00"},
      {-5, "00:-5"},     {-42, "00:-42"},     {-3700, "00:-3700"},
      {2147483647, "596523:14:07"}, {std::numeric_limits<int32_t>::min(), "00:-2147483648"}};
  for (const auto& [s, want] : cases) EXPECT_EQ(ChangeTimeFormat(s), want) << s;
}

struct Fixture {
  SongInfoRecord current;
  SongInfoRecord named;
  TextSources src;
  std::vector<std::string> reads;
  Fixture() {
    current.HasTag = true;
    current.Artist = "Art";
    current.Title = "Tit";
    current.Album = "Alb";
    current.Year = "2001";
    current.Comment = "Com";
    current.Genre = "Rock";
    current.Duration = 125500;
    named.HasTag = true;
    named.Artist = "NArt";
    named.Title = "NTit";
    named.Duration = 61000;
    src.CurrentSongInfo = &current;
    src.CurrentFile = "C:\\cur.mp3";
    src.MediaDuration = 200.5;
    src.MediaPosition = 10.4;
    src.ClipInfo = [](int item) { return "<" + std::to_string(item) + ">"; };
    src.ReadSongInfo = [this](const std::string& p) { reads.push_back(p); return named; };
  }
};

struct TemplateCase {
  const char* tmpl;
  const char* current;
  const char* named;
  const char* stream;
};

TEST(MakeTextString, CodesBySource) {
  const TemplateCase cases[] = {
      {"", "", "", ""},
      {"%1 - %2", "Art - Tit", "NArt - NTit", "<9> - <8>"},
      {"%3|%4|%5|%6", "Alb|2001|Com|Rock", "|||", "<10>|<11>|<12>|<13>"},
      {"100%%", "100%", "100%%", "100%%"},
      {"%1%NL%2", "Art\r\nTit", "NArt%NLNTit", "<9>%NL<8>"},
      {"[%TT]", "[03:20]", "[01:01]", "[03:20]"},
      {"%TC/%TR", "00:10/03:10", "/", "00:10/03:10"},
      {"a%TBb", "a\tb", "a\tb", "a\tb"},
      {"%", "%", "%", "%"},
      {"x%", "x%", "x%", "x%"},
      {"%T", "%T", "%T", "%T"},
      {"%N", "%N", "%N", "%N"},
      {"%TX %7 %tt %nl", "%TX %7 %tt %nl", "%TX %7 %tt %nl", "%TX %7 %tt %nl"},
      {"%%1", "%1", "%NArt", "%<9>"},
      {"%%%", "%%", "%%%", "%%%"},
      {"%1%1", "ArtArt", "NArtNArt", "<9><9>"},
  };
  for (const auto& c : cases) {
    Fixture f;
    EXPECT_EQ(MakeTextString(c.tmpl, "", false, f.src), c.current) << "current: " << c.tmpl;
    EXPECT_EQ(MakeTextString(c.tmpl, "C:\\n.mp3", false, f.src), c.named) << "named: " << c.tmpl;
    EXPECT_EQ(MakeTextString(c.tmpl, "STREAM", false, f.src), c.stream) << "stream: " << c.tmpl;
    EXPECT_EQ(f.reads, std::vector<std::string>{"C:\\n.mp3"});
  }
}

TEST(MakeTextString, TotalTimeWhileBuildingTitlesComesFromTheRecord) {
  Fixture f;
  f.src.BuildingListTitles = true;
  EXPECT_EQ(MakeTextString("%TT", "", false, f.src), "02:06");  // 125.5 s rounds to even
  f.current.Duration = 124500;
  EXPECT_EQ(MakeTextString("%TT", "", false, f.src), "02:04");
}

TEST(MakeTextString, HugeOrNanTimesSaturate) {
  Fixture f;
  f.src.MediaDuration = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(MakeTextString("%TT", "STREAM", false, f.src), "00:00");
  f.src.MediaDuration = 1e300;
  f.src.MediaPosition = 0;
  EXPECT_EQ(MakeTextString("%TT|%TR", "", false, f.src), "596523:14:07|596523:14:07");
  f.src.MediaDuration = INFINITY;
  EXPECT_EQ(MakeTextString("%TT", "", false, f.src), "596523:14:07");
}

TEST(MakeTextString, TitleFallbackForUntaggedFiles) {
  Fixture f;
  f.named.HasTag = false;
  f.named.Title = "";
  EXPECT_EQ(MakeTextString("%2", "C:\\n.mp3", true, f.src), "C:\\n.mp3");
  EXPECT_EQ(MakeTextString("%2", "C:\\n.mp3", false, f.src), "");
  // The current song's record itself is rewritten, where others see it.
  f.current.HasTag = false;
  f.current.Title = "";
  EXPECT_EQ(MakeTextString("%1", "", true, f.src), "Art");
  EXPECT_EQ(f.current.Title, "");  // only %1 codes: no fallback
  EXPECT_EQ(MakeTextString("", "", true, f.src), "");
  EXPECT_EQ(f.current.Title, "");
  EXPECT_EQ(MakeTextString("%1 %2", "", true, f.src), "Art C:\\cur.mp3");
  EXPECT_EQ(f.current.Title, "C:\\cur.mp3");
  // A tagged record keeps its title; a stream has no fallback.
  Fixture g;
  EXPECT_EQ(MakeTextString("%2", "", true, g.src), "Tit");
  g.current.HasTag = false;
  EXPECT_EQ(MakeTextString("%2", "STREAM", true, g.src), "<8>");
  EXPECT_EQ(g.current.Title, "Tit");
}

TEST(IdleBanner, ByScrollDirection) {
  const std::pair<int, const char*> cases[] = {
      {0, "Vorne - 2.0 (build 1)    ***  Skin Author : Ann  ***"},
      {1, "***  Skin Author : Ann  ***  Vorne - 2.0 (build 1)"},
      {2, "Vorne - 2.0 (build 1)\r\n  ***  Skin Author : Ann  ***"},
      {3, "***  Skin Author : Ann  ***  \r\nVorne - 2.0 (build 1)"},
      {7, "Vorne - 2.0 (build 1)    ***  Skin Author : Ann  ***"}};
  for (const auto& [d, want] : cases) {
    EXPECT_EQ(IdleBanner(d, "Ann", "2.0 (build 1)"), want) << d;
    EXPECT_TRUE(ShowsIdleBanner(want, "2.0 (build 1)"));
  }
  EXPECT_EQ(IdleBanner(1, "", "2.0 (build 1)"), "Vorne - 2.0 (build 1)");
  EXPECT_FALSE(ShowsIdleBanner("Waiting 5 seconds", "2.0 (build 1)"));
  EXPECT_FALSE(ShowsIdleBanner("vorne - 2.0 (build 1)", "2.0 (build 1)"));
}

TEST(TimeTexts, PlayTimeAdvancesOncePerChangedText) {
  Statistics st;
  st.TotalPlayTime = "10";
  std::string last;
  struct Step { const char* text; int labels; bool changed; const char* total; const char* last; };
  const Step steps[] = {{"00:01", 2, true, "11", "00:01"}, {"00:01", 2, false, "11", "00:01"},
                        {"00:02", 1, true, "12", "00:02"}, {"-03:20", 3, true, "13", "-03:20"},
                        {"00:03", 0, false, "13", ""},     {"00:03", 1, true, "14", "00:03"}};
  for (const auto& s : steps) {
    EXPECT_EQ(UpdateTimeText(last, s.text, s.labels, st), s.changed) << s.text;
    EXPECT_EQ(st.TotalPlayTime, s.total);
    EXPECT_EQ(last, s.last);
  }
  EXPECT_EQ(ToggleShowRemainingTime(0), 1);
  EXPECT_EQ(ToggleShowRemainingTime(1), 0);
  EXPECT_EQ(ToggleShowRemainingTime(-1), 0);
}

TEST(TimeTexts, LabelsAndTotals) {
  EXPECT_EQ(TimeDisplayText(0, 300, 61.5), "01:02");
  EXPECT_EQ(TimeDisplayText(1, 300, 100), "-03:20");
  EXPECT_EQ(ThousandsText(128000), "128");
  EXPECT_EQ(ThousandsText(44100), "44");
  EXPECT_EQ(ThousandsText(999), "0");
  EXPECT_EQ(TotalPlaytimeText("3725", "0"), "Total Playtime : 1:02:05");
  EXPECT_EQ(TotalPlaytimeText("0", "5"), "Total Playtime : 00:-5");
  EXPECT_EQ(TotalPlaytimeText("1e30", "0"), "Total Playtime : 596523:14:07");
}

}  // namespace
}  // namespace vorne::player::core
