// The player's windows joined as the program joins them, under Wine with the
// real media control and the main window's own load: every way into the tag
// editor (the popup menu's item, Alt+3 in either window, the playlist's
// "Tag Info"), the open editor following a new stream, and the video window
// letting go of its control when it is closed.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <string>

#include "platform/mediaplayer/media_player.h"
#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/main_window_playback.h"
#include "player/app/playlist_window.h"
#include "player/app/tests/loaded_player.h"
#include "player/core/options.h"
#include "player/library/id3v1_codepage_win32.h"
#include "player/library/tageditor/tag_editor_window.h"
#include "player/video/video_window.h"
#include "runtime/com/late_bound.h"
#include "runtime/forms/dialogs.h"
#include "runtime/testing/message_pump.h"
#include "runtime/text/ansi.h"

namespace vorne::player {
namespace {

using vorne::player::testing::Folder;
using vorne::player::testing::MainPlayState;
using vorne::player::testing::PlayStateOf;
using vorne::testing::PumpUntil;
using vorne::testing::ReadAll;

// --- the modal tag editor, answered from a timer of the thread

struct Seen {
    bool shown = false;
    std::string file, title;
};

std::function<void()> g_whenUp;
DWORD g_giveUpAt = 0;

void CALLBACK EditorTimer(HWND, UINT, UINT_PTR id, DWORD) {
    vorne::player::library::tageditor::FrmIDTAG& f = vorne::player::library::tageditor::frmIDTAG();
    if (!f.Loaded() || !f.Visible()) {
        if (GetTickCount() > g_giveUpAt) KillTimer(nullptr, id);
        return;
    }
    KillTimer(nullptr, id);
    std::function<void()> whenUp = std::move(g_whenUp);
    g_whenUp = nullptr;
    if (whenUp) whenUp();
    if (f.Loaded()) {
        f.cmdSave.SetEnabled(false);
        f.cmdCancel_Click();
    }
}

// Runs open, which should show the tag editor modally; once it is up, notes
// what it shows, runs more on it, and closes it.
Seen OpenEditor(const std::function<void()>& open,
                const std::function<void(vorne::player::library::tageditor::FrmIDTAG&)>& more = nullptr) {
    Seen seen;
    g_whenUp = [&] {
        vorne::player::library::tageditor::FrmIDTAG& f = vorne::player::library::tageditor::frmIDTAG();
        seen.shown = true;
        seen.file = f.txtFile.Text();
        seen.title = f.txtTitle.Text();
        if (more) more(f);
    };
    g_giveUpAt = GetTickCount() + 10000;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, EditorTimer);
    open();
    KillTimer(nullptr, timer);
    g_whenUp = nullptr;
    return seen;
}

// --- the ways in

int TagInfoItem() {
    const auto& model = frmMain().cP.Menu().Model();
    for (int i = 1; i <= model.Count(); ++i)
        if (model.ItemKey(i) == "cmdpbckTagInfo") return i;
    return 0;
}

// A key release with Alt held, as the window receives it.
void AltThreeIn(HWND w) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(w, WM_SYSKEYUP, '3', static_cast<LPARAM>(0xE0040001));
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
}

// A right click on the list, and the first item of the popup menu it opens
// ("Tag Info") chosen with the keys.
void PlaylistTagInfo() {
    HWND list = frmList().List1.Window();
    PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 5));
    SendMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(20, 5));
    // A menu that never opened leaves the keys behind.
    MSG m;
    while (PeekMessageA(&m, list, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) {
    }
}

struct Way {
    const char* name;
    std::function<void()> open;
};

const Way kWays[] = {
    {"popup menu item", [] { frmMain().DoClicks(TagInfoItem()); }},
    {"Alt+3 in the main window", [] { AltThreeIn(frmMain().hWnd()); }},
    {"Alt+3 in the playlist", [] { AltThreeIn(frmList().hWnd()); }},
    {"the playlist's Tag Info", PlaylistTagInfo},
};

class PlayerWiring : public ::testing::Test {
protected:
    static void SetUpTestSuite() { vorne::player::testing::LoadPlayer(); }
    static void TearDownTestSuite() { vorne::player::testing::UnloadPlayer(); }

    void SetUp() override {
        ASSERT_TRUE(frmMain().Loaded());
        ASSERT_NE(frmMain().NSPlay1(), nullptr) << "no media control";
        ASSERT_GT(TagInfoItem(), 0);
        // Two songs with odd names, each with a tag of its own.
        a_ = Folder() + text::WideToAnsi(L"Caf\u00e9 \u2019Night\u2019.mp3");
        b_ = Folder() + text::WideToAnsi(L"Zw\u00f6lf \u2019Two\u2019.mp3");
        ASSERT_TRUE(CopyFileA((Folder() + "tone440.mp3").c_str(), a_.c_str(), FALSE));
        ASSERT_TRUE(CopyFileA((Folder() + "tone660.mp3").c_str(), b_.c_str(), FALSE));
        const vorne::player::library::CodePage cp = vorne::player::library::AnsiCodePage();
        ASSERT_EQ(vorne::player::library::SaveTag(a_, {"Alpha", "Vorne", "", "2001", "", "Blues"}, cp), vorne::player::library::TagResult::kAppended);
        ASSERT_EQ(vorne::player::library::SaveTag(b_, {"Beta", "Vorne", "", "2002", "", "Blues"}, cp), vorne::player::library::TagResult::kAppended);
        FrmList& list = frmList();
        list.Store.Clear();
        list.AddFileToList(a_);
        list.AddFileToList(b_);
        list.RefreshList();
        ASSERT_EQ(list.List1.ListCount(), 2);
        list.Show();
    }
    void TearDown() override {
        frmMain().cmdStop_Click();
        PumpUntil([] { return MainPlayState() != vorne::mediaplayer::kStatePlaying; }, 2000);
        VARIANT none = com::TextArg("");
        com::PutProperty(frmMain().NSPlay1(), vorne::mediaplayer::kDispFileName, none);
        VariantClear(&none);
        forms::DoEvents();
        DeleteFileA(a_.c_str());
        DeleteFileA(b_.c_str());
    }

    static void Select(int i) {
        forms::ListBox& l = frmList().List1;
        l.SetSelection(std::vector<bool>(static_cast<size_t>(l.ListCount()), false));
        l.SetListIndex(i);
        l.SetSelected(i, true);
    }
    void PlayEntry(int i) {
        Select(i);
        frmList().PlaySelected();
        ASSERT_TRUE(PumpUntil([] { return MainPlayState() == vorne::mediaplayer::kStatePlaying; })) << "entry " << i << " plays";
        // The control's new-stream event comes through the message loop.
        vorne::testing::Pump(300);
    }

    std::string a_, b_;
    forms::ScriptedDialogs boxes_;
    forms::ScopedDialogs scope_{boxes_};
};

TEST_F(PlayerWiring, EveryWayIntoTheTagEditorShowsTheSelectedEntry) {
    for (const bool playing : {false, true}) {
        if (playing) {
            PlayEntry(0);
            ASSERT_EQ(CurrentFile, a_);
        } else {
            CurrentFile.clear();  // nothing played yet
        }
        Select(1);
        for (const Way& way : kWays) {
            SCOPED_TRACE(std::string(way.name) + (playing ? ", the first song playing" : ", nothing playing"));
            const Seen seen = OpenEditor(way.open);
            ASSERT_TRUE(seen.shown) << "the tag editor did not show";
            EXPECT_EQ(seen.file, b_);
            EXPECT_EQ(seen.title, "Beta");
            EXPECT_FALSE(vorne::player::library::tageditor::frmIDTAG().Loaded());
            EXPECT_FALSE(TagEditorOpen);
            EXPECT_EQ(frmList().List1.ListIndex(), 1);
        }
    }
}

TEST_F(PlayerWiring, SavingFromThePlaylistWritesTheSelectedEntryAlone) {
    PlayEntry(0);
    Select(1);
    const std::string aBefore = ReadAll(a_);
    const Seen seen = OpenEditor(PlaylistTagInfo, [](vorne::player::library::tageditor::FrmIDTAG& f) {
        f.txtTitle.SetText("Caf\xe9 Beta");
        f.cmdSave_Click();
    });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(core::GetMp3Info(b_).Title, "Caf\xe9 Beta");
    EXPECT_EQ(core::GetMp3Info(b_).Year, "2002");
    EXPECT_EQ(ReadAll(a_), aBefore) << "the song playing was written";
    EXPECT_EQ(boxes_.Log().size(), 0u) << "a message came up";
}

TEST_F(PlayerWiring, TheOpenTagEditorFollowsTheSongNowPlaying) {
    PlayEntry(0);
    std::string afterNext;
    const Seen seen = OpenEditor(PlaylistTagInfo, [&](vorne::player::library::tageditor::FrmIDTAG& f) {
        EXPECT_TRUE(TagEditorOpen);
        frmMain().cmdNext_Click();
        PumpUntil([&] { return f.txtFile.Text() == b_; }, 5000);
        afterNext = f.txtFile.Text() + "|" + f.txtTitle.Text();
    });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.file, a_);
    EXPECT_EQ(afterNext, b_ + "|Beta");
    EXPECT_FALSE(TagEditorOpen);
}

TEST_F(PlayerWiring, AClosedVideoWindowsControlIsDrivenNoMore) {
    const std::string clip = Folder() + "clip.avi";
    if (!text::FileExists(clip)) GTEST_SKIP() << "no test clip: ffmpeg was not installed when the tests were built";
    FrmList& list = frmList();
    list.Store.Clear();
    list.AddFileToList(clip);
    list.RefreshList();
    Options.ShowVideoWindow = 1;
    PlayEntry(0);
    video::FrmVideo& v = video::frmVideo();
    ASSERT_TRUE(PumpUntil([&] { return v.Visible() && v.Vid() && v.Vid()->PlayState() == vorne::mediaplayer::kStatePlaying; }))
        << "the video window did not show its clip";
    PlaybackWiring& wiring = frmMain().Playback();
    const com::Ptr<IDispatch> vid(wiring.media.Video());
    ASSERT_TRUE(vid);
    ASSERT_EQ(vid.Get(), v.Vid()->Dispatch());

    // The user closes the window.
    SendMessageA(v.hWnd(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(v.Loaded());
    EXPECT_EQ(wiring.media.Video(), nullptr) << "the transport still holds the released control";
    forms::DoEvents();
    EXPECT_NE(PlayStateOf(vid.Get()), vorne::mediaplayer::kStatePlaying) << "the released control plays on unseen";
    // The transport goes on with the sound alone.
    frmMain().cmdPause_Click();
    frmMain().cmdPlay_Click();
    vorne::testing::Pump(300);
    EXPECT_EQ(MainPlayState(), vorne::mediaplayer::kStatePlaying);
    EXPECT_NE(PlayStateOf(vid.Get()), vorne::mediaplayer::kStatePlaying) << "Play reached the released control";
}

}  // namespace
}  // namespace vorne::player
