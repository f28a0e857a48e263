// The two windowed controls the wave output dialog needs beyond the forms
// kit's: an option button (one of a group, the first of each group marked
// when it is made) and a frame that heads a group of controls.
#pragma once

#include <functional>
#include <string>

#include "runtime/forms/edit_controls.h"

namespace vorne::player::output {

class OptionButton : public forms::WindowedControl {
 public:
  OptionButton(forms::Form& form, std::string name, bool firstOfGroup);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string text);
  bool Value() const;
  // Selecting one clears the others of its group (those made after it up
  // to the next first of a group) and runs Click.
  void SetValue(bool on);

  std::function<void()> OnClick;

  void Attach(HWND formWindow) override;

 protected:
  void Notify(int code) override;
  void ReadBack() override;

 private:
  std::string caption_;
  bool first_;
  bool value_ = false;
};

// Painted by the form under the controls it heads: an etched rectangle
// with the caption in its top edge.
class GroupFrame : public forms::FormControl {
 public:
  using FormControl::FormControl;
  void SetCaption(std::string text);
  bool HitTestable() const override { return false; }
  void Paint(HDC dc) override;

 private:
  std::string caption_;
};

// The brush and text colours a form gives its option buttons (the
// WM_CTLCOLORSTATIC / WM_CTLCOLORBTN answer), in the form's back colour.
LRESULT OptionButtonColours(HDC dc, COLORREF back);

}  // namespace vorne::player::output
