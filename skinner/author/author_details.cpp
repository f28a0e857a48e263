#include "skinner/author/author_details.h"

#include <cstdio>

#include "player/skin/skin_document.h"
#include "runtime/basic/basic.h"
#include "runtime/text/ansi.h"

namespace vorne::skinner::author {

AuthorEntries& AuthorInfo() {
    static AuthorEntries entries;
    return entries;
}

std::string OneLine(std::string_view text) { return vorne::player::skin::OneLine(text); }

std::string AuthorFilePath(const std::string& programFolder) {
    std::string path = programFolder;
    if (path.empty() || (path.back() != '\\' && path.back() != '/')) {
#ifdef _WIN32
        path += '\\';
#else
        path += '/';
#endif
    }
    return path + "VornesUser.ini";
}

void ReadAuthorFile(const std::string& path, AuthorEntries& into) {
    into = AuthorEntries{};
    // Opening for appending creates the file on the first run.
    if (std::FILE* f = text::OpenFile(path, "ab")) std::fclose(f);
    auto data = vorne::basic::ReadWholeFile(path);
    if (!data) return;
    vorne::basic::LineReader reader(*data, true);
    std::string line;
    for (int k = 0; k < kAuthorEntries && reader.ReadLine(line); ++k) into[static_cast<size_t>(k)] = line;
}

std::string AuthorFileText(const AuthorEntries& entries) {
    std::string out;
    for (const std::string& e : entries) out += OneLine(e) + "\r\n";
    return out;
}

bool WriteAuthorFile(const std::string& path, const AuthorEntries& entries) {
    return vorne::basic::WriteFileAtomic(path, AuthorFileText(entries));
}

}  // namespace vorne::skinner::author
