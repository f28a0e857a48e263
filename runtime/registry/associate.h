#pragma once
// mdlAssociate: binding file extensions to a program under
// HKEY_CLASSES_ROOT, looking bindings up and removing them. Every procedure
// works on the Registry it is given and returns the first registry failure
// (kRegOk when all went well), so the caller can tell the user.
#include <cstdint>
#include <string>

#include "registry.h"

namespace vorne::registry {

enum FileTypeQuery : int32_t {
    ftqCommand = 0,      // the ProgID's open command
    ftqProgId = 1,       // the extension's ProgID
    ftqCommandTail = 2,  // the open command after its first ","
};

// The registered ProgID or command of an extension (".pls"); "" when the
// key or value is missing or the mode is unknown.
std::string QueryFileType(Registry& reg, const std::string& extension, int32_t mode);

// Binds extension to progId: the extension's default value is the ProgID,
// the ProgID's is the description, ProgID\shell\open\command holds
// command + " %1" and ProgID\DefaultIcon holds iconFile + "," + iconIndex.
RegStatus AssociateFileType(Registry& reg, const std::string& extension, const std::string& progId,
                            const std::string& description, const std::string& command,
                            const std::string& iconFile, const std::string& iconIndex);

// Removes extension's binding only when it is bound to progId: the key goes
// when it has no sub-keys, otherwise only its default value (so an
// OpenWithProgids key survives). Another program's binding is left alone.
// With removeProgIdKey, the ProgID's keys that AssociateFileType wrote are
// removed as well (a key that holds anything else stays).
RegStatus UnassociateFileType(Registry& reg, const std::string& extension, const std::string& progId,
                              bool removeProgIdKey = false);

// Creates (or opens) root\subKey and closes it again.
RegStatus CreateRegKey(Registry& reg, const std::string& subKey, RegKey root);

// Sets a value of HKEY_CLASSES_ROOT\key: text for REG_SZ, a number for
// REG_DWORD.
RegStatus SetKeyValue(Registry& reg, const std::string& key, const std::string& valueName,
                      const std::string& value, uint32_t valueType);
RegStatus SetKeyValue(Registry& reg, const std::string& key, const std::string& valueName, int32_t value,
                      uint32_t valueType);

// Writes one value on an open key. REG_SZ: the text's bytes and one NUL
// (data length = bytes + 1). REG_DWORD: 4 bytes, little-endian. Any other
// type writes nothing and returns kRegOk.
RegStatus SetRegValue(Registry& reg, RegKey key, const std::string& valueName, uint32_t valueType,
                      const std::string& value);
RegStatus SetRegValue(Registry& reg, RegKey key, const std::string& valueName, uint32_t valueType,
                      int32_t value);

}  // namespace vorne::registry
