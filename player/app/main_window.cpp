// The main window's load, close and hand-over.
#include "player/app/main_window.h"

#include <algorithm>

#include "player/app/globals.h"
#include "player/app/main_window_playback.h"
#include "player/app/playlist_window.h"
#include "player/app/trace.h"
#include "runtime/forms/window_procs.h"
#include "player/startup/handover.h"
#include "player/startup/instance.h"
#include "runtime/basic/basic.h"
#include "runtime/forms/help.h"

namespace vorne::player {

namespace App = forms::App;

FrmMain& frmMain() { return forms::DefaultInstance<FrmMain>(); }

namespace {

void Step(int n, const char* what) { Trace("load " + std::to_string(n) + " " + what); }

std::string ProgramFile(const char* name) {
    std::string folder = App::Path();
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder + name;
}

}  // namespace

FrmMain::FrmMain()
    : Form("frmMain"),
      chkRepeat("chkRepeat"),
      chkRandom("chkRandom"),
      chkLoop("chkLoop"),
      cmboObjects("cmboObjects"),
      cmboActions("cmboActions"),
      txtName("txtName"),
      txtCaption("txtCaption"),
      img1("img1"),
      img2("img2"),
      designer(cmboObjects, cmboActions, img1, img2, txtCaption),
      DisplayRefresh(*this, "DisplayRefresh"),
      Labels([this](int i) {
          auto l = std::make_unique<forms::Label>(*this, "Labels", i);
          // What every label takes from the template.
          l->SetBackStyle(0);
          l->SetAutoSize(true);
          l->SetForeColor(RGB(0, 255, 0));
          forms::FontSpec f;
          f.name = "Arial";
          f.size = 14.25f;
          l->SetFont(f);
          l->SetVisible(false);
          l->OnMouseDown = [this, i](const forms::MouseEvent& e) { RunElementEvent([&] { Labels_MouseDown(i, e); }); };
          l->OnMouseUp = [this, i](const forms::MouseEvent& e) { RunElementEvent([&] { Labels_MouseUp(i, e); }); };
          return l;
      }),
      imgPICS([this](int i) {
          auto img = std::make_unique<forms::Image>(*this, "imgPICS", i);
          img->OnMouseMove = [this, i](const forms::MouseEvent& e) { RunElementEvent([&] { imgPICS_MouseMove(i, e); }); };
          return img;
      }),
      imgPICS4img([this](int i) { return MakeButton("imgPICS4img", 2, i); }),
      imgPICS2img([this](int i) { return MakeButton("imgPICS2img", 0, i); }),
      imgPICS2optn([this](int i) { return MakeButton("imgPICS2optn", 1, i); }),
      Timer1(*this, "Timer1"),
      FadeTimer(*this, "FadeTimer") {
    SetCaption("Vorne");
    // Until the options place it: a third down the screen, centred.
    Move(forms::TwipsPerPixelX() * static_cast<float>((GetSystemMetrics(SM_CXSCREEN) - 317) / 2),
         forms::TwipsPerPixelY() * static_cast<float>(GetSystemMetrics(SM_CYSCREEN) / 3 - 119),
         forms::TwipsPerPixelX(), forms::TwipsPerPixelY());
    chkLoop.SetValue(forms::CheckBox::kChecked);  // "Play List Advances" starts ticked
    MakeTemplates();
}

FrmMain::~FrmMain() = default;

std::unique_ptr<forms::Image> FrmMain::MakeButton(const char* array, int kind, int i) {
    auto img = std::make_unique<forms::Image>(*this, array, i);
    img->OnMouseDown = [this, kind, i](const forms::MouseEvent& e) {
        RunElementEvent([&] { imgButton_MouseDown(kind, i, e); });
    };
    img->OnMouseMove = [this, kind, i](const forms::MouseEvent& e) {
        RunElementEvent([&] { imgButton_MouseMove(kind, i, e); });
    };
    img->OnMouseUp = [this, kind, i](const forms::MouseEvent& e) {
        RunElementEvent([&] { imgButton_MouseUp(kind, i, e); });
    };
    return img;
}

void FrmMain::MakeTemplates() {
    Labels.Load(0);
    for (auto* a : {&imgPICS, &imgPICS4img, &imgPICS2img, &imgPICS2optn}) a->Load(0).SetVisible(false);
}

void FrmMain::Form_Load() {
    // 1. A load while the program closes unloads again.
    if (AppClosing) {
        Step(1, "closing");
        Unload();
        return;
    }
    Step(1, "start");
    faceLoading_ = true;
    // 2. The help file lives beside the program.
    HelpFile = forms::HelpFilePath(App::Path());
    Step(2, "help file");
    // 3. No caption.
    forms::ShowTitleBar(hWnd(), false);
    Step(3, "title bar");
    // 4. 1 by 1 twip until the skin gives the size.
    SetWidth(1);
    SetHeight(1);
    Step(4, "size");
    // 5. The version text and the tray tip.
    VersionText = App::VersionText();
    SetTrayToolTip("Vorne - v" + VersionText);
    Step(5, ("version " + VersionText).c_str());
    // 6. The media control opens on an empty name.
    OpenMediaControl();
    Step(6, "media open");
    // 7. Defaults of the options before the file is read.
    Options.SnapDistance = 10;
    Options.ShowVideoWindow = 1;
    Options.TrayIconIndex = 6;
    Options.AlwaysOnTop = 0;
    Options.PriorityLevel = 2;
    Options.PlayListOnStart = 1;
    Options.SongInfoFormat = "%1 - %2%NL%3     %4%NL%6     %5";
    Options.TrayTipFormat = "%1 - %2  [%TR]";
    Options.PlayListFormat = "[%TT]%TB%1 - %2";
    Options.InfoRefreshSeconds = 1;
    Options.PlayListVisible = true;
    Step(7, "defaults");
    // 8. The designer's kind list.
    designer.FillKinds();
    Step(8, "kinds");
    // 9. Closed.
    SetState(psClosed);
    Step(9, "state closed");
    // 10. Repeat and random from the hidden check boxes.
    Options.RepeatOn = chkRepeat.GetValue() != 0;
    Options.RandomOn = chkRandom.GetValue() != 0;
    Options.ShowPlayList = true;
    Step(10, "flags");
    // 11. The stored options.
    MakeComponentArrays();
    LoadOptions();
    Step(11, "options");
    // 12. The hand-over hook and the mark, unless several instances are allowed.
    if (Options.AllowMultipleInstances == 0) {
        client_ = com::Ptr<SubclassClient>::Adopt(
            SubclassClient::Create([this](HWND h, UINT m, WPARAM w, LPARAM l) { return HandOverProc(h, m, w, l); }));
        HRESULT hr = subclasser_.Attach(client_.Get(), hWnd(), vorne::player::startup::kHandOverMessage);
        vorne::player::startup::MarkInstanceWindow(hWnd());
        Step(12, SUCCEEDED(hr) ? "hand-over hooked" : "hand-over not hooked");
    } else {
        Step(12, "multiple instances");
    }
    // 13. The process priority.
    forms::SetProcessPriority(Options.PriorityLevel);
    Step(13, "priority");
    // 14. The playlist window (its load runs the command line).
    frmList().Load();
    Step(14, "playlist");
    // 15. Shown or hidden.
    if (Options.ShowPlayList)
        Options.PlayListVisible = true;
    else
        frmList().Hide();
    Step(15, "playlist visibility");
    // 16. The face.
    bool skinned = false;
    if (!Options.SkinPath.empty()) skinned = OpenSkin(Options.SkinPath);
    // A remembered skin that is gone or broken must not leave the window
    // without a face: the built-in one takes its place.
    if (!skinned) MapDefaults();
    Step(16, skinned ? "skin file" : "built-in skin");
    // 17. The volume.
    SetupVolume();
    Step(17, "volume");
    // 18. On top.
    forms::SetOnTop(Options.AlwaysOnTop, hWnd());
    OnTopTicked = forms::IsOnTop(Options.AlwaysOnTop);
    Step(18, "on top");
    // 19. The toggles.
    RefreshAllOptions();
    Step(19, "toggles");
    // The face is complete: it goes on screen before the media control,
    // the tray icon and the menu are made, none of which it needs.
    if (Visible()) {
        UpdateWindow(hWnd());
        Trace("shown");
    }
    FinishLoadAfterFace();
}

void FrmMain::FinishLoadAfterFace() {
    FrmList& list = frmList();
    if (list.Loaded() && list.Visible()) UpdateWindow(list.hWnd());
    faceLoading_ = false;
    // 6, done now: the control, then a start's song.
    MakeMediaControl();
    std::vector<std::function<void()>> plays;
    plays.swap(playsAfterFace_);
    for (auto& play : plays) play();
    // 20. The tray icon.
    Tray1.OnEvent = [this](int event, int button) { Tray1_Event(event, button); };
    SetTrayPicture(Options.TrayIconIndex);
    SetTrayShown(true);
    Step(20, TrayIconShown ? "tray" : "no tray");
    // 21. Usage statistics.
    Options.Stats.TotalRuns = core::AddToStatistic(Options.Stats.TotalRuns, 1);
    SessionStartPlayTime = Options.Stats.TotalPlayTime;
    Step(21, "statistics");
    // 22. The popup menu.
    CreateCoolMenu();
    Step(22, "menu");
}

void FrmMain::LoadOptions() {
    const std::string file = core::OptionsFileName(App::Path());
    const core::LoadOutcome outcome = core::LoadOptionsFile(file, Options);
    if (outcome == core::LoadOutcome::FirstRun) {
        // The demo song, unless the first start was given a file of its own.
        FrmList& list = frmList();
        list.Load();
        if (list.Store.Empty()) {
            list.Store.Clear();
            list.AddFileToList(ProgramFile("Vornes.mp3"));
            list.RefreshList();
            if (list.List1.ListCount() > 0) {
                list.List1.SetListIndex(0);
                list.List1.SetSelected(0, true);
                PlayWhenFaceShown([] { frmList().PlaySelected(); });
            }
        }
    }
    // The hidden check boxes take their stored values (0, 1 or 2).
    auto setCheck = [](forms::CheckBox& box, int16_t v) {
        if (v >= 0 && v <= 2) box.SetValue(v);
    };
    setCheck(chkRandom, Options.RandomCheck);
    setCheck(chkRepeat, Options.RepeatCheck);
    chkLoop.SetValue(Options.LoopTicked ? forms::CheckBox::kChecked : forms::CheckBox::kUnchecked);
    if (auto ms = core::RefreshIntervalMs(Options.InfoRefreshSeconds)) DisplayRefresh.SetInterval(*ms);
    if (Options.MainLeft || Options.MainTop)
        Move(Options.MainLeft.value_or(Left()), Options.MainTop.value_or(Top()), Width(), Height());
}

void FrmMain::SaveOptions() {
    Options.RandomCheck = static_cast<int16_t>(chkRandom.GetValue());
    Options.RepeatCheck = static_cast<int16_t>(chkRepeat.GetValue());
    Options.LoopTicked = chkLoop.Checked();
    Options.MainLeft = RestoreLeft();
    Options.MainTop = RestoreTop();
    FrmList& list = frmList();
    if (list.Loaded()) {
        Options.PlayListWindow = {list.RestoreLeft(), list.RestoreTop(), list.Width(), list.Height()};
    }
    core::SaveOptionsFile(core::OptionsFileName(App::Path()), Options);
}

void FrmMain::ParseCommand(const std::string& cmd, bool atStart) {
    if (!Visible()) Show();
    vorne::player::startup::ActivateWindow(hWnd());
    const vorne::player::startup::ParsedCommand parsed = vorne::player::startup::ClassifyCommand(cmd);
    FrmList& list = frmList();
    switch (parsed.kind) {
    case vorne::player::startup::CommandKind::LoadPlayList: {
        Trace("parse LoadPlayList " + parsed.path);
        vorne::player::library::ListResult r = list.LoadPlayList(parsed.path);
        if (!r.ok && !r.message.empty()) forms::MsgBox(r.message, forms::vbExclamation);
        break;
    }
    case vorne::player::startup::CommandKind::AddFile:
        Trace("parse AddFile " + parsed.path);
        list.AddFileToList(parsed.path);
        list.RefreshList();
        break;
    case vorne::player::startup::CommandKind::LoadGeneric:
        Trace("parse LoadGeneric " + parsed.path);
        list.LoadGenericList(atStart);
        break;
    case vorne::player::startup::CommandKind::ActivateOnly:
        if (atStart) {
            Trace("parse LoadGeneric");
            list.LoadGenericList(true);
        } else {
            Trace("parse ActivateOnly");
        }
        break;
    }
}

LONG FrmMain::HandOverProc(HWND, UINT msg, WPARAM, LPARAM lp) {
    if (msg != vorne::player::startup::kHandOverMessage || !lp) return 0;
    const auto* record = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    const vorne::player::startup::HandOver h = vorne::player::startup::ReceiveHandOver(record->lpData, record->cbData);
    switch (h.action) {
    case vorne::player::startup::HandOverAction::Reject:
        Trace("handover reject");
        break;
    case vorne::player::startup::HandOverAction::ShowWindow:
        Trace("handover show");
        SetWindowState(forms::vbNormal);
        Show();
        break;
    case vorne::player::startup::HandOverAction::Parse:
        Trace("handover parse " + std::to_string(h.text.size()));
        ParseCommand(h.text);
        break;
    }
    return 0;
}

void FrmMain::Form_QueryUnload(int&, int) {
    // The hook goes in every case. The mutex is closed only once everything
    // is saved (after the program's last window has gone), so a new start
    // cannot read a half-written options file.
    if (client_) subclasser_.Detach(client_.Get(), hWnd(), vorne::player::startup::kHandOverMessage);
}

void FrmMain::Form_Unload(int&) {
    SetTrayShown(false);
    CloseMediaControl();
    SaveOptions();
    AppClosing = true;
    frmList().Unload();
    UnloadAllForms();
    Trace("unloaded");
}

void FrmMain::Form_Resize() {
    // A face being built while hidden is not shown by its own resizing.
    if (!Visible()) return;
    if (WindowState() == forms::vbMinimized) {
        frmList().Hide();
        // Hidden only where the tray icon can bring it back; otherwise it
        // stays minimised on the taskbar.
        if (TrayIconShown) Hide();
        return;
    }
    if (WindowState() == forms::vbNormal && Options.PlayListVisible) {
        frmList().Show();
        Show();
        BringWindowToTop(hWnd());  // in front of the list
    }
}

void FrmMain::ShowFace() {
    Show();
    Form_Resize();
}

void FrmMain::UnloadAllForms() { forms::Form::UnloadAll(); }

void FrmMain::UpdateBitFreqLabels() {
    for (int i = 1; i <= std::min(Labels.UBound(), vorne::player::skin::kMaxElementIndex); ++i) {
        forms::Label* l = Labels.Find(i);
        if (!l) continue;
        const std::string& action = Tables.LabelsInfo[i].Action;
        if (action == "Kbps Display") l->SetCaption(std::to_string(CurrentSongInfo.BitRate / 1000));
        if (action == "Frequency Display") l->SetCaption(std::to_string(CurrentSongInfo.Frequency / 1000));
    }
}


}  // namespace vorne::player
