#include "skinner/app/size_dialog.h"

#include "runtime/forms/child_windows.h"
#include "runtime/forms/window_procs.h"
#include "runtime/basic/basic.h"

namespace vorne::skinner {

frmWH::frmWH(core::SkinEditor& editor, std::function<forms::Rect(core::SkinKind, int)> shown)
    : Form("frmWH"), editor_(editor), shown_(std::move(shown)) {
    SetCaption("Size and Position Type-In");
}

void frmWH::Form_Load() {
    HWND w = hWnd();
    const struct {
        const char* label;
        int x, y;
    } places[4] = {{"Left:", 8, 12}, {"Top:", 8, 42}, {"Width:", 124, 12}, {"Height:", 124, 42}};
    for (int b = 0; b < 4; ++b) {
        forms::MakeChild(w, "STATIC", places[b].label, 0, places[b].x, places[b].y + 3, 42, 16, -1);
        boxes_[b] = forms::MakeChild(w, "EDIT", "0", WS_TABSTOP | WS_DISABLED | ES_AUTOHSCROLL, places[b].x + 44,
                                     places[b].y, 64, 22, kTxtLeft + b, WS_EX_CLIENTEDGE);
    }
    forms::MakeChild(w, "BUTTON", "Close", WS_TABSTOP | BS_DEFPUSHBUTTON, 86, 74, 76, 26, kCmdClose);
    RECT r{0, 0, 248, 108};
    AdjustWindowRectEx(&r, Style(), FALSE, ExStyle());
    Move(Left(), Top(), static_cast<float>(r.right - r.left) * forms::TwipsPerPixelX(),
         static_cast<float>(r.bottom - r.top) * forms::TwipsPerPixelY());
    int16_t onTop = 1;
    forms::SetOnTop(onTop, w);
    // What may be typed is fixed for as long as the dialog stays open.
    EnableWindow(boxes_[core::kBoxLeft], editor_.EditPos);
    EnableWindow(boxes_[core::kBoxTop], editor_.EditPos);
    EnableWindow(boxes_[core::kBoxWidth], editor_.EditSize);
    EnableWindow(boxes_[core::kBoxHeight], editor_.EditSize);
    RefreshValues();
}

void frmWH::Form_Unload(int& cancel) {
    for (HWND& b : boxes_) b = nullptr;
}

void frmWH::Open(HWND owner) {
    const bool fresh = !Loaded();
    if (fresh) Load();
    SetWindowLongPtrA(hWnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    if (fresh) {
        RECT o{};
        GetWindowRect(owner, &o);
        SetWindowPos(hWnd(), nullptr, o.left + 40, o.top + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Show();
    RefreshValues();
}

double frmWH::Pixels(core::TypeInBox b) const {
    const core::PreviewElement* e = editor_.Element(editor_.EditKind, editor_.EditIndex);
    if (!e) return 0;
    const activex::TwipsScale& sc = editor_.Scale();
    const bool sizesItself = e->kind == core::SkinKind::StaticLabel || e->kind == core::SkinKind::Image;
    switch (b) {
        case core::kBoxLeft: return e->left / sc.x;
        case core::kBoxTop: return e->top / sc.y;
        case core::kBoxWidth:
            if (sizesItself && shown_) return shown_(e->kind, e->index).width;
            return e->width / sc.x;
        case core::kBoxHeight:
            if (sizesItself && shown_) return shown_(e->kind, e->index).height;
            return e->height / sc.y;
    }
    return 0;
}

void frmWH::RefreshValues() {
    if (!Loaded() || !editor_.Element(editor_.EditKind, editor_.EditIndex)) return;
    // Filling the boxes is no edit: the element keeps its exact place and
    // the skin is not marked changed.
    refreshing_ = true;
    for (int b = 0; b < 4; ++b) forms::SetChildText(boxes_[b], vorne::basic::CStr(Pixels(static_cast<core::TypeInBox>(b))));
    refreshing_ = false;
}

void frmWH::BoxChanged(core::TypeInBox b) {
    HWND box = boxes_[b];
    const std::string text = forms::WindowText(box);
    const std::string shown = core::TypeInText(text);
    if (shown != text) {
        // The box's notification brings the handler back with the number.
        SetWindowTextA(box, shown.c_str());
        SendMessageA(box, EM_SETSEL, shown.size(), shown.size());
        return;
    }
    editor_.TypeIn(b, vorne::basic::Val(shown));
}

LRESULT frmWH::Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    if (msg != WM_COMMAND || !lp) return 0;
    const int id = LOWORD(wp), code = HIWORD(wp);
    if (id >= kTxtLeft && id <= kTxtHeight) {
        handled = true;
        if (code == EN_CHANGE && !refreshing_) BoxChanged(static_cast<core::TypeInBox>(id - kTxtLeft));
    } else if (id == kCmdClose && code == BN_CLICKED) {
        handled = true;
        cmdClose_Click();
    }
    return 0;
}

}  // namespace vorne::skinner
