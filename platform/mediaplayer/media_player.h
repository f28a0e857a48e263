// The media player control as the player hosts it: an in-process object
// driven late-bound by dispatch id, playing through a DirectShow graph.
// Events go out through a connection point of kMediaPlayerEventsIid (a
// dispatch-only interface, events by the numbers below); they are raised on
// the thread that created the object, from its message loop, except the play
// state changes a transport method causes, which are raised within the call.
// Win32 only.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace vorne::mediaplayer {

// Members.
inline constexpr DISPID kDispPlay = 2001;            // method
inline constexpr DISPID kDispPause = 2002;           // method
inline constexpr DISPID kDispStop = 2003;            // method; the change to stopped is raised within it
inline constexpr DISPID kDispOpen = 2010;            // method (String file or address)
inline constexpr DISPID kDispClipInfo = 2016;        // method (Long item) -> String
inline constexpr DISPID kDispDuration = 1003;        // Double seconds, read only
inline constexpr DISPID kDispAutoRewind = 1017;      // Boolean, kept
inline constexpr DISPID kDispFileName = 1026;        // String; writing opens and plays, "" closes
inline constexpr DISPID kDispPosition = 1027;        // Double seconds; writing seeks
inline constexpr DISPID kDispDisplaySize = 1032;     // Long, kept
inline constexpr DISPID kDispErrorCode = 1067;       // Long, the last error
inline constexpr DISPID kDispPlayState = 1068;       // Long: 0 stopped, 1 paused, 2 playing, 6 closed
inline constexpr DISPID kDispBufferingTime = 1070;   // Long, kept
inline constexpr DISPID kDispShowVideo = 1089;       // Boolean, kept

// Play states.
inline constexpr long kStateStopped = 0;
inline constexpr long kStatePaused = 1;
inline constexpr long kStatePlaying = 2;
inline constexpr long kStateClosed = 6;

// Ready states: loading an address, interactive, complete.
inline constexpr long kReadyLoading = 1;
inline constexpr long kReadyInteractive = 3;
inline constexpr long kReadyComplete = 4;

// Error codes after an error event.
inline constexpr long kErrorNoSoundHardware = static_cast<long>(0x80040256);
inline constexpr long kErrorFormatNotSupported = static_cast<long>(0x80040265);

// Events, by dispatch id, with their arguments in natural order.
inline constexpr DISPID kEventPlayStateChange = 1;   // (OldState Long, NewState Long)
inline constexpr DISPID kEventBuffering = 2;         // (Start Boolean)
inline constexpr DISPID kEventError = 3;             // ()
inline constexpr DISPID kEventNewStream = 4;         // ()
inline constexpr DISPID kEventReadyStateChange = 5;  // (ReadyState Long)
inline constexpr DISPID kEventEndOfStream = 6;       // (Result Long)

// {6B0A3B71-2C1E-4E0F-9A55-7D3C2F1E9B01}
inline constexpr IID kMediaPlayerEventsIid = {
    0x6b0a3b71, 0x2c1e, 0x4e0f, {0x9a, 0x55, 0x7d, 0x3c, 0x2f, 0x1e, 0x9b, 0x01}};

// A new control with one reference and no file (play state closed). COM
// must be initialised on the calling thread, which must run a message loop.
HRESULT CreateMediaPlayer(IDispatch** out);

// The error code a failed render reports: no wave-output device at all, or
// the stream cannot be played.
long RenderErrorCode(HRESULT hr, unsigned waveOutDevices);

}  // namespace vorne::mediaplayer
