// The wave-output volume word: left channel in the low 16 bits, right in
// the high 16 bits, 0 to 0xFFFF each. It is kept on an open wave-out handle
// of the chosen device (the device-number form of the calls is refused on
// some systems), and every live media player control is told it and applies
// it to its audio renderer, so that what is set is what is heard. Win32 only.
#pragma once

#include <windows.h>
#include <mmsystem.h>

namespace vorne::mediaplayer {

// waveOutGetVolume / waveOutSetVolume for a device number, through a handle
// opened once per device and kept. MMSYSERR_NOERROR on success.
MMRESULT GetWaveVolume(UINT device, DWORD* word);
MMRESULT SetWaveVolume(UINT device, DWORD word);

// The word last set (full volume until then), which the controls are told.
DWORD PlaybackVolumeWord();

// The renderer's volume, in hundredths of a decibel (-10000 silent .. 0
// full), for a channel level 0..0xFFFF.
long RendererVolume(unsigned level);

// Closes the kept handles (at program exit).
void CloseWaveVolume();

}  // namespace vorne::mediaplayer
