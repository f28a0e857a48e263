#include "player/core/song_info.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace vorne::player::core {
namespace {

namespace fs = std::filesystem;

class SongInfoFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vorne_songinfo_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::string p = (dir_ / name).string();
    std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p;
  }
  fs::path dir_;
};

std::string Field(const std::string& s, size_t n, char fill = ' ') {
  std::string out = s.substr(0, n);
  out.resize(n, fill);
  return out;
}

std::string Tag(const std::string& title, const std::string& artist, const std::string& album,
                const std::string& year, const std::string& comment, unsigned char genre, char fill = ' ') {
  std::string t = "TAG" + Field(title, 30, fill) + Field(artist, 30, fill) + Field(album, 30, fill) +
                  Field(year, 4, fill) + Field(comment, 30, fill);
  t += static_cast<char>(genre);
  return t;
}

TEST(TrimTagField, OnlyTheTrailingRunGoes) {
  using std::string;
  const std::pair<string, string> cases[] = {
      {string(30, ' '), ""}, {string("Abc\0x", 5), string("Abc\0x", 5)}, {string("Abc  \0\0 \0", 9), "Abc"},
      {"", ""}, {"  a b", "  a b"}, {string("\0\0", 2), ""}};
  for (const auto& [in, want] : cases) EXPECT_EQ(TrimTagField(in), want);
}

TEST_F(SongInfoFiles, ReadsTheTagFields) {
  std::string p = Write("a.wav", std::string(1000, 'x') + Tag("Title", "Artist", "Album", "1999", "Comment", 17, '\0'));
  SongInfoRecord r = GetMp3Info(p);
  EXPECT_TRUE(r.HasTag);
  EXPECT_EQ(r.Title, "Title");
  EXPECT_EQ(r.Artist, "Artist");
  EXPECT_EQ(r.Album, "Album");
  EXPECT_EQ(r.Year, "1999");
  EXPECT_EQ(r.Comment, "Comment");
  EXPECT_EQ(r.Genre, "Rock");
  EXPECT_EQ(r.GenreByte, 17);
  EXPECT_EQ(r.TrackNumber, 0);
  EXPECT_EQ(r.FileLength, 1128);
  EXPECT_EQ(r.BitRate, 0);  // a .wav gets no stream facts
  EXPECT_EQ(r.Layer, "");
}

TEST_F(SongInfoFiles, TrackNumberOfVersionOnePointOne) {
  std::string tag = Tag("T", "A", "B", "2001", "", 1);
  std::string comment = Field("Twenty-eight chars comment!!", 28);
  tag.replace(97, 28, comment);
  tag[125] = '\0';
  tag[126] = 7;
  SongInfoRecord r = GetMp3Info(Write("t.wav", tag));
  EXPECT_EQ(r.Comment, "Twenty-eight chars comment!!");
  EXPECT_EQ(r.TrackNumber, 7);
  // Byte 125 not zero: a 30-character comment and no track.
  tag[125] = 'x';
  r = GetMp3Info(Write("u.wav", tag));
  EXPECT_EQ(r.TrackNumber, 0);
  EXPECT_EQ(r.Comment.size(), 30u);
}

TEST_F(SongInfoFiles, SizeBoundariesAndTagCase) {
  struct C { size_t size; bool tag; bool hasTag; bool titleIsPath; };
  const C cases[] = {{0, false, false, true}, {1, false, false, true}, {124, false, false, true},
                     {125, false, false, false}, {127, false, false, false}, {128, true, true, false},
                     {128, false, false, false}, {5000, true, true, false}};
  int k = 0;
  for (const auto& c : cases) {
    std::string bytes(c.size, 'T');
    if (c.size >= 128) {
      std::string t = Tag("X", "", "", "", "", 0);
      if (!c.tag) t.replace(0, 3, "tag");
      bytes.replace(c.size - 128, 128, t);
    }
    std::string p = Write("f" + std::to_string(k++) + ".dat", bytes);
    SongInfoRecord r = GetMp3Info(p);
    SCOPED_TRACE(c.size);
    EXPECT_EQ(r.FileLength, static_cast<int32_t>(c.size));
    EXPECT_EQ(r.HasTag, c.hasTag);
    EXPECT_EQ(r.Title, c.titleIsPath ? p : (c.hasTag ? "X" : ""));
  }
}

TEST_F(SongInfoFiles, UnnamedGenresReadEmptyAndKeepTheirByte) {
  for (int g : {126, 148, 200, 255}) {
    SongInfoRecord r = GetMp3Info(Write("g.dat", std::string(200, 0) + Tag("", "", "", "", "", g)));
    EXPECT_EQ(r.Genre, "") << g;
    EXPECT_EQ(r.GenreByte, g);
  }
}

TEST_F(SongInfoFiles, MissingFileIsReportedOnlyForTheCurrentSong) {
  std::string missing = (dir_ / "gone.mp3").string();
  std::vector<std::string> reports;
  SongInfoContext ctx;
  ctx.ReportMissingCurrent = [&](const std::string& m) { reports.push_back(m); };
  ctx.CurrentFile = (dir_ / "other.mp3").string();
  SongInfoRecord r = GetMp3Info(missing, ctx);
  EXPECT_TRUE(reports.empty());
  EXPECT_FALSE(r.HasTag);
  EXPECT_EQ(r.FileLength, 0);
  EXPECT_EQ(r.Title, "");
  ctx.CurrentFile = missing;
  GetMp3Info(missing, ctx);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], "File not Found: " + missing);
  // An empty name is a fresh record with no report, even as current file.
  ctx.CurrentFile = "";
  r = GetMp3Info("", ctx);
  EXPECT_EQ(reports.size(), 1u);
  EXPECT_EQ(r.FileLength, 0);
}

TEST_F(SongInfoFiles, StreamFactsOnlyForMpegNames) {
  vorne::mp3info::Mp3Properties p;
  p.Valid = 0;
  p.BitRate = 128000;
  p.SampleRate = 44100;
  p.ChannelMode = 1;
  p.Copyright = true;
  p.Layer = 3;
  p.MpegVersion = 1;
  p.FrameCount = 100;
  p.MsPerFrame = 26.5f;
  p.Crc = false;
  p.Duration = 2612;
  std::vector<std::string> asked;
  SongInfoContext ctx;
  ctx.QueryStream = [&](const std::string& path) { asked.push_back(path); return p; };
  const std::pair<const char*, bool> names[] = {{"a.mp3", true}, {"b.MP3", true}, {"c.mp2", true},
                                                {"d.mpg", true}, {"e.wav", false}, {"fmp3", false}};
  for (const auto& [name, facts] : names) {
    SongInfoRecord r = GetMp3Info(Write(name, std::string(300, 0)), ctx);
    SCOPED_TRACE(name);
    EXPECT_EQ(r.BitRate, facts ? 128000 : 0);
    if (!facts) continue;
    EXPECT_EQ(r.Frequency, 44100);
    EXPECT_EQ(r.ChannelMode, "1");
    EXPECT_EQ(r.Copyrighted, "True");
    EXPECT_EQ(r.Original, "False");
    EXPECT_EQ(r.Layer, "3");
    EXPECT_EQ(r.StreamCheck, "0");
    EXPECT_EQ(r.MpegVersion, "1");
    EXPECT_EQ(r.FrameCount, 100);
    EXPECT_EQ(r.FrameMs, 26);  // 26.5 rounds to even
    EXPECT_EQ(r.Checksums, "False");
    EXPECT_EQ(r.Duration, 2612);
  }
  EXPECT_EQ(asked.size(), 4u);
  // A stream the control rejects leaves every fact empty.
  p.Valid = -1;
  SongInfoRecord r = GetMp3Info(Write("bad.mp3", std::string(300, 0)), ctx);
  EXPECT_EQ(r.BitRate, 0);
  EXPECT_EQ(r.StreamCheck, "");
  EXPECT_EQ(r.FileLength, 300);
}

#ifndef _WIN32
// A tag written by the encoder reads back with its fields, track and genre.
TEST_F(SongInfoFiles, ReadsTheEncodersTag) {
  if (std::system("command -v lame >/dev/null 2>&1 && command -v sox >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "lame or sox missing";
  std::string wav = (dir_ / "in.wav").string();
  std::string mp3 = (dir_ / "tagged.mp3").string();
  ASSERT_EQ(std::system(("sox -n -r 44100 -c 1 -b 16 '" + wav + "' synth 1 sine 440").c_str()), 0);
  ASSERT_EQ(std::system(("lame --quiet -b 64 --id3v1-only --tt 'A Title' --ta Artist --tl Album --ty 1999 "
                         "--tc 'Short note' --tn 5 --tg 'Hard Rock' '" + wav + "' '" + mp3 + "'").c_str()),
            0);
  SongInfoRecord r = GetMp3Info(mp3);
  EXPECT_TRUE(r.HasTag);
  EXPECT_EQ(r.Title, "A Title");
  EXPECT_EQ(r.Artist, "Artist");
  EXPECT_EQ(r.Album, "Album");
  EXPECT_EQ(r.Year, "1999");
  EXPECT_EQ(r.Comment, "Short note");
  EXPECT_EQ(r.TrackNumber, 5);
  EXPECT_EQ(r.Genre, "Hard Rock");
  EXPECT_EQ(r.GenreByte, 79);
  EXPECT_EQ(r.FileLength, static_cast<int32_t>(fs::file_size(mp3)));
  EXPECT_EQ(r.BitRate, 64000);
  EXPECT_EQ(r.Frequency, 44100);
  EXPECT_EQ(r.ChannelMode, "3");
  EXPECT_EQ(r.Layer, "3");
  EXPECT_EQ(r.MpegVersion, "1");
  EXPECT_EQ(r.StreamCheck, "0");
  EXPECT_EQ(r.FrameMs, 26);
  EXPECT_NEAR(r.Duration, 1000, 60);
}
#endif

}  // namespace
}  // namespace vorne::player::core
