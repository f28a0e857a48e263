#pragma once
// Reference counting for the kit's COM objects. A class derives from
// Object<Derived> and from its interfaces, writes QueryInterface with
// QueryTable, and adds VORNE_COM_REFCOUNT() to its body.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <initializer_list>
#include <utility>

#include "runtime/com/module.h"

namespace vorne::com {

class Object {
public:
    Object() { Module::ObjectCreated(); }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() { Module::ObjectDestroyed(); }

    ULONG AddRefImpl() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG ReleaseImpl() {
        LONG n = InterlockedDecrement(&refs_);
        if (n == 0) {
            // Guard against a re-entrant AddRef/Release pair during teardown.
            refs_ = 1 << 30;
            OnFinalRelease();
            delete this;
        }
        return static_cast<ULONG>(n);
    }

protected:
    // Runs once, before the destructor, while the object is still whole.
    virtual void OnFinalRelease() {}

private:
    volatile LONG refs_ = 1;
};

// One row of a QueryInterface table: an IID and the interface pointer that
// answers it (already cast from the object).
struct QueryEntry {
    const IID* iid;
    void* itf;
};

// Answers riid from the table; IUnknown is answered by the first entry.
inline HRESULT QueryTable(REFIID riid, void** ppv, std::initializer_list<QueryEntry> entries) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (entries.size() == 0) return E_NOINTERFACE;
    void* found = nullptr;
    if (IsEqualIID(riid, IID_IUnknown)) {
        found = entries.begin()->itf;
    } else {
        for (const QueryEntry& e : entries) {
            if (IsEqualIID(riid, *e.iid)) {
                found = e.itf;
                break;
            }
        }
    }
    if (!found) return E_NOINTERFACE;
    static_cast<IUnknown*>(found)->AddRef();
    *ppv = found;
    return S_OK;
}

// A counted interface pointer.
template <class T>
class Ptr {
public:
    Ptr() = default;
    Ptr(T* p) : p_(p) { if (p_) p_->AddRef(); }  // NOLINT: implicit by design
    Ptr(const Ptr& o) : Ptr(o.p_) {}
    Ptr(Ptr&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
    ~Ptr() { Reset(); }
    Ptr& operator=(Ptr o) noexcept { std::swap(p_, o.p_); return *this; }

    // Takes over a reference the caller already owns.
    static Ptr Adopt(T* p) { Ptr r; r.p_ = p; return r; }

    void Reset() {
        if (p_) {
            T* p = p_;
            p_ = nullptr;
            p->Release();
        }
    }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters: releases what is held and hands out the slot.
    T** Out() { Reset(); return &p_; }
    T* Detach() { T* p = p_; p_ = nullptr; return p; }

    template <class U>
    Ptr<U> As(REFIID iid) const {
        Ptr<U> r;
        if (p_) p_->QueryInterface(iid, reinterpret_cast<void**>(r.Out()));
        return r;
    }

private:
    T* p_ = nullptr;
};

}  // namespace vorne::com

#define VORNE_COM_REFCOUNT()                                                     \
    ULONG STDMETHODCALLTYPE AddRef() override { return AddRefImpl(); }           \
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseImpl(); }
