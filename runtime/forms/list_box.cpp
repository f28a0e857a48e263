#include "runtime/forms/list_box.h"

#include <commctrl.h>

namespace vorne::forms {

ListBox::ListBox(Form& form, std::string name, int index) : WindowedControl(form, std::move(name), index) {
    if (form.Loaded()) Attach(form.hWnd());
}

ListBox::~ListBox() { Detach(); }

void ListBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    selected_.assign(items_.size(), false);
    index_ = -1;
    Fill();
}

int ListBox::ListIndex() const {
    if (hwnd_) {
        LRESULT caret = SendMessageA(hwnd_, LB_GETCARETINDEX, 0, 0);
        if (caret == LB_ERR || caret >= ListCount()) return -1;
        // The caret sits on entry 0 of a list nobody has touched; it names
        // the list index only once something is selected or set.
        return index_ == -1 && SendMessageA(hwnd_, LB_GETSELCOUNT, 0, 0) == 0 ? -1 : static_cast<int>(caret);
    }
    return index_;
}

void ListBox::SetListIndex(int i) {
    if (i < -1 || i >= ListCount()) throw InvalidPropertyValue();
    index_ = i;
    if (hwnd_ && i >= 0) SendMessageA(hwnd_, LB_SETCARETINDEX, static_cast<WPARAM>(i), FALSE);
}

bool ListBox::Selected(int i) const {
    if (i < 0 || i >= ListCount()) throw InvalidPropertyValue();
    if (hwnd_) return SendMessageA(hwnd_, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0;
    return selected_[static_cast<size_t>(i)];
}

void ListBox::SetSelected(int i, bool on) {
    if (i < 0 || i >= ListCount()) throw InvalidPropertyValue();
    selected_[static_cast<size_t>(i)] = on;
    if (hwnd_) SendMessageA(hwnd_, LB_SETSEL, on ? TRUE : FALSE, static_cast<LPARAM>(i));
}

std::vector<bool> ListBox::Selection() const {
    std::vector<bool> s(items_.size(), false);
    for (int i = 0; i < ListCount(); ++i) s[static_cast<size_t>(i)] = Selected(i);
    return s;
}

void ListBox::SetSelection(const std::vector<bool>& selected) {
    for (int i = 0; i < ListCount(); ++i)
        SetSelected(i, static_cast<size_t>(i) < selected.size() && selected[static_cast<size_t>(i)]);
}

void ListBox::Fill() {
    if (!hwnd_) return;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    for (const std::string& s : items_) SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    for (size_t i = 0; i < selected_.size(); ++i)
        if (selected_[i]) SendMessageA(hwnd_, LB_SETSEL, TRUE, static_cast<LPARAM>(i));
    if (index_ >= 0) SendMessageA(hwnd_, LB_SETCARETINDEX, static_cast<WPARAM>(index_), FALSE);
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListBox::ReadBack() {
    if (!hwnd_) return;
    for (int i = 0; i < ListCount(); ++i)
        selected_[static_cast<size_t>(i)] = SendMessageA(hwnd_, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0;
    index_ = ListIndex();
}

void ListBox::Attach(HWND form_window) {
    if (hwnd_) return;
    Create(form_window, "LISTBOX",
           WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, "");
    if (hwnd_) Fill();
}

bool ListBox::Message(UINT m, WPARAM w, LPARAM l, LRESULT& result) {
    switch (m) {
    case WM_LBUTTONDBLCLK:
        result = Default(m, w, l);
        if (OnDblClickItem) OnDblClickItem();
        return true;
    case WM_RBUTTONDOWN:
        if (OnMouseDown) {
            MouseEvent e;
            e.button = vbRightButton;
            if (w & MK_SHIFT) e.shift |= vbShiftMask;
            if (w & MK_CONTROL) e.shift |= vbCtrlMask;
            e.x = static_cast<float>(static_cast<short>(LOWORD(l))) * TwipsPerPixelX();
            e.y = static_cast<float>(static_cast<short>(HIWORD(l))) * TwipsPerPixelY();
            OnMouseDown(e);
            result = 0;
            return true;
        }
        return false;
    case WM_KEYDOWN:
        if (OnKeyDown) {
            int key = static_cast<int>(w), shift = 0;
            if (GetKeyState(VK_SHIFT) < 0) shift |= vbShiftMask;
            if (GetKeyState(VK_CONTROL) < 0) shift |= vbCtrlMask;
            if (GetKeyState(VK_MENU) < 0) shift |= vbAltMask;
            OnKeyDown(key, shift);
            if (key == 0) {  // dropped by the handler
                result = 0;
                return true;
            }
        }
        return false;
    default:
        return false;
    }
}

}  // namespace vorne::forms
