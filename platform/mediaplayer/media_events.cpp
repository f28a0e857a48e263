#include "platform/mediaplayer/media_events.h"

#include <new>

#include "platform/mediaplayer/media_player.h"

namespace vorne::mediaplayer {
namespace {

long LongArg(const DISPPARAMS* p, UINT natural) {
  if (!p || natural >= p->cArgs) return 0;
  VARIANT v;
  VariantInit(&v);
  long r = 0;
  if (SUCCEEDED(VariantChangeType(&v, &p->rgvarg[p->cArgs - 1 - natural], 0, VT_I4))) r = v.lVal;
  VariantClear(&v);
  return r;
}

class Sink : public com::Object, public IDispatch {
 public:
  explicit Sink(MediaEvents* h) : handler_(h) {}
  VORNE_COM_REFCOUNT()

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (IsEqualIID(riid, kMediaPlayerEventsIid)) {
      AddRef();
      *ppv = static_cast<IDispatch*>(this);
      return S_OK;
    }
    return com::QueryTable(riid, ppv, {{&IID_IDispatch, static_cast<IDispatch*>(this)}});
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    if (!n) return E_POINTER;
    *n = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ti) override {
    if (ti) *ti = nullptr;
    return DISP_E_BADINDEX;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    MediaEvents* h = handler_;
    if (!h) return S_OK;
    switch (id) {
      case kEventPlayStateChange: h->PlayStateChange(LongArg(p, 0), LongArg(p, 1)); break;
      case kEventBuffering: h->Buffering(LongArg(p, 0) != 0); break;
      case kEventError: h->Error(); break;
      case kEventNewStream: h->NewStream(); break;
      case kEventReadyStateChange: h->ReadyStateChange(LongArg(p, 0)); break;
      case kEventEndOfStream: h->EndOfStream(LongArg(p, 0)); break;
      default: return DISP_E_MEMBERNOTFOUND;
    }
    return S_OK;
  }

 private:
  MediaEvents* handler_;
};

}  // namespace

HRESULT MediaEventsConnection::Connect(IDispatch* player, MediaEvents* handler) {
  Disconnect();
  if (!player || !handler) return E_POINTER;
  auto* sink = new (std::nothrow) Sink(handler);
  if (!sink) return E_OUTOFMEMORY;
  const HRESULT hr = advice_.Advise(player, kMediaPlayerEventsIid, static_cast<IDispatch*>(sink));
  sink->Release();
  return hr;
}

void MediaEventsConnection::Disconnect() { advice_.Unadvise(); }

}  // namespace vorne::mediaplayer
