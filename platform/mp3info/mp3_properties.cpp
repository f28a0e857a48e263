#include "platform/mp3info/mp3_properties.h"

#include <algorithm>

namespace vorne::mp3info {

Mp3Properties PropertiesOf(const StreamInfo& info) {
  Mp3Properties p;
  if (!info.valid) return p;
  const FrameHeader& h = info.first;
  p.Valid = 0;
  p.FrameCount = static_cast<int32_t>(std::min<uint32_t>(info.frameCount, 2147483647u));
  p.Copyright = h.copyright;
  p.Original = h.original;
  p.Crc = h.crc;
  p.Layer = static_cast<int16_t>(h.layer);
  p.SampleRate = h.sampleRate;
  p.BitRate = info.bitRate;
  p.MpegVersion = h.version == MpegVersion::Mpeg1 ? 1 : h.version == MpegVersion::Mpeg2 ? 2 : 25;
  p.MsPerFrame = static_cast<float>(info.msPerFrame);
  p.Duration = static_cast<int32_t>(std::min<uint32_t>(info.durationMs, 2147483647u));
  p.ChannelMode = static_cast<int16_t>(h.channelMode);
  return p;
}

Mp3Properties QueryMp3Properties(const std::string& path) { return PropertiesOf(AnalyzeFile(path)); }

}  // namespace vorne::mp3info
