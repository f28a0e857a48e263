#include "player/dialogs/dialogs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "player/dialogs/child_controls.h"
#include "runtime/testing/window_pixels.h"

namespace vorne::player::dialogs {
namespace {

// With VORNE_SHOT_DIR set, each window is saved as a picture there.
void Linger(forms::Form& w, const char* name) { vorne::testing::SaveWindowShot(w.hWnd(), name); }

TEST(StatsWindow, ShowsTheCountersAndResetsThem) {
    core::Statistics stats{"3725", "12", "", "bogus"};
    FrmStats w(stats);
    std::vector<HWND> placed;
    SetOnTopRule([&](HWND h) { placed.push_back(h); });
    w.Show();
    EXPECT_EQ(placed, std::vector<HWND>{w.hWnd()});
    EXPECT_EQ(w.Caption(), "Play Statistics");
    EXPECT_EQ(w.Captions(), (commands::StatisticCaptions{"1:02:05", "12", "0", "0"}));
    EXPECT_EQ(stats.TotalRuns, "0");
    Linger(w, "stats");
    w.cmdRst_Click();
    EXPECT_EQ(stats.TotalPlayTime, "0");
    EXPECT_EQ(stats.TotalSongsPlayed, "0");
    // The captions follow at the next tick of the two-second timer.
    EXPECT_EQ(w.Timer1.Interval(), 2000);
    EXPECT_TRUE(w.Timer1.Running());
    w.Timer1.Tick();
    EXPECT_EQ(w.Captions(), (commands::StatisticCaptions{"00:00", "0", "0", "0"}));
    w.Command1_Click();
    EXPECT_FALSE(w.Loaded());
    SetOnTopRule(nullptr);
}

TEST(AboutWindow, ShowsTheReleaseHistory) {
    FrmAbout w;
    w.Show();
    EXPECT_EQ(w.Caption(), "About Vorne");
    const std::string text = w.HistoryText();
    EXPECT_EQ(text.rfind("Version 2.0 (Build 1)\r\n1.  ", 0), 0u);
    EXPECT_NE(text.find("Version 1.3 (Build 88)\r\n-====================-\r\n"), std::string::npos);
    Linger(w, "about");
    w.Command1_Click();
    EXPECT_FALSE(w.Loaded());
}

TEST(AuthorWindow, ShowsTheDetailsAndOpensOnlySafeLinks) {
    AuthorDetails details{"Jo Skinner", "A dark skin\r\nwith blue buttons", "jo@example.com", "www.example.com/skins"};
    std::vector<std::string> opened;
    SetOpener([&](HWND, const std::string& t) { opened.push_back(t); });
    FrmInfo w(details);
    w.Show();
    EXPECT_EQ(w.Caption(), "View Author Details");
    EXPECT_EQ(w.LinkCaption(0), "Jo Skinner");
    EXPECT_EQ(w.LinkCaption(1), "jo@example.com");
    EXPECT_EQ(w.LinkCaption(2), "www.example.com/skins");
    EXPECT_EQ(w.DescriptionText(), "A dark skin\r\nwith blue buttons");
    // A later change of skin does not reach the open window.
    details[0] = "Someone Else";
    EXPECT_EQ(w.LinkCaption(0), "Jo Skinner");
    Linger(w, "author");
    EXPECT_TRUE(w.txtAuthorInfo1_Click(1));
    EXPECT_TRUE(w.txtAuthorInfo1_Click(2));
    EXPECT_FALSE(w.txtAuthorInfo1_Click(0));  // a name is no link
    EXPECT_EQ(opened, (std::vector<std::string>{"mailto:jo@example.com", "http://www.example.com/skins"}));
    // A click on the label itself runs the same handler.
    SendMessageA(w.hWnd(), WM_COMMAND, MAKEWPARAM(201, STN_CLICKED), 0);
    EXPECT_EQ(opened.size(), 3u);
    w.cmdSave_Click();
    EXPECT_FALSE(w.Loaded());

    // A downloaded skin that names a program gets nothing opened.
    AuthorDetails evil{"x", "", "", "C:\\Windows\\system32\\calc.exe"};
    FrmInfo bad(evil);
    bad.Show();
    EXPECT_FALSE(bad.txtAuthorInfo1_Click(2));
    EXPECT_FALSE(bad.txtAuthorInfo1_Click(1));  // "mailto:" alone
    EXPECT_EQ(opened.size(), 3u);
    bad.Unload();
    SetOpener(nullptr);
}

}  // namespace
}  // namespace vorne::player::dialogs
