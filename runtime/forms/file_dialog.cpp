#include "runtime/forms/file_dialog.h"

namespace vorne::forms {

namespace {
FileDialogService* g_file_service = nullptr;
}

FileDialogService& FileDialogs() { return g_file_service ? *g_file_service : SystemFileDialogs(); }

FileDialogService* SetFileDialogs(FileDialogService* service) {
    FileDialogService* before = g_file_service;
    g_file_service = service;
    return before;
}

std::optional<std::string> ScriptedFileDialogs::ShowFile(const FileDialogRequest& request) {
    log_.push_back(request);
    if (answers_.empty()) throw UnexpectedDialog(request.save ? "save file" : "open file");
    auto answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

bool CommonDialog::Show(bool save) {
    FileDialogRequest r;
    r.save = save;
    r.title = DialogTitle;
    r.filter = Filter;
    r.filter_index = FilterIndex;
    r.file_name = FileName;
    r.init_dir = InitDir;
    r.flags = Flags;
    std::optional<std::string> chosen = FileDialogs().ShowFile(r);
    if (!chosen || chosen->empty()) return false;
    FileName = *chosen;
    return true;
}

}  // namespace vorne::forms

#ifndef _WIN32
namespace vorne::forms {
namespace {
class NoFileDialogs : public FileDialogService {
public:
    std::optional<std::string> ShowFile(const FileDialogRequest& r) override {
        throw UnexpectedDialog(r.save ? "save file" : "open file");
    }
};
}  // namespace
FileDialogService& SystemFileDialogs() {
    static NoFileDialogs none;
    return none;
}
}  // namespace vorne::forms
#endif
