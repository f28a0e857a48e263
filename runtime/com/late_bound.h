#pragma once
// The calling side of IDispatch: properties and methods of an object by
// dispatch id, as hosts drive the components late-bound. Arguments are
// given in their natural order.
#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <string>

namespace vorne::com {

// A VARIANT that clears itself.
class Variant {
public:
    Variant() { VariantInit(&v_); }
    ~Variant() { VariantClear(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* operator&() { return &v_; }
    const VARIANT& Get() const { return v_; }
    VARIANT& Get() { return v_; }
    // The value as text/number/dispatch, or the fallback when it does not convert.
    std::wstring AsText(const std::wstring& fallback = {}) const;
    long AsLong(long fallback = 0) const;
    double AsDouble(double fallback = 0) const;
    IDispatch* AsDispatch() const { return v_.vt == VT_DISPATCH ? v_.pdispVal : nullptr; }

private:
    VARIANT v_;
};

// Plain values to pass (the VARIANT does not own a BSTR made by Text: use
// TextArg for that, which the caller clears).
VARIANT LongArg(long v);
VARIANT SingleArg(float v);
VARIANT DoubleArg(double v);
VARIANT BoolArg(bool v);
VARIANT DispatchArg(IDispatch* d);  // no reference taken
// A new BSTR; the caller clears the VARIANT.
VARIANT TextArg(const std::string& ansi);

HRESULT PutProperty(IDispatch* d, DISPID id, VARIANT value);
HRESULT PutRefProperty(IDispatch* d, DISPID id, VARIANT value);
HRESULT GetProperty(IDispatch* d, DISPID id, VARIANT* result);
HRESULT CallMethod(IDispatch* d, DISPID id, std::initializer_list<VARIANT> args = {}, VARIANT* result = nullptr);

}  // namespace vorne::com
