#include "player/output/option_controls.h"

namespace vorne::player::output {

OptionButton::OptionButton(forms::Form& form, std::string name, bool firstOfGroup)
    : WindowedControl(form, std::move(name)), first_(firstOfGroup) {}

void OptionButton::SetCaption(std::string text) {
  caption_ = std::move(text);
  if (hwnd_) SetWindowTextA(hwnd_, caption_.c_str());
}

bool OptionButton::Value() const {
  return hwnd_ ? SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED : value_;
}

void OptionButton::SetValue(bool on) {
  const bool was = Value();
  value_ = on;
  if (hwnd_) {
    if (on) {
      // The platform's automatic buttons clear the rest of the group only
      // on a click; code does it for a set.
      for (HWND h = hwnd_;;) {
        h = GetNextDlgGroupItem(GetParent(hwnd_), h, FALSE);
        if (!h || h == hwnd_) break;
        if ((GetWindowLongPtrA(h, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
          SendMessageA(h, BM_SETCHECK, BST_UNCHECKED, 0);
      }
    }
    SendMessageA(hwnd_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  if (on && !was && OnClick) OnClick();
}

void OptionButton::Attach(HWND formWindow) {
  Create(formWindow, "BUTTON", BS_AUTORADIOBUTTON | (first_ ? WS_GROUP : 0), 0, caption_);
  if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionButton::Notify(int code) {
  if (code == BN_CLICKED) {
    value_ = true;
    if (OnClick) OnClick();
  }
}

void OptionButton::ReadBack() { value_ = Value(); }

void GroupFrame::SetCaption(std::string text) {
  caption_ = std::move(text);
  Parent().InvalidateRect(Bounds());
}

void GroupFrame::Paint(HDC dc) {
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SIZE text{};
  GetTextExtentPoint32A(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text);
  RECT edge = {Left(), Top() + text.cy / 2, Left() + Width(), Top() + Height()};
  DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
  if (!caption_.empty()) {
    RECT label = {Left() + 8, Top(), Left() + 8 + text.cx + 4, Top() + text.cy};
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, Parent().BackColor());
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    ExtTextOutA(dc, label.left + 2, label.top, ETO_OPAQUE, &label, caption_.c_str(),
                static_cast<UINT>(caption_.size()), nullptr);
  }
  SelectObject(dc, oldFont);
}

LRESULT OptionButtonColours(HDC dc, COLORREF back) {
  static HBRUSH brush = nullptr;
  static COLORREF brushColour = CLR_INVALID;
  if (!brush || brushColour != back) {
    if (brush) DeleteObject(brush);
    brush = CreateSolidBrush(back);
    brushColour = back;
  }
  SetBkColor(dc, back);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  return reinterpret_cast<LRESULT>(brush);
}

}  // namespace vorne::player::output
