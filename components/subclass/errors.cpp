#include "components/subclass/errors.h"

#include "runtime/com/error.h"
#include "runtime/com/module.h"

namespace vorne::subclass {

static const wchar_t* Description(long n) {
    switch (n) {
    case kErrCantSubclass: return L"Can't subclass window";
    case kErrAlreadyHandled: return L"Message already handled by another class";
    case kErrInvalidWindow: return L"Invalid window";
    case kErrExternalWindow: return L"Can't modify external window";
    case kErrTooManyTimers: return L"No more than 10 timers allowed per class";
    case kErrCantCreateTimer: return L"Can't create system timer";
    default: return L"";
    }
}

void RaiseLibraryError(long n) {
    throw vorne::com::ComError(ErrorHresult(n), vorne::com::Module::BaseName() + L".WindowProc", Description(n));
}

}  // namespace vorne::subclass
