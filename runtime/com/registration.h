#pragma once
// Self-registration of an in-process server: its classes under
// HKEY_CLASSES_ROOT\CLSID and their ProgIDs, and its embedded type library.
#include <windows.h>
#include <cstddef>

namespace vorne::com {

struct ClassRegistration {
    const CLSID* clsid;
    const wchar_t* progId;       // "Project.Class"; nullptr for none
    const wchar_t* description;  // default value of the CLSID key
    bool control = false;        // an ActiveX control (Control, MiscStatus, ToolboxBitmap32)
    int toolboxBitmap = 0;       // bitmap resource id for ToolboxBitmap32 (controls)
    DWORD miscStatus = 0;        // OLEMISC_* bits (controls)
};

// Writes every class and registers the type library (TYPELIB 1 of the module).
HRESULT RegisterServer(const ClassRegistration* classes, size_t count);
// Removes what RegisterServer wrote; keys that are already gone are no failure.
HRESULT UnregisterServer(const ClassRegistration* classes, size_t count);

// Text form of a GUID, with braces.
void GuidText(REFGUID guid, wchar_t (&out)[40]);

}  // namespace vorne::com
