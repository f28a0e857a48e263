// The information half of the MP3 control as the player calls it:
// late-bound, by dispatch identifier (see Mp3PlayDispid for the members and
// the value of each property). Win32 only.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace vorne::mp3 {

// A new control object with one reference, no file open (property 11 is -1).
HRESULT CreateMp3InfoControl(IDispatch** out);

}  // namespace vorne::mp3
