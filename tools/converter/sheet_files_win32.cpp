// Windows matches file names without regard to letter case itself.
#include "runtime/text/ansi.h"
#include "tools/converter/sheet_files.h"

namespace vorne::converter {

std::optional<std::string> FindFileNoCase(const std::string& path) {
    if (text::FileExists(path)) return path;
    return std::nullopt;
}

}  // namespace vorne::converter
