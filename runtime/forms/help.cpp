#include "runtime/forms/help.h"

namespace vorne::forms {

std::string HelpFilePath(std::string_view folder) {
    std::string path(folder);
    if (path.empty() || path.back() != '\\') path += '\\';
    return path + "Vornes.hlp";
}

}  // namespace vorne::forms
