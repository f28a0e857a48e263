// The "Position Bar" elements without windows: how the poll moves them and
// what pressing, dragging and releasing the thumb does.
#pragma once

#include <string>

namespace vorne::player::playback {

// Seconds rounded halves-to-even to a whole number, saturated to 32 bits.
long RoundSeconds(double seconds);
// The bar's range for a duration: the rounded duration, never below 1.
long BarMaxFor(double durationSeconds);
// "Skip to " & time & "  (" & seconds & " secs)".
std::string SkipText(long seconds);

// What the seek rules drive.
class SeekHost {
 public:
  virtual ~SeekHost() = default;
  virtual double Position() = 0;  // the main control's position, seconds
  // Seeks the main control, and the video window's control first when
  // withVideo.
  virtual void SeekTo(double seconds, bool withVideo) = 0;
  virtual bool IsVideo() = 0;
  virtual void EnableSongInfo() = 0;                      // disabled "Song Info" elements scroll again
  virtual void ShowSongInfo(const std::string& text) = 0;  // disables them and shows text
  virtual void SetBarsTo(long value) = 0;                 // every "Position Bar"
  virtual void ReleaseCapture() = 0;
};

class PositionSeek {
 public:
  explicit PositionSeek(SeekHost& host) : host_(host) {}

  bool Seeking() const { return seeking_; }
  // Button 1 left, 2 right; onThumb: the press is on the thumb.
  void MouseDown(int button, bool onThumb);
  // The thumb moves to value; shift 1 is the Shift key alone.
  void Scroll(long value, int shift);
  // True when the release ended a seek (the host then clears the event's
  // button).
  bool MouseUp(long value, int button, bool onThumb);
  // The drag ended without a release on the thumb (the capture was lost, or
  // the window saw the release).
  void Abandon() { seeking_ = false; }

 private:
  SeekHost& host_;
  bool seeking_ = false;
  std::string lastSkipText_;
};

}  // namespace vorne::player::playback
