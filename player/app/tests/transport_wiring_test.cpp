// The main window's transport with the windows that act on it, joined as the
// program joins them, under Wine with the real media control and the main
// window's own load: the wave output dialog opened from the popup menu, the
// preferences' "Update every", and Stop and Play during the wait between
// tracks.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "components/component_ids.h"
#include "player/app/main_window_playback.h"
#include "player/app/tests/loaded_player.h"
#include "player/library/id3v1_codepage_win32.h"
#include "runtime/forms/dialogs.h"
#include "runtime/text/ansi.h"

namespace vorne::player {
namespace {

using vorne::player::testing::Folder;
using vorne::player::testing::MainPlayState;
using vorne::player::testing::SelectEntry;
using vorne::testing::Pump;
using vorne::testing::PumpUntil;

// The popup menu's item with this key, as the user picks it.
void PickMenuItem(const char* key) {
    const auto& model = frmMain().cP.Menu().Model();
    for (int i = 1; i <= model.Count(); ++i) {
        if (model.ItemKey(i) == key) {
            frmMain().DoClicks(i);
            return;
        }
    }
    ADD_FAILURE() << "no menu item " << key;
}

void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

// A key released over the main window.
void KeyUp(int key) { SendMessageA(frmMain().hWnd(), WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001); }

// The first "Song Info" scrolling label of the face.
activex::ControlSite* SongInfo() {
    FrmMain& w = frmMain();
    if (!w.SLabels) return nullptr;
    for (int i = 1; i <= w.SLabels->UBound() && i <= vorne::player::skin::kMaxElementIndex; ++i)
        if ((*w.SLabels)[i] && w.Tables.SLabelsInfo[i] == "Song Info") return (*w.SLabels)[i];
    return nullptr;
}

std::string SongInfoCaption() {
    activex::ControlSite* s = SongInfo();
    com::Variant v;
    if (!s || FAILED(com::GetProperty(s->Control(), vorne::components::kScrollerCaption, &v))) return {};
    return text::WideToAnsi(v.AsText());
}

struct FindChild {
    int id;
    HWND found;
};

BOOL CALLBACK FindChildStep(HWND h, LPARAM lp) {
    auto* f = reinterpret_cast<FindChild*>(lp);
    if (GetDlgCtrlID(h) != f->id) return TRUE;
    f->found = h;
    return FALSE;
}

HWND ChildById(HWND parent, int id) {
    FindChild f{id, nullptr};
    EnumChildWindows(parent, FindChildStep, reinterpret_cast<LPARAM>(&f));
    return f.found;
}

BOOL CALLBACK FindPreferencesStep(HWND h, LPARAM lp) {
    char title[64] = {};
    GetWindowTextA(h, title, sizeof title);
    if (std::string(title) != "Vorne Prefrences" || !IsWindowVisible(h)) return TRUE;
    *reinterpret_cast<HWND*>(lp) = h;
    return FALSE;
}

// The preferences opened from the popup menu, "Update every (secs)" set to
// seconds, and Apply pressed.
void ApplyUpdateEvery(int seconds) {
    PickMenuItem("cmdGenOptions");
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindPreferencesStep, reinterpret_cast<LPARAM>(&dialog));
    ASSERT_TRUE(dialog) << "the preferences did not open";
    constexpr int kSlider2 = 141, kApply = 100;  // the dialog's control ids
    HWND slider = ChildById(dialog, kSlider2);
    ASSERT_TRUE(slider);
    SendMessageA(slider, TBM_SETPOS, TRUE, seconds);
    Click(ChildById(dialog, kApply));
    EXPECT_FALSE(IsWindowVisible(dialog)) << "Apply closes the dialog";
}

class TransportWiring : public ::testing::Test {
protected:
    static void SetUpTestSuite() { vorne::player::testing::LoadPlayer(); }
    static void TearDownTestSuite() { vorne::player::testing::UnloadPlayer(); }

    void SetUp() override {
        ASSERT_TRUE(frmMain().Loaded());
        ASSERT_NE(frmMain().NSPlay1(), nullptr) << "no media control";
        ASSERT_TRUE(SongInfo()) << "the built-in face has a \"Song Info\" label";
        // Two songs of seven seconds with odd names, each with a tag of its own.
        const vorne::player::library::CodePage cp = vorne::player::library::AnsiCodePage();
        const struct {
            const wchar_t* name;
            const char* from;
            const char* title;
        } songs[] = {{L"Caf\u00e9 \u2019Night\u2019.mp3", "Vornes.mp3", "Alpha"},
                     {L"Zw\u00f6lf \u2019Two\u2019.mp3", "Vornes.mp3", "Beta"}};
        for (const auto& s : songs) {
            const std::string path = Folder() + text::WideToAnsi(s.name);
            ASSERT_TRUE(CopyFileA((Folder() + s.from).c_str(), path.c_str(), FALSE)) << s.from;
            ASSERT_EQ(vorne::player::library::SaveTag(path, {s.title, "Vorne", "", "2001", "", "Blues"}, cp),
                      vorne::player::library::TagResult::kSaved);
            songs_.push_back(path);
        }
        out_ = Folder() + text::WideToAnsi(L"Wave \u2019Out\u2019 \u00e9\\");
        CreateDirectoryA(out_.c_str(), nullptr);
    }
    void TearDown() override {
        Options.PlayListWait = 0;
        if (output::frmOutput().Loaded()) output::frmOutput().Unload();
        vorne::player::testing::StopAndCloseTheSong();
        for (const std::string& s : songs_) DeleteFileA(s.c_str());
        DeleteFileA((out_ + "[Vorne] - Alpha.wav").c_str());
        RemoveDirectoryA(out_.c_str());
    }

    static void List(const std::vector<std::string>& paths) {
        FrmList& list = frmList();
        list.Store.Clear();
        for (const std::string& p : paths) list.AddFileToList(p);
        list.RefreshList();
        list.Show();
    }
    static void PlayEntry(int i) { ASSERT_TRUE(vorne::player::testing::PlayEntry(i)) << "entry " << i << " plays"; }
    static output::FrmOutput& OpenOutput() {
        PickMenuItem("cmdOutput2Wave");
        output::FrmOutput& dlg = output::frmOutput();
        EXPECT_TRUE(dlg.Visible()) << "\"Output to Wave File\" did not open the dialog";
        return dlg;
    }

    std::vector<std::string> songs_;
    std::string out_;
    forms::ScriptedDialogs boxes_;
    forms::ScopedDialogs scope_{boxes_};
};

TEST_F(TransportWiring, BeginOutputLeavesThePlayerStoppedAndCountsNoSong) {
    List({songs_[0], songs_[1]});
    PlayEntry(0);
    const std::string counted = Options.Stats.TotalSongsPlayed;
    output::FrmOutput& dlg = OpenOutput();
    ASSERT_TRUE(dlg.cmdStart.Enabled());
    dlg.txtPath.SetText(out_);
    boxes_.QueueMsgBox(forms::vbOK);  // "Dump Complete!"
    Click(dlg.cmdStart.Window());
    EXPECT_FALSE(dlg.cmdStart.Enabled());
    ASSERT_TRUE(PumpUntil([&] { return boxes_.Log().size() == 1; }, 30000)) << "the song was not written";
    EXPECT_EQ(boxes_.Log()[0].prompt, "Dump Complete!");
    Pump(500);  // time for a next song to start, were the stop taken for a song's end
    EXPECT_EQ(MainPlayState(), vorne::mediaplayer::kStateStopped);
    EXPECT_FALSE(PlaybackActive);
    EXPECT_EQ(CurrentFile, songs_[0]) << "the list went on";
    EXPECT_EQ(frmList().List1.ListIndex(), 0);
    EXPECT_EQ(Options.Stats.TotalSongsPlayed, counted) << "the stop was counted as a song played";
    EXPECT_TRUE(text::FileExists(out_ + "[Vorne] - Alpha.wav"));
    Click(dlg.cmdStop.Window());
    EXPECT_TRUE(dlg.cmdStart.Enabled());
}

TEST_F(TransportWiring, BeginOutputFollowsTheListAtEachOpening) {
    const struct {
        std::vector<std::string> list;
        bool beginOutput;
    } openings[] = {{{}, false}, {{songs_[0], songs_[1]}, true}, {{}, false}, {{songs_[1]}, true}};
    for (const auto& o : openings) {
        List(o.list);
        if (!o.list.empty()) SelectEntry(0);
        output::FrmOutput& dlg = OpenOutput();
        EXPECT_EQ(dlg.cmdStart.Enabled(), o.beginOutput) << o.list.size() << " titles";
        EXPECT_EQ(IsWindowEnabled(dlg.cmdStart.Window()) != FALSE, o.beginOutput) << o.list.size() << " titles";
        SendMessageA(dlg.hWnd(), WM_CLOSE, 0, 0);
        EXPECT_FALSE(dlg.Loaded());
    }
}

TEST_F(TransportWiring, UpdateEveryZeroStopsTheRefreshUntilANonZeroApply) {
    forms::Timer& refresh = frmMain().DisplayRefresh;
    List({songs_[0], songs_[1]});
    ApplyUpdateEvery(0);
    EXPECT_FALSE(refresh.Running());
    // A new stream with its change of state, and a press and release of the
    // "Song Info" label, each switch the refresh on: it stays stopped.
    PlayEntry(0);
    Pump(300);
    EXPECT_FALSE(refresh.Running()) << "a new stream restarted the refresh";
    HWND label = SongInfo()->ControlWindow();
    ASSERT_TRUE(label) << "the scrolling label has a window of its own";
    SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(refresh.Running()) << "the label's release restarted the refresh";

    // A non-zero Apply sets the interval; it does not end a freeze of the
    // refresh by the wait between tracks, whose waiting text stays. The next
    // song turns it on again.
    Options.PlayListWait = 3;
    frmMain().Playback().media.SeekMain(6.2);  // near the first song's end
    ASSERT_TRUE(PumpUntil([] { return SongInfoCaption() == "Waiting 3 seconds"; }, 5000)) << SongInfoCaption();
    ASSERT_FALSE(refresh.Enabled());
    ApplyUpdateEvery(2);
    EXPECT_EQ(refresh.Interval(), 2000);
    EXPECT_EQ(Options.InfoRefreshSeconds, 2);
    EXPECT_FALSE(refresh.Running()) << "Apply ended the wait's freeze";
    EXPECT_TRUE(PumpUntil([&] { return CurrentFile == songs_[1]; }, 5000)) << CurrentFile;
    EXPECT_TRUE(PumpUntil([&] { return refresh.Running(); }, 2000));
    EXPECT_EQ(refresh.Interval(), 2000);
    ApplyUpdateEvery(1);
    EXPECT_EQ(refresh.Interval(), 1000);
}

TEST_F(TransportWiring, StopAndPlayDuringTheWaitLeaveNoWaitingTextBehind) {
    Options.PlayListWait = 2;
    List({songs_[0], songs_[1]});
    PlayEntry(0);
    frmMain().Playback().media.SeekMain(6.2);  // near its end
    ASSERT_TRUE(PumpUntil([] { return SongInfoCaption() == "Waiting 2 seconds"; }, 5000))
        << "no wait after the first song: " << SongInfoCaption();
    const std::string tip = frmMain().TrayToolTip;
    KeyUp('V');  // Stop
    KeyUp('X');  // Play: the song that ended plays again, from its start
    EXPECT_EQ(MainPlayState(), vorne::mediaplayer::kStatePlaying);
    EXPECT_TRUE(frmMain().DisplayRefresh.Running()) << "the refresh stays off while the song plays";
    EXPECT_TRUE(PumpUntil([] { return SongInfoCaption().find("Alpha") != std::string::npos; }, 2500))
        << SongInfoCaption();
    EXPECT_TRUE(PumpUntil([&] { return frmMain().TrayToolTip != tip; }, 2500)) << "the tray tip stood still";
    // The wait still runs to its end, and the next song follows it.
    EXPECT_TRUE(PumpUntil([&] { return CurrentFile == songs_[1]; }, 5000)) << CurrentFile;
    EXPECT_EQ(MainPlayState(), vorne::mediaplayer::kStatePlaying);
}

}  // namespace
}  // namespace vorne::player
