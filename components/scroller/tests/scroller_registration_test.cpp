// Self-registration, the embedded type library, and hosting by ProgID in a
// container that is not ours (the platform's ATL control window).
#include <gtest/gtest.h>

#include <string>

#include "components/scroller/tests/scroller_host.h"

namespace vorne::scroller::testing {
namespace {

class OleEnvironment : public ::testing::Environment {
public:
    void SetUp() override { OleInitialize(nullptr); }
    void TearDown() override { OleUninitialize(); }
};
const auto* const kOle = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

template <class F>
F Export(HMODULE m, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m, name)));
}

std::wstring RegText(HKEY root, const wchar_t* key, const wchar_t* value = nullptr) {
    wchar_t buf[512] = {};
    DWORD size = sizeof buf;
    if (RegGetValueW(root, key, value, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS) return L"<none>";
    return buf;
}

TEST(ScrollerTypeLibTest, DescribesTheControlAndItsInterfaces) {
    com::Ptr<ITypeLib> lib;
    ASSERT_HRESULT_SUCCEEDED(LoadTypeLibEx(OcxPath().c_str(), REGKIND_NONE, lib.Out()));
    TLIBATTR* attr = nullptr;
    ASSERT_HRESULT_SUCCEEDED(lib->GetLibAttr(&attr));
    EXPECT_EQ(attr->wMajorVerNum, 4);
    EXPECT_EQ(attr->wMinorVerNum, 0);
    EXPECT_TRUE(IsEqualGUID(attr->guid, LIBID_Dunmere));
    lib->ReleaseTLibAttr(attr);
    BSTR name = nullptr;
    lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
    EXPECT_STREQ(name, L"Dunmere");
    SysFreeString(name);

    com::Ptr<ITypeInfo> coclass;
    ASSERT_HRESULT_SUCCEEDED(lib->GetTypeInfoOfGuid(CLSID_Scroller, coclass.Out()));
    TYPEATTR* ta = nullptr;
    coclass->GetTypeAttr(&ta);
    EXPECT_TRUE(ta->wTypeFlags & TYPEFLAG_FCONTROL);
    coclass->ReleaseTypeAttr(ta);

    com::Ptr<ITypeInfo> dual;
    ASSERT_HRESULT_SUCCEEDED(lib->GetTypeInfoOfGuid(IID__Scroller, dual.Out()));
    dual->GetTypeAttr(&ta);
    EXPECT_TRUE(ta->wTypeFlags & TYPEFLAG_FDUAL);
    EXPECT_TRUE(ta->wTypeFlags & TYPEFLAG_FHIDDEN);
    dual->ReleaseTypeAttr(ta);
    struct Member {
        const wchar_t* name;
        DISPID id;
        const wchar_t* help;
    };
    const Member members[] = {
        {L"BackColor", 0x68030053, nullptr},
        {L"Font", DISPID_FONT, nullptr},
        {L"ScrollDirection", 0x6803004F, L"Determines the Direction in which the Display will move"},
        {L"ResetScroll", 0x60030063, L"Moves the Display back to Frame 1"},
        {L"ScrollSpeed", 0x6803004C, nullptr},
        {L"VerticalAlignment", 0x68030048, nullptr},
    };
    for (const Member& m : members) {
        MEMBERID id = 0;
        LPOLESTR n = const_cast<LPOLESTR>(m.name);
        ASSERT_HRESULT_SUCCEEDED(dual->GetIDsOfNames(&n, 1, &id)) << m.name;
        EXPECT_EQ(id, m.id) << m.name;
        if (m.help) {
            BSTR doc = nullptr;
            dual->GetDocumentation(id, nullptr, &doc, nullptr, nullptr);
            EXPECT_STREQ(doc, m.help);
            SysFreeString(doc);
        }
    }

    com::Ptr<ITypeInfo> events;
    ASSERT_HRESULT_SUCCEEDED(lib->GetTypeInfoOfGuid(DIID___Scroller, events.Out()));
    const wchar_t* names[] = {L"Click",   L"DblClick",  L"KeyDown",        L"KeyPress",    L"KeyUp",
                              L"MouseDown", L"MouseMove", L"MouseUp", L"ScrollComplete", L"ScrollStart",
                              L"ChangeScrollDirection"};
    for (int i = 0; i < 11; ++i) {
        MEMBERID id = 0;
        LPOLESTR n = const_cast<LPOLESTR>(names[i]);
        ASSERT_HRESULT_SUCCEEDED(events->GetIDsOfNames(&n, 1, &id)) << names[i];
        EXPECT_EQ(id, i + 1) << names[i];
    }
}

class ScrollerRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(host.Module(), nullptr);
        ASSERT_HRESULT_SUCCEEDED(Export<HRESULT(WINAPI*)()>(host.Module(), "DllRegisterServer")());
    }
    void TearDown() override {
        if (host.Module()) Export<HRESULT(WINAPI*)()>(host.Module(), "DllUnregisterServer")();
    }
    ScrollerHost host;
};

// One test, so that no parallel run unregisters beneath another.
void CheckRegistration() {
    wchar_t clsid[40];
    StringFromGUID2(CLSID_Scroller, clsid, 40);
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, L"Dunmere.Scroller\\CLSID"), clsid);
    const std::wstring key = std::wstring(L"CLSID\\") + clsid;
    EXPECT_EQ(lstrcmpiW(RegText(HKEY_CLASSES_ROOT, (key + L"\\InprocServer32").c_str()).c_str(), OcxPath().c_str()), 0);
    HKEY control = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, (key + L"\\Control").c_str(), 0, KEY_READ, &control), ERROR_SUCCESS);
    if (control) RegCloseKey(control);
    com::Ptr<ITypeLib> lib;
    EXPECT_HRESULT_SUCCEEDED(LoadRegTypeLib(LIBID_Dunmere, 4, 0, LOCALE_NEUTRAL, lib.Out()));
    CLSID fromProgId = {};
    EXPECT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"Dunmere.Scroller", &fromProgId));
    EXPECT_TRUE(IsEqualGUID(fromProgId, CLSID_Scroller));
}

TEST_F(ScrollerRegistrationTest, RegistersAndAtlAxWinHostsByProgId) {
    CheckRegistration();
    HMODULE atl = LoadLibraryW(L"atl.dll");
    ASSERT_NE(atl, nullptr);
    auto init = Export<BOOL(WINAPI*)()>(atl, "AtlAxWinInit");
    auto getControl = Export<HRESULT(WINAPI*)(HWND, IUnknown**)>(atl, "AtlAxGetControl");
    ASSERT_NE(init, nullptr);
    ASSERT_NE(getControl, nullptr);
    ASSERT_TRUE(init());
    HWND ax = CreateWindowExW(0, L"AtlAxWin", L"Dunmere.Scroller", WS_CHILD | WS_VISIBLE, 10, 10, 263, 45,
                              host.Host(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(ax, nullptr);
    com::Ptr<IUnknown> unk;
    ASSERT_HRESULT_SUCCEEDED(getControl(ax, unk.Out()));
    com::Ptr<IDispatch> disp = unk.As<IDispatch>(IID_IDispatch);
    ASSERT_TRUE(disp);

    // Late bound, by name, as any host would.
    DISPID caption = 0, speed = 0;
    LPOLESTR n1 = const_cast<LPOLESTR>(L"Caption"), n2 = const_cast<LPOLESTR>(L"ScrollSpeed");
    ASSERT_HRESULT_SUCCEEDED(disp->GetIDsOfNames(IID_NULL, &n1, 1, LOCALE_USER_DEFAULT, &caption));
    ASSERT_HRESULT_SUCCEEDED(disp->GetIDsOfNames(IID_NULL, &n2, 1, LOCALE_USER_DEFAULT, &speed));
    DISPID named = DISPID_PROPERTYPUT;
    VARIANT arg;
    V_VT(&arg) = VT_BSTR;
    V_BSTR(&arg) = SysAllocString(L"Hosted by ATL");
    DISPPARAMS put = {&arg, &named, 1, 1};
    EXPECT_HRESULT_SUCCEEDED(disp->Invoke(caption, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, nullptr, nullptr, nullptr));
    VariantClear(&arg);
    VARIANT got;
    VariantInit(&got);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    EXPECT_HRESULT_SUCCEEDED(disp->Invoke(caption, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &got, nullptr, nullptr));
    EXPECT_STREQ(V_BSTR(&got), L"Hosted by ATL");
    VariantClear(&got);

    V_VT(&arg) = VT_I4;
    V_I4(&arg) = 70000;
    EXCEPINFO info = {};
    EXPECT_EQ(disp->Invoke(speed, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, nullptr, &info, nullptr), DISP_E_EXCEPTION);
    EXPECT_EQ(info.scode, static_cast<HRESULT>(0x800A017C));
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrSource);

    // The control has its own window inside ATL's.
    com::Ptr<IOleWindow> window = unk.As<IOleWindow>(IID_IOleWindow);
    HWND inner = nullptr;
    if (window) window->GetWindow(&inner);
    EXPECT_TRUE(inner && IsChild(ax, inner));
    disp.Reset();
    window.Reset();
    unk.Reset();
    DestroyWindow(ax);
}

}  // namespace
}  // namespace vorne::scroller::testing
