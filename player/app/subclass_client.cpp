#include "player/app/subclass_client.h"

#include "components/component_ids.h"
#include "runtime/activex/component_factory.h"

namespace vorne::player {

SubclassClient* SubclassClient::Create(Handler handler) { return new SubclassClient(std::move(handler)); }

HRESULT SubclassClient::QueryInterface(REFIID riid, void** ppv) {
    return com::QueryTable(riid, ppv,
                           {{&IID__ISubclass, static_cast<_ISubclass*>(this)},
                            {&IID_IDispatch, static_cast<IDispatch*>(this)}});
}

HRESULT SubclassClient::GetTypeInfoCount(UINT* n) {
    if (!n) return E_POINTER;
    *n = 0;
    return S_OK;
}

HRESULT SubclassClient::GetTypeInfo(UINT, LCID, ITypeInfo** ti) {
    if (ti) *ti = nullptr;
    return E_NOTIMPL;
}

HRESULT SubclassClient::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

HRESULT SubclassClient::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                               UINT*) {
    if (id == vorne::components::kSubclassMsgResponse) {
        if (flags & DISPATCH_PROPERTYGET) {
            if (result) {
                VariantInit(result);
                result->vt = VT_I4;
                result->lVal = emrPostProcess;
            }
            return S_OK;
        }
        return S_OK;  // a new response is ignored
    }
    if (id == vorne::components::kSubclassWindowProc) {
        if (!params || params->cArgs != 4) return DISP_E_BADPARAMCOUNT;
        // hwnd and message are Longs; wParam, lParam and the result are
        // pointer-sized (64 bits wide in a 64-bit build).
        constexpr VARTYPE kPtrType = sizeof(LONG_PTR) == 8 ? VARTYPE{VT_I8} : VARTYPE{VT_I4};
        LONG_PTR a[4];
        for (UINT i = 0; i < 4; ++i) {
            VARIANT v;
            VariantInit(&v);
            if (FAILED(VariantChangeType(&v, &params->rgvarg[3 - i], 0, i < 2 ? VARTYPE{VT_I4} : kPtrType)))
                return DISP_E_TYPEMISMATCH;
            a[i] = V_VT(&v) == VT_I8 ? static_cast<LONG_PTR>(V_I8(&v)) : V_I4(&v);
        }
        LONG_PTR r = 0;
        WindowProc(static_cast<LONG>(a[0]), static_cast<LONG>(a[1]), a[2], a[3], &r);
        if (result) {
            VariantInit(result);
            V_VT(result) = kPtrType;
            if (kPtrType == VT_I8)
                V_I8(result) = r;
            else
                V_I4(result) = static_cast<LONG>(r);
        }
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT SubclassClient::get_MsgResponse(EMsgResponse* response) {
    if (!response) return E_POINTER;
    *response = emrPostProcess;
    return S_OK;
}

HRESULT SubclassClient::WindowProc(LONG hwnd, LONG msg, LONG_PTR wParam, LONG_PTR lParam, LONG_PTR* result) {
    LONG_PTR r = 0;
    // Nothing thrown by the handler may cross back into the library.
    try {
        if (handler_)
            r = handler_(reinterpret_cast<HWND>(static_cast<LONG_PTR>(hwnd)), static_cast<UINT>(msg),
                         static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
    } catch (...) {
        r = 0;
    }
    if (result) *result = r;
    return S_OK;
}

Subclasser::~Subclasser() {
    if (gsub_) gsub_->Release();
}

HRESULT Subclasser::Ensure() {
    if (gsub_) return S_OK;
    com::Ptr<IClassFactory> factory = activex::ComponentFactory(CLSID_GSubclass, "Vornesub.dll");
    if (!factory) return REGDB_E_CLASSNOTREG;
    return factory->CreateInstance(nullptr, IID__GSubclass, reinterpret_cast<void**>(&gsub_));
}

HRESULT Subclasser::Attach(SubclassClient* client, HWND hwnd, UINT msg) {
    HRESULT hr = Ensure();
    if (FAILED(hr)) return hr;
    _ISubclass* itf = client;
    return gsub_->AttachMessage(&itf, static_cast<LONG>(reinterpret_cast<LONG_PTR>(hwnd)), static_cast<LONG>(msg));
}

HRESULT Subclasser::Detach(SubclassClient* client, HWND hwnd, UINT msg) {
    if (!gsub_) return S_FALSE;
    _ISubclass* itf = client;
    return gsub_->DetachMessage(&itf, static_cast<LONG>(reinterpret_cast<LONG_PTR>(hwnd)), static_cast<LONG>(msg));
}

}  // namespace vorne::player
