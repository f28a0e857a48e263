#include "player/preferences/preferences_core.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "runtime/registry/associate.h"

namespace vorne::player::preferences {
namespace {

using vorne::registry::FakeRegistry;

TEST(FileTypeRows, ThirtySevenRowsWithTwoHeadings) {
    const auto& rows = FileTypeRows();
    ASSERT_EQ(rows.size(), 37u);
    EXPECT_EQ(rows[0], "--Play Lists--");
    EXPECT_EQ(rows[1], ".vna");
    EXPECT_EQ(rows[3], ".m3u");
    EXPECT_EQ(rows[4], "--Media Types--");
    EXPECT_EQ(rows[5], ".asf");
    EXPECT_EQ(rows[22], ".mp3");
    EXPECT_EQ(rows[36], ".rmm");
    int headings = 0;
    for (const auto& r : rows) headings += IsHeading(r);
    EXPECT_EQ(headings, 2);
    EXPECT_TRUE(IsPlayListType(".pls"));
    EXPECT_FALSE(IsPlayListType(".PLS"));
    EXPECT_FALSE(IsPlayListType(".mp3"));
    EXPECT_EQ(ProgramBase("C:\\Vorne", "Vorne"), "C:\\Vorne\\Vorne");
    EXPECT_EQ(ProgramBase("C:\\", "Vorne"), "C:\\Vorne");
}

class Associations : public ::testing::Test {
protected:
    std::vector<bool> Ticks(std::initializer_list<const char*> exts) {
        std::vector<bool> t(rows.size(), false);
        for (const char* e : exts)
            for (size_t i = 0; i < rows.size(); ++i)
                if (rows[i] == e) t[i] = true;
        return t;
    }
    const std::vector<std::string>& rows = FileTypeRows();
    FakeRegistry reg;
    const std::string base = "C:\\Program Files\\Vorne\\Vorne";
};

TEST_F(Associations, SaveRegistersTickedTypesAndCheckReadsThemBack) {
    const auto ticked = Ticks({".pls", ".mp3", "--Media Types--"});
    const SaveResult r = SaveAssociations(reg, rows, ticked, std::vector<bool>(rows.size()), base, 3, 5);
    EXPECT_EQ(r.registered, 2);  // the heading is never registered
    EXPECT_EQ(r.failures, 0);
    EXPECT_EQ(reg.Get(".pls")->data, std::string("Vorne.PlayList") + '\0');
    EXPECT_EQ(reg.Get("Vorne.PlayList")->data, std::string("Vorne Play List") + '\0');
    EXPECT_EQ(reg.Get("Vorne.PlayList\\shell\\open\\command")->data,
              std::string("\"C:\\Program Files\\Vorne\\Vorne.exe\" %1") + '\0');
    EXPECT_EQ(reg.Get("Vorne.PlayList\\DefaultIcon")->data,
              std::string("\"C:\\Program Files\\Vorne\\Vorne.icl\",3") + '\0');
    EXPECT_EQ(reg.Get(".mp3")->data, std::string("Vorne.Media") + '\0');
    EXPECT_EQ(reg.Get("Vorne.Media\\DefaultIcon")->data, std::string("\"C:\\Program Files\\Vorne\\Vorne.icl\",5") + '\0');
    EXPECT_FALSE(reg.KeyExists("--Media Types--"));
    EXPECT_EQ(CheckSpecAssociation(reg, rows), Ticks({".pls", ".mp3"}));
    EXPECT_EQ(reg.OpenHandles(), 0);
}

TEST_F(Associations, UntickingRemovesOnlyOurBindingAndKeepsOtherPrograms) {
    SaveAssociations(reg, rows, Ticks({".pls", ".mp3", ".wav"}), std::vector<bool>(rows.size()), base, 0, 0);
    // Another program has taken .wav since the list was filled.
    vorne::registry::SetKeyValue(reg, ".wav", "", "OtherPlayer.Wave", vorne::registry::kRegSz);
    const auto before = Ticks({".pls", ".mp3", ".wav"});
    const SaveResult r = SaveAssociations(reg, rows, Ticks({".pls"}), before, base, 0, 0);
    EXPECT_EQ(r.unregistered, 1);
    EXPECT_FALSE(reg.KeyExists(".mp3"));
    EXPECT_EQ(reg.Get(".wav")->data, std::string("OtherPlayer.Wave") + '\0');
    EXPECT_TRUE(reg.KeyExists("Vorne.Media\\shell\\open\\command"));  // the ProgID stays
    EXPECT_EQ(CheckSpecAssociation(reg, rows), Ticks({".pls"}));
}

TEST_F(Associations, ATypeOfAnotherProgramShowsUntickedAndTickingRebindsIt) {
    vorne::registry::SetKeyValue(reg, ".mp3", "", "x", vorne::registry::kRegSz);  // no key yet: nothing written
    vorne::registry::CreateRegKey(reg, ".mp3", vorne::registry::kClassesRoot);
    vorne::registry::SetKeyValue(reg, ".mp3", "", "OtherPlayer.Mp3", vorne::registry::kRegSz);
    EXPECT_EQ(CheckSpecAssociation(reg, rows), Ticks({}));
    SaveAssociations(reg, rows, Ticks({".mp3"}), Ticks({}), base, 0, 0);
    EXPECT_EQ(CheckSpecAssociation(reg, rows), Ticks({".mp3"}));
    // Saving twice registers again and removes nothing.
    const SaveResult again = SaveAssociations(reg, rows, Ticks({".mp3"}), Ticks({".mp3"}), base, 0, 0);
    EXPECT_EQ(again.registered, 1);
    EXPECT_EQ(again.unregistered, 0);
}

TEST_F(Associations, FailedWritesAreCounted) {
    reg.FailWith(vorne::registry::kRegAccessDenied);
    const SaveResult r = SaveAssociations(reg, rows, Ticks({".pls", ".mp3"}), Ticks({}), base, 0, 0);
    EXPECT_EQ(r.failures, 2);
    EXPECT_EQ(r.firstFailure, vorne::registry::kRegAccessDenied);
}

struct RecordingHost : PreferencesHost {
    void SetProcessPriority(int level) override { priority = level; }
    void SetBufferingTime(double s) override {
        if (refuseBuffering) throw std::runtime_error("refused");
        buffering = s;
    }
    void SetTrayPicture(int n) override { tray = n; }
    void SetRefreshInterval(int32_t ms) override { interval = ms; }
    int32_t SelectedTitle() override { return selected; }
    int priority = -1, tray = -1;
    double buffering = -1;
    int32_t interval = -1, selected = -1;
    bool refuseBuffering = false;
};

TEST(ApplyOptions, StoresTheControlsAndRunsTheActions) {
    core::OptionsFile o;
    PreferenceValues v = ShowCurrentOptions(o, 4.6, 5, 6);
    EXPECT_EQ(v.buffering, 5);
    EXPECT_TRUE(v.rememberLastSong);  // LastSongIndex 0 shows ticked
    EXPECT_EQ(v.trayIcon, 6);
    v.priority = 1;
    v.refreshSeconds = 0;
    v.trayIcon = 2;
    v.snap = 25;
    v.playListIcon = 4;
    v.songInfoFormat = "%1";
    RecordingHost host;
    host.selected = 7;
    EXPECT_EQ(ApplyOptions(v, o, host), 0);
    EXPECT_EQ(o.PriorityLevel, 1);
    EXPECT_EQ(host.priority, 1);
    EXPECT_EQ(host.interval, 0);  // 0 seconds stops the refresh
    EXPECT_EQ(host.tray, 2);
    EXPECT_EQ(o.SnapDistance, 25);
    EXPECT_EQ(o.PlayListIconIndex, 4);
    EXPECT_EQ(o.SongInfoFormat, "%1");
    EXPECT_EQ(host.buffering, 5.0);
    EXPECT_EQ(o.LastSongIndex, 7);
    // Remember ticked with nothing selected stores -1: unticked next time.
    host.selected = -1;
    ApplyOptions(v, o, host);
    EXPECT_EQ(o.LastSongIndex, -1);
    EXPECT_FALSE(ShowCurrentOptions(o, 1, 5, 6).rememberLastSong);
}

TEST(ApplyOptions, AFailingStepIsSkippedAndTheRestRun) {
    core::OptionsFile o;
    PreferenceValues v = ShowCurrentOptions(o, 3, 5, 6);
    v.snap = 33;
    v.refreshSeconds = 4;
    RecordingHost host;
    host.refuseBuffering = true;
    EXPECT_EQ(ApplyOptions(v, o, host), 1);
    EXPECT_EQ(o.SnapDistance, 33);
    EXPECT_EQ(host.interval, 4000);
}

TEST(ApplyOptions, OutOfRangeOptionsShowAtTheNearestEnd) {
    core::OptionsFile o;
    o.PriorityLevel = 9;
    o.SnapDistance = -4;
    o.TrayIconIndex = 40;
    o.MediaIconIndex = 12;
    const PreferenceValues v = ShowCurrentOptions(o, 99, 5, 6);
    EXPECT_EQ(v.priority, 3);
    EXPECT_EQ(v.snap, 0);
    EXPECT_EQ(v.trayIcon, 6);
    EXPECT_EQ(v.mediaIcon, 5);
    EXPECT_EQ(v.buffering, 30);
}

TEST(SliderCaptions, PriorityWaitAndIconCount) {
    EXPECT_EQ(PriorityCaption(0), "Priority Level (IDLE):");
    EXPECT_EQ(PriorityCaption(3), "Priority Level (REALTIME):");
    EXPECT_FALSE(PriorityCaption(4));
    EXPECT_EQ(WaitCaption(0), "Wait 0 seconds");
    EXPECT_EQ(TypeIconMax([](int id) { return id <= 106; }), 5);
    EXPECT_EQ(TypeIconMax([](int) { return true; }), kDesignIconMax);
    EXPECT_EQ(TypeIconMax([](int) { return false; }), 0);
}

}  // namespace
}  // namespace vorne::player::preferences
