#include "player/playback/fade.h"

namespace vorne::player::playback {

namespace {
constexpr long kStep = 500;
}

uint32_t VolumeWord(long barValue) {
  long c = barValue < 0 ? 0 : (barValue > 0xFFFF ? 0xFFFF : barValue);
  return static_cast<uint32_t>(c) * 0x10000u + static_cast<uint32_t>(c);
}

std::string VolumePercentText(long value, long max) {
  long pct = max > 0 ? static_cast<long>(static_cast<double>(value) / static_cast<double>(max) * 100.0) : 0;
  return "Volume " + std::to_string(pct) + "%";
}

bool Fader::Start(Mode mode, long target, long steps) {
  mode_ = mode;
  target_ = target;
  steps_ = steps;
  running_ = steps > 0;
  return true;
}

bool Fader::FadeIn(long currentVolume) {
  if (running_) return false;
  if (bars_.Count() < 1) return true;
  long s = bars_.Value(0);
  if (currentVolume != s) {
    return Start(Mode::InToChosen, currentVolume, s <= currentVolume ? (currentVolume - s) / kStep + 1 : 0);
  }
  long m = bars_.Max(0);
  return Start(Mode::InToTop, m, s <= m ? (m - s) / kStep + 1 : 0);
}

bool Fader::FadeOut(long currentVolume) {
  if (running_) return false;
  if (bars_.Count() < 1) return true;
  long s = bars_.Value(0);
  if (currentVolume != s) {
    return Start(Mode::OutToChosen, currentVolume, s >= currentVolume ? (s - currentVolume) / kStep + 1 : 0);
  }
  return Start(Mode::OutToSilence, 0, s >= 0 ? s / kStep + 1 : 0);
}

// The bar is put on the end value, and the device follows it again, so bar
// and device agree.
void Fader::Clamp(int k, long v) {
  bars_.SetValue(k, v);
  bars_.UpdateVolume(k);
  running_ = false;
}

bool Fader::Step() {
  if (!running_) return false;
  int n = bars_.Count();
  if (n < 1) {
    running_ = false;
    return false;
  }
  switch (mode_) {
    case Mode::InToChosen:
      for (int k = 0; k < n; ++k) {
        bars_.SetValue(k, bars_.Value(k) + kStep);
        bars_.UpdateVolume(k);
        if (bars_.Value(k) >= target_) {
          Clamp(k, target_);
          break;
        }
      }
      break;
    case Mode::InToTop: {
      bars_.SetValue(0, bars_.Value(0) + kStep);
      bars_.UpdateVolume(0);
      long m = bars_.Max(0);
      if (bars_.Value(0) >= m) Clamp(0, m);
      break;
    }
    case Mode::OutToChosen:
      bars_.SetValue(0, bars_.Value(0) - kStep);
      bars_.UpdateVolume(0);
      if (bars_.Value(0) <= target_) Clamp(0, target_);
      break;
    case Mode::OutToSilence:
      bars_.SetValue(0, bars_.Value(0) - kStep);
      bars_.UpdateVolume(0);
      if (bars_.Value(0) < 1) Clamp(0, 0);
      break;
  }
  if (running_ && --steps_ <= 0) running_ = false;
  return running_;
}

}  // namespace vorne::player::playback
