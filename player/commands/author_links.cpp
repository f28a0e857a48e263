#include "player/commands/author_links.h"

#include <cctype>

namespace vorne::player::commands {

namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && Lower(s.substr(0, prefix.size())) == prefix;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool HasBlankOrControl(std::string_view s) {
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u == 0x7F || c == '"') return true;
    }
    return false;
}

// A host name: letters, digits, "-" and ".", with at least one ".", not
// starting or ending with "." or "-", optionally followed by ":port" and a
// path, query or fragment.
bool IsBareHost(std::string_view s) {
    size_t end = s.find_first_of(":/?#");
    std::string_view host = s.substr(0, end);
    if (host.empty() || host.find('.') == std::string_view::npos) return false;
    if (host.front() == '.' || host.front() == '-' || host.back() == '.' || host.back() == '-') return false;
    for (char c : host)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.')) return false;
    if (end != std::string_view::npos && s[end] == ':') {
        // Only a port may follow a colon.
        size_t i = end + 1, digits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
        if (digits == 0 || (i < s.size() && s[i] != '/' && s[i] != '?' && s[i] != '#')) return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> AuthorLinkTarget(int index, std::string_view caption) {
    std::string target(Trim(caption));
    if (index == kAuthorEmailLink && !StartsWithNoCase(target, "mailto:")) target = "mailto:" + target;
    if (target.empty() || HasBlankOrControl(target) || target.find('\\') != std::string::npos) return std::nullopt;
    if (StartsWithNoCase(target, "mailto:")) {
        // An address must follow the scheme.
        if (target.size() == 7 || target.find('@') == std::string::npos) return std::nullopt;
        return target;
    }
    for (std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
        if (StartsWithNoCase(target, scheme)) {
            if (!IsBareHost(std::string_view(target).substr(scheme.size()))) return std::nullopt;
            return target;
        }
    }
    if (IsBareHost(target)) return "http://" + target;
    return std::nullopt;
}

}  // namespace vorne::player::commands
