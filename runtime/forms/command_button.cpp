#include "runtime/forms/command_button.h"

namespace vorne::forms {

CommandButton::CommandButton(Form& form, std::string name, int index)
    : WindowedControl(form, std::move(name), index) {
    if (form.Loaded()) Attach(form.hWnd());
}

void CommandButton::SetCaption(std::string text) {
    caption_ = std::move(text);
    if (hwnd_) SetWindowTextA(hwnd_, caption_.c_str());
}

void CommandButton::SetValue(bool pressed) {
    if (pressed && OnClick) OnClick();
}

void CommandButton::Attach(HWND form_window) { Create(form_window, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE, 0, caption_); }

void CommandButton::Notify(int code) {
    if (code == BN_CLICKED && OnClick) {
        auto click = OnClick;  // the handler may remove the button
        click();
    }
}

}  // namespace vorne::forms
