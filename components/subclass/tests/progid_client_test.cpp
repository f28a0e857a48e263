// A client that knows nothing of the library but the ProgID "Vornesub.CTimer":
// it finds the event interface through the object's class information,
// connects to it and counts ThatTime while it pumps messages.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include <string>

#include "components/subclass/tests/event_sink.h"

namespace {

using vornesub_test::CountingSink;
using vornesub_test::PumpUntil;

struct Com {
    Com() { CoInitialize(nullptr); }
    ~Com() { CoUninitialize(); }
};

TEST(ProgIdClient, CountsThatTimeThroughTheClassInformation) {
    Com com;
    CLSID clsid;
    ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"Vornesub.CTimer", &clsid));
    IDispatch* timer = nullptr;
    ASSERT_HRESULT_SUCCEEDED(
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&timer)));

    IProvideClassInfo2* info = nullptr;
    ASSERT_HRESULT_SUCCEEDED(timer->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&info)));
    IID events;
    ASSERT_HRESULT_SUCCEEDED(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events));

    // The class information names the coclass, and its library loads by
    // registration.
    ITypeInfo* cls = nullptr;
    ASSERT_HRESULT_SUCCEEDED(info->GetClassInfo(&cls));
    BSTR name = nullptr;
    cls->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    EXPECT_STREQ(name, L"CTimer");
    SysFreeString(name);
    ITypeLib* lib = nullptr;
    UINT index = 0;
    ASSERT_HRESULT_SUCCEEDED(cls->GetContainingTypeLib(&lib, &index));
    TLIBATTR* attr = nullptr;
    ASSERT_HRESULT_SUCCEEDED(lib->GetLibAttr(&attr));
    ITypeLib* registered = nullptr;
    EXPECT_HRESULT_SUCCEEDED(LoadRegTypeLib(attr->guid, attr->wMajorVerNum, attr->wMinorVerNum, 0, &registered));
    if (registered) {
        BSTR libName = nullptr, doc = nullptr;
        registered->GetDocumentation(-1, &libName, &doc, nullptr, nullptr);
        EXPECT_STREQ(libName, L"Vornesub");
        EXPECT_STREQ(doc, L"Vorne Subclasser");
        SysFreeString(libName);
        SysFreeString(doc);
        registered->Release();
    }
    lib->ReleaseTLibAttr(attr);
    lib->Release();
    cls->Release();
    info->Release();

    IConnectionPointContainer* cpc = nullptr;
    ASSERT_HRESULT_SUCCEEDED(timer->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&cpc)));
    IConnectionPoint* cp = nullptr;
    ASSERT_HRESULT_SUCCEEDED(cpc->FindConnectionPoint(events, &cp));
    CountingSink sink(events);
    DWORD cookie = 0;
    ASSERT_HRESULT_SUCCEEDED(cp->Advise(&sink, &cookie));

    LPOLESTR member = const_cast<LPOLESTR>(L"Interval");
    DISPID id = 0;
    ASSERT_HRESULT_SUCCEEDED(timer->GetIDsOfNames(IID_NULL, &member, 1, 0, &id));
    VARIANT value;
    V_VT(&value) = VT_I2;
    V_I2(&value) = 10;
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&value, &put, 1, 1};
    ASSERT_HRESULT_SUCCEEDED(timer->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr));

    EXPECT_TRUE(PumpUntil([&] { return sink.count >= 3; }, 5000));

    V_I2(&value) = 0;
    ASSERT_HRESULT_SUCCEEDED(timer->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr));
    const int after = sink.count;
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(sink.count, after);

    cp->Unadvise(cookie);
    cp->Release();
    cpc->Release();
    timer->Release();
    EXPECT_EQ(sink.refs, 1u);
}

}  // namespace
