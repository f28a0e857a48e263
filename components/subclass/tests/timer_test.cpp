// CTimer and its per-thread slot table, linked in directly so that the
// system timer facility can be replaced.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "components/subclass/errors.h"
#include "components/subclass/thread_state.h"
#include "components/subclass/timer.h"
#include "components/subclass/tests/test_objects.h"

namespace {

using vorne::subclass::CTimer;
using vorne::subclass::testing::CountingSink;
using vorne::subclass::testing::PumpUntil;

// A fake timer source: hands out ids 1, 2, 3, ... and remembers live ones.
struct FakeTimers {
    static inline UINT_PTR next = 1;
    static inline bool refuse = false;
    static inline std::vector<UINT_PTR> live;
    static UINT_PTR WINAPI Set(HWND, UINT_PTR, UINT, TIMERPROC) {
        if (refuse) return 0;
        live.push_back(next);
        return next++;
    }
    static BOOL WINAPI Kill(HWND, UINT_PTR id) {
        for (auto it = live.begin(); it != live.end(); ++it)
            if (*it == id) {
                live.erase(it);
                return TRUE;
            }
        return FALSE;
    }
};

class Timers : public ::testing::Test {
protected:
    void SetUp() override {
        saved = vorne::subclass::SystemTimerApi();
        vorne::subclass::SystemTimerApi() = {&FakeTimers::Set, &FakeTimers::Kill};
        FakeTimers::refuse = false;
        FakeTimers::live.clear();
    }
    void TearDown() override {
        for (CTimer* t : timers) {
            LONG zero = 0;
            t->put_Interval(&zero);
            t->Release();
        }
        vorne::subclass::SystemTimerApi() = saved;
    }
    CTimer* Make() {
        timers.push_back(new CTimer());
        return timers.back();
    }
    static HRESULT SetInterval(CTimer* t, LONG v) { return t->put_Interval(&v); }
    static LONG Interval(CTimer* t) {
        LONG v = -1;
        t->get_Interval(&v);
        return v;
    }
    vorne::subclass::TimerApi saved{};
    std::vector<CTimer*> timers;
};

TEST_F(Timers, SameIntervalKeepsTheRunningTimer) {
    CTimer* t = Make();
    ASSERT_HRESULT_SUCCEEDED(SetInterval(t, 50));
    const UINT_PTR id = t->SystemTimerId();
    EXPECT_NE(id, 0u);
    ASSERT_HRESULT_SUCCEEDED(SetInterval(t, 50));
    EXPECT_EQ(t->SystemTimerId(), id);
    // Another positive interval means a new system timer.
    ASSERT_HRESULT_SUCCEEDED(SetInterval(t, 70));
    EXPECT_NE(t->SystemTimerId(), id);
    EXPECT_EQ(FakeTimers::live, std::vector<UINT_PTR>{t->SystemTimerId()});
}

TEST_F(Timers, NegativeIntervalStopsAndReadsZero) {
    CTimer* t = Make();
    ASSERT_HRESULT_SUCCEEDED(SetInterval(t, 50));
    ASSERT_HRESULT_SUCCEEDED(SetInterval(t, -5));
    EXPECT_EQ(Interval(t), 0);
    EXPECT_TRUE(FakeTimers::live.empty());
    EXPECT_EQ(vorne::subclass::CurrentThreadState().timerSlots[1], nullptr);
}

TEST_F(Timers, HundredAndFirstTimerFailsAndTheOthersRunOn) {
    for (int i = 0; i < 100; ++i) ASSERT_HRESULT_SUCCEEDED(SetInterval(Make(), 1000)) << i;
    CTimer* extra = Make();
    EXPECT_EQ(SetInterval(extra, 1000), vorne::subclass::ErrorHresult(13651));
    EXPECT_EQ(Interval(extra), 1000);   // the value stays, no timer runs
    EXPECT_EQ(extra->SystemTimerId(), 0u);
    EXPECT_EQ(FakeTimers::live.size(), 100u);
    // Same value again: nothing happens, not even an error.
    EXPECT_HRESULT_SUCCEEDED(SetInterval(extra, 1000));
    // 0 first, then the interval, tries again: a slot is free now.
    ASSERT_HRESULT_SUCCEEDED(SetInterval(timers[0], 0));
    ASSERT_HRESULT_SUCCEEDED(SetInterval(extra, 0));
    EXPECT_HRESULT_SUCCEEDED(SetInterval(extra, 1000));
    EXPECT_EQ(vorne::subclass::CurrentThreadState().timerSlots[1], extra);
}

TEST_F(Timers, RefusedSystemTimerFailsAndReadsZero) {
    CTimer* t = Make();
    FakeTimers::refuse = true;
    EXPECT_EQ(SetInterval(t, 50), vorne::subclass::ErrorHresult(13652));
    EXPECT_EQ(Interval(t), 0);
    EXPECT_EQ(t->SystemTimerId(), 0u);
}

TEST_F(Timers, FreedSlotsAreReusedFirstAndTheHighMarkNeverFalls) {
    CTimer* a = Make();
    CTimer* b = Make();
    CTimer* c = Make();
    ASSERT_HRESULT_SUCCEEDED(SetInterval(a, 10));
    ASSERT_HRESULT_SUCCEEDED(SetInterval(b, 10));
    ASSERT_HRESULT_SUCCEEDED(SetInterval(c, 10));
    vorne::subclass::ThreadState& s = vorne::subclass::CurrentThreadState();
    const short high = s.timerSlotsHigh;
    ASSERT_HRESULT_SUCCEEDED(SetInterval(a, 0));
    ASSERT_HRESULT_SUCCEEDED(SetInterval(c, 0));
    ASSERT_HRESULT_SUCCEEDED(SetInterval(c, 10));
    ASSERT_HRESULT_SUCCEEDED(SetInterval(a, 10));
    EXPECT_EQ(s.timerSlots[1], c);
    EXPECT_EQ(s.timerSlots[2], b);
    EXPECT_EQ(s.timerSlots[3], a);
    ASSERT_HRESULT_SUCCEEDED(SetInterval(a, 0));
    EXPECT_EQ(s.timerSlotsHigh, high);
}

TEST_F(Timers, PulseRaisesThatTimeAtOnceEvenWhenStopped) {
    CTimer* t = Make();
    CountingSink sink(DIID___CTimer);
    IConnectionPoint* cp = nullptr;
    ASSERT_HRESULT_SUCCEEDED(t->FindConnectionPoint(DIID___CTimer, &cp));
    DWORD cookie = 0;
    ASSERT_HRESULT_SUCCEEDED(cp->Advise(&sink, &cookie));
    t->PulseTimer();
    EXPECT_EQ(sink.count, 1);
    cp->Unadvise(cookie);
    cp->Release();
    EXPECT_EQ(sink.refs, 1u);
}

// With the real system timers: a handler that stops its own timer, after
// its creator already let go, must not pull the object away mid-raise.
TEST(TimerCallbacks, HandlerMayStopItsOwnOrphanedTimer) {
    auto* t = new CTimer();
    CountingSink sink(DIID___CTimer);
    IConnectionPoint* cp = nullptr;
    ASSERT_HRESULT_SUCCEEDED(t->FindConnectionPoint(DIID___CTimer, &cp));
    DWORD cookie = 0;
    ASSERT_HRESULT_SUCCEEDED(cp->Advise(&sink, &cookie));
    cp->Release();
    sink.onEvent = [&] {
        LONG zero = 0;
        t->put_Interval(&zero);  // drops the slot's reference, the last one
    };
    LONG interval = 5;
    ASSERT_HRESULT_SUCCEEDED(t->put_Interval(&interval));
    t->Release();  // only the slot keeps it now
    EXPECT_TRUE(PumpUntil([&] { return sink.count >= 1; }, 3000));
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(sink.count, 1);
    EXPECT_EQ(sink.refs, 1u);  // the dying timer let go of its sink
}

}  // namespace
