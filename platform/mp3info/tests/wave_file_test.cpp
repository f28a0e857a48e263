#include "platform/mp3info/wave_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/mp3info/wave_output.h"
#include "runtime/text/ansi.h"

namespace vorne::mp3info {
namespace {

std::vector<uint8_t> Slurp(const std::string& path) {
  std::vector<uint8_t> d;
  EXPECT_TRUE(ReadWholeFile(path, d)) << path;
  return d;
}

TEST(WaveHeader, RoundTripsThroughTheReader) {
  struct Case { uint32_t rate; uint16_t ch; uint64_t bytes; };
  for (const Case& c : {Case{44100, 2, 0}, Case{8000, 1, 4000}, Case{48000, 2, 1u << 20}}) {
    std::vector<uint8_t> file(kWaveHeaderBytes + c.bytes, 0);
    const auto h = MakeWaveHeader(c.rate, c.ch, c.bytes);
    std::copy(h.begin(), h.end(), file.begin());
    auto f = ParseWave(file.data(), file.size());
    ASSERT_TRUE(f);
    EXPECT_EQ(f->format, 1);
    EXPECT_EQ(f->sampleRate, c.rate);
    EXPECT_EQ(f->channels, c.ch);
    EXPECT_EQ(f->bitsPerSample, 16);
    EXPECT_EQ(f->dataOffset, kWaveHeaderBytes);
    EXPECT_EQ(f->dataBytes, c.bytes);
    // Byte rate and block align of a canonical header.
    EXPECT_EQ(h[28] | h[29] << 8 | h[30] << 16 | h[31] << 24, static_cast<int>(c.rate * c.ch * 2));
    EXPECT_EQ(h[32], c.ch * 2);
  }
}

TEST(WaveHeader, ReaderRefusesWhatIsNoWave) {
  const std::string junk = "RIFX....WAVEfmt ";
  EXPECT_FALSE(ParseWave(reinterpret_cast<const uint8_t*>(junk.data()), junk.size()));
  EXPECT_FALSE(ParseWave(nullptr, 0));
  // A data chunk before any format chunk, and a format chunk cut short.
  auto h = MakeWaveHeader(44100, 2, 0);
  std::vector<uint8_t> noFmt(h.begin(), h.begin() + 12);
  const uint8_t data[] = {'d', 'a', 't', 'a', 0, 0, 0, 0};
  noFmt.insert(noFmt.end(), data, data + 8);
  EXPECT_FALSE(ParseWave(noFmt.data(), noFmt.size()));
  EXPECT_FALSE(ParseWave(h.data(), 30));
}

class WaveWriterTest : public ::testing::Test {
 protected:
  // A name with characters beyond ASCII that every ANSI code page of the
  // west has.
  std::string path_ = std::string("wave \xe9t\xe9 ") +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".wav";
  void TearDown() override { vorne::text::RemoveFile(path_); }
};

TEST_F(WaveWriterTest, SizesArePatchedHoweverWritingEnds) {
  const std::vector<uint8_t> pcm(1000, 7);
  {
    WaveWriter w;
    ASSERT_TRUE(w.Open(path_, 22050, 1));
    ASSERT_TRUE(w.Write(pcm.data(), pcm.size()));
    // No Finish: the writer goes out of scope mid-song.
  }
  auto d = Slurp(path_);
  ASSERT_EQ(d.size(), kWaveHeaderBytes + 1000);
  auto f = ParseWave(d.data(), d.size());
  ASSERT_TRUE(f);
  EXPECT_EQ(f->dataBytes, 1000u);
  EXPECT_EQ(d[4] | d[5] << 8, 1000 + 36);

  // An empty file is a valid wave too.
  WaveWriter w;
  ASSERT_TRUE(w.Open(path_, 44100, 2));
  EXPECT_TRUE(w.Finish());
  d = Slurp(path_);
  f = ParseWave(d.data(), d.size());
  ASSERT_TRUE(f);
  EXPECT_EQ(f->dataBytes, 0u);
  EXPECT_FALSE(w.Finish());  // nothing open any more
}

TEST_F(WaveWriterTest, SeeksKeepEverySampleAtItsTime) {
  WaveWriter w;
  ASSERT_TRUE(w.Open(path_, 8000, 1));
  const std::vector<uint8_t> a(100, 1), b(10, 2), c(4, 3);
  w.Write(a.data(), a.size());
  w.SeekData(20);  // back: the rest stays
  w.Write(b.data(), b.size());
  w.SeekData(200);  // forward past the end: silence between
  w.Write(c.data(), c.size());
  ASSERT_TRUE(w.Finish());
  auto d = Slurp(path_);
  auto f = ParseWave(d.data(), d.size());
  ASSERT_TRUE(f);
  ASSERT_EQ(f->dataBytes, 204u);
  const uint8_t* s = d.data() + f->dataOffset;
  EXPECT_EQ(s[19], 1);
  EXPECT_EQ(s[20], 2);
  EXPECT_EQ(s[29], 2);
  EXPECT_EQ(s[30], 1);
  EXPECT_EQ(s[99], 1);
  EXPECT_EQ(s[100], 0);
  EXPECT_EQ(s[199], 0);
  EXPECT_EQ(s[200], 3);
}

TEST_F(WaveWriterTest, AnUnwritableTargetFailsToOpen) {
  WaveWriter w;
  EXPECT_FALSE(w.Open("no such folder/x.wav", 44100, 2));
  EXPECT_FALSE(w.IsOpen());
  EXPECT_FALSE(w.Write("x", 1));
}

}  // namespace
}  // namespace vorne::mp3info
