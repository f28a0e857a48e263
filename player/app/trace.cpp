#include "player/app/trace.h"

#include <windows.h>

namespace vorne::player {

namespace {
const std::string& TraceFile() {
    static const std::string file = [] {
        char buf[MAX_PATH * 2];
        DWORD n = GetEnvironmentVariableA("VORNE_TRACE", buf, sizeof buf);
        return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
    }();
    return file;
}
}  // namespace

bool TraceEnabled() { return !TraceFile().empty(); }

void Trace(const std::string& line) {
    if (!TraceEnabled()) return;
    HANDLE f = CreateFileA(TraceFile().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(f);
}

}  // namespace vorne::player
