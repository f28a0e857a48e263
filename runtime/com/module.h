#pragma once
// Process-wide bookkeeping of an in-process COM server: its module handle,
// the count of live objects and of server locks (DllCanUnloadNow).
#include <windows.h>
#include <string>

namespace vorne::com {

class Module {
public:
    // Called from DllMain(DLL_PROCESS_ATTACH).
    static void Init(HINSTANCE instance);
    static HINSTANCE Instance();

    static void ObjectCreated();
    static void ObjectDestroyed();
    static void Lock();
    static void Unlock();
    static long Objects();
    static long Locks();
    // S_OK when no object lives and no lock is held.
    static HRESULT CanUnloadNow();

    // Full path of the module file, and its bare name without folder or
    // extension ("Vornesub" for ...\Vornesub.dll).
    static std::wstring FilePath();
    static std::wstring BaseName();
};

}  // namespace vorne::com
