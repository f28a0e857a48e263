#include "player/playback/position_bar.h"

#include "player/core/text_display.h"
#include "runtime/basic/basic.h"

namespace vorne::player::playback {

long RoundSeconds(double seconds) { return static_cast<long>(vorne::basic::CLngSat(seconds)); }

long BarMaxFor(double durationSeconds) {
  long m = RoundSeconds(durationSeconds);
  return m < 1 ? 1 : m;
}

std::string SkipText(long seconds) {
  return "Skip to " + core::ChangeTimeFormat(static_cast<int32_t>(seconds)) + "  (" + std::to_string(seconds) + " secs)";
}

void PositionSeek::MouseDown(int button, bool onThumb) {
  if (!onThumb) return;
  if (button != 2) {
    seeking_ = true;
    lastSkipText_.clear();
    return;
  }
  host_.EnableSongInfo();
  host_.SetBarsTo(RoundSeconds(host_.Position()));
}

void PositionSeek::Scroll(long value, int shift) {
  if (seeking_) {
    std::string text = SkipText(value);
    if (text != lastSkipText_) {
      host_.ShowSongInfo(text);
      lastSkipText_ = text;
    }
  }
  if (shift == 1) host_.SeekTo(static_cast<double>(value), true);
}

bool PositionSeek::MouseUp(long value, int button, bool onThumb) {
  if (!onThumb || !seeking_) return false;
  host_.EnableSongInfo();
  if (button == 1) {
    if (RoundSeconds(host_.Position()) != value) host_.SeekTo(static_cast<double>(value), host_.IsVideo());
  } else if (button == 2) {
    host_.SetBarsTo(RoundSeconds(host_.Position()));
    host_.ReleaseCapture();
  }
  seeking_ = false;
  return true;
}

}  // namespace vorne::player::playback
