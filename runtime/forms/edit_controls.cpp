#include "runtime/forms/edit_controls.h"

#include <algorithm>

#include "runtime/forms/child_windows.h"
#include "runtime/forms/commands.h"
#include "runtime/forms/folder_listing.h"

namespace vorne::forms {

// ------------------------------------------------------------ text box

TextEdit::TextEdit(Form& form, std::string name, int index) : WindowedControl(form, std::move(name), index) {
    if (form.Loaded()) Attach(form.hWnd());
}

std::string TextEdit::Text() const { return hwnd_ ? WindowText(hwnd_) : text_; }

void TextEdit::SetText(std::string text) {
    if (max_length_ > 0 && text.size() > static_cast<size_t>(max_length_)) {
        // Whole characters only: a double-byte one is not cut in two.
        size_t at = 0;
        while (at < text.size()) {
            const size_t len = IsDBCSLeadByte(static_cast<BYTE>(text[at])) && at + 1 < text.size() ? 2 : 1;
            if (at + len > static_cast<size_t>(max_length_)) break;
            at += len;
        }
        text.resize(at);
    }
    const bool differs = text != Text();
    text_ = std::move(text);
    if (hwnd_) {
        setting_ = true;
        SetWindowTextA(hwnd_, text_.c_str());
        setting_ = false;
    }
    if (differs && OnChange) OnChange();
}

void TextEdit::SetMaxLength(int n) {
    max_length_ = n < 0 ? 0 : n;
    if (hwnd_) SendMessageA(hwnd_, EM_SETLIMITTEXT, static_cast<WPARAM>(max_length_), 0);
    if (max_length_ > 0 && Text().size() > static_cast<size_t>(max_length_)) SetText(Text());
}

void TextEdit::SetLocked(bool on) {
    locked_ = on;
    if (hwnd_) SendMessageA(hwnd_, EM_SETREADONLY, on ? TRUE : FALSE, 0);
}

void TextEdit::SelectEnd() {
    if (!hwnd_) return;
    const WPARAM n = static_cast<WPARAM>(GetWindowTextLengthA(hwnd_));
    SendMessageA(hwnd_, EM_SETSEL, n, static_cast<LPARAM>(n));
    SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
}

void TextEdit::Attach(HWND form_window) {
    DWORD style = ES_AUTOHSCROLL | (locked_ ? ES_READONLY : 0);
    if (multi_line_) style = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | (locked_ ? ES_READONLY : 0);
    Create(form_window, "EDIT", style, WS_EX_CLIENTEDGE, text_);
    if (hwnd_ && max_length_ > 0) SendMessageA(hwnd_, EM_SETLIMITTEXT, static_cast<WPARAM>(max_length_), 0);
}

void TextEdit::Notify(int code) {
    if (code != EN_CHANGE || setting_) return;
    text_ = WindowText(hwnd_);
    if (OnChange) OnChange();
}

void TextEdit::ReadBack() { text_ = WindowText(hwnd_); }

// ------------------------------------------------------------ drop-down list

DropDownList::DropDownList(Form& form, std::string name, int index) : WindowedControl(form, std::move(name), index) {
    if (form.Loaded()) Attach(form.hWnd());
}

void DropDownList::AddItem(std::string text) {
    size_t at = items_.size();
    if (sorted_) at = static_cast<size_t>(std::upper_bound(items_.begin(), items_.end(), text,
                                                               [](const std::string& a, const std::string& b) { return LessNoCase(a, b); }) - items_.begin());
    if (index_ >= static_cast<int>(at)) ++index_;
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(text));
    if (hwnd_)
        SendMessageA(hwnd_, CB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(items_[at].c_str()));
}

void DropDownList::Clear() {
    items_.clear();
    index_ = -1;
    if (hwnd_) SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
}

std::string DropDownList::List(int i) const {
    return i >= 0 && i < ListCount() ? items_[static_cast<size_t>(i)] : std::string();
}

void DropDownList::SetListIndex(int i) {
    if (i < -1 || i >= ListCount()) throw InvalidPropertyValue();
    index_ = i;
    if (hwnd_) SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    if (OnClick) OnClick();
}

bool DropDownList::SetText(const std::string& text) {
    for (int i = 0; i < ListCount(); ++i)
        if (items_[static_cast<size_t>(i)] == text) {
            SetListIndex(i);
            return true;
        }
    return false;
}

void DropDownList::Fill() {
    if (!hwnd_) return;
    SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const std::string& s : items_) SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index_), 0);
}

void DropDownList::Attach(HWND form_window) {
    // The height of a drop-down's window includes its open list.
    Create(form_window, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, "");
    if (!hwnd_) return;
    SetWindowPos(hwnd_, nullptr, Left(), Top(), Width(), Height() + 240, SWP_NOZORDER | SWP_NOACTIVATE);
    Fill();
}

void DropDownList::Notify(int code) {
    if (code != CBN_SELCHANGE) return;
    const LRESULT i = SendMessageA(hwnd_, CB_GETCURSEL, 0, 0);
    index_ = i == CB_ERR ? -1 : static_cast<int>(i);
    if (OnClick) OnClick();
}

// ------------------------------------------------------------ check box

CheckButton::CheckButton(Form& form, std::string name, int index) : WindowedControl(form, std::move(name), index) {
    if (form.Loaded()) Attach(form.hWnd());
}

void CheckButton::SetCaption(std::string text) {
    caption_ = std::move(text);
    if (hwnd_) SetWindowTextA(hwnd_, caption_.c_str());
}

void CheckButton::SetValue(int v) {
    if (v != 0 && v != 1) throw InvalidPropertyValue();
    const bool changed = v != value_;
    value_ = v;
    if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    if (changed && OnClick) OnClick();
}

void CheckButton::Attach(HWND form_window) {
    Create(form_window, "BUTTON", BS_AUTOCHECKBOX, 0, caption_);
    if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckButton::Notify(int code) {
    if (code != BN_CLICKED) return;
    const int v = SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    if (v == value_) return;
    value_ = v;
    if (OnClick) OnClick();
}

// ------------------------------------------------------------ pointer

namespace {
bool g_busy = false;
}  // namespace

void SetBusyPointer(bool busy) {
    g_busy = busy;
    SetCursor(LoadCursorA(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

bool BusyPointer() { return g_busy; }

LRESULT BusyPointerMessage(UINT msg, bool& handled) {
    if (msg != WM_SETCURSOR || !g_busy) return 0;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    handled = true;
    return TRUE;
}

void ShowFor(Form& form, unsigned ms) {
    form.Show();
    const ULONGLONG until = GetTickCount64() + ms;
    while (GetTickCount64() < until && form.Loaded()) {
        DoEvents();
        Sleep(10);
    }
}

void SetClientSize(Form& form, int w, int h) {
    HWND hw = form.hWnd();
    RECT r{0, 0, w, h};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(hw, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(hw, GWL_EXSTYLE)));
    const TwipsScale& s = ScreenScale();
    form.Move(form.Left(), form.Top(), s.ToTwipsX(r.right - r.left), s.ToTwipsY(r.bottom - r.top));
}

}  // namespace vorne::forms
