#include "runtime/com/connection_point.h"

#include <new>

namespace vorne::com {

HRESULT EventAdvice::Advise(IUnknown* source, REFIID events, IDispatch* sink) {
    Unadvise();
    if (!source || !sink) return E_POINTER;
    Ptr<IConnectionPointContainer> c;
    if (FAILED(source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(c.Out()))) || !c)
        return E_NOINTERFACE;
    HRESULT hr = c->FindConnectionPoint(events, point_.Out());
    if (FAILED(hr)) return hr;
    hr = point_->Advise(sink, &cookie_);
    if (FAILED(hr)) {
        point_.Reset();
        cookie_ = 0;
    }
    return hr;
}

void EventAdvice::Unadvise() {
    if (point_) point_->Unadvise(cookie_);
    point_.Reset();
    cookie_ = 0;
}
namespace {

// A generic enumerator over a vector of counted items (IEnumConnections and
// IEnumConnectionPoints have the same shape).
template <class Derived, class Itf, class Item, const IID* ItfIid, class CopyOut, class AddRefItem, class ReleaseItem>
class Enumerator : public Object, public Itf {
public:
    explicit Enumerator(std::vector<Item> items, size_t pos = 0) : items_(std::move(items)), pos_(pos) {
        for (Item& i : items_) AddRefItem()(i);
    }
    ~Enumerator() override {
        for (Item& i : items_) ReleaseItem()(i);
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        return QueryTable(riid, ppv, {{ItfIid, static_cast<Itf*>(this)}});
    }
    VORNE_COM_REFCOUNT()

    template <class Out>
    HRESULT NextImpl(ULONG n, Out* out, ULONG* fetched) {
        if (!out || (n > 1 && !fetched)) return E_POINTER;
        ULONG got = 0;
        while (got < n && pos_ < items_.size()) {
            CopyOut()(items_[pos_++], out[got]);
            ++got;
        }
        if (fetched) *fetched = got;
        return got == n ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG n) override {
        size_t left = items_.size() - pos_;
        if (n > left) {
            pos_ = items_.size();
            return S_FALSE;
        }
        pos_ += n;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        pos_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(Itf** e) override {
        if (!e) return E_POINTER;
        *e = new (std::nothrow) Derived(items_, pos_);
        return *e ? S_OK : E_OUTOFMEMORY;
    }

private:
    std::vector<Item> items_;
    size_t pos_;
};

class ConnectionEnum;
class PointEnum;

struct CopyConnect {
    void operator()(const CONNECTDATA& in, CONNECTDATA& out) const {
        out = in;
        if (out.pUnk) out.pUnk->AddRef();
    }
};
struct AddRefConnect { void operator()(CONNECTDATA& c) const { if (c.pUnk) c.pUnk->AddRef(); } };
struct ReleaseConnect { void operator()(CONNECTDATA& c) const { if (c.pUnk) c.pUnk->Release(); } };

struct CopyPoint {
    void operator()(IConnectionPoint* in, IConnectionPoint*& out) const {
        out = in;
        out->AddRef();
    }
};
struct AddRefPoint { void operator()(IConnectionPoint* p) const { p->AddRef(); } };
struct ReleasePoint { void operator()(IConnectionPoint* p) const { p->Release(); } };

class ConnectionEnum
    : public Enumerator<ConnectionEnum, IEnumConnections, CONNECTDATA, &IID_IEnumConnections, CopyConnect, AddRefConnect, ReleaseConnect> {
public:
    using Enumerator::Enumerator;
    HRESULT STDMETHODCALLTYPE Next(ULONG n, CONNECTDATA* out, ULONG* fetched) override {
        return NextImpl(n, out, fetched);
    }
};

class PointEnum
    : public Enumerator<PointEnum, IEnumConnectionPoints, IConnectionPoint*, &IID_IEnumConnectionPoints, CopyPoint, AddRefPoint, ReleasePoint> {
public:
    using Enumerator::Enumerator;
    HRESULT STDMETHODCALLTYPE Next(ULONG n, IConnectionPoint** out, ULONG* fetched) override {
        return NextImpl(n, out, fetched);
    }
};

}  // namespace

ConnectionPoint::ConnectionPoint(IUnknown* owner, IConnectionPointContainer* container, const IID& iid)
    : owner_(owner), container_(container), iid_(iid) {}

ConnectionPoint::~ConnectionPoint() { UnadviseAll(); }

HRESULT ConnectionPoint::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IConnectionPoint)) {
        *ppv = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** c) {
    if (!c) return E_POINTER;
    *c = container_;
    container_->AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    IUnknown* unk = nullptr;
    // The sink must speak the event interface; a plain IDispatch serves for
    // dispatch-only event interfaces.
    if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(&unk))) &&
        FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&unk))))
        return CONNECT_E_CANNOTCONNECT;
    try {
        sinks_.push_back({nextCookie_, unk});
    } catch (...) {
        unk->Release();
        return E_OUTOFMEMORY;
    }
    *cookie = nextCookie_++;
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->cookie == cookie) {
            IUnknown* unk = it->unk;
            sinks_.erase(it);
            unk->Release();
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** e) {
    if (!e) return E_POINTER;
    std::vector<CONNECTDATA> items;
    for (const Sink& s : sinks_) items.push_back({s.unk, s.cookie});
    ConnectionEnum* en = new (std::nothrow) ConnectionEnum(items);
    *e = en;
    return en ? S_OK : E_OUTOFMEMORY;
}

std::vector<Ptr<IUnknown>> ConnectionPoint::Sinks() const {
    std::vector<Ptr<IUnknown>> out;
    out.reserve(sinks_.size());
    for (const Sink& s : sinks_) out.emplace_back(s.unk);
    return out;
}

void ConnectionPoint::Fire(DISPID id, VARIANT* argsNatural, UINT count) {
    if (sinks_.empty()) return;
    // Keep the owner alive for the whole raise: a handler may drop the last
    // outside reference to it.
    Ptr<IUnknown> keep(owner_);
    std::vector<VARIANT> reversed(argsNatural, argsNatural + count);
    for (UINT i = 0; i < count / 2; ++i) std::swap(reversed[i], reversed[count - 1 - i]);
    for (const Ptr<IUnknown>& s : Sinks()) {
        Ptr<IDispatch> d = s.As<IDispatch>(IID_IDispatch);
        if (!d) continue;
        DISPPARAMS p = {count ? reversed.data() : nullptr, nullptr, count, 0};
        VARIANT r;
        VariantInit(&r);
        d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &p, &r, nullptr, nullptr);
        VariantClear(&r);
    }
}

void ConnectionPoint::Fire(DISPID id, std::initializer_list<VARIANT> args) {
    std::vector<VARIANT> v(args);
    Fire(id, v.data(), static_cast<UINT>(v.size()));
}

void ConnectionPoint::UnadviseAll() {
    std::vector<Sink> old;
    old.swap(sinks_);
    for (Sink& s : old) s.unk->Release();
}

HRESULT FindConnectionPointIn(std::initializer_list<ConnectionPoint*> points, REFIID riid,
                              IConnectionPoint** cp) {
    if (!cp) return E_POINTER;
    *cp = nullptr;
    for (ConnectionPoint* p : points) {
        if (IsEqualIID(p->Iid(), riid)) {
            p->AddRef();
            *cp = p;
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

HRESULT EnumConnectionPointsOf(std::initializer_list<ConnectionPoint*> points, IEnumConnectionPoints** e) {
    if (!e) return E_POINTER;
    std::vector<IConnectionPoint*> items(points.begin(), points.end());
    PointEnum* en = new (std::nothrow) PointEnum(items);
    *e = en;
    return en ? S_OK : E_OUTOFMEMORY;
}

}  // namespace vorne::com
