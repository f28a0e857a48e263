#include "associate.h"

#include <cctype>

#include "runtime/basic/basic.h"

namespace vorne::registry {

namespace {

bool SameNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Keeps the first failure of a sequence of calls.
struct FirstFailure {
    RegStatus status = kRegOk;
    void operator+=(RegStatus s) {
        if (status == kRegOk) status = s;
    }
};

// The default value of HKEY_CLASSES_ROOT\key as text, cut at its first NUL.
// A missing key or value reads as "" with kRegOk; any other failure is
// returned with out empty.
RegStatus ReadDefault(Registry& reg, const std::string& key, std::string& out) {
    out.clear();
    RegKey h = 0;
    RegStatus s = reg.OpenKey(kClassesRoot, key, h);
    if (s == kRegOk) {
        uint32_t type = 0;
        s = reg.QueryValue(h, "", type, out);
        reg.CloseKey(h);
    }
    if (s != kRegOk) {
        out.clear();
        return s == kRegFileNotFound ? kRegOk : s;
    }
    size_t nul = out.find('\0');
    if (nul != std::string::npos) out.resize(nul);
    return kRegOk;
}

std::string ReadDefault(Registry& reg, const std::string& key) {
    std::string data;
    ReadDefault(reg, key, data);
    return data;
}

std::string DwordBytes(int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    std::string b(4, '\0');
    for (int i = 0; i < 4; ++i) b[static_cast<size_t>(i)] = static_cast<char>((u >> (8 * i)) & 0xFF);
    return b;
}

// Deletes HKEY_CLASSES_ROOT\key when it exists and has no sub-keys.
RegStatus DeleteIfLeaf(Registry& reg, const std::string& key) {
    RegKey h = 0;
    RegStatus s = reg.OpenKey(kClassesRoot, key, h);
    if (s == kRegFileNotFound) return kRegOk;
    if (s != kRegOk) return s;
    uint32_t subKeys = 0;
    s = reg.CountSubKeys(h, subKeys);
    reg.CloseKey(h);
    if (s != kRegOk) return s;
    if (subKeys != 0) return kRegOk;
    return reg.DeleteKey(kClassesRoot, key);
}

}  // namespace

std::string QueryFileType(Registry& reg, const std::string& extension, int32_t mode) {
    if (mode != ftqCommand && mode != ftqProgId && mode != ftqCommandTail) return std::string();
    std::string progId = ReadDefault(reg, extension);
    if (mode == ftqProgId || progId.empty()) return progId;
    std::string command = ReadDefault(reg, progId + "\\shell\\open\\command");
    if (mode == ftqCommand) return command;
    size_t comma = command.find(',');
    return comma == std::string::npos ? command : command.substr(comma + 1);
}

RegStatus AssociateFileType(Registry& reg, const std::string& extension, const std::string& progId,
                            const std::string& description, const std::string& command,
                            const std::string& iconFile, const std::string& iconIndex) {
    FirstFailure f;
    f += CreateRegKey(reg, extension, kClassesRoot);
    f += SetKeyValue(reg, extension, "", progId, kRegSz);
    f += CreateRegKey(reg, progId + "\\shell\\open\\command", kClassesRoot);
    f += CreateRegKey(reg, progId + "\\DefaultIcon", kClassesRoot);
    f += SetKeyValue(reg, progId, "", description, kRegSz);
    f += SetKeyValue(reg, progId + "\\shell\\open\\command", "", command + " %1", kRegSz);
    f += SetKeyValue(reg, progId + "\\DefaultIcon", "", iconFile + "," + iconIndex, kRegSz);
    return f.status;
}

RegStatus UnassociateFileType(Registry& reg, const std::string& extension, const std::string& progId,
                              bool removeProgIdKey) {
    if (extension.empty() || progId.empty()) return kRegOk;
    // A binding that cannot be read is a failure, not "nothing to remove";
    // the ProgID's keys then stay too, as the extension may still name them.
    std::string bound;
    if (RegStatus s = ReadDefault(reg, extension, bound); s != kRegOk) return s;
    FirstFailure f;
    if (SameNoCase(bound, progId)) {
        RegKey h = 0;
        RegStatus s = reg.OpenKey(kClassesRoot, extension, h);
        if (s == kRegOk) {
            uint32_t subKeys = 0;
            s = reg.CountSubKeys(h, subKeys);
            if (s == kRegOk && subKeys != 0) s = reg.DeleteValue(h, "");
            reg.CloseKey(h);
            if (s == kRegOk && subKeys == 0) s = reg.DeleteKey(kClassesRoot, extension);
        }
        f += s;
    }
    if (removeProgIdKey) {
        for (const char* sub : {"\\shell\\open\\command", "\\shell\\open", "\\shell", "\\DefaultIcon", ""})
            f += DeleteIfLeaf(reg, progId + sub);
    }
    return f.status;
}

RegStatus CreateRegKey(Registry& reg, const std::string& subKey, RegKey root) {
    RegKey h = 0;
    RegStatus s = reg.CreateKey(root, subKey, h);
    if (s == kRegOk) reg.CloseKey(h);
    return s;
}

RegStatus SetKeyValue(Registry& reg, const std::string& key, const std::string& valueName,
                      const std::string& value, uint32_t valueType) {
    RegKey h = 0;
    RegStatus s = reg.OpenKey(kClassesRoot, key, h);
    if (s != kRegOk) return s;
    s = SetRegValue(reg, h, valueName, valueType, value);
    reg.CloseKey(h);
    return s;
}

RegStatus SetKeyValue(Registry& reg, const std::string& key, const std::string& valueName, int32_t value,
                      uint32_t valueType) {
    RegKey h = 0;
    RegStatus s = reg.OpenKey(kClassesRoot, key, h);
    if (s != kRegOk) return s;
    s = SetRegValue(reg, h, valueName, valueType, value);
    reg.CloseKey(h);
    return s;
}

RegStatus SetRegValue(Registry& reg, RegKey key, const std::string& valueName, uint32_t valueType,
                      const std::string& value) {
    switch (valueType) {
        case kRegSz: {
            std::string data = value;
            data.push_back('\0');
            return reg.SetValue(key, valueName, kRegSz, data);
        }
        case kRegDword: return reg.SetValue(key, valueName, kRegDword, DwordBytes(vorne::basic::CLngSat(vorne::basic::Val(value))));
        default: return kRegOk;
    }
}

RegStatus SetRegValue(Registry& reg, RegKey key, const std::string& valueName, uint32_t valueType,
                      int32_t value) {
    if (valueType == kRegSz) return SetRegValue(reg, key, valueName, valueType, std::to_string(value));
    if (valueType == kRegDword) return reg.SetValue(key, valueName, kRegDword, DwordBytes(value));
    return kRegOk;
}

}  // namespace vorne::registry
