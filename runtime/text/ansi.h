// Narrow text of the programs is in the ANSI code page, as the platform's
// ...A calls and the stored files are. This is the one place that turns it
// into wide text for file, shell and picture calls; nothing else converts
// narrow text on its own or builds a std::filesystem::path from it.
//
// On Windows the conversions go through the ANSI code page (CP_ACP). The
// native (host) build has no code page: narrow text is the file system's own
// bytes there, and the wide forms widen or narrow byte by byte.
// Window-free: this header includes no <windows.h>.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vorne::text {

// ANSI text to wide text and back. WideToAnsi replaces characters that have
// no ANSI form by the code page's default character.
std::wstring AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::wstring_view wide);
// Whether every character of wide has an exact ANSI form.
bool HasAnsiForm(std::wstring_view wide);

// UTF-8 text (a list written with a byte-order mark) to ANSI text.
std::string Utf8ToAnsi(std::string_view utf8);

// Files named in ANSI text.
std::FILE* OpenFile(const std::string& path, const char* mode);
bool FileExists(const std::string& path);       // an existing file, not a folder
bool FolderExists(const std::string& path);
bool RemoveFile(const std::string& path);
// Puts from in to's place, replacing an existing file, in one step.
bool ReplaceFileWith(const std::string& from, const std::string& to);

// 64-bit positions in an open file: its length (-1 on failure), and a seek
// from its start.
int64_t FileLength(std::FILE* f);
bool SeekTo(std::FILE* f, uint64_t offset);

}  // namespace vorne::text
