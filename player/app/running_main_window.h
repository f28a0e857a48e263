// The running player's main window and playlist behind the view the wave
// output dialog and the video window take; the program hands it to them.
#pragma once

#include "player/dialogs/main_window_view.h"

namespace vorne::player {

MainWindowView& RunningMainWindowView();

}  // namespace vorne::player
