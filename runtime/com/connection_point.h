#pragma once
// Outgoing interfaces. A ConnectionPoint lives inside its object (its
// AddRef/Release go to the owner) and keeps the advised sinks; Fire calls
// IDispatch::Invoke on a snapshot of them, so a sink may unadvise, or drop
// the last reference to the owner, from inside its handler.
#include <windows.h>
#include <ocidl.h>
#include <initializer_list>
#include <vector>

#include "runtime/com/object.h"

namespace vorne::com {

class ConnectionPoint : public IConnectionPoint {
public:
    ConnectionPoint(IUnknown* owner, IConnectionPointContainer* container, const IID& iid);
    ~ConnectionPoint();

    // IUnknown, delegated to the owner.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_->Release(); }

    // IConnectionPoint
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** c) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** e) override;

    const IID& Iid() const { return iid_; }
    bool HasSinks() const { return !sinks_.empty(); }
    // Invokes dispid on every sink; args in natural order (copied by Invoke's
    // callee as it likes, owned here). Failures of a sink are ignored.
    void Fire(DISPID id, std::initializer_list<VARIANT> args = {});
    void Fire(DISPID id, VARIANT* argsNatural, UINT count);
    // Drops every sink (the owner is closing).
    void UnadviseAll();
    // Counted snapshot of the sinks, for interfaces that are not dispatch-only.
    std::vector<Ptr<IUnknown>> Sinks() const;

private:
    struct Sink {
        DWORD cookie;
        IUnknown* unk;
    };
    IUnknown* owner_;
    IConnectionPointContainer* container_;
    IID iid_;
    std::vector<Sink> sinks_;
    DWORD nextCookie_ = 1;
};

// IConnectionPointContainer's two methods over a fixed list of points.
HRESULT FindConnectionPointIn(std::initializer_list<ConnectionPoint*> points, REFIID riid,
                              IConnectionPoint** cp);
HRESULT EnumConnectionPointsOf(std::initializer_list<ConnectionPoint*> points,
                               IEnumConnectionPoints** e);

// The client's side: one sink advised to one event interface of a source
// object, until Unadvise or the end of this object.
class EventAdvice {
public:
    EventAdvice() = default;
    ~EventAdvice() { Unadvise(); }
    EventAdvice(const EventAdvice&) = delete;
    EventAdvice& operator=(const EventAdvice&) = delete;

    // Finds the source's connection point for events and advises sink to it
    // (the point keeps its own reference to sink).
    HRESULT Advise(IUnknown* source, REFIID events, IDispatch* sink);
    void Unadvise();

private:
    Ptr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

}  // namespace vorne::com
