// Where the player finds the components it hosts: the component file beside
// the program, or else the registered class (so an unregistered copy runs,
// and a copy never picks up another installation's older files).
#pragma once

#include <windows.h>
#include <ole2.h>

#include "runtime/com/object.h"

namespace vorne::player {

// The class factory for clsid, or null when neither way finds one.
com::Ptr<IClassFactory> ComponentFactory(REFCLSID clsid, const char* fileBesideProgram);

}  // namespace vorne::player
