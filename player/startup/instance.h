// The single-instance test of the program's start: the named mutex, the mark
// on the running instance's main window, finding that window and handing a
// command line over to it. Win32.
#pragma once

#include <windows.h>

#include <string>

namespace vorne::player::startup {

class InstanceLock {
public:
    // IsFirstInstance: creates the named mutex, initially owned. True when
    // no other instance holds it (a failure other than "already exists"
    // counts as first). A second instance's handle is closed at once.
    bool IsFirstInstance(const char* name);
    // ReleaseInstanceMutex: closes the handle (never released separately).
    void Release();
    HANDLE Handle() const { return mutex_; }
    ~InstanceLock() { Release(); }

private:
    HANDLE mutex_ = nullptr;
};

// The window property of the instance tag equals 1.
bool IsInstanceWindow(HWND hwnd);
void MarkInstanceWindow(HWND hwnd);
// The first top-level window that carries the mark, or null.
HWND FindPreviousInstance();
// The same, looking again every 100 ms for up to timeoutMs while none is
// found (the running instance may still be loading).
HWND FindPreviousInstance(unsigned timeoutMs);
// Restores a minimised window (WM_SYSCOMMAND SC_RESTORE), then brings it to
// the foreground.
void ActivateWindow(HWND hwnd);
void BringToForeground(HWND hwnd);

// Sends the hand-over (WM_COPYDATA through SendMessageTimeoutA, SMTO_NORMAL,
// 5000 ms) of an ANSI command line. The result is not looked at; returns
// whether the send went through, for diagnostics.
bool SendHandOver(HWND target, const std::string& ansiCommandLine);

// The second start's part of Main: finds the running instance and either
// hands the command line over (it is not empty, or the window is not
// visible) or activates the window. Returns false when no running instance
// was found.
bool HandToRunningInstance(const std::string& ansiCommandLine);

}  // namespace vorne::player::startup
