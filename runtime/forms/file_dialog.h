#pragma once
// The common dialog's file boxes behind one seam, as dialogs.h does for
// message boxes: code asks a CommonDialog object, which asks FileDialogs(),
// so a test can answer with scripted file names. A CommonDialog keeps its
// settings and the file name of the last choice between boxes. Window-free;
// the real boxes live in file_dialog_win32.cpp.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "runtime/forms/dialogs.h"

namespace vorne::forms {

enum CommonDialogFlags : long {
    cdlOFNReadOnly = 0x1,
    cdlOFNOverwritePrompt = 0x2,
    cdlOFNHideReadOnly = 0x4,
    cdlOFNNoChangeDir = 0x8,
    cdlOFNPathMustExist = 0x800,
    cdlOFNFileMustExist = 0x1000,
};

struct FileDialogRequest {
    bool save = false;
    std::string title;
    // "Text|pattern|Text|pattern", as the control takes it.
    std::string filter;
    int filter_index = 1;
    std::string file_name;  // proposed; may be a pattern
    std::string init_dir;
    long flags = 0;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen file's full name, or nothing when the box was cancelled.
    virtual std::optional<std::string> ShowFile(const FileDialogRequest& request) = 0;
};

FileDialogService& FileDialogs();
FileDialogService* SetFileDialogs(FileDialogService* service);
FileDialogService& SystemFileDialogs();

// Scripted answers: each box takes the next one (nothing = cancelled) and is
// recorded; a box without an answer throws UnexpectedDialog.
class ScriptedFileDialogs : public FileDialogService {
public:
    void Queue(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
    std::optional<std::string> ShowFile(const FileDialogRequest& request) override;
    const std::vector<FileDialogRequest>& Log() const { return log_; }
    size_t Pending() const { return answers_.size(); }

private:
    std::deque<std::optional<std::string>> answers_;
    std::vector<FileDialogRequest> log_;
};

class ScopedFileDialogs {
public:
    explicit ScopedFileDialogs(FileDialogService& s) : before_(SetFileDialogs(&s)) {}
    ~ScopedFileDialogs() { SetFileDialogs(before_); }
    ScopedFileDialogs(const ScopedFileDialogs&) = delete;
    ScopedFileDialogs& operator=(const ScopedFileDialogs&) = delete;

private:
    FileDialogService* before_;
};

// The common dialog control's file side.
class CommonDialog {
public:
    std::string DialogTitle, Filter, FileName, InitDir;
    int FilterIndex = 1;
    long Flags = 0;

    // Show the open or save box starting from FileName; true with FileName
    // set to the choice, false (FileName kept) when cancelled.
    bool ShowOpen() { return Show(false); }
    bool ShowSave() { return Show(true); }

private:
    bool Show(bool save);
};

}  // namespace vorne::forms
