#include <windows.h>
#include <shellapi.h>

#include "runtime/forms/forms.h"
#include "runtime/forms/help.h"

namespace vorne::forms {

void ShowProgramHelp() {
    const std::string file = HelpFilePath(App::Path());
    // The help viewer of the system first; where it has none, whatever the
    // shell opens the file with.
    HWND owner = GetActiveWindow();
    if (!WinHelpA(owner, file.c_str(), HELP_FINDER, 0))
        ShellExecuteA(owner, "open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace vorne::forms
