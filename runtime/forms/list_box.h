#pragma once
// A list box on a form: a system list box child window showing a list of
// texts, with several entries selectable (extended selection). The texts
// and the selection live in the control, so they survive while the form is
// not loaded and fill the window when it comes.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/forms/windowed_control.h"

namespace vorne::forms {

class ListBox : public WindowedControl {
public:
    ListBox(Form& form, std::string name, int index = -1);
    ~ListBox() override;

    // Replaces every entry; the selection is cleared.
    void SetItems(std::vector<std::string> items);
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int i) const { return items_.at(static_cast<size_t>(i)); }

    // -1 when none; setting outside -1 .. ListCount()-1 throws
    // InvalidPropertyValue.
    int ListIndex() const;
    void SetListIndex(int i);
    bool Selected(int i) const;
    void SetSelected(int i, bool on);
    // One flag per entry.
    std::vector<bool> Selection() const;
    void SetSelection(const std::vector<bool>& selected);

    std::function<void()> OnDblClickItem;
    std::function<void(int& key, int& shift)> OnKeyDown;

    void Attach(HWND form_window) override;

protected:
    bool Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void ReadBack() override;

private:
    void Fill();
    std::vector<std::string> items_;
    std::vector<bool> selected_;
    int index_ = -1;
};

}  // namespace vorne::forms
