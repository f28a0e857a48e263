// The playlist window's close and docking under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include "player/app/globals.h"
#include "player/app/playlist_window.h"

namespace vorne::player {
namespace {

// The window without its start-up load (which runs the command line).
class BareList : public FrmList {
protected:
    void Form_Load() override {}
};

class PlainForm : public forms::Form {
public:
    PlainForm() : Form("frmPlain") {}

protected:
    DWORD Style() const override { return WS_POPUP; }
};

TEST(PlaylistWindow, ClosingOnlyHidesUntilThePlayerShutsDown) {
    BareList list;
    list.Show();
    ASSERT_TRUE(list.Visible());
    Options.ShowPlayList = true;
    Options.PlayListVisible = true;
    AppClosing = false;
    EXPECT_FALSE(list.Unload(forms::vbFormControlMenu));
    EXPECT_TRUE(list.Loaded());
    EXPECT_FALSE(list.Visible());
    EXPECT_FALSE(Options.ShowPlayList);
    EXPECT_FALSE(Options.PlayListVisible);
    // At shutdown the same close really unloads.
    AppClosing = true;
    EXPECT_TRUE(list.Unload(forms::vbFormCode));
    EXPECT_FALSE(list.Loaded());
    AppClosing = false;
}

TEST(PlaylistWindow, DocksAtTheMainWindowsLeftEdge) {
    const float px = forms::TwipsPerPixelX(), py = forms::TwipsPerPixelY();
    PlainForm main;
    main.Move(400 * px, 300 * py, 317 * px, 119 * py);
    main.Show();
    BareList list;
    list.Move(10 * px, 20 * py, 250 * px, 400 * py);
    list.Show();
    list.reposistion(main);
    RECT m, l;
    GetWindowRect(main.hWnd(), &m);
    GetWindowRect(list.hWnd(), &l);
    EXPECT_EQ(l.right, m.left);
    EXPECT_EQ(l.top, m.top);
    EXPECT_EQ(l.bottom - l.top, m.bottom - m.top);
    EXPECT_EQ(l.right - l.left, 250);  // the width stays
    // Docked already: nothing is written again.
    list.reposistion(main);
    RECT again;
    GetWindowRect(list.hWnd(), &again);
    EXPECT_TRUE(EqualRect(&again, &l));
    AppClosing = true;
    list.Unload();
    AppClosing = false;
}

TEST(PlaylistWindow, LayoutFollowsTheOuterSize) {
    const float px = forms::TwipsPerPixelX(), py = forms::TwipsPerPixelY();
    BareList list;
    list.Move(0, 0, 400 * px, 500 * py);
    list.Show();
    // Twips of the outer window: List1 width = width - List1 top - 240,
    // height = height - 480 - top - the buttons' 255; lblTotTime at height - 670.
    const float top = static_cast<float>(list.List1.Top()) * py;
    EXPECT_NEAR(list.List1.Width(), (400 * px - top - 240) / px, 1);
    EXPECT_NEAR(list.List1.Height(), (500 * py - 480 - top - 255) / py, 1);
    EXPECT_NEAR(list.lblTotTime.Top(), (500 * py - 670) / py, 1);
    AppClosing = true;
    list.Unload();
    AppClosing = false;
}

}  // namespace
}  // namespace vorne::player
