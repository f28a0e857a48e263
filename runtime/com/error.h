#pragma once
// COM errors with number, source and description, as automation clients see
// them: thrown inside the kit as ComError, handed out through IErrorInfo on
// the vtable path and through EXCEPINFO on the dispatch path.
#include <windows.h>
#include <oaidl.h>
#include <exception>
#include <new>
#include <string>

namespace vorne::com {

struct ComError : std::exception {
    ComError(HRESULT hr, std::wstring source = std::wstring(), std::wstring description = std::wstring())
        : hr(hr), source(std::move(source)), description(std::move(description)) {}
    const char* what() const noexcept override { return "COM error"; }

    HRESULT hr;
    std::wstring source;
    std::wstring description;
};

// Throws a failed HRESULT as ComError, with the error information the callee
// left behind (if any). Success passes.
void Check(HRESULT hr);

// Publishes e through SetErrorInfo for interface iid and returns e.hr.
HRESULT Report(const ComError& e, REFIID iid);

// Fills an EXCEPINFO from e (any field pointer may be null).
void Fill(EXCEPINFO* info, const ComError& e);

// Runs f and turns every failure into an HRESULT with its error information.
// No exception leaves a COM method through this.
template <class F>
HRESULT Guard(REFIID iid, F&& f) noexcept {
    try {
        SetErrorInfo(0, nullptr);
        f();
        return S_OK;
    } catch (const ComError& e) {
        return Report(e, iid);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// Copies a wide string into a new BSTR (throws E_OUTOFMEMORY).
BSTR MakeBstr(const std::wstring& s);
std::wstring FromBstr(BSTR b);

}  // namespace vorne::com
