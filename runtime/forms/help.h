#pragma once
// The help launcher every program of the system shares: the help file
// "Vornes.hlp" in the program folder, opened on the help command.
#include <string>
#include <string_view>

namespace vorne::forms {

// folder, a "\" unless it already ends with one, then "Vornes.hlp".
// Window-free.
std::string HelpFilePath(std::string_view folder);

// Opens the help file of the program folder (App::Path()); reports no
// failure. Win32 only.
void ShowProgramHelp();

}  // namespace vorne::forms
