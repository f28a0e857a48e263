#include "runtime/com/registration.h"

#include <oleauto.h>
#include <string>

#include "runtime/com/module.h"
#include "runtime/com/typelib.h"

namespace vorne::com {
namespace {

LONG SetValue(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& value) {
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                              nullptr, &key, nullptr);
    if (rc != ERROR_SUCCESS) return rc;
    rc = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return rc;
}

LONG DeleteTree(HKEY root, const std::wstring& path) {
    LONG rc = RegDeleteTreeW(root, path.c_str());
    if (rc == ERROR_SUCCESS) rc = RegDeleteKeyW(root, path.c_str());
    return (rc == ERROR_FILE_NOT_FOUND) ? ERROR_SUCCESS : rc;
}

HRESULT LibAttributes(TLIBATTR* out) {
    ITypeLib* lib = nullptr;
    HRESULT hr = ModuleTypeLib(&lib);
    if (FAILED(hr)) return hr;
    TLIBATTR* attr = nullptr;
    hr = lib->GetLibAttr(&attr);
    if (SUCCEEDED(hr)) {
        *out = *attr;
        lib->ReleaseTLibAttr(attr);
    }
    lib->Release();
    return hr;
}

}  // namespace

void GuidText(REFGUID guid, wchar_t (&out)[40]) { StringFromGUID2(guid, out, 40); }

HRESULT RegisterServer(const ClassRegistration* classes, size_t count) {
    const std::wstring path = Module::FilePath();
    TLIBATTR lib = {};
    HRESULT hr = LibAttributes(&lib);
    if (FAILED(hr)) return hr;
    wchar_t libid[40];
    GuidText(lib.guid, libid);
    const std::wstring version = std::to_wstring(lib.wMajorVerNum) + L"." + std::to_wstring(lib.wMinorVerNum);

    for (size_t i = 0; i < count; ++i) {
        const ClassRegistration& c = classes[i];
        wchar_t clsid[40];
        GuidText(*c.clsid, clsid);
        const std::wstring key = std::wstring(L"CLSID\\") + clsid;
        LONG rc = SetValue(HKEY_CLASSES_ROOT, key, nullptr, c.description);
        if (rc == ERROR_SUCCESS) rc = SetValue(HKEY_CLASSES_ROOT, key + L"\\InprocServer32", nullptr, path);
        if (rc == ERROR_SUCCESS)
            rc = SetValue(HKEY_CLASSES_ROOT, key + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
        if (rc == ERROR_SUCCESS) rc = SetValue(HKEY_CLASSES_ROOT, key + L"\\TypeLib", nullptr, libid);
        if (rc == ERROR_SUCCESS) rc = SetValue(HKEY_CLASSES_ROOT, key + L"\\Version", nullptr, version);
        if (rc == ERROR_SUCCESS && c.progId) {
            rc = SetValue(HKEY_CLASSES_ROOT, key + L"\\ProgID", nullptr, c.progId);
            if (rc == ERROR_SUCCESS) rc = SetValue(HKEY_CLASSES_ROOT, c.progId, nullptr, c.description);
            if (rc == ERROR_SUCCESS)
                rc = SetValue(HKEY_CLASSES_ROOT, std::wstring(c.progId) + L"\\CLSID", nullptr, clsid);
        }
        if (rc == ERROR_SUCCESS && c.control) {
            rc = SetValue(HKEY_CLASSES_ROOT, key + L"\\Control", nullptr, L"");
            if (rc == ERROR_SUCCESS)
                rc = SetValue(HKEY_CLASSES_ROOT, key + L"\\MiscStatus", nullptr, L"0");
            if (rc == ERROR_SUCCESS)
                rc = SetValue(HKEY_CLASSES_ROOT, key + L"\\MiscStatus\\1", nullptr, std::to_wstring(c.miscStatus));
            if (rc == ERROR_SUCCESS && c.toolboxBitmap)
                rc = SetValue(HKEY_CLASSES_ROOT, key + L"\\ToolboxBitmap32", nullptr,
                              path + L", " + std::to_wstring(c.toolboxBitmap));
        }
        if (rc != ERROR_SUCCESS) return HRESULT_FROM_WIN32(rc);
    }

    ITypeLib* tl = nullptr;
    hr = ModuleTypeLib(&tl);
    if (FAILED(hr)) return hr;
    hr = RegisterTypeLib(tl, const_cast<LPOLESTR>(path.c_str()), nullptr);
    tl->Release();
    return hr;
}

HRESULT UnregisterServer(const ClassRegistration* classes, size_t count) {
    HRESULT result = S_OK;
    for (size_t i = 0; i < count; ++i) {
        const ClassRegistration& c = classes[i];
        wchar_t clsid[40];
        GuidText(*c.clsid, clsid);
        LONG rc = DeleteTree(HKEY_CLASSES_ROOT, std::wstring(L"CLSID\\") + clsid);
        if (rc == ERROR_SUCCESS && c.progId) rc = DeleteTree(HKEY_CLASSES_ROOT, c.progId);
        if (rc != ERROR_SUCCESS) result = HRESULT_FROM_WIN32(rc);
    }
    TLIBATTR lib = {};
    if (SUCCEEDED(LibAttributes(&lib))) {
        // The library's own kind (win32 or win64): the key it was registered under.
        HRESULT hr = UnRegisterTypeLib(lib.guid, lib.wMajorVerNum, lib.wMinorVerNum, lib.lcid, lib.syskind);
        if (FAILED(hr) && hr != TYPE_E_REGISTRYACCESS && hr != TYPE_E_LIBNOTREGISTERED && SUCCEEDED(result))
            result = hr;
    }
    return result;
}

}  // namespace vorne::com
