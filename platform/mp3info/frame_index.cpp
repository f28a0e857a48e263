#include "platform/mp3info/frame_index.h"

namespace vorne::mp3info {
namespace {

bool SameStream(const FrameHeader& a, const FrameHeader& b) {
  return a.version == b.version && a.layer == b.layer && a.sampleRate == b.sampleRate &&
         (a.channelMode == kMono) == (b.channelMode == kMono);
}

}  // namespace

FrameIndex BuildFrameIndex(const uint8_t* data, size_t size) {
  FrameIndex index;
  const StreamInfo info = AnalyzeBuffer(data, size);
  if (!info.valid) return index;
  const uint64_t end = info.audioStart + info.audioBytes;
  uint64_t pos = info.audioStart;
  // The analysis found a Xing/Info or VBRI header in the first frame.
  const bool tagFrame =
      info.countSource == FrameCountSource::Xing || info.countSource == FrameCountSource::Vbri;
  if (tagFrame) pos += static_cast<uint64_t>(info.first.frameBytes);
  const FrameHeader& ref = info.first;
  bool haveFirst = false;
  while (pos + 4 <= end) {
    auto h = ParseFrameHeader(data + pos, static_cast<size_t>(end - pos));
    if (h && SameStream(*h, ref) && pos + static_cast<uint64_t>(h->frameBytes) <= end) {
      if (!haveFirst) {
        index.first = *h;
        haveFirst = true;
      }
      index.frames.push_back({pos, static_cast<uint32_t>(h->frameBytes)});
      pos += static_cast<uint64_t>(h->frameBytes);
      continue;
    }
    // Not a frame of this stream (damage, a stray tag, a cut last frame):
    // look for the next header byte by byte.
    ++pos;
    while (pos + 4 <= end && data[pos] != 0xFF) ++pos;
  }
  index.valid = haveFirst;
  return index;
}

}  // namespace vorne::mp3info
