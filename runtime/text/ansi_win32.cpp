// ANSI text on Windows: the ANSI code page of the process (CP_ACP).
#include <windows.h>

#include <cwchar>

#include "runtime/text/ansi.h"

namespace vorne::text {

std::wstring AnsiToWide(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &w[0], n);
  return w;
}

std::string WideToAnsi(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string a(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &a[0], n, nullptr, nullptr);
  return a;
}

bool HasAnsiForm(std::wstring_view wide) {
  if (wide.empty()) return true;
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, &usedDefault);
  return n > 0 && !usedDefault;
}

std::string Utf8ToAnsi(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (n <= 0) return std::string(utf8);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &w[0], n);
  return WideToAnsi(w);
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
  const std::wstring wmode = AnsiToWide(mode);
  return _wfopen(AnsiToWide(path).c_str(), wmode.c_str());
}

static DWORD Attributes(const std::string& path) {
  return GetFileAttributesW(AnsiToWide(path).c_str());
}

bool FileExists(const std::string& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveFile(const std::string& path) { return DeleteFileW(AnsiToWide(path).c_str()) != 0; }

bool ReplaceFileWith(const std::string& from, const std::string& to) {
  return MoveFileExW(AnsiToWide(from).c_str(), AnsiToWide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

int64_t FileLength(std::FILE* f) {
  const __int64 here = _ftelli64(f);
  if (here < 0 || _fseeki64(f, 0, SEEK_END) != 0) return -1;
  const __int64 end = _ftelli64(f);
  _fseeki64(f, here, SEEK_SET);
  return end;
}

bool SeekTo(std::FILE* f, uint64_t offset) { return _fseeki64(f, static_cast<__int64>(offset), SEEK_SET) == 0; }

}  // namespace vorne::text
