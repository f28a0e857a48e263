#pragma once
// The registry of the running system, through the ANSI calls of advapi32.
#include "registry.h"

namespace vorne::registry {

class RegistryWin32 : public Registry {
public:
    RegStatus CreateKey(RegKey root, const std::string& subKey, RegKey& out) override;
    RegStatus OpenKey(RegKey root, const std::string& subKey, RegKey& out) override;
    RegStatus QueryValue(RegKey key, const std::string& name, uint32_t& type, std::string& data) override;
    RegStatus SetValue(RegKey key, const std::string& name, uint32_t type, const std::string& data) override;
    RegStatus DeleteValue(RegKey key, const std::string& name) override;
    RegStatus DeleteKey(RegKey key, const std::string& subKey) override;
    RegStatus CountSubKeys(RegKey key, uint32_t& count) override;
    RegStatus CloseKey(RegKey key) override;
};

}  // namespace vorne::registry
