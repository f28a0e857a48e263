#pragma once
// The library's numbered errors: HRESULT 0x80040000 + n, source
// "<library file name>.WindowProc".
#include <windows.h>

namespace vorne::subclass {

constexpr long kErrCantSubclass = 13081;
constexpr long kErrAlreadyHandled = 13082;
constexpr long kErrInvalidWindow = 13083;
constexpr long kErrExternalWindow = 13084;
constexpr long kErrTooManyTimers = 13651;
constexpr long kErrCantCreateTimer = 13652;

constexpr HRESULT ErrorHresult(long n) { return static_cast<HRESULT>(0x80040000UL + static_cast<unsigned long>(n)); }

// Throws vorne::com::ComError for n (one of the numbers above).
[[noreturn]] void RaiseLibraryError(long n);

}  // namespace vorne::subclass
