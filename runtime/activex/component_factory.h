// Where the player finds the components it hosts: the component file beside
// the program, or else the registered class (so an unregistered copy runs,
// and a copy never picks up another installation's older files).
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>

#include "runtime/com/object.h"

namespace vorne::activex {

// The class factory for clsid, or null when neither way finds one.
com::Ptr<IClassFactory> ComponentFactory(REFCLSID clsid, const char* fileBesideProgram);

// The path of a component file beside the program.
std::string ComponentBesideProgram(const char* file);

}  // namespace vorne::activex
