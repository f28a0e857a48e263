#pragma once
// A hand-written IDispatch for dual interfaces: each class lists its members
// by dispatch id in a table; Invoke coerces the arguments the way automation
// clients expect, finds the member and turns errors into DISP_E_EXCEPTION
// with an EXCEPINFO. Handlers usually call the class's own vtable methods
// through DispCall::Check, so both paths share one implementation.
#include <windows.h>
#include <oaidl.h>
#include <string>
#include <vector>

#include "runtime/com/error.h"

namespace vorne::com {

// A failure tied to one argument (its index in natural order).
struct ArgError {
    HRESULT hr;
    UINT index;
};

class DispCall {
public:
    DispCall(WORD flags, DISPPARAMS* params, VARIANT* result);
    ~DispCall();

    WORD Flags() const { return flags_; }
    bool IsGet() const { return (flags_ & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) != 0 && !IsPut() && !IsPutRef(); }
    bool IsPut() const { return (flags_ & DISPATCH_PROPERTYPUT) != 0; }
    bool IsPutRef() const { return (flags_ & DISPATCH_PROPERTYPUTREF) != 0; }

    // Positional arguments, in the order the caller wrote them (the value of
    // a property put is not among them).
    UINT Count() const { return count_; }
    // Requires at least min and at most max positional arguments.
    void Expect(UINT min, UINT max) const;
    bool Has(UINT i) const;  // present and not a missing optional argument
    // The argument as passed, by-reference variants resolved to their target.
    VARIANT& Arg(UINT i);

    long Long(UINT i);
    // A pointer-sized integer: a Long in 32-bit builds, 64 bits wide in 64-bit ones.
    LONG_PTR LongPtr(UINT i);
    short Short(UINT i);
    float Single(UINT i);
    double Double(UINT i);
    bool Bool(UINT i);
    std::wstring String(UINT i);
    // An object argument (Nothing gives nullptr); AddRef'd by the callee if kept.
    IUnknown* Unknown(UINT i);
    // By-reference Long: points into the caller's variable when it passed one
    // by reference, otherwise to a coerced copy.
    LONG* LongRef(UINT i);
    // By-reference object argument, same rule.
    IUnknown** UnknownRef(UINT i);

    // The value of a property put or put-ref.
    VARIANT& Value();
    long ValueLong();
    short ValueShort();
    float ValueSingle();
    bool ValueBool();
    std::wstring ValueString();
    IUnknown* ValueUnknown();

    void ReturnLong(long v);
    void ReturnLongPtr(LONG_PTR v);
    void ReturnShort(short v);
    void ReturnSingle(float v);
    void ReturnDouble(double v);
    void ReturnBool(bool v);
    void ReturnString(const std::wstring& v);
    void ReturnBstr(BSTR v);  // takes ownership
    void ReturnVariant(const VARIANT& v);  // copies
    void ReturnVariantMove(VARIANT& v);    // takes over, leaves v empty
    void ReturnUnknown(IUnknown* v, bool asDispatch);  // AddRefs

private:
    VARIANT Coerced(VARIANT& v, VARTYPE vt, UINT index);
    UINT RawIndex(UINT i) const;

    WORD flags_;
    DISPPARAMS* params_;
    VARIANT* result_;
    UINT count_;
    bool hasValue_;
    std::vector<VARIANT*> temps_;
    std::vector<IUnknown*> tempObjects_;
};

template <class T>
struct DispMember {
    DISPID id;
    const wchar_t* name;
    WORD kinds;  // DISPATCH_METHOD, DISPATCH_PROPERTYGET, ... it accepts
    void (*call)(T& self, DispCall& c);
};

namespace detail {
using ErasedCall = void (*)(void* fn, void* self, DispCall& c);
HRESULT RunInvoke(void* fn, ErasedCall erased, void* self, WORD flags, DISPPARAMS* params,
                  VARIANT* result, EXCEPINFO* excep, UINT* argErr);
HRESULT FindName(const wchar_t* const* names, const DISPID* ids, size_t n, LPOLESTR name, DISPID* id);
}  // namespace detail

// Invoke over a member table. Unknown dispids give DISP_E_MEMBERNOTFOUND.
template <class T>
HRESULT Invoke(T& self, const DispMember<T>* members, size_t n, DISPID id, WORD flags,
               DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep, UINT* argErr) {
    for (size_t k = 0; k < n; ++k) {
        const DispMember<T>& m = members[k];
        if (m.id != id) continue;
        if ((m.kinds & flags) == 0) return DISP_E_MEMBERNOTFOUND;
        auto erased = [](void* fn, void* s, DispCall& c) {
            reinterpret_cast<void (*)(T&, DispCall&)>(fn)(*static_cast<T*>(s), c);
        };
        return detail::RunInvoke(reinterpret_cast<void*>(m.call), erased, &self, flags, params,
                                 result, excep, argErr);
    }
    return DISP_E_MEMBERNOTFOUND;
}

// GetIDsOfNames over a member table: the first name is the member (letter
// case ignored); named arguments are not supported.
template <class T>
HRESULT GetIDsOfNames(const DispMember<T>* members, size_t n, LPOLESTR* names, UINT count, DISPID* ids) {
    if (!names || !ids || count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    for (size_t k = 0; k < n; ++k) {
        const DispMember<T>& m = members[k];
        if (lstrcmpiW(m.name, names[0]) == 0) {
            ids[0] = m.id;
            return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

// IDispatch::GetTypeInfo from the module's type library.
HRESULT GetTypeInfoFor(REFIID iid, UINT index, ITypeInfo** info);

}  // namespace vorne::com

// GetIDsOfNames and Invoke answered from the member table of class Cls,
// which defines
//   const DispMember<Cls>* Cls::Members(size_t& count)
// (usually returning a function-local static array). The object stays
// alive for the whole of an Invoke, as a handler raised from inside it may
// drop the last reference.
#define VORNE_DISPATCH_MEMBERS(Cls)                                                             \
    static const ::vorne::com::DispMember<Cls>* Members(size_t& count);                        \
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT n, LCID,              \
                                            DISPID* ids) override {                             \
        size_t count = 0;                                                                       \
        const auto* members = Members(count);                                                   \
        return ::vorne::com::GetIDsOfNames(members, count, names, n, ids);                      \
    }                                                                                           \
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p,        \
                                     VARIANT* r, EXCEPINFO* e, UINT* a) override {              \
        size_t count = 0;                                                                       \
        const auto* members = Members(count);                                                   \
        AddRef();                                                                               \
        HRESULT hr = ::vorne::com::Invoke(*this, members, count, id, flags, p, r, e, a);        \
        Release();                                                                              \
        return hr;                                                                              \
    }

// The four IDispatch methods of a dual interface: the member table of class
// Cls and the type information of iid.
#define VORNE_DISPATCH_IMPL(Cls, iid)                                                           \
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {                              \
        if (!n) return E_POINTER;                                                               \
        *n = 1;                                                                                 \
        return S_OK;                                                                            \
    }                                                                                           \
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID, ITypeInfo** ti) override {              \
        return ::vorne::com::GetTypeInfoFor(iid, i, ti);                                        \
    }                                                                                           \
    VORNE_DISPATCH_MEMBERS(Cls)

// The two type-information methods of an IDispatch that has none (late
// binding by dispatch id only).
#define VORNE_DISPATCH_NO_TYPEINFO()                                                            \
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {                              \
        if (!n) return E_POINTER;                                                               \
        *n = 0;                                                                                 \
        return S_OK;                                                                            \
    }                                                                                           \
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ti) override {                \
        if (ti) *ti = nullptr;                                                                  \
        return DISP_E_BADINDEX;                                                                 \
    }

// The four IDispatch methods of an object bound late, by dispatch id or by
// name, from the member table of class Cls, without type information.
#define VORNE_DISPATCH_TABLE(Cls)                                                               \
    VORNE_DISPATCH_NO_TYPEINFO()                                                                \
    VORNE_DISPATCH_MEMBERS(Cls)
