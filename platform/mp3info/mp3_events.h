// The host's side of the MP3 control's events: a sink that decodes them by
// number and hands them to an Mp3Events handler. Win32 only.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include "runtime/com/connection_point.h"
#include "runtime/com/object.h"

namespace vorne::mp3info {

class Mp3Events {
 public:
  virtual ~Mp3Events() = default;
  virtual void Progress(long position) = 0;
  virtual void Done() = 0;
};

// An advised connection; unadvises when it goes. The handler must outlive it.
class Mp3EventsConnection {
 public:
  Mp3EventsConnection() = default;
  ~Mp3EventsConnection() { Disconnect(); }
  Mp3EventsConnection(const Mp3EventsConnection&) = delete;
  Mp3EventsConnection& operator=(const Mp3EventsConnection&) = delete;

  HRESULT Connect(IDispatch* control, Mp3Events* handler);
  void Disconnect();

 private:
  com::EventAdvice advice_;
};

}  // namespace vorne::mp3info
