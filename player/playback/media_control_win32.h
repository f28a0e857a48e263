// The transport's view of the media player control: late-bound calls by
// dispatch id on the main window's control and, where the transport says
// so, on the video window's control. Failing calls are skipped, as the
// transport commands ignore them. Win32 only.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "player/playback/transport.h"
#include "runtime/com/object.h"

namespace vorne::player::playback {

class DispatchMediaControl : public MediaControl {
 public:
  explicit DispatchMediaControl(IDispatch* main = nullptr) : main_(main) {}
  void SetMain(IDispatch* main) { main_ = com::Ptr<IDispatch>(main); }
  void SetVideo(IDispatch* video) { video_ = com::Ptr<IDispatch>(video); }
  IDispatch* Main() const { return main_.Get(); }
  IDispatch* Video() const { return video_.Get(); }

  long PlayState() override;
  void Play() override;
  void Pause() override;
  void Stop() override;
  void SetPosition(double seconds) override;  // main and video

  double Position();
  double Duration();
  long ErrorCode();
  // Writes the file name, which opens and plays it; false when refused.
  bool OpenFile(const std::string& ansiPath);
  void SeekMain(double seconds);
  void SeekVideo(double seconds);

 private:
  com::Ptr<IDispatch> main_;
  com::Ptr<IDispatch> video_;
};

// The monotonic clock of the waits.
class TickClock : public Clock {
 public:
  int64_t NowMs() override { return static_cast<int64_t>(GetTickCount64()); }
};

}  // namespace vorne::player::playback
