// The host's side of the media player control's events: a sink object that
// decodes each event by number and hands it to a MediaEvents handler.
// Win32 only.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include "runtime/com/connection_point.h"
#include "runtime/com/object.h"

namespace vorne::mediaplayer {

class MediaEvents {
 public:
  virtual ~MediaEvents() = default;
  virtual void PlayStateChange(long oldState, long newState) = 0;
  virtual void Buffering(bool start) = 0;
  virtual void Error() = 0;
  virtual void NewStream() = 0;
  virtual void ReadyStateChange(long readyState) = 0;
  virtual void EndOfStream(long result) = 0;
};

// An advised connection; unadvises when it goes (or on Disconnect). The
// handler must outlive it.
class MediaEventsConnection {
 public:
  MediaEventsConnection() = default;
  ~MediaEventsConnection() { Disconnect(); }
  MediaEventsConnection(const MediaEventsConnection&) = delete;
  MediaEventsConnection& operator=(const MediaEventsConnection&) = delete;

  HRESULT Connect(IDispatch* player, MediaEvents* handler);
  void Disconnect();

 private:
  com::EventAdvice advice_;
};

}  // namespace vorne::mediaplayer
