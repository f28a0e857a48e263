// MPEG audio stream facts for the MP3 information control: a bounds-checked
// frame header parser (MPEG 1, 2 and 2.5, layers 1 to 3), Xing/Info and VBRI
// frame counts, ID3v2 skipping and ID3v1 exclusion. Window-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vorne::mp3info {

// Version as the header codes it.
enum class MpegVersion { Mpeg1, Mpeg2, Mpeg25 };

// Channel mode as the header's two bits code it.
enum ChannelMode : int { kStereo = 0, kJointStereo = 1, kDualChannel = 2, kMono = 3 };

struct FrameHeader {
  MpegVersion version = MpegVersion::Mpeg1;
  int layer = 0;             // 1..3
  bool crc = false;          // protected by a 16-bit CRC after the header
  int bitrateKbps = 0;       // 8..448
  int sampleRate = 0;        // Hz
  bool padding = false;
  bool privateBit = false;
  int channelMode = kStereo;
  int modeExtension = 0;
  bool copyright = false;
  bool original = false;
  int emphasis = 0;
  int frameBytes = 0;        // whole frame, header included
  int samplesPerFrame = 0;   // 384, 1152 or 576
};

// Parses the 4 header bytes at p (n bytes available). Nothing when n < 4,
// the sync is missing, or any field holds a reserved or free-format value.
std::optional<FrameHeader> ParseFrameHeader(const uint8_t* p, size_t n);

// A 28-bit number stored in four bytes of seven bits each, high first, as
// ID3v2 sizes are.
inline uint32_t Syncsafe32(const uint8_t* p) {
  return (uint32_t{p[0]} << 21) | (uint32_t{p[1]} << 14) | (uint32_t{p[2]} << 7) | uint32_t{p[3]};
}

// Size of an ID3v2 block at the start of data (header, body and footer),
// or 0 when data does not begin with a valid one.
uint64_t Id3v2Size(const uint8_t* p, size_t n);

// Where the frame count came from.
enum class FrameCountSource { None, Xing, Vbri, Estimate };

struct StreamInfo {
  bool valid = false;
  FrameHeader first;            // the first audio frame (or the Xing/VBRI frame)
  uint64_t audioStart = 0;      // offset of the first frame
  uint64_t audioBytes = 0;      // from the first frame to the end, ID3v1 excluded
  bool hasId3v1 = false;
  uint32_t frameCount = 0;      // audio frames (a Xing/Info/VBRI frame not counted)
  FrameCountSource countSource = FrameCountSource::None;
  uint32_t durationMs = 0;
  int32_t bitRate = 0;          // bits per second; the average when variable
  bool variable = false;        // Xing (not Info) or VBRI header present
  double msPerFrame = 0;
  uint64_t bytesRead = 0;       // bytes the analysis read from its source
};

// Random access to the bytes of a file or buffer.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t Size() const = 0;
  // Reads up to n bytes at offset into buf; returns the count read.
  virtual size_t ReadAt(uint64_t offset, uint8_t* buf, size_t n) = 0;
};

// The bytes of a window of the source looked at for the first frame: the
// analysis reads at most this much after an ID3v2 block, plus the last 128
// bytes, whatever the file size.
constexpr size_t kScanWindow = 64 * 1024;

StreamInfo AnalyzeStream(ByteSource& src);
StreamInfo AnalyzeBuffer(const uint8_t* data, size_t size);
// Nothing read (valid false) when the file cannot be opened.
StreamInfo AnalyzeFile(const std::string& path);

}  // namespace vorne::mp3info
