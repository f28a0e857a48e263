#include "player/startup/handover.h"

#include <cctype>

#include "player/library/playlist_store.h"

namespace vorne::player::startup {

std::string HandOverBytes(std::string_view ansiCommandLine) {
    if (ansiCommandLine.empty()) return std::string(1, '\0');
    return std::string(ansiCommandLine);
}

HandOver ReceiveHandOver(const void* data, uint32_t size) {
    HandOver h;
    if (size == 0) {
        h.action = HandOverAction::ShowWindow;
        return h;
    }
    if (!data || size > kMaxHandOverBytes) return h;  // Reject
    h.action = HandOverAction::Parse;
    h.text.assign(static_cast<const char*>(data), size);
    return h;
}

namespace {

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string Upper(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return r;
}

}  // namespace

ParsedCommand ClassifyCommand(std::string_view commandLine) {
    ParsedCommand p;
    std::string_view s = TrimBlanks(commandLine);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = TrimBlanks(s.substr(1, s.size() - 2));
    // A hand-over of an empty command line arrives as one zero character.
    if (s.empty() || (s.size() == 1 && s[0] == '\0')) return p;  // ActivateOnly
    p.path.assign(s);
    const std::string last4 = Upper(s.size() >= 4 ? s.substr(s.size() - 4) : s);
    if (last4 == ".VNA" || last4 == ".M3U" || last4 == ".PLS") {
        p.kind = CommandKind::LoadPlayList;
    } else if (vorne::player::library::IsValidFileType(vorne::player::library::FileExtension(p.path))) {
        p.kind = CommandKind::AddFile;
    } else {
        p.kind = CommandKind::LoadGeneric;
    }
    return p;
}

}  // namespace vorne::player::startup
