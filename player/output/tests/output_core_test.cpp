#include "player/output/output_core.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vorne::player::output {
namespace {

class FakeHost : public OutputHost {
 public:
  std::vector<std::string> paths;
  std::map<std::string, SongFacts> songs;
  int selected = 0;
  bool playbackActive = true;
  int stops = 0;
  double duration = 0, position = 0;
  std::vector<bool> onTop;
  std::vector<std::string> messages;

  int TitleCount() override { return static_cast<int>(paths.size()); }
  int SelectedIndex() override { return selected; }
  std::string TitlePath(int i) override { return paths.at(static_cast<size_t>(i)); }
  SongFacts ReadSong(const std::string& p) override {
    auto it = songs.find(p);
    return it == songs.end() ? SongFacts{} : it->second;
  }
  void ClearPlaybackActive() override { playbackActive = false; }
  void StopMainPlayer() override { ++stops; }
  double MainDuration() override { return duration; }
  double MainPosition() override { return position; }
  void SetOnTop(bool user) override { onTop.push_back(user); }
  void Message(const std::string& t) override { messages.push_back(t); }
};

class FakeDecoder : public OutputDecoder {
 public:
  std::vector<std::pair<std::string, std::string>> opened;
  std::vector<std::string> failing;  // sources that do not open
  int starts = 0, stops = 0;
  std::vector<long> seeks;
  long length = 0;
  long Open(const std::string& s, const std::string& t) override {
    opened.emplace_back(s, t);
    for (const auto& f : failing)
      if (f == s) return 4;
    return 0;
  }
  void Start() override { ++starts; }
  void Seek(long p) override { seeks.push_back(p); }
  void Stop() override { ++stops; }
  long Length() override { return length; }
};

class OutputCoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.paths = {"C:\\m\\a.mp3", "C:\\m\\b.mp3", "C:\\m\\c.mp3"};
    host.songs["C:\\m\\a.mp3"] = {true, "Band", "Song"};
    host.songs["C:\\m\\b.mp3"] = {true, "Band", "Other"};
    host.songs["C:\\m\\c.mp3"] = {true, "Solo", "Last"};
    core.Load("C:\\Vorne");
  }
  FakeHost host;
  FakeDecoder dec;
  OutputCore core{host, dec};
};

TEST(TargetNames, TagTextIsMadeSafeAndUntaggedSongsUseTheirFileName) {
  struct Case {
    OutputHost::SongFacts facts;
    std::string source, name;
  };
  const Case cases[] = {
      {{true, "Band", "Song"}, "x.mp3", "[Band] - Song.wav"},
      {{true, "", ""}, "x.mp3", "[] - .wav"},
      {{true, "AC/DC", "What? \"Now\" <1|2> a:b*c\\d"}, "x.mp3", "[AC_DC] - What_ _Now_ _1_2_ a_b_c_d.wav"},
      {{true, "Tab\there", "Dots... "}, "x.mp3", "[Tab_here] - Dots.wav"},
      {{true, "Caf\xe9", "\x92Tis"}, "x.mp3", "[Caf\xe9] - \x92Tis.wav"},
      {{false, "", ""}, "C:\\Music\\My Song.mp3", "My Song.wav"},
      {{false, "", ""}, "D:/x/y.z/track.02.mp3", "track.02.wav"},
      {{false, "", ""}, "C:\\m\\con.mp3", "_con.wav"},
      {{false, "", ""}, "C:\\m\\....mp3", "_.wav"},
  };
  for (const Case& c : cases) EXPECT_EQ(TargetFileName(c.facts, c.source), c.name) << c.source;
}

// Shift-JIS: 0x81..0x9F and 0xE0..0xFC begin a two-byte character whose
// second byte may be 0x5C ("\\") or 0x7C ("|").
bool ShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

TEST(TargetNames, TwoByteCharactersStayWhole) {
  // "ソ" is 0x83 0x5C, "表" is 0x95 0x5C.
  const OutputHost::SongFacts kanji{true, "\x95\x5C", "\x83\x5C|x"};
  EXPECT_EQ(TargetFileName(kanji, "x.mp3", ShiftJisLead), "[\x95\x5C] - \x83\x5C_x.wav");
  EXPECT_EQ(TargetFileName(kanji, "x.mp3"), "[\x95_] - \x83__x.wav");  // a single-byte page
  EXPECT_EQ(TargetFileName({}, "C:\\\x95\x5C\\\x83\x5C.mp3", ShiftJisLead), "\x83\x5C.wav");
}

TEST_F(OutputCoreTest, LoadAndFolderChoice) {
  EXPECT_EQ(core.Shown().path, "C:\\Vorne\\");
  EXPECT_TRUE(core.Shown().startEnabled);
  EXPECT_FALSE(core.Shown().stopEnabled);
  EXPECT_FALSE(core.Shown().posEnabled);
  EXPECT_EQ(host.onTop, std::vector<bool>{true});
  core.FolderChosen("");  // cancelled
  EXPECT_EQ(core.Shown().path, "C:\\Vorne\\");
  core.FolderChosen("D:\\Out");
  EXPECT_EQ(core.Shown().path, "D:\\Out\\");

  FakeHost empty;
  OutputCore idle(empty, dec);
  idle.Load("C:\\");
  EXPECT_EQ(idle.Shown().path, "C:\\");
  EXPECT_FALSE(idle.Shown().startEnabled);
}

// The dialog's core outlives its window: each opening looks at the list as
// it is then.
TEST_F(OutputCoreTest, EachOpeningEnablesBeginOutputByTheListAsItIsThen) {
  const std::vector<std::string> songs = host.paths;
  struct Step {
    size_t titles;
    bool startEnabled;
  } openings[] = {{0, false}, {3, true}, {0, false}, {1, true}};
  for (const Step& s : openings) {
    host.paths.assign(songs.begin(), songs.begin() + static_cast<long>(s.titles));
    core.Load("C:\\Vorne");
    EXPECT_EQ(core.Shown().startEnabled, s.startEnabled) << s.titles << " titles";
    EXPECT_FALSE(core.Shown().stopEnabled);
  }
}

TEST_F(OutputCoreTest, NoSelectedTitleIsReportedAndNothingStarts) {
  host.selected = -1;
  core.BeginOutput();
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(dec.opened.empty());
  EXPECT_FALSE(core.Writing());
  EXPECT_TRUE(host.playbackActive);
  EXPECT_EQ(host.stops, 0);
}

TEST_F(OutputCoreTest, AFailedBeginLeavesTheDialogReadyAndThePlayerAlone) {
  dec.failing = {"C:\\m\\a.mp3"};
  core.PathTyped("E:\\Waves");  // typed without the final backslash
  core.BeginOutput();
  ASSERT_EQ(host.messages, std::vector<std::string>{"Error outputting to : E:\\Waves\\[Band] - Song.wav"});
  EXPECT_EQ(dec.opened.size(), 1u);
  EXPECT_EQ(dec.starts, 0);
  EXPECT_FALSE(core.Writing());
  EXPECT_TRUE(core.Shown().startEnabled);
  EXPECT_TRUE(host.playbackActive);
  EXPECT_EQ(host.stops, 0);
}

TEST_F(OutputCoreTest, ARunOfTheListSkipsASongThatFailsAndEndsIdle) {
  core.OptionChosen(true);
  dec.failing = {"C:\\m\\b.mp3"};
  core.BeginOutput();
  EXPECT_TRUE(core.Writing());
  EXPECT_FALSE(host.playbackActive);
  EXPECT_EQ(host.stops, 1);
  EXPECT_FALSE(core.Shown().startEnabled);
  EXPECT_TRUE(core.Shown().stopEnabled);
  EXPECT_EQ(dec.starts, 1);

  core.Done();  // a written; b fails, c follows
  ASSERT_EQ(dec.opened.size(), 3u);
  EXPECT_EQ(dec.opened[2].second, "C:\\Vorne\\[Solo] - Last.wav");
  EXPECT_EQ(host.messages, std::vector<std::string>{"Error outputting to : C:\\Vorne\\[Band] - Other.wav"});
  EXPECT_EQ(dec.starts, 2);
  EXPECT_TRUE(core.Writing());

  core.Done();  // c was the last
  EXPECT_EQ(host.messages.back(), "Dump Complete!");
  EXPECT_FALSE(core.Writing());
  EXPECT_TRUE(core.Shown().startEnabled);
  EXPECT_FALSE(core.Shown().stopEnabled);
  EXPECT_EQ(core.OutputIndex(), 4);
  EXPECT_EQ(dec.starts, 2);
  // Off the top for each message, back on after.
  EXPECT_EQ(host.onTop, (std::vector<bool>{true, false, true, false, true}));
}

TEST_F(OutputCoreTest, ARunWhoseLastSongsAllFailEndsToo) {
  core.OptionChosen(true);
  dec.failing = {"C:\\m\\b.mp3", "C:\\m\\c.mp3"};
  core.BeginOutput();
  core.Done();
  EXPECT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages.back(), "Dump Complete!");
  EXPECT_FALSE(core.Writing());
}

TEST_F(OutputCoreTest, NoFileOfTheRunIsOverwritten) {
  host.songs["C:\\m\\b.mp3"] = {true, "Band", "Song"};
  host.songs["C:\\m\\c.mp3"] = {true, "band", "SONG"};
  core.OptionChosen(true);
  core.BeginOutput();
  core.Done();
  core.Done();
  ASSERT_EQ(dec.opened.size(), 3u);
  EXPECT_EQ(dec.opened[0].second, "C:\\Vorne\\[Band] - Song.wav");
  EXPECT_EQ(dec.opened[1].second, "C:\\Vorne\\[Band] - Song (2).wav");
  EXPECT_EQ(dec.opened[2].second, "C:\\Vorne\\[band] - SONG (3).wav");
  // A new run starts afresh.
  core.BeginOutput();
  EXPECT_EQ(dec.opened.back().second, "C:\\Vorne\\[Band] - Song.wav");
}

TEST_F(OutputCoreTest, TillEndOfCurrentSongStaysWritingUntilStop) {
  host.selected = 2;
  core.BeginOutput();
  core.Done();
  EXPECT_EQ(host.messages, std::vector<std::string>{"Dump Complete!"});
  EXPECT_TRUE(core.Writing());
  EXPECT_FALSE(core.Shown().startEnabled);
  EXPECT_EQ(dec.opened.size(), 1u);
  core.StopOutput();
  EXPECT_EQ(dec.stops, 1);
  EXPECT_FALSE(core.Writing());
  EXPECT_TRUE(core.Shown().startEnabled);
  EXPECT_FALSE(core.Shown().stopEnabled);
  EXPECT_EQ(core.OutputIndex(), 4);
}

TEST_F(OutputCoreTest, TheBarFollowsThePlayerWhenIdleAndTheSongWhenWriting) {
  host.selected = 1;
  host.duration = 0;  // no track: the bar keeps its maximum
  host.position = 0;
  core.Timer();
  EXPECT_EQ(core.Shown().song, "[Band] - Other");
  EXPECT_EQ(core.Shown().posMax, 100);
  host.duration = 187.5;
  host.position = 42.5;
  core.Timer();
  EXPECT_EQ(core.Shown().posMax, 188);
  EXPECT_EQ(core.Shown().posValue, 42);  // halves to even
  host.selected = -1;
  core.Timer();
  EXPECT_EQ(core.Shown().song, "[Band] - Other");  // kept

  host.selected = 0;
  dec.length = 0;
  core.BeginOutput();
  core.Timer();
  EXPECT_EQ(core.Shown().song, "[Band] - Song");
  EXPECT_EQ(core.Shown().posMax, 188);  // no length yet: kept
  dec.length = 1234;
  core.Timer();
  EXPECT_EQ(core.Shown().posMax, 1234);
  core.Progress(600);
  EXPECT_EQ(core.Shown().posValue, 600);
  core.BarChanged(100);
  EXPECT_EQ(dec.seeks, std::vector<long>{100});
}

}  // namespace
}  // namespace vorne::player::output
