// The main window's commands: the popup menu and its handlers, the keys,
// the tray icon, and the window's drag, snap and double click.
#include "player/app/main_window.h"

#include <shellapi.h>

#include <stdexcept>

#include "player/app/globals.h"
#include "player/app/main_window_playback.h"
#include "player/app/playlist_window.h"
#include "player/app/trace.h"
#include "components/component_ids.h"
#include "runtime/forms/window_procs.h"
#include "platform/mediaplayer/media_player.h"
#include "player/commands/window_commands.h"
#include "player/dialogs/child_controls.h"
#include "player/dialogs/dialogs.h"
#include "player/icons/icons.h"
#include "player/library/addfiles/add_files_window.h"
#include "player/library/cassette/cassette_window.h"
#include "player/library/id3v1_codepage_win32.h"
#include "runtime/registry/registry_win32.h"
#include "player/library/tageditor/tag_editor_window.h"
#include "player/preferences/preferences_dialog.h"
#include "runtime/com/late_bound.h"
#include "runtime/forms/help.h"

namespace vorne::player {

using commands::Command;
namespace App = forms::App;

namespace {

// What the preferences dialog changes in the running player.
class PreferencesWiring : public preferences::OptionsDialogHost {
public:
    void SetProcessPriority(int level) override { forms::SetProcessPriority(level); }
    void SetBufferingTime(double seconds) override { frmMain().SetBufferingTime(seconds); }
    double BufferingTime() override { return frmMain().BufferingTime(); }
    void SetTrayPicture(int n) override { frmMain().SetTrayPicture(n); }
    // The interval alone: 0 stops the refresh until a non-zero interval is
    // applied, whatever switches it on meanwhile; a refresh that playback
    // or the "Song Info" label has switched off stays off.
    void SetRefreshInterval(int32_t ms) override { frmMain().DisplayRefresh.SetInterval(ms > 0 ? ms : 0); }
    int32_t SelectedTitle() override { return frmList().List1.ListIndex(); }
    void ReshowTrayIcon() override { frmMain().ReshowTrayIcon(); }
};

vorne::registry::RegistryWin32& SystemRegistry() {
    static vorne::registry::RegistryWin32 registry;
    return registry;
}

preferences::FrmOptions& frmOptions() {
    static PreferencesWiring host;
    static auto* form = new preferences::FrmOptions(
        Options, host, SystemRegistry(), preferences::ProgramBase(App::Path(), App::EXEName()));
    return *form;
}
dialogs::FrmStats& frmStats() {
    static auto* form = new dialogs::FrmStats(Options.Stats);
    return *form;
}
dialogs::FrmAbout& frmAbout() { return forms::DefaultInstance<dialogs::FrmAbout>(); }
dialogs::FrmInfo& frmAuthorInfo() {
    static auto* form = new dialogs::FrmInfo(AuthorInfo);
    return *form;
}

}  // namespace

// --- the popup menu

void FrmMain::CreateCoolMenu() {
    dialogs::SetOnTopRule([](HWND h) {
        int16_t flag = Options.AlwaysOnTop;
        forms::SetOnTop(flag, h);
    });
    // The hidden check boxes keep the menu entries in step, also when code sets them.
    RandomTicked = chkRandom.GetValue() == 1;
    RepeatTicked = chkRepeat.GetValue() == 1;
    chkRandom.OnClick = [this] { chkRandom_Click(); };
    chkRepeat.OnClick = [this] { chkRepeat_Click(); };
    cP.Create(hWnd(), {OnTopTicked, chkLoop.Checked(), Options.RandomOn, Options.RepeatOn});
}

void FrmMain::ShowPopupMenu() {
    SyncRandomRepeatTicks();
    DoClicks(cP.ShowAtCursor());
}

void FrmMain::ShowPopupMenuAt(const forms::Image& button) {
    SyncRandomRepeatTicks();
    DoClicks(cP.ShowAtWindowPoint(button.Left() * forms::TwipsPerPixelX(), button.Top() * forms::TwipsPerPixelY()));
}

void FrmMain::DoClicks(long index) {
    commands::DoClicks(cP.Menu().Model(), static_cast<int>(index), [this](Command c, int item) { RunCommand(c, item); });
}

void FrmMain::SyncRandomRepeatTicks() {
    // The skin's toggles change the flags; the menu kept under its name follows.
    if (!cP.Created()) return;
    auto& menu = cP.Menu();
    menu.Restore(std::string(commands::kCoolMenuName));
    menu.SetChecked(commands::kRandomItem, Options.RandomOn);
    menu.SetChecked(commands::kRepeatItem, Options.RepeatOn);
    menu.Store(std::string(commands::kCoolMenuName));
}

void FrmMain::RunCommand(Command c, int item) {
    switch (c) {
    case Command::None: break;
    case Command::Options: cmdOptions_Click(); break;
    case Command::About: cmdAbout_Click(); break;
    case Command::Help: cmdHelp_Click(); break;
    case Command::Exit: cmdExit_Click(); break;
    case Command::Skin: cmdSkin_Click(); break;
    case Command::ViewAuthor: frmAuthorInfo().Show(); break;
    case Command::DefaultSkin: cmdDefaultSkin_Click(); break;
    case Command::OnTop:
        cmdontop_Click();
        cP.Menu().SetChecked(item, OnTopTicked);
        break;
    case Command::Snap: Form_DblClick(); break;
    case Command::TagInfo: cmdTag_Click(); break;
    case Command::Previous: cmdPrev_Click(); break;
    case Command::Play: cmdPlay_Click(); break;
    case Command::Pause: cmdPause_Click(); break;
    case Command::Stop: cmdStop_Click(); break;
    case Command::Next: cmdNext_Click(); break;
    case Command::FadeOut: cmdFadeout_Click(); break;
    case Command::FadeIn: cmdFadein_Click(); break;
    case Command::Random:
        cmdRandom_Click();
        cP.Menu().SetChecked(item, RandomTicked);
        Options.RandomOn = RandomTicked;
        RefreshAllOptions();
        break;
    case Command::Repeat:
        cmdRepeat_Click();
        cP.Menu().SetChecked(item, RepeatTicked);
        Options.RepeatOn = RepeatTicked;
        RefreshAllOptions();
        break;
    case Command::Load: cmdLoad_Click(); break;
    case Command::OpenLocation: cmdOpenLoc_Click(); break;
    case Command::Advances:
        chkLoop_Click();
        cP.Menu().SetChecked(item, chkLoop.Checked());
        break;
    case Command::VideoWindow: cmdShowVid_Click(); break;
    case Command::Statistics: cmdStat_Click(); break;
    case Command::OutputToWave: cmdOutput_Click(); break;
    case Command::AudioCassette: cmdAudioCass_Click(); break;
    case Command::TagEditor: cmdTag_Click(); break;
    }
}

// --- the keys

void FrmMain::Form_KeyUp(int& key, int shift) {
    const Command c = commands::CommandForKeyUp(key, shift);
    if (c != Command::None) RunCommand(c, 0);
    CleanControlImages();
}

void FrmMain::GenerateForm_KeyUp(int key, int shift) { Form_KeyUp(key, shift); }

void FrmList::Form_KeyUp(int& key, int shift) { frmMain().GenerateForm_KeyUp(key, shift); }

void ShowAddFilesWindow() {
    vorne::player::library::addfiles::AddFilesHost host;
    host.addFile = [](const std::string& path) { frmList().AddFileToList(path); };
    host.listChanged = [] { frmList().RefreshList(); };
    host.lastAddFolder = [] { return Options.LastAddFolder; };
    host.setLastAddFolder = [](const std::string& folder) { Options.LastAddFolder = folder; };
    host.applyOnTop = [](HWND h) { dialogs::ApplyOnTopRule(h); };
    vorne::player::library::addfiles::frmAdd().SetHost(std::move(host));
    vorne::player::library::addfiles::frmAdd().Show();
}

// --- the handlers of the hidden menu

void FrmMain::cmdAbout_Click() { frmAbout().Show(); }
void FrmMain::cmdAudioCass_Click() {
    vorne::player::library::cassette::CassetteHost host;
    host.playlist = &frmList().Store;
    host.playlistSelection = [] { return frmList().List1.Selection(); };
    host.playlistChanged = [] { frmList().RefreshList(); };
    host.seconds = [](const std::string& path) { return core::GetMp3Info(path).Duration / 1000.0; };
    vorne::player::library::cassette::frmAudioCass().SetHost(std::move(host));
    vorne::player::library::cassette::frmAudioCass().Show();
}
void FrmMain::cmdOptions_Click() { frmOptions().Show(); }
void FrmMain::cmdOutput_Click() {
    if (ShowOutputWindow) ShowOutputWindow();
}
void FrmMain::cmdShowVid_Click() {
    if (ShowVideoWindow) ShowVideoWindow();
}
void FrmMain::cmdStat_Click() { frmStats().Show(); }
namespace {

// The tag editor lets the player's file go while it writes it.
class TagEditorMediaPlayer : public vorne::player::library::tageditor::TagEditorPlayer {
public:
    bool IsCurrent(const std::string& path) override { return lstrcmpiA(path.c_str(), CurrentFile.c_str()) == 0; }
    vorne::player::library::tageditor::PlayerHold Release() override {
        vorne::player::library::tageditor::PlayerHold hold;
        auto& media = frmMain().Playback().media;
        hold.position = static_cast<int32_t>(media.Position() + 0.5);
        const long state = media.PlayState();
        hold.state = state == 2 ? 2 : state == 1 ? 1 : 0;
        Open("");
        return hold;
    }
    void Reopen(const std::string& path) override { Open(path); }
    bool IsPlaying() override { return frmMain().Playback().media.PlayState() == 2; }
    void Resume(const vorne::player::library::tageditor::PlayerHold& hold) override {
        auto& media = frmMain().Playback().media;
        media.SetPosition(hold.position);
        if (hold.state == 0) media.Stop();
        if (hold.state == 1) media.Pause();
    }

private:
    static void Open(const std::string& path) {
        if (IDispatch* d = frmMain().NSPlay1()) com::CallMethod(d, vorne::mediaplayer::kDispOpen, {com::TextArg(path)});
    }
};

}  // namespace

// The tag editor, modal, filled from path (the song now selected when path
// is empty). Its first use loads it, and the load runs before the fill.
static void ShowTagEditor(const std::string& path) {
    static TagEditorMediaPlayer player;
    vorne::player::library::tageditor::FrmIDTAG& editor = vorne::player::library::tageditor::frmIDTAG();
    if (!editor.Loaded()) {
        vorne::player::library::tageditor::TagEditorHost host;
        host.env.currentFile = [] { return CurrentFile; };
        host.env.currentSongInfo = [] { return CurrentSongInfo; };
        host.env.songInfo = [](const std::string& p) { return core::GetMp3Info(p); };
        host.env.codePage = vorne::player::library::AnsiCodePage();
        host.env.yield = [] { forms::DoEvents(); };
        host.env.clockMs = [] { return static_cast<int64_t>(GetTickCount64()); };
        host.player = &player;
        host.onTop = [](HWND h, bool useOption) {
            int16_t flag = useOption ? Options.AlwaysOnTop : 0;
            forms::SetOnTop(flag, h);
        };
        host.refreshControls = [] { frmMain().Refresh4Controls(); };
        host.setOpen = [](bool open) { TagEditorOpen = open; };
        editor.SetHost(std::move(host));
    }
    editor.MapData(path);
    editor.Show(forms::vbModal);
}

// The song the playlist has selected, else the one playing.
void FrmMain::cmdTag_Click() { frmList().cmdTag_Click(); }

void FrmList::cmdTag_Click() {
    const int i = List1.ListIndex();
    std::string path;
    if (i >= 0 && i < Store.Count()) path = vorne::player::library::FixFileName(Store.PathAt(i), PlayListPath);
    ShowTagEditor(path);
}
void FrmMain::cmdLoad_Click() { frmList().LoadList(); }
void FrmMain::cmdSnap_Click() { Form_DblClick(); }

void FrmMain::cmdDefaultSkin_Click() {
    Options.SkinPath.clear();
    for (auto& s : AuthorInfo) s.clear();
    MapDefaults();
}

void FrmMain::cmdHelp_Click() {
    HWND owner = GetActiveWindow();
    if (!WinHelpA(owner, HelpFile.c_str(), HELP_FINDER, 0))
        ShellExecuteA(owner, "open", HelpFile.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void FrmMain::cmdExit_Click() {
    SetTrayShown(false);
    cmdStop_Click();
    SetWindowState(forms::vbNormal);
    Show();
    forms::DoEvents();
    Unload();
}

void FrmMain::cmdSkin_Click() {
    CD.FileName = !Options.SkinPath.empty() ? Options.SkinPath : App::Path() + "\\Skins\\*.vsk";
    CD.Filter = "Vorne Skins|*.vsk";
    CD.Flags = forms::cdlOFNHideReadOnly | forms::cdlOFNPathMustExist;
    if (!CD.ShowOpen()) return;  // cancelled: nothing changes
    const std::string chosen = CD.FileName;
    if (!OpenSkin(chosen)) return;
    // Kept and counted only when the skin loaded.
    Options.SkinPath = chosen;
    Options.Stats.TotalSkinsLoaded = core::AddToStatistic(Options.Stats.TotalSkinsLoaded, 1);
    SetupVolume();
    RefreshAllOptions();
}

void FrmMain::cmdontop_Click() {
    const bool on = !forms::IsOnTop(Options.AlwaysOnTop);
    Options.AlwaysOnTop = on ? 1 : 0;
    OnTopTicked = on;
    int16_t mine = Options.AlwaysOnTop, list = Options.AlwaysOnTop;
    forms::SetOnTop(mine, hWnd());
    if (frmList().Loaded()) forms::SetOnTop(list, frmList().hWnd());
}

void FrmMain::chkLoop_Click() {
    chkLoop.SetValue(chkLoop.Checked() ? forms::CheckBox::kUnchecked : forms::CheckBox::kChecked);
    RefreshAllOptions();
}

void FrmMain::cmdRandom_Click() {
    RandomTicked = !RandomTicked;
    chkRandom.SetValue(RandomTicked ? 1 : 0);
}

void FrmMain::cmdRepeat_Click() {
    RepeatTicked = !RepeatTicked;
    chkRepeat.SetValue(RepeatTicked ? 1 : 0);
}

void FrmMain::chkRandom_Click() {
    RandomTicked = chkRandom.GetValue() == 1;
    RefreshAllOptions();
}

void FrmMain::chkRepeat_Click() {
    RepeatTicked = chkRepeat.GetValue() == 1;
    RefreshAllOptions();
}

// --- the scrolling labels' direction menu

void FrmMain::ShowScrollMenu(int labelIndex) {
    if (cmdScrolldir_.empty()) {
        const char* const captions[4] = {"Scroll Left", "Scroll Right", "Scroll Up", "Scroll Down"};
        for (int i = 0; i < 4; ++i) {
            cmdScrolldir_.push_back(std::make_unique<forms::MenuItem>("cmdScrolldir", captions[i]));
            cmdScrolldir_.back()->OnClick = [this, i] { cmdScrolldir_Click(i); };
            mnuDisplay_.Add(*cmdScrolldir_.back());
        }
    }
    ScrollMenuIndex = labelIndex;
    activex::ControlSite* s = SLabels ? (*SLabels)[labelIndex] : nullptr;
    if (!s) return;
    VARIANT v;
    VariantInit(&v);
    long direction = -1;
    if (SUCCEEDED(com::GetProperty(s->Control(), vorne::components::kScrollerDirection, &v)) &&
        SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4)))
        direction = v.lVal;
    VariantClear(&v);
    for (int i = 0; i < 4; ++i) cmdScrolldir_[static_cast<size_t>(i)]->SetChecked(i == direction);
    forms::PopupMenu(*this, mnuDisplay_);
}

void FrmMain::cmdScrolldir_Click(int index) {
    for (int i = 0; i < static_cast<int>(cmdScrolldir_.size()); ++i)
        cmdScrolldir_[static_cast<size_t>(i)]->SetChecked(i == index);
    activex::ControlSite* s = SLabels ? (*SLabels)[ScrollMenuIndex] : nullptr;
    if (!s) return;
    com::PutProperty(s->Control(), vorne::components::kScrollerDirection, com::LongArg(index));
    com::CallMethod(s->Control(), vorne::components::kScrollerResetScroll);
}

// --- the window itself

LRESULT FrmMain::Form_Message(UINT msg, WPARAM, LPARAM, bool&) {
    // A double click on the window's body (not on an element) snaps it.
    if (msg == WM_LBUTTONDBLCLK) {
        // Only the body: elements take their own clicks.
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hWnd(), &p);
        if (!HitTest(p.x, p.y)) Form_DblClick();
    }
    return 0;
}

void FrmMain::Form_MouseDown(const forms::MouseEvent& e) {
    if (e.button == forms::vbLeftButton) commands::DragWindow(hWnd());
}

void FrmMain::Form_MouseMove(const forms::MouseEvent&) { Refresh4Controls(); }

void FrmMain::Form_MouseUp(const forms::MouseEvent& e) {
    Seeking = false;
    if (e.button == forms::vbRightButton) ShowPopupMenu();
}

void FrmMain::Form_DblClick() { commands::SnapWindow(*this, Options.SnapDistance); }

// --- the tray icon

void FrmMain::SetTrayShown(bool on) {
    Tray1.SetShown(on);
    TrayIconShown = Tray1.Shown() && Tray1.LastCallSucceeded();
}

void FrmMain::ReshowTrayIcon() {
    SetTrayShown(false);
    SetTrayShown(true);
}

void FrmMain::SetTrayPicture(int n) {
    if (!trayPictures_) trayPictures_ = vorne::player::icons::LoadTrayPictures();
    if (!trayPictures_ || n < 1 || n > ImageList_GetImageCount(trayPictures_)) return;
    HICON icon = ImageList_GetIcon(trayPictures_, n - 1, ILD_NORMAL);
    Tray1.SetPicture(icon);
    DestroyIcon(icon);
}

void FrmMain::SetTrayToolTip(const std::string& tip) {
    TrayToolTip = tip;
    Tray1.SetToolTip(tip);
}

double FrmMain::BufferingTime() {
    VARIANT v;
    VariantInit(&v);
    double seconds = 0;
    if (NSPlay1() && SUCCEEDED(com::GetProperty(NSPlay1(), vorne::mediaplayer::kDispBufferingTime, &v)) &&
        SUCCEEDED(VariantChangeType(&v, &v, 0, VT_R8)))
        seconds = v.dblVal;
    VariantClear(&v);
    return seconds;
}

void FrmMain::SetBufferingTime(double seconds) {
    if (!NSPlay1() || FAILED(com::PutProperty(NSPlay1(), vorne::mediaplayer::kDispBufferingTime, com::DoubleArg(seconds))))
        throw std::runtime_error("the media control refused the buffering time");
}

void FrmMain::Tray1_Event(int event, int button) {
    try {
        switch (commands::TrayEventAction(event, button, Visible())) {
        case commands::TrayAction::None: break;
        case commands::TrayAction::PopupMenu: ShowPopupMenu(); break;
        case commands::TrayAction::HideToTray:
            frmList().Hide();
            Hide();
            SetWindowState(forms::vbMinimized);
            break;
        case commands::TrayAction::ShowFromTray:
            SetWindowState(forms::vbNormal);
            ShowFace();
            SetForegroundWindow(hWnd());
            break;
        }
    } catch (...) {
    }
}

}  // namespace vorne::player
