// Inside the media player library: the live controls, so that a new volume
// word reaches every renderer.
#pragma once

namespace vorne::media {

// Applies PlaybackVolumeWord() to every live control's audio renderer.
void ApplyVolumeToPlayers();

}  // namespace vorne::media
