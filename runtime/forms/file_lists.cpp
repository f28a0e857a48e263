#include "runtime/forms/file_lists.h"

#include <windows.h>

#include <algorithm>

#include "runtime/text/ansi.h"

namespace vorne::forms {

namespace {

std::string LowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// "C:\Music\" and "C:\Music" both become "C:\Music"; "C:" and "C:\"
// become "C:\".
std::string Normal(std::string p) {
    while (p.size() > 3 && p.back() == '\\') p.pop_back();
    if (p.size() == 2 && p[1] == ':') p += '\\';
    return p;
}

}  // namespace

std::vector<FolderEntry> MatchingFiles(const std::string& folder, const std::vector<std::string>& patterns) {
    std::vector<FolderEntry> all, files;
    ListFolder(folder, all);
    for (FolderEntry& e : all)
        if (!e.folder && !e.hidden && MatchesAnyPattern(e.longName, patterns)) files.push_back(std::move(e));
    std::stable_sort(files.begin(), files.end(),
                     [](const FolderEntry& a, const FolderEntry& b) { return LessNoCase(a.longName, b.longName); });
    return files;
}

// ------------------------------------------------------------ drives

DriveList::DriveList(Form& form, std::string name, int index) : DropDownList(form, std::move(name), index) {
    wchar_t buf[512];
    const DWORD n = GetLogicalDriveStringsW(511, buf);
    for (const wchar_t* p = buf; n && n < 512 && *p; p += wcslen(p) + 1) {
        std::string d = LowerAscii(text::WideToAnsi(std::wstring_view(p, 2)));
        AddItem(d);
    }
    OnClick = [this] {
        if (OnChange) OnChange();
    };
    if (ListCount() > 0) {
        int c = 0;
        for (int i = 0; i < ListCount(); ++i)
            if (List(i) == "c:") c = i;
        auto keep = OnClick;
        OnClick = nullptr;
        SetListIndex(c);
        OnClick = keep;
    }
}

std::string DriveList::Drive() const { return Text(); }

bool DriveList::SetDrive(const std::string& path) {
    if (path.size() < 2 || path[1] != ':') return false;
    const std::string want = LowerAscii(path.substr(0, 2));
    for (int i = 0; i < ListCount(); ++i)
        if (List(i) == want) {
            SetListIndex(i);
            return true;
        }
    return false;
}

// ------------------------------------------------------------ folders

DirList::DirList(Form& form, std::string name, int index) : ListBox(form, std::move(name), index) {
    OnDblClickItem = [this] {
        const int i = ListIndex();
        if (i >= 0 && i < static_cast<int>(folders_.size())) SetPath(folders_[static_cast<size_t>(i)]);
    };
}

bool DirList::SetPath(const std::string& path) {
    const std::string p = Normal(path);
    if (p.empty() || !text::FolderExists(p)) return false;
    path_ = p;
    Refresh();
    if (OnChange) OnChange();
    return true;
}

void DirList::Refresh() {
    folders_.clear();
    std::vector<std::string> lines;
    // The levels: "C:\", "C:\Music", "C:\Music\Rock".
    size_t depth = 0;
    for (size_t at = path_.find('\\'); at != std::string::npos; at = path_.find('\\', at + 1)) {
        const std::string level = at == 2 ? path_.substr(0, 3) : path_.substr(0, at);
        if (level.size() < 3) continue;
        folders_.push_back(level);
        lines.push_back(std::string(depth * 2, ' ') + (depth == 0 ? level : level.substr(level.rfind('\\') + 1)));
        ++depth;
    }
    if (path_.size() > 3) {
        folders_.push_back(path_);
        lines.push_back(std::string(depth * 2, ' ') + path_.substr(path_.rfind('\\') + 1));
        ++depth;
    }
    const int current = static_cast<int>(folders_.size()) - 1;
    std::vector<FolderEntry> all, subs;
    ListFolder(path_, all);
    for (FolderEntry& e : all)
        if (e.folder && !e.hidden) subs.push_back(std::move(e));
    std::stable_sort(subs.begin(), subs.end(),
                     [](const FolderEntry& a, const FolderEntry& b) { return LessNoCase(a.longName, b.longName); });
    for (const FolderEntry& e : subs) {
        folders_.push_back(WithBackslash(path_) + e.name);
        lines.push_back(std::string(depth * 2, ' ') + e.longName);
    }
    SetItems(std::move(lines));
    if (current >= 0) {
        SetListIndex(current);
        SetSelected(current, true);
    }
}

// ------------------------------------------------------------ files

FileList::FileList(Form& form, std::string name, int index) : ListBox(form, std::move(name), index) {}

bool FileList::SetPath(const std::string& folder) {
    path_ = Normal(folder);
    Refresh();
    return text::FolderExists(path_);
}

void FileList::SetPattern(const std::string& pattern) {
    pattern_ = pattern;
    Refresh();
}

void FileList::Refresh() {
    names_.clear();
    std::vector<std::string> shown;
    if (!path_.empty()) {
        for (FolderEntry& e : MatchingFiles(path_, SplitPatterns(pattern_))) {
            shown.push_back(e.longName);
            names_.push_back(std::move(e.name));
        }
    }
    SetItems(std::move(shown));
}

}  // namespace vorne::forms
