// The MP3 control as the player calls it: late-bound, by dispatch
// identifier (see Mp3PlayDispid for the members and the value of each
// property). Its information half answers stream facts; its decoding half
// writes a song to a wave file a slice at a time from the creating thread's
// message loop and reports through the events below, always posted, never
// raised inside the call that started the work. Win32 only.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace vorne::mp3info {

// Events of the decoding half, by dispatch id.
inline constexpr DISPID kEventProgress = 1;  // (Position Long): frames written so far
inline constexpr DISPID kEventDone = 2;      // (): the song was written to its end

// {3D8E2A61-5B7C-4F1E-8C2D-9A4B6E0F1C72}
inline constexpr IID kMp3EventsIid = {
    0x3d8e2a61, 0x5b7c, 0x4f1e, {0x8c, 0x2d, 0x9a, 0x4b, 0x6e, 0x0f, 0x1c, 0x72}};

// A new control object with one reference, no file open (property 11 is -1).
// The thread that creates it must run a message loop for the decoding half.
HRESULT CreateMp3InfoControl(IDispatch** out);

}  // namespace vorne::mp3info
