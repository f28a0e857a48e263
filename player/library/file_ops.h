#pragma once
// The few file operations the list and tag writers need beyond the text
// kit (runtime/text/ansi.h): reading a whole file with "missing" told from
// "unreadable", writing one through a temporary file, cutting an open file
// short, and the ANSI form of a path read from a UTF-8 list. The last two
// have one implementation per platform (file_ops_posix.cpp, file_ops_win32.cpp).
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vorne::player::library {

enum class ReadStatus { kOk, kMissing, kFailed };

// Reads a whole file. kMissing when no file of that name exists.
ReadStatus ReadWholeFile(const std::string& path, std::string& out);

// Writes data to a temporary file beside path and then puts it in path's
// place. On any failure the temporary file is removed and path is left as
// it was. Returns false on failure.
bool WriteFileReplacing(const std::string& path, const std::string& data);

// Sets the length of an open file (flushed first) to size bytes.
bool TruncateOpenFile(std::FILE* f, uint64_t size);

// A path read as UTF-8 in the program's ANSI text. A path with an ANSI form
// is that form. Otherwise, when the file exists (a relative path is looked
// for in folder, given in ANSI with its "\"), its short name is taken and
// *resolved is set, as the short name is already a full path; failing that
// the nearest ANSI text is kept. The native build keeps the bytes.
std::string Utf8PathToAnsi(std::string_view utf8, std::string_view folder, bool* resolved);

}  // namespace vorne::player::library
