#pragma once
// An event sink for the timer's events, and a message pump for tests.
#include <windows.h>

#include <functional>

#include "components/subclass/subclass_dispids.h"

namespace vorne::subclass::testing {

// An event sink that counts ThatTime calls and may run an action on each.
class CountingSink : public IDispatch {
public:
    explicit CountingSink(IID iid) : iid_(iid) {}
    virtual ~CountingSink() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, iid_)) {
            *ppv = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        if (id == SUBCLASS_EVENT_TIMER_THATTIME) {
            ++count;
            if (onEvent) onEvent();
        }
        return S_OK;
    }
    ULONG refs = 1;
    int count = 0;
    std::function<void()> onEvent;

private:
    IID iid_;
};

// Pumps this thread's messages until done() or the time runs out.
inline bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
    }
    return true;
}

}  // namespace vorne::subclass::testing
