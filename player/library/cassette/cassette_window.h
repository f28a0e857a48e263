#pragma once
// The cassette planner "Audio Cassette Tape Creator": songs taken from the
// playlist into a transfer list, one tape side made from them, pauses
// spread to fill the side, and the side moved into the playlist. Shown
// without being modal. The player hands it its playlist through
// CassetteHost.
#include <functional>
#include <string>
#include <vector>

#include "player/library/cassette/cassette_core.h"
#include "runtime/forms/command_button.h"
#include "runtime/forms/edit_controls.h"
#include "runtime/forms/forms.h"
#include "runtime/forms/list_box.h"

namespace vorne::player::library::cassette {

struct CassetteHost {
    PlaylistStore* playlist = nullptr;                    // frmList's two lists
    std::function<std::vector<bool>()> playlistSelection;  // which titles are selected
    std::function<void()> playlistChanged;                // the playlist window shows the list again
    // The play length of a song in seconds (its Duration / 1000).
    std::function<double(const std::string& path)> seconds;
};

class FrmAudioCass : public forms::Form {
public:
    FrmAudioCass();
    void SetHost(CassetteHost host) { host_ = std::move(host); }

    forms::Label lblTransfer, lblSide, lblTot, lblTotLen, lblList, lblListLen, lblMinutes;
    forms::ListBox List1, lstNew;
    forms::TextEdit txtLen;
    forms::CommandButton cmdGet, cmdDel, Command3, cmdCreate, Command2, Command1, Command4;

    CassettePlanner& Planner() { return planner_; }

    void cmdGet_Click();
    void cmdDel_Click();
    void Command3_Click();   // Clear List
    void cmdCreate_Click();  // Create Side
    void Command2_Click();   // Expand List
    void Command1_Click();   // Migrate List

protected:
    void Form_Load() override;
    DWORD Style() const override { return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN; }

private:
    void ShowLists();
    void Tell(CassettePlanner::Outcome o);
    CassetteHost host_;
    CassettePlanner planner_;
};

FrmAudioCass& frmAudioCass();

}  // namespace vorne::player::library::cassette
