// The video window's media control: a child window that shows the picture
// of a media file through DirectShow and nothing else (its sound is not
// rendered, so the main player's sound is not doubled). The main window
// drives it late-bound with the media player control's dispatch ids (file
// name, play, pause, stop, position, duration, play state, display size);
// the display properties it has no use for are kept and answered. Its
// events go to a VideoEvents handler, always from the message loop, except
// the display-mode change that a write of the display size causes, which
// comes from within that write. Win32 only.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace vorne::player::video {

class VideoEvents {
 public:
  virtual ~VideoEvents() = default;
  virtual void NewStream() = 0;
  virtual void PlayStateChange(long oldState, long newState) = 0;
  virtual void DisplayModeChange() = 0;
  virtual void KeyPress(int ascii) = 0;
  virtual void MouseUp(int button, int shift, int x, int y) = 0;
};

class VideoPlayer {
 public:
  virtual ~VideoPlayer() = default;
  // The control's dispatch (no reference added).
  virtual IDispatch* Dispatch() = 0;
  // Its window, a child of the host.
  virtual HWND Window() const = 0;
  virtual void Move(int left, int top, int width, int height) = 0;
  virtual void SetVisible(bool on) = 0;
  virtual long DisplaySize() const = 0;
  virtual void SetDisplaySize(long size) = 0;
  virtual long PlayState() const = 0;
  // The size of the picture of the open video (0 x 0 when none).
  virtual SIZE VideoSize() const = 0;
  // The graph renders no sound.
  virtual bool RendersSound() const = 0;
  // Where the picture is now, in screen pixels (empty when none).
  virtual RECT PictureScreenRect() const = 0;
};

// A control on host (hidden until shown), reporting to events.
VideoPlayer* CreateVideoPlayer(HWND host, VideoEvents* events);
void DestroyVideoPlayer(VideoPlayer* player);

}  // namespace vorne::player::video
