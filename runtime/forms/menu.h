#pragma once
// Menus of a form: menu items with a caption ("&" marks the access key, "-"
// is a separator), enabled, checked and visible states and a Click event;
// the form's menu bar; and popup menus shown at the mouse. A top-level item
// without sub items is a command on the bar itself; an item that is not
// visible stays off the bar but can still be shown as a popup menu.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/forms/forms.h"

namespace vorne::forms {

class MenuItem {
public:
    explicit MenuItem(std::string name, std::string caption = {});
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string text) { caption_ = std::move(text); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    bool Checked() const { return checked_; }
    void SetChecked(bool on) { checked_ = on; }
    bool Visible() const { return visible_; }
    void SetVisible(bool on) { visible_ = on; }

    // Appends a sub item; the menu does not own it.
    void Add(MenuItem& child) { items_.push_back(&child); }
    const std::vector<MenuItem*>& Items() const { return items_; }

    // The command id the item's window messages carry.
    UINT Id() const { return id_; }
    // A new popup menu of the visible sub items (the caller destroys it).
    HMENU BuildPopup() const;

    std::function<void()> OnClick;

private:
    std::string name_, caption_;
    bool enabled_ = true, checked_ = false, visible_ = true;
    std::vector<MenuItem*> items_;
    UINT id_;
};

// The menu bar of a form: put on the window when the form loads. Changes
// to the items show after Refresh.
class MenuBar : public FormControl {
public:
    explicit MenuBar(Form& form, std::string name = "MenuBar");
    ~MenuBar() override;

    void Add(MenuItem& top) { items_.push_back(&top); }
    void Refresh();

    bool Windowless() const override { return false; }
    bool HitTestable() const override { return false; }
    void Attach(HWND form_window) override;
    void Detach() override;

private:
    HMENU Build() const;
    std::vector<MenuItem*> items_;
    HWND window_ = nullptr;
    HMENU menu_ = nullptr;
};

// Shows the visible sub items of menu as a popup menu at the mouse and runs
// the Click of the item chosen; false when none was chosen.
bool PopupMenu(Form& form, const MenuItem& menu);

}  // namespace vorne::forms
