#pragma once
// The four standard exports of an in-process server, over its tables of
// classes to register and class factories. Use once per DLL, at file scope;
// DllMain stays with the DLL, which must call vorne::com::Module::Init.
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
