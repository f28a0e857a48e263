#pragma once
// A tab strip on a form: the system tab control with a row of captions and
// a Click event when the user picks another tab. Tabs are numbered from 1.
// The control cannot hear its own notifications; the form hands WM_NOTIFY
// on to Notify.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/forms/windowed_control.h"

namespace vorne::forms {

class TabStrip : public WindowedControl {
public:
    TabStrip(Form& form, std::string name, int index = -1);

    void SetTabs(std::vector<std::string> captions);
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    const std::string& TabCaption(int i) const { return tabs_.at(static_cast<size_t>(i - 1)); }
    // The selected tab, 1..TabCount(); setting it runs Click when it changes.
    int SelectedTab() const { return selected_; }
    void SetSelectedTab(int i);
    // The area under the tabs, pixels in the form's client area.
    Rect PageArea() const;

    std::function<void()> OnTabClick;

    // A WM_NOTIFY that reached the form; true when it was this control's.
    bool FormNotify(LPARAM lp);

    void Attach(HWND form_window) override;

private:
    std::vector<std::string> tabs_;
    int selected_ = 1;
};

}  // namespace vorne::forms
