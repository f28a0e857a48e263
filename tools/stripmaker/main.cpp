// Quarlh, the button-strip maker.
#include <windows.h>
#include <objbase.h>

#include "tools/stripmaker/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The picture loader is an OLE service.
    OleInitialize(nullptr);
    {
        vorne::stripmaker::FrmMain& main = vorne::forms::DefaultInstance<vorne::stripmaker::FrmMain>();
        main.Show();
        vorne::forms::Form::Run();
    }
    OleUninitialize();
    return 0;
}
