#pragma once
// CTimer: raises ThatTime at a set interval from a window-less system timer.
// Running timers sit in the calling thread's slot table, which holds a
// counted reference, so a running timer lives on until its Interval is 0.
#include <windows.h>
#include <ocidl.h>

#include "Vornesub.h"
#include "components/subclass/thread_state.h"
#include "runtime/com/connection_point.h"
#include "runtime/com/dispatch.h"
#include "runtime/com/object.h"

namespace vorne::subclass {

// The system timer facility, replaceable so that tests can refuse timers.
struct TimerApi {
    UINT_PTR(WINAPI* set)(HWND, UINT_PTR, UINT, TIMERPROC);
    BOOL(WINAPI* kill)(HWND, UINT_PTR);
};
TimerApi& SystemTimerApi();

class CTimer : public vorne::com::Object,
               public _CTimer,
               public IConnectionPointContainer,
               public IProvideClassInfo2,
               public ISupportErrorInfo {
public:
    CTimer();
    ~CTimer() override;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    VORNE_COM_REFCOUNT()
    VORNE_DISPATCH_IMPL(CTimer, IID__CTimer)

    // _CTimer
    HRESULT STDMETHODCALLTYPE get_Item(VARIANT* item) override;
    HRESULT STDMETHODCALLTYPE put_Item(VARIANT item) override;
    HRESULT STDMETHODCALLTYPE putref_Item(VARIANT item) override;
    HRESULT STDMETHODCALLTYPE get_Interval(LONG* interval) override;
    HRESULT STDMETHODCALLTYPE put_Interval(LONG* interval) override;
    HRESULT STDMETHODCALLTYPE PulseTimer() override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** e) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** cp) override;

    // IProvideClassInfo2
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) override;

    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;

    // Friend data of the module.
    UINT_PTR SystemTimerId() const { return systemTimerId_; }
    void SetSystemTimerId(UINT_PTR id) { systemTimerId_ = id; }
    LONG IntervalValue() const { return interval_; }

private:
    void OnFinalRelease() override;
    void SetInterval(LONG value);  // throws ComError

    VARIANT item_;
    LONG interval_ = 0;
    UINT_PTR systemTimerId_ = 0;
    vorne::com::ConnectionPoint events_;
};

// MTimer
bool StartSystemTimer(CTimer* timer);  // throws 13651 when every slot is taken
bool StopSystemTimer(CTimer* timer);
void CALLBACK SystemTimerProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
// Empties the slot table of a thread that goes away.
void ReleaseTimerSlots(ThreadState& state);

}  // namespace vorne::subclass
