#include "platform/popupmenu/menu_core.h"

namespace vorne::popupmenu {

ItemKind KindOf(std::string_view caption) {
    if (caption == "-") return ItemKind::Separator;
    if (!caption.empty() && caption.front() == '-') return ItemKind::Heading;
    return ItemKind::Command;
}

std::string HeadingText(std::string_view caption) {
    if (!caption.empty() && caption.front() == '-') caption.remove_prefix(1);
    return std::string(caption);
}

int MenuModel::AddItem(std::string caption, std::string helpText, long itemData, int parent, int icon,
                       bool checked, bool enabled, std::string key) {
    MenuItem item;
    item.caption = std::move(caption);
    item.helpText = std::move(helpText);
    item.itemData = itemData;
    item.parent = Valid(parent) ? parent : 0;
    item.icon = icon;
    item.checked = checked;
    item.enabled = enabled;
    item.key = std::move(key);
    items_.push_back(std::move(item));
    return Count();
}

const MenuItem& MenuModel::Item(int number) const {
    static const MenuItem none;
    return Valid(number) ? items_[static_cast<size_t>(number - 1)] : none;
}

void MenuModel::SetChecked(int number, bool on) {
    if (Valid(number)) items_[static_cast<size_t>(number - 1)].checked = on;
}

void MenuModel::SetEnabled(int number, bool on) {
    if (Valid(number)) items_[static_cast<size_t>(number - 1)].enabled = on;
}

void MenuModel::SetAttribute(int number, bool on) {
    if (Valid(number)) items_[static_cast<size_t>(number - 1)].attribute = on;
}

std::vector<int> MenuModel::Children(int parent) const {
    std::vector<int> out;
    for (int n = 1; n <= Count(); ++n)
        if (items_[static_cast<size_t>(n - 1)].parent == parent) out.push_back(n);
    return out;
}

bool MenuModel::HasChildren(int number) const {
    if (!Valid(number)) return false;
    for (const MenuItem& item : items_)
        if (item.parent == number) return true;
    return false;
}

void MenuModel::Store(const std::string& name) { stored_[name] = items_; }

bool MenuModel::Restore(const std::string& name) {
    auto it = stored_.find(name);
    if (it == stored_.end()) return false;
    items_ = it->second;
    return true;
}

}  // namespace vorne::popupmenu
