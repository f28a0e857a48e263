#pragma once
// The few file operations the list and tag writers need beyond <cstdio>:
// replacing a file by another in one step, and cutting an open file short.
// One implementation per platform (file_ops_posix.cpp, file_ops_win.cpp).
#include <cstdint>
#include <cstdio>
#include <string>

namespace vorne::library {

enum class ReadStatus { kOk, kMissing, kFailed };

// Reads a whole file. kMissing when no file of that name exists.
ReadStatus ReadWholeFile(const std::string& path, std::string& out);

// Writes data to a temporary file beside path and then puts it in path's
// place. On any failure the temporary file is removed and path is left as
// it was. Returns false on failure.
bool WriteFileReplacing(const std::string& path, const std::string& data);

// Moves from over to, replacing an existing file.
bool ReplaceFileWith(const std::string& from, const std::string& to);

// Sets the length of an open file (flushed first) to size bytes.
bool TruncateOpenFile(std::FILE* f, uint64_t size);

// Length of an open file, or -1.
int64_t OpenFileLength(std::FILE* f);

}  // namespace vorne::library
