// Feeds arbitrary bytes to the frame-header parser, the ID3v2 size and the
// whole stream analysis.
#include <cstddef>
#include <cstdint>

#include "platform/mp3info/mp3_properties.h"
#include "platform/mp3info/mpeg_audio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vorne::mp3info::ParseFrameHeader(data, size);
  vorne::mp3info::Id3v2Size(data, size);
  vorne::mp3info::StreamInfo info = vorne::mp3info::AnalyzeBuffer(data, size);
  vorne::mp3info::Mp3Properties p = vorne::mp3info::PropertiesOf(info);
  if (info.valid && (p.Layer < 1 || p.Layer > 3 || p.SampleRate <= 0 || info.audioStart + info.audioBytes > size))
    __builtin_trap();
  return 0;
}
