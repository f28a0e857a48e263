// The cassette planner's window under Wine: the buttons over a playlist of
// the test, the messages, and Migrate into the playlist.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "player/library/cassette/cassette_window.h"

namespace vorne::player::library::cassette {
namespace {

struct Rig {
    PlaylistStore list;
    std::vector<bool> selection;
    int changes = 0;
    forms::ScriptedDialogs dialogs;
    forms::ScopedDialogs scope{dialogs};
    Rig() {
        // Songs of 590 s and one of 400 s; paths name their lengths.
        for (const char* s : {"590", "590", "400", "590"}) list.Append(std::string("Song ") + s, std::string("C:\\") + s + ".mp3");
        selection.assign(4, true);
        frmAudioCass().SetHost(CassetteHost{&list, [this] { return selection; }, [this] { ++changes; },
                                            [](const std::string& p) { return std::atof(p.c_str() + 3); }});
    }
    ~Rig() { frmAudioCass().Unload(); }
};

TEST(CassetteWin, CreateExpandAndMigrateThroughTheButtons) {
    Rig rig;
    FrmAudioCass& f = frmAudioCass();
    f.Load();
    EXPECT_EQ(f.Caption(), "Audio Cassette Tape Creator");
    EXPECT_EQ(f.txtLen.Text(), "30");
    EXPECT_EQ(f.lblTotLen.Caption(), "0");
    f.cmdGet_Click();
    EXPECT_EQ(f.List1.ListCount(), 4);
    EXPECT_EQ(f.lblTotLen.Caption(), "36:10");
    f.cmdCreate_Click();  // 590, 590, skips 400? no: 1180 + 400 = 1580 fits, 590 does not
    EXPECT_EQ(f.lstNew.ListCount(), 3);
    EXPECT_EQ(f.lblListLen.Caption(), "26:20");
    f.Command2_Click();  // 220 s spare over 3 songs: 73, 73, 73 and 1
    EXPECT_EQ(f.lstNew.ListCount(), 7);
    EXPECT_EQ(f.lstNew.List(0), "< PAUSE FOR 73 second(s) >");
    EXPECT_EQ(f.lstNew.List(6), "< PAUSE FOR 1 second(s) >");
    EXPECT_EQ(f.lblListLen.Caption(), "30:00");
    rig.dialogs.QueueMsgBox(forms::vbOK);
    f.Command2_Click();
    EXPECT_EQ(rig.dialogs.Log().back().prompt,
              "Current List already fits snuggly into the selected time range!  Click Migrate to get ready to record!");

    f.Command1_Click();
    EXPECT_EQ(rig.changes, 1);
    ASSERT_EQ(rig.list.Count(), 7);
    EXPECT_EQ(rig.list.PathAt(0), "%PAUSE%73");
    EXPECT_EQ(rig.list.Title(1), "Song 590");
    EXPECT_TRUE(rig.list.InvariantHolds());
    ASSERT_EQ(f.List1.ListCount(), 1) << "only the song that did not fit stays";
    EXPECT_EQ(f.List1.List(0), "Song 590");
    EXPECT_EQ(f.lstNew.ListCount(), 0);
    EXPECT_EQ(f.lblTotLen.Caption(), "09:50");
}

TEST(CassetteWin, RefusalsShowAMessageAndChangeNothing) {
    Rig rig;
    FrmAudioCass& f = frmAudioCass();
    f.Load();
    rig.dialogs.QueueMsgBox(forms::vbOK);
    f.Command2_Click();  // an empty side
    rig.dialogs.QueueMsgBox(forms::vbOK);
    f.Command1_Click();  // nothing to migrate
    EXPECT_EQ(rig.list.Count(), 4);
    f.cmdGet_Click();
    f.txtLen.SetText("abc");
    rig.dialogs.QueueMsgBox(forms::vbOK);
    f.cmdCreate_Click();
    EXPECT_EQ(f.lstNew.ListCount(), 0);
    ASSERT_EQ(rig.dialogs.Log().size(), 3u);
    EXPECT_EQ(rig.dialogs.Log()[0].prompt, CassettePlanner::Message(CassettePlanner::Outcome::kEmptySide));
    EXPECT_EQ(rig.dialogs.Log()[2].prompt, CassettePlanner::Message(CassettePlanner::Outcome::kBadLength));
    f.List1.SetSelected(1, true);
    f.List1.SetSelected(2, true);
    f.cmdDel_Click();
    EXPECT_EQ(f.List1.ListCount(), 2);
    f.Command3_Click();
    EXPECT_EQ(f.List1.ListCount(), 0);
    EXPECT_EQ(f.lblTotLen.Caption(), "00:00");
}

// Shows the window (VORNE_SHOT_MS milliseconds, for a screenshot) with a
// side made and expanded.
TEST(CassetteWin, Shown) {
    Rig rig;
    FrmAudioCass& f = frmAudioCass();
    f.Load();
    f.cmdGet_Click();
    f.cmdCreate_Click();
    f.Command2_Click();
    const char* ms = std::getenv("VORNE_SHOT_MS");
    forms::ShowFor(f, ms ? static_cast<unsigned>(std::atoi(ms)) : 200);
    EXPECT_EQ(f.lstNew.ListCount(), 7);
}

}  // namespace
}  // namespace vorne::player::library::cassette
