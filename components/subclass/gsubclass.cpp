#include "components/subclass/gsubclass.h"

#include "components/subclass/subclass.h"
#include "components/subclass/subclass_dispids.h"
#include "runtime/com/error.h"

namespace vorne::subclass {

using vorne::com::Check;
using vorne::com::DispCall;
using vorne::com::DispMember;
using vorne::com::Guard;

static HWND ToHwnd(LONG hwnd) { return reinterpret_cast<HWND>(static_cast<intptr_t>(hwnd)); }

HRESULT GSubclassObject::QueryInterface(REFIID riid, void** ppv) {
    return vorne::com::QueryTable(riid, ppv,
                                  {{&IID__GSubclass, static_cast<_GSubclass*>(this)},
                                   {&IID_IDispatch, static_cast<_GSubclass*>(this)},
                                   {&IID_ISupportErrorInfo, static_cast<ISupportErrorInfo*>(this)}});
}

HRESULT GSubclassObject::InterfaceSupportsErrorInfo(REFIID riid) {
    return IsEqualIID(riid, IID__GSubclass) ? S_OK : S_FALSE;
}

HRESULT GSubclassObject::AttachMessage(_ISubclass** iwp, LONG hwnd, LONG iMsg) {
    return Guard(IID__GSubclass, [&] {
        AttachWindowMessage(iwp ? *iwp : nullptr, ToHwnd(hwnd), static_cast<UINT>(iMsg));
    });
}

HRESULT GSubclassObject::DetachMessage(_ISubclass** iwp, LONG hwnd, LONG iMsg) {
    return Guard(IID__GSubclass, [&] {
        DetachWindowMessage(iwp ? *iwp : nullptr, ToHwnd(hwnd), static_cast<UINT>(iMsg));
    });
}

HRESULT GSubclassObject::get_CurrentMessage(LONG* msg) {
    if (!msg) return E_POINTER;
    *msg = GetCurrentMessage();
    return S_OK;
}

HRESULT GSubclassObject::CallOldWindowProc(LONG hwnd, LONG iMsg, LONG_PTR wParam, LONG_PTR lParam, LONG_PTR* result) {
    if (!result) return E_POINTER;
    *result = CallPreviousWindowProc(ToHwnd(hwnd), static_cast<UINT>(iMsg), static_cast<WPARAM>(wParam),
                                     static_cast<LPARAM>(lParam));
    return S_OK;
}

const DispMember<GSubclassObject>* GSubclassObject::Members(size_t& count) {
    static const DispMember<GSubclassObject> members[] = {
        {SUBCLASS_DISPID_ATTACHMESSAGE, L"AttachMessage", DISPATCH_METHOD,
         [](GSubclassObject& self, DispCall& c) {
             c.Expect(3, 3);
             auto** client = reinterpret_cast<_ISubclass**>(c.UnknownRef(0));
             Check(self.AttachMessage(client, c.Long(1), c.Long(2)));
         }},
        {SUBCLASS_DISPID_DETACHMESSAGE, L"DetachMessage", DISPATCH_METHOD,
         [](GSubclassObject& self, DispCall& c) {
             c.Expect(3, 3);
             auto** client = reinterpret_cast<_ISubclass**>(c.UnknownRef(0));
             Check(self.DetachMessage(client, c.Long(1), c.Long(2)));
         }},
        {SUBCLASS_DISPID_CURRENTMESSAGE, L"CurrentMessage", DISPATCH_PROPERTYGET,
         [](GSubclassObject& self, DispCall& c) {
             c.Expect(0, 0);
             LONG msg = 0;
             Check(self.get_CurrentMessage(&msg));
             c.ReturnLong(msg);
         }},
        {SUBCLASS_DISPID_CALLOLDWINDOWPROC, L"CallOldWindowProc", DISPATCH_METHOD,
         [](GSubclassObject& self, DispCall& c) {
             c.Expect(4, 4);
             LONG_PTR r = 0;
             Check(self.CallOldWindowProc(c.Long(0), c.Long(1), c.LongPtr(2), c.LongPtr(3), &r));
             c.ReturnLongPtr(r);
         }},
    };
    count = sizeof(members) / sizeof(members[0]);
    return members;
}

}  // namespace vorne::subclass
