// Reading a folder in the native build: "\" in the path stands for "/",
// names are the file system's bytes, symbolic links count as reparse
// points and names beginning with "." as hidden.
#include <dirent.h>
#include <sys/stat.h>

#include "runtime/forms/folder_listing.h"

namespace vorne::forms {

bool ListFolder(const std::string& folder, std::vector<FolderEntry>& out) {
    out.clear();
    std::string dir = WithBackslash(folder);
    for (char& c : dir)
        if (c == '\\') c = '/';
    DIR* d = opendir(dir.c_str());
    if (!d) return false;
    while (dirent* de = readdir(d)) {
        const std::string name = de->d_name;
        if (name == "." || name == "..") continue;
        FolderEntry e;
        e.name = e.longName = name;
        unsigned char type = de->d_type;
        if (type == DT_UNKNOWN) {
            struct stat st;
            if (lstat((dir + name).c_str(), &st) != 0) continue;
            type = S_ISLNK(st.st_mode) ? DT_LNK : S_ISDIR(st.st_mode) ? DT_DIR : DT_REG;
        }
        e.reparse = type == DT_LNK;
        if (e.reparse) {
            struct stat target;
            e.folder = stat((dir + name).c_str(), &target) == 0 && S_ISDIR(target.st_mode);
        } else {
            e.folder = type == DT_DIR;
        }
        e.hidden = name[0] == '.';
        out.push_back(std::move(e));
    }
    closedir(d);
    return true;
}

}  // namespace vorne::forms
