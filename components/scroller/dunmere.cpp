// Entry points of Dunmere.ocx: class object, unload test and
// self-registration of the Scroller control with its type library.
#include <windows.h>

#include "components/scroller/scroller_control.h"
#include "runtime/com/server_exports.h"

namespace {

using vorne::scroller::ScrollerControl;

const vorne::com::FactoryEntry kFactories[] = {
    {&CLSID_Scroller, &vorne::com::CreateAndQuery<ScrollerControl>},
};

const vorne::com::ClassRegistration kClasses[] = {
    {&CLSID_Scroller, L"Dunmere.Scroller", L"Dunmere.Scroller", true, 1,
     OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
         OLEMISC_SETCLIENTSITEFIRST},
};

}  // namespace

VORNE_COM_SERVER_DLLMAIN()
VORNE_COM_SERVER_EXPORTS(kClasses, kFactories)
