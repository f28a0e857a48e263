// Canonical PCM RIFF/WAVE files: the 44-byte header, a writer that keeps
// the header's two sizes right whenever writing ends, and a reader of the
// format chunk and data chunk for checking what was written. Window-free.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace vorne::mp3info {

constexpr size_t kWaveHeaderBytes = 44;

// The header of a 16-bit PCM file holding dataBytes of samples. A data size
// that does not fit the RIFF size field is clamped to the largest that does.
std::array<uint8_t, kWaveHeaderBytes> MakeWaveHeader(uint32_t sampleRate, uint16_t channels,
                                                     uint64_t dataBytes);

struct WaveFacts {
  uint16_t format = 0;       // 1 for PCM
  uint16_t channels = 0;
  uint32_t sampleRate = 0;
  uint16_t bitsPerSample = 0;
  uint64_t dataOffset = 0;   // of the first sample byte
  uint64_t dataBytes = 0;    // as far as the buffer holds them
};

// Walks the chunks of a RIFF/WAVE buffer; nothing when it is no such file
// or has no format or data chunk. A data size beyond the buffer is cut to it.
std::optional<WaveFacts> ParseWave(const uint8_t* data, size_t size);

// Writes one wave file. The header goes out first with zero sizes; Finish
// (and the destructor) write the true sizes, so the file is valid however
// writing ends.
class WaveWriter {
 public:
  WaveWriter() = default;
  ~WaveWriter() { Finish(); }
  WaveWriter(const WaveWriter&) = delete;
  WaveWriter& operator=(const WaveWriter&) = delete;

  // Creates (or replaces) the file named in ANSI text.
  bool Open(const std::string& path, uint32_t sampleRate, uint16_t channels);
  bool IsOpen() const { return file_ != nullptr; }
  // Appends sample bytes; false once a write has failed.
  bool Write(const void* bytes, size_t n);
  // Moves the write position to sample byte offset (a seek of the source):
  // backwards over what was written, which stays in the file; forwards past
  // its end with silence in between, so each sample keeps its own time.
  bool SeekData(uint64_t offset);
  uint64_t DataBytes() const { return dataBytes_; }
  // Patches the sizes and closes; true when every write and the patch
  // succeeded. Does nothing when no file is open.
  bool Finish();

 private:
  std::FILE* file_ = nullptr;
  uint32_t sampleRate_ = 0;
  uint16_t channels_ = 0;
  uint64_t pos_ = 0;        // write position within the data
  uint64_t dataBytes_ = 0;  // highest data byte written
  bool ok_ = true;
};

}  // namespace vorne::mp3info
