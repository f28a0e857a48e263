// Start-up help for the player's first face.
#pragma once

namespace vorne::player {

// Starts, on a thread of its own, what the first face waits for and the
// window thread need not do itself: the component files beside the program
// are mapped and the wave devices are brought up. The window thread then
// finds them ready; nothing is created and no state of the player changes.
void WarmUpFaceComponents();

}  // namespace vorne::player
