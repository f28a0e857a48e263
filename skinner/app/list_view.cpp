#include "skinner/app/list_view.h"

#include <commctrl.h>

namespace vorne::skinner {

void ObjectListView::Create(HWND parent, int id, const RECT& r, const std::vector<std::string>& headers) {
    hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, r.left, r.top,
                            r.right - r.left, r.bottom - r.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return;
    SendMessageA(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    for (size_t i = 0; i < headers.size(); ++i) {
        LVCOLUMNA c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        c.cx = i == 0 ? 100 : 86;
        c.pszText = const_cast<char*>(headers[i].c_str());
        c.iSubItem = static_cast<int>(i);
        SendMessageA(hwnd_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&c));
    }
}

void ObjectListView::SetRows(const std::vector<std::vector<std::string>>& rows) {
    SendMessageA(hwnd_, LVM_DELETEALLITEMS, 0, 0);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            LVITEMA it{};
            it.mask = LVIF_TEXT;
            it.iItem = static_cast<int>(r);
            it.iSubItem = static_cast<int>(c);
            it.pszText = const_cast<char*>(rows[r][c].c_str());
            SendMessageA(hwnd_, c == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, c == 0 ? 0 : r,
                         reinterpret_cast<LPARAM>(&it));
        }
    }
}

int ObjectListView::Count() const { return static_cast<int>(SendMessageA(hwnd_, LVM_GETITEMCOUNT, 0, 0)); }

std::string ObjectListView::Text(int row, int column) const {
    char buf[1024] = {};
    LVITEMA it{};
    it.iSubItem = column;
    it.pszText = buf;
    it.cchTextMax = sizeof buf;
    SendMessageA(hwnd_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&it));
    return buf;
}

std::string ObjectListView::Header(int column) const {
    char buf[256] = {};
    LVCOLUMNA c{};
    c.mask = LVCF_TEXT;
    c.pszText = buf;
    c.cchTextMax = sizeof buf;
    SendMessageA(hwnd_, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
    return buf;
}

int ObjectListView::Columns() const {
    HWND header = reinterpret_cast<HWND>(SendMessageA(hwnd_, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

bool ObjectListView::Selected(int row) const {
    return (SendMessageA(hwnd_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void ObjectListView::SetSelected(int row, bool on) {
    LVITEMA it{};
    it.stateMask = LVIS_SELECTED;
    it.state = on ? LVIS_SELECTED : 0;
    SendMessageA(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&it));
}

}  // namespace vorne::skinner
