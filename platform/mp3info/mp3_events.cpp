#include "platform/mp3info/mp3_events.h"

#include <new>

#include "platform/mp3info/mp3_dispatch.h"
#include "runtime/com/dispatch.h"

namespace vorne::mp3info {
namespace {

class Sink : public com::Object, public IDispatch {
 public:
  explicit Sink(Mp3Events* h) : handler_(h) {}
  VORNE_COM_REFCOUNT()

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (IsEqualIID(riid, kMp3EventsIid)) {
      AddRef();
      *ppv = static_cast<IDispatch*>(this);
      return S_OK;
    }
    return com::QueryTable(riid, ppv, {{&IID_IDispatch, static_cast<IDispatch*>(this)}});
  }
  VORNE_DISPATCH_NO_TYPEINFO()
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    if (!handler_) return S_OK;
    if (id == kEventProgress) {
      long pos = 0;
      if (p && p->cArgs >= 1) {
        VARIANT v;
        VariantInit(&v);
        if (SUCCEEDED(VariantChangeType(&v, &p->rgvarg[p->cArgs - 1], 0, VT_I4))) pos = v.lVal;
        VariantClear(&v);
      }
      handler_->Progress(pos);
      return S_OK;
    }
    if (id == kEventDone) {
      handler_->Done();
      return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  Mp3Events* handler_;
};

}  // namespace

HRESULT Mp3EventsConnection::Connect(IDispatch* control, Mp3Events* handler) {
  Disconnect();
  if (!control || !handler) return E_POINTER;
  auto* sink = new (std::nothrow) Sink(handler);
  if (!sink) return E_OUTOFMEMORY;
  const HRESULT hr = advice_.Advise(control, kMp3EventsIid, static_cast<IDispatch*>(sink));
  sink->Release();
  return hr;
}

void Mp3EventsConnection::Disconnect() { advice_.Unadvise(); }

}  // namespace vorne::mp3info
