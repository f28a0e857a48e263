// The main window's side of the subclassing library: an _ISubclass client
// that answers "post-process" and hands each message to a function, and the
// library's GSubclass object that attaches and detaches it.
#pragma once

#include <windows.h>

#include <functional>

#include "Vornesub.h"
#include "runtime/com/object.h"

namespace vorne::player {

class SubclassClient : public com::Object, public _ISubclass {
public:
    using Handler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
    // A new client with one reference.
    static SubclassClient* Create(Handler handler);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    VORNE_COM_REFCOUNT()

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ti) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO*, UINT*) override;
    // The main window answers every message with post-processing: its own
    // procedure runs after the handler, and its result is the message's.
    HRESULT STDMETHODCALLTYPE get_MsgResponse(EMsgResponse* response) override;
    HRESULT STDMETHODCALLTYPE put_MsgResponse(EMsgResponse) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE WindowProc(LONG hwnd, LONG msg, LONG_PTR wParam, LONG_PTR lParam, LONG_PTR* result) override;

private:
    explicit SubclassClient(Handler h) : handler_(std::move(h)) {}
    Handler handler_;
};

// GSubclass of the library, created through COM (registered) or, when it is
// not registered, from Vornesub.dll beside the program.
class Subclasser {
public:
    ~Subclasser();
    HRESULT Attach(SubclassClient* client, HWND hwnd, UINT msg);
    HRESULT Detach(SubclassClient* client, HWND hwnd, UINT msg);

private:
    HRESULT Ensure();
    _GSubclass* gsub_ = nullptr;
};

}  // namespace vorne::player
