#pragma once
// The popup menu's items without any window: numbered from 1 in the order
// they are added, each with a caption, a parent (0 for the top level), an
// icon number in the menu's 16 x 16 image list (-1 for none), a tick, an
// enabled state and a key. A caption "-" is a separator, "-Text" a group
// heading; a tab in a caption parts the text from its shortcut text. Whole
// menus are kept by name and brought back by name.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vorne::popupmenu {

struct MenuItem {
    std::string caption;
    std::string helpText;
    long itemData = 0;
    int parent = 0;  // 0: the top level
    int icon = -1;   // -1: none
    bool checked = false;
    bool enabled = true;
    bool attribute = false;  // the second per-item flag; kept, not drawn
    std::string key;
};

enum class ItemKind { Command, Separator, Heading };
// "-" is a separator, "-Text" a heading, anything else an item.
ItemKind KindOf(std::string_view caption);
// The heading's text: the caption without its leading "-".
std::string HeadingText(std::string_view caption);

class MenuModel {
public:
    // Adds an item and returns its number (1, 2, ...). A parent that names
    // no earlier item puts the item on the top level.
    int AddItem(std::string caption, std::string helpText, long itemData, int parent, int icon, bool checked,
                bool enabled, std::string key);
    int Count() const { return static_cast<int>(items_.size()); }
    bool Valid(int number) const { return number >= 1 && number <= Count(); }
    // The item with this number; an empty item for any other number.
    const MenuItem& Item(int number) const;

    // Each of these does nothing for a number that names no item.
    void SetChecked(int number, bool on);
    void SetEnabled(int number, bool on);
    void SetAttribute(int number, bool on);
    bool Checked(int number) const { return Item(number).checked; }
    // The key the item was added with; "" for no item.
    std::string ItemKey(int number) const { return Item(number).key; }

    // The numbers of parent's items, in order (0: the top level).
    std::vector<int> Children(int parent) const;
    bool HasChildren(int number) const;

    void Clear() { items_.clear(); }
    // Keeps a copy of the whole menu under name (letter case counts).
    void Store(const std::string& name);
    // Puts the menu kept under name in force; false (menu unchanged) when
    // nothing is kept under it.
    bool Restore(const std::string& name);

private:
    std::vector<MenuItem> items_;
    std::map<std::string, std::vector<MenuItem>> stored_;
};

}  // namespace vorne::popupmenu
