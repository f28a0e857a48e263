#include <unistd.h>

#include <cstdio>

#include "file_ops.h"

namespace vorne::library {

bool ReplaceFileWith(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool TruncateOpenFile(std::FILE* f, uint64_t size) {
    if (std::fflush(f) != 0) return false;
    return ftruncate(fileno(f), static_cast<off_t>(size)) == 0;
}

}  // namespace vorne::library
