// Test support: bytes that taggers and players take for MPEG audio.
#pragma once

#include <string>

namespace vorne::testing {

// n silent frames of MPEG 1 layer III at 128 kbit/s, 44.1 kHz.
inline std::string MpegFrames(int n) {
    std::string frame("\xFF\xFB\x90\x64", 4);
    frame.resize(417, '\0');
    std::string s;
    for (int i = 0; i < n; ++i) s += frame;
    return s;
}

}  // namespace vorne::testing
