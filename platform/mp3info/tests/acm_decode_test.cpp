// The decoding half under Wine: the platform's decoder against mpg123's
// decoding of the same songs (made at build time), and the control's
// events as a host sees them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/mp3info/acm_decoder.h"
#include "platform/mp3info/mp3_dispatch.h"
#include "platform/mp3info/mp3_events.h"
#include "platform/mp3info/mp3_properties.h"
#include "platform/mp3info/wave_output.h"
#include "runtime/com/late_bound.h"
#include "runtime/text/ansi.h"

namespace vorne::mp3info {
namespace {

std::vector<uint8_t> Slurp(const std::string& path) {
  std::vector<uint8_t> d;
  ReadWholeFile(path, d);
  return d;
}

// MPEG 1, 2 and 2.5 layer 3 from lame; MPEG 1 layer 2 from twolame.
const char* const kSongs[] = {"m1_stereo_cbr.mp3", "m1_mono_vbr.mp3",      "m1_stereo_vbr.mp3",
                              "m2_stereo_cbr.mp3", "m2_mono_vbr.mp3",      "m25_stereo_cbr.mp3",
                              "m1_layer2_stereo.mp2", "m1_layer2_mono.mp2"};

std::string Stem(const std::string& file) { return file.substr(0, file.rfind('.')); }

class AcmDecodeTest : public ::testing::TestWithParam<const char*> {
 protected:
  std::string target_ = std::string("acm \xe9 ") + Stem(GetParam()) + ".wav";
  void TearDown() override { vorne::text::RemoveFile(target_); }
};

TEST_P(AcmDecodeTest, MatchesMpg123SampleBySample) {
  const std::string name = GetParam();
  WaveOutputJob job(std::make_unique<AcmDecoder>());
  ASSERT_EQ(job.Open("songs/" + name, target_), kOpenOk);
  job.Start();
  StepResult r;
  while ((r = job.Step(40)) == StepResult::Progress) {
  }
  ASSERT_EQ(r, StepResult::Done);

  const auto ours = Slurp(target_);
  const auto ref = Slurp("songs/" + Stem(name) + ".ref.wav");
  auto o = ParseWave(ours.data(), ours.size());
  auto f = ParseWave(ref.data(), ref.size());
  ASSERT_TRUE(o && f);
  EXPECT_EQ(o->sampleRate, f->sampleRate);
  EXPECT_EQ(o->channels, f->channels);
  EXPECT_EQ(o->bitsPerSample, 16);
  ASSERT_EQ(o->dataBytes, f->dataBytes);
  const auto* a = reinterpret_cast<const int16_t*>(ours.data() + o->dataOffset);
  const auto* b = reinterpret_cast<const int16_t*>(ref.data() + f->dataOffset);
  const size_t n = static_cast<size_t>(o->dataBytes / 2);
  size_t worstAt = 0;
  int worst = 0;
  for (size_t i = 0; i < n; ++i) {
    const int d = std::abs(int{a[i]} - int{b[i]});
    if (d > worst) {
      worst = d;
      worstAt = i;
    }
  }
  EXPECT_LE(worst, 2) << "at sample " << worstAt << " of " << n;
}

INSTANTIATE_TEST_SUITE_P(EncodedSongs, AcmDecodeTest, ::testing::ValuesIn(kSongs),
                         [](const ::testing::TestParamInfo<const char*>& i) {
                           std::string n = i.param;
                           n[n.rfind('.')] = '_';
                           return n;
                         });

// The control as the wave output dialog drives it.
class Recorder : public Mp3Events {
 public:
  void Progress(long position) override { positions.push_back(position); }
  void Done() override { ++done; }
  std::vector<long> positions;
  int done = 0;
};

class OutputControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    ASSERT_EQ(CreateMp3InfoControl(&control_), S_OK);
    ASSERT_EQ(events_.Connect(control_, &rec_), S_OK);
  }
  void TearDown() override {
    events_.Disconnect();
    if (control_) control_->Release();
    vorne::text::RemoveFile(target_);
    CoUninitialize();
  }
  long Open(const std::string& source, const std::string& target) {
    VARIANT a = com::TextArg(source), b = com::TextArg(target);
    com::Variant r;
    HRESULT hr = com::CallMethod(control_, kDispOpen, {a, b}, &r);
    VariantClear(&a);
    VariantClear(&b);
    EXPECT_EQ(hr, S_OK);
    return r.AsLong(-99);
  }
  long Length() {
    com::Variant r;
    com::GetProperty(control_, kDispFrameCount, &r);
    return r.AsLong(-1);
  }
  // Runs the message loop until pred holds or ms pass.
  template <class Pred>
  bool PumpUntil(Pred pred, DWORD ms = 20000) {
    const DWORD until = GetTickCount() + ms;
    while (!pred() && GetTickCount() < until) {
      MSG m;
      if (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&m);  // one at a time, so pred sees each event
      else
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return pred();
  }
  IDispatch* control_ = nullptr;
  Recorder rec_;
  Mp3EventsConnection events_;
  // A typographic apostrophe in the name; one file per test.
  std::string target_ = std::string("control out \x92 ") +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".wav";
};

TEST_F(OutputControlTest, WritesASongAndReportsFromTheMessageLoop) {
  ASSERT_EQ(Open("songs/m1_stereo_cbr.mp3", target_), 0);
  const long length = Length();
  const auto idx = [] {
    auto d = Slurp("songs/m1_stereo_cbr.mp3");
    return BuildFrameIndex(d.data(), d.size());
  }();
  EXPECT_EQ(length, static_cast<long>(idx.frames.size()));
  ASSERT_EQ(com::CallMethod(control_, kDispStart), S_OK);
  // Nothing is raised inside the call that started the work.
  EXPECT_TRUE(rec_.positions.empty());
  EXPECT_EQ(rec_.done, 0);
  ASSERT_TRUE(PumpUntil([&] { return rec_.done > 0; }));
  EXPECT_EQ(rec_.done, 1);
  ASSERT_FALSE(rec_.positions.empty());
  for (size_t i = 1; i < rec_.positions.size(); ++i) EXPECT_GT(rec_.positions[i], rec_.positions[i - 1]);
  EXPECT_EQ(rec_.positions.back(), length);
  EXPECT_EQ(Length(), length);  // the length stays readable after the end
  const auto d = Slurp(target_);
  auto f = ParseWave(d.data(), d.size());
  ASSERT_TRUE(f);
  EXPECT_EQ(f->dataBytes, static_cast<uint64_t>(length) * 1152 * 4);
}

TEST_F(OutputControlTest, StopAndSeekWhileWriting) {
  ASSERT_EQ(Open("songs/m1_stereo_cbr.mp3", target_), 0);
  com::CallMethod(control_, kDispStart);
  ASSERT_TRUE(PumpUntil([&] { return !rec_.positions.empty(); }));
  const long first = rec_.positions.back();
  ASSERT_EQ(first, 40);
  // Back to frame 10: the next slice goes on from there.
  ASSERT_EQ(com::CallMethod(control_, kDispSeek, {com::LongArg(10)}), S_OK);
  ASSERT_TRUE(PumpUntil([&] { return rec_.positions.size() > 1; }));
  EXPECT_EQ(rec_.positions.back(), 50);
  ASSERT_EQ(com::CallMethod(control_, kDispClose), S_OK);
  const size_t seen = rec_.positions.size();
  PumpUntil([] { return false; }, 300);  // nothing more after a stop
  EXPECT_EQ(rec_.positions.size(), seen);
  EXPECT_EQ(rec_.done, 0);
  const auto d = Slurp(target_);
  auto f = ParseWave(d.data(), d.size());
  ASSERT_TRUE(f);
  EXPECT_EQ(f->dataBytes, static_cast<uint64_t>(rec_.positions.back()) * 1152 * 4);
}

TEST_F(OutputControlTest, AFailedOpenIsReportedAndStartsNothing) {
  EXPECT_NE(Open("songs/no such song.mp3", target_), 0);
  EXPECT_NE(Open("songs/m1_stereo_cbr.mp3", "no such folder\\x.wav"), 0);
  // A file with no MPEG audio in it at all (zeros hold no frame sync).
  const std::string silent = target_ + ".none.mp3";
  if (std::FILE* f = vorne::text::OpenFile(silent, "wb")) {
    const std::vector<char> zeros(65536, 0);
    std::fwrite(zeros.data(), 1, zeros.size(), f);
    std::fclose(f);
  }
  EXPECT_NE(Open(silent, target_), 0);
  vorne::text::RemoveFile(silent);
  com::CallMethod(control_, kDispStart);
  PumpUntil([&] { return rec_.done > 0; }, 300);
  EXPECT_EQ(rec_.done, 0);
  EXPECT_TRUE(rec_.positions.empty());
  // The information half still answers with one argument.
  VARIANT a = com::TextArg("songs/m2_mono_vbr.mp3");
  EXPECT_EQ(com::CallMethod(control_, kDispOpen, {a}), S_OK);
  VariantClear(&a);
  com::Variant rate;
  com::GetProperty(control_, kDispSampleRate, &rate);
  EXPECT_EQ(rate.AsLong(), 16000);
}

}  // namespace
}  // namespace vorne::mp3info
