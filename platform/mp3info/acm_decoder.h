// MPEG audio frames to 16-bit PCM through the platform's audio compression
// manager (its MPEG layer 3 decoder, or its MPEG layer 1/2 decoder). Win32
// only; works the same in the 32-bit and the 64-bit build.
#pragma once

#include <windows.h>
#include <mmreg.h>
#include <msacm.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/mp3info/wave_output.h"

namespace vorne::mp3info {

class AcmDecoder : public FrameDecoder {
 public:
  AcmDecoder() = default;
  ~AcmDecoder() override { Close(); }
  AcmDecoder(const AcmDecoder&) = delete;
  AcmDecoder& operator=(const AcmDecoder&) = delete;

  // Opens a decoder for a stream whose first frame is first; the PCM has
  // the stream's sample rate and channel count. LastResult tells why it
  // failed.
  bool Open(const FrameHeader& first) override;
  MMRESULT LastResult() const { return result_; }
  bool IsOpen() const { return stream_ != nullptr; }
  // Decodes whole frames (n bytes at bytes) and appends their samples to
  // pcm. With last set the decoder also gives up what it still holds.
  bool Decode(const uint8_t* bytes, size_t n, bool last, std::vector<uint8_t>& pcm) override;
  // Forgets what the decoder holds (after a jump in the stream).
  void Reset() override;
  void Close();

  uint32_t SampleRate() const { return rate_; }
  uint16_t Channels() const { return channels_; }

 private:
  HACMSTREAM stream_ = nullptr;
  FrameHeader first_;
  uint32_t rate_ = 0;
  uint16_t channels_ = 0;
  bool started_ = false;
  MMRESULT result_ = MMSYSERR_NOERROR;
  std::vector<uint8_t> out_;
};

}  // namespace vorne::mp3info
