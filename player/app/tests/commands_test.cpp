// The main window's commands under Wine: the popup menu's items run their
// handlers and keep their ticks, the keys, the skin chooser, on-top, and
// the tray's way in and out of hiding.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/playlist_window.h"
#include "runtime/forms/dialogs.h"
#include "runtime/forms/file_dialog.h"

namespace vorne::player {
namespace {

// A main window whose load builds the built-in face, the menu and the tray.
class CommandsWindow : public FrmMain {
public:
    int videoShown = 0;
protected:
    void Form_Load() override {
        VersionText = "2.0 (build 1)";
        PrepareFace();
        MapDefaults();
        Tray1.OnEvent = [this](int event, int button) { Tray1_Event(event, button); };
        SetTrayPicture(6);
        SetTrayShown(true);
        ShowVideoWindow = [this] { ++videoShown; };
        CreateCoolMenu();
    }
};

bool Topmost(HWND w) { return (GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class MainWindowCommands : public ::testing::Test {
protected:
    void SetUp() override {
        Options = core::OptionsFile{};
        Options.PlayListVisible = false;
        AuthorInfo = {};
        w.Show();
        w.SetTrayShown(true);
    }
    void TearDown() override {
        w.SetTrayShown(false);
        w.Hide();
    }
    // The playlist window's load brings up the program's own main window;
    // both go before the process ends, and the closing flag is reset for
    // the suites after this one.
    static void TearDownTestSuite() {
        forms::Form::UnloadAll();
        AppClosing = false;
    }
    // One window for the whole suite, left to the end of the process (its
    // hosted components must not be torn down after COM is gone).
    static CommandsWindow& w;
};
CommandsWindow& MainWindowCommands::w = *new CommandsWindow;

TEST_F(MainWindowCommands, TheMenuIsBuiltAndTheTrayIconShown) {
    ASSERT_TRUE(w.cP.Created());
    EXPECT_EQ(w.cP.Menu().Model().Count(), 38);
    EXPECT_TRUE(w.TrayIconShown);
    EXPECT_TRUE(w.cP.Menu().Model().Checked(commands::kAdvancesItem));
    // Dismissed: nothing happens.
    w.DoClicks(0);
}

TEST_F(MainWindowCommands, AlwaysOnTopTwiceFromTheMenu) {
    ASSERT_FALSE(Topmost(w.hWnd()));
    w.DoClicks(commands::kOnTopItem);
    EXPECT_EQ(Options.AlwaysOnTop, 1);
    EXPECT_TRUE(w.OnTopTicked);
    EXPECT_TRUE(Topmost(w.hWnd()));
    w.cP.Menu().Restore(std::string(commands::kCoolMenuName));
    EXPECT_TRUE(w.cP.Menu().Model().Checked(commands::kOnTopItem));
    w.DoClicks(commands::kOnTopItem);
    EXPECT_EQ(Options.AlwaysOnTop, 0);
    EXPECT_FALSE(Topmost(w.hWnd()));
    w.cP.Menu().Restore(std::string(commands::kCoolMenuName));
    EXPECT_FALSE(w.cP.Menu().Model().Checked(commands::kOnTopItem));
}

TEST_F(MainWindowCommands, RandomFromTheMenuFollowsEverywhere) {
    const bool before = Options.RandomOn;
    w.DoClicks(commands::kRandomItem);
    EXPECT_EQ(Options.RandomOn, !before);
    EXPECT_EQ(w.chkRandom.GetValue(), before ? 0 : 1);
    w.cP.Menu().Restore(std::string(commands::kCoolMenuName));
    EXPECT_EQ(w.cP.Menu().Model().Checked(commands::kRandomItem), !before);
    w.DoClicks(commands::kRandomItem);
    EXPECT_EQ(Options.RandomOn, before);
}

TEST_F(MainWindowCommands, KeysRunTheirCommandsAndTheVideoNeedsCtrlAlone) {
    w.videoShown = 0;
    w.GenerateForm_KeyUp(87, 2);
    EXPECT_EQ(w.videoShown, 1);
    w.GenerateForm_KeyUp(87, 3);  // Ctrl+Shift+W
    w.GenerateForm_KeyUp(87, 0);
    EXPECT_EQ(w.videoShown, 1);
    // A real key release with Ctrl held reaches the same table.
    SendMessageA(w.hWnd(), WM_KEYUP, 'W', 0xC0000001);
    EXPECT_EQ(w.videoShown, 1);  // no Ctrl held
}

TEST_F(MainWindowCommands, CancelledOrFailedSkinChoiceChangesNothing) {
    forms::ScriptedFileDialogs files;
    forms::ScopedFileDialogs scoped(files);
    forms::ScriptedDialogs boxes;
    forms::DialogService* before = forms::SetDialogs(&boxes);
    Options.SkinPath = "";
    Options.Stats.TotalSkinsLoaded = "4";
    files.Queue(std::nullopt);
    w.cmdSkin_Click();
    EXPECT_EQ(Options.SkinPath, "");
    EXPECT_EQ(Options.Stats.TotalSkinsLoaded, "4");
    ASSERT_EQ(files.Log().size(), 1u);
    EXPECT_EQ(files.Log()[0].filter, "Vorne Skins|*.vsk");
    EXPECT_EQ(files.Log()[0].flags, 0x804);
    EXPECT_NE(files.Log()[0].file_name.find("\\Skins\\*.vsk"), std::string::npos);
    // A file that is no skin: not kept, not counted.
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    const std::string bad = std::string(tmp) + "vorne_not_a_skin.vsk";
    if (FILE* f = std::fopen(bad.c_str(), "wb")) {
        std::fputs("hello\r\n", f);
        std::fclose(f);
    }
    files.Queue(bad);
    boxes.QueueMsgBox(forms::vbOK);  // "Invalid Skin File"
    w.cmdSkin_Click();
    EXPECT_EQ(Options.SkinPath, "");
    EXPECT_EQ(Options.Stats.TotalSkinsLoaded, "4");
    DeleteFileA(bad.c_str());
    forms::SetDialogs(before);
}

TEST_F(MainWindowCommands, DefaultSkinForgetsTheSkinAndItsAuthor) {
    Options.SkinPath = "C:\\x.vsk";
    AuthorInfo = {"a", "b", "c", "d"};
    w.cmdDefaultSkin_Click();
    EXPECT_EQ(Options.SkinPath, "");
    EXPECT_EQ(AuthorInfo[0], "");
    EXPECT_EQ(AuthorInfo[3], "");
    EXPECT_GT(w.ElementCount(), 0);
}

TEST_F(MainWindowCommands, MinimiseHidesToTheTrayAndTheTrayBringsItBack) {
    ASSERT_TRUE(w.TrayIconShown);
    w.SetWindowState(forms::vbMinimized);
    EXPECT_FALSE(w.Visible());
    w.Tray1_Event(3, 1);
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.WindowState(), forms::vbNormal);
    w.Tray1_Event(3, 1);
    EXPECT_FALSE(w.Visible());
    w.Tray1_Event(3, 1);
    EXPECT_TRUE(w.Visible());
    // Without the tray icon, minimising leaves the window on the taskbar.
    w.SetTrayShown(false);
    EXPECT_FALSE(w.TrayIconShown);
    w.SetWindowState(forms::vbMinimized);
    EXPECT_TRUE(w.Visible()) << "hidden with no tray icon to bring it back";
    EXPECT_EQ(w.WindowState(), forms::vbMinimized);
    w.SetWindowState(forms::vbNormal);
    w.SetTrayShown(true);
}

}  // namespace
}  // namespace vorne::player
