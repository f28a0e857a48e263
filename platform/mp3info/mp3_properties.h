// The values the MP3 information control reports through its numbered
// properties after method 17 has opened a file. Window-free; the control's
// dispatch surface serves these values unchanged.
#pragma once

#include <cstdint>
#include <string>

#include "platform/mp3info/mpeg_audio.h"

namespace vorne::mp3info {

// Dispatch identifiers of the control.
enum Mp3PlayDispid : int32_t {
  kDispFrameCount = 3,   // Long: audio frames; from Xing/Info or VBRI, else
                         // estimated as audio bytes / mean frame length;
                         // while a song is open for writing, its frames as
                         // counted (the length in units of the position)
  kDispCopyright = 4,    // Boolean (-1/0): the header's copyright bit
  kDispOriginal = 5,     // Boolean: the header's original bit
  kDispCrc = 6,          // Boolean: True when frames carry a CRC
  kDispLayer = 7,        // Integer: 1, 2 or 3
  kDispSampleRate = 8,   // Long: Hz
  kDispBitRate = 9,      // Long: bits per second; for a variable bit rate
                         // (Xing or VBRI) the average over the stream
  kDispMpegVersion = 10, // Integer: 1 = MPEG 1, 2 = MPEG 2, 25 = MPEG 2.5
  kDispValid = 11,       // Integer: 0 = a valid stream is open, -1 = not valid
  kDispMsPerFrame = 14,  // Single: milliseconds per frame (26.12245 at 44.1 kHz
                         // layer 3)
  kDispDuration = 15,    // Long: play length in milliseconds (frames x ms)
  kDispChannelMode = 16, // Integer: 0 stereo, 1 joint stereo, 2 dual
                         // channel, 3 mono (the header's two bits)
  kDispOpen = 17,        // method (path, target): opens a file; with an empty
                         // target for its facts, else as the source of a
                         // wave file at target (result 0 on success)
  kDispStart = 18,       // method: starts writing the opened song
  kDispSeek = 20,        // method (frame Long): moves the writing position
  kDispClose = 21,       // method: ends the query, stops writing
  kDispReset = 22,       // method: ends the query
};

struct Mp3Properties {
  int32_t FrameCount = 0;
  bool Copyright = false;
  bool Original = false;
  bool Crc = false;
  int16_t Layer = 0;
  int32_t SampleRate = 0;
  int32_t BitRate = 0;
  int16_t MpegVersion = 0;
  int16_t Valid = -1;
  float MsPerFrame = 0;
  int32_t Duration = 0;
  int16_t ChannelMode = 0;
};

// The property values for an analysed stream; a stream that is not valid
// gives Valid -1 and every other value 0/False.
Mp3Properties PropertiesOf(const StreamInfo& info);
// Analyses the file and gives its property values.
Mp3Properties QueryMp3Properties(const std::string& path);

}  // namespace vorne::mp3info
