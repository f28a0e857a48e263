#pragma once
// The tag editor "File Tag": the facts of one media file, its ID3v1 tag in
// edit boxes, and Save TAG (Make TAG for a file without one) and Remove TAG.
// Shown modally. The player hands it what it reads of the current song and
// the player itself through TagEditorHost.
#include <functional>
#include <string>

#include "player/library/tageditor/tag_editor_core.h"
#include "runtime/forms/command_button.h"
#include "runtime/forms/edit_controls.h"
#include "runtime/forms/forms.h"

namespace vorne::player::library::tageditor {

struct TagEditorHost {
    TagEditorEnv env;                 // current song, GetMp3Info, code page
    TagEditorPlayer* player = nullptr;  // the player whose file may be written
    // useOption false: the window not topmost (while a message is up);
    // true: as the always-on-top option says.
    std::function<void(HWND, bool useOption)> onTop;
    // The main window's Refresh4Controls after a save.
    std::function<void()> refreshControls;
    // TagEditorOpen: set at load, cleared at unload.
    std::function<void(bool)> setOpen;
};

class FrmIDTAG : public forms::Form {
public:
    FrmIDTAG();
    // Before the first load; the model is made again with the host's
    // environment.
    void SetHost(TagEditorHost host);

    forms::Label lblViewing, lblTag, lblExtra, lblTitle, lblArtist, lblAlbum, lblYear, lblComments, lblGenre, lblSize;
    forms::TextEdit txtFile, txtTitle, txtArtist, txtAlbum, txtYear, txtComments, txtSize, txtExtra;
    forms::DropDownList cmboGenre;
    forms::CommandButton cmdSave, cmdRemove, cmdCancel;

    // Fills the dialog from path, or from the song now selected when path is
    // empty (the player calls it with "" on each new song while the dialog
    // is open). An unloaded dialog is loaded first, so its load runs before
    // the fill from path.
    void MapData(const std::string& path);
    void cmdSave_Click();
    void cmdRemove_Click();
    void cmdCancel_Click();
    const TagEditorModel& Model() const { return model_; }

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    DWORD Style() const override { return WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; }
    LRESULT Form_Message(UINT msg, WPARAM, LPARAM, bool& handled) override {
        return forms::BusyPointerMessage(msg, handled);
    }

private:
    void Display();
    void Pull();
    void Tell(const std::string& message);
    void Edited();

    TagEditorHost host_;
    TagEditorModel model_;
    bool filling_ = false;
};

FrmIDTAG& frmIDTAG();

// The tag writer's code page and the clock and message loop of the wait,
// as the program's windows use them.
TagEditorEnv WindowsTagEditorEnv();

}  // namespace vorne::player::library::tageditor
