#pragma once
// The four standard exports of an in-process server, over its tables of
// classes to register and class factories. Use once per DLL, at file scope.
// DllMain stays with the DLL, which must call vorne::com::Module::Init; a DLL
// that needs nothing more at its start takes VORNE_COM_SERVER_DLLMAIN().
#include <windows.h>

#include "runtime/com/class_factory.h"
#include "runtime/com/module.h"
#include "runtime/com/registration.h"

#define VORNE_COM_SERVER_EXPORTS(classes, factories)                                                   \
    extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {     \
        return ::vorne::com::GetClassObject(factories, sizeof(factories) / sizeof(factories[0]), clsid, \
                                            riid, ppv);                                                 \
    }                                                                                                  \
    extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return ::vorne::com::Module::CanUnloadNow(); } \
    extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {                                            \
        return ::vorne::com::RegisterServer(classes, sizeof(classes) / sizeof(classes[0]));            \
    }                                                                                                  \
    extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {                                          \
        return ::vorne::com::UnregisterServer(classes, sizeof(classes) / sizeof(classes[0]));          \
    }

// The DllMain of a server whose start only records its module handle.
#define VORNE_COM_SERVER_DLLMAIN()                                                   \
    extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {       \
        if (reason == DLL_PROCESS_ATTACH) {                                          \
            ::vorne::com::Module::Init(instance);                                    \
            DisableThreadLibraryCalls(instance);                                     \
        }                                                                            \
        return TRUE;                                                                 \
    }
