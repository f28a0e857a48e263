#include "runtime/com/late_bound.h"

#include <vector>

#include "runtime/text/ansi.h"

namespace vorne::com {

namespace {
// The value changed to type vt, or false when it does not convert.
bool ChangeTo(const VARIANT& v, VARTYPE vt, VARIANT& out) {
    VariantInit(&out);
    return SUCCEEDED(VariantChangeType(&out, const_cast<VARIANT*>(&v), 0, vt));
}
}  // namespace

std::wstring Variant::AsText(const std::wstring& fallback) const {
    VARIANT t;
    if (!ChangeTo(v_, VT_BSTR, t)) return fallback;
    std::wstring s(t.bstrVal ? t.bstrVal : L"", t.bstrVal ? SysStringLen(t.bstrVal) : 0);
    VariantClear(&t);
    return s;
}

long Variant::AsLong(long fallback) const {
    VARIANT t;
    return ChangeTo(v_, VT_I4, t) ? t.lVal : fallback;
}

double Variant::AsDouble(double fallback) const {
    VARIANT t;
    return ChangeTo(v_, VT_R8, t) ? t.dblVal : fallback;
}

namespace {
VARIANT Typed(VARTYPE vt) {
    VARIANT r;
    VariantInit(&r);
    r.vt = vt;
    return r;
}
}  // namespace

VARIANT LongArg(long v) {
    VARIANT r = Typed(VT_I4);
    r.lVal = v;
    return r;
}

VARIANT SingleArg(float v) {
    VARIANT r = Typed(VT_R4);
    r.fltVal = v;
    return r;
}

VARIANT DoubleArg(double v) {
    VARIANT r = Typed(VT_R8);
    r.dblVal = v;
    return r;
}

VARIANT BoolArg(bool v) {
    VARIANT r = Typed(VT_BOOL);
    r.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
    return r;
}

VARIANT DispatchArg(IDispatch* d) {
    VARIANT r = Typed(VT_DISPATCH);
    r.pdispVal = d;
    return r;
}

VARIANT TextArg(const std::string& ansi) {
    VARIANT r = Typed(VT_BSTR);
    const std::wstring wide = vorne::text::AnsiToWide(ansi);
    r.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return r;
}

namespace {
HRESULT Put(IDispatch* d, DISPID id, VARIANT value, WORD how) {
    if (!d) return E_POINTER;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS p{&value, &named, 1, 1};
    return d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, how, &p, nullptr, nullptr, nullptr);
}
}  // namespace

HRESULT PutProperty(IDispatch* d, DISPID id, VARIANT value) { return Put(d, id, value, DISPATCH_PROPERTYPUT); }
HRESULT PutRefProperty(IDispatch* d, DISPID id, VARIANT value) { return Put(d, id, value, DISPATCH_PROPERTYPUTREF); }

HRESULT GetProperty(IDispatch* d, DISPID id, VARIANT* result) {
    if (!d) return E_POINTER;
    DISPPARAMS p{nullptr, nullptr, 0, 0};
    return d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &p, result, nullptr, nullptr);
}

HRESULT CallMethod(IDispatch* d, DISPID id, std::initializer_list<VARIANT> args, VARIANT* result) {
    if (!d) return E_POINTER;
    std::vector<VARIANT> reversed(args.begin(), args.end());
    for (size_t i = 0, j = reversed.size(); i + 1 < j; ++i, --j) std::swap(reversed[i], reversed[j - 1]);
    DISPPARAMS p{reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    return d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | (result ? DISPATCH_PROPERTYGET : 0), &p,
                     result, nullptr, nullptr);
}

}  // namespace vorne::com
