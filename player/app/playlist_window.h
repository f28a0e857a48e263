// The playlist window: the visible list of titles over the playlist store,
// its load (placed from the stored rectangle, the command line run), its
// close that only hides it until the player shuts down, and the docking
// beside the main window.
#pragma once

#include <string>

#include "player/library/playlist_formats.h"
#include "player/library/playlist_store.h"
#include "runtime/forms/command_button.h"
#include "runtime/forms/file_dialog.h"
#include "runtime/forms/forms.h"
#include "runtime/forms/list_box.h"
#include "runtime/forms/menu.h"

namespace vorne::player {

class FrmList : public forms::Form {
public:
    FrmList();

    vorne::player::library::PlaylistStore Store;  // List1 and List2
    vorne::player::library::GenericList Generic;  // Vorne.gen
    forms::ListBox List1;
    forms::Label lblTotTime;
    forms::CommandButton cmdNew, cmdRefresh, cmdLoad, cmdSave, cmdSort, cmdAddDir, cmdDel;
    // The popup menus: the entries' menu and the sort menu.
    forms::MenuItem mnuFile, cmdTag, Break1, cmdMoveUp, cmdMoveDn;
    forms::MenuItem mnuSort, cmdSortA, cmdSortD;
    forms::CommonDialog CD1;

    // Plays the entry at the list index (pause entries wait, missing files
    // are reported).
    void PlaySelected();
    // The open and save dialogs of lists.
    void LoadList();
    void SaveList();
    void cmdNew_Click();
    void cmdRefresh_Click();
    void cmdDel_Click();
    void cmdMoveUp_Click();
    void cmdMoveDn_Click();
    void Sort(bool ascending);
    // The tag editor, modal, for the entry at the list index.
    void cmdTag_Click();
    void List1_DblClick();

private:
    // The selected entries one place up or down, staying selected.
    void MoveSelected(bool up);
    // CurrentSongInfo from the tag of the entry at the list index.
    void ReadSelectedSongInfo();

public:

    // The list's procedures the main window calls.
    vorne::player::library::ListResult LoadPlayList(const std::string& file);
    bool AddFileToList(const std::string& path);
    // atStart: the load of the program's start (see GenericList::Load).
    vorne::player::library::ListResult LoadGenericList(bool atStart);
    vorne::player::library::ListResult SaveGenericList();
    // Shows the store in List1 again (after the store changed).
    void RefreshList();
    // Docks the window at the main window's left edge, writing only what
    // differs (the player's own main window by default).
    void reposistion();
    void reposistion(forms::Form& main);

    // Client size at design, twips.
    static constexpr float kDesignWidth = 5220, kDesignHeight = 3120;
    // The height of the buttons along the bottom, twips.
    static constexpr float kButtonHeight = 255;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
    // The player's keys work here too.
    void Form_KeyUp(int& key, int shift) override;
};

FrmList& frmList();

// The add-files search over the playlist (its "Add" button).
void ShowAddFilesWindow();

// The date text of the lists written now.
std::string ListDateNow();

}  // namespace vorne::player
