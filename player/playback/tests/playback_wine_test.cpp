// The transport driving the real media player control under Wine: a list
// of two one-second songs plays through, with and without the wait between
// tracks, and a fade's volume word reads back from the device.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/mediaplayer/media_events.h"
#include "platform/mediaplayer/media_player.h"
#include "platform/mediaplayer/wave_volume.h"
#include "player/core/text_display.h"
#include "player/playback/fade.h"
#include "player/playback/media_control_win32.h"
#include "player/playback/transport.h"
#include "runtime/text/ansi.h"

namespace vorne::player::playback {
namespace {

std::string FullPath(const std::string& rel) {
  char buf[MAX_PATH];
  DWORD n = GetFullPathNameA(rel.c_str(), MAX_PATH, buf, nullptr);
  return std::string(buf, n);
}

// The songs lie beside the media player control's tests.
const std::string kSongs = "..\\..\\platform\\mediaplayer\\";

struct List : Playlist {
  std::vector<std::string> paths;
  int index = -1;
  std::string file;
  int Count() override { return static_cast<int>(paths.size()); }
  int ListIndex() override { return index; }
  void SetListIndex(int i) override { index = i; }
  void DeselectAll() override {}
  void Select(int) override {}
  std::string PathAt(int i) override { return paths.at(static_cast<size_t>(i)); }
  std::string ListFile() override { return file; }
};

struct Host : TransportHost, vorne::mediaplayer::MediaEvents {
  DispatchMediaControl* media = nullptr;
  Transport* transport = nullptr;
  std::vector<int> opened;
  std::vector<std::string> waiting;
  core::Statistics stats;
  void Refresh4Controls() override {}
  void SetDisplayRefresh(bool) override {}
  void ShowWaiting(const std::string& t) override { waiting.push_back(t); }
  void ResetAllTimeDisplays() override {}
  void CountSong() override { stats.TotalSongsPlayed = core::AddToStatistic(stats.TotalSongsPlayed, 1); }
  void AddPlayTime(double s) override { stats.TotalPlayTime = core::AddToStatistic(stats.TotalPlayTime, s); }
  bool FileExists(const std::string& p) override { return text::FileExists(p); }
  void ShowMissing(const std::string&) override {}
  bool OpenEntry(int i, const std::string& p) override {
    opened.push_back(i);
    return media->OpenFile(p);
  }
  // The control's events.
  void PlayStateChange(long, long now) override { transport->ProcessStateChange(now); }
  void Buffering(bool) override {}
  void Error() override {}
  void NewStream() override {}
  void ReadyStateChange(long) override {}
  void EndOfStream(long) override {}
};

double Seconds() { return static_cast<double>(GetTickCount64()) / 1000.0; }

class PlaybackWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    com::Ptr<IDispatch> player;
    ASSERT_EQ(vorne::mediaplayer::CreateMediaPlayer(player.Out()), S_OK);
    control_.SetMain(player.Get());
    ASSERT_EQ(events_.Connect(player.Get(), &host_), S_OK);
    host_.media = &control_;
    list_.file = FullPath(kSongs + "songs.vna");
    list_.paths = {"tone440.mp3", "tone660.mp3"};
  }
  void TearDown() override {
    events_.Disconnect();
    control_.SetMain(nullptr);
    CoUninitialize();
  }

  // The main window's loop: messages, and on each pass the poll's work.
  void PlayThrough(Transport& t, double limit) {
    std::string last;
    double end = Seconds() + limit;
    while (t.PlaybackActive() && Seconds() < end) {
      MSG m;
      while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
      t.Tick();
      if (t.PlaybackActive()) {
        core::UpdateTimeText(last, core::TimeDisplayText(0, control_.Duration(), control_.Position()), 1, host_.stats);
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
  }

  DispatchMediaControl control_;
  TickClock clock_;
  List list_;
  Host host_;
  vorne::mediaplayer::MediaEventsConnection events_;
  TransportOptions options_;
};

TEST_F(PlaybackWineTest, ATwoSongListPlaysThroughAndAdvancesAtTheEnd) {
  Transport t(control_, list_, clock_, host_, options_, 1);
  host_.transport = &t;
  double start = Seconds();
  list_.index = 0;
  t.PlaySelected();
  ASSERT_TRUE(t.PlaybackActive());
  PlayThrough(t, 10);
  double took = Seconds() - start;
  EXPECT_FALSE(t.PlaybackActive()) << "the list did not end";
  EXPECT_EQ(host_.opened, (std::vector<int>{0, 1}));
  EXPECT_EQ(host_.stats.TotalSongsPlayed, "2");
  EXPECT_GE(took, 1.8);
  EXPECT_LT(took, 6.0);
  EXPECT_EQ(control_.PlayState(), vorne::mediaplayer::kStateStopped);
  EXPECT_NEAR(control_.Position(), 0, 0.05) << "stopped and rewound at the end of the list";
  EXPECT_GE(std::stoi(host_.stats.TotalPlayTime), 1) << "the shown time ran";
}

TEST_F(PlaybackWineTest, TheWaitBetweenTracksAndRepeat) {
  options_.wait = 1;
  options_.repeat = true;
  Transport t(control_, list_, clock_, host_, options_, 1);
  host_.transport = &t;
  list_.index = 1;
  t.PlaySelected();
  double start = Seconds();
  double end = start + 8;
  while (host_.opened.size() < 2 && Seconds() < end) {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    t.Tick();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
  double took = Seconds() - start;
  EXPECT_EQ(host_.opened, (std::vector<int>{1, 0})) << "repeat goes back to the first song";
  EXPECT_EQ(host_.waiting, (std::vector<std::string>{"Waiting 1 seconds"}));
  EXPECT_GE(took, 1.8) << "one second of song, one second of wait";
  t.Stop();
  EXPECT_EQ(control_.PlayState(), vorne::mediaplayer::kStateStopped);
  EXPECT_FALSE(t.PlaybackActive());
}

// A "Volume Bar" whose device is the wave-out volume word.
struct DeviceBar : VolumeBars {
  long value = 65536;
  int Count() override { return 1; }
  long Value(int) override { return value; }
  void SetValue(int, long v) override { value = v < 0 ? 0 : (v > 65536 ? 65536 : v); }
  long Max(int) override { return 65536; }
  void UpdateVolume(int) override { vorne::mediaplayer::SetWaveVolume(0, VolumeWord(value)); }
};

TEST_F(PlaybackWineTest, TheVolumeWordReadsBackAfterAFade) {
  DeviceBar bar;
  bar.value = 40000;
  Fader fader(bar);
  ASSERT_TRUE(fader.FadeOut(30250));
  while (fader.Step()) {
  }
  DWORD word = 0;
  ASSERT_EQ(vorne::mediaplayer::GetWaveVolume(0, &word), MMSYSERR_NOERROR);
  EXPECT_EQ(LeftChannel(word), 30250);
  EXPECT_EQ(word, VolumeWord(30250));
  ASSERT_TRUE(fader.FadeIn(30250));  // from the chosen volume: to the top
  while (fader.Step()) {
  }
  ASSERT_EQ(vorne::mediaplayer::GetWaveVolume(0, &word), MMSYSERR_NOERROR);
  EXPECT_EQ(word, 0xFFFFFFFFu);
}

}  // namespace
}  // namespace vorne::player::playback
