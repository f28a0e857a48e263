#include "runtime/forms/state_controls.h"

#include "runtime/basic/basic.h"

namespace vorne::forms {

void CheckBox::SetValue(int v) {
    if (v < kUnchecked || v > kGrayed) throw InvalidPropertyValue();
    if (v == value_) return;
    value_ = v;
    if (OnClick) OnClick();
}

void ComboBox::AddItem(std::string text) { items_.push_back(std::move(text)); }

void ComboBox::Clear() {
    items_.clear();
    index_ = -1;
}

std::string ComboBox::List(int i) const {
    if (i < 0 || i >= ListCount()) return {};
    return items_[static_cast<size_t>(i)];
}

void ComboBox::SetListIndex(int i) {
    if (i < -1 || i >= ListCount()) throw InvalidPropertyValue();
    index_ = i;
    if (OnClick) OnClick();
}

bool ComboBox::SetText(const std::string& text) {
    const std::string wanted = vorne::basic::LCase(text);
    for (int i = 0; i < ListCount(); ++i) {
        if (vorne::basic::LCase(items_[static_cast<size_t>(i)]) == wanted) {
            SetListIndex(i);
            return true;
        }
    }
    return false;
}

void TextBox::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    if (OnChange) OnChange();
}

}  // namespace vorne::forms
