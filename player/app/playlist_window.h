// The playlist window: the visible list of titles over the playlist store,
// its load (placed from the stored rectangle, the command line run), its
// close that only hides it until the player shuts down, and the docking
// beside the main window.
#pragma once

#include <string>

#include "player/library/playlist_formats.h"
#include "player/library/playlist_store.h"
#include "runtime/forms/forms.h"
#include "runtime/forms/list_box.h"

namespace vorne::player {

class FrmList : public forms::Form {
public:
    FrmList();

    library::PlaylistStore Store;  // List1 and List2
    library::GenericList Generic;  // Vorne.gen
    forms::ListBox List1;
    forms::Label lblTotTime;

    // The list's procedures the main window calls.
    library::ListResult LoadPlayList(const std::string& file);
    bool AddFileToList(const std::string& path);
    library::ListResult LoadGenericList();
    library::ListResult SaveGenericList();
    // Shows the store in List1 again (after the store changed).
    void RefreshList();
    // Docks the window at the main window's left edge, writing only what
    // differs (the player's own main window by default).
    void reposistion();
    void reposistion(forms::Form& main);

    // Client size at design, twips.
    static constexpr float kDesignWidth = 5220, kDesignHeight = 3120;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
};

FrmList& frmList();

// The date text of the lists written now.
std::string ListDateNow();

}  // namespace vorne::player
