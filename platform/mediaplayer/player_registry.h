// Inside the media player library: the live controls that render sound, as
// the wave-volume module knows them, so that a new volume word reaches every
// renderer. Win32 only.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace vorne::mediaplayer {

// A control that plays sound at the volume word it is told (left channel in
// the low 16 bits).
class VolumeListener {
 public:
  virtual void SetVolumeWord(DWORD word) = 0;

 protected:
  ~VolumeListener() = default;
};

// Adds a live control to those told each word set, and tells it the word
// set last (full volume until then) at once; RemovePlayer takes it out
// again. Both on the thread that sets the volume.
void AddPlayer(VolumeListener* player);
void RemovePlayer(VolumeListener* player);

// The level the audio renderer of a control made by CreateMediaPlayer plays
// at, in hundredths of a decibel: S_FALSE when it has no renderer now.
HRESULT GetRendererVolume(IDispatch* control, long* level);

}  // namespace vorne::mediaplayer
