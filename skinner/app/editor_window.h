// The editor window frmSkinner: the object list, the designer fields and
// buttons, the background and transparency fields and the File menu. It
// shows the editor model and hands every user action to it; the preview
// window frmPrev shows the elements.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/registry/registry.h"
#include "runtime/forms/file_dialog.h"
#include "runtime/forms/forms.h"
#include "skinner/app/list_view.h"
#include "skinner/app/preview_window.h"
#include "skinner/app/size_dialog.h"
#include "skinner/app/win_pictures.h"
#include "skinner/core/palette.h"
#include "skinner/core/skin_editor.h"

namespace vorne::skinner {

// The open command of the skin file type: the program's path in quotes, so
// that a folder with blanks still names the program.
std::string SkinFileTypeCommand(const std::string& programPath);
// Binds ".vsk" to "Vorne.Skin" ("Vorne Skin") opened by the program, with
// the program's first icon; false when the registry refused.
bool RegisterSkinFileType(vorne::registry::Registry& reg, const std::string& programPath);

class frmSkinner : public forms::Form {
public:
    frmSkinner();
    ~frmSkinner() override;

    core::SkinEditor& Editor() { return editor_; }
    frmPrev& Preview() { return *preview_; }
    frmWH& SizeDialog() { return *wh_; }
    const core::Palette& ColourPalette() const { return palette_; }
    ObjectListView& LV() { return lv_; }

    // The File menu's commands.
    void cmdNewSkin_Click();
    void cmdOpen_Click();
    // True when the skin was written.
    bool cmdSaveSkin_Click();
    void cmdExit_Click() { Unload(forms::vbFormCode); }
    // The transparency test and the return to a whole window.
    void cmdTest_Click();
    void cmdNorm_Click();
    // The palette of transparent colours.
    void cmdPick_Click();
    void picSelect_MouseMove(int index);
    void picSelect_Click(int index);
    void imgSelectr_Click();
    // The position and size dialog on the selected object.
    void cmdTypeIn_Click();
    // The editor and the preview made topmost or not.
    void SetWindowsOnTop(bool onTop);
    // The background and picture pickers (their open dialog first).
    void cmdBack_Click();
    void cmdBrowse1_Click();
    void cmdBrowse2_Click();

    // Opens the skin the whole command line names (quotes around it are
    // dropped); false, with nothing changed, when it names no file.
    bool OpenCommandLine(const std::string& command);

    // Shows the model's fields, rows and modes in the windows.
    void Sync();
    // Selects the row of the preview's element kind/index and fills the fields.
    void SelectItem(core::SkinKind kind, int index);
    // A child window by its control id (for tests).
    HWND Item(int id) const { return GetDlgItem(const_cast<frmSkinner*>(this)->hWnd(), id); }

    enum Id : int {
        kLV = 100, kTxtName, kCmboObjects, kCmboActions, kTxtCaption, kCmdNew, kCmdEdit, kCmdSave, kCmdCancel,
        kCmdDel, kCmdTypeIn, kCmdBack, kTxtBackPath, kChkTrans, kPicTrans, kSldrTol, kLblImg1, kLblImg2,
        kLblCaption, kCmdPick, kCmdTest, kCmdNorm, kColourBox,
        kMenuNew = 1001, kMenuOpen, kMenuSave, kMenuExit, kBrowse1, kRemove1, kBrowse2, kRemove2, kMenuHelp,
    };

    forms::CommonDialog CD1, CD;  // the skin dialog and the picture dialog

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int mode) override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
    LRESULT Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; }

private:
    HWND Child(const char* cls, const char* text, DWORD style, int id, int x, int y, int w, int h, DWORD ex = 0);
    void MakeColourBox();
    void ShowPalette();
    static LRESULT CALLBACK ColourBoxProc(HWND, UINT, WPARAM, LPARAM);
    void Command(int id, int code);
    void Notify(NMHDR* n);
    void ShowPictureMenu(int which);
    void ChooseTransColour();
    std::string WindowText(int id) const;
    void SetText(int id, const std::string& text);
    void FillCombo(int id, const forms::ComboBox& from);
    std::string SkinsFolder() const;

    WinPictureService pictures_;
    core::SkinEditor editor_;
    std::unique_ptr<frmPrev> preview_;
    std::unique_ptr<frmWH> wh_;
    core::Palette palette_;
    HWND colourBox_ = nullptr;
    ObjectListView lv_;
    std::unique_ptr<forms::PictureBox> img1_, img2_;
    std::vector<std::vector<std::string>> shownRows_;
    HBRUSH transBrush_ = nullptr;
    int32_t shownTrans_ = -1;
    bool syncing_ = false;
};

}  // namespace vorne::skinner
