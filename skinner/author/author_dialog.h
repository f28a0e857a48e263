// The author-details dialog frmInfo: four boxes for the author's name,
// e-mail address, home page and the skin's description, and "Save". Shown
// modal by the editor's save and the converter's export just before a skin
// file is written; only "Save" changes the details.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "runtime/forms/forms.h"
#include "skinner/author/author_details.h"

namespace vorne::skinner::author {

class frmInfo : public forms::Form {
public:
    // Edits entries (the program's set unless a caller gives another).
    explicit frmInfo(AuthorEntries& entries = AuthorInfo());

    // The text of box i (txtAuthorInfo(i)), as the user left it.
    std::string BoxText(int i) const;
    void SetBoxText(int i, const std::string& text);
    // Box i's window while the dialog is loaded.
    HWND Box(int i) const { return boxes_[static_cast<size_t>(i)]; }
    HWND SaveButton() const { return save_; }

    // Copies every box into the entries (each made one line) and unloads.
    void cmdSave_Click();
    // "Save" was pressed since the dialog was last loaded.
    bool Saved() const { return saved_; }

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    LRESULT Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; }
    DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME; }

private:
    AuthorEntries& entries_;
    std::array<HWND, kAuthorEntries> boxes_{};
    std::array<std::string, kAuthorEntries> kept_;  // box texts while not loaded
    HWND save_ = nullptr;
    bool saved_ = false;
};

// Shows frmInfo modal over entries and waits until it is closed. True when
// the user pressed "Save"; otherwise the entries are as they were.
bool ShowAuthorDialog(AuthorEntries& entries = AuthorInfo());

}  // namespace vorne::skinner::author
