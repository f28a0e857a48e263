// A client that knows nothing of the library but the ProgID "Vornesub.CTimer":
// it finds the event interface through the object's class information,
// connects to it and counts ThatTime while it pumps messages.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "components/subclass/tests/event_sink.h"

namespace {

using vorne::subclass::testing::CountingSink;
using vorne::subclass::testing::PumpUntil;

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

// A process that ends with a timer still running: the library's detach at
// process exit runs under the loader lock, where the timer must not be
// released into its host's sink (the host may be gone already). The child
// leaves a timer running and ends; its sink notes in a file if it was called.
constexpr char kExitChildVariable[] = "VORNESUB_EXIT_CHILD_LOG";

class ExitSink : public CountingSink {
public:
    using CountingSink::CountingSink;
    ULONG STDMETHODCALLTYPE Release() override {
        if (exiting) Note("sink released\n");
        return CountingSink::Release();
    }
    static void Note(const char* text) {
        char path[MAX_PATH];
        if (!GetEnvironmentVariableA(kExitChildVariable, path, MAX_PATH)) return;
        HANDLE f = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
        if (f == INVALID_HANDLE_VALUE) return;
        DWORD n = 0;
        WriteFile(f, text, static_cast<DWORD>(strlen(text)), &n, nullptr);
        CloseHandle(f);
    }
    bool exiting = false;
};

TEST(TimerAtExit, ChildLeavesATimerRunning) {
    if (GetEnvironmentVariableA(kExitChildVariable, nullptr, 0) == 0)
        GTEST_SKIP() << "run by ProcessExitLeavesRunningTimersAlone";
    CoInitialize(nullptr);
    CLSID clsid;
    IDispatch* timer = nullptr;
    if (FAILED(CLSIDFromProgID(L"Vornesub.CTimer", &clsid)) ||
        FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&timer))))
        ExitProcess(3);
    IProvideClassInfo2* info = nullptr;
    IID events{};
    timer->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&info));
    info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events);
    info->Release();
    IConnectionPointContainer* cpc = nullptr;
    timer->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&cpc));
    IConnectionPoint* cp = nullptr;
    cpc->FindConnectionPoint(events, &cp);
    auto* sink = new ExitSink(events);  // lives to the end of the process
    DWORD cookie = 0;
    if (FAILED(cp->Advise(sink, &cookie))) ExitProcess(4);
    cp->Release();
    cpc->Release();
    LPOLESTR member = const_cast<LPOLESTR>(L"Interval");
    DISPID id = 0;
    timer->GetIDsOfNames(IID_NULL, &member, 1, 0, &id);
    VARIANT value;
    V_VT(&value) = VT_I4;
    V_I4(&value) = 60000;
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&value, &put, 1, 1};
    if (FAILED(timer->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr)))
        ExitProcess(5);
    timer->Release();  // the running timer's slot keeps it alive
    sink->exiting = true;
    ExitSink::Note("child ready\n");
    ExitProcess(0);
}

TEST(TimerAtExit, ProcessExitLeavesRunningTimersAlone) {
    char self[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, self, MAX_PATH), 0u);
    char log[MAX_PATH];
    ASSERT_GT(GetFullPathNameA("timer_at_exit.log", MAX_PATH, log, nullptr), 0u);
    DeleteFileA(log);
    std::string cmd = std::string("\"") + self + "\" --gtest_filter=TimerAtExit.ChildLeavesATimerRunning";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    SetEnvironmentVariableA(kExitChildVariable, log);
    const BOOL started =
        CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableA(kExitChildVariable, nullptr);
    ASSERT_TRUE(started);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    std::string out;
    if (FILE* f = fopen(log, "rb")) {
        char buf[256];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
        fclose(f);
    }
    DeleteFileA(log);
    EXPECT_EQ(code, 0u) << out;
    EXPECT_NE(out.find("child ready"), std::string::npos) << out;
    EXPECT_EQ(out.find("sink released"), std::string::npos) << out;
}

}  // namespace
