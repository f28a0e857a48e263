#include "runtime/forms/app_text.h"

namespace vorne::forms {

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string FolderOf(std::string_view path) {
    size_t cut = std::string_view::npos;
    for (size_t i = path.size(); i-- > 0;)
        if (IsSeparator(path[i])) { cut = i; break; }
    if (cut == std::string_view::npos) return path.size() >= 2 && path[1] == ':' ? std::string(path.substr(0, 2)) : "";
    // "C:\x" keeps its root separator; "\\server" paths and others lose it.
    if (cut == 2 && path[1] == ':') return std::string(path.substr(0, 3));
    return std::string(path.substr(0, cut));
}

std::string FileTitleOf(std::string_view path) {
    size_t start = 0;
    for (size_t i = path.size(); i-- > 0;)
        if (IsSeparator(path[i]) || path[i] == ':') { start = i + 1; break; }
    std::string_view name = path.substr(start);
    size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    return std::string(name);
}

std::string CommandTail(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    if (i < s.size() && s[i] == '"') {
        ++i;
        while (i < s.size() && s[i] != '"') ++i;
        if (i < s.size()) ++i;  // the closing quote
    }
    // The name runs on to the first blank (also right after a closing quote).
    while (i < s.size() && !IsBlank(s[i])) ++i;
    while (i < s.size() && IsBlank(s[i])) ++i;
    return std::string(s.substr(i));
}

std::string FormatVersionText(unsigned major, unsigned minor, unsigned revision) {
    return std::to_string(major) + "." + std::to_string(minor) + " (build " + std::to_string(revision) + ")";
}

}  // namespace vorne::forms
