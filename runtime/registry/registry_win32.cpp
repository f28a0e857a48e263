#include "registry_win32.h"

#include <windows.h>

namespace vorne::registry {

namespace {

// Query value, set value, create sub-key, enumerate sub-keys, notify,
// create link.
constexpr REGSAM kAccess = 0x3F;

HKEY H(RegKey k) { return reinterpret_cast<HKEY>(k); }

}  // namespace

RegStatus RegistryWin32::CreateKey(RegKey root, const std::string& subKey, RegKey& out) {
    HKEY h = nullptr;
    DWORD disposition = 0;
    LONG s = RegCreateKeyExA(H(root), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr, &h,
                             &disposition);
    out = s == ERROR_SUCCESS ? reinterpret_cast<RegKey>(h) : 0;
    return s;
}

RegStatus RegistryWin32::OpenKey(RegKey root, const std::string& subKey, RegKey& out) {
    HKEY h = nullptr;
    LONG s = RegOpenKeyExA(H(root), subKey.c_str(), 0, kAccess, &h);
    out = s == ERROR_SUCCESS ? reinterpret_cast<RegKey>(h) : 0;
    return s;
}

RegStatus RegistryWin32::QueryValue(RegKey key, const std::string& name, uint32_t& type, std::string& data) {
    DWORD size = 1024;
    for (;;) {
        data.assign(size, '\0');
        DWORD t = 0;
        DWORD len = size;
        LONG s = RegQueryValueExA(H(key), name.c_str(), nullptr, &t,
                                  reinterpret_cast<BYTE*>(data.data()), &len);
        if (s == ERROR_MORE_DATA && len > size) {
            size = len;
            continue;
        }
        if (s != ERROR_SUCCESS) {
            data.clear();
            return s;
        }
        data.resize(len);
        type = t;
        return s;
    }
}

RegStatus RegistryWin32::SetValue(RegKey key, const std::string& name, uint32_t type, const std::string& data) {
    return RegSetValueExA(H(key), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size()));
}

RegStatus RegistryWin32::DeleteValue(RegKey key, const std::string& name) {
    return RegDeleteValueA(H(key), name.c_str());
}

RegStatus RegistryWin32::DeleteKey(RegKey key, const std::string& subKey) {
    return RegDeleteKeyA(H(key), subKey.c_str());
}

RegStatus RegistryWin32::CountSubKeys(RegKey key, uint32_t& count) {
    DWORD n = 0;
    LONG s = RegQueryInfoKeyA(H(key), nullptr, nullptr, nullptr, &n, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr);
    count = n;
    return s;
}

RegStatus RegistryWin32::CloseKey(RegKey key) { return RegCloseKey(H(key)); }

}  // namespace vorne::registry
