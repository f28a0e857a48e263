#include "player/app/playlist_window.h"

#include <ctime>

#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/window_procs.h"

namespace vorne::player {

namespace App = forms::App;

FrmList& frmList() { return forms::DefaultInstance<FrmList>(); }

std::string ListDateNow() { return library::FormatListDate(std::time(nullptr)); }

namespace {
library::TitleBuilder Titles() {
    return [](const std::string& path, bool pathAsTitle) {
        BuildingListTitles = true;
        std::string t = ExpandTemplate(Options.PlayListFormat, path, pathAsTitle);
        BuildingListTitles = false;
        return t;
    };
}
}  // namespace

FrmList::FrmList() : Form("frmList"), List1(*this, "List1"), lblTotTime(*this, "lblTotTime") {
    SetCaption("Vorne Play List");
    const float px = forms::TwipsPerPixelX(), py = forms::TwipsPerPixelY();
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

library::ListResult FrmList::LoadPlayList(const std::string& file) {
    library::ListResult r = library::LoadPlayList(file, Store, PlayListPath);
    if (r.ok) RefreshList();
    return r;
}

bool FrmList::AddFileToList(const std::string& path) { return Store.AddFileToList(path, Titles()); }

library::ListResult FrmList::LoadGenericList() {
    library::ListResult r = Generic.Load(App::Path(), Store);
    RefreshList();
    return r;
}

library::ListResult FrmList::SaveGenericList() { return Generic.Save(App::Path(), Store, ListDateNow()); }

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
    // Playing on start comes with the transport; the list keeps its place.
    if (Store.Count() > 0) {
        const int i = Options.LastSongIndex >= 0 && Options.LastSongIndex < Store.Count() ? Options.LastSongIndex : 0;
        List1.SetListIndex(i);
        List1.SetSelected(i, true);
        CurrentSongInfo = GetMp3Info(Store.PathAt(i));
    }
    SetOnTop(Options.AlwaysOnTop, hWnd());
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
    for (int i = 1; i <= std::min(m.imgPICS2optn.UBound(), skin::kMaxElementIndex); ++i) {
        forms::Image* img = m.imgPICS2optn.Find(i);
        if (img && m.Tables.imgPICS2optnInfo[i].Action == "Play List Button")
            m.MapPicture(*img, m.Tables.imgPICS2optnInfo[i].Picture, 1, 2, 0);
    }
}

void FrmList::Form_Resize() {
    const float px = forms::TwipsPerPixelX(), py = forms::TwipsPerPixelY();
    const int inner_w = ScaleWidth(), inner_h = ScaleHeight();
    const int top = List1.Top();
    const int w = inner_w - top - static_cast<int>(240 / px);
    const int h = inner_h - static_cast<int>(480 / py) - top - static_cast<int>(255 / py);
    if (w > 0 && h > 0) List1.Move(List1.Left(), top, w, h);
    lblTotTime.SetTop(inner_h - static_cast<int>(670 / py));
}


}  // namespace vorne::player
