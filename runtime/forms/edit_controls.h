#pragma once
// Windowed editing controls of a form: a text box (single or multi-line,
// read-only on request, with a length limit that also cuts text set by
// code), a drop-down list without free text (optionally kept sorted), and a
// check box with a caption. As with the hidden state controls, their
// handlers run when code sets them as when the user does: a text box's
// Change when its text changes, a list's Click when its selection is set,
// a check box's Click when its value changes. Their state lives in the
// control, so it survives while the form is not loaded.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/forms/windowed_control.h"

namespace vorne::forms {

class TextEdit : public WindowedControl {
public:
    TextEdit(Form& form, std::string name, int index = -1);

    std::string Text() const;
    // Cut to MaxLength when one is set; Change runs when the text differs.
    void SetText(std::string text);
    // 0: no limit. Applies to typing and to text set by code.
    int MaxLength() const { return max_length_; }
    void SetMaxLength(int n);
    // Set before the form's window comes.
    void SetMultiLine(bool on) { multi_line_ = on; }
    bool Locked() const { return locked_; }
    void SetLocked(bool on);
    // Puts the caret at the end of the text and scrolls it into view.
    void SelectEnd();

    std::function<void()> OnChange;

    void Attach(HWND form_window) override;

protected:
    void Notify(int code) override;
    void ReadBack() override;

private:
    std::string text_;
    int max_length_ = 0;
    bool multi_line_ = false, locked_ = false, setting_ = false;
};

class DropDownList : public WindowedControl {
public:
    DropDownList(Form& form, std::string name, int index = -1);

    // With Sorted an entry goes to its place by text, letter case ignored.
    void SetSorted(bool on) { sorted_ = on; }
    void AddItem(std::string text);
    void Clear();  // no entries, ListIndex -1; Click does not run
    int ListCount() const { return static_cast<int>(items_.size()); }
    std::string List(int i) const;  // "" outside the list
    int ListIndex() const { return index_; }
    // -1 .. ListCount()-1, else InvalidPropertyValue. Click runs.
    void SetListIndex(int i);
    std::string Text() const { return List(index_); }
    // Selects the first entry equal to text exactly and runs Click; false
    // (nothing changed) when none is.
    bool SetText(const std::string& text);

    std::function<void()> OnClick;

    void Attach(HWND form_window) override;

protected:
    void Notify(int code) override;

private:
    void Fill();
    std::vector<std::string> items_;
    int index_ = -1;
    bool sorted_ = false;
};

class CheckButton : public WindowedControl {
public:
    CheckButton(Form& form, std::string name, int index = -1);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string text);
    int GetValue() const { return value_; }
    // 0 or 1; anything else throws InvalidPropertyValue. Click runs when
    // the value changes.
    void SetValue(int v);
    bool Checked() const { return value_ == 1; }

    std::function<void()> OnClick;

    void Attach(HWND form_window) override;

protected:
    void Notify(int code) override;

private:
    std::string caption_;
    int value_ = 0;
};

// The pointer shown over the program's windows: the hourglass while busy.
// A form keeps it over itself and its controls by answering WM_SETCURSOR
// with BusyPointerMessage from its Form_Message.
void SetBusyPointer(bool busy);
bool BusyPointer();
LRESULT BusyPointerMessage(UINT msg, bool& handled);
// Shows the form and runs the program's messages for ms milliseconds, or
// until the form unloads (a look at a window from a test or a demo).
void ShowFor(Form& form, unsigned ms);
// Sizes a form so that its inner area is w by h pixels, keeping its place.
void SetClientSize(Form& form, int w, int h);

}  // namespace vorne::forms
