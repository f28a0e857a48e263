#pragma once
// Reading one folder and matching file names against the patterns of a
// file list ("*.mp3;*.wav"). The folder is read through the wide calls and
// every name is handed back in ANSI text; a name without an ANSI form comes
// as its short (8.3) name, so the path built from it still opens. Patterns
// are tested against the long name only: "*.mp3" takes "a.mp3" and not
// "a.mp3x", whose short name would end in ".MP3". Window-free.
#include <string>
#include <string_view>
#include <vector>

namespace vorne::forms {

struct FolderEntry {
    std::string name;      // the name to build a path with (ANSI)
    std::string longName;  // the long name in ANSI text (what patterns test)
    bool folder = false;
    bool reparse = false;  // a junction, a symbolic link or another reparse point
    bool hidden = false;
};

// The entries of folder ("C:\Music\" or "C:\Music"), without "." and "..",
// in the order the file system gives them. False (out empty) when the
// folder cannot be read.
bool ListFolder(const std::string& folder, std::vector<FolderEntry>& out);

// "*.mp3;*.wav" split at each ";" into its patterns, blanks around each
// dropped, empty ones left out.
std::vector<std::string> SplitPatterns(std::string_view patterns);
// Whether name matches one pattern ("*" any run, "?" one character), letter
// case of ASCII ignored; "*.*" matches every name, with or without a point.
bool MatchesPattern(std::string_view name, std::string_view pattern);
bool MatchesAnyPattern(std::string_view name, const std::vector<std::string>& patterns);

// Order of names with the letter case of ASCII ignored, as file lists sort.
bool LessNoCase(std::string_view a, std::string_view b);

// folder with one "\" at its end ("C:" becomes "C:\").
std::string WithBackslash(std::string folder);

}  // namespace vorne::forms
