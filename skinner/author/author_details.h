// The author's details that every skin carries (name, description, e-mail
// address, home page) and the author-details file VornesUser.ini that keeps
// them between runs: four lines, entries 0 to 3, each ending in CR LF.
// Each entry is one line of text. Window-free.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vorne::skinner::author {

enum AuthorEntry : int { kAuthorName = 0, kAuthorDescription = 1, kAuthorEmail = 2, kAuthorHomePage = 3 };
inline constexpr int kAuthorEntries = 4;
using AuthorEntries = std::array<std::string, kAuthorEntries>;

// The one set of the program's run; all four empty at start.
AuthorEntries& AuthorInfo();

// The text as one line: every run of CR and LF characters becomes one
// blank, so "a\r\n\r\nb" gives "a b". Text without line breaks is kept as
// it is (no trimming).
std::string OneLine(std::string_view text);

// The author-details file in the program folder ("VornesUser.ini", with a
// separator added when the folder does not end in one).
std::string AuthorFilePath(const std::string& programFolder);

// Reads the file at start: creates an empty one when there is none, then
// puts line k into entry k - 1 for up to four lines (CR LF, CR or LF end a
// line). Entries the file does not have are left empty; lines after the
// fourth are ignored. Nothing is reported: a file that cannot be created
// or read leaves all four entries empty.
void ReadAuthorFile(const std::string& path, AuthorEntries& into);
// The file's contents for entries (each made one line, CR LF after each).
std::string AuthorFileText(const AuthorEntries& entries);
// Writes the file anew at exit (the old one is replaced only once the new
// one is complete). Returns whether it was written; callers report nothing.
bool WriteAuthorFile(const std::string& path, const AuthorEntries& entries);

}  // namespace vorne::skinner::author
