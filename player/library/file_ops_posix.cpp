#include <unistd.h>

#include <cstdio>

#include "file_ops.h"

namespace vorne::player::library {

bool TruncateOpenFile(std::FILE* f, uint64_t size) {
    if (std::fflush(f) != 0) return false;
    return ftruncate(fileno(f), static_cast<off_t>(size)) == 0;
}

std::string Utf8PathToAnsi(std::string_view utf8, std::string_view, bool* resolved) {
    if (resolved) *resolved = false;
    return std::string(utf8);
}

}  // namespace vorne::player::library
