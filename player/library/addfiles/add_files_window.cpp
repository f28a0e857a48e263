#include "player/library/addfiles/add_files_window.h"

#include <iterator>

#include <windows.h>

#include "runtime/text/ansi.h"

namespace vorne::player::library::addfiles {

namespace {

struct FileType {
    const char* name;
    const char* pattern;
};

const FileType kTypes[] = {
    {"All Playable Formats",
     "*.asf;*.asx;*.wm;*.wmf;*.wma;*.wax;*.avi;*.wav;*.mpeg;*.mpg;*.mpe;*.mpv;*.m1v;*.mp2;*.mpv2;*.mp2v;*.mpa;"
     "*.mp3;*.mid;*.midi;*.rmi;*.aif;*.aifc;*.aiff;*.au;*.snd;*.mov;*.qt;*.ra;*.ram;*.rm;*.rmm"},
    {"Movie Formats", "*.asf;*.asx;*.wm;*.avi;*.mpeg;*.mpg;*.mpe;*.mpv;*.m1v;*.mpv2;*.mp2v;*.mov;*.qt;*.ram;*.rm;*.rmm"},
    {"Audio Formats", "*.wmf;*.wma;*.wax;*.wav;*.mpa;*.mp3;*.mid;*.midi;*.rmi;*.aif;*.aifc;*.aiff;*.au;*.snd;*.ra;*.mp2"},
    {"-===Individual Music Formats (Quicker Searches)===-", nullptr},
    {"MPEG Layer 3 (*.mp3)", "*.mp3"},
    {"MPEG Layer 2 (*.mp2)", "*.mp2"},
    {"WAVE Media (*.wav)", "*.wav"},
    {"MIDI Media (*.mid)", "*.mid"},
};

}  // namespace

int FileTypeCount() { return static_cast<int>(std::size(kTypes)); }
const char* FileTypeName(int index) { return index >= 0 && index < FileTypeCount() ? kTypes[index].name : ""; }
const char* FileTypePattern(int index) {
    return index >= 0 && index < FileTypeCount() ? kTypes[index].pattern : nullptr;
}

FrmAdd::FrmAdd()
    : Form("frmAdd"), cmboDrives(*this, "cmboDrives"), lstDirs(*this, "lstDirs"), lstFiles(*this, "lstFiles"),
      cmboFiles(*this, "cmboFiles"), Check1(*this, "Check1"), cmdAdd(*this, "cmdAdd"), cmdStop(*this, "cmdStop"),
      cmdCancel(*this, "cmdCancel"), lblStat(*this, "lblStat"), lblFile(*this, "lblFile"), Label1(*this, "Label1"),
      List2(*this, "List2"), Timer1(*this, "Timer1"), fs_(&RealFileSystem()) {
    cmboDrives.Move(8, 8, 200, 21);
    lstDirs.Move(8, 34, 200, 178);
    lstFiles.Move(216, 8, 236, 204);
    cmboFiles.Move(8, 220, 444, 21);
    Check1.Move(8, 250, 200, 20);
    Check1.SetCaption("Include Subdirectories");
    Label1.Move(216, 250, 236, 14);
    Label1.SetCaption("Current File Extentions:");
    List2.Move(216, 266, 236, 88);
    cmdAdd.Move(8, 276, 64, 25);
    cmdAdd.SetCaption("Add");
    cmdStop.Move(76, 276, 64, 25);
    cmdStop.SetCaption("Stop");
    cmdStop.SetVisible(false);
    cmdCancel.Move(144, 276, 64, 25);
    cmdCancel.SetCaption("Close");
    lblStat.Move(8, 310, 200, 14);
    lblStat.SetVisible(false);
    lblFile.Move(8, 362, 444, 14);
    Timer1.SetInterval(1000);
    Timer1.SetEnabled(false);

    cmboDrives.OnChange = [this] {
        // A drive that is not ready leaves the folder where it is.
        const std::string d = cmboDrives.Drive();
        const std::string p = lstDirs.Path();
        const bool same = p.size() >= 2 && d.size() == 2 && (p[0] | 0x20) == (d[0] | 0x20) && p[1] == ':';
        if (!d.empty() && !same) lstDirs.SetPath(d + "\\");
    };
    lstDirs.OnChange = [this] { lstFiles.SetPath(lstDirs.Path()); };
    cmboFiles.OnClick = [this] { ChangePattern(cmboFiles.ListIndex()); };
    lstFiles.OnDblClickItem = [this] { lstFiles_DblClick(); };
    cmdAdd.OnClick = [this] { cmdAdd_Click(); };
    cmdStop.OnClick = [this] { cmdStop_Click(); };
    cmdCancel.OnClick = [this] { cmdCancel_Click(); };
    Timer1.OnTimer = [this] {
        if (lblFile.Caption() != State.currentSearchPath) lblFile.SetCaption(State.currentSearchPath);
    };
}

void FrmAdd::Form_Load() {
    SetCaption("Select Files to Add");
    forms::SetClientSize(*this, 460, 382);
    // The folder it was last closed in; one that has gone leaves the lists
    // where they are.
    const std::string last = host_.lastAddFolder ? host_.lastAddFolder() : std::string();
    if (lstDirs.Path().empty()) {
        char cwd[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, cwd);
        lstDirs.SetPath(cwd);
    }
    if (!last.empty() && text::FolderExists(last)) {
        cmboDrives.SetDrive(last);
        lstDirs.SetPath(last);
    }
    cmboFiles.Clear();
    for (int i = 0; i < FileTypeCount(); ++i) cmboFiles.AddItem(FileTypeName(i));
    cmboFiles.SetListIndex(0);
    if (host_.applyOnTop) host_.applyOnTop(hWnd());
}

void FrmAdd::ChangePattern(int index) {
    if (index == kSeparatorEntry) {
        // The separator names no type: the first single type is chosen in
        // its place, so the shown entry and the pattern agree.
        cmboFiles.SetListIndex(kMp3Entry);
        return;
    }
    const char* pattern = FileTypePattern(index);
    if (!pattern) return;
    lstFiles.SetPattern(pattern);
    createlistofSpecs();
}

void FrmAdd::createlistofSpecs() { List2.SetItems(forms::SplitPatterns(lstFiles.Pattern())); }

std::vector<std::string> FrmAdd::Masks() const {
    std::vector<std::string> masks;
    for (int i = 0; i < List2.ListCount(); ++i) masks.push_back(List2.List(i));
    return masks;
}

void FrmAdd::AddOne(const std::string& path) {
    if (host_.addFile) host_.addFile(path);
    ++FilesAdded;
}

void FrmAdd::SetBusy(bool busy) {
    // While a search runs nothing else may start one or move the lists
    // under it.
    for (forms::Control* c : std::initializer_list<forms::Control*>{&cmdAdd, &cmboDrives, &lstDirs, &lstFiles, &cmboFiles, &Check1})
        c->SetEnabled(!busy);
    forms::SetBusyPointer(busy);
}

void FrmAdd::cmdAdd_Click() {
    if (running_) return;
    running_ = true;
    SetBusy(true);
    FilesAdded = 0;
    State.stopRequested = false;
    State.abandon = false;
    if (!Check1.Checked()) {
        const std::string folder = forms::WithBackslash(lstFiles.Path());
        for (int i = 0; i < lstFiles.ListCount(); ++i)
            if (lstFiles.Selected(i)) AddOne(folder + lstFiles.FileName(i));
    } else {
        lblStat.SetCaption("Searching Directories...");
        lblStat.SetVisible(true);
        cmdStop.SetVisible(true);
        Timer1.SetEnabled(true);
        FolderSearch search(*fs_, State,
                            SearchHooks{[] { forms::DoEvents(); },
                                        [this] {
                                            Timer1.SetEnabled(false);
                                            lblFile.SetCaption("");
                                            lblStat.SetCaption("Gathering File Information...");
                                            Refresh();
                                        },
                                        [this](const std::string& p) { AddOne(p); }});
        search_ = &search;
        search.Run(lstDirs.Path(), Masks());
        search_ = nullptr;
        Timer1.SetEnabled(false);
        cmdStop.SetVisible(false);
        State.searching = false;
    }
    running_ = false;
    if (FilesAdded > 0 && host_.listChanged) host_.listChanged();
    if (close_pending_) {
        // Close was asked for while the search ran: it goes now that the walk
        // has unwound.
        close_pending_ = false;
        forms::SetBusyPointer(false);
        cmdCancel_Click();
        return;
    }
    lblStat.SetCaption(std::to_string(FilesAdded) + " file(s) added");
    lblStat.SetVisible(true);
    SetBusy(false);
    lstFiles.SetPath(lstDirs.Path());
}

void FrmAdd::lstFiles_DblClick() {
    if (running_) return;
    const int was = Check1.GetValue();
    Check1.SetValue(0);
    cmdAdd_Click();
    if (Loaded()) Check1.SetValue(was);
}

void FrmAdd::cmdStop_Click() {
    State.stopRequested = true;
    State.searching = false;
    forms::SetBusyPointer(false);
}

void FrmAdd::cmdCancel_Click() {
    if (running_) {
        State.abandon = true;
        State.searching = false;
        close_pending_ = true;
        return;
    }
    if (host_.setLastAddFolder) host_.setLastAddFolder(lstDirs.Path());
    Unload();
}

void FrmAdd::Form_QueryUnload(int& cancel, int mode) {
    if (running_) {
        // The window stays until the search has unwound; then it closes.
        cancel = 1;
        State.abandon = true;
        State.searching = false;
        close_pending_ = true;
        return;
    }
    if (mode == forms::vbFormControlMenu && host_.setLastAddFolder) host_.setLastAddFolder(lstDirs.Path());
}

FrmAdd& frmAdd() { return forms::DefaultInstance<FrmAdd>(); }

}  // namespace vorne::player::library::addfiles
