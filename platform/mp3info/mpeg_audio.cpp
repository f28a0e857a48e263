#include "platform/mp3info/mpeg_audio.h"

#include <cstdio>

#include "runtime/text/ansi.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace vorne::mp3info {
namespace {

// Bit rates in kbit/s by [row][index]; index 0 (free format) and 15 are
// not valid here.
const int kBitrates[5][16] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},  // V1 L1
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},     // V1 L2
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},      // V1 L3
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},     // V2 L1
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},          // V2 L2/L3
};
const int kSampleRates[3][3] = {{44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

class BufferSource : public ByteSource {
 public:
  BufferSource(const uint8_t* d, size_t n) : d_(d), n_(n) {}
  uint64_t Size() const override { return n_; }
  size_t ReadAt(uint64_t off, uint8_t* buf, size_t n) override {
    if (off >= n_) return 0;
    size_t k = static_cast<size_t>(std::min<uint64_t>(n, n_ - off));
    if (k) std::memcpy(buf, d_ + off, k);
    return k;
  }

 private:
  const uint8_t* d_;
  size_t n_;
};

class FileSource : public ByteSource {
 public:
  explicit FileSource(const std::string& path) : f_(vorne::text::OpenFile(path, "rb")) {
    if (f_) {
      const int64_t end = vorne::text::FileLength(f_);
      size_ = end < 0 ? 0 : static_cast<uint64_t>(end);
    }
  }
  ~FileSource() override {
    if (f_) std::fclose(f_);
  }
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;
  bool ok() const { return f_ != nullptr; }
  uint64_t Size() const override { return size_; }
  size_t ReadAt(uint64_t off, uint8_t* buf, size_t n) override {
    if (off >= size_ || !vorne::text::SeekTo(f_, off)) return 0;
    return std::fread(buf, 1, n, f_);
  }

 private:
  std::FILE* f_;
  uint64_t size_ = 0;
};

// Side information size, which the Xing header follows.
int SideInfoBytes(const FrameHeader& h) {
  bool mono = h.channelMode == kMono;
  if (h.version == MpegVersion::Mpeg1) return mono ? 17 : 32;
  return mono ? 9 : 17;
}

}  // namespace

std::optional<FrameHeader> ParseFrameHeader(const uint8_t* p, size_t n) {
  if (!p || n < 4) return std::nullopt;
  if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return std::nullopt;
  FrameHeader h;
  int v = (p[1] >> 3) & 3;
  if (v == 1) return std::nullopt;
  h.version = v == 3 ? MpegVersion::Mpeg1 : v == 2 ? MpegVersion::Mpeg2 : MpegVersion::Mpeg25;
  int l = (p[1] >> 1) & 3;
  if (l == 0) return std::nullopt;
  h.layer = 4 - l;
  h.crc = (p[1] & 1) == 0;
  int bi = (p[2] >> 4) & 15;
  int si = (p[2] >> 2) & 3;
  if (bi == 0 || bi == 15 || si == 3) return std::nullopt;
  int row = h.version == MpegVersion::Mpeg1 ? h.layer - 1 : (h.layer == 1 ? 3 : 4);
  h.bitrateKbps = kBitrates[row][bi];
  h.sampleRate = kSampleRates[h.version == MpegVersion::Mpeg1 ? 0 : h.version == MpegVersion::Mpeg2 ? 1 : 2][si];
  h.padding = (p[2] >> 1) & 1;
  h.privateBit = p[2] & 1;
  h.channelMode = (p[3] >> 6) & 3;
  h.modeExtension = (p[3] >> 4) & 3;
  h.copyright = (p[3] >> 3) & 1;
  h.original = (p[3] >> 2) & 1;
  h.emphasis = p[3] & 3;
  if (h.emphasis == 2) return std::nullopt;  // reserved
  if (h.layer == 1) {
    h.samplesPerFrame = 384;
    h.frameBytes = (12 * h.bitrateKbps * 1000 / h.sampleRate + (h.padding ? 1 : 0)) * 4;
  } else {
    h.samplesPerFrame = (h.layer == 3 && h.version != MpegVersion::Mpeg1) ? 576 : 1152;
    h.frameBytes = h.samplesPerFrame / 8 * h.bitrateKbps * 1000 / h.sampleRate + (h.padding ? 1 : 0);
  }
  if (h.frameBytes < 4) return std::nullopt;
  return h;
}

uint64_t Id3v2Size(const uint8_t* p, size_t n) {
  if (!p || n < 10 || p[0] != 'I' || p[1] != 'D' || p[2] != '3') return 0;
  if (p[3] == 0xFF || p[4] == 0xFF) return 0;
  for (int i = 6; i < 10; ++i)
    if (p[i] & 0x80) return 0;
  const uint64_t body = Syncsafe32(p + 6);
  bool footer = (p[5] & 0x10) != 0;
  return 10 + body + (footer ? 10 : 0);
}

StreamInfo AnalyzeStream(ByteSource& src) {
  StreamInfo info;
  const uint64_t size = src.Size();
  std::vector<uint8_t> buf;

  // ID3v1 at the end (a tag needs 128 bytes).
  if (size >= 128) {
    uint8_t tag[3] = {};
    size_t got = src.ReadAt(size - 128, tag, 3);
    info.bytesRead += got;
    info.hasId3v1 = got == 3 && tag[0] == 'T' && tag[1] == 'A' && tag[2] == 'G';
  }
  const uint64_t end = info.hasId3v1 ? size - 128 : size;

  // ID3v2 blocks at the start (several may follow one another).
  uint64_t start = 0;
  for (int k = 0; k < 4 && start < end; ++k) {
    uint8_t hdr[10];
    size_t got = src.ReadAt(start, hdr, sizeof hdr);
    info.bytesRead += got;
    uint64_t skip = Id3v2Size(hdr, got);
    if (skip == 0) break;
    start += skip;
  }
  if (start >= end) return info;

  // The window where the first frame is looked for.
  size_t window = static_cast<size_t>(std::min<uint64_t>(end - start, kScanWindow));
  buf.resize(window);
  size_t got = src.ReadAt(start, buf.data(), window);
  info.bytesRead += got;
  buf.resize(got);
  const uint8_t* d = buf.data();
  const size_t n = buf.size();

  std::optional<FrameHeader> head;
  size_t pos = 0;
  for (size_t i = 0; i + 4 <= n; ++i) {
    if (d[i] != 0xFF) continue;
    auto h = ParseFrameHeader(d + i, n - i);
    if (!h) continue;
    // A frame is taken only when the next one follows with the same
    // version, layer and sample rate, or the data ends right after it.
    size_t next = i + static_cast<size_t>(h->frameBytes);
    uint64_t absoluteNext = start + next;
    if (absoluteNext == end) {
      head = h; pos = i; break;
    }
    if (next + 4 <= n) {
      auto h2 = ParseFrameHeader(d + next, n - next);
      if (h2 && h2->version == h->version && h2->layer == h->layer && h2->sampleRate == h->sampleRate) {
        head = h; pos = i; break;
      }
    }
  }
  if (!head) return info;

  info.valid = true;
  info.first = *head;
  info.audioStart = start + pos;
  info.audioBytes = end - info.audioStart;
  info.msPerFrame = 1000.0 * head->samplesPerFrame / head->sampleRate;

  // Xing/Info after the side information (the CRC, when present, before it).
  const uint8_t* f = d + pos;
  size_t avail = n - pos;
  bool counted = false;
  uint32_t frames = 0;
  uint32_t streamBytes = 0;
  if (head->layer == 3) {
    int side = SideInfoBytes(*head);
    for (int off : {4 + side, 4 + 2 + side}) {
      if (static_cast<size_t>(off) + 8 > avail || off + 8 > head->frameBytes) continue;
      const uint8_t* x = f + off;
      bool xing = std::memcmp(x, "Xing", 4) == 0;
      bool inf = std::memcmp(x, "Info", 4) == 0;
      if (!xing && !inf) continue;
      uint32_t flags = BigEndian32(x + 4);
      size_t q = static_cast<size_t>(off) + 8;
      if (flags & 1) {
        if (q + 4 > avail) break;
        frames = BigEndian32(f + q);
        q += 4;
        counted = true;
      }
      if (flags & 2) {
        if (q + 4 <= avail) streamBytes = BigEndian32(f + q);
      }
      info.variable = xing;
      info.countSource = FrameCountSource::Xing;
      break;
    }
  }
  // VBRI 32 bytes after the header.
  if (!counted && avail >= 36 + 18 && std::memcmp(f + 36, "VBRI", 4) == 0) {
    streamBytes = BigEndian32(f + 36 + 10);
    frames = BigEndian32(f + 36 + 14);
    counted = true;
    info.variable = true;
    info.countSource = FrameCountSource::Vbri;
  }
  if (counted) {
    info.frameCount = frames;
  } else {
    // Estimate from the size: the mean frame length of a constant bit rate.
    double meanFrame = static_cast<double>(head->samplesPerFrame) / 8.0 * head->bitrateKbps * 1000.0 /
                       head->sampleRate;
    if (head->layer == 1) meanFrame = 12.0 * head->bitrateKbps * 1000.0 / head->sampleRate * 4.0;
    // Nearest whole count: the padding of a constant bit rate evens out.
    double est = std::floor(static_cast<double>(info.audioBytes) / meanFrame + 0.5);
    info.frameCount = est >= 4294967295.0 ? 4294967295u : static_cast<uint32_t>(est);
    if (info.countSource == FrameCountSource::None) info.countSource = FrameCountSource::Estimate;
    // An Info/Xing frame without a count is itself no audio frame.
    if (info.countSource == FrameCountSource::Xing && info.frameCount > 0) --info.frameCount;
  }
  double ms = static_cast<double>(info.frameCount) * info.msPerFrame;
  info.durationMs = ms >= 4294967295.0 ? 4294967295u : static_cast<uint32_t>(ms + 0.5);
  if (info.variable && info.durationMs > 0) {
    uint64_t bytes = streamBytes ? streamBytes : info.audioBytes;
    double bps = static_cast<double>(bytes) * 8000.0 / info.durationMs;
    info.bitRate = bps >= 2147483647.0 ? 2147483647 : static_cast<int32_t>(bps + 0.5);
  } else {
    info.bitRate = head->bitrateKbps * 1000;
  }
  return info;
}

StreamInfo AnalyzeBuffer(const uint8_t* data, size_t size) {
  BufferSource s(data, data ? size : 0);
  return AnalyzeStream(s);
}

StreamInfo AnalyzeFile(const std::string& path) {
  FileSource s(path);
  if (!s.ok()) return StreamInfo{};
  return AnalyzeStream(s);
}

}  // namespace vorne::mp3info
