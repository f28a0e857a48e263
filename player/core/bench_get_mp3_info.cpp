// GetMp3Info reads a bounded number of bytes whatever the file size:
// reports bytes read and time per call for a 10 MB file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/mp3info/mpeg_audio.h"
#include "player/core/song_info.h"

namespace {

std::string MakeFile(size_t bytes) {
  std::string path = (std::filesystem::temp_directory_path() / ("vorne_bench_" + std::to_string(bytes) + ".mp3")).string();
  // Frames of MPEG 1 layer 3, 128 kbit/s, 44.1 kHz without padding.
  const unsigned char hdr[4] = {0xFF, 0xFB, 0x90, 0x40};
  std::vector<char> frame(417, 0);
  for (int i = 0; i < 4; ++i) frame[static_cast<size_t>(i)] = static_cast<char>(hdr[i]);
  std::ofstream f(path, std::ios::binary);
  size_t written = 0;
  while (written + frame.size() <= bytes) {
    f.write(frame.data(), static_cast<std::streamsize>(frame.size()));
    written += frame.size();
  }
  return path;
}

void BM_GetMp3Info(benchmark::State& state) {
  std::string path = MakeFile(static_cast<size_t>(state.range(0)));
  uint64_t bytes = 0;
  for (auto _ : state) {
    vorne::mp3info::StreamInfo info = vorne::mp3info::AnalyzeFile(path);
    bytes = info.bytesRead;
    vorne::player::core::SongInfoRecord r = vorne::player::core::GetMp3Info(path);
    benchmark::DoNotOptimize(r);
  }
  // Stream analysis plus the 128-byte tag read of GetMp3Info.
  state.counters["bytes_read_per_call"] = static_cast<double>(bytes + vorne::player::core::kId3v1Size);
  state.counters["file_bytes"] = static_cast<double>(state.range(0));
  std::remove(path.c_str());
}
BENCHMARK(BM_GetMp3Info)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
