// Volume of the "Volume Bar" elements and the fades, without windows. A
// fade is a state machine stepped by a timer: each step finds the volume
// bars afresh (a skin change between steps leaves no stale element), and
// the host cancels it when the skin changes or the program closes.
#pragma once

#include <cstdint>
#include <string>

namespace vorne::player::playback {

// The device volume word for a bar value: the value, capped at 0xFFFF (and
// at 0 below), in both channels.
uint32_t VolumeWord(long barValue);
// The bar value a device word shows: its left channel.
inline long LeftChannel(uint32_t word) { return static_cast<long>(word & 0xFFFFu); }
// "Volume " & Int(value / max * 100) & "%".
std::string VolumePercentText(long value, long max);

// The skin's "Volume Bar" elements in index order, as they are now.
class VolumeBars {
 public:
  virtual ~VolumeBars() = default;
  virtual int Count() = 0;
  virtual long Value(int k) = 0;
  virtual void SetValue(int k, long v) = 0;  // the element may clamp it to its range
  virtual long Max(int k) = 0;
  // Sets the device volume from element k and shows it in percent.
  virtual void UpdateVolume(int k) = 0;
};

class Fader {
 public:
  explicit Fader(VolumeBars& bars) : bars_(bars) {}

  // Start a fade from the first bar's value; false (nothing starts) while a
  // fade runs. currentVolume is the volume the user chose.
  bool FadeIn(long currentVolume);
  bool FadeOut(long currentVolume);
  // One step of 500; false once the fade has ended.
  bool Step();
  void Cancel() { running_ = false; }
  bool Fading() const { return running_; }

 private:
  enum class Mode { InToChosen, InToTop, OutToChosen, OutToSilence };
  bool Start(Mode mode, long target, long steps);
  void Clamp(int k, long v);

  VolumeBars& bars_;
  bool running_ = false;
  Mode mode_ = Mode::InToTop;
  long target_ = 0;
  long steps_ = 0;
};

}  // namespace vorne::player::playback
