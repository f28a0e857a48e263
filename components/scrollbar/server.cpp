// Entry points of Plovex1.ocx.
#include <windows.h>

#include "Plovex1.h"
#include "components/scrollbar/scrollbar_control.h"
#include "runtime/com/server_exports.h"

namespace {

constexpr int kToolboxBitmap = 1;

const vorne::com::ClassRegistration kClasses[] = {
    {&CLSID_ScrollBar, L"Tolvaner.ScrollBar", L"Tolvaner.ScrollBar", true, kToolboxBitmap,
     OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
         OLEMISC_SETCLIENTSITEFIRST},
};

const vorne::com::FactoryEntry kFactories[] = {
    {&CLSID_ScrollBar, &vorne::com::CreateAndQuery<vorne::scrollbar::ScrollBarControl>},
};

}  // namespace

VORNE_COM_SERVER_DLLMAIN()
VORNE_COM_SERVER_EXPORTS(kClasses, kFactories)
