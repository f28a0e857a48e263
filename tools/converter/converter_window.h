// frmConverter, the one window of Drelk: the normal and activated pictures
// of the imported Winamp skin, and the File menu's import, export and exit.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "runtime/forms/file_dialog.h"
#include "runtime/forms/forms.h"
#include "runtime/forms/menu.h"
#include "tools/converter/winamp_import.h"

namespace vorne::converter {

class frmConverter : public forms::Form {
public:
    frmConverter();
    ~frmConverter() override;

    // Menu commands.
    void cmdImport_Click();
    void cmdExport_Click();
    void cmdExit_Click();
    void cmdHelp_Click();

    // What the last import left (and the export reads).
    const WinampInterface& Interface() const { return interface_; }
    // The folder VornesUser.ini is read from and written to (the program's
    // folder unless a test sets another).
    void SetProgramFolder(std::string folder) { program_folder_ = std::move(folder); }
    std::string ProgramFolder() const;

    // The pictures as shown (the thumbs drawn in their places).
    forms::PictureBox& picWinampUP() { return *up_; }
    forms::PictureBox& picWinampDN() { return *dn_; }

    // The open dialog of the import and the save dialog of the export.
    forms::CommonDialog CD;
    forms::MenuItem mnuFile, cmdImport, cmdExport, Break1, cmdExit, cmdHelp;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN; }
    // The author-details dialog, modal (a test answers it itself).
    virtual void ShowAuthorDetails();

private:
    void ShowPictures();

    WinampInterface interface_;
    std::unique_ptr<forms::Label> title_up_, title_dn_;
    std::unique_ptr<forms::PictureBox> up_, dn_;
    std::unique_ptr<forms::MenuBar> menu_bar_;
    std::string program_folder_;
};

}  // namespace vorne::converter
