#pragma once
// The registry as the association procedures use it: a handful of calls on
// keys under HKEY_CLASSES_ROOT. RegistryWin32 (registry_win32.h) talks to
// advapi32; FakeRegistry keeps a tree in memory for the window-free tests.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vorne::registry {

// Win32 status codes (ERROR_SUCCESS and the few the fake reports).
using RegStatus = int32_t;
constexpr RegStatus kRegOk = 0;
constexpr RegStatus kRegFileNotFound = 2;
constexpr RegStatus kRegAccessDenied = 5;
constexpr RegStatus kRegInvalidHandle = 6;
constexpr RegStatus kRegMoreData = 234;

constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegDword = 4;

// A predefined root or an opened key. 0 means no key.
using RegKey = uintptr_t;
// HKEY_CLASSES_ROOT: the 32-bit value 0x80000000 sign-extended to the
// pointer width, as the platform's own constant is.
constexpr RegKey kClassesRoot = static_cast<RegKey>(static_cast<intptr_t>(INT32_MIN));

class Registry {
public:
    virtual ~Registry() = default;
    // RegCreateKeyExA with access 0x3F, non-volatile, no class.
    virtual RegStatus CreateKey(RegKey root, const std::string& subKey, RegKey& out) = 0;
    // RegOpenKeyExA with access 0x3F.
    virtual RegStatus OpenKey(RegKey root, const std::string& subKey, RegKey& out) = 0;
    // RegQueryValueExA; data receives the raw bytes.
    virtual RegStatus QueryValue(RegKey key, const std::string& name, uint32_t& type, std::string& data) = 0;
    // RegSetValueExA with the bytes given (their length is the data length).
    virtual RegStatus SetValue(RegKey key, const std::string& name, uint32_t type, const std::string& data) = 0;
    virtual RegStatus DeleteValue(RegKey key, const std::string& name) = 0;
    // RegDeleteKeyA of subKey under key (subKey "" deletes key itself).
    virtual RegStatus DeleteKey(RegKey key, const std::string& subKey) = 0;
    // Number of sub-keys of an open key (RegQueryInfoKeyA).
    virtual RegStatus CountSubKeys(RegKey key, uint32_t& count) = 0;
    virtual RegStatus CloseKey(RegKey key) = 0;
};

// An in-memory registry with the platform's rules that matter here: key
// names ignore letter case, a key with sub-keys cannot be deleted, and a
// deleted key's handles stop working.
class FakeRegistry : public Registry {
public:
    struct Value {
        uint32_t type = 0;
        std::string data;
    };

    RegStatus CreateKey(RegKey root, const std::string& subKey, RegKey& out) override;
    RegStatus OpenKey(RegKey root, const std::string& subKey, RegKey& out) override;
    RegStatus QueryValue(RegKey key, const std::string& name, uint32_t& type, std::string& data) override;
    RegStatus SetValue(RegKey key, const std::string& name, uint32_t type, const std::string& data) override;
    RegStatus DeleteValue(RegKey key, const std::string& name) override;
    RegStatus DeleteKey(RegKey key, const std::string& subKey) override;
    RegStatus CountSubKeys(RegKey key, uint32_t& count) override;
    RegStatus CloseKey(RegKey key) override;

    // Test helpers on full paths under HKEY_CLASSES_ROOT ("a\b\c").
    bool KeyExists(const std::string& path) const;
    // The value, or nullptr when key or value is missing.
    const Value* Get(const std::string& path, const std::string& name = "") const;
    int OpenHandles() const { return static_cast<int>(handles_.size()); }
    // Every later call fails with this status (0 switches failures off).
    void FailWith(RegStatus status) { fail_ = status; }

private:
    struct Node {
        std::map<std::string, Value> values;  // by upper-cased name
        std::map<std::string, std::unique_ptr<Node>> children;  // by upper-cased name
        Node* parent = nullptr;
        std::string key;  // this node's upper-cased name in its parent
    };
    Node* Resolve(RegKey key) const;
    Node* Walk(Node* from, const std::string& subKey, bool create);
    const Node* Find(const std::string& path) const;

    Node root_;
    std::map<RegKey, Node*> handles_;
    RegKey next_ = 0x1000;
    RegStatus fail_ = kRegOk;
};

}  // namespace vorne::registry
