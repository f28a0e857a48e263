#include "runtime/text/paths.h"

namespace vorne::text {

std::string ChopFileOff(std::string_view path) {
    size_t p = path.rfind('\\');
    return p == std::string_view::npos ? std::string() : std::string(path.substr(0, p + 1));
}

std::string ChopPath(std::string_view path) {
    const size_t cut = path.rfind('\\');
    return cut == std::string_view::npos ? std::string() : std::string(path.substr(cut + 1));
}

}  // namespace vorne::text
