// The wave output dialog under Wine, over a stand-in of the player and the
// real MP3 control: songs made with lame at build time are written to a
// folder with characters beyond ASCII in its name.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/mp3info/wave_file.h"
#include "platform/mp3info/wave_output.h"
#include "player/output/output_window.h"
#include "runtime/forms/dialogs.h"
#include "runtime/testing/message_pump.h"
#include "runtime/text/ansi.h"

namespace vorne::player::output {
namespace {

class StandInPlayer : public OutputHost {
 public:
  std::vector<std::string> paths;
  std::vector<SongFacts> facts;
  int selected = 0;
  bool playbackActive = true;
  int stops = 0;
  int TitleCount() override { return static_cast<int>(paths.size()); }
  int SelectedIndex() override { return selected; }
  std::string TitlePath(int i) override { return paths.at(static_cast<size_t>(i)); }
  SongFacts ReadSong(const std::string& p) override {
    for (size_t i = 0; i < paths.size(); ++i)
      if (paths[i] == p) return facts[i];
    return {};
  }
  void ClearPlaybackActive() override { playbackActive = false; }
  void StopMainPlayer() override { ++stops; }
  double MainDuration() override { return 215.4; }
  double MainPosition() override { return 61; }
  void SetOnTop(bool) override {}
  void Message(const std::string& t) override { forms::MsgBox(t); }
};

using vorne::testing::Pump;

// A whole output may take a while under a loaded Wine.
template <class Pred>
bool PumpUntil(Pred pred) {
  return vorne::testing::PumpUntil(pred, 20000);
}

// Holds the window on screen for a look (VORNE_HOLD_MS), else a moment.
void Hold() {
  const char* ms = std::getenv("VORNE_HOLD_MS");
  Pump(ms ? static_cast<DWORD>(std::atoi(ms)) : 200);
}

std::optional<vorne::mp3info::WaveFacts> WaveAt(const std::string& path) {
  std::vector<uint8_t> d;
  if (!vorne::mp3info::ReadWholeFile(path, d)) return std::nullopt;
  auto f = vorne::mp3info::ParseWave(d.data(), d.size());
  return f;
}

class OutputWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    CreateDirectoryA(folder_.c_str(), nullptr);
    const char* songs[] = {"m1_stereo_cbr", "m2_mono_vbr", "m1_stereo_vbr"};
    for (const char* s : songs) {
      const std::string to = folder_ + "\\" + s + " \xe9.mp3";
      CopyFileA((std::string(VORNE_SONGS_DIR) + "/" + s + ".mp3").c_str(), to.c_str(), FALSE);
      player_.paths.push_back(to);
    }
    player_.facts = {{true, "Band", "Song"}, {true, "Caf\xe9", "Mono"}, {false, "", ""}};
  }
  void TearDown() override {
    SHFileDelete();
    CoUninitialize();
  }
  void SHFileDelete() {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder_ + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder_ + "\\" + fd.cFileName).c_str());
      } while (FindNextFileA(h, &fd));
      FindClose(h);
    }
    RemoveDirectoryA(folder_.c_str());
  }
  std::string folder_ = std::string(VORNE_TEST_DIR) + "\\wave out \x92\xe9";
  StandInPlayer player_;
  forms::ScriptedDialogs dialogs_;
};

TEST_F(OutputWindowTest, WritesThePlayListToWaveFiles) {
  forms::ScopedDialogs scope(dialogs_);
  FrmOutput dlg(&player_);
  dlg.Show();
  ASSERT_NE(dlg.Pos(), nullptr) << "the position bar control was not made";
  EXPECT_EQ(dlg.Caption(), "Wave Output Control");
  EXPECT_EQ(dlg.txtPath.Text().back(), '\\');
  Hold();  // idle: the bar follows the stand-in player
  EXPECT_EQ(dlg.lblCurSong.Caption(), "[Band] - Song");

  dlg.txtPath.SetText(folder_);
  dlg.Option2.SetValue(true);
  dialogs_.QueueMsgBox(forms::vbOK);  // "Dump Complete!"
  dlg.cmdStart_Click();
  EXPECT_FALSE(player_.playbackActive);
  EXPECT_EQ(player_.stops, 1);
  EXPECT_FALSE(dlg.cmdStart.Enabled());
  EXPECT_TRUE(dlg.cmdStop.Enabled());
  ASSERT_TRUE(PumpUntil([&] { return dlg.cmdStart.Enabled(); }));
  ASSERT_EQ(dialogs_.Log().size(), 1u);
  EXPECT_EQ(dialogs_.Log()[0].prompt, "Dump Complete!");
  EXPECT_FALSE(dlg.cmdStop.Enabled());

  const std::string names[] = {"[Band] - Song.wav", "[Caf\xe9] - Mono.wav", "m1_stereo_vbr \xe9.wav"};
  const uint32_t rates[] = {44100, 16000, 48000};
  for (int i = 0; i < 3; ++i) {
    auto f = WaveAt(folder_ + "\\" + names[i]);
    ASSERT_TRUE(f) << names[i];
    EXPECT_EQ(f->sampleRate, rates[i]);
    EXPECT_GT(f->dataBytes, 0u);
  }
  dlg.Unload();
}

TEST_F(OutputWindowTest, OneSongStaysWritingUntilStopAndClosingKeepsTheFileValid) {
  forms::ScopedDialogs scope(dialogs_);
  FrmOutput dlg(&player_);
  dlg.Show();
  dlg.txtPath.SetText(folder_);
  player_.selected = 1;
  dialogs_.QueueMsgBox(forms::vbOK);
  dlg.cmdStart_Click();
  ASSERT_TRUE(PumpUntil([&] { return dialogs_.Log().size() == 1; }));
  Pump(300);  // the timer shows the song and its length
  EXPECT_FALSE(dlg.cmdStart.Enabled());
  EXPECT_EQ(dlg.lblCurSong.Caption(), "[Caf\xe9] - Mono");
  Hold();  // writing, done with the song
  dlg.cmdStop_Click();
  EXPECT_TRUE(dlg.cmdStart.Enabled());

  // Closed straight after Begin Output: the file is a valid wave.
  player_.selected = 0;
  dlg.cmdStart_Click();
  dlg.Unload();
  auto f = WaveAt(folder_ + "\\[Band] - Song.wav");
  ASSERT_TRUE(f);
  EXPECT_EQ(f->channels, 2);
}

TEST_F(OutputWindowTest, NoSelectionAndAnUnwritableFolderAreReported) {
  forms::ScopedDialogs scope(dialogs_);
  FrmOutput dlg(&player_);
  dlg.Show();
  player_.selected = -1;
  dialogs_.QueueMsgBox(forms::vbOK);
  dlg.cmdStart_Click();
  EXPECT_TRUE(dlg.cmdStart.Enabled());
  player_.selected = 0;
  dlg.txtPath.SetText(folder_ + "\\no such folder");
  dialogs_.QueueMsgBox(forms::vbOK);
  dlg.cmdStart_Click();
  ASSERT_EQ(dialogs_.Log().size(), 2u);
  EXPECT_EQ(dialogs_.Log()[1].prompt, "Error outputting to : " + folder_ + "\\no such folder\\[Band] - Song.wav");
  EXPECT_TRUE(dlg.cmdStart.Enabled());
  EXPECT_TRUE(player_.playbackActive);
  dlg.Unload();
}

}  // namespace
}  // namespace vorne::player::output
