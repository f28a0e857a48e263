// Win32 forms of the file operations: MoveFileExA replaces in one step, and
// SetEndOfFile cuts the open file at the new length in place.
#include <windows.h>
#include <io.h>

#include <cstdio>

#include "file_ops.h"

namespace vorne::library {

bool ReplaceFileWith(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool TruncateOpenFile(std::FILE* f, uint64_t size) {
    if (std::fflush(f) != 0) return false;
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(f)));
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER pos;
    pos.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFilePointerEx(h, pos, nullptr, FILE_BEGIN)) return false;
    if (!SetEndOfFile(h)) return false;
    // Keep the C stream's position in step with the handle.
    return _fseeki64(f, static_cast<__int64>(size), SEEK_SET) == 0;
}

}  // namespace vorne::library
