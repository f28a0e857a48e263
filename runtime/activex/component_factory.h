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

// Starts, on a thread of its own, what the first face waits for and the
// window thread need not do itself: the component files beside the program
// are mapped and the wave devices are brought up. The window thread then
// finds them ready; nothing is created and no state of the player changes.
void WarmUpFaceComponents();

}  // namespace vorne::player
