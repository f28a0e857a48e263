#pragma once
// What every windowed control of a form shares: a system child window that
// follows the control's place, visibility and enabled state, sits in the
// form's order, carries the dialog font, and hands its notifications and
// messages to the control.
#include <windows.h>

#include <string>

#include "runtime/forms/forms.h"

namespace vorne::forms {

class WindowedControl : public FormControl {
public:
    using FormControl::FormControl;
    ~WindowedControl() override;
    bool Windowless() const override { return false; }
    void Detach() override;
    void Restack(HWND below) override;
    HWND Window() const override { return hwnd_; }

protected:
    void Changed(const Rect& old_bounds) override;
    // Creates the window of class cls with the style bits; the font, the
    // enabled state and the subclass follow.
    void Create(HWND form_window, const char* cls, DWORD style, DWORD ex_style, const std::string& text);
    // A notification from the window (the code of WM_COMMAND).
    virtual void Notify(int code) {}
    // A message to the window before its own handling; true when handled,
    // with the result in result. Default() is the window's own handling.
    virtual bool Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) { return false; }
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);
    // Called before the window goes, to keep what it holds.
    virtual void ReadBack() {}
    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
};

}  // namespace vorne::forms
