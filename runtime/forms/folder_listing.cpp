#include "runtime/forms/folder_listing.h"

namespace vorne::forms {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool Match(std::string_view n, std::string_view p) {
    // Iterative wildcard match with one back-track point for the last "*".
    size_t i = 0, j = 0, star = std::string_view::npos, mark = 0;
    while (i < n.size()) {
        if (j < p.size() && (p[j] == '?' || Lower(p[j]) == Lower(n[i]))) {
            ++i;
            ++j;
        } else if (j < p.size() && p[j] == '*') {
            star = j++;
            mark = i;
        } else if (star != std::string_view::npos) {
            j = star + 1;
            i = ++mark;
        } else {
            return false;
        }
    }
    while (j < p.size() && p[j] == '*') ++j;
    return j == p.size();
}

}  // namespace

std::vector<std::string> SplitPatterns(std::string_view patterns) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= patterns.size()) {
        size_t end = patterns.find(';', start);
        if (end == std::string_view::npos) end = patterns.size();
        std::string_view one = patterns.substr(start, end - start);
        while (!one.empty() && one.front() == ' ') one.remove_prefix(1);
        while (!one.empty() && one.back() == ' ') one.remove_suffix(1);
        if (!one.empty()) out.emplace_back(one);
        start = end + 1;
    }
    return out;
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*" || pattern == "*") return true;
    // The common "*.ext": the name ends with ".ext".
    if (pattern.size() > 1 && pattern[0] == '*' && pattern.find_first_of("*?", 1) == std::string_view::npos) {
        const std::string_view tail = pattern.substr(1);
        if (name.size() < tail.size()) return false;
        const std::string_view end = name.substr(name.size() - tail.size());
        for (size_t i = 0; i < tail.size(); ++i)
            if (Lower(end[i]) != Lower(tail[i])) return false;
        return true;
    }
    return Match(name, pattern);
}

bool LessNoCase(std::string_view a, std::string_view b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(Lower(a[i])), y = static_cast<unsigned char>(Lower(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

bool MatchesAnyPattern(std::string_view name, const std::vector<std::string>& patterns) {
    for (const std::string& p : patterns)
        if (MatchesPattern(name, p)) return true;
    return false;
}

std::string WithBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace vorne::forms
