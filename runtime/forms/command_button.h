#pragma once
// A command button on a form: a system push button child window with a
// caption (blanks kept, "&" marks the access key, long captions wrap) and
// a Click event. Clicking it with the mouse or the keyboard, or setting
// Value, runs Click.
#include <windows.h>

#include <string>

#include "runtime/forms/forms.h"

namespace vorne::forms {

class CommandButton : public FormControl {
public:
    CommandButton(Form& form, std::string name, int index = -1);
    ~CommandButton() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string text);
    // Runs Click, as a press of the button does.
    void SetValue(bool pressed);

    bool Windowless() const override { return false; }
    void Attach(HWND form_window) override;
    void Detach() override;
    void Restack(HWND below) override;
    HWND Window() const override { return hwnd_; }

protected:
    void Changed(const Rect& old_bounds) override;

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    HWND hwnd_ = nullptr;
    std::string caption_;
};

}  // namespace vorne::forms
