// The frame walk and the wave reader over arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "platform/mp3info/frame_index.h"
#include "platform/mp3info/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto index = vorne::mp3info::BuildFrameIndex(data, size);
  for (const auto& f : index.frames)
    if (f.offset + f.bytes > size) __builtin_trap();
  const auto wave = vorne::mp3info::ParseWave(data, size);
  if (wave && wave->dataOffset + wave->dataBytes > size) __builtin_trap();
  return 0;
}
