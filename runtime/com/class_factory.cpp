#include "runtime/com/class_factory.h"

#include <new>

#include "runtime/com/object.h"

namespace vorne::com {
namespace {

class ClassFactory : public Object, public IClassFactory {
public:
    explicit ClassFactory(CreateInstanceFn create) : create_(create) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        return QueryTable(riid, ppv, {{&IID_IClassFactory, static_cast<IClassFactory*>(this)}});
    }
    VORNE_COM_REFCOUNT()

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return create_(riid, ppv);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) Module::Lock();
        else Module::Unlock();
        return S_OK;
    }

private:
    CreateInstanceFn create_;
};

}  // namespace

HRESULT GetClassObject(const FactoryEntry* entries, size_t count, REFCLSID clsid, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    for (size_t i = 0; i < count; ++i) {
        if (IsEqualCLSID(*entries[i].clsid, clsid)) {
            ClassFactory* f = new (std::nothrow) ClassFactory(entries[i].create);
            if (!f) return E_OUTOFMEMORY;
            HRESULT hr = f->QueryInterface(riid, ppv);
            f->Release();
            return hr;
        }
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace vorne::com
