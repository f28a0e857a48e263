#pragma once
// The type library embedded in the running module as resource TYPELIB 1.
#include <windows.h>
#include <oaidl.h>

namespace vorne::com {

// Loaded once and kept for the life of the process (the returned pointer is
// AddRef'd for the caller).
HRESULT ModuleTypeLib(ITypeLib** lib);
// Type information of an interface, dispinterface or coclass of that library.
HRESULT TypeInfoOf(REFGUID guid, ITypeInfo** info);

}  // namespace vorne::com
