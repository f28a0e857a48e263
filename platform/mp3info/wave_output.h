// One song from an MPEG audio file to a wave file: the frames are walked,
// decoded a slice at a time and written as 16-bit PCM with the source's
// sample rate and channels. Positions, the length and seeks count MPEG audio
// frames. Window-free: the decoder comes in through FrameDecoder, and the
// caller decides when each slice runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/mp3info/frame_index.h"
#include "platform/mp3info/wave_file.h"

namespace vorne::mp3info {

class FrameDecoder {
 public:
  virtual ~FrameDecoder() = default;
  // Ready to decode the stream whose first audio frame is first.
  virtual bool Open(const FrameHeader& first) = 0;
  // Appends the samples of whole frames; with last, also what it holds back.
  virtual bool Decode(const uint8_t* bytes, size_t n, bool last, std::vector<uint8_t>& pcm) = 0;
  // Forgets the stream before a jump.
  virtual void Reset() = 0;
};

// Results of Open; 0 is success.
enum WaveOutputOpen : int {
  kOpenOk = 0,
  kOpenNoSource = 1,     // the source cannot be read
  kOpenNoAudio = 2,      // the source holds no MPEG audio frames
  kOpenNoDecoder = 3,    // no decoder for this stream
  kOpenNoTarget = 4,     // the target cannot be created
};

enum class StepResult { Idle, Progress, Done, Failed };

class WaveOutputJob {
 public:
  explicit WaveOutputJob(std::unique_ptr<FrameDecoder> decoder) : decoder_(std::move(decoder)) {}
  ~WaveOutputJob() { Stop(); }
  WaveOutputJob(const WaveOutputJob&) = delete;
  WaveOutputJob& operator=(const WaveOutputJob&) = delete;

  // Both paths in ANSI text. Creates the target with a valid empty wave.
  int Open(const std::string& source, const std::string& target);
  // Opens a source held in memory (what Open does after reading the file).
  int OpenBytes(std::vector<uint8_t> source, const std::string& target);
  bool IsOpen() const { return writer_.IsOpen(); }
  bool Running() const { return running_; }

  void Start() { running_ = writer_.IsOpen(); }
  // Decodes and writes up to maxFrames frames. Done after the last one and
  // Failed after a decoder or write error; either way the file is closed
  // with its sizes patched.
  StepResult Step(size_t maxFrames);
  // Moves to frame (clamped to 0..Length()); the file position follows.
  void Seek(int64_t frame);
  // Ends writing and closes the file with its sizes patched.
  void Stop();

  int32_t Length() const { return static_cast<int32_t>(index_.frames.size()); }
  int32_t Position() const { return static_cast<int32_t>(next_); }
  uint32_t SampleRate() const { return static_cast<uint32_t>(index_.first.sampleRate); }
  uint16_t Channels() const { return index_.first.channelMode == kMono ? 1 : 2; }

 private:
  uint64_t BytesPerFrame() const;

  std::unique_ptr<FrameDecoder> decoder_;
  std::vector<uint8_t> source_;
  FrameIndex index_;
  WaveWriter writer_;
  size_t next_ = 0;
  bool running_ = false;
  std::vector<uint8_t> in_, pcm_;
};

// The source file's bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out);

}  // namespace vorne::mp3info
