#include "runtime/forms/control.h"

#include <algorithm>

namespace vorne::forms {

void Control::Move(int left, int top, int width, int height) {
    const Rect old = rect_;
    rect_ = Rect{left, top, std::max(0, width), std::max(0, height)};
    if (old.left != rect_.left || old.top != rect_.top || old.width != rect_.width || old.height != rect_.height)
        Changed(old);
}

void Control::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed(rect_);
}

void Control::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed(rect_);
}

void ZOrder::Add(Control* c) {
    if (c && !Contains(c)) items_.push_back(c);
}

void ZOrder::Remove(Control* c) {
    items_.erase(std::remove(items_.begin(), items_.end(), c), items_.end());
}

bool ZOrder::Contains(const Control* c) const {
    return std::find(items_.begin(), items_.end(), c) != items_.end();
}

void ZOrder::BringToFront(Control* c) {
    auto it = std::find(items_.begin(), items_.end(), c);
    if (it == items_.end()) return;
    std::rotate(it, it + 1, items_.end());
}

void ZOrder::SendToBack(Control* c) {
    auto it = std::find(items_.begin(), items_.end(), c);
    if (it == items_.end()) return;
    std::rotate(items_.begin(), it, it + 1);
}

Control* ZOrder::HitTest(int x, int y) const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        Control* c = *it;
        if (c->Visible() && c->HitTestable() && c->Bounds().Contains(x, y)) return c;
    }
    return nullptr;
}

}  // namespace vorne::forms
