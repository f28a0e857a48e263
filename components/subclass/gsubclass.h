#pragma once
// The global object GSubclass: the library's subclassing entry points.
#include <windows.h>

#include "Vornesub.h"
#include "runtime/com/dispatch.h"
#include "runtime/com/object.h"

namespace vorne::subclass {

class GSubclassObject : public vorne::com::Object, public _GSubclass, public ISupportErrorInfo {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    VORNE_COM_REFCOUNT()
    VORNE_DISPATCH_IMPL(GSubclassObject, IID__GSubclass)

    HRESULT STDMETHODCALLTYPE AttachMessage(_ISubclass** iwp, LONG hwnd, LONG iMsg) override;
    HRESULT STDMETHODCALLTYPE DetachMessage(_ISubclass** iwp, LONG hwnd, LONG iMsg) override;
    HRESULT STDMETHODCALLTYPE get_CurrentMessage(LONG* msg) override;
    HRESULT STDMETHODCALLTYPE CallOldWindowProc(LONG hwnd, LONG iMsg, LONG_PTR wParam, LONG_PTR lParam,
                                                LONG_PTR* result) override;

    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;
};

}  // namespace vorne::subclass
