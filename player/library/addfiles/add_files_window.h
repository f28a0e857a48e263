#pragma once
// The add-files dialog "Select Files to Add": a drive, folder and file
// list, the type of file, and Add, which adds the selected files or, with
// "Include Subdirectories", searches the folder and everything below it.
// The player hands it what it needs of the playlist through AddFilesHost.
#include <functional>
#include <string>

#include "player/library/addfiles/folder_search.h"
#include "runtime/forms/command_button.h"
#include "runtime/forms/edit_controls.h"
#include "runtime/forms/file_lists.h"
#include "runtime/forms/forms.h"
#include "runtime/forms/list_box.h"

namespace vorne::player::library::addfiles {

struct AddFilesHost {
    // Adds one file to the end of the playlist, titled through the playlist
    // title template.
    std::function<void(const std::string& path)> addFile;
    // The playlist changed: its window shows it again.
    std::function<void()> listChanged;
    // The folder the dialog was last closed in (the LastAddFolder option).
    std::function<std::string()> lastAddFolder;
    std::function<void(const std::string&)> setLastAddFolder;
    // Applies the always-on-top option to the dialog's window.
    std::function<void(HWND)> applyOnTop;
};

// The file types of the type box, by index, and the pattern of each; the
// separator (3) has none.
int FileTypeCount();
const char* FileTypeName(int index);
const char* FileTypePattern(int index);
constexpr int kSeparatorEntry = 3;
constexpr int kMp3Entry = 4;

class FrmAdd : public forms::Form {
public:
    FrmAdd();

    void SetHost(AddFilesHost host) { host_ = std::move(host); }

    forms::DriveList cmboDrives;
    forms::DirList lstDirs;
    forms::FileList lstFiles;
    forms::DropDownList cmboFiles;
    forms::CheckButton Check1;
    forms::CommandButton cmdAdd, cmdStop, cmdCancel;
    forms::Label lblStat, lblFile, Label1;
    forms::ListBox List2;
    forms::Timer Timer1;

    SearchState State;
    int FilesAdded = 0;
    // The search now running, if any (its found folders are List1).
    const FolderSearch* Search() const { return search_; }

    void ChangePattern(int index);
    void cmdAdd_Click();
    void cmdStop_Click();
    void cmdCancel_Click();
    void lstFiles_DblClick();
    // The file system the search reads (the machine's by default).
    void SetFileSystem(SearchFileSystem* fs) { fs_ = fs ? fs : &RealFileSystem(); }

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int mode) override;
    DWORD Style() const override { return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN; }
    LRESULT Form_Message(UINT msg, WPARAM, LPARAM, bool& handled) override {
        return forms::BusyPointerMessage(msg, handled);
    }

private:
    void AddOne(const std::string& path);
    void SetBusy(bool busy);
    void createlistofSpecs();
    std::vector<std::string> Masks() const;

    AddFilesHost host_;
    SearchFileSystem* fs_;
    FolderSearch* search_ = nullptr;
    bool running_ = false;
    bool close_pending_ = false;
};

FrmAdd& frmAdd();

}  // namespace vorne::player::library::addfiles
