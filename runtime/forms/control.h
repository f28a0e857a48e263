#pragma once
// What every control of a form has, windowed or not: a name, an index in its
// control array, a place and size in the form's pixels, visibility and
// enabled state. Windowless controls (labels, images) are painted by their
// form and found by its hit test; controls with a window of their own
// (picture boxes, hosted components) move their window when the place
// changes. A form keeps all of them in one z-ordered list. Window-free.
#include <string>
#include <vector>

namespace vorne::forms {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool Contains(int x, int y) const {
        return x >= left && y >= top && x < left + width && y < top + height;
    }
};

class Control {
public:
    explicit Control(std::string name = {}, int index = -1) : name_(std::move(name)), index_(index) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    // Element number in its control array, -1 for a control outside one.
    int Index() const { return index_; }
    void SetIndex(int index) { index_ = index; }

    int Left() const { return rect_.left; }
    int Top() const { return rect_.top; }
    int Width() const { return rect_.width; }
    int Height() const { return rect_.height; }
    const Rect& Bounds() const { return rect_; }
    // Negative sizes are taken as 0.
    void Move(int left, int top, int width, int height);
    void Move(int left, int top) { Move(left, top, rect_.width, rect_.height); }
    void SetLeft(int v) { Move(v, rect_.top); }
    void SetTop(int v) { Move(rect_.left, v); }
    void SetWidth(int v) { Move(rect_.left, rect_.top, v, rect_.height); }
    void SetHeight(int v) { Move(rect_.left, rect_.top, rect_.width, v); }

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    // Painted by the form (true) or owning a window (false).
    virtual bool Windowless() const { return true; }
    // Takes part in the form's hit test: windowless, visible and not a
    // pure state holder.
    virtual bool HitTestable() const { return Windowless(); }

protected:
    // Place, size, visibility or enabled state changed; the control's
    // window or its form's painting follows.
    virtual void Changed(const Rect& old_bounds) {}

private:
    std::string name_;
    int index_;
    Rect rect_;
    bool visible_ = true;
    bool enabled_ = true;
};

// The controls of one form, bottom first. A control added later lies on top
// of the ones before it; BringToFront and SendToBack move it to either end.
// The list does not own its controls.
class ZOrder {
public:
    void Add(Control* c);  // on top; a control already listed is left where it is
    void Remove(Control* c);
    bool Contains(const Control* c) const;
    void BringToFront(Control* c);
    void SendToBack(Control* c);
    // The topmost visible, hit-testable control under (x, y), or nullptr.
    Control* HitTest(int x, int y) const;
    // Bottom first: the painting order.
    const std::vector<Control*>& BottomToTop() const { return items_; }
    size_t Size() const { return items_.size(); }
    void Clear() { items_.clear(); }

private:
    std::vector<Control*> items_;
};

}  // namespace vorne::forms
