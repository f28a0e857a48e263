#pragma once
// Text rules behind the App object: the folder and name of the program from
// its full path, the command-line tail after the program's own name, and
// the version text. Window-free.
#include <string>
#include <string_view>

namespace vorne::forms {

// The folder of a path without its final backslash, except for a drive
// root ("C:\"); "" when the path has no folder.
std::string FolderOf(std::string_view path);
// The file name without folder and without its last extension.
std::string FileTitleOf(std::string_view path);
// The command line after the program's name: the first word (in double
// quotes when it starts with one) and the blanks after it are dropped; the
// rest is kept as it stands.
std::string CommandTail(std::string_view command_line);
// "major.minor (build revision)".
std::string FormatVersionText(unsigned major, unsigned minor, unsigned revision);

}  // namespace vorne::forms
