// Quarlh's main window: the four commands that load a state picture into
// each view, the 2-cell and 4-cell strips with their "Save" popup menus,
// and the menu (re-capture, exit, help). It owns the view family, whose
// selection the four views share. Win32 only.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "runtime/forms/command_button.h"
#include "runtime/forms/file_dialog.h"
#include "runtime/forms/forms.h"
#include "runtime/forms/menu.h"
#include "tools/stripmaker/selection.h"
#include "tools/stripmaker/view_window.h"

namespace vorne::stripmaker {

class FrmMain : public forms::Form {
public:
    FrmMain();
    ~FrmMain() override;

    ViewFamily Family;
    FrmView& View(int number) { return *views_.at(static_cast<size_t>(number - 1)); }

    forms::CommandButton cmdNorm, cmdActv, cmdDown, cmdDis;
    forms::Label lblTitles7, Picture1, lblTitles0;  // lblTitles(7), the title bar, lblTitles(0)
    forms::PictureBox Images2, Images4;
    forms::CommonDialog CD;
    forms::MenuBar Menus;
    forms::MenuItem mnuExit, cmdCap, cmdExit, cmdHelp, mnuSave1, cmdSave1, mnuSave2, cmdSave2;
    std::string HelpFile;

    void UpdateForms(const SelectionView& from, int formNum) { Family.UpdateForms(from, formNum); }
    void GetImages() { Family.GetImages(); }

    // The load commands: the open box, then the picture into view number.
    void LoadStatePicture(int number);
    // "Save" of the 2-cell (cells 2) or the 4-cell strip.
    void SaveStrip(int cells);

    void cmdNorm_Click() { LoadStatePicture(1); }
    void cmdActv_Click() { LoadStatePicture(2); }
    void cmdDown_Click() { LoadStatePicture(3); }
    void cmdDis_Click() { LoadStatePicture(4); }
    void cmdCap_Click() { GetImages(); }
    void cmdSave1_Click() { SaveStrip(2); }
    void cmdSave2_Click() { SaveStrip(4); }
    void cmdExit_Click() { Unload(); }
    void cmdHelp_Click();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; }
    DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME; }

private:
    void ShowStrips();
    std::array<std::unique_ptr<FrmView>, 4> views_;
};

}  // namespace vorne::stripmaker
