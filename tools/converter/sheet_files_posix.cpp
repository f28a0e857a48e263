// The native build: the file system tells letter case apart, so a name
// that is not there as written is looked for among the folder's entries.
#include <dirent.h>
#include <strings.h>

#include "runtime/text/ansi.h"
#include "tools/converter/sheet_files.h"

namespace vorne::converter {

std::optional<std::string> FindFileNoCase(const std::string& path) {
    if (text::FileExists(path)) return path;
    // Folders are separated by "\" in the programs' paths and by "/" here.
    const size_t cut = path.find_last_of("\\/");
    const std::string folder = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return std::nullopt;
    std::optional<std::string> found;
    while (dirent* e = readdir(dir)) {
        if (strcasecmp(e->d_name, name.c_str()) == 0 && text::FileExists(folder + e->d_name)) {
            found = folder + e->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

}  // namespace vorne::converter
