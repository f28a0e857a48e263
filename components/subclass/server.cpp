// Entry points of Vornesub.dll.
#include <windows.h>

#include "Vornesub.h"
#include "components/subclass/gsubclass.h"
#include "components/subclass/thread_state.h"
#include "components/subclass/timer.h"
#include "runtime/com/class_factory.h"
#include "runtime/com/module.h"
#include "runtime/com/registration.h"

namespace {

const vorne::com::ClassRegistration kClasses[] = {
    {&CLSID_GSubclass, L"Vornesub.GSubclass", L"Vornesub.GSubclass"},
    {&CLSID_CTimer, L"Vornesub.CTimer", L"Vornesub.CTimer"},
};

const vorne::com::FactoryEntry kFactories[] = {
    {&CLSID_GSubclass, &vorne::com::CreateAndQuery<vornesub::GSubclassObject>},
    {&CLSID_CTimer, &vorne::com::CreateAndQuery<vornesub::CTimer>},
};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        vorne::com::Module::Init(instance);
        vornesub::ThreadStateProcessAttach();
        break;
    case DLL_THREAD_DETACH:
        vornesub::ThreadStateThreadDetach();
        break;
    case DLL_PROCESS_DETACH:
        vornesub::ThreadStateProcessDetach();
        break;
    default:
        break;
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {
    return vorne::com::GetClassObject(kFactories, sizeof(kFactories) / sizeof(kFactories[0]), clsid, riid, ppv);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return vorne::com::Module::CanUnloadNow(); }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
    return vorne::com::RegisterServer(kClasses, sizeof(kClasses) / sizeof(kClasses[0]));
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
    return vorne::com::UnregisterServer(kClasses, sizeof(kClasses) / sizeof(kClasses[0]));
}
