// Throughput of the wave output: decodes one song to a wave file a few
// times through the platform decoder and prints the best time, with where
// the best run's time went: reading and indexing the song, the decoder's
// calls (the platform's conversion and the copy of its samples), and the
// rest of the slices (gathering the frames, writing the file).
//   vorne_wave_output_bench song.mp3 [runs]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/mp3info/acm_decoder.h"
#include "platform/mp3info/wave_output.h"
#include "runtime/text/ansi.h"

namespace {

double Now() {
  static const double perSecond = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / perSecond;
}

// The decoder with the time spent in its calls counted.
class TimedDecoder : public vorne::mp3info::FrameDecoder {
 public:
  explicit TimedDecoder(double& seconds) : seconds_(seconds) {}
  bool Open(const vorne::mp3info::FrameHeader& first) override { return inner_.Open(first); }
  bool Decode(const uint8_t* bytes, size_t n, bool last, std::vector<uint8_t>& pcm) override {
    const double t = Now();
    const bool ok = inner_.Decode(bytes, n, last, pcm);
    seconds_ += Now() - t;
    return ok;
  }
  void Reset() override { inner_.Reset(); }

 private:
  vorne::mp3info::AcmDecoder inner_;
  double& seconds_;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace vorne::mp3info;
  if (argc < 2) {
    std::fprintf(stderr, "usage: vorne_wave_output_bench song.mp3 [runs]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  const std::string target = "vorne_wave_output_bench.wav";
  double best = 1e30, bestOpen = 0, bestDecode = 0;
  uint64_t bytes = 0;
  for (int i = 0; i < runs; ++i) {
    double decode = 0;
    const double a = Now();
    WaveOutputJob job(std::make_unique<TimedDecoder>(decode));
    if (job.Open(argv[1], target) != kOpenOk) {
      std::fprintf(stderr, "cannot open %s\n", argv[1]);
      return 1;
    }
    const double opened = Now();
    job.Start();
    StepResult r;
    while ((r = job.Step(40)) == StepResult::Progress) {
    }
    const double b = Now();
    if (r != StepResult::Done) return 1;
    if (b - a < best) {
      best = b - a;
      bestOpen = opened - a;
      bestDecode = decode;
    }
    bytes = static_cast<uint64_t>(job.Length()) * 1152u * job.Channels() * 2u;
  }
  vorne::text::RemoveFile(target);
  std::printf("vorne_seconds %.6f\nvorne_bytes %llu\n", best, static_cast<unsigned long long>(bytes));
  std::printf("vorne_open_seconds %.6f\nvorne_decode_seconds %.6f\nvorne_rest_seconds %.6f\n", bestOpen, bestDecode,
              best - bestOpen - bestDecode);
  return 0;
}
