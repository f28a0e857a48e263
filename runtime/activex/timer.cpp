#include "runtime/activex/timer.h"

namespace vorne::activex {

void TimerPart::SetWindow(HWND hwnd) {
    if (hwnd == hwnd_) return;
    Stop();
    hwnd_ = hwnd;
    Sync();
}

void TimerPart::SetEnabled(bool on) {
    enabled_ = on;
    Sync();
}

bool TimerPart::SetInterval(long ms) {
    if (ms < 0 || ms > kMaxInterval) return false;
    interval_ = ms;
    Sync();
    return true;
}

void TimerPart::Sync() {
    const bool want = enabled_ && interval_ > 0 && hwnd_ && IsWindow(hwnd_);
    if (!want) {
        Stop();
        return;
    }
    if (running_ && runningInterval_ == interval_) return;
    // Setting an existing id again replaces its interval.
    if (SetTimer(hwnd_, id_, static_cast<UINT>(interval_), nullptr)) {
        running_ = true;
        runningInterval_ = interval_;
    } else {
        running_ = false;
    }
}

void TimerPart::Stop() {
    if (running_ && hwnd_) KillTimer(hwnd_, id_);
    running_ = false;
}

}  // namespace vorne::activex
