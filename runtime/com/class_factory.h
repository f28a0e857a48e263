#pragma once
// Class objects for DllGetClassObject.
#include <windows.h>
#include <cstddef>
#include <new>

namespace vorne::com {

// Creates an instance and answers riid (aggregation is not supported).
using CreateInstanceFn = HRESULT (*)(REFIID riid, void** ppv);

struct FactoryEntry {
    const CLSID* clsid;
    CreateInstanceFn create;
};

HRESULT GetClassObject(const FactoryEntry* entries, size_t count, REFCLSID clsid, REFIID riid, void** ppv);

// The usual body of a CreateInstanceFn: new T, QueryInterface, drop the
// creation reference.
template <class T>
HRESULT CreateAndQuery(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    T* obj = new (std::nothrow) T();
    if (!obj) return E_OUTOFMEMORY;
    HRESULT hr = obj->QueryInterface(riid, ppv);
    obj->Release();
    return hr;
}

}  // namespace vorne::com
