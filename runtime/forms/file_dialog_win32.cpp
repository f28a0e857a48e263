// The real open and save boxes.
#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "runtime/forms/file_dialog.h"

namespace vorne::forms {

namespace {

class SystemFileDialogService : public FileDialogService {
public:
    std::optional<std::string> ShowFile(const FileDialogRequest& r) override {
        // "A|b|C|d" becomes "A\0b\0C\0d\0\0".
        std::string filter = r.filter;
        for (char& c : filter)
            if (c == '|') c = '\0';
        filter.append(2, '\0');
        std::vector<char> name(32768, '\0');
        r.file_name.copy(name.data(), name.size() - 1);
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = GetActiveWindow();
        ofn.lpstrFilter = r.filter.empty() ? nullptr : filter.c_str();
        ofn.nFilterIndex = static_cast<DWORD>(r.filter_index > 0 ? r.filter_index : 1);
        ofn.lpstrFile = name.data();
        ofn.nMaxFile = static_cast<DWORD>(name.size());
        ofn.lpstrInitialDir = r.init_dir.empty() ? nullptr : r.init_dir.c_str();
        ofn.lpstrTitle = r.title.empty() ? nullptr : r.title.c_str();
        ofn.Flags = static_cast<DWORD>(r.flags) | OFN_EXPLORER;
        const BOOL ok = r.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
        if (!ok) return std::nullopt;
        return std::string(name.data());
    }
};

}  // namespace

FileDialogService& SystemFileDialogs() {
    static SystemFileDialogService service;
    return service;
}

}  // namespace vorne::forms
