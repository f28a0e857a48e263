// Narrow text on the native build: the file system's own bytes. The wide
// forms widen and narrow byte by byte; UTF-8 is kept as it is.
#include <sys/stat.h>

#include <cstdio>

#include "runtime/text/ansi.h"

namespace vorne::text {

std::wstring AnsiToWide(std::string_view ansi) {
  std::wstring w;
  w.reserve(ansi.size());
  for (unsigned char c : ansi) w.push_back(static_cast<wchar_t>(c));
  return w;
}

std::string WideToAnsi(std::wstring_view wide) {
  std::string a;
  a.reserve(wide.size());
  for (wchar_t c : wide) a.push_back(c >= 0 && c < 256 ? static_cast<char>(c) : '?');
  return a;
}

bool HasAnsiForm(std::wstring_view wide) {
  for (wchar_t c : wide)
    if (c < 0 || c >= 256) return false;
  return true;
}

std::string Utf8ToAnsi(std::string_view utf8) { return std::string(utf8); }

std::FILE* OpenFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool ReplaceFileWith(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

int64_t FileLength(std::FILE* f) {
  const off_t here = ftello(f);
  if (here < 0 || fseeko(f, 0, SEEK_END) != 0) return -1;
  const off_t end = ftello(f);
  fseeko(f, here, SEEK_SET);
  return end;
}

bool SeekTo(std::FILE* f, uint64_t offset) { return fseeko(f, static_cast<off_t>(offset), SEEK_SET) == 0; }

}  // namespace vorne::text
