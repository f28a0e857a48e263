#pragma once
// Small COM objects the library's tests hand to it: a subclass client that
// logs what it sees, and an event sink that counts calls.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Vornesub.h"
#include "components/subclass/tests/event_sink.h"

namespace vorne::subclass::testing {

// A client of the subclassing half. Every call is appended to a shared log:
// "<name>?" for a MsgResponse read, "<name>" for a WindowProc call.
class Client : public _ISubclass {
public:
    Client(std::string name, std::vector<std::string>* log, EMsgResponse response, LONG result)
        : name_(std::move(name)), log_(log), response_(response), result_(result) {}
    virtual ~Client() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID__ISubclass)) {
            *ppv = static_cast<_ISubclass*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }  // lives on the stack
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_MsgResponse(EMsgResponse* r) override {
        if (log_) log_->push_back(name_ + "?");
        if (failResponse) return E_FAIL;
        *r = response_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_MsgResponse(EMsgResponse r) override { response_ = r; return S_OK; }
    HRESULT STDMETHODCALLTYPE WindowProc(LONG hwnd, LONG msg, LONG_PTR wp, LONG_PTR lp, LONG_PTR* result) override {
        if (log_) log_->push_back(name_);
        lastMsg = msg;
        if (onMessage) onMessage();
        if (failProc) return E_FAIL;
        *result = result_;
        return S_OK;
    }

    ULONG refs = 1;
    LONG lastMsg = 0;
    bool failProc = false;
    bool failResponse = false;
    std::function<void()> onMessage;

private:
    std::string name_;
    std::vector<std::string>* log_;
    EMsgResponse response_;
    LONG result_;
};

}  // namespace vorne::subclass::testing
