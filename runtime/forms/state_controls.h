#pragma once
// Controls that a form keeps hidden and uses as state: a check box, a
// drop-down list and a text box. Their handlers run when code sets them, as
// when the user does: a check box's Click when its value changes, a list's
// Click every time its selection is set (also to the same entry, and also
// from inside its own Click), a text box's Change when its text changes.
// They have no window; a form may show them only as state. Window-free.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/forms/control.h"

namespace vorne::forms {

// A property set to a value it cannot take (run-time error 380, "Invalid
// property value"); the control is left as it was.
class InvalidPropertyValue : public std::invalid_argument {
public:
    InvalidPropertyValue() : std::invalid_argument("Invalid property value") {}
    static constexpr int kNumber = 380;
};

class StateControl : public Control {
public:
    using Control::Control;
    bool HitTestable() const override { return false; }
};

class CheckBox : public StateControl {
public:
    enum Value : int { kUnchecked = 0, kChecked = 1, kGrayed = 2 };
    using StateControl::StateControl;

    int GetValue() const { return value_; }
    // 0, 1 or 2; anything else throws InvalidPropertyValue. Click runs when
    // the value changes.
    void SetValue(int v);
    bool Checked() const { return value_ == kChecked; }

    std::function<void()> OnClick;

private:
    int value_ = kUnchecked;
};

class ComboBox : public StateControl {
public:
    using StateControl::StateControl;

    void AddItem(std::string text);
    void Clear();  // no entries, ListIndex -1; Click does not run
    int ListCount() const { return static_cast<int>(items_.size()); }
    // The entry at i ("" outside the list).
    std::string List(int i) const;

    int ListIndex() const { return index_; }
    // -1 .. ListCount()-1, else InvalidPropertyValue. Click runs.
    void SetListIndex(int i);
    // The selected entry's text, "" when none.
    std::string Text() const { return List(index_); }
    // Selects the first entry equal to text, letter case ignored, and runs
    // Click; false (nothing changed, no Click) when no entry matches.
    bool SetText(const std::string& text);

    std::function<void()> OnClick;

private:
    std::vector<std::string> items_;
    int index_ = -1;
};

class TextBox : public StateControl {
public:
    using StateControl::StateControl;

    const std::string& Text() const { return text_; }
    // Change runs when the text differs from the one before.
    void SetText(std::string text);

    std::function<void()> OnChange;

private:
    std::string text_;
};

}  // namespace vorne::forms
