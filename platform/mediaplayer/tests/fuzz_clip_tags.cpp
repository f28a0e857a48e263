// Feeds arbitrary bytes to the clip tag readers: no text may be longer than
// the bytes it came from.
#include <cstddef>
#include <cstdint>

#include "platform/mediaplayer/clip_tags.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const auto& t : vorne::mediaplayer::ReadId3v2Texts(data, size))
    if (t && t->size() > size) __builtin_trap();
  if (size >= 10 && vorne::mediaplayer::Id3v2HeadBytes(data) > vorne::mediaplayer::kMaxTagHead) __builtin_trap();
  if (size >= 128)
    for (const auto& t : vorne::mediaplayer::ReadId3v1Texts(data))
      if (t.size() > 30) __builtin_trap();
  return 0;
}
