// Message-only windows: how an in-process control posts work and events to
// its own thread's message loop, so nothing is raised inside the call that
// started it.
#pragma once

#include <windows.h>

namespace vorne::com {

// A message-only window of class cls (registered with proc the first time)
// that carries owner as its user data. Null when it cannot be made.
HWND CreateMessageWindow(const wchar_t* cls, WNDPROC proc, void* owner);

// The owner a message window was made for (null for other windows).
template <class T>
T* MessageWindowOwner(HWND w) {
    return reinterpret_cast<T*>(GetWindowLongPtrW(w, GWLP_USERDATA));
}

}  // namespace vorne::com
