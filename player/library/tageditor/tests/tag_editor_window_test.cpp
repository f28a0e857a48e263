// The tag editor under Wine with a file that is playing: a stand-in player
// holds the song open with no sharing, as a playing player does, and lets
// it go only when asked. Save, Make and Remove TAG through the dialog's
// buttons, the bytes written compared with the tag block expected, and the
// player's position and state given back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "player/library/id3v1_codepage_win32.h"
#include "player/library/tageditor/tag_editor_window.h"
#include "runtime/forms/folder_listing.h"
#include "runtime/testing/message_pump.h"
#include "runtime/text/ansi.h"

namespace vorne::player::library::tageditor {
namespace {

std::string TempFile(const std::wstring& name) {
    wchar_t buf[MAX_PATH];
    GetTempPathW(MAX_PATH, buf);
    return text::WideToAnsi(std::wstring(buf) + name);
}

using vorne::testing::ReadAll;

void WriteAll(const std::string& path, const std::string& data) {
    std::FILE* f = text::OpenFile(path, "wb");
    ASSERT_TRUE(f);
    std::fwrite(data.data(), 1, data.size(), f);
    std::fclose(f);
}

std::string Body() {
    std::string b(3000, '\0');
    for (size_t i = 0; i < b.size(); ++i) b[i] = static_cast<char>((i * 13 + 5) & 0xFF);
    return b;
}

// Plays a file as the media control does: open with no sharing.
class HoldingPlayer : public TagEditorPlayer {
public:
    std::string current;
    HANDLE handle = INVALID_HANDLE_VALUE;
    int position = 95, state = 1;  // paused at 1:35
    int pollsUntilPlaying = 0;
    std::vector<std::string> calls;

    void Play(const std::string& path) {
        current = path;
        Open();
    }
    void Open() {
        handle = CreateFileW(text::AnsiToWide(current).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    void Close() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
    ~HoldingPlayer() override { Close(); }

    bool IsCurrent(const std::string& p) override { return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, p.c_str(), -1, current.c_str(), -1) == CSTR_EQUAL; }
    PlayerHold Release() override {
        calls.push_back("release");
        PlayerHold h{position, state};
        Close();
        position = 0;
        state = 6;
        return h;
    }
    void Reopen(const std::string& p) override {
        calls.push_back("reopen");
        current = p;
        Open();
        pollsUntilPlaying = 3;
    }
    bool IsPlaying() override { return handle != INVALID_HANDLE_VALUE && --pollsUntilPlaying <= 0; }
    void Resume(const PlayerHold& h) override {
        calls.push_back("resume");
        position = h.position;
        state = h.state;
    }
};

struct Rig {
    HoldingPlayer player;
    core::SongInfoRecord current;
    bool open = false;
    int refreshes = 0;
    forms::ScriptedDialogs dialogs;
    forms::ScopedDialogs scope{dialogs};

    Rig() {
        TagEditorHost h;
        h.env = WindowsTagEditorEnv();
        h.env.currentFile = [this] { return player.current; };
        h.env.currentSongInfo = [this] { return current; };
        h.player = &player;
        h.refreshControls = [this] { ++refreshes; };
        h.setOpen = [this](bool on) { open = on; };
        frmIDTAG().SetHost(std::move(h));
    }
    ~Rig() {
        if (frmIDTAG().Loaded()) {
            frmIDTAG().cmdSave.SetEnabled(false);
            frmIDTAG().Unload();
        }
    }
};

TEST(TagEditorWin, MakeSaveAndRemoveTheTagOfThePlayingSong) {
    const std::string path = TempFile(L"vorne tag \u00e9\u2019.mp3");
    WriteAll(path, Body());
    Rig rig;
    // What the player read when it chose the song: no tag, and the display's
    // stand-in for the missing title.
    rig.current = core::GetMp3Info(path);
    rig.current.Title = path;
    rig.player.Play(path);
    // While it plays nobody else can write it.
    EXPECT_EQ(SaveTag(path, TagFields{}, AnsiCodePage()), TagResult::kInUseOrReadOnly);

    FrmIDTAG& f = frmIDTAG();
    f.Load();
    EXPECT_TRUE(rig.open);
    EXPECT_EQ(f.Caption(), "File Tag");
    EXPECT_EQ(f.txtFile.Text(), path);
    EXPECT_EQ(f.cmdSave.Caption(), "Make TAG");
    EXPECT_TRUE(f.cmdSave.Enabled());
    EXPECT_FALSE(f.cmdRemove.Enabled());
    EXPECT_EQ(f.txtTitle.Text(), "");
    EXPECT_EQ(f.txtSize.Text(), "3000 - (0mb)");
    ASSERT_EQ(f.cmboGenre.ListCount(), 147) << "every named genre";
    for (int i = 1; i < f.cmboGenre.ListCount(); ++i)
        EXPECT_FALSE(forms::LessNoCase(f.cmboGenre.List(i), f.cmboGenre.List(i - 1))) << "sorted at " << i;

    f.txtTitle.SetText("Caf\xe9 Night, a title much longer than thirty");
    EXPECT_EQ(f.txtTitle.Text().size(), 30u) << "the box keeps 30 characters";
    f.txtArtist.SetText("Vorne");
    f.txtYear.SetText("19990");
    EXPECT_EQ(f.txtYear.Text(), "1999");
    ASSERT_TRUE(f.cmboGenre.SetText("Blues"));
    f.cmdSave_Click();
    EXPECT_EQ(rig.player.calls, (std::vector<std::string>{"release", "reopen", "resume"}));
    EXPECT_EQ(rig.player.position, 95);
    EXPECT_EQ(rig.player.state, 1) << "paused stays paused";
    EXPECT_NE(rig.player.handle, INVALID_HANDLE_VALUE) << "the player has its file again";
    EXPECT_EQ(rig.refreshes, 1);

    TagFields want{"Caf\xe9 Night, a title much longe", "Vorne", "", "1999", "", "Blues"};
    const TagBlock block = BuildTagBlock(want, AnsiCodePage());
    rig.player.Close();
    std::string bytes = ReadAll(path);
    rig.player.Open();
    ASSERT_EQ(bytes.size(), 3128u);
    EXPECT_EQ(bytes.substr(0, 3000), Body());
    EXPECT_EQ(bytes.substr(3000), std::string(block.begin(), block.end()));
    EXPECT_EQ(static_cast<unsigned char>(bytes[3127]), 0);
    EXPECT_EQ(f.cmdSave.Caption(), "Save TAG");
    EXPECT_FALSE(f.cmdSave.Enabled());
    EXPECT_TRUE(f.cmdRemove.Enabled());
    EXPECT_EQ(f.txtArtist.Text(), "Vorne");

    // An edit and a second save overwrite the same 128 bytes.
    f.txtComments.SetText("again");
    EXPECT_TRUE(f.cmdSave.Enabled());
    rig.player.state = 0;  // stopped stays stopped
    f.cmdSave_Click();
    EXPECT_EQ(rig.player.state, 0);
    rig.player.Close();
    bytes = ReadAll(path);
    rig.player.Open();
    EXPECT_EQ(bytes.size(), 3128u);
    EXPECT_EQ(bytes.substr(3097, 5), "again");

    // Remove, after a Yes.
    rig.dialogs.QueueMsgBox(forms::vbYes);
    rig.player.calls.clear();
    f.cmdRemove_Click();
    EXPECT_EQ(rig.dialogs.Log().back().prompt, "Are you sure you want to remove the ID Tag?");
    EXPECT_EQ(rig.player.calls.size(), 3u);
    rig.player.Close();
    EXPECT_EQ(ReadAll(path), Body());
    rig.player.Open();
    EXPECT_EQ(f.cmdSave.Caption(), "Make TAG");
    EXPECT_FALSE(f.cmdRemove.Enabled());

    // Closing a Make TAG dialog by its button asks nothing.
    f.cmdCancel_Click();
    EXPECT_FALSE(f.Loaded());
    EXPECT_FALSE(rig.open);
    EXPECT_EQ(rig.dialogs.Pending(), 0u);
    rig.player.Close();
    text::RemoveFile(path);
}

TEST(TagEditorWin, AFileHeldByAnotherProgramIsReportedAndUnsavedChangesAsked) {
    const std::string path = TempFile(L"vorne_tag_held.mp3");
    WriteAll(path, Body());
    Rig rig;
    FrmIDTAG& f = frmIDTAG();
    f.Load();
    f.MapData(path);
    // Held open by someone who is not the player.
    HANDLE other = CreateFileW(text::AnsiToWide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    f.txtTitle.SetText("x");
    rig.dialogs.QueueMsgBox(forms::vbOK);
    f.cmdSave_Click();
    EXPECT_EQ(rig.dialogs.Log().back().prompt, "File in Use or Read-only.  Cannot Write");
    EXPECT_TRUE(rig.player.calls.empty()) << "the player's own file was not touched";
    CloseHandle(other);
    EXPECT_EQ(ReadAll(path), Body());

    // A change not saved: the window's close asks; No leaves the file.
    f.txtTitle.SetText("y");
    f.MapData(path);  // a Make TAG dialog: Save is enabled
    rig.dialogs.QueueMsgBox(forms::vbNo);
    EXPECT_TRUE(f.Unload(forms::vbFormControlMenu));
    EXPECT_EQ(rig.dialogs.Log().back().prompt, "Changes have been made, and are not saved.  Save now?");
    EXPECT_EQ(ReadAll(path), Body());
    text::RemoveFile(path);
}

// The playlist's way in: MapData on the dialog not yet loaded, then Show.
// The load runs first and fills from the song playing; the path given wins.
TEST(TagEditorWin, MapDataBeforeTheFirstLoadIsWhatTheDialogShows) {
    const std::string playing = TempFile(L"vorne_tag_playing.mp3"), chosen = TempFile(L"vorne_tag_chosen.mp3");
    WriteAll(playing, Body());
    WriteAll(chosen, Body());
    ASSERT_EQ(SaveTag(chosen, TagFields{"Chosen", "", "", "", "", ""}, AnsiCodePage()), TagResult::kAppended);
    Rig rig;
    rig.player.current = playing;
    FrmIDTAG& f = frmIDTAG();
    ASSERT_FALSE(f.Loaded());
    f.MapData(chosen);
    EXPECT_TRUE(rig.open) << "loaded by its first use";
    f.Show();
    EXPECT_EQ(f.txtFile.Text(), chosen);
    EXPECT_EQ(f.txtTitle.Text(), "Chosen");
    EXPECT_EQ(f.cmdSave.Caption(), "Save TAG");
    EXPECT_TRUE(f.cmdRemove.Enabled());
    f.cmdCancel_Click();
    text::RemoveFile(playing);
    text::RemoveFile(chosen);
}

// Under a double-byte code page (932) a long title is cut between whole
// characters, in the box and in the tag.
TEST(TagEditorWin, DoubleByteTitlesAreCutWhole) {
    if (GetACP() != 932) GTEST_SKIP() << "needs the code page 932 run";
    const std::string path = TempFile(L"vorne_tag_932.mp3");
    WriteAll(path, Body());
    Rig rig;
    FrmIDTAG& f = frmIDTAG();
    f.Load();
    f.MapData(path);
    std::wstring wide = L"a";
    for (int i = 0; i < 16; ++i) wide += L"\u97f3";
    f.txtTitle.SetText(text::WideToAnsi(wide));
    const std::string kept = f.txtTitle.Text();
    EXPECT_EQ(kept.size(), 29u) << "'a' and 14 characters of two bytes";
    EXPECT_EQ(text::AnsiToWide(kept), wide.substr(0, 15));
    f.cmdSave_Click();
    const std::string bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 3128u);
    EXPECT_EQ(bytes.substr(3003, 30), kept + " ");
    f.cmdSave.SetEnabled(false);
    text::RemoveFile(path);
}

// Shows the dialog (VORNE_SHOT_MS milliseconds, for a screenshot) over a
// tagged song.
TEST(TagEditorWin, Shown) {
    const std::string path = TempFile(L"Vorne - Night Drive.mp3");
    TagFields tag{"Night Drive", "The Vornes", "Tape Side A", "1999", "made by the editor", "Synthpop"};
    const TagBlock block = BuildTagBlock(tag, AnsiCodePage());
    // Forty frames of MPEG-1 layer III, 128 kbit/s, 44100 Hz, stereo.
    std::string song;
    for (int i = 0; i < 40; ++i) {
        std::string frame(417, '\0');
        frame[0] = '\xFF', frame[1] = '\xFB', frame[2] = '\x90', frame[3] = '\x04';
        song += frame;
    }
    WriteAll(path, song + std::string(block.begin(), block.end()));
    Rig rig;
    FrmIDTAG& f = frmIDTAG();
    f.Load();
    f.MapData(path);
    const char* ms = std::getenv("VORNE_SHOT_MS");
    forms::ShowFor(f, ms ? static_cast<unsigned>(std::atoi(ms)) : 200);
    EXPECT_EQ(f.txtTitle.Text(), "Night Drive");
    EXPECT_EQ(f.cmboGenre.Text(), "Synthpop");
    EXPECT_FALSE(f.cmdSave.Enabled());
    EXPECT_EQ(f.txtSize.Text(), "16808 - (0.01mb)");
    EXPECT_EQ(f.txtExtra.Text().substr(0, 34), "MPEG 1 layer 3\r\n44100hz (Stereo)\r\n") << f.txtExtra.Text();
    text::RemoveFile(path);
}

}  // namespace
}  // namespace vorne::player::library::tageditor
