// Quarl.exe, the skin editor: the editor window and its preview, the
// author's details kept in VornesUser.ini, and a skin named on the command
// line opened at start.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "skinner/app/editor_window.h"
#include "skinner/author/author_details.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace vorne;
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    skinner::author::ReadAuthorFile(skinner::author::AuthorFilePath(forms::App::Path()), skinner::author::AuthorInfo());
    {
        skinner::frmSkinner editor;
        editor.Show();
        // The preview beside the editor.
        editor.Preview().Load();
        editor.Preview().Move(editor.Left() + editor.Width() + 8 * forms::TwipsPerPixelX(), editor.Top(),
                              editor.Preview().Width(), editor.Preview().Height());
        editor.Preview().Show();
        editor.OpenCommandLine(forms::App::Command());
        forms::Form::Run();
    }
    OleUninitialize();
    return 0;
}
