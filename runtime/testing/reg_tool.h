// Test support under Wine: running the system's own tools (reg.exe) and
// reading back what they print, so tests check the registry through a
// program that is not ours.
#pragma once

#include <windows.h>

#include <string>

namespace vorne::testing {

// Runs a command line and returns what it printed (stdout and stderr).
inline std::string Capture(std::string cmd, DWORD* exitCode = nullptr) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE rd = nullptr, wr = nullptr;
    if (!CreatePipe(&rd, &wr, &sa, 0)) return "<pipe failed>";
    SetHandleInformation(rd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = wr;
    si.hStdError = wr;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi)) {
        CloseHandle(rd);
        CloseHandle(wr);
        return "<CreateProcess failed>";
    }
    CloseHandle(wr);
    std::string out;
    char buf[512];
    DWORD n = 0;
    while (ReadFile(rd, buf, sizeof buf, &n, nullptr) && n > 0) out.append(buf, n);
    WaitForSingleObject(pi.hProcess, 30000);
    if (exitCode) GetExitCodeProcess(pi.hProcess, exitCode);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    CloseHandle(rd);
    return out;
}

// The default value of HKCR\key as "reg query" prints it: "<missing>" when
// there is no such key, "<no value>" when it has no default value.
inline std::string RegDefault(const std::string& key) {
    DWORD code = 1;
    const std::string out = Capture("reg.exe query \"HKEY_CLASSES_ROOT\\" + key + "\" /ve", &code);
    if (code != 0) return "<missing>";
    size_t at = out.find("REG_SZ");
    if (at == std::string::npos) return "<no value>";
    at += 6;
    while (at < out.size() && (out[at] == ' ' || out[at] == '\t')) ++at;
    return out.substr(at, out.find_first_of("\r\n", at) - at);
}

inline bool RegKeyExists(const std::string& key) {
    DWORD code = 1;
    Capture("reg.exe query \"HKEY_CLASSES_ROOT\\" + key + "\"", &code);
    return code == 0;
}

}  // namespace vorne::testing
