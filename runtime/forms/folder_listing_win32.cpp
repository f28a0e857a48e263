// Reading a folder with FindFirstFileW / FindNextFileW.
#include <windows.h>

#include "runtime/forms/folder_listing.h"
#include "runtime/text/ansi.h"

namespace vorne::forms {

bool ListFolder(const std::string& folder, std::vector<FolderEntry>& out) {
    out.clear();
    const std::wstring pattern = text::AnsiToWide(WithBackslash(folder) + "*");
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(pattern.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return false;
    do {
        const std::wstring_view longName(fd.cFileName);
        if (longName == L"." || longName == L"..") continue;
        FolderEntry e;
        e.longName = text::WideToAnsi(longName);
        if (text::HasAnsiForm(longName) || fd.cAlternateFileName[0] == 0)
            e.name = e.longName;
        else
            e.name = text::WideToAnsi(fd.cAlternateFileName);
        e.folder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        e.reparse = (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        e.hidden = (fd.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        out.push_back(std::move(e));
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return true;
}

}  // namespace vorne::forms
