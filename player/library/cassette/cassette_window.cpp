#include "player/library/cassette/cassette_window.h"

#include "player/core/text_display.h"
#include "runtime/forms/child_windows.h"

namespace vorne::player::library::cassette {

namespace {

std::vector<std::string> Titles(const TapeList& l) {
    std::vector<std::string> t;
    for (const TapeSong& s : l) t.push_back(s.title);
    return t;
}

}  // namespace

FrmAudioCass::FrmAudioCass()
    : Form("frmAudioCass"), lblTransfer(*this, "lblTransfer"), lblSide(*this, "lblSide"), lblTot(*this, "lblTot"),
      lblTotLen(*this, "lblTotLen"), lblList(*this, "lblList"), lblListLen(*this, "lblListLen"),
      lblMinutes(*this, "lblMinutes"), List1(*this, "List1"), lstNew(*this, "lstNew"), txtLen(*this, "txtLen"),
      cmdGet(*this, "cmdGet"), cmdDel(*this, "cmdDel"), Command3(*this, "Command3"), cmdCreate(*this, "cmdCreate"),
      Command2(*this, "Command2"), Command1(*this, "Command1"), Command4(*this, "Command4") {
    forms::FontSpec bold;
    bold.bold = true;
    lblTransfer.SetCaption("Temporary Transfer List");
    lblTransfer.SetFont(bold);
    lblTransfer.Move(8, 8, 240, 14);
    List1.Move(8, 24, 240, 200);
    lblTot.SetCaption("Total Length:");
    lblTot.Move(8, 230, 80, 14);
    lblTotLen.SetCaption("0");
    lblTotLen.Move(90, 230, 158, 14);

    lblSide.SetCaption("Cassette Tape List");
    lblSide.SetFont(bold);
    lblSide.Move(260, 8, 240, 14);
    lstNew.Move(260, 24, 240, 200);
    lblList.SetCaption("New List Length:");
    lblList.Move(260, 230, 104, 14);
    lblListLen.SetCaption("0");
    lblListLen.Move(366, 230, 134, 14);

    lblMinutes.SetCaption("Minutes of Audio on one side:");
    lblMinutes.Move(8, 256, 180, 14);
    txtLen.Move(190, 253, 50, 21);
    txtLen.SetText("30");

    struct B {
        forms::CommandButton& b;
        const char* caption;
        int x, y;
        void (FrmAudioCass::*click)();
    } buttons[] = {
        {cmdGet, "Add from Play List", 8, 282, &FrmAudioCass::cmdGet_Click},
        {cmdDel, "Del Selected", 128, 282, &FrmAudioCass::cmdDel_Click},
        {Command3, "Clear List", 8, 312, &FrmAudioCass::Command3_Click},
        {cmdCreate, "Create Side", 260, 282, &FrmAudioCass::cmdCreate_Click},
        {Command2, "Expand List", 380, 282, &FrmAudioCass::Command2_Click},
        {Command1, "Migrate List", 260, 312, &FrmAudioCass::Command1_Click},
        {Command4, "&Close", 380, 312, nullptr},
    };
    for (B& b : buttons) {
        b.b.SetCaption(b.caption);
        b.b.Move(b.x, b.y, 116, 25);
        auto click = b.click;
        b.b.OnClick = click ? std::function<void()>([this, click] { (this->*click)(); })
                            : std::function<void()>([this] { Unload(); });
    }
}

void FrmAudioCass::Form_Load() {
    SetCaption("Audio Cassette Tape Creator");
    forms::SetClientSize(*this, 508, 345);
    forms::SetToolTip(cmdGet, "Add Selected songs in the Main PlayList to the Transfer PlayList");
    forms::SetToolTip(cmdCreate,
                      "Uses the songs from the Transfer list to create a Cassette Tape side of a userdefined length");
    forms::SetToolTip(Command2,
                      "Ensures that the Playlist will be exactly the size of the cassette tape size, by adding small "
                      "pauses between the songs.");
    forms::SetToolTip(Command1,
                      "Moves New List to Play List, and removes songs from Transfer List, ready to create a new set.");
}

void FrmAudioCass::ShowLists() {
    List1.SetItems(Titles(planner_.Transfer()));
    lstNew.SetItems(Titles(planner_.Side()));
    lblTotLen.SetCaption(core::ChangeTimeFormat(static_cast<int32_t>(TotalSeconds(planner_.Transfer()))));
    lblListLen.SetCaption(core::ChangeTimeFormat(static_cast<int32_t>(TotalSeconds(planner_.Side()))));
}

void FrmAudioCass::Tell(CassettePlanner::Outcome o) {
    if (o != CassettePlanner::Outcome::kDone) forms::MsgBox(CassettePlanner::Message(o), forms::vbOKOnly);
}

void FrmAudioCass::cmdGet_Click() {
    if (!host_.playlist) return;
    planner_.AddFromPlaylist(*host_.playlist, host_.playlistSelection ? host_.playlistSelection() : std::vector<bool>{},
                             host_.seconds);
    ShowLists();
}

void FrmAudioCass::cmdDel_Click() {
    planner_.DeleteSelected(List1.Selection());
    ShowLists();
}

void FrmAudioCass::Command3_Click() {
    planner_.ClearTransfer();
    ShowLists();
}

void FrmAudioCass::cmdCreate_Click() {
    const auto o = planner_.CreateSide(txtLen.Text());
    ShowLists();
    Tell(o);
}

void FrmAudioCass::Command2_Click() {
    const auto o = planner_.ExpandSide(txtLen.Text());
    ShowLists();
    Tell(o);
}

void FrmAudioCass::Command1_Click() {
    if (!host_.playlist) return;
    const auto o = planner_.Migrate(*host_.playlist);
    ShowLists();
    if (o == CassettePlanner::Outcome::kDone && host_.playlistChanged) host_.playlistChanged();
    Tell(o);
}

FrmAudioCass& frmAudioCass() { return forms::DefaultInstance<FrmAudioCass>(); }

}  // namespace vorne::player::library::cassette
