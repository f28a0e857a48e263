#include "player/preferences/preferences_dialog.h"

#include "player/dialogs/child_controls.h"
#include "player/icons/icons.h"
#include "runtime/forms/child_windows.h"
#include "runtime/registry/associate.h"
#include "runtime/forms/dialogs.h"

namespace vorne::player::preferences {

namespace {

using forms::WindowText;

constexpr int kPageGeneral = 0, kPageDisplay = 1, kPageTypes = 2;
constexpr int kAllPages = -1;
constexpr int kTypeIconSize = 32;
constexpr int kWidth = 540;


}  // namespace

FrmOptions::FrmOptions(core::OptionsFile& options, OptionsDialogHost& host, vorne::registry::Registry& registry,
                       std::string programBase, HINSTANCE module)
    : Form("frmOptions"),
      TS(*this, "TS"),
      options_(options),
      host_(host),
      registry_(registry),
      programBase_(std::move(programBase)),
      module_(module ? module : GetModuleHandleA(nullptr)) {
    SetCaption("Vorne Prefrences");
    TS.SetTabs({"General", "Display", "File Types"});
    TS.Move(8, 8, 524, 382);
    TS.OnTabClick = [this] { TS_Click(); };
}

FrmOptions::~FrmOptions() {
    if (Loaded()) Unload();
}

HWND FrmOptions::Item(int id) const {
    auto it = items_.find(id);
    return it == items_.end() ? nullptr : it->second;
}

namespace {
// A page's container hands what its controls report on to the form.
LRESULT CALLBACK PageProc(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    switch (m) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return SendMessageA(GetParent(h), m, w, l);
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(h, &r);
        FillRect(reinterpret_cast<HDC>(w), &r, GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(h, PageProc, 1);
        break;
    default:
        break;
    }
    return DefSubclassProc(h, m, w, l);
}
}  // namespace

HWND FrmOptions::Add(int page, const char* cls, const std::string& text, DWORD style, int x, int y, int w, int h,
                     int id, DWORD exStyle) {
    // Page controls live in their page's container, placed in form pixels.
    HWND parent = page >= 0 ? pages_[static_cast<size_t>(page)] : hWnd();
    POINT at{x, y};
    if (page >= 0) MapWindowPoints(hWnd(), parent, &at, 1);
    HWND c = forms::MakeChild(parent, cls, text, style, at.x, at.y, w, h, id, exStyle);
    if (c && id) items_[id] = c;
    return c;
}

HWND FrmOptions::Slider(int page, int id, int x, int y, int w, int min, int max) {
    HWND s = Add(page, TRACKBAR_CLASSA, "", WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS, x, y, w, 26, id);
    SendMessageA(s, TBM_SETRANGE, TRUE, MAKELPARAM(min, max));
    SendMessageA(s, TBM_SETLINESIZE, 0, 1);
    SendMessageA(s, TBM_SETPAGESIZE, 0, 1);
    return s;
}

void FrmOptions::Form_Load() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    HWND w = hWnd();
    dialogs::SizeAndCentre(*this, kWidth, 432);
    SetBackColor(GetSysColor(COLOR_BTNFACE));
    // One container per page over the tab strip's page area.
    const forms::Rect area = TS.PageArea();
    for (auto& page : pages_) {
        page = CreateWindowExA(WS_EX_CONTROLPARENT, "STATIC", "", WS_CHILD | WS_CLIPSIBLINGS, area.left, area.top,
                               area.width, area.height, w, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowSubclass(page, PageProc, 1, 0);
        SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    const DWORD group = BS_GROUPBOX, check = BS_AUTOCHECKBOX | WS_TABSTOP;

    // --- General (every page's frames stand at the same left edge, 16 pixels)
    const int G = kPageGeneral;
    Add(G, "BUTTON", "Interface Prefrences", group, 16, 36, 250, 100);
    HWND cursors = Add(G, "BUTTON", "Show HelpFull Cursors", check, 26, 54, 232, 18, idCursors);
    Add(G, "STATIC", "Snap to: (pixels)", 0, 26, 78, 160, 16);
    Slider(G, idSnap, 22, 96, 196, kSnapRange.min, kSnapRange.max);
    Add(G, "STATIC", "", SS_RIGHT, 220, 100, 36, 16, idSnapLabel);

    Add(G, "BUTTON", "Playback Settings", group, 274, 36, 250, 160);
    Add(G, "STATIC", "", 0, 284, 54, 230, 16, idPrior);
    HWND prior = Slider(G, idSlider1, 280, 70, 236, kPriorityRange.min, kPriorityRange.max);
    Add(G, "STATIC", "Buffering Time:", 0, 284, 102, 160, 16);
    Slider(G, idBuf, 280, 118, 196, kBufferingRange.min, kBufferingRange.max);
    Add(G, "STATIC", "", SS_RIGHT, 478, 122, 36, 16, idBufLabel);
    Add(G, "BUTTON", "Show Video Window Automatically", check, 284, 166, 232, 18, idVid);

    Add(G, "BUTTON", "Play List Options", group, 16, 142, 250, 168);
    HWND onStart = Add(G, "BUTTON", "Start Playing Playlist after Start", check, 26, 160, 234, 18, idPlayOnStart);
    HWND memory = Add(G, "BUTTON", "Remember Last Song Played on Exit", check, 26, 180, 234, 18, idMemory);
    HWND follow = Add(G, "BUTTON", "Play List Follows Player", check, 26, 200, 234, 18, idFollow);
    HWND waitGroup = Add(G, "BUTTON", "Play List Wait", group, 26, 222, 230, 78);
    Add(G, "STATIC", "", 0, 36, 242, 210, 16, idWaitLabel);
    HWND wait = Slider(G, idWait, 32, 262, 216, kWaitRange.min, kWaitRange.max);

    HWND trayGroup = Add(G, "BUTTON", "Tray Icon", group, 274, 202, 250, 108);
    Add(G, "STATIC", "", SS_ICON, 286, 226, 16, 16, idPicTray);
    HWND tray = Slider(G, idTray, 310, 220, 206, 1, kDesignIconMax);
    HWND show = Add(G, "BUTTON", "ReShow Tray Icon", WS_TABSTOP, 286, 262, 150, 26, idShow);

    Add(G, "BUTTON", "Allow Multiple Instances", check, 22, 326, 240, 18, idInstances);

    // --- Display
    const int D = kPageDisplay;
    Add(D, "BUTTON", "Object Formats", group, 16, 36, 508, 158);
    Add(D, "STATIC", "Format of Song Information:", 0, 26, 54, 300, 16);
    Add(D, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, 26, 70, 488, 22, idDisp, WS_EX_CLIENTEDGE);
    Add(D, "STATIC", "Format of System Tray ToolTip:", 0, 26, 100, 300, 16);
    Add(D, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, 26, 116, 488, 22, idTip, WS_EX_CLIENTEDGE);
    Add(D, "STATIC", "Format of Play List:", 0, 26, 146, 300, 16);
    Add(D, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, 26, 162, 488, 22, idPlayList, WS_EX_CLIENTEDGE);
    Add(D, "BUTTON", "Extra Settings", group, 16, 200, 190, 84);
    Add(D, "STATIC", "Update every (secs)", 0, 26, 218, 160, 16);
    HWND refresh = Slider(D, idSlider2, 22, 238, 140, kRefreshRange.min, kRefreshRange.max);
    Add(D, "STATIC", "", SS_RIGHT, 162, 242, 36, 16, idRefreshLabel);
    Add(D, "BUTTON", "Format Codes", group, 214, 200, 310, 180);
    Add(D, "STATIC", "Substitute the info you want for one of the codes", 0, 224, 218, 290, 16);
    const char* const codes[] = {"%1 = ID3 Artist",   "%2 = ID3 Title",   "%3 = ID3 Album",    "%4 = ID3 Year",
                                 "%5 = ID3 Comment",  "%6 = ID3 Genre",   "%TC = Current Time", "%TT = Total Time",
                                 "%TR = Time Remaining", "%TB = Tab",     "%NL = New Line"};
    for (int i = 0; i < 11; ++i)
        Add(D, "STATIC", codes[i], 0, 224 + (i % 2) * 150, 242 + (i / 2) * 20, 148, 16);

    // --- File Types
    const int T = kPageTypes;
    Add(T, "STATIC", "Available File Formats", 0, 16, 36, 200, 16);
    HWND list = Add(T, WC_LISTVIEWA, "",
                    LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_VSCROLL, 16,
                    54, 200, 328, idList1, WS_EX_CLIENTEDGE);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    LVCOLUMNA col{};
    col.mask = LVCF_WIDTH;
    col.cx = 170;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&col));
    Add(T, "STATIC", "Associated with:", 0, 228, 36, 200, 16);
    Add(T, "EDIT", "", ES_AUTOHSCROLL | ES_READONLY, 228, 54, 296, 22, idWith, WS_EX_CLIENTEDGE);
    Add(T, "EDIT", "", ES_AUTOHSCROLL | ES_READONLY, 228, 80, 296, 22, idWith1, WS_EX_CLIENTEDGE);
    Add(T, "BUTTON", "Save Changes", WS_TABSTOP, 228, 110, 130, 26, idSave);
    Add(T, "STATIC", "Check the Boxes you wish to have associated with Vorne.  When done, Click Save Changes", 0, 228,
        142, 296, 44);
    Add(T, "BUTTON", "Play List Icon", group, 228, 192, 144, 96);
    Add(T, "STATIC", "", SS_ICON, 284, 210, kTypeIconSize, kTypeIconSize, idPicPL);
    Slider(T, idPL, 234, 252, 132, 0, kDesignIconMax);
    Add(T, "BUTTON", "Media Icon", group, 380, 192, 144, 96);
    Add(T, "STATIC", "", SS_ICON, 436, 210, kTypeIconSize, kTypeIconSize, idPicMedia);
    Slider(T, idMedia, 386, 252, 132, 0, kDesignIconMax);
    Add(T, "STATIC", "You may need to restart the computer for the icons to change", 0, 228, 296, 296, 30);

    // --- the buttons under the pages
    Add(kAllPages, "BUTTON", "Apply", WS_TABSTOP | BS_DEFPUSHBUTTON, 364, 398, 80, 26, idApply);
    Add(kAllPages, "BUTTON", "Cancel", WS_TABSTOP, 452, 398, 80, 26, idCancel);

    forms::SetChildTip(w, cursors, "Cursor will change showing you what can be done to a particular object");
    forms::SetChildTip(w, prior,
               "Changing the Priority level will improve skip protection.  Do not use real-time unles you have a "
               "fast computer!");
    forms::SetChildTip(w, memory, "Will remember the Last Song Played, so that when you start Vorne next time, it wil load it");
    forms::SetChildTip(w, onStart, "Check this to make Vorne begin playing the play list as soon as it is launched");
    for (HWND h : {wait, waitGroup})
        forms::SetChildTip(w, h, "Wait x seconds before playing the next song (good for recording Audio Casettes)");
    forms::SetChildTip(w, follow, "Playlist will resize and follow the main window");
    for (HWND h : {tray, trayGroup}) forms::SetChildTip(w, h, "Change the appearance of the Icon in the Tray");
    forms::SetChildTip(w, show, "Use this if Explorer has crashed and you can no longer see the icon in the Tray");
    forms::SetChildTip(w, refresh,
               "Length of time to wait before updating Song Information Display and System Tray ToolTip");

    // The pictures: six tray pictures; the type icons counted from the resources.
    trayPictures_ = vorne::player::icons::LoadTrayPictures(module_);
    const int trayMax = trayPictures_ ? ImageList_GetImageCount(trayPictures_) : 1;
    SendMessageA(tray, TBM_SETRANGEMAX, TRUE, trayMax);
    const int iconMax = TypeIconMax([this](int id) {
        HICON icon = static_cast<HICON>(LoadImageA(module_, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        if (icon) DestroyIcon(icon);
        return icon != nullptr;
    });
    SendMessageA(Item(idPL), TBM_SETRANGEMAX, TRUE, iconMax);
    SendMessageA(Item(idMedia), TBM_SETRANGEMAX, TRUE, iconMax);

    double buffering = 1;
    try {
        buffering = host_.BufferingTime();
    } catch (...) {
    }
    SetValues(ShowCurrentOptions(options_, buffering, iconMax, trayMax));
    dialogs::ApplyOnTopRule(w);
    createlistofSpecs();
    CheckSpecAssociation();
    ShowTypeIconPreview(idMedia, idPicMedia);
    ShowTypeIconPreview(idPL, idPicPL);
    ShowPage(0);
    TS.SetSelectedTab(1);
}

void FrmOptions::Form_Unload(int&) {
    pages_ = {};
    items_.clear();
    if (trayPictures_) ImageList_Destroy(trayPictures_);
    trayPictures_ = nullptr;
    for (auto& [id, icon] : icons_) DestroyIcon(icon);
    icons_.clear();
}

// ---- values

namespace {
bool Checked(HWND h) { return h && SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetChecked(HWND h, bool on) {
    if (h) SendMessageA(h, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}
int Position(HWND h) { return h ? static_cast<int>(SendMessageA(h, TBM_GETPOS, 0, 0)) : 0; }
void SetPosition(HWND h, int v) {
    if (h) SendMessageA(h, TBM_SETPOS, TRUE, v);
}
}  // namespace

PreferenceValues FrmOptions::Values() const {
    PreferenceValues v;
    v.playOnStart = Checked(Item(idPlayOnStart));
    v.priority = Position(Item(idSlider1));
    v.songInfoFormat = WindowText(Item(idDisp));
    v.trayTipFormat = WindowText(Item(idTip));
    v.playListFormat = WindowText(Item(idPlayList));
    v.refreshSeconds = Position(Item(idSlider2));
    v.follows = Checked(Item(idFollow));
    v.helpfulCursors = Checked(Item(idCursors));
    v.trayIcon = Position(Item(idTray));
    v.wait = Position(Item(idWait));
    v.showVideo = Checked(Item(idVid));
    v.multipleInstances = Checked(Item(idInstances));
    v.playListIcon = Position(Item(idPL));
    v.mediaIcon = Position(Item(idMedia));
    v.buffering = Position(Item(idBuf));
    v.snap = Position(Item(idSnap));
    v.rememberLastSong = Checked(Item(idMemory));
    return v;
}

void FrmOptions::SetValues(const PreferenceValues& v) {
    SetChecked(Item(idPlayOnStart), v.playOnStart);
    SetPosition(Item(idSlider1), v.priority);
    SetWindowTextA(Item(idDisp), v.songInfoFormat.c_str());
    SetWindowTextA(Item(idTip), v.trayTipFormat.c_str());
    SetWindowTextA(Item(idPlayList), v.playListFormat.c_str());
    SetPosition(Item(idSlider2), v.refreshSeconds);
    SetChecked(Item(idFollow), v.follows);
    SetChecked(Item(idCursors), v.helpfulCursors);
    SetPosition(Item(idTray), v.trayIcon);
    SetPosition(Item(idWait), v.wait);
    SetChecked(Item(idVid), v.showVideo);
    SetChecked(Item(idInstances), v.multipleInstances);
    SetPosition(Item(idPL), v.playListIcon);
    SetPosition(Item(idMedia), v.mediaIcon);
    SetPosition(Item(idBuf), v.buffering);
    SetPosition(Item(idSnap), v.snap);
    SetChecked(Item(idMemory), v.rememberLastSong);
    for (int id : {idSlider1, idWait, idTray, idBuf, idSnap, idSlider2, idPL, idMedia}) SliderMoved(id);
}

int FrmOptions::SliderMax(int id) const {
    return Item(id) ? static_cast<int>(SendMessageA(Item(id), TBM_GETRANGEMAX, 0, 0)) : 0;
}

std::string FrmOptions::LabelText(int id) const { return WindowText(Item(id)); }

// ---- pages

void FrmOptions::ShowPage(int page) {
    page_ = page;
    for (int p = 0; p < 3; ++p) ShowWindow(pages_[static_cast<size_t>(p)], p == page ? SW_SHOWNA : SW_HIDE);
}

void FrmOptions::TS_Click() { ShowPage(TS.SelectedTab() - 1); }

// ---- sliders

void FrmOptions::SetIcon(int picId, HICON icon) {
    if (!icon) return;
    SendMessageA(Item(picId), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    HICON& shown = icons_[picId];
    if (shown) DestroyIcon(shown);
    shown = icon;
}

void FrmOptions::ShowTrayPreview() {
    const int n = Position(Item(idTray));
    if (trayPictures_ && n >= 1 && n <= ImageList_GetImageCount(trayPictures_))
        SetIcon(idPicTray, ImageList_GetIcon(trayPictures_, n - 1, ILD_NORMAL));
}

void FrmOptions::ShowTypeIconPreview(int sliderId, int picId) {
    SetIcon(picId, vorne::player::icons::LoadFileTypeIcon(Position(Item(sliderId)), kTypeIconSize, module_));
}

void FrmOptions::SliderMoved(int id) {
    const int pos = Position(Item(id));
    switch (id) {
    case idSlider1:
        if (auto caption = PriorityCaption(pos)) SetWindowTextA(Item(idPrior), caption->c_str());
        break;
    case idWait: SetWindowTextA(Item(idWaitLabel), WaitCaption(pos).c_str()); break;
    case idTray: ShowTrayPreview(); break;
    case idPL: ShowTypeIconPreview(idPL, idPicPL); break;
    case idMedia: ShowTypeIconPreview(idMedia, idPicMedia); break;
    case idBuf: SetWindowTextA(Item(idBufLabel), std::to_string(pos).c_str()); break;
    case idSnap: SetWindowTextA(Item(idSnapLabel), std::to_string(pos).c_str()); break;
    case idSlider2: SetWindowTextA(Item(idRefreshLabel), std::to_string(pos).c_str()); break;
    default: break;
    }
}

// ---- the file types

void FrmOptions::createlistofSpecs() {
    filling_ = true;
    HWND list = Item(idList1);
    rows_ = FileTypeRows();
    list2_.assign(rows_.size(), false);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < rows_.size(); ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<char*>(rows_[i].c_str());
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    filling_ = false;
}

void FrmOptions::CheckSpecAssociation() {
    filling_ = true;
    const std::vector<bool> ticks = preferences::CheckSpecAssociation(registry_, rows_);
    for (size_t i = 0; i < rows_.size(); ++i) {
        SetRowTicked(static_cast<int>(i), ticks[i]);
        list2_[i] = ticks[i];
    }
    HWND list = Item(idList1);
    LVITEMA state{};
    state.stateMask = LVIS_FOCUSED;
    state.state = LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    filling_ = false;
}

bool FrmOptions::RowTicked(int row) const {
    HWND list = Item(idList1);
    if (!list) return false;
    const UINT s = static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return (s >> 12) == 2;
}

void FrmOptions::SetRowTicked(int row, bool on) {
    HWND list = Item(idList1);
    if (!list) return;
    LVITEMA state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(on ? 2 : 1);
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

void FrmOptions::List1_Click(int row) {
    std::string progId, command;
    if (row >= 0 && row < static_cast<int>(rows_.size()) && !IsHeading(rows_[static_cast<size_t>(row)])) {
        progId = vorne::registry::QueryFileType(registry_, rows_[static_cast<size_t>(row)], vorne::registry::ftqProgId);
        command = vorne::registry::QueryFileType(registry_, rows_[static_cast<size_t>(row)], vorne::registry::ftqCommand);
    }
    SetWindowTextA(Item(idWith), progId.c_str());
    SetWindowTextA(Item(idWith1), command.c_str());
}

std::string FrmOptions::AssociatedWith() const { return WindowText(Item(idWith)); }
std::string FrmOptions::AssociatedCommand() const { return WindowText(Item(idWith1)); }

void FrmOptions::cmdSave_Click() {
    std::vector<bool> ticked(rows_.size());
    for (size_t i = 0; i < rows_.size(); ++i) ticked[i] = RowTicked(static_cast<int>(i));
    const SaveResult r = SaveAssociations(registry_, rows_, ticked, list2_, programBase_, Position(Item(idPL)),
                                          Position(Item(idMedia)));
    if (r.failures > 0) {
        // Once for the whole save, however many rows failed.
        ++failureReports_;
        forms::MsgBox("Some file types could not be saved in the registry (error " + std::to_string(r.firstFailure) +
                          "). Their boxes show unticked.",
                      forms::vbExclamation, "Vorne Prefrences");
    }
    createlistofSpecs();
    CheckSpecAssociation();
}

// ---- buttons

void FrmOptions::cmdApply_Click() {
    ApplyOptions(Values(), options_, host_);
    Unload();
}

void FrmOptions::cmdShow_Click() {
    try {
        host_.ReshowTrayIcon();
    } catch (...) {
    }
}

LRESULT FrmOptions::Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) != BN_CLICKED) break;
        switch (LOWORD(wp)) {
        case idApply: handled = true; cmdApply_Click(); break;
        case idCancel: case IDCANCEL: handled = true; cmdancel_Click(); break;
        case idSave: handled = true; cmdSave_Click(); break;
        case idShow: handled = true; cmdShow_Click(); break;
        default: break;
        }
        break;
    case WM_HSCROLL:
        if (lp) {
            handled = true;
            SliderMoved(GetDlgCtrlID(reinterpret_cast<HWND>(lp)));
        }
        break;
    case WM_NOTIFY: {
        if (TS.FormNotify(lp)) {
            handled = true;
            break;
        }
        const auto* n = reinterpret_cast<const NMHDR*>(lp);
        if (n->idFrom == static_cast<UINT_PTR>(idList1) && n->code == LVN_ITEMCHANGED && !filling_) {
            const auto* c = reinterpret_cast<const NMLISTVIEW*>(lp);
            if ((c->uChanged & LVIF_STATE) && (c->uNewState & LVIS_SELECTED) && !(c->uOldState & LVIS_SELECTED))
                List1_Click(c->iItem);
        }
        break;
    }
    default:
        break;
    }
    return 0;
}

}  // namespace vorne::player::preferences
