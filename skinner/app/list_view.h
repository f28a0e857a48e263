// The object list LV: a report-style system list view with the editor's
// seven columns, several rows selectable at once, rows addressed by
// position.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vorne::skinner {

class ObjectListView {
public:
    // Creates the list as a child of parent with its column headers.
    void Create(HWND parent, int id, const RECT& r, const std::vector<std::string>& headers);
    HWND Window() const { return hwnd_; }

    // Replaces every row: texts[0] the item text, then the sub-items.
    void SetRows(const std::vector<std::vector<std::string>>& rows);
    int Count() const;
    std::string Text(int row, int column) const;
    std::string Header(int column) const;
    int Columns() const;
    bool Selected(int row) const;
    void SetSelected(int row, bool on);
    void SetEnabled(bool on) { EnableWindow(hwnd_, on ? TRUE : FALSE); }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace vorne::skinner
