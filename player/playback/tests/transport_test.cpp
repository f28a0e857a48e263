// The transport against a fake control, playlist and clock.
#include "player/playback/transport.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace vorne::player::playback {
namespace {

struct FakeMedia : MediaControl {
  long state = 6;
  bool hasFile = false;
  double position = 0;
  Transport* transport = nullptr;  // receives the change a stop reports
  std::vector<std::string> calls;
  long PlayState() override { return state; }
  void Play() override {
    calls.push_back("play");
    if (hasFile) Change(2);
  }
  void Pause() override {
    calls.push_back("pause");
    if (hasFile) Change(1);
  }
  void Stop() override {
    calls.push_back("stop");
    if (hasFile) Change(0);
  }
  void SetPosition(double s) override {
    calls.push_back("position " + std::to_string(static_cast<int>(s)));
    position = s;
  }
  void Change(long now) {
    if (now == state) return;
    state = now;
    if (transport) transport->ProcessStateChange(now);
  }
};

struct FakeList : Playlist {
  std::vector<std::string> paths;
  int index = -1;
  std::set<int> selected;
  std::string listFile;
  int Count() override { return static_cast<int>(paths.size()); }
  int ListIndex() override { return index; }
  void SetListIndex(int i) override { index = i; }
  void DeselectAll() override { selected.clear(); }
  void Select(int i) override { selected.insert(i); }
  std::string PathAt(int i) override { return paths.at(static_cast<size_t>(i)); }
  std::string ListFile() override { return listFile; }
};

struct FakeClock : Clock {
  int64_t now = 1000;
  int64_t NowMs() override { return now; }
};

struct FakeHost : TransportHost {
  FakeMedia* media = nullptr;
  std::set<std::string> existing;
  bool openSucceeds = true;
  std::vector<std::string> opened;  // "i:path"
  std::vector<std::string> missing;
  std::vector<std::string> waiting;
  bool displayRefresh = true;
  int songs = 0;
  double playTime = 0;
  int resets = 0;
  void Refresh4Controls() override {}
  void SetDisplayRefresh(bool on) override { displayRefresh = on; }
  void ShowWaiting(const std::string& t) override { waiting.push_back(t); }
  void ResetAllTimeDisplays() override { ++resets; }
  void CountSong() override { ++songs; }
  void AddPlayTime(double s) override { playTime += s; }
  bool FileExists(const std::string& p) override { return existing.count(p) > 0; }
  void ShowMissing(const std::string& p) override { missing.push_back(p); }
  bool OpenEntry(int i, const std::string& p) override {
    if (!openSucceeds) return false;
    opened.push_back(std::to_string(i) + ":" + p);
    media->hasFile = true;
    media->state = 2;
    return true;
  }
};

class TransportTest : public ::testing::Test {
 protected:
  TransportTest() : transport(media, list, clock, host, options, 7) {
    media.transport = &transport;
    host.media = &media;
  }
  void Songs(int n) {
    for (int i = 0; i < n; ++i) {
      std::string p = "C:\\m\\s" + std::to_string(i) + ".mp3";
      list.paths.push_back(p);
      host.existing.insert(p);
    }
  }
  // Entry i plays, as a double-click does.
  void Start(int i) {
    list.index = i;
    transport.PlaySelected();
  }
  // The control reports the end of the track.
  void TrackEnds() { media.Change(0); }
  std::string LastOpened() const { return host.opened.empty() ? "" : host.opened.back(); }

  FakeMedia media;
  FakeList list;
  FakeClock clock;
  FakeHost host;
  TransportOptions options;
  Transport transport;
};

TEST(TransportTables, PlayStateMap) {
  struct {
    long in;
    std::optional<PlayerState> out;
  } cases[] = {{0, PlayerState::Stopped}, {1, PlayerState::Paused}, {2, PlayerState::Playing},
               {6, PlayerState::Closed},  {3, std::nullopt},        {-1, std::nullopt}};
  for (auto& c : cases) EXPECT_EQ(StateFromPlayState(c.in), c.out) << c.in;
}

TEST(TransportTables, WhatEachStateEnables) {
  struct {
    PlayerState s;
    bool bar, prev, play, pause, stop, next;
  } cases[] = {{PlayerState::Playing, 1, 1, 1, 1, 1, 1},
               {PlayerState::Stopped, 0, 1, 1, 0, 0, 1},
               {PlayerState::Paused, 1, 1, 1, 0, 1, 1},
               {PlayerState::Closed, 0, 0, 0, 0, 0, 0}};
  for (auto& c : cases) {
    StateView v = ViewOf(c.s);
    EXPECT_EQ(v.positionBar, c.bar);
    EXPECT_EQ((std::vector<bool>{v.previous, v.play, v.pause, v.stop, v.next}),
              (std::vector<bool>{c.prev, c.play, c.pause, c.stop, c.next}))
        << static_cast<int>(c.s);
  }
}

TEST(TransportTables, TrayTipPerState) {
  EXPECT_EQ(TrayTipFor(PlayerState::Stopped, "x", "2.0 (build 1)"), "Vorne - v2.0 (build 1)");
  EXPECT_EQ(TrayTipFor(PlayerState::Stopped, "Vorne - v2.0 (build 1)", "2.0 (build 1)"), std::nullopt);
  std::string tip = "A - B  [00:10]";
  auto once = TrayTipFor(PlayerState::Paused, tip, "v");
  ASSERT_TRUE(once);
  EXPECT_EQ(*once, "A - B  [00:10] (paused)");
  EXPECT_EQ(TrayTipFor(PlayerState::Paused, *once, "v"), std::nullopt) << "entering paused on every tick";
  EXPECT_EQ(TrayTipFor(PlayerState::Playing, tip, "v"), std::nullopt);
  EXPECT_EQ(TrayTipFor(PlayerState::Closed, tip, "v"), std::nullopt);
}

TEST(TransportTables, VideoFilesByExtension) {
  struct {
    const char* name;
    bool video;
  } cases[] = {{"clip.mpeg", true}, {"CLIP.AVI", true},  {"movie.rm", true}, {"a.Mov", true},
               {"x.flc", true},     {"song.mp3", false}, {"clip.wmv", false}, {"STREAM", false},
               {"", false},         {"rm", false}};
  for (auto& c : cases) EXPECT_EQ(IsVideoFile(c.name), c.video) << c.name;
}

TEST(TransportTables, ErrorAndStatusTexts) {
  EXPECT_EQ(ErrorText(static_cast<long>(0x80040265), false),
            "Cannot play back the file.  The format is not supported.");
  EXPECT_EQ(ErrorText(static_cast<long>(0x80040265), true),
            "Cannot play back the file.\r\nThe format is not supported.");
  EXPECT_EQ(ErrorText(static_cast<long>(0x80040256), false),
            "Cannot Output Sound.  No hardware or Hardware in use");
  EXPECT_EQ(ErrorText(static_cast<long>(0x80040256), true),
            "Cannot Output Sound.\r\nNo hardware or Hardware in use");
  EXPECT_EQ(ErrorText(static_cast<long>(0x80004005), true), std::nullopt);
  EXPECT_EQ(ReadyStateText(1), "Locating Server");
  EXPECT_EQ(ReadyStateText(3), "Buffering");
  EXPECT_EQ(ReadyStateText(4), "Opening");
  EXPECT_EQ(ReadyStateText(2), std::nullopt);
  EXPECT_EQ(WaitingText("5"), "Waiting 5 seconds");
}

TEST(TransportTables, LastSongIndexFollowsOnlyASelectedEntry) {
  struct {
    int32_t last;
    int index;
    int32_t out;
  } cases[] = {{-1, 3, -1}, {0, 3, 3}, {5, -1, 5}, {2, 0, 0}};
  for (auto& c : cases) EXPECT_EQ(NextLastSongIndex(c.last, c.index), c.out) << c.last << " " << c.index;
}

TEST(TransportTables, StartIndexRules) {
  std::mt19937 rng(1);
  EXPECT_EQ(StartIndex(0, -1, false, rng), std::nullopt);
  EXPECT_EQ(StartIndex(0, 0, false, rng), std::nullopt);
  EXPECT_EQ(StartIndex(3, 1, true, rng), 1);
  EXPECT_EQ(StartIndex(3, 3, false, rng), std::nullopt) << "beyond the list: nothing is selected";
  EXPECT_EQ(StartIndex(3, -1, false, rng), 0);
  EXPECT_EQ(StartIndex(1, -1, true, rng), 0);
  std::set<int> seen;
  for (int k = 0; k < 200; ++k) seen.insert(*StartIndex(4, -1, true, rng));
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3})) << "every entry can be the first";
}

TEST(TransportTables, RandomPickAvoidsTheCurrentEntryUniformly) {
  std::mt19937 rng(3);
  EXPECT_EQ(PickRandom(0, 0, rng), std::nullopt);
  EXPECT_EQ(PickRandom(0, 1, rng), 0);
  int counts[4] = {};
  for (int k = 0; k < 3000; ++k) ++counts[*PickRandom(2, 4, rng)];
  EXPECT_EQ(counts[2], 0);
  for (int i : {0, 1, 3}) EXPECT_NEAR(counts[i], 1000, 120) << i;
}

TEST_F(TransportTest, TheEndOfATrackPicksTheNextEntry) {
  struct Case {
    int count, current;
    bool repeat, advances;
    std::string played;  // "" when none
    bool active;
    int songs;
  } cases[] = {
      {3, 0, false, true, "1", true, 1},
      {3, 2, false, true, "", false, 1},  // last entry, no repeat: stops and rewinds
      {3, 2, true, true, "0", true, 1},
      {1, 0, true, true, "0", true, 1},
      {3, 0, false, false, "", true, 0},  // "Play List Advances" off
  };
  for (const Case& c : cases) {
    FakeMedia m;
    FakeList l;
    FakeHost h;
    FakeClock k;
    TransportOptions o;
    o.repeat = c.repeat;
    o.advances = c.advances;
    Transport t(m, l, k, h, o, 1);
    m.transport = &t;
    h.media = &m;
    for (int i = 0; i < c.count; ++i) {
      l.paths.push_back("C:\\s" + std::to_string(i) + ".mp3");
      h.existing.insert(l.paths.back());
    }
    l.index = c.current;
    t.PlaySelected();
    h.opened.clear();
    m.calls.clear();
    m.Change(0);
    std::string played = h.opened.empty() ? "" : h.opened.back().substr(0, h.opened.back().find(':'));
    EXPECT_EQ(played, c.played) << c.count << "/" << c.current;
    EXPECT_EQ(t.PlaybackActive(), c.active) << c.count << "/" << c.current;
    EXPECT_EQ(h.songs, c.songs);
    if (!c.active) {
      EXPECT_EQ(m.calls, (std::vector<std::string>{"stop", "position 0"}));
    }
    if (!c.played.empty()) {
      EXPECT_EQ(l.selected, (std::set<int>{std::stoi(c.played)}));
    }
  }
}

TEST_F(TransportTest, AnEmptyListNeverLoops) {
  options.repeat = true;
  options.random = true;
  transport.SetPlaybackActive(true);
  media.hasFile = true;
  media.state = 2;
  TrackEnds();
  EXPECT_TRUE(host.opened.empty());
  EXPECT_FALSE(transport.PlaybackActive());
  transport.Next();
  transport.Previous();
  EXPECT_TRUE(host.opened.empty());
}

TEST_F(TransportTest, RandomPlayWithOneEntryPlaysItAgain) {
  options.random = true;
  Songs(1);
  Start(0);
  TrackEnds();
  EXPECT_EQ(host.opened, (std::vector<std::string>{"0:C:\\m\\s0.mp3", "0:C:\\m\\s0.mp3"}));
}

TEST_F(TransportTest, StopAndPauseNeverAdvance) {
  Songs(3);
  Start(0);
  transport.Pause();
  EXPECT_EQ(media.state, 1);
  transport.Stop();
  EXPECT_FALSE(transport.PlaybackActive());
  EXPECT_EQ(host.opened.size(), 1u);
  EXPECT_EQ(host.songs, 0);
  EXPECT_EQ(host.resets, 1);
  EXPECT_EQ(media.position, 0);
}

TEST_F(TransportTest, PlaybackActiveOnlyWhenPlaybackStarts) {
  Songs(2);
  transport.Play();  // the control has no file
  EXPECT_FALSE(transport.PlaybackActive());
  host.openSucceeds = false;
  Start(0);
  EXPECT_FALSE(transport.PlaybackActive());
  host.openSucceeds = true;
  Start(0);
  EXPECT_TRUE(transport.PlaybackActive());
  transport.Stop();
  transport.Play();
  EXPECT_TRUE(transport.PlaybackActive());
}

TEST_F(TransportTest, NextAdvancesDirectlyAndCountsOnce) {
  Songs(3);
  options.advances = false;
  Start(0);
  transport.Stop();
  transport.Next();  // from stopped, and with "Play List Advances" off
  EXPECT_EQ(LastOpened(), "1:C:\\m\\s1.mp3");
  EXPECT_EQ(host.songs, 1);
  EXPECT_TRUE(transport.PlaybackActive());
  transport.Next();
  transport.Next();  // the last entry without repeat: the list ends
  EXPECT_EQ(host.songs, 3);
  EXPECT_EQ(host.opened.size(), 3u);
  EXPECT_FALSE(transport.PlaybackActive());
}

// Next during the wait runs an end of track of its own inside it: a count,
// a wait and an advance. The first wait, whose time is up by then, ends
// right after it and advances once more.
TEST_F(TransportTest, NextDuringTheWaitCountsAndWaitsAndBothWaitsAdvance) {
  options.wait = 3;
  Songs(4);
  Start(0);
  TrackEnds();
  ASSERT_TRUE(transport.WaitingBetweenTracks());
  clock.now += 1000;
  transport.Next();
  EXPECT_EQ(host.songs, 2);
  EXPECT_EQ(host.waiting, (std::vector<std::string>{"Waiting 3 seconds", "Waiting 3 seconds"}));
  EXPECT_FALSE(host.displayRefresh);
  EXPECT_EQ(host.opened.size(), 1u) << "Next played before its wait";
  clock.now += 2500;  // the first wait's time is up, the second's is not
  transport.Tick();
  EXPECT_EQ(host.opened.size(), 1u) << "the first wait ended before the one inside it";
  clock.now += 500;
  transport.Tick();
  EXPECT_EQ(host.opened,
            (std::vector<std::string>{"0:C:\\m\\s0.mp3", "1:C:\\m\\s1.mp3", "2:C:\\m\\s2.mp3"}));
  EXPECT_FALSE(transport.Waiting());
  EXPECT_EQ(host.songs, 2);
}

TEST_F(TransportTest, TheWaitBetweenTracksRunsOnTheClock) {
  options.wait = 3;
  Songs(2);
  Start(0);
  TrackEnds();
  EXPECT_EQ(host.waiting, (std::vector<std::string>{"Waiting 3 seconds"}));
  EXPECT_FALSE(host.displayRefresh);
  clock.now += 2999;
  transport.Tick();
  EXPECT_EQ(host.opened.size(), 1u);
  clock.now += 1;
  transport.Tick();
  EXPECT_EQ(LastOpened(), "1:C:\\m\\s1.mp3");
  EXPECT_EQ(host.songs, 1);
}

// The wait watches no flag: what is done during it runs, and the wait
// still ends by playing the entry after the one selected then.
TEST_F(TransportTest, TheWaitBetweenTracksRunsToItsEndWhateverIsDoneMeanwhile) {
  options.wait = 2;
  Songs(3);
  struct Case {
    const char* name;
    std::function<void()> during;
    std::vector<std::string> played;  // entries opened from the command on
  } cases[] = {
      {"Stop", [&] { transport.Stop(); }, {"2"}},
      {"Pause", [&] { transport.Pause(); }, {"2"}},
      {"Play", [&] { transport.Play(); }, {"2"}},
      {"Previous", [&] { transport.Previous(); }, {"0", "1"}},
      {"another entry", [&] { Start(0); }, {"0", "1"}},
  };
  for (const Case& c : cases) {
    Start(1);
    TrackEnds();
    ASSERT_TRUE(transport.WaitingBetweenTracks()) << c.name;
    host.opened.clear();
    c.during();
    EXPECT_TRUE(transport.WaitingBetweenTracks()) << c.name;
    clock.now += 2000;
    transport.Tick();
    std::vector<std::string> played;
    for (const std::string& o : host.opened) played.push_back(o.substr(0, o.find(':')));
    EXPECT_EQ(played, c.played) << c.name;
    EXPECT_TRUE(transport.PlaybackActive()) << c.name;
    EXPECT_FALSE(transport.Waiting()) << c.name;
  }
}

// Play sets the playing flag before it plays, so the change of state it
// causes turns the display refresh on again: the waiting text is replaced
// and the tray tip follows the song.
TEST_F(TransportTest, StopAndPlayDuringTheWaitTurnTheDisplayRefreshOnAgain) {
  options.wait = 3;
  Songs(2);
  Start(0);
  TrackEnds();
  ASSERT_FALSE(host.displayRefresh);
  transport.Stop();
  EXPECT_FALSE(host.displayRefresh);
  transport.Play();
  EXPECT_EQ(media.state, 2);
  EXPECT_TRUE(transport.PlaybackActive());
  EXPECT_TRUE(host.displayRefresh) << "the refresh stays off for the song played";
}

// A pause entry's wait is what the transport commands and the play of
// another entry end: its time is not added, and nothing follows it.
TEST_F(TransportTest, EveryCommandAndAnotherEntryEndAPauseEntry) {
  list.paths = {"%PAUSE%5", "C:\\m\\a.mp3", "C:\\m\\b.mp3"};
  host.existing = {"C:\\m\\a.mp3", "C:\\m\\b.mp3"};
  struct Case {
    const char* name;
    std::function<void()> during;
    size_t opened;  // by the command itself
  } cases[] = {
      {"Stop", [&] { transport.Stop(); }, 0},   {"Pause", [&] { transport.Pause(); }, 0},
      {"Play", [&] { transport.Play(); }, 0},   {"Previous", [&] { transport.Previous(); }, 1},
      {"another entry", [&] { Start(2); }, 1},
  };
  for (const Case& c : cases) {
    Start(0);
    ASSERT_TRUE(transport.Waiting()) << c.name;
    host.opened.clear();
    c.during();
    EXPECT_FALSE(transport.Waiting()) << c.name;
    clock.now += 6000;
    transport.Tick();
    EXPECT_EQ(host.opened.size(), c.opened) << c.name;
    EXPECT_EQ(host.playTime, 0) << c.name;
  }
}

TEST_F(TransportTest, PreviousGoesBackOrToTheLastEntry) {
  Songs(3);
  Start(1);
  transport.Previous();
  EXPECT_EQ(LastOpened(), "0:C:\\m\\s0.mp3");
  transport.Previous();
  EXPECT_EQ(LastOpened(), "2:C:\\m\\s2.mp3");
  list.index = -1;
  transport.Previous();
  EXPECT_EQ(LastOpened(), "2:C:\\m\\s2.mp3");
  EXPECT_EQ(host.opened.size(), 4u);
  EXPECT_EQ(host.songs, 0);
}

TEST_F(TransportTest, APauseEntryWaitsAddsItsTimeAndAdvances) {
  list.paths = {"%PAUSE%5", "C:\\m\\a.mp3"};
  host.existing = {"C:\\m\\a.mp3"};
  Start(0);
  EXPECT_EQ(host.waiting, (std::vector<std::string>{"Waiting 5 seconds"}));
  EXPECT_TRUE(transport.PlaybackActive());
  clock.now += 4999;
  transport.Tick();
  EXPECT_TRUE(host.opened.empty());
  clock.now += 1;
  transport.Tick();
  EXPECT_EQ(host.playTime, 5);
  EXPECT_EQ(LastOpened(), "1:C:\\m\\a.mp3");
}

TEST_F(TransportTest, StopDuringAPauseEntryAddsNothing) {
  list.paths = {"%PAUSE%5", "C:\\m\\a.mp3"};
  Start(0);
  transport.Stop();
  clock.now += 6000;
  transport.Tick();
  EXPECT_EQ(host.playTime, 0);
  EXPECT_TRUE(host.opened.empty());
}

TEST_F(TransportTest, OnlyPauseEntriesWithRepeatTakeOneTimedStepEach) {
  options.repeat = true;
  list.paths = {"%PAUSE%", "%PAUSE%0", "%PAUSE% 1"};
  Start(0);
  std::vector<int> indexes;
  for (int k = 0; k < 7; ++k) {
    clock.now += 1000;
    transport.Tick();
    indexes.push_back(list.index);
  }
  EXPECT_EQ(indexes, (std::vector<int>{1, 2, 0, 1, 2, 0, 1}));
  EXPECT_EQ(host.playTime, 2);
}

TEST_F(TransportTest, MissingFilesAndEntriesThatAreNoPause) {
  list.paths = {"C:\\gone.mp3", "%pause%5"};
  Start(0);
  Start(1);
  EXPECT_EQ(host.missing, (std::vector<std::string>{"C:\\gone.mp3", "%pause%5"}));
  EXPECT_TRUE(host.waiting.empty());
  EXPECT_TRUE(media.calls.empty()) << "the control is not touched";
  EXPECT_FALSE(transport.PlaybackActive());
}

TEST_F(TransportTest, ARelativeEntryIsResolvedOnceAgainstTheListFolder) {
  list.listFile = "C:\\lists\\mine.vna";
  list.paths = {"caf\xe9 \x92.mp3"};
  host.existing = {"C:\\lists\\caf\xe9 \x92.mp3"};
  Start(0);
  EXPECT_EQ(LastOpened(), "0:C:\\lists\\caf\xe9 \x92.mp3");
  EXPECT_TRUE(host.missing.empty());
}

TEST_F(TransportTest, PlayOnStartSelectsOnlyAnEntryInTheList) {
  Songs(3);
  transport.PlayOnStart(5);
  EXPECT_TRUE(host.opened.empty());
  EXPECT_TRUE(list.selected.empty());
  EXPECT_FALSE(transport.PlaybackActive());
  transport.PlayOnStart(2);
  EXPECT_EQ(LastOpened(), "2:C:\\m\\s2.mp3");
  EXPECT_EQ(list.selected, (std::set<int>{2}));
}

TEST_F(TransportTest, NothingHappensAfterShutdown) {
  options.wait = 1;
  Songs(2);
  Start(0);
  TrackEnds();
  transport.Shutdown();
  clock.now += 5000;
  transport.Tick();
  transport.Next();
  EXPECT_EQ(host.opened.size(), 1u);
}

}  // namespace
}  // namespace vorne::player::playback
