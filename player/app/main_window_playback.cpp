// Playback on the main window: the media control and its events, the poll,
// the transport commands, the time and song displays, the volume and the
// fades, the position bar, and the mouse handling of the skin's text and
// button elements.
#include "player/app/main_window_playback.h"

#include <mmsystem.h>

#include <algorithm>

#include "platform/mediaplayer/media_player.h"
#include "platform/mediaplayer/wave_volume.h"
#include "components/component_ids.h"
#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/playlist_window.h"
#include "player/app/trace.h"
#include "player/core/text_display.h"
#include "player/library/tageditor/tag_editor_window.h"
#include "player/playback/displays.h"
#include "player/skin/element_tables.h"
#include "runtime/activex/container.h"
#include "runtime/com/late_bound.h"
#include "runtime/text/ansi.h"

namespace vorne::player {

using namespace vorne::components;
using vorne::player::playback::PlayerState;

namespace {

long GetLong(IDispatch* d, DISPID id, long fallback = 0) {
    com::Variant v;
    if (!d || FAILED(com::GetProperty(d, id, &v))) return fallback;
    return v.AsLong(fallback);
}

void PutLong(IDispatch* d, DISPID id, long v) {
    if (d) com::PutProperty(d, id, com::LongArg(v));
}

bool GetBool(IDispatch* d, DISPID id) { return GetLong(d, id, 0) != 0; }

void PutBool(IDispatch* d, DISPID id, bool v) {
    if (d) com::PutProperty(d, id, com::BoolArg(v));
}

std::string GetText(IDispatch* d, DISPID id) {
    com::Variant v;
    if (!d || FAILED(com::GetProperty(d, id, &v))) return {};
    return text::WideToAnsi(v.AsText());
}

void PutText(IDispatch* d, DISPID id, const std::string& t) {
    if (!d) return;
    VARIANT v = com::TextArg(t);
    com::PutProperty(d, id, v);
    VariantClear(&v);
}

// By-reference (or plain) event arguments of the components.
int ShortArg(DISPPARAMS* p, UINT i) {
    VARIANT* v = activex::EventArg(p, i);
    if (!v) return 0;
    if (v->vt == (VT_BYREF | VT_I2)) return *v->piVal;
    if (v->vt == VT_I2) return v->iVal;
    VARIANT c;
    VariantInit(&c);
    int r = SUCCEEDED(VariantChangeType(&c, v, 0, VT_I4)) ? c.lVal : 0;
    VariantClear(&c);
    return r;
}

bool BoolArg(DISPPARAMS* p, UINT i) {
    VARIANT* v = activex::EventArg(p, i);
    if (!v) return false;
    if (v->vt == (VT_BYREF | VT_BOOL)) return *v->pboolVal != VARIANT_FALSE;
    if (v->vt == VT_BOOL) return v->boolVal != VARIANT_FALSE;
    return ShortArg(p, i) != 0;
}

void SetShortArg(DISPPARAMS* p, UINT i, short value) {
    VARIANT* v = activex::EventArg(p, i);
    if (v && v->vt == (VT_BYREF | VT_I2)) *v->piVal = value;
}

int Last(int ubound) { return std::min(ubound, vorne::player::skin::kMaxElementIndex); }

}  // namespace

// --- walks over the elements ---------------------------------------------------------------

namespace {

// Each scroll bar element with the action, in index order.
template <class F>
void ForEachBar(FrmMain& w, const char* action, F&& f) {
    if (!w.ScrollBars) return;
    for (int i = 1; i <= Last(w.ScrollBars->UBound()); ++i) {
        activex::ControlSite* s = (*w.ScrollBars)[i];
        if (s && w.Tables.ScrollBarsInfo[i] == action) f(i, s->Control());
    }
}

// Each "Song Info" scrolling label.
template <class F>
void ForEachSongInfo(FrmMain& w, F&& f) {
    if (!w.SLabels) return;
    for (int i = 1; i <= Last(w.SLabels->UBound()); ++i) {
        activex::ControlSite* s = (*w.SLabels)[i];
        if (s && w.Tables.SLabelsInfo[i] == "Song Info") f(i, s->Control());
    }
}

template <class F>
void ForEachLabel(FrmMain& w, const char* action, F&& f) {
    for (int i = 1; i <= Last(w.Labels.UBound()); ++i) {
        forms::Label* l = w.Labels.Find(i);
        if (l && w.Tables.LabelsInfo[i].Action == action) f(i, *l);
    }
}

// A status text in every "Song Info" element, whose scrolling stops.
void ShowStatus(FrmMain& w, const std::string& text) {
    ForEachSongInfo(w, [&](int, IDispatch* d) {
        if (GetBool(d, kScrollerEnabled)) PutBool(d, kScrollerEnabled, false);
        if (GetText(d, kScrollerCaption) != text) PutText(d, kScrollerCaption, text);
    });
}

}  // namespace

// --- the volume bars -------------------------------------------------------------------------

IDispatch* VolumeBarElements::Bar(int k, int* index) {
    IDispatch* found = nullptr;
    int n = 0;
    ForEachBar(w_, "Volume Bar", [&](int i, IDispatch* d) {
        if (n++ == k && !found) {
            found = d;
            if (index) *index = i;
        }
    });
    return found;
}

int VolumeBarElements::Count() {
    int n = 0;
    ForEachBar(w_, "Volume Bar", [&](int, IDispatch*) { ++n; });
    return n;
}

long VolumeBarElements::Value(int k) { return GetLong(Bar(k), kBarValue); }
void VolumeBarElements::SetValue(int k, long v) { PutLong(Bar(k), kBarValue, v); }
long VolumeBarElements::Max(int k) { return GetLong(Bar(k), kBarMax); }

void VolumeBarElements::UpdateVolume(int k) {
    int index = 0;
    if (Bar(k, &index)) w_.UpdateVolume(index);
}

// --- the wiring --------------------------------------------------------------------------------

PlaybackWiring::PlaybackWiring(FrmMain& w)
    : transport(media, *this, clock, *this, options, GetTickCount()), bars(w), fader(bars), seek(*this), w_(w) {}

PlaybackWiring::~PlaybackWiring() { Close(); }

bool PlaybackWiring::Open() {
    com::Ptr<IDispatch> player;
    if (FAILED(vorne::mediaplayer::CreateMediaPlayer(player.Out()))) return false;
    media.SetMain(player.Get());
    events_.Connect(player.Get(), this);
    MediaFacts = [this](core::TextSources& s) {
        s.MediaDuration = duration;
        s.MediaPosition = position;
        if (!s.ClipInfo) {
            s.ClipInfo = [this](int item) {
                com::Variant r;
                if (!media.Main() ||
                    FAILED(com::CallMethod(media.Main(), vorne::mediaplayer::kDispClipInfo, {com::LongArg(item)}, &r)))
                    return std::string();
                return text::WideToAnsi(r.AsText());
            };
        }
    };
    return true;
}

void PlaybackWiring::Close() {
    transport.Shutdown();
    fader.Cancel();
    seek.Abandon();
    if (!media.Main()) return;
    MediaFacts = nullptr;
    CurrentTextSources().ClipInfo = nullptr;
    events_.Disconnect();
    media.Stop();
    media.SetMain(nullptr);
    media.SetVideo(nullptr);
    vorne::mediaplayer::CloseWaveVolume();
}

void PlaybackWiring::SkinChanging() {
    fader.Cancel();
    seek.Abandon();
    Seeking = false;
    VolumeChanging = false;
    disabledShown.clear();
}

void PlaybackWiring::SyncOptions() {
    options.advances = w_.chkLoop.Checked();
    options.random = w_.chkRandom.GetValue() == 1;
    options.repeat = w_.chkRepeat.GetValue() == 1;
    options.wait = Options.PlayListWait;
}

void PlaybackWiring::SyncFlag() {
    const bool was = PlaybackActive;
    PlaybackActive = transport.PlaybackActive();
    if (was != PlaybackActive) Trace(PlaybackActive ? "playback started" : "playback stopped");
}

// TransportHost

void PlaybackWiring::Refresh4Controls() { w_.Refresh4Controls(); }
void PlaybackWiring::SetDisplayRefresh(bool on) { w_.DisplayRefresh.SetEnabled(on); }
void PlaybackWiring::ShowWaiting(const std::string& text) { ShowStatus(w_, text); }
void PlaybackWiring::ResetAllTimeDisplays() { w_.ResetAllTimeDisplays(); }

void PlaybackWiring::CountSong() {
    Options.Stats.TotalSongsPlayed = core::AddToStatistic(Options.Stats.TotalSongsPlayed, 1);
}

void PlaybackWiring::AddPlayTime(double seconds) {
    Options.Stats.TotalPlayTime = core::AddToStatistic(Options.Stats.TotalPlayTime, seconds);
}

bool PlaybackWiring::FileExists(const std::string& path) { return text::FileExists(path); }

void PlaybackWiring::ShowMissing(const std::string& path) {
    const std::string t = "File not Found: " + path;
    ForEachSongInfo(w_, [&](int, IDispatch* d) {
        if (GetText(d, kScrollerCaption) != t) PutText(d, kScrollerCaption, t);
    });
    CurrentFile.clear();
    CurrentSongInfo = core::GetMp3Info("");
    CurrentSongInfo.Title = t;
}

bool PlaybackWiring::OpenEntry(int i, const std::string& path) {
    CurrentFile = path;
    core::SongInfoContext ctx;
    ctx.CurrentFile = CurrentFile;
    CurrentSongInfo = core::GetMp3Info(path, ctx);
    const bool opened = media.OpenFile(path);
    w_.SetState(psPlaying);
    // The entry's title as the current song shows it.
    FrmList& list = frmList();
    BuildingListTitles = true;
    std::string title = ExpandTemplate(Options.PlayListFormat, "", true);
    BuildingListTitles = false;
    if (i >= 0 && i < list.Store.Count() && title != list.Store.Title(i)) {
        list.Store.SetTitle(i, title);
        list.RefreshList();
        list.List1.SetListIndex(i);
        list.List1.SetSelected(i, true);
    }
    w_.CleanControlImages();
    return opened;
}

// Playlist

int PlaybackWiring::Count() { return frmList().List1.ListCount(); }
int PlaybackWiring::ListIndex() { return frmList().List1.ListIndex(); }
void PlaybackWiring::SetListIndex(int i) { frmList().List1.SetListIndex(i); }

void PlaybackWiring::DeselectAll() {
    forms::ListBox& l = frmList().List1;
    l.SetSelection(std::vector<bool>(static_cast<size_t>(l.ListCount()), false));
}

void PlaybackWiring::Select(int i) { frmList().List1.SetSelected(i, true); }
std::string PlaybackWiring::PathAt(int i) { return frmList().Store.PathAt(i); }
std::string PlaybackWiring::ListFile() { return PlayListPath; }

// MediaEvents

void PlaybackWiring::PlayStateChange(long oldState, long newState) {
    w_.RunElementEvent([&] { w_.ProcessStateChange(oldState, newState); });
}

void PlaybackWiring::Buffering(bool start) {
    if (CurrentFile == "STREAM" && start) ShowStatus(w_, "Buffering");
}

void PlaybackWiring::Error() {
    w_.DisplayRefresh.SetEnabled(false);
    const long code = media.ErrorCode();
    Trace("media error " + std::to_string(code));
    ForEachSongInfo(w_, [&](int, IDispatch* d) {
        const long dir = GetLong(d, kScrollerDirection);
        auto t = vorne::player::playback::ErrorText(code, dir == 2 || dir == 3);
        if (!t) return;
        PutBool(d, kScrollerEnabled, false);
        PutText(d, kScrollerCaption, *t);
    });
}

void PlaybackWiring::NewStream() {
    w_.RunElementEvent([&] {
        const double duration = media.Duration();
        ForEachBar(w_, "Position Bar", [&](int, IDispatch* d) {
            PutBool(d, kBarEnabled, true);
            PutLong(d, kBarMax, vorne::player::playback::BarMaxFor(duration));
        });
        PutBool(media.Main(), vorne::mediaplayer::kDispAutoRewind, true);
        w_.Refresh4Controls();
        w_.UpdateBitFreqLabels();
        Options.LastSongIndex = vorne::player::playback::NextLastSongIndex(Options.LastSongIndex, frmList().List1.ListIndex());
        if (TagEditorOpen) vorne::player::library::tageditor::frmIDTAG().MapData("");
        if (!w_.DisplayRefresh.Enabled()) w_.DisplayRefresh.SetEnabled(true);
        PutBool(media.Main(), vorne::mediaplayer::kDispShowVideo, w_.IsCurrentAVideo());
        // The video window takes part in video streams: its own control
        // opens the same file; any other stream empties it.
        if (w_.IsCurrentAVideo()) {
            if (IDispatch* vid = w_.VideoControl ? w_.VideoControl() : nullptr) {
                media.SetVideo(vid);
                PutText(vid, vorne::mediaplayer::kDispFileName, CurrentFile);
                if (Options.ShowVideoWindow == 1 && w_.ShowVideoWindow) w_.ShowVideoWindow();
            }
        } else if (IDispatch* vid = media.Video()) {
            PutBool(vid, activex::kDispidVisible, false);
            com::CallMethod(vid, vorne::mediaplayer::kDispStop);
            PutText(vid, vorne::mediaplayer::kDispFileName, "");
            media.SetVideo(nullptr);
            if (Options.ShowVideoWindow == 1 && w_.UnloadVideoWindow) w_.UnloadVideoWindow();
        }
        Trace("new stream " + std::to_string(duration));
    });
}

void PlaybackWiring::ReadyStateChange(long readyState) {
    if (CurrentFile != "STREAM") return;
    auto t = vorne::player::playback::ReadyStateText(readyState);
    if (!t) return;
    ShowStatus(w_, *t);
    if ((readyState == 3 || readyState == 4) && w_.LastReadyState != readyState) {
        w_.Refresh4Controls();
        w_.LastReadyState = static_cast<int>(readyState);
    }
    if (readyState == 4) {
        auto& clip = CurrentTextSources().ClipInfo;
        if (clip) {
            CurrentSongInfo.Title = clip(8);
            CurrentSongInfo.Artist = clip(9);
            CurrentSongInfo.Album = clip(10);
        }
        transport.SetPlaybackActive(true);
        SyncFlag();
    }
}

void PlaybackWiring::EndOfStream(long) {}

// SeekHost

double PlaybackWiring::Position() { return media.Position(); }

void PlaybackWiring::SeekTo(double seconds, bool withVideo) {
    if (withVideo) media.SeekVideo(seconds);
    media.SeekMain(seconds);
}

bool PlaybackWiring::IsVideo() { return w_.IsCurrentAVideo(); }

void PlaybackWiring::EnableSongInfo() {
    ForEachSongInfo(w_, [&](int, IDispatch* d) {
        if (!GetBool(d, kScrollerEnabled)) PutBool(d, kScrollerEnabled, true);
    });
}

void PlaybackWiring::ShowSongInfo(const std::string& text) { ShowStatus(w_, text); }

void PlaybackWiring::SetBarsTo(long value) {
    ForEachBar(w_, "Position Bar", [&](int, IDispatch* d) { PutLong(d, kBarValue, value); });
}

void PlaybackWiring::ReleaseCapture() { ::ReleaseCapture(); }

// --- the main window's side ------------------------------------------------------------------

void FrmMain::ReportEventError(const char* what) { Trace(std::string("event error: ") + (what ? what : "")); }

IDispatch* FrmMain::NSPlay1() const { return playback_ ? playback_->media.Main() : nullptr; }

PlaybackWiring& FrmMain::Playback() {
    if (!playback_) playback_ = std::make_unique<PlaybackWiring>(*this);
    return *playback_;
}

void FrmMain::OpenMediaControl() {
    // The control itself comes after the first paint (MakeMediaControl):
    // the poll and every start of a song run only after that.
    mediaRequested_ = true;
    Timer1.SetInterval(1);
    Timer1.OnTimer = [this] { RunElementEvent([&] { Timer1_Timer(); }); };
    DisplayRefresh.SetInterval(1000);
    DisplayRefresh.OnTimer = [this] { RunElementEvent([&] { DisplayRefresh_Timer(); }); };
    FadeTimer.SetEnabled(false);
    FadeTimer.SetInterval(10);
    FadeTimer.OnTimer = [this] {
        if (!Playback().fader.Step()) {
            FadeTimer.SetEnabled(false);
            VolumeChanging = false;
        }
    };
}

void FrmMain::MakeMediaControl() {
    if (!mediaRequested_) return;
    mediaRequested_ = false;
    if (NSPlay1()) return;
    Trace(Playback().Open() ? "media control created" : "media control not created");
}

void FrmMain::PlayWhenFaceShown(std::function<void()> f) {
    if (faceLoading_) {
        playsAfterFace_.push_back(std::move(f));
        return;
    }
    MakeMediaControl();
    f();
}

void FrmMain::CloseMediaControl() {
    mediaRequested_ = false;
    playsAfterFace_.clear();
    Timer1.SetEnabled(false);
    FadeTimer.SetEnabled(false);
    if (playback_) Playback().Close();
    PlaybackActive = false;
}

bool FrmMain::IsCurrentAVideo() const { return vorne::player::playback::IsVideoFile(CurrentFile); }

void FrmMain::SetState(int state) {
    if (state < psPlaying || state > psClosed) return;
    const PlayerState s = static_cast<PlayerState>(state);
    const vorne::player::playback::StateView v = vorne::player::playback::ViewOf(s);
    ForEachBar(*this, "Position Bar", [&](int, IDispatch* d) {
        if (GetBool(d, kBarEnabled) != v.positionBar) PutBool(d, kBarEnabled, v.positionBar);
    });
    for (int i = 1; i <= Last(imgPICS4img.UBound()); ++i) {
        forms::Image* img = imgPICS4img.Find(i);
        if (!img) continue;
        const std::string& a = Tables.imgPICS4imgInfo[i].Action;
        bool on;
        if (a == "Previous Button") on = v.previous;
        else if (a == "Play Button") on = v.play;
        else if (a == "Pause Button") on = v.pause;
        else if (a == "Stop Button") on = v.stop;
        else if (a == "Next Button") on = v.next;
        else continue;
        if (img->Enabled() != on) img->SetEnabled(on);
        if (!playback_) continue;
        // A disabled button shows its disabled cell; the same cell is not
        // cut again while the button still shows it. A button enabled
        // again while it shows that cell gets its normal cell back, so it
        // does not look disabled (a stream opened from the closed state
        // would keep it otherwise).
        auto& shown = Playback().disabledShown[i];
        const bool showsDisabled = img->GetPicture() && shown.lock() == img->GetPicture();
        if (on) {
            if (showsDisabled) {
                MapPicture(*img, Tables.imgPICS4imgInfo[i].Picture, 1, 4, 0);
                shown.reset();
            }
        } else if (!showsDisabled) {
            MapPicture(*img, Tables.imgPICS4imgInfo[i].Picture, 1, 4, 3);
            shown = img->GetPicture();
        }
    }
    if (auto tip = vorne::player::playback::TrayTipFor(s, TrayToolTip, VersionText)) SetTrayToolTip(*tip);
}

void FrmMain::Timer1_Timer() {
    PlaybackWiring& p = Playback();
    p.Run([&] { p.transport.Tick(); });
    p.ReadTimes();
    if (PlaybackActive) {
        UpdateTime();
        UpdateLabels();
    }
    if (Seeking) {
        // A drag whose capture was taken away has ended.
        if (GetCapture() != nullptr) return;
        p.seek.Abandon();
        Seeking = false;
    }
    const long ps = p.media.PlayState();
    LastPolledState = std::to_string(ps);
    if (auto st = vorne::player::playback::StateFromPlayState(ps)) SetState(static_cast<int>(*st));
    const double pos = p.position;
    const double dur = p.duration;
    ForEachBar(*this, "Position Bar", [&](int, IDispatch* d) {
        const long value = vorne::player::playback::RoundSeconds(pos);
        if (GetLong(d, kBarValue) != value) PutLong(d, kBarValue, value);
        const long max = vorne::player::playback::BarMaxFor(dur);
        if (GetLong(d, kBarMax) != max) PutLong(d, kBarMax, max);
    });
    if (Options.PlayListFollows == 1) frmList().reposistion();
}

void FrmMain::ProcessStateChange(long, long newState) {
    Playback().Run([&] { Playback().transport.ProcessStateChange(newState); });
}

void FrmMain::cmdPlay_Click() {
    Playback().Run([&] { Playback().transport.Play(); });
}
void FrmMain::cmdPause_Click() {
    Playback().Run([&] { Playback().transport.Pause(); });
}
void FrmMain::cmdStop_Click() {
    Playback().Run([&] { Playback().transport.Stop(); });
}
void FrmMain::cmdNext_Click() {
    Playback().Run([&] { Playback().transport.Next(); });
}
void FrmMain::cmdPrev_Click() {
    Playback().Run([&] { Playback().transport.Previous(); });
}

void FrmMain::cmdControl_Click(int index) {
    switch (index) {
    case 0: cmdPrev_Click(); break;
    case 1: cmdPlay_Click(); break;
    case 2: cmdPause_Click(); break;
    case 3: cmdStop_Click(); break;
    case 4: cmdNext_Click(); break;
    default: break;
    }
}

void FrmMain::cmdOpenLoc_Click() {
    const std::string where = forms::InputBox("Enter Web Location to get Stream from", "Stream Location", "");
    if (where.empty()) return;
    Playback().Run([&] { Playback().transport.OpenLocation(); });
    CurrentFile = "STREAM";
    if (NSPlay1()) {
        VARIANT v = com::TextArg(where);
        com::CallMethod(NSPlay1(), vorne::mediaplayer::kDispOpen, {v});
        VariantClear(&v);
    }
}

void FrmMain::cmdFadein_Click() {
    if (Playback().fader.FadeIn(CurrentVolume) && Playback().fader.Fading()) {
        VolumeChanging = true;
        FadeTimer.SetEnabled(true);
    }
}

void FrmMain::cmdFadeout_Click() {
    if (Playback().fader.FadeOut(CurrentVolume) && Playback().fader.Fading()) {
        VolumeChanging = true;
        FadeTimer.SetEnabled(true);
    }
}

// --- the text displays -------------------------------------------------------------------------

void FrmMain::UpdateTime() {
    if (WindowState() == forms::vbMinimized) return;
    int count = 0;
    ForEachLabel(*this, "Time Display", [&](int, forms::Label&) { ++count; });
    if (count == 0) {
        LastTimeText.clear();
        return;
    }
    const std::string t = core::TimeDisplayText(Options.ShowRemainingTime, Playback().duration, Playback().position);
    if (core::UpdateTimeText(LastTimeText, t, count, Options.Stats))
        ForEachLabel(*this, "Time Display", [&](int, forms::Label& l) { l.SetCaption(t); });
}

void FrmMain::UpdateLabels() {
    if (WindowState() == forms::vbMinimized) return;
    ForEachLabel(*this, "User Defined", [&](int i, forms::Label& l) {
        const std::string t = ExpandTemplate(Tables.LabelsInfo[i].Template, "", false);
        if (l.Caption() != t) l.SetCaption(t);
    });
}

void FrmMain::ResetAllTimeDisplays() {
    ForEachLabel(*this, "Time Display", [&](int, forms::Label& l) { l.SetCaption("00:00"); });
}

void FrmMain::DisplayRefresh_Timer() {
    Playback().ReadTimes();
    const std::string total = core::TotalPlaytimeText(Options.Stats.TotalPlayTime, SessionStartPlayTime);
    FrmList& list = frmList();
    if (list.lblTotTime.Caption() != total) list.lblTotTime.SetCaption(total);
    if (Seeking || VolumeChanging) return;
    ForEachSongInfo(*this, [&](int, IDispatch* d) {
        if (!GetBool(d, kScrollerEnabled)) PutBool(d, kScrollerEnabled, true);
    });
    const std::string song = PlaybackActive ? ExpandTemplate(Options.SongInfoFormat, "", false) : std::string();
    ForEachSongInfo(*this, [&](int, IDispatch* d) {
        auto c = vorne::player::playback::SongInfoCaption(GetText(d, kScrollerCaption), static_cast<int>(GetLong(d, kScrollerDirection)),
                                           PlaybackActive, song, AuthorInfo[0], VersionText);
        if (c) PutText(d, kScrollerCaption, *c);
    });
    if (!PlaybackActive) return;
    const std::string tip = ExpandTemplate(Options.TrayTipFormat, "", false);
    if (TrayToolTip != tip) SetTrayToolTip(tip);
}

void FrmMain::Labels_MouseDown(int index, const forms::MouseEvent& e) {
    if (index < 1 || index > vorne::player::skin::kMaxElementIndex) return;
    if (e.button == forms::vbLeftButton && Tables.LabelsInfo[index].Action == "Time Display")
        Options.ShowRemainingTime = core::ToggleShowRemainingTime(Options.ShowRemainingTime);
}

void FrmMain::Labels_MouseUp(int, const forms::MouseEvent& e) {
    if (e.button == forms::vbRightButton) ShowPopupMenu();
}

void FrmMain::SLabels_Event(int index, DISPID event, DISPPARAMS* params) {
    if (index < 1 || index > vorne::player::skin::kMaxElementIndex || !SLabels) return;
    activex::ControlSite* s = (*SLabels)[index];
    if (!s) return;
    const int button = ShortArg(params, 0);
    switch (event) {
    case kScrollerEventMouseDown:
        if (button == forms::vbLeftButton) DisplayRefresh.SetEnabled(false);
        break;
    case kScrollerEventMouseMove: {
        auto pointer = vorne::player::playback::ScrollLabelPointer(Options.ShowHelpfulCursors,
                                                    static_cast<int>(GetLong(s->Control(), kScrollerDirection)));
        if (pointer) com::PutProperty(s->Control(), kScrollerMousePointer, com::LongArg(*pointer));
        break;
    }
    case kScrollerEventMouseUp:
        if (button == forms::vbLeftButton) DisplayRefresh.SetEnabled(true);
        if (button == forms::vbRightButton) ShowScrollMenu(index);
        break;
    default:
        break;
    }
}

// --- volume and the position bar ---------------------------------------------------------------

void FrmMain::SetupVolume() {
    const UINT n = waveOutGetNumDevs();
    for (UINT d = 0; d < n; ++d) {
        DWORD word = 0;
        if (vorne::mediaplayer::GetWaveVolume(d, &word) == MMSYSERR_NOERROR) WaveDevice = d;
    }
    GetCurVol();
}

void FrmMain::GetCurVol() {
    DWORD word = 0;
    if (vorne::mediaplayer::GetWaveVolume(WaveDevice, &word) != MMSYSERR_NOERROR) return;
    // What the device holds is what playback uses.
    vorne::mediaplayer::SetWaveVolume(WaveDevice, word);
    const long v = vorne::player::playback::LeftChannel(word);
    ForEachBar(*this, "Volume Bar", [&](int, IDispatch* d) {
        PutLong(d, kBarValue, v);
        CurrentVolume = GetLong(d, kBarValue);
    });
}

void FrmMain::UpdateVolume(int index) {
    if (!ScrollBars || !(*ScrollBars)[index]) return;
    IDispatch* d = (*ScrollBars)[index]->Control();
    const long value = GetLong(d, kBarValue);
    vorne::mediaplayer::SetWaveVolume(WaveDevice, vorne::player::playback::VolumeWord(value));
    ShowStatus(*this, vorne::player::playback::VolumePercentText(value, GetLong(d, kBarMax)));
}

void FrmMain::ScrollBars_Event(int index, DISPID event, DISPPARAMS* params) {
    if (index < 1 || index > vorne::player::skin::kMaxElementIndex || !ScrollBars) return;
    activex::ControlSite* s = (*ScrollBars)[index];
    if (!s) return;
    const std::string& action = Tables.ScrollBarsInfo[index];
    const bool volume = action == "Volume Bar", position = action == "Position Bar";
    if (!volume && !position) return;
    const int button = ShortArg(params, 0), shift = ShortArg(params, 1);
    PlaybackWiring& p = Playback();
    switch (event) {
    case kBarEventMouseDown: {
        const bool onThumb = BoolArg(params, 4);
        if (volume && button == forms::vbLeftButton && onThumb) VolumeChanging = true;
        if (position) {
            p.seek.MouseDown(button, onThumb);
            Seeking = p.seek.Seeking();
        }
        break;
    }
    case kBarEventScroll:
        if (volume) {
            CurrentVolume = GetLong(s->Control(), kBarValue);
            UpdateVolume(index);
            GetCurVol();
        } else {
            p.seek.Scroll(GetLong(s->Control(), kBarValue), shift);
        }
        break;
    case kBarEventMouseUp: {
        const bool onThumb = BoolArg(params, 4);
        if (volume) {
            CurrentVolume = GetLong(s->Control(), kBarValue);
            UpdateVolume(index);
            if (button == forms::vbLeftButton && onThumb) VolumeChanging = p.fader.Fading();
        } else if (p.seek.MouseUp(GetLong(s->Control(), kBarValue), button, onThumb)) {
            SetShortArg(params, 0, 0);
        }
        if (position) Seeking = p.seek.Seeking();
        break;
    }
    default:
        break;
    }
}

// --- the skin's buttons --------------------------------------------------------------------------

namespace {

struct ButtonTarget {
    forms::Image* img = nullptr;
    vorne::player::skin::ImageElementInfo<forms::PictureRef>* info = nullptr;
    vorne::player::playback::ButtonKind kind = vorne::player::playback::ButtonKind::Push;
    int cells = 2;
};

ButtonTarget FindButton(FrmMain& w, int kind, int index) {
    ButtonTarget t;
    if (index < 1 || index > vorne::player::skin::kMaxElementIndex) return t;
    switch (kind) {
    case 0:
        t.img = w.imgPICS2img.Find(index);
        t.info = &w.Tables.imgPICS2imgInfo[index];
        t.kind = vorne::player::playback::ButtonKind::Push;
        break;
    case 1:
        t.img = w.imgPICS2optn.Find(index);
        t.info = &w.Tables.imgPICS2optnInfo[index];
        t.kind = vorne::player::playback::ButtonKind::Toggle;
        break;
    default:
        t.img = w.imgPICS4img.Find(index);
        t.info = &w.Tables.imgPICS4imgInfo[index];
        t.kind = vorne::player::playback::ButtonKind::FourState;
        t.cells = 4;
        break;
    }
    return t;
}

bool* ToggleFlag(const std::string& action) {
    if (action == "Play List Button") return &Options.ShowPlayList;
    if (action == "Random Button") return &Options.RandomOn;
    if (action == "Repeat Button") return &Options.RepeatOn;
    return nullptr;
}

}  // namespace

void FrmMain::imgPICS_MouseMove(int, const forms::MouseEvent&) { Refresh4Controls(); }

void FrmMain::imgButton_MouseDown(int kind, int index, const forms::MouseEvent& e) {
    ButtonTarget t = FindButton(*this, kind, index);
    if (!t.img) return;
    vorne::player::playback::ButtonResponse r = Playback().buttons.MouseDown(t.kind, e.button, t.img->Enabled());
    if (r.cell) MapPicture(*t.img, t.info->Picture, 1, t.cells, *r.cell);
}

void FrmMain::imgButton_MouseMove(int kind, int index, const forms::MouseEvent& e) {
    ButtonTarget t = FindButton(*this, kind, index);
    if (!t.img) return;
    bool* flag = ToggleFlag(t.info->Action);
    vorne::player::playback::ButtonResponse r =
        Playback().buttons.MouseMove(t.kind, index, e.button, t.img->Enabled(), flag && *flag);
    if (r.refresh4) Refresh4Controls();
    if (t.kind == vorne::player::playback::ButtonKind::Toggle && !flag) return;
    if (r.cell) MapPicture(*t.img, t.info->Picture, 1, t.cells, *r.cell);
    LastHoverButton = Playback().buttons.LastHoverButton();
}

void FrmMain::imgButton_MouseUp(int kind, int index, const forms::MouseEvent& e) {
    ButtonTarget t = FindButton(*this, kind, index);
    if (!t.img) return;
    const bool inside = vorne::player::playback::InsideRelease(e.x / forms::TwipsPerPixelX(), e.y / forms::TwipsPerPixelY(),
                                                static_cast<float>(t.img->Width()),
                                                static_cast<float>(t.img->Height()));
    bool* flag = ToggleFlag(t.info->Action);
    const std::string action = t.info->Action;
    const forms::PictureRef strip = t.info->Picture;
    vorne::player::playback::ButtonResponse r = Playback().buttons.MouseUp(t.kind, e.button, inside, flag && !*flag);
    const vorne::player::playback::ButtonCommand cmd = vorne::player::playback::CommandFor(t.kind, action, e.shift);
    if (t.kind == vorne::player::playback::ButtonKind::Toggle) {
        if (r.run && flag) {
            *flag = !*flag;
            MapPicture(*t.img, strip, 1, 2, *flag ? 1 : 0);
        }
        if (r.refreshAll) RefreshAllOptions();
        if (!r.run) return;
        switch (cmd) {
        case vorne::player::playback::ButtonCommand::PlayList:
            if (Options.ShowPlayList) {
                frmList().Show();
                frmList().SetWindowState(forms::vbNormal);
                Options.PlayListVisible = true;
            } else {
                frmList().Hide();
                Options.PlayListVisible = false;
            }
            break;
        case vorne::player::playback::ButtonCommand::Random:
            chkRandom.SetValue(Options.RandomOn ? 1 : 0);
            break;
        case vorne::player::playback::ButtonCommand::Repeat:
            chkRepeat.SetValue(Options.RepeatOn ? 1 : 0);
            break;
        default:
            break;
        }
        return;
    }
    if (r.cell) MapPicture(*t.img, strip, 1, t.cells, *r.cell);
    if (r.run) {
        switch (cmd) {
        case vorne::player::playback::ButtonCommand::Close: cmdExit_Click(); return;
        case vorne::player::playback::ButtonCommand::Minimize:
            // Form_Resize hides it to the tray when the tray icon is there.
            SetWindowState(forms::vbMinimized);
            break;
        case vorne::player::playback::ButtonCommand::SystemMenu: ShowPopupMenuAt(*t.img); break;
        case vorne::player::playback::ButtonCommand::Previous: cmdPrev_Click(); break;
        case vorne::player::playback::ButtonCommand::Play: cmdPlay_Click(); break;
        case vorne::player::playback::ButtonCommand::PlayFromStart:
            Playback().media.SeekMain(0);
            cmdPlay_Click();
            break;
        case vorne::player::playback::ButtonCommand::Pause: cmdPause_Click(); break;
        case vorne::player::playback::ButtonCommand::Stop: cmdStop_Click(); break;
        case vorne::player::playback::ButtonCommand::Next: cmdNext_Click(); break;
        case vorne::player::playback::ButtonCommand::Open: frmList().LoadList(); break;
        default: break;
        }
    }
    if (r.cleanUp) {
        Refresh4Controls();
        CleanControlImages();
    }
}

}  // namespace vorne::player
