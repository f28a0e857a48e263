#pragma once
// A timer part of a control: enabled state and interval in milliseconds
// (0 to 65535), ticking as WM_TIMER with its own id on a window the control
// names. It ticks only while enabled with an interval above 0 and while it
// has a window; SetTimer is never called with 0.
#include <windows.h>

namespace vorne::activex {

class TimerPart {
public:
    static constexpr long kMaxInterval = 65535;

    explicit TimerPart(UINT_PTR id, bool enabled = false, long interval = 0)
        : id_(id), enabled_(enabled), interval_(interval) {}
    ~TimerPart() { Stop(); }
    TimerPart(const TimerPart&) = delete;
    TimerPart& operator=(const TimerPart&) = delete;

    UINT_PTR Id() const { return id_; }
    // The window that receives the ticks; nullptr stops the real timer until
    // a window comes (the state stays).
    void SetWindow(HWND hwnd);
    HWND Window() const { return hwnd_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    long Interval() const { return interval_; }
    // False (nothing changed) for an interval outside 0..65535.
    bool SetInterval(long ms);

    // A real timer is set.
    bool Running() const { return running_; }
    // The message is this timer's tick.
    bool IsTick(UINT msg, WPARAM wp) const { return msg == WM_TIMER && wp == id_; }

private:
    void Sync();
    void Stop();

    UINT_PTR id_;
    HWND hwnd_ = nullptr;
    bool enabled_;
    long interval_;
    bool running_ = false;
    long runningInterval_ = 0;
};

}  // namespace vorne::activex
