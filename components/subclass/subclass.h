#pragma once
// Message subclassing: one shared window procedure per window, every piece
// of bookkeeping in the window's own property list (see property_keys.h).
#include <windows.h>

#include "Vornesub.h"

namespace vorne::subclass {

// Errors (13081..13084) are thrown as vorne::com::ComError before anything
// changes. A null client gives E_POINTER, an object that is not an
// _ISubclass E_NOINTERFACE.
void AttachWindowMessage(IUnknown* client, HWND hwnd, UINT msg);
// Never raises for pairs that are not attached or windows that are gone.
void DetachWindowMessage(IUnknown* client, HWND hwnd, UINT msg);
LRESULT CALLBACK SubclassWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Calls the previous procedure of the window being dispatched on this
// thread (whatever hwnd says); 0 when no message is being dispatched.
LRESULT CallPreviousWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LONG GetCurrentMessage();
bool IsOwnProcessWindow(HWND hwnd);

}  // namespace vorne::subclass
