// Drelk: the converter's one window and the message loop while it is open.
#include <windows.h>
#include <ole2.h>

#include "runtime/forms/forms.h"
#include "tools/converter/converter_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    OleInitialize(nullptr);
    {
        vorne::converter::frmConverter form;
        form.Show();
        vorne::forms::Form::Run();
    }
    OleUninitialize();
    return 0;
}
