#include "player/library/tageditor/tag_editor_window.h"

#include <windows.h>

#include "player/core/genres.h"
#include "player/library/id3v1_codepage_win32.h"

namespace vorne::player::library::tageditor {

TagEditorEnv WindowsTagEditorEnv() {
    TagEditorEnv e;
    e.songInfo = [](const std::string& p) { return core::GetMp3Info(p); };
    e.codePage = AnsiCodePage();
    e.yield = [] {
        forms::DoEvents();
        Sleep(10);
    };
    e.clockMs = [] { return static_cast<int64_t>(GetTickCount64()); };
    return e;
}

FrmIDTAG::FrmIDTAG()
    : Form("frmIDTAG"), lblViewing(*this, "lblViewing"), lblTag(*this, "lblTag"), lblExtra(*this, "lblExtra"),
      lblTitle(*this, "lblTitle"), lblArtist(*this, "lblArtist"), lblAlbum(*this, "lblAlbum"), lblYear(*this, "lblYear"),
      lblComments(*this, "lblComments"), lblGenre(*this, "lblGenre"), lblSize(*this, "lblSize"),
      txtFile(*this, "txtFile"), txtTitle(*this, "txtTitle"), txtArtist(*this, "txtArtist"),
      txtAlbum(*this, "txtAlbum"), txtYear(*this, "txtYear"), txtComments(*this, "txtComments"),
      txtSize(*this, "txtSize"), txtExtra(*this, "txtExtra"), cmboGenre(*this, "cmboGenre"),
      cmdSave(*this, "cmdSave"), cmdRemove(*this, "cmdRemove"), cmdCancel(*this, "cmdCancel"),
      model_(WindowsTagEditorEnv()) {
    forms::FontSpec bold;
    bold.bold = true;
    auto heading = [&](forms::Label& l, const char* text, int x, int y) {
        l.SetCaption(text);
        l.SetFont(bold);
        l.Move(x, y, 200, 14);
    };
    heading(lblViewing, "Currently Viewing", 8, 8);
    txtFile.SetLocked(true);
    txtFile.Move(8, 24, 440, 21);
    heading(lblTag, "ID3 TAG", 8, 54);
    struct Row {
        forms::Label& label;
        const char* text;
        forms::TextEdit& box;
        int width, max;
    };
    Row rows[] = {{lblTitle, "Title:", txtTitle, 200, TagEditorModel::kTextWidth},
                  {lblArtist, "Artist:", txtArtist, 200, TagEditorModel::kTextWidth},
                  {lblAlbum, "Album:", txtAlbum, 200, TagEditorModel::kTextWidth},
                  {lblYear, "Year:", txtYear, 50, TagEditorModel::kYearWidth},
                  {lblComments, "Comments:", txtComments, 200, TagEditorModel::kTextWidth}};
    int y = 72;
    for (Row& r : rows) {
        r.label.SetCaption(r.text);
        r.label.Move(8, y + 3, 66, 14);
        r.box.Move(76, y, r.width, 21);
        r.box.SetMaxLength(r.max);
        r.box.OnChange = [this] { Edited(); };
        y += 26;
    }
    lblGenre.SetCaption("Genre:");
    lblGenre.Move(8, y + 3, 66, 14);
    cmboGenre.Move(76, y, 200, 21);
    cmboGenre.SetSorted(true);
    cmboGenre.OnClick = [this] { Edited(); };

    heading(lblExtra, "Extra Info", 284, 54);
    lblSize.SetCaption("File Size:");
    lblSize.Move(284, 75, 60, 14);
    txtSize.SetLocked(true);
    txtSize.Move(284, 91, 164, 21);
    txtExtra.SetMultiLine(true);
    txtExtra.SetLocked(true);
    txtExtra.Move(284, 118, 164, 130);

    cmdSave.SetCaption("Save TAG");
    cmdSave.Move(8, 262, 90, 25);
    cmdRemove.SetCaption("Remove TAG");
    cmdRemove.Move(104, 262, 90, 25);
    cmdCancel.SetCaption("Close");
    cmdCancel.Move(358, 262, 90, 25);
    cmdSave.OnClick = [this] { cmdSave_Click(); };
    cmdRemove.OnClick = [this] { cmdRemove_Click(); };
    cmdCancel.OnClick = [this] { cmdCancel_Click(); };
}

void FrmIDTAG::SetHost(TagEditorHost host) {
    host_ = std::move(host);
    model_ = TagEditorModel(host_.env);
}

void FrmIDTAG::Form_Load() {
    SetCaption("File Tag");
    forms::SetClientSize(*this, 456, 296);
    if (host_.setOpen) host_.setOpen(true);
    if (host_.onTop) host_.onTop(hWnd(), true);
    cmboGenre.Clear();
    for (int i = 0; i < core::kGenreCount; ++i)
        if (!core::GenreName(i).empty()) cmboGenre.AddItem(core::GenreName(i));
    // Every opening starts from fresh state.
    model_.Reset();
    MapData("");
}

void FrmIDTAG::MapData(const std::string& path) {
    // The first use loads the dialog: its load fills it from the current
    // song, and only then is it filled from path.
    if (!Loaded()) Load();
    model_.MapData(path);
    Display();
}

void FrmIDTAG::Display() {
    filling_ = true;
    txtFile.SetText(model_.file);
    txtFile.SelectEnd();
    txtTitle.SetText(model_.title);
    txtArtist.SetText(model_.artist);
    txtAlbum.SetText(model_.album);
    txtYear.SetText(model_.year);
    txtComments.SetText(model_.comments);
    if (model_.genre.empty() || !cmboGenre.SetText(model_.genre)) {
        if (cmboGenre.ListCount() > 0) cmboGenre.SetListIndex(0);
    }
    txtSize.SetText(model_.sizeText);
    txtExtra.SetText(model_.extraText);
    cmdSave.SetCaption(model_.saveCaption);
    cmdSave.SetEnabled(model_.saveEnabled);
    cmdRemove.SetEnabled(model_.removeEnabled);
    filling_ = false;
}

void FrmIDTAG::Edited() {
    if (filling_) return;
    model_.FieldChanged();
    cmdSave.SetEnabled(true);
}

void FrmIDTAG::Pull() {
    model_.title = txtTitle.Text();
    model_.artist = txtArtist.Text();
    model_.album = txtAlbum.Text();
    model_.year = txtYear.Text();
    model_.comments = txtComments.Text();
    model_.genre = cmboGenre.Text();
}

void FrmIDTAG::Tell(const std::string& message) {
    if (message.empty()) return;
    // Not on top while the message is up, so the box is never hidden.
    if (host_.onTop && Loaded()) host_.onTop(hWnd(), false);
    forms::MsgBox(message, forms::vbOKOnly);
    if (host_.onTop && Loaded()) host_.onTop(hWnd(), true);
}

void FrmIDTAG::cmdSave_Click() {
    forms::SetBusyPointer(true);
    Pull();
    cmdSave.SetEnabled(false);
    const TagEditorModel::Result r = model_.Save(host_.player);
    if (Loaded()) Display();
    forms::SetBusyPointer(false);
    Tell(r.message);
    if (host_.refreshControls) host_.refreshControls();
}

void FrmIDTAG::cmdRemove_Click() {
    if (forms::MsgBox("Are you sure you want to remove the ID Tag?", forms::vbYesNo) != forms::vbYes) return;
    forms::SetBusyPointer(true);
    cmdRemove.SetEnabled(false);
    const TagEditorModel::Result r = model_.Remove(host_.player);
    if (Loaded()) Display();
    forms::SetBusyPointer(false);
    Tell(r.message);
}

void FrmIDTAG::cmdCancel_Click() {
    // Leaving a "Make TAG" dialog by its button never asks to save.
    if (cmdSave.Caption() != "Save TAG") cmdSave.SetEnabled(false);
    model_.Close();
    Unload();
}

void FrmIDTAG::Form_Unload(int&) {
    if (cmdSave.Enabled() &&
        forms::MsgBox("Changes have been made, and are not saved.  Save now?", forms::vbYesNo) == forms::vbYes)
        cmdSave_Click();
    model_.Close();
    if (host_.setOpen) host_.setOpen(false);
}

FrmIDTAG& frmIDTAG() { return forms::DefaultInstance<FrmIDTAG>(); }

}  // namespace vorne::player::library::tageditor
