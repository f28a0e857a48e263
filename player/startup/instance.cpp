#include "player/startup/instance.h"

#include "player/startup/handover.h"

namespace vorne::player::startup {

bool InstanceLock::IsFirstInstance(const char* name) {
    Release();
    mutex_ = CreateMutexA(nullptr, TRUE, name);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (mutex_) CloseHandle(mutex_);
        mutex_ = nullptr;
        return false;
    }
    // Any other failure counts as a first instance: the program starts.
    return true;
}

void InstanceLock::Release() {
    if (mutex_) CloseHandle(mutex_);
    mutex_ = nullptr;
}

bool IsInstanceWindow(HWND hwnd) {
    return reinterpret_cast<intptr_t>(GetPropA(hwnd, kWindowPropertyName)) == kWindowPropertyMark;
}

void MarkInstanceWindow(HWND hwnd) {
    SetPropA(hwnd, kWindowPropertyName, reinterpret_cast<HANDLE>(kWindowPropertyMark));
}

namespace {
BOOL CALLBACK EnumInstanceWindows(HWND hwnd, LPARAM lp) {
    if (IsInstanceWindow(hwnd)) {
        *reinterpret_cast<HWND*>(lp) = hwnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND FindPreviousInstance() {
    HWND found = nullptr;
    EnumWindows(EnumInstanceWindows, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND FindPreviousInstance(unsigned timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND h = FindPreviousInstance()) return h;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(100);
    }
}

void BringToForeground(HWND hwnd) { SetForegroundWindow(hwnd); }

void ActivateWindow(HWND hwnd) {
    if (IsIconic(hwnd)) SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    BringToForeground(hwnd);
}

bool SendHandOver(HWND target, const std::string& ansiCommandLine) {
    std::string bytes = HandOverBytes(ansiCommandLine);
    COPYDATASTRUCT record{};
    record.dwData = 0;
    record.cbData = static_cast<DWORD>(bytes.size());
    record.lpData = bytes.data();
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(target, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record), SMTO_NORMAL,
                               kHandOverTimeoutMs, &result) != 0;
}

bool HandToRunningInstance(const std::string& ansiCommandLine) {
    HWND found = FindPreviousInstance(kFindRetryMs);
    if (!found) return false;
    if (!ansiCommandLine.empty() || !IsWindowVisible(found))
        SendHandOver(found, ansiCommandLine);
    else
        ActivateWindow(found);
    return true;
}

}  // namespace vorne::player::startup
