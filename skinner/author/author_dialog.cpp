#include "skinner/author/author_dialog.h"

#include "runtime/forms/child_windows.h"

namespace vorne::skinner::author {

namespace {

constexpr int kSaveId = 100;
constexpr int kBoxId = 200;  // + entry

// Box layout in pixels: the boxes stand in this entry order from the top.
constexpr int kOrder[kAuthorEntries] = {kAuthorName, kAuthorEmail, kAuthorHomePage, kAuthorDescription};
const char* const kLabels[kAuthorEntries] = {"Author Name:", "Description:", "Author E-mail:", "Home Page:"};
constexpr int kBoxX = 112, kBoxW = 280, kLineH = 22, kGap = 8, kDescH = 96, kMargin = 12;
constexpr int kButtonW = 88, kButtonH = 26;

}  // namespace

frmInfo::frmInfo(AuthorEntries& entries) : Form("frmInfo"), entries_(entries) {
    SetCaption("Enter Author Details");
}

std::string frmInfo::BoxText(int i) const {
    const size_t k = static_cast<size_t>(i);
    return boxes_[k] ? forms::WindowText(boxes_[k]) : kept_[k];
}

void frmInfo::SetBoxText(int i, const std::string& text) {
    const size_t k = static_cast<size_t>(i);
    kept_[k] = text;
    if (boxes_[k]) SetWindowTextA(boxes_[k], text.c_str());
}

void frmInfo::Form_Load() {
    saved_ = false;
    HWND form = hWnd();
    int y = kMargin;
    for (int entry : kOrder) {
        const bool desc = entry == kAuthorDescription;
        const int h = desc ? kDescH : kLineH;
        forms::MakeChild(form, "STATIC", kLabels[entry], SS_RIGHT, kMargin, y + 3, kBoxX - kMargin - 8, 16);
        const DWORD style = desc ? WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL
                                 : WS_TABSTOP | ES_AUTOHSCROLL;
        boxes_[static_cast<size_t>(entry)] =
            forms::MakeChild(form, "EDIT", "", style, kBoxX, y, kBoxW, h, kBoxId + entry, WS_EX_CLIENTEDGE);
        y += h + kGap;
    }
    save_ = forms::MakeChild(form, "BUTTON", "Save", WS_TABSTOP | BS_DEFPUSHBUTTON, kBoxX + kBoxW - kButtonW, y,
                             kButtonW, kButtonH, kSaveId);
    y += kButtonH + kMargin;

    // Outer size from the inner one; centred on the screen.
    RECT r{0, 0, kBoxX + kBoxW + kMargin, y};
    AdjustWindowRectEx(&r, Style(), FALSE, ExStyle());
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, top = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    Move(x * forms::TwipsPerPixelX(), top * forms::TwipsPerPixelY(), w * forms::TwipsPerPixelX(),
         h * forms::TwipsPerPixelY());
    // Above every other window while it is open.
    SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    for (int i = 0; i < kAuthorEntries; ++i) SetBoxText(i, entries_[static_cast<size_t>(i)]);
}

void frmInfo::Form_Unload(int& cancel) {
    for (int i = 0; i < kAuthorEntries; ++i) kept_[static_cast<size_t>(i)] = BoxText(i);
    boxes_ = {};
    save_ = nullptr;
}

void frmInfo::cmdSave_Click() {
    for (int i = 0; i < kAuthorEntries; ++i) entries_[static_cast<size_t>(i)] = OneLine(BoxText(i));
    saved_ = true;
    Unload();
}

LRESULT frmInfo::Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    if (msg == WM_COMMAND && LOWORD(wp) == kSaveId && HIWORD(wp) == BN_CLICKED) {
        handled = true;
        cmdSave_Click();
    }
    return 0;
}

bool ShowAuthorDialog(AuthorEntries& entries) {
    frmInfo dialog(entries);
    dialog.Show(forms::vbModal);
    const bool saved = dialog.Saved();
    dialog.Unload();
    return saved;
}

}  // namespace vorne::skinner::author
