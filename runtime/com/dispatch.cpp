#include "runtime/com/dispatch.h"

#include "runtime/com/typelib.h"

namespace vorne::com {

DispCall::DispCall(WORD flags, DISPPARAMS* params, VARIANT* result)
    : flags_(flags), params_(params), result_(result), count_(0), hasValue_(false) {
    UINT args = params ? params->cArgs : 0;
    if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) && args > 0) {
        // The value of a put comes first in rgvarg (arguments are reversed).
        hasValue_ = true;
        count_ = args - 1;
    } else {
        count_ = args;
    }
}

DispCall::~DispCall() {
    for (VARIANT* v : temps_) {
        VariantClear(v);
        delete v;
    }
    for (IUnknown* u : tempObjects_) u->Release();
}

UINT DispCall::RawIndex(UINT i) const {
    // rgvarg holds the arguments last to first; a put value sits at 0.
    return params_->cArgs - 1 - i;
}

void DispCall::Expect(UINT min, UINT max) const {
    if (count_ < min || count_ > max) throw ComError(DISP_E_BADPARAMCOUNT);
    if ((flags_ & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) && !hasValue_)
        throw ComError(DISP_E_BADPARAMCOUNT);
}

VARIANT& DispCall::Arg(UINT i) {
    if (i >= count_) throw ComError(DISP_E_BADPARAMCOUNT);
    VARIANT* v = &params_->rgvarg[RawIndex(i)];
    while (V_VT(v) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(v)) v = V_VARIANTREF(v);
    return *v;
}

bool DispCall::Has(UINT i) const {
    if (i >= count_) return false;
    const VARIANT& v = params_->rgvarg[RawIndex(i)];
    return !(V_VT(&v) == VT_ERROR && V_ERROR(&v) == DISP_E_PARAMNOTFOUND);
}

VARIANT DispCall::Coerced(VARIANT& v, VARTYPE vt, UINT index) {
    VARIANT out;
    VariantInit(&out);
    HRESULT hr = VariantChangeType(&out, &v, 0, vt);
    if (FAILED(hr)) throw ArgError{hr == DISP_E_OVERFLOW ? hr : DISP_E_TYPEMISMATCH, index};
    return out;
}

long DispCall::Long(UINT i) { VARIANT v = Coerced(Arg(i), VT_I4, i); return V_I4(&v); }
LONG_PTR DispCall::LongPtr(UINT i) {
#ifdef _WIN64
    VARIANT v = Coerced(Arg(i), VT_I8, i);
    return static_cast<LONG_PTR>(V_I8(&v));
#else
    return Long(i);
#endif
}
short DispCall::Short(UINT i) { VARIANT v = Coerced(Arg(i), VT_I2, i); return V_I2(&v); }
float DispCall::Single(UINT i) { VARIANT v = Coerced(Arg(i), VT_R4, i); return V_R4(&v); }
double DispCall::Double(UINT i) { VARIANT v = Coerced(Arg(i), VT_R8, i); return V_R8(&v); }
bool DispCall::Bool(UINT i) { VARIANT v = Coerced(Arg(i), VT_BOOL, i); return V_BOOL(&v) != VARIANT_FALSE; }

std::wstring DispCall::String(UINT i) {
    VARIANT v = Coerced(Arg(i), VT_BSTR, i);
    std::wstring s = FromBstr(V_BSTR(&v));
    VariantClear(&v);
    return s;
}

static IUnknown* ObjectOf(VARIANT& v, UINT index) {
    switch (V_VT(&v)) {
    case VT_UNKNOWN: return V_UNKNOWN(&v);
    case VT_DISPATCH: return V_DISPATCH(&v);
    case VT_UNKNOWN | VT_BYREF: return V_UNKNOWNREF(&v) ? *V_UNKNOWNREF(&v) : nullptr;
    case VT_DISPATCH | VT_BYREF: return V_DISPATCHREF(&v) ? *V_DISPATCHREF(&v) : nullptr;
    case VT_EMPTY:
    case VT_NULL: return nullptr;
    default: throw ArgError{DISP_E_TYPEMISMATCH, index};
    }
}

IUnknown* DispCall::Unknown(UINT i) { return ObjectOf(Arg(i), i); }

LONG* DispCall::LongRef(UINT i) {
    VARIANT& v = Arg(i);
    if (V_VT(&v) == (VT_I4 | VT_BYREF)) return V_I4REF(&v);
    VARIANT* t = new VARIANT(Coerced(v, VT_I4, i));
    temps_.push_back(t);
    return &V_I4(t);
}

IUnknown** DispCall::UnknownRef(UINT i) {
    VARIANT& v = Arg(i);
    if (V_VT(&v) == (VT_UNKNOWN | VT_BYREF)) return V_UNKNOWNREF(&v);
    if (V_VT(&v) == (VT_DISPATCH | VT_BYREF)) return reinterpret_cast<IUnknown**>(V_DISPATCHREF(&v));
    IUnknown* u = ObjectOf(v, i);
    VARIANT* t = new VARIANT;
    VariantInit(t);
    V_VT(t) = VT_UNKNOWN;
    V_UNKNOWN(t) = u;
    if (u) u->AddRef();
    temps_.push_back(t);
    return &V_UNKNOWN(t);
}

VARIANT& DispCall::Value() {
    if (!hasValue_) throw ComError(DISP_E_BADPARAMCOUNT);
    VARIANT* v = &params_->rgvarg[0];
    while (V_VT(v) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(v)) v = V_VARIANTREF(v);
    return *v;
}

long DispCall::ValueLong() { VARIANT v = Coerced(Value(), VT_I4, count_); return V_I4(&v); }
short DispCall::ValueShort() { VARIANT v = Coerced(Value(), VT_I2, count_); return V_I2(&v); }
float DispCall::ValueSingle() { VARIANT v = Coerced(Value(), VT_R4, count_); return V_R4(&v); }
bool DispCall::ValueBool() { VARIANT v = Coerced(Value(), VT_BOOL, count_); return V_BOOL(&v) != VARIANT_FALSE; }
std::wstring DispCall::ValueString() {
    VARIANT v = Coerced(Value(), VT_BSTR, count_);
    std::wstring s = FromBstr(V_BSTR(&v));
    VariantClear(&v);
    return s;
}
IUnknown* DispCall::ValueUnknown() { return ObjectOf(Value(), count_); }

void DispCall::ReturnLong(long v) { if (result_) { VariantClear(result_); V_VT(result_) = VT_I4; V_I4(result_) = v; } }
void DispCall::ReturnLongPtr(LONG_PTR v) {
#ifdef _WIN64
    if (result_) { VariantClear(result_); V_VT(result_) = VT_I8; V_I8(result_) = v; }
#else
    ReturnLong(v);
#endif
}
void DispCall::ReturnShort(short v) { if (result_) { VariantClear(result_); V_VT(result_) = VT_I2; V_I2(result_) = v; } }
void DispCall::ReturnSingle(float v) { if (result_) { VariantClear(result_); V_VT(result_) = VT_R4; V_R4(result_) = v; } }
void DispCall::ReturnDouble(double v) { if (result_) { VariantClear(result_); V_VT(result_) = VT_R8; V_R8(result_) = v; } }
void DispCall::ReturnBool(bool v) {
    if (result_) { VariantClear(result_); V_VT(result_) = VT_BOOL; V_BOOL(result_) = v ? VARIANT_TRUE : VARIANT_FALSE; }
}
void DispCall::ReturnString(const std::wstring& v) { ReturnBstr(MakeBstr(v)); }
void DispCall::ReturnBstr(BSTR v) {
    if (result_) { VariantClear(result_); V_VT(result_) = VT_BSTR; V_BSTR(result_) = v; }
    else SysFreeString(v);
}
void DispCall::ReturnVariant(const VARIANT& v) {
    if (result_) { VariantClear(result_); VariantCopyInd(result_, const_cast<VARIANT*>(&v)); }
}
void DispCall::ReturnVariantMove(VARIANT& v) {
    if (result_) { VariantClear(result_); *result_ = v; VariantInit(&v); }
    else VariantClear(&v);
}
void DispCall::ReturnUnknown(IUnknown* v, bool asDispatch) {
    if (!result_) return;
    VariantClear(result_);
    if (asDispatch) {
        IDispatch* d = nullptr;
        if (v) v->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d));
        V_VT(result_) = VT_DISPATCH;
        V_DISPATCH(result_) = d;
    } else {
        if (v) v->AddRef();
        V_VT(result_) = VT_UNKNOWN;
        V_UNKNOWN(result_) = v;
    }
}

namespace detail {

HRESULT RunInvoke(void* fn, ErasedCall erased, void* self, WORD flags, DISPPARAMS* params,
                  VARIANT* result, EXCEPINFO* excep, UINT* argErr) {
    DISPPARAMS empty = {nullptr, nullptr, 0, 0};
    if (!params) params = &empty;
    // Named arguments: only the value of a property put is understood.
    if (params->cNamedArgs > 1 ||
        (params->cNamedArgs == 1 && !(params->rgdispidNamedArgs &&
                                      params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT)))
        return DISP_E_NONAMEDARGS;
    if (result) VariantInit(result);
    try {
        SetErrorInfo(0, nullptr);
        DispCall call(flags, params, result);
        erased(fn, self, call);
        return S_OK;
    } catch (const ArgError& e) {
        if (argErr) *argErr = params->cArgs - 1 - e.index;
        if (e.index >= params->cArgs && argErr) *argErr = 0;
        return e.hr;
    } catch (const ComError& e) {
        switch (e.hr) {
        case DISP_E_BADPARAMCOUNT:
        case DISP_E_MEMBERNOTFOUND:
        case DISP_E_TYPEMISMATCH:
        case DISP_E_PARAMNOTOPTIONAL:
            if (e.description.empty()) return e.hr;
            break;
        default:
            break;
        }
        if (!excep) return e.hr;
        Fill(excep, e);
        return DISP_E_EXCEPTION;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace detail

HRESULT GetTypeInfoFor(REFIID iid, UINT index, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    return TypeInfoOf(iid, info);
}

}  // namespace vorne::com
