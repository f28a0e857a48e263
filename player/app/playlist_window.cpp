#include "player/app/playlist_window.h"

#include <cctype>
#include <ctime>

#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/main_window_playback.h"
#include "runtime/forms/window_procs.h"

namespace vorne::player {

namespace App = forms::App;

FrmList& frmList() { return forms::DefaultInstance<FrmList>(); }

std::string ListDateNow() { return vorne::player::library::FormatListDate(std::time(nullptr)); }

namespace {
vorne::player::library::TitleBuilder Titles() {
    return [](const std::string& path, bool pathAsTitle) {
        BuildingListTitles = true;
        std::string t = ExpandTemplate(Options.PlayListFormat, path, pathAsTitle);
        BuildingListTitles = false;
        return t;
    };
}
}  // namespace

FrmList::FrmList()
    : Form("frmList"),
      List1(*this, "List1"),
      lblTotTime(*this, "lblTotTime"),
      cmdNew(*this, "cmdNew"),
      cmdRefresh(*this, "cmdRefresh"),
      cmdLoad(*this, "cmdLoad"),
      cmdSave(*this, "cmdSave"),
      cmdSort(*this, "cmdSort"),
      cmdAddDir(*this, "cmdAddDir"),
      cmdDel(*this, "cmdDel"),
      mnuFile("mnuFile"),
      cmdTag("cmdTag", "Tag Info"),
      Break1("Break1", "-"),
      cmdMoveUp("cmdMoveUp", "Move Selected Up           Shift+Up"),
      cmdMoveDn("cmdMoveDn", "Move Selected Down      Shift+Down"),
      mnuSort("mnuSort"),
      cmdSortA("cmdSortA", "Sort Ascending (a-z) (0-9)"),
      cmdSortD("cmdSortD", "Sort Descending (z-a) (9-0)") {
    SetCaption("Vorne Play List");
    const float px = forms::TwipsPerPixelX(), py = forms::TwipsPerPixelY();
    struct ButtonPlace {
        forms::CommandButton* button;
        const char* caption;
        int left, top, width;
    } places[] = {{&cmdNew, "new", 120, 0, 495},       {&cmdRefresh, "gather", 720, 0, 735},
                  {&cmdLoad, "Load", 120, 2760, 615},  {&cmdSave, "Save", 720, 2760, 615},
                  {&cmdSort, "Sort", 1440, 2760, 615}, {&cmdAddDir, "Add", 2160, 2760, 615},
                  {&cmdDel, "Del", 2760, 2760, 615}};
    for (const ButtonPlace& b : places) {
        b.button->SetCaption(b.caption);
        b.button->Move(static_cast<int>(static_cast<float>(b.left) / px), static_cast<int>(static_cast<float>(b.top) / py),
                       static_cast<int>(static_cast<float>(b.width) / px), static_cast<int>(kButtonHeight / py));
    }
    cmdNew.OnClick = [this] { cmdNew_Click(); };
    cmdRefresh.OnClick = [this] { cmdRefresh_Click(); };
    cmdLoad.OnClick = [this] { LoadList(); };
    cmdSave.OnClick = [this] { SaveList(); };
    cmdSort.OnClick = [this] { forms::PopupMenu(*this, mnuSort); };
    cmdDel.OnClick = [this] { cmdDel_Click(); };
    for (forms::MenuItem* m : {&cmdTag, &Break1, &cmdMoveUp, &cmdMoveDn}) mnuFile.Add(*m);
    mnuSort.Add(cmdSortA);
    mnuSort.Add(cmdSortD);
    mnuFile.SetVisible(false);
    mnuSort.SetVisible(false);
    cmdTag.OnClick = [this] { cmdTag_Click(); };
    cmdMoveUp.OnClick = [this] { cmdMoveUp_Click(); };
    cmdMoveDn.OnClick = [this] { cmdMoveDn_Click(); };
    cmdSortA.OnClick = [this] { Sort(true); };
    cmdSortD.OnClick = [this] { Sort(false); };
    List1.OnDblClickItem = [this] { List1_DblClick(); };
    cmdAddDir.OnClick = [] { ShowAddFilesWindow(); };
    List1.OnKeyDown = [this](int& key, int& shift) {
        if (shift != forms::vbShiftMask || (key != VK_UP && key != VK_DOWN)) return;
        if (key == VK_UP)
            cmdMoveUp_Click();
        else
            cmdMoveDn_Click();
        key = 0;
        shift = 0;
    };
    List1.OnMouseDown = [this](const forms::MouseEvent& e) {
        if (e.button == forms::vbRightButton) forms::PopupMenu(*this, mnuFile);
    };
    List1.Move(static_cast<int>(120 / px), static_cast<int>(240 / py), static_cast<int>(5055 / px),
               static_cast<int>(2400 / py));
    lblTotTime.SetBackStyle(0);
    lblTotTime.SetAutoSize(true);
    lblTotTime.Move(static_cast<int>(3480 / px), static_cast<int>(2775 / py));
    // The design size of the outer window around the 5220 x 3120 twips inside.
    RECT r{0, 0, static_cast<LONG>(kDesignWidth / px), static_cast<LONG>(kDesignHeight / py)};
    AdjustWindowRectEx(&r, Style(), FALSE, ExStyle());
    Move(0, 0, static_cast<float>(r.right - r.left) * px, static_cast<float>(r.bottom - r.top) * py);
}

void FrmList::RefreshList() {
    std::vector<std::string> titles;
    titles.reserve(static_cast<size_t>(Store.Count()));
    for (const auto& e : Store.List1()) titles.push_back(e.title);
    List1.SetItems(std::move(titles));
}

vorne::player::library::ListResult FrmList::LoadPlayList(const std::string& file) {
    vorne::player::library::ListResult r = vorne::player::library::LoadPlayList(file, Store, PlayListPath);
    if (r.ok) RefreshList();
    return r;
}

bool FrmList::AddFileToList(const std::string& path) { return Store.AddFileToList(path, Titles()); }

vorne::player::library::ListResult FrmList::LoadGenericList(bool atStart) {
    vorne::player::library::ListResult r = Generic.Load(App::Path(), Store, atStart);
    RefreshList();
    return r;
}

vorne::player::library::ListResult FrmList::SaveGenericList() { return Generic.Save(App::Path(), Store, ListDateNow()); }

void FrmList::reposistion() { reposistion(frmMain()); }

void FrmList::reposistion(forms::Form& m) {
    if (Height() != m.Height()) SetHeight(m.Height());
    if (Left() != m.Left() - Width()) SetLeft(m.Left() - Width());
    if (Top() != m.Top()) SetTop(m.Top());
}

void FrmList::Form_Load() {
    if (AppClosing) {
        Unload();
        return;
    }
    const auto& rect = Options.PlayListWindowRect;
    if (rect[2] > 0 && rect[3] > 0) {
        Move(static_cast<float>(rect[0]), static_cast<float>(rect[1]), static_cast<float>(rect[2]),
             static_cast<float>(rect[3]));
    } else {
        // No stored size (a first run): the design size, under the place the
        // main window starts at.
        const float px = forms::TwipsPerPixelX(), py = forms::TwipsPerPixelY();
        const float left = px * static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) / 2 - Width() / 2;
        const float top = py * static_cast<float>(GetSystemMetrics(SM_CYSCREEN) / 3 + 8);
        Move(left, top, Width(), Height());
    }
    try {
        frmMain().ParseCommand(App::Command(), true);
    } catch (...) {
    }
    // Playing on start: the remembered entry when it lies in the list, else
    // a random one or the first. The song opens once the main window's face
    // is on screen; the facts of the entry then selected follow it.
    if (Store.Count() > 0 && Options.PlayListOnStart == 1) {
        const int32_t last = Options.LastSongIndex;
        frmMain().PlayWhenFaceShown([this, last] {
            try {
                frmMain().Playback().PlayOnStart(last);
            } catch (...) {
            }
            ReadSelectedSongInfo();
        });
    } else {
        ReadSelectedSongInfo();
    }
    forms::SetOnTop(Options.AlwaysOnTop, hWnd());
}

void FrmList::ReadSelectedSongInfo() {
    const int i = List1.ListIndex();
    if (i >= 0 && i < Store.Count()) CurrentSongInfo = core::GetMp3Info(vorne::player::library::FixFileName(Store.PathAt(i), PlayListPath));
}

void FrmList::Form_Unload(int& cancel) {
    if (AppClosing) {
        SaveGenericList();
        return;
    }
    cancel = 1;
    Hide();
    Options.PlayListVisible = false;
    Options.ShowPlayList = false;
    FrmMain& m = frmMain();
    for (int i = 1; i <= std::min(m.imgPICS2optn.UBound(), vorne::player::skin::kMaxElementIndex); ++i) {
        forms::Image* img = m.imgPICS2optn.Find(i);
        if (img && m.Tables.imgPICS2optnInfo[i].Action == "Play List Button")
            m.MapPicture(*img, m.Tables.imgPICS2optnInfo[i].Picture, 1, 2, 0);
    }
}

void FrmList::Form_Resize() {
    // The figures are twips of the window's outer size, as designed.
    const float px = forms::TwipsPerPixelX(), py = forms::TwipsPerPixelY();
    const float width = Width(), height = Height();
    const float top = static_cast<float>(List1.Top()) * py;
    const float w = width - top - 240;
    const float h = height - 480 - top - kButtonHeight;
    if (w > 0 && h > 0) List1.Move(List1.Left(), List1.Top(), static_cast<int>(w / px), static_cast<int>(h / py));
    lblTotTime.SetTop(static_cast<int>((height - 670) / py));
    for (forms::CommandButton* b : {&cmdLoad, &cmdDel, &cmdSort, &cmdAddDir, &cmdSave})
        b->SetTop(static_cast<int>((height - 720) / py));
}

// --- playing and editing the list --------------------------------------------------------

void FrmList::PlaySelected() { frmMain().Playback().PlaySelected(); }

void FrmList::List1_DblClick() {
    if (List1.ListCount() < 1) return;
    PlaySelected();
    frmMain().Refresh4Controls();
}

void FrmList::LoadList() {
    CD1.Filter = std::string("All Playable Files|*.vna;*.m3u;*.pls;") + vorne::player::library::kMediaFileTypes +
                 "|Vorne Fast Load Lists|*.vna|Play Lists|*.m3u;*.pls|Media Files|" + vorne::player::library::kMediaFileTypes;
    CD1.FileName = PlayListPath;
    CD1.Flags = forms::cdlOFNHideReadOnly;
    if (!CD1.ShowOpen()) return;
    const std::string name = CD1.FileName;
    std::string ext = name.size() >= 4 ? name.substr(name.size() - 4) : name;
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".pls" || ext == ".m3u" || ext == ".vna") {
        Options.LastPlayListFolder = vorne::player::library::ChopFileOff(name);
        LoadPlayList(name);
        return;
    }
    Store.Clear();
    AddFileToList(name);
    RefreshList();
    if (List1.ListCount() < 1) return;
    List1.SetListIndex(0);
    List1.SetSelected(0, true);
    PlaySelected();
}

void FrmList::SaveList() {
    CD1.Filter = "All Play Lists|*.vna;*.m3u;*.pls|Vorne Fast Load Lists|*.vna|Play Lists|*.m3u;*.pls  ";
    CD1.FileName = PlayListPath;
    CD1.Flags = forms::cdlOFNOverwritePrompt | forms::cdlOFNHideReadOnly | 0x8000;
    if (!CD1.ShowSave()) return;
    vorne::player::library::SaveList(CD1.FileName, Store, ListDateNow());
}

void FrmList::cmdNew_Click() {
    Store.Clear();
    RefreshList();
}

void FrmList::cmdRefresh_Click() {
    for (int i = 0; i < Store.Count(); ++i) {
        const std::string& path = Store.PathAt(i);
        // A pause entry is no file: its title stays.
        if (vorne::player::library::IsPauseEntry(path)) continue;
        BuildingListTitles = true;
        std::string t = ExpandTemplate(Options.PlayListFormat, vorne::player::library::FixFileName(path, PlayListPath), true);
        BuildingListTitles = false;
        Store.SetTitle(i, std::move(t));
    }
    std::vector<bool> sel = List1.Selection();
    const int index = List1.ListIndex();
    RefreshList();
    if (index >= 0 && index < List1.ListCount()) List1.SetListIndex(index);
    List1.SetSelection(sel);
}

namespace {
int FirstSelected(const std::vector<bool>& sel) {
    for (size_t i = 0; i < sel.size(); ++i)
        if (sel[i]) return static_cast<int>(i);
    return -1;
}
}  // namespace

void FrmList::cmdDel_Click() {
    std::vector<bool> sel = List1.Selection();
    if (FirstSelected(sel) < 0) return;
    Store.DeleteSelected(sel);
    RefreshList();
}

void FrmList::cmdMoveUp_Click() { MoveSelected(true); }
void FrmList::cmdMoveDn_Click() { MoveSelected(false); }

void FrmList::MoveSelected(bool up) {
    std::vector<bool> sel = List1.Selection();
    if (!(up ? Store.MoveSelectedUp(sel) : Store.MoveSelectedDown(sel))) return;
    RefreshList();
    const int first = FirstSelected(sel);
    if (first >= 0) List1.SetListIndex(first);
    List1.SetSelection(sel);
}

void FrmList::Sort(bool ascending) {
    Store.Sort(ascending);
    RefreshList();
}

}  // namespace vorne::player
