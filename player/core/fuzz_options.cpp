// Feeds arbitrary bytes to the options reader, and checks that what it
// read survives a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "player/core/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vorne::player::core::OptionsFile o;
  vorne::player::core::ParseOptions(std::string(reinterpret_cast<const char*>(data), size), o);
  std::string once = vorne::player::core::FormatOptions(o);
  vorne::player::core::OptionsFile again;
  vorne::player::core::ParseOptions(once, again);
  if (vorne::player::core::FormatOptions(again) != once) __builtin_trap();
  return 0;
}
