// The audio frames of an MPEG audio stream, in order: where each begins and
// how long it is. An encoder's Xing/Info or VBRI frame is left out (it
// carries no sound), and so are ID3 tags and bytes between frames that no
// frame header explains. Window-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/mp3info/mpeg_audio.h"

namespace vorne::mp3info {

struct FrameRef {
  uint64_t offset = 0;
  uint32_t bytes = 0;
};

struct FrameIndex {
  bool valid = false;
  FrameHeader first;             // header of the first audio frame
  std::vector<FrameRef> frames;  // the audio frames
};

// Walks the whole buffer from the stream's first frame. Every frame kept has
// the first frame's version, layer, sample rate and channel count and lies
// wholly inside the audio bytes; after a damaged stretch the walk picks up
// at the next such header.
FrameIndex BuildFrameIndex(const uint8_t* data, size_t size);

}  // namespace vorne::mp3info
