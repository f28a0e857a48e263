// Throughput of the wave output: decodes one song to a wave file a few
// times through the platform decoder and prints the best time.
//   vorne_wave_output_bench song.mp3 [runs]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/mp3info/acm_decoder.h"
#include "platform/mp3info/wave_output.h"
#include "runtime/text/ansi.h"

int main(int argc, char** argv) {
  using namespace vorne::mp3;
  if (argc < 2) {
    std::fprintf(stderr, "usage: vorne_wave_output_bench song.mp3 [runs]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  const std::string target = "vorne_wave_output_bench.wav";
  LARGE_INTEGER freq, a, b;
  QueryPerformanceFrequency(&freq);
  double best = 1e30;
  uint64_t bytes = 0;
  for (int i = 0; i < runs; ++i) {
    QueryPerformanceCounter(&a);
    WaveOutputJob job(std::make_unique<AcmDecoder>());
    if (job.Open(argv[1], target) != kOpenOk) {
      std::fprintf(stderr, "cannot open %s\n", argv[1]);
      return 1;
    }
    job.Start();
    StepResult r;
    while ((r = job.Step(40)) == StepResult::Progress) {
    }
    QueryPerformanceCounter(&b);
    if (r != StepResult::Done) return 1;
    const double s = static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(freq.QuadPart);
    if (s < best) best = s;
    bytes = static_cast<uint64_t>(job.Length()) * 1152u * job.Channels() * 2u;
  }
  vorne::text::RemoveFile(target);
  std::printf("vorne_seconds %.6f\nvorne_bytes %llu\n", best, static_cast<unsigned long long>(bytes));
  return 0;
}
