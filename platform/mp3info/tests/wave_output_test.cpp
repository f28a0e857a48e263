#include "platform/mp3info/wave_output.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "runtime/text/ansi.h"

namespace vorne::mp3info {
namespace {

// lame's songs (.mp3) begin with an Info/Xing frame; twolame's (.mp2) not.
const char* const kSongs[] = {"m1_stereo_cbr.mp3", "m1_mono_vbr.mp3",      "m1_stereo_vbr.mp3",
                              "m2_stereo_cbr.mp3", "m2_mono_vbr.mp3",      "m25_stereo_cbr.mp3",
                              "m1_layer2_stereo.mp2", "m1_layer2_mono.mp2"};

std::string Song(const std::string& name) {
  return "songs/" + name + (name.find('.') == std::string::npos ? ".mp3" : "");
}
std::string Reference(const std::string& file) { return "songs/" + file.substr(0, file.rfind('.')) + ".ref.wav"; }
bool FromLame(const std::string& file) { return file.size() > 4 && file.compare(file.size() - 4, 4, ".mp3") == 0; }

std::vector<uint8_t> Slurp(const std::string& path) {
  std::vector<uint8_t> d;
  ReadWholeFile(path, d);
  return d;
}

// Stands in for the platform decoder: each frame becomes a frame's worth of
// samples that all hold the frame's number, so a test can tell which frame
// landed where. It can be told to fail at a given frame.
class NumberingDecoder : public FrameDecoder {
 public:
  explicit NumberingDecoder(int failAt = -1) : failAt_(failAt) {}
  bool Open(const FrameHeader& first) override {
    first_ = first;
    return true;
  }
  bool Decode(const uint8_t* bytes, size_t n, bool, std::vector<uint8_t>& pcm) override {
    size_t pos = 0;
    while (pos + 4 <= n) {
      auto h = ParseFrameHeader(bytes + pos, n - pos);
      if (!h) return false;
      if (frame_ == failAt_) return false;
      const size_t samples = static_cast<size_t>(h->samplesPerFrame) * (h->channelMode == kMono ? 1 : 2);
      for (size_t i = 0; i < samples; ++i) {
        pcm.push_back(static_cast<uint8_t>(frame_));
        pcm.push_back(static_cast<uint8_t>(frame_ >> 8));
      }
      ++frame_;
      pos += static_cast<size_t>(h->frameBytes);
    }
    return pos == n;
  }
  void Reset() override { frame_ = -1; }  // the job tells where it goes on
  int frame_ = 0;

 private:
  FrameHeader first_;
  int failAt_;
};

class WaveOutputTest : public ::testing::Test {
 protected:
  std::string target_ = std::string("wave output \xe9 ") +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".wav";
  void TearDown() override { vorne::text::RemoveFile(target_); }
  static WaveFacts Facts(const std::vector<uint8_t>& d) {
    auto f = ParseWave(d.data(), d.size());
    EXPECT_TRUE(f);
    return f ? *f : WaveFacts{};
  }
};

TEST(FrameIndex, CountsTheFramesMpg123DecodesAndNotTheEncodersInfoFrame) {
  for (const char* name : kSongs) {
    SCOPED_TRACE(name);
    const auto mp3 = Slurp(Song(name));
    const auto ref = Slurp(Reference(name));
    ASSERT_FALSE(mp3.empty());
    const auto idx = BuildFrameIndex(mp3.data(), mp3.size());
    ASSERT_TRUE(idx.valid);
    auto rf = ParseWave(ref.data(), ref.size());
    ASSERT_TRUE(rf);
    const uint64_t refSamples = rf->dataBytes / (2u * rf->channels);
    EXPECT_EQ(idx.frames.size() * static_cast<uint64_t>(idx.first.samplesPerFrame), refSamples);
    EXPECT_EQ(static_cast<uint32_t>(idx.first.sampleRate), rf->sampleRate);
    const auto info = AnalyzeBuffer(mp3.data(), mp3.size());
    if (FromLame(name)) {
      // lame's first frame carries the Info/Xing header: it is skipped.
      EXPECT_EQ(info.countSource, FrameCountSource::Xing);
      EXPECT_GT(idx.frames.front().offset, info.audioStart);
      EXPECT_EQ(idx.frames.size(), info.frameCount);
    } else {
      EXPECT_EQ(idx.frames.front().offset, info.audioStart);
    }
  }
}

TEST(FrameIndex, PicksUpAfterDamageAndStopsBeforeACutFrameAndTheTag) {
  auto mp3 = Slurp(Song("m1_stereo_cbr"));
  const auto clean = BuildFrameIndex(mp3.data(), mp3.size());
  ASSERT_TRUE(clean.valid);
  // Junk between frames 10 and 11.
  std::vector<uint8_t> damaged(mp3.begin(), mp3.begin() + static_cast<ptrdiff_t>(clean.frames[11].offset));
  damaged.insert(damaged.end(), {0x12, 0xFF, 0x00, 0x34, 0xFF, 0xFB});
  damaged.insert(damaged.end(), mp3.begin() + static_cast<ptrdiff_t>(clean.frames[11].offset), mp3.end());
  auto idx = BuildFrameIndex(damaged.data(), damaged.size());
  EXPECT_EQ(idx.frames.size(), clean.frames.size());
  // The last frame cut in half, then an ID3v1 tag.
  std::vector<uint8_t> cut(mp3.begin(), mp3.end() - clean.frames.back().bytes / 2);
  std::vector<uint8_t> tag(128, ' ');
  std::memcpy(tag.data(), "TAG", 3);
  cut.insert(cut.end(), tag.begin(), tag.end());
  idx = BuildFrameIndex(cut.data(), cut.size());
  EXPECT_EQ(idx.frames.size(), clean.frames.size() - 1);
  EXPECT_FALSE(BuildFrameIndex(tag.data(), tag.size()).valid);
}

TEST_F(WaveOutputTest, WritesEveryFrameWithTheSourcesRateAndChannels) {
  WaveOutputJob job(std::make_unique<NumberingDecoder>());
  ASSERT_EQ(job.Open(Song("m2_mono_vbr"), target_), kOpenOk);
  EXPECT_EQ(job.Step(10), StepResult::Idle);  // not started
  job.Start();
  int slices = 0;
  StepResult r;
  while ((r = job.Step(7)) == StepResult::Progress) ++slices;
  EXPECT_EQ(r, StepResult::Done);
  EXPECT_EQ(job.Position(), job.Length());
  EXPECT_EQ(slices, (job.Length() - 1) / 7);
  auto f = Facts(Slurp(target_));
  EXPECT_EQ(f.sampleRate, 16000u);
  EXPECT_EQ(f.channels, 1);
  EXPECT_EQ(f.dataBytes, static_cast<uint64_t>(job.Length()) * 576 * 2);
}

TEST_F(WaveOutputTest, StopAndAnErrorMidSongLeaveAValidFile) {
  {
    WaveOutputJob job(std::make_unique<NumberingDecoder>());
    ASSERT_EQ(job.Open(Song("m1_stereo_cbr"), target_), kOpenOk);
    job.Start();
    EXPECT_EQ(job.Step(5), StepResult::Progress);
    job.Stop();
    EXPECT_FALSE(job.Running());
    EXPECT_EQ(job.Step(5), StepResult::Idle);
    EXPECT_EQ(Facts(Slurp(target_)).dataBytes, 5u * 1152 * 4);
  }
  {
    WaveOutputJob job(std::make_unique<NumberingDecoder>(12));
    ASSERT_EQ(job.Open(Song("m1_stereo_cbr"), target_), kOpenOk);
    job.Start();
    EXPECT_EQ(job.Step(10), StepResult::Progress);
    EXPECT_EQ(job.Step(10), StepResult::Failed);
    EXPECT_FALSE(job.IsOpen());
    EXPECT_EQ(Facts(Slurp(target_)).dataBytes, 10u * 1152 * 4);
  }
  {
    // Dropped while writing (the dialog closes).
    WaveOutputJob job(std::make_unique<NumberingDecoder>());
    ASSERT_EQ(job.Open(Song("m1_stereo_cbr"), target_), kOpenOk);
    job.Start();
    job.Step(3);
  }
  EXPECT_EQ(Facts(Slurp(target_)).dataBytes, 3u * 1152 * 4);
}

TEST_F(WaveOutputTest, ASeekMovesTheFramePositionAndTheFilePosition) {
  auto* dec = new NumberingDecoder();
  WaveOutputJob job{std::unique_ptr<FrameDecoder>(dec)};
  ASSERT_EQ(job.Open(Song("m1_stereo_cbr"), target_), kOpenOk);
  job.Start();
  job.Step(4);
  job.Seek(50);
  dec->frame_ = 50;  // the stand-in learns where it is
  EXPECT_EQ(job.Position(), 50);
  job.Step(1);
  EXPECT_EQ(job.Position(), 51);
  job.Seek(-3);
  EXPECT_EQ(job.Position(), 0);
  job.Seek(1 << 30);
  EXPECT_EQ(job.Position(), job.Length());
  EXPECT_EQ(job.Step(10), StepResult::Done);
  const auto d = Slurp(target_);
  const auto f = Facts(d);
  const size_t frameBytes = 1152 * 4;
  // The jump to the end filled the rest with silence.
  ASSERT_EQ(f.dataBytes, static_cast<uint64_t>(job.Length()) * frameBytes);
  const uint8_t* s = d.data() + f.dataOffset;
  EXPECT_EQ(s[3 * frameBytes], 3);
  EXPECT_EQ(s[4 * frameBytes], 0);  // skipped over: silence
  EXPECT_EQ(s[50 * frameBytes], 50);
  EXPECT_EQ(s[51 * frameBytes], 0);
}

TEST_F(WaveOutputTest, OpenTellsWhatFailed) {
  WaveOutputJob job(std::make_unique<NumberingDecoder>());
  EXPECT_EQ(job.Open("songs/none such.mp3", target_), kOpenNoSource);
  EXPECT_EQ(job.OpenBytes(std::vector<uint8_t>(5000, 0x20), target_), kOpenNoAudio);
  EXPECT_EQ(job.Open(Song("m1_stereo_cbr"), "no such folder/x.wav"), kOpenNoTarget);
  EXPECT_FALSE(job.IsOpen());
  job.Start();
  EXPECT_FALSE(job.Running());
  WaveOutputJob none(nullptr);
  EXPECT_EQ(none.Open(Song("m1_stereo_cbr"), target_), kOpenNoDecoder);
}

}  // namespace
}  // namespace vorne::mp3info
