// The running player's main window and playlist behind the view the wave
// output dialog and the video window take; the program hands it to them.
#pragma once

#include "player/dialogs/main_window_view.h"

namespace vorne::player {

dialogs::MainWindowView& RunningMainWindowView();

// Joins the secondary windows to the running main window: both see it
// through its view; the menu's "Output to Wave File" and "Show Video Window"
// open them; a video stream plays in the video window's control as well,
// which is unloaded when a stream is no video; and once the video window
// closes, the main window drives its control no more.
void ConnectSecondaryWindows();

}  // namespace vorne::player
