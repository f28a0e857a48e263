// What the player's secondary windows (the wave output dialog, the video
// window) take of the main window: the playlist's titles, the main media
// control, the playback flag and the on-top choice. The player's
// application implements it and hands it over at start, so these windows
// build below the main window instead of on it.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <string>

namespace vorne::player::dialogs {

class MainWindowView {
 public:
  // The playlist's titles in play order, the selected one (-1 for none) and
  // the path behind one ("" outside the list).
  virtual int TitleCount() = 0;
  virtual int SelectedIndex() = 0;
  virtual std::string TitlePath(int index) = 0;
  // The main window's media control; null until it is made.
  virtual IDispatch* MediaControl() = 0;
  // The main window no longer plays.
  virtual void ClearPlaybackActive() = 0;
  // The user's "always on top" flag, in the form SetOnTop keeps it.
  virtual int16_t& AlwaysOnTop() = 0;

 protected:
  ~MainWindowView() = default;
};

// The main window the secondary windows talk to. Until the program sets
// one, a stand-in answers: an empty list, no media control, not on top.
MainWindowView& MainWindow();
void SetMainWindow(MainWindowView* view);

}  // namespace vorne::player::dialogs
