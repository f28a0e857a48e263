#include "runtime/com/typelib.h"

#include "runtime/com/module.h"

namespace vorne::com {
namespace {
ITypeLib* g_lib = nullptr;
}

HRESULT ModuleTypeLib(ITypeLib** lib) {
    if (!lib) return E_POINTER;
    *lib = nullptr;
    if (!g_lib) {
        ITypeLib* loaded = nullptr;
        HRESULT hr = LoadTypeLibEx(Module::FilePath().c_str(), REGKIND_NONE, &loaded);
        if (FAILED(hr)) return hr;
        if (InterlockedCompareExchangePointer(reinterpret_cast<PVOID volatile*>(&g_lib), loaded, nullptr) != nullptr)
            loaded->Release();
    }
    g_lib->AddRef();
    *lib = g_lib;
    return S_OK;
}

HRESULT TypeInfoOf(REFGUID guid, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    ITypeLib* lib = nullptr;
    HRESULT hr = ModuleTypeLib(&lib);
    if (FAILED(hr)) return hr;
    hr = lib->GetTypeInfoOfGuid(guid, info);
    lib->Release();
    return hr;
}

}  // namespace vorne::com
