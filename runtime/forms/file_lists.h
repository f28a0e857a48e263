#pragma once
// The drive, folder and file lists of a form. A drive list offers the
// drives of the machine ("c:"); a folder list shows the chosen folder's
// path, one level a line, and its subfolders below it, and goes into a
// folder on a double-click; a file list shows the files of its folder that
// match its pattern ("*.mp3;*.wav", long names only), sorted by name,
// several selectable. Their state lives in the control.
#include <functional>
#include <string>
#include <vector>

#include "runtime/forms/edit_controls.h"
#include "runtime/forms/folder_listing.h"
#include "runtime/forms/list_box.h"

namespace vorne::forms {

class DriveList : public DropDownList {
public:
    DriveList(Form& form, std::string name, int index = -1);
    // "c:" of the chosen drive.
    std::string Drive() const;
    // Chooses the drive that path begins with ("d:\Music" chooses "d:");
    // false when there is no such drive. Change runs.
    bool SetDrive(const std::string& path);

    std::function<void()> OnChange;
};

class DirList : public ListBox {
public:
    DirList(Form& form, std::string name, int index = -1);
    // The folder shown, with no "\" at its end but for a drive root.
    const std::string& Path() const { return path_; }
    // Goes to an existing folder; false (nothing changed) otherwise.
    // Change runs.
    bool SetPath(const std::string& path);
    // The folders of the lines in order: the path's levels, then the
    // subfolders of the path.
    const std::vector<std::string>& Folders() const { return folders_; }
    // Reads the folder again.
    void Refresh();

    std::function<void()> OnChange;

private:
    std::string path_;
    std::vector<std::string> folders_;
};

class FileList : public ListBox {
public:
    FileList(Form& form, std::string name, int index = -1);
    const std::string& Path() const { return path_; }
    // Shows the files of folder; false when it cannot be read (the list is
    // then empty).
    bool SetPath(const std::string& folder);
    const std::string& Pattern() const { return pattern_; }
    void SetPattern(const std::string& pattern);
    // Reads the folder again.
    void Refresh();
    // The name of entry i as a path is built from it (List(i) shows the
    // long name).
    const std::string& FileName(int i) const { return names_.at(static_cast<size_t>(i)); }

private:
    std::string path_, pattern_ = "*.*";
    std::vector<std::string> names_;
};

// The files of folder whose long names match patterns, sorted by long
// name with letter case ignored, as a file list shows them.
std::vector<FolderEntry> MatchingFiles(const std::string& folder, const std::vector<std::string>& patterns);

}  // namespace vorne::forms
