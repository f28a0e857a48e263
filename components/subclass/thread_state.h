#pragma once
// Module data of the library that exists once per thread using it: the
// message being dispatched and the timer slot table.
#include <windows.h>

namespace vorne::subclass {

class CTimer;

constexpr int kTimerSlots = 100;

struct ThreadState {
    LONG currentMsg = 0;                  // last message handed to a client; never cleared
    WNDPROC currentPrevProc = nullptr;    // previous procedure of the window being dispatched; null between dispatches
    CTimer* timerSlots[kTimerSlots + 1] = {};  // 1..100, each a counted reference or null
    short timerSlotsHigh = 0;             // highest slot ever filled; never lowered
};

// The calling thread's state, created on first use (TlsAlloc-based: the
// library may be loaded into threads it did not see start).
ThreadState& CurrentThreadState();
// DllMain hooks.
void ThreadStateProcessAttach();
void ThreadStateThreadDetach();
// At process exit (DllMain's reserved argument not null) the loader lock is
// held and the hosts of running timers may be gone: nothing is released.
void ThreadStateProcessDetach(bool processExit);

}  // namespace vorne::subclass
