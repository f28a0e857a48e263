// Entry points of Vornesub.dll.
#include <windows.h>

#include "Vornesub.h"
#include "components/subclass/gsubclass.h"
#include "components/subclass/thread_state.h"
#include "components/subclass/timer.h"
#include "runtime/com/server_exports.h"

namespace {

const vorne::com::ClassRegistration kClasses[] = {
    {&CLSID_GSubclass, L"Vornesub.GSubclass", L"Vornesub.GSubclass"},
    {&CLSID_CTimer, L"Vornesub.CTimer", L"Vornesub.CTimer"},
};

const vorne::com::FactoryEntry kFactories[] = {
    {&CLSID_GSubclass, &vorne::com::CreateAndQuery<vorne::subclass::GSubclassObject>},
    {&CLSID_CTimer, &vorne::com::CreateAndQuery<vorne::subclass::CTimer>},
};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        vorne::com::Module::Init(instance);
        vorne::subclass::ThreadStateProcessAttach();
        break;
    case DLL_THREAD_DETACH:
        vorne::subclass::ThreadStateThreadDetach();
        break;
    case DLL_PROCESS_DETACH:
        vorne::subclass::ThreadStateProcessDetach(reserved != nullptr);
        break;
    default:
        break;
    }
    return TRUE;
}

VORNE_COM_SERVER_EXPORTS(kClasses, kFactories)
