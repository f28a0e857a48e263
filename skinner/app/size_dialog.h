// The position and size dialog frmWH: the Left, Top, Width and Height of
// one preview element in pixels, each change of a box applied to the
// element at once. Modeless and topmost; opened from an element's popup
// menu and from the editor's "Type-In" button.
#pragma once

#include <windows.h>

#include <functional>

#include "runtime/forms/forms.h"
#include "skinner/core/skin_editor.h"

namespace vorne::skinner {

class frmWH : public forms::Form {
public:
    // shown: the element's place on the preview in pixels (labels and
    // pictures size themselves).
    frmWH(core::SkinEditor& editor, std::function<forms::Rect(core::SkinKind, int)> shown);

    // Shows the dialog owned by owner (loading it when it is not open) and
    // fills the boxes from the editor's target.
    void Open(HWND owner);
    // Fills the four boxes from the target; the element and SkinChanged
    // stay as they are.
    void RefreshValues();
    void cmdClose_Click() { Unload(); }
    HWND Box(core::TypeInBox b) const { return boxes_[b]; }

    enum Id : int { kTxtLeft = 200, kTxtTop, kTxtWidth, kTxtHeight, kCmdClose };

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    LRESULT Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; }
    DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME; }

private:
    void BoxChanged(core::TypeInBox b);
    double Pixels(core::TypeInBox b) const;

    core::SkinEditor& editor_;
    std::function<forms::Rect(core::SkinKind, int)> shown_;
    HWND boxes_[4] = {};
    bool refreshing_ = false;
};

}  // namespace vorne::skinner
