#include "platform/mp3info/wave_output.h"

#include <algorithm>

#include "runtime/text/ansi.h"

namespace vorne::mp3info {

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out) {
  out.clear();
  std::FILE* f = vorne::text::OpenFile(path, "rb");
  if (!f) return false;
  const int64_t len = vorne::text::FileLength(f);
  bool ok = len >= 0 && static_cast<uint64_t>(len) <= SIZE_MAX;
  if (ok) {
    out.resize(static_cast<size_t>(len));
    ok = vorne::text::SeekTo(f, 0) && std::fread(out.data(), 1, out.size(), f) == out.size();
  }
  std::fclose(f);
  if (!ok) out.clear();
  return ok;
}

int WaveOutputJob::Open(const std::string& source, const std::string& target) {
  Stop();
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(source, bytes)) return kOpenNoSource;
  return OpenBytes(std::move(bytes), target);
}

int WaveOutputJob::OpenBytes(std::vector<uint8_t> source, const std::string& target) {
  Stop();
  source_ = std::move(source);
  index_ = BuildFrameIndex(source_.data(), source_.size());
  next_ = 0;
  if (!index_.valid) {
    index_ = FrameIndex{};
    return kOpenNoAudio;
  }
  if (!decoder_ || !decoder_->Open(index_.first)) {
    index_ = FrameIndex{};
    return kOpenNoDecoder;
  }
  if (!writer_.Open(target, SampleRate(), Channels())) {
    index_ = FrameIndex{};
    return kOpenNoTarget;
  }
  return kOpenOk;
}

uint64_t WaveOutputJob::BytesPerFrame() const {
  return static_cast<uint64_t>(index_.first.samplesPerFrame) * Channels() * 2u;
}

StepResult WaveOutputJob::Step(size_t maxFrames) {
  if (!running_ || !writer_.IsOpen()) return StepResult::Idle;
  const size_t count = std::min(maxFrames, index_.frames.size() - next_);
  const bool last = next_ + count == index_.frames.size();
  in_.clear();
  for (size_t i = next_; i < next_ + count; ++i) {
    const FrameRef& f = index_.frames[i];
    in_.insert(in_.end(), source_.begin() + static_cast<ptrdiff_t>(f.offset),
               source_.begin() + static_cast<ptrdiff_t>(f.offset + f.bytes));
  }
  pcm_.clear();
  bool ok = decoder_->Decode(in_.data(), in_.size(), last, pcm_);
  if (ok && !pcm_.empty()) ok = writer_.Write(pcm_.data(), pcm_.size());
  next_ += count;
  if (!ok) {
    Stop();
    return StepResult::Failed;
  }
  if (last) {
    Stop();
    return StepResult::Done;
  }
  return StepResult::Progress;
}

void WaveOutputJob::Seek(int64_t frame) {
  if (!writer_.IsOpen()) return;
  const int64_t clamped = std::clamp<int64_t>(frame, 0, Length());
  next_ = static_cast<size_t>(clamped);
  decoder_->Reset();
  writer_.SeekData(static_cast<uint64_t>(clamped) * BytesPerFrame());
}

void WaveOutputJob::Stop() {
  running_ = false;
  writer_.Finish();
}

}  // namespace vorne::mp3info
