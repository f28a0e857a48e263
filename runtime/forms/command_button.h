#pragma once
// A command button on a form: a system push button child window with a
// caption (blanks kept, "&" marks the access key, long captions wrap) and
// a Click event. Clicking it with the mouse or the keyboard, or setting
// Value, runs Click.
#include <windows.h>

#include <string>

#include "runtime/forms/windowed_control.h"

namespace vorne::forms {

class CommandButton : public WindowedControl {
public:
    CommandButton(Form& form, std::string name, int index = -1);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string text);
    // Runs Click, as a press of the button does.
    void SetValue(bool pressed);

    void Attach(HWND form_window) override;

protected:
    void Notify(int code) override;

private:
    std::string caption_;
};

}  // namespace vorne::forms
