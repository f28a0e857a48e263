#pragma once
// How a form hands on WM_COMMAND: a notification from a child control goes
// back to that control as kReflectedCommand (same wParam and lParam), and a
// menu command to the menu item with that id. And how every window of the
// forms layer runs the handlers a message reaches.
#include <windows.h>

#include <exception>

namespace vorne::forms {

inline constexpr UINT kReflectedCommand = WM_APP + 0x3C11;

// Runs the click of the menu item with this command id; false when no
// item has it.
bool DispatchMenuCommand(UINT id);

// Tells the user that a command failed with this exception, in a box like
// that of a picture that does not load (the program's title, an
// exclamation mark).
void ShowFailedCommand(std::exception_ptr failure) noexcept;

// Runs what a window of the forms layer does with one message: the click,
// mouse, key and timer handlers it reaches. No exception may leave a window
// procedure (the system's caller cannot pass it on, and the program would
// end), so one that a handler lets out ends here: it is shown as a failed
// command and the message counts as handled.
template <class F>
LRESULT RunHandlers(F&& handle) noexcept {
    try {
        return handle();
    } catch (...) {
        ShowFailedCommand(std::current_exception());
        return 0;
    }
}

}  // namespace vorne::forms
