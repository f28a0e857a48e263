// The subclassing half of Vornesub.dll, driven through COM as the player
// drives it, on real windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include "Vornesub.h"
#include "components/subclass/subclass_dispids.h"
#include "components/subclass/tests/test_objects.h"

namespace {

using vorne::subclass::testing::Client;

constexpr UINT kMsg = WM_APP + 1;
constexpr UINT kOtherMsg = WM_APP + 2;
constexpr LRESULT kPrevResult = 100;

std::vector<std::string>* g_log = nullptr;

LRESULT CALLBACK OriginalProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kMsg || msg == kOtherMsg) {
        if (g_log) g_log->push_back("prev");
        return kPrevResult;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND MakeWindow() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = OriginalProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VornesubTestWindow";
        RegisterClassA(&wc);
        registered = true;
    }
    return CreateWindowA("VornesubTestWindow", "test", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

std::string H(HWND hwnd) { return std::to_string(static_cast<long>(reinterpret_cast<intptr_t>(hwnd))); }

// The library's keys of a window (the system keeps keys of its own there).
BOOL CALLBACK CollectProperty(HWND hwnd, LPSTR name, HANDLE, ULONG_PTR data) {
    if (!HIWORD(reinterpret_cast<ULONG_PTR>(name))) return TRUE;
    const std::string key = name, h = H(hwnd);
    if (key.rfind(h, 0) == 0 || key.rfind("C" + h, 0) == 0)
        reinterpret_cast<std::set<std::string>*>(data)->insert(key);
    return TRUE;
}

std::set<std::string> PropertyNames(HWND hwnd) {
    std::set<std::string> names;
    EnumPropsExA(hwnd, &CollectProperty, reinterpret_cast<LPARAM>(&names));
    return names;
}

struct ErrorText {
    std::wstring source, description;
};

ErrorText LastError() {
    ErrorText t;
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) == S_OK && info) {
        BSTR s = nullptr, d = nullptr;
        info->GetSource(&s);
        info->GetDescription(&d);
        if (s) t.source = s;
        if (d) t.description = d;
        SysFreeString(s);
        SysFreeString(d);
        info->Release();
    }
    return t;
}

class Subclass : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(CoInitialize(nullptr));
        ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_GSubclass, nullptr, CLSCTX_INPROC_SERVER, IID__GSubclass,
                                                  reinterpret_cast<void**>(&lib)));
        hwnd = MakeWindow();
        ASSERT_TRUE(hwnd);
        g_log = &log;
    }
    void TearDown() override {
        g_log = nullptr;
        DestroyWindow(hwnd);
        if (lib) lib->Release();
        CoUninitialize();
    }
    HRESULT Attach(Client& c, UINT msg = kMsg) {
        _ISubclass* p = &c;
        return lib->AttachMessage(&p, static_cast<LONG>(reinterpret_cast<intptr_t>(hwnd)), msg);
    }
    HRESULT Detach(Client& c, UINT msg = kMsg) {
        _ISubclass* p = &c;
        return lib->DetachMessage(&p, static_cast<LONG>(reinterpret_cast<intptr_t>(hwnd)), msg);
    }
    LRESULT Send(UINT msg = kMsg) { return SendMessageA(hwnd, msg, 0, 0); }

    _GSubclass* lib = nullptr;
    HWND hwnd = nullptr;
    std::vector<std::string> log;
};

struct DispatchCase {
    const char* name;
    std::vector<EMsgResponse> responses;  // one client each, named A, B, ...
    std::vector<std::string> expectedLog;
    LRESULT expectedResult;
};

void PrintTo(const DispatchCase& c, std::ostream* os) { *os << c.name; }

class DispatchOrder : public Subclass, public ::testing::WithParamInterface<DispatchCase> {};

// Client k returns 10 + k from its WindowProc.
TEST_P(DispatchOrder, PreviousProcedureRunsAsTheFirstAndLastClientsAsk) {
    const DispatchCase& c = GetParam();
    std::vector<std::unique_ptr<Client>> clients;
    for (size_t i = 0; i < c.responses.size(); ++i) {
        clients.push_back(std::make_unique<Client>(std::string(1, char('A' + i)), &log, c.responses[i],
                                                   static_cast<LONG>(10 + i)));
        ASSERT_HRESULT_SUCCEEDED(Attach(*clients.back()));
    }
    EXPECT_EQ(Send(), c.expectedResult);
    EXPECT_EQ(log, c.expectedLog);
    for (auto& cl : clients) EXPECT_HRESULT_SUCCEEDED(Detach(*cl));
}

INSTANTIATE_TEST_SUITE_P(
    Responses, DispatchOrder,
    ::testing::Values(
        DispatchCase{"SinglePre", {emrPreprocess}, {"A?", "prev", "A", "A?"}, 10},
        DispatchCase{"SinglePost", {emrPostProcess}, {"A?", "A", "A?", "prev"}, kPrevResult},
        DispatchCase{"SingleConsume", {emrConsume}, {"A?", "A", "A?"}, 10},
        DispatchCase{"SingleUnknownAnswer", {static_cast<EMsgResponse>(7)}, {"A?", "A", "A?"}, 10},
        DispatchCase{"PreThenConsume", {emrPreprocess, emrConsume}, {"A?", "prev", "A", "B", "B?"}, 11},
        DispatchCase{"PostThenConsume", {emrPostProcess, emrConsume}, {"A?", "A", "B", "B?"}, 11},
        DispatchCase{"ConsumeThenPost", {emrConsume, emrPostProcess}, {"A?", "A", "B", "B?", "prev"}, kPrevResult},
        DispatchCase{"PreThenPostRunsPreviousOnce", {emrPreprocess, emrPostProcess},
                     {"A?", "prev", "A", "B", "B?"}, 11},
        DispatchCase{"ThreeInAttachOrder", {emrConsume, emrConsume, emrConsume},
                     {"A?", "A", "B", "C", "C?"}, 12}),
    [](const ::testing::TestParamInfo<DispatchCase>& i) { return std::string(i.param.name); });

TEST_F(Subclass, MessagesNobodyAttachedPassStraightThrough) {
    Client a("A", &log, emrConsume, 10);
    ASSERT_HRESULT_SUCCEEDED(Attach(a));
    EXPECT_EQ(Send(kOtherMsg), kPrevResult);
    EXPECT_EQ(log, (std::vector<std::string>{"prev"}));
    Detach(a);
}

TEST_F(Subclass, CurrentMessageAndCallOldWindowProcInsideTheHandler) {
    Client a("A", &log, emrConsume, 10);
    LONG seenMsg = 0;
    LONG_PTR oldResult = 0;
    a.onMessage = [&] {
        lib->get_CurrentMessage(&seenMsg);
        lib->CallOldWindowProc(0, kMsg, 0, 0, &oldResult);  // hwnd is not what decides
    };
    ASSERT_HRESULT_SUCCEEDED(Attach(a));
    Send();
    EXPECT_EQ(seenMsg, static_cast<LONG>(kMsg));
    EXPECT_EQ(oldResult, kPrevResult);
    Detach(a);
}

// Outside a dispatch there is no previous procedure to call: the window
// last dispatched may be gone by now.
TEST_F(Subclass, CallOldWindowProcOutsideADispatchReturnsZero) {
    Client a("A", &log, emrConsume, 10);
    ASSERT_HRESULT_SUCCEEDED(Attach(a));
    Send();
    log.clear();
    LONG_PTR result = -1;
    ASSERT_HRESULT_SUCCEEDED(lib->CallOldWindowProc(0, kMsg, 0, 0, &result));
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(log.empty()) << "no procedure was called";
    Detach(a);
    DestroyWindow(hwnd);
    hwnd = nullptr;
    result = -1;
    ASSERT_HRESULT_SUCCEEDED(lib->CallOldWindowProc(0, kMsg, 0, 0, &result));
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(Subclass, AttachingTwiceFailsAndChangesNothing) {
    Client a("A", &log, emrConsume, 10);
    ASSERT_HRESULT_SUCCEEDED(Attach(a));
    EXPECT_EQ(Attach(a), static_cast<HRESULT>(0x80040000 + 13082));
    ErrorText e = LastError();
    EXPECT_EQ(e.source, L"Vornesub.WindowProc");
    EXPECT_EQ(e.description, L"Message already handled by another class");
    EXPECT_EQ(reinterpret_cast<intptr_t>(GetPropA(hwnd, ("C" + H(hwnd)).c_str())), 1);
    Send();
    EXPECT_EQ(std::count(log.begin(), log.end(), "A"), 1);
    Detach(a);
}

struct BadWindowCase {
    const char* name;
    HWND (*window)();
    long number;
    const wchar_t* description;
};

void PrintTo(const BadWindowCase& c, std::ostream* os) { *os << c.name; }

class BadWindow : public Subclass, public ::testing::WithParamInterface<BadWindowCase> {};

TEST_P(BadWindow, IsRefusedWithItsErrorAndLeavesNoKeys) {
    Client a("A", &log, emrConsume, 10);
    _ISubclass* p = &a;
    HWND target = GetParam().window();
    HRESULT hr = lib->AttachMessage(&p, static_cast<LONG>(reinterpret_cast<intptr_t>(target)), kMsg);
    EXPECT_EQ(hr, static_cast<HRESULT>(0x80040000 + GetParam().number));
    ErrorText e = LastError();
    EXPECT_EQ(e.source, L"Vornesub.WindowProc");
    EXPECT_EQ(e.description, GetParam().description);
    if (IsWindow(target)) {
        for (const std::string& k : PropertyNames(target)) EXPECT_EQ(k.find(H(target)), std::string::npos) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Errors, BadWindow,
    ::testing::Values(
        BadWindowCase{"NoSuchWindow", [] { return reinterpret_cast<HWND>(0x7654321); }, 13083, L"Invalid window"},
        // The desktop window belongs to another process.
        BadWindowCase{"OtherProcess", [] { return GetDesktopWindow(); }, 13084, L"Can't modify external window"}),
    [](const ::testing::TestParamInfo<BadWindowCase>& i) { return std::string(i.param.name); });

TEST_F(Subclass, ErrorsReachLateBoundCallersAsExceptions) {
    Client a("A", &log, emrConsume, 10);
    IDispatch* client = &a;
    VARIANT args[3];  // reversed: iMsg, hwnd, iwp
    V_VT(&args[0]) = VT_I4; V_I4(&args[0]) = kMsg;
    V_VT(&args[1]) = VT_I4; V_I4(&args[1]) = 0x7654321;
    V_VT(&args[2]) = VT_DISPATCH | VT_BYREF; V_DISPATCHREF(&args[2]) = &client;
    DISPPARAMS params = {args, nullptr, 3, 0};
    EXCEPINFO ex = {};
    HRESULT hr = lib->Invoke(SUBCLASS_DISPID_ATTACHMESSAGE, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, &ex, nullptr);
    EXPECT_EQ(hr, DISP_E_EXCEPTION);
    EXPECT_EQ(ex.scode, static_cast<HRESULT>(0x80040000 + 13083));
    EXPECT_STREQ(ex.bstrSource, L"Vornesub.WindowProc");
    EXPECT_STREQ(ex.bstrDescription, L"Invalid window");
    SysFreeString(ex.bstrSource);
    SysFreeString(ex.bstrDescription);
    SysFreeString(ex.bstrHelpFile);

    // The same call on a real window works through dispatch too.
    V_I4(&args[1]) = static_cast<LONG>(reinterpret_cast<intptr_t>(hwnd));
    EXPECT_HRESULT_SUCCEEDED(lib->Invoke(SUBCLASS_DISPID_ATTACHMESSAGE, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr));
    EXPECT_EQ(Send(), 10);
    EXPECT_HRESULT_SUCCEEDED(lib->Invoke(SUBCLASS_DISPID_DETACHMESSAGE, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr));
}

TEST_F(Subclass, ObjectsThatAreNoClientsAreRefused) {
    _ISubclass* none = nullptr;
    const LONG h = static_cast<LONG>(reinterpret_cast<intptr_t>(hwnd));
    EXPECT_EQ(lib->AttachMessage(&none, h, kMsg), E_POINTER);
    EXPECT_EQ(lib->AttachMessage(nullptr, h, kMsg), E_POINTER);
    // The library object itself is no _ISubclass.
    auto* stranger = reinterpret_cast<_ISubclass*>(lib);
    EXPECT_EQ(lib->AttachMessage(&stranger, h, kMsg), E_NOINTERFACE);
    EXPECT_TRUE(PropertyNames(hwnd).empty());
}

TEST_F(Subclass, WindowKeysComeAndGoWithTheAttachments) {
    Client a("A", &log, emrConsume, 10);
    const WNDPROC original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    ASSERT_HRESULT_SUCCEEDED(Attach(a, kMsg));
    ASSERT_HRESULT_SUCCEEDED(Attach(a, kOtherMsg));
    const std::string h = H(hwnd);
    EXPECT_EQ(PropertyNames(hwnd), (std::set<std::string>{"C" + h, h, h + "#" + std::to_string(kMsg) + "C",
                                                           h + "#" + std::to_string(kMsg) + "#1",
                                                           h + "#" + std::to_string(kOtherMsg) + "C",
                                                           h + "#" + std::to_string(kOtherMsg) + "#1"}));
    EXPECT_EQ(reinterpret_cast<intptr_t>(GetPropA(hwnd, ("C" + h).c_str())), 2);

    ASSERT_HRESULT_SUCCEEDED(Detach(a, kMsg));
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)), original);
    ASSERT_HRESULT_SUCCEEDED(Detach(a, kOtherMsg));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)), original);
    // Only the per-message counts stay behind, at 0.
    EXPECT_EQ(PropertyNames(hwnd), (std::set<std::string>{h + "#" + std::to_string(kMsg) + "C",
                                                           h + "#" + std::to_string(kOtherMsg) + "C"}));
    // Detaching what is not attached changes nothing.
    EXPECT_HRESULT_SUCCEEDED(Detach(a, kMsg));
    Client b("B", &log, emrConsume, 11);
    EXPECT_HRESULT_SUCCEEDED(Detach(b, kMsg));
    // A new attachment starts over at count 1.
    ASSERT_HRESULT_SUCCEEDED(Attach(a));
    EXPECT_EQ(reinterpret_cast<intptr_t>(GetPropA(hwnd, ("C" + h).c_str())), 1);
    Detach(a);
}

TEST_F(Subclass, DetachingInsideDispatchSkipsTheDetachedClient) {
    Client a("A", &log, emrConsume, 10);
    Client b("B", &log, emrPostProcess, 11);
    a.onMessage = [&] { Detach(b); };
    ASSERT_HRESULT_SUCCEEDED(Attach(a));
    ASSERT_HRESULT_SUCCEEDED(Attach(b));
    // A is now the last client that runs, and A consumes.
    EXPECT_EQ(Send(), 10);
    EXPECT_EQ(log, (std::vector<std::string>{"A?", "A", "A?"}));
    Detach(a);
}

TEST_F(Subclass, PreviousProcedureRunsAtMostOnceWhenClientsLeaveMidway) {
    Client a("A", &log, emrPreprocess, 10);
    Client b("B", &log, emrConsume, 11);
    // B detaches A before A's turn would come again: the first client of the
    // snapshot removes both, so nobody is left to run after it.
    a.onMessage = [&] { Detach(b); Detach(a); };
    ASSERT_HRESULT_SUCCEEDED(Attach(a));
    ASSERT_HRESULT_SUCCEEDED(Attach(b));
    EXPECT_EQ(Send(), 10);
    EXPECT_EQ(std::count(log.begin(), log.end(), "prev"), 1);
}

TEST_F(Subclass, FailingClientsDoNotStopTheDispatch) {
    Client a("A", &log, emrConsume, 10);
    Client b("B", &log, emrPostProcess, 11);
    a.failProc = true;
    a.failResponse = true;
    ASSERT_HRESULT_SUCCEEDED(Attach(a));
    ASSERT_HRESULT_SUCCEEDED(Attach(b));
    EXPECT_EQ(Send(), kPrevResult);
    EXPECT_EQ(log, (std::vector<std::string>{"A?", "A", "B", "B?", "prev"}));
    Detach(a);
    Detach(b);
}

// Someone else subclasses the window after us.
WNDPROC g_outerPrev = nullptr;
LRESULT CALLBACK OuterProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kMsg && g_log) g_log->push_back("outer");
    return CallWindowProcA(g_outerPrev, hwnd, msg, wp, lp);
}

TEST_F(Subclass, LastDetachUnderAnotherSubclasserStaysAPassThrough) {
    Client a("A", &log, emrConsume, 10);
    ASSERT_HRESULT_SUCCEEDED(Attach(a));
    g_outerPrev = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));
    ASSERT_HRESULT_SUCCEEDED(Detach(a));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)), &OuterProc);
    EXPECT_EQ(Send(), kPrevResult);
    EXPECT_EQ(log, (std::vector<std::string>{"outer", "prev"}));

    // Attaching again reuses the pass-through instead of stacking another copy.
    log.clear();
    ASSERT_HRESULT_SUCCEEDED(Attach(a));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)), &OuterProc);
    EXPECT_EQ(Send(), 10);
    EXPECT_EQ(log, (std::vector<std::string>{"outer", "A?", "A", "A?"}));
    Detach(a);
}

TEST_F(Subclass, ModuleStaysLoadedWhileAWindowIsSubclassed) {
    auto canUnload = reinterpret_cast<HRESULT(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("Vornesub.dll"), "DllCanUnloadNow")));
    ASSERT_TRUE(canUnload);
    Client a("A", &log, emrConsume, 10);
    ASSERT_HRESULT_SUCCEEDED(Attach(a));
    lib->Release();
    lib = nullptr;
    EXPECT_EQ(canUnload(), S_FALSE);
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_GSubclass, nullptr, CLSCTX_INPROC_SERVER, IID__GSubclass,
                                              reinterpret_cast<void**>(&lib)));
    Detach(a);
    lib->Release();
    lib = nullptr;
    EXPECT_EQ(canUnload(), S_OK);
}

TEST_F(Subclass, ThreadStateStartsEmptyOnEveryThread) {
    Client a("A", &log, emrConsume, 10);
    ASSERT_HRESULT_SUCCEEDED(Attach(a));
    Send();  // this thread has now dispatched a message
    LONG msg = -1;
    LONG_PTR result = -1;
    std::thread([&] {
        CoInitialize(nullptr);
        _GSubclass* other = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_GSubclass, nullptr, CLSCTX_INPROC_SERVER, IID__GSubclass,
                                       reinterpret_cast<void**>(&other)))) {
            other->get_CurrentMessage(&msg);
            other->CallOldWindowProc(0, kMsg, 0, 0, &result);
            other->Release();
        }
        CoUninitialize();
    }).join();
    EXPECT_EQ(msg, 0);
    EXPECT_EQ(result, 0);
    Detach(a);
}

}  // namespace
