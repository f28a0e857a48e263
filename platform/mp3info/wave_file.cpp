#include "platform/mp3info/wave_file.h"

#include <algorithm>
#include <cstring>

#include "runtime/text/ansi.h"

namespace vorne::mp3info {
namespace {

void Put16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
  Put16(p, v & 0xFFFF);
  Put16(p + 2, v >> 16);
}
uint32_t Get16(const uint8_t* p) { return uint32_t{p[0]} | uint32_t{p[1]} << 8; }
uint32_t Get32(const uint8_t* p) { return Get16(p) | Get16(p + 2) << 16; }

// The largest data size the RIFF size field can carry, kept even.
constexpr uint64_t kMaxData = (0xFFFFFFFFull - (kWaveHeaderBytes - 8)) & ~1ull;

}  // namespace

std::array<uint8_t, kWaveHeaderBytes> MakeWaveHeader(uint32_t sampleRate, uint16_t channels,
                                                     uint64_t dataBytes) {
  const uint32_t data = static_cast<uint32_t>(std::min(dataBytes, kMaxData));
  const uint32_t align = channels * 2u;
  std::array<uint8_t, kWaveHeaderBytes> h{};
  std::memcpy(&h[0], "RIFF", 4);
  Put32(&h[4], data + static_cast<uint32_t>(kWaveHeaderBytes - 8));
  std::memcpy(&h[8], "WAVEfmt ", 8);
  Put32(&h[16], 16);
  Put16(&h[20], 1);
  Put16(&h[22], channels);
  Put32(&h[24], sampleRate);
  Put32(&h[28], sampleRate * align);
  Put16(&h[32], align);
  Put16(&h[34], 16);
  std::memcpy(&h[36], "data", 4);
  Put32(&h[40], data);
  return h;
}

std::optional<WaveFacts> ParseWave(const uint8_t* d, size_t size) {
  if (!d || size < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
    return std::nullopt;
  WaveFacts f;
  bool fmt = false;
  size_t pos = 12;
  while (pos + 8 <= size) {
    const uint8_t* c = d + pos;
    const uint64_t len = Get32(c + 4);
    const size_t body = pos + 8;
    if (std::memcmp(c, "fmt ", 4) == 0) {
      if (len < 16 || body + 16 > size) return std::nullopt;
      f.format = static_cast<uint16_t>(Get16(d + body));
      f.channels = static_cast<uint16_t>(Get16(d + body + 2));
      f.sampleRate = Get32(d + body + 4);
      f.bitsPerSample = static_cast<uint16_t>(Get16(d + body + 14));
      fmt = true;
    } else if (std::memcmp(c, "data", 4) == 0) {
      if (!fmt) return std::nullopt;
      f.dataOffset = body;
      f.dataBytes = std::min<uint64_t>(len, size - body);
      return f;
    }
    const uint64_t next = body + len + (len & 1);
    if (next > size) break;
    pos = static_cast<size_t>(next);
  }
  return std::nullopt;
}

bool WaveWriter::Open(const std::string& path, uint32_t sampleRate, uint16_t channels) {
  Finish();
  file_ = vorne::text::OpenFile(path, "wb");
  if (!file_) return false;
  sampleRate_ = sampleRate;
  channels_ = channels;
  pos_ = dataBytes_ = 0;
  const auto h = MakeWaveHeader(sampleRate, channels, 0);
  ok_ = std::fwrite(h.data(), 1, h.size(), file_) == h.size();
  return ok_;
}

bool WaveWriter::Write(const void* bytes, size_t n) {
  if (!file_ || !ok_) return false;
  if (pos_ + n > kMaxData) {
    ok_ = false;
    return false;
  }
  if (n && std::fwrite(bytes, 1, n, file_) != n) ok_ = false;
  pos_ += n;
  dataBytes_ = std::max(dataBytes_, pos_);
  return ok_;
}

bool WaveWriter::SeekData(uint64_t offset) {
  if (!file_ || !ok_) return false;
  if (offset > kMaxData) return false;
  if (offset > dataBytes_) {
    // Silence up to the new place, so every sample stays at its own time.
    if (!vorne::text::SeekTo(file_, kWaveHeaderBytes + dataBytes_)) return ok_ = false;
    pos_ = dataBytes_;
    static const uint8_t kZeros[4096] = {};
    while (ok_ && pos_ < offset) Write(kZeros, static_cast<size_t>(std::min<uint64_t>(sizeof kZeros, offset - pos_)));
    return ok_;
  }
  if (!vorne::text::SeekTo(file_, kWaveHeaderBytes + offset)) return ok_ = false;
  pos_ = offset;
  return true;
}

bool WaveWriter::Finish() {
  if (!file_) return false;
  bool ok = ok_;
  const auto h = MakeWaveHeader(sampleRate_, channels_, dataBytes_);
  if (!vorne::text::SeekTo(file_, 0) || std::fwrite(h.data(), 1, h.size(), file_) != h.size()) ok = false;
  if (std::fclose(file_) != 0) ok = false;
  file_ = nullptr;
  return ok;
}

}  // namespace vorne::mp3info
