#include "components/subclass/timer.h"

#include "components/subclass/errors.h"
#include "components/subclass/subclass_dispids.h"
#include "runtime/com/error.h"
#include "runtime/com/typelib.h"

namespace vorne::subclass {

using vorne::com::Check;
using vorne::com::DispCall;
using vorne::com::DispMember;
using vorne::com::Guard;
using vorne::com::Ptr;

TimerApi& SystemTimerApi() {
    static TimerApi api = {&::SetTimer, &::KillTimer};
    return api;
}

CTimer::CTimer() : events_(static_cast<_CTimer*>(this), this, DIID___CTimer) { VariantInit(&item_); }

CTimer::~CTimer() { VariantClear(&item_); }

void CTimer::OnFinalRelease() {
    // A timer that is still running holds a slot reference, so by now it is
    // stopped; this only mirrors the rule that a dying timer stops itself.
    if (interval_ > 0) {
        interval_ = 0;
        StopSystemTimer(this);
    }
    events_.UnadviseAll();
}

HRESULT CTimer::QueryInterface(REFIID riid, void** ppv) {
    return vorne::com::QueryTable(riid, ppv,
                                  {{&IID__CTimer, static_cast<_CTimer*>(this)},
                                   {&IID_IDispatch, static_cast<_CTimer*>(this)},
                                   {&IID_IConnectionPointContainer, static_cast<IConnectionPointContainer*>(this)},
                                   {&IID_IProvideClassInfo, static_cast<IProvideClassInfo2*>(this)},
                                   {&IID_IProvideClassInfo2, static_cast<IProvideClassInfo2*>(this)},
                                   {&IID_ISupportErrorInfo, static_cast<ISupportErrorInfo*>(this)}});
}

HRESULT CTimer::InterfaceSupportsErrorInfo(REFIID riid) {
    return IsEqualIID(riid, IID__CTimer) ? S_OK : S_FALSE;
}

HRESULT CTimer::get_Item(VARIANT* item) {
    if (!item) return E_POINTER;
    VariantInit(item);
    return VariantCopy(item, &item_);
}

HRESULT CTimer::put_Item(VARIANT item) {
    VARIANT copy;
    VariantInit(&copy);
    HRESULT hr = VariantCopyInd(&copy, &item);
    if (FAILED(hr)) return hr;
    VariantClear(&item_);
    item_ = copy;
    return S_OK;
}

HRESULT CTimer::putref_Item(VARIANT item) { return put_Item(item); }

HRESULT CTimer::get_Interval(LONG* interval) {
    if (!interval) return E_POINTER;
    *interval = interval_;
    return S_OK;
}

HRESULT CTimer::put_Interval(LONG* interval) {
    if (!interval) return E_POINTER;
    const LONG value = *interval;
    return Guard(IID__CTimer, [&] { SetInterval(value); });
}

void CTimer::SetInterval(LONG v) {
    if (v > 0) {
        if (v == interval_) return;
        if (interval_ != 0) StopSystemTimer(this);
        interval_ = v;
        if (!StartSystemTimer(this)) RaiseLibraryError(kErrCantCreateTimer);
    } else if (interval_ > 0) {
        interval_ = 0;
        StopSystemTimer(this);
    }
}

HRESULT CTimer::PulseTimer() {
    Ptr<IUnknown> keep(static_cast<_CTimer*>(this));
    events_.Fire(SUBCLASS_EVENT_TIMER_THATTIME);
    return S_OK;
}

HRESULT CTimer::EnumConnectionPoints(IEnumConnectionPoints** e) {
    return vorne::com::EnumConnectionPointsOf({&events_}, e);
}

HRESULT CTimer::FindConnectionPoint(REFIID riid, IConnectionPoint** cp) {
    return vorne::com::FindConnectionPointIn({&events_}, riid, cp);
}

HRESULT CTimer::GetClassInfo(ITypeInfo** info) { return vorne::com::TypeInfoOf(CLSID_CTimer, info); }

HRESULT CTimer::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_INVALIDARG;
    }
    *guid = DIID___CTimer;
    return S_OK;
}

const DispMember<CTimer>* CTimer::Members(size_t& count) {
    static const DispMember<CTimer> members[] = {
        {SUBCLASS_DISPID_TIMER_ITEM, L"Item", DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF,
         [](CTimer& self, DispCall& c) {
             c.Expect(0, 0);
             if (c.IsPut() || c.IsPutRef()) {
                 Check(self.put_Item(c.Value()));
             } else {
                 VARIANT v;
                 Check(self.get_Item(&v));
                 c.ReturnVariantMove(v);
             }
         }},
        {SUBCLASS_DISPID_TIMER_INTERVAL, L"Interval", DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
         [](CTimer& self, DispCall& c) {
             c.Expect(0, 0);
             if (c.IsPut()) {
                 LONG v = c.ValueLong();
                 Check(self.put_Interval(&v));
             } else {
                 LONG v = 0;
                 Check(self.get_Interval(&v));
                 c.ReturnLong(v);
             }
         }},
        {SUBCLASS_DISPID_TIMER_PULSETIMER, L"PulseTimer", DISPATCH_METHOD,
         [](CTimer& self, DispCall& c) {
             c.Expect(0, 0);
             Check(self.PulseTimer());
         }},
    };
    count = sizeof(members) / sizeof(members[0]);
    return members;
}

bool StartSystemTimer(CTimer* timer) {
    TimerApi& api = SystemTimerApi();
    UINT_PTR id = api.set(nullptr, 0, static_cast<UINT>(timer->IntervalValue()), &SystemTimerProc);
    timer->SetSystemTimerId(id);
    if (id == 0) {
        LONG zero = 0;
        timer->put_Interval(&zero);
        return false;
    }
    ThreadState& s = CurrentThreadState();
    for (int i = 1; i <= kTimerSlots; ++i) {
        if (!s.timerSlots[i]) {
            timer->AddRef();
            s.timerSlots[i] = timer;
            if (s.timerSlotsHigh < i) s.timerSlotsHigh = static_cast<short>(i);
            return true;
        }
    }
    api.kill(nullptr, id);
    timer->SetSystemTimerId(0);
    RaiseLibraryError(kErrTooManyTimers);
}

bool StopSystemTimer(CTimer* timer) {
    ThreadState& s = CurrentThreadState();
    const UINT_PTR id = timer->SystemTimerId();
    for (int i = 1; i <= s.timerSlotsHigh; ++i) {
        CTimer* t = s.timerSlots[i];
        if (t && t->SystemTimerId() == id) {
            SystemTimerApi().kill(nullptr, id);
            s.timerSlots[i] = nullptr;
            t->Release();
            return true;
        }
    }
    return false;
}

void CALLBACK SystemTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    ThreadState& s = CurrentThreadState();
    for (int i = 1; i <= s.timerSlotsHigh; ++i) {
        CTimer* t = s.timerSlots[i];
        if (t && t->SystemTimerId() == id) {
            // The handler may stop its own timer, which empties the slot and
            // drops the slot's reference: hold one of our own meanwhile.
            Ptr<_CTimer> keep(t);
            t->PulseTimer();
            return;
        }
    }
}

void ReleaseTimerSlots(ThreadState& state) {
    for (int i = 1; i <= kTimerSlots; ++i) {
        CTimer* t = state.timerSlots[i];
        if (!t) continue;
        state.timerSlots[i] = nullptr;
        SystemTimerApi().kill(nullptr, t->SystemTimerId());
        t->Release();
    }
}

}  // namespace vorne::subclass
