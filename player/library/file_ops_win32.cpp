// Win32 forms of the file operations: SetEndOfFile cuts the open file at
// the new length in place, and GetShortPathNameW gives a name the ANSI
// code page can hold.
#include <windows.h>
#include <io.h>

#include <cstdio>

#include "file_ops.h"
#include "runtime/text/ansi.h"

namespace vorne::player::library {

bool TruncateOpenFile(std::FILE* f, uint64_t size) {
    if (std::fflush(f) != 0) return false;
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(f)));
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER pos;
    pos.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFilePointerEx(h, pos, nullptr, FILE_BEGIN)) return false;
    if (!SetEndOfFile(h)) return false;
    // Keep the C stream's position in step with the handle.
    return text::SeekTo(f, size);
}

std::string Utf8PathToAnsi(std::string_view utf8, std::string_view folder, bool* resolved) {
    if (resolved) *resolved = false;
    if (utf8.empty()) return std::string();
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (n <= 0) return text::Utf8ToAnsi(utf8);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
    if (text::HasAnsiForm(wide)) return text::WideToAnsi(wide);
    const std::wstring full = wide.size() >= 2 && wide[1] == L':' ? wide : text::AnsiToWide(folder) + wide;
    const DWORD len = GetShortPathNameW(full.c_str(), nullptr, 0);
    if (len > 0) {
        std::wstring shortName(len, L'\0');
        const DWORD got = GetShortPathNameW(full.c_str(), &shortName[0], len);
        if (got > 0 && got < len) {
            shortName.resize(got);
            if (text::HasAnsiForm(shortName)) {
                if (resolved) *resolved = true;
                return text::WideToAnsi(shortName);
            }
        }
    }
    return text::WideToAnsi(wide);
}

}  // namespace vorne::player::library
