// The player's popup menu under the real menu code: picked by keyboard,
// the item's key runs its command.
#include "player/commands/cool_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/testing/window_pixels.h"

namespace vorne::player::commands {
namespace {

struct Step {
    const char* shot;           // a screenshot name, or nullptr
    std::vector<WPARAM> chars;  // then these characters
};

class CoolMenuOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        owner_ = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(owner_);
        menu_.Create(owner_, MenuTicks{true, true, false, true});
    }
    void TearDown() override { DestroyWindow(owner_); }

    // Runs the steps one by one while the menu is open.
    void Script(std::vector<Step> steps) {
        steps_ = std::move(steps);
        self_ = this;
        SetTimer(owner_, 1, 300, &CoolMenuOnScreen::Next);
    }
    static void CALLBACK Next(HWND hwnd, UINT, UINT_PTR, DWORD) {
        if (self_->steps_.empty()) {
            KillTimer(hwnd, 1);
            return;
        }
        const Step step = self_->steps_.front();
        self_->steps_.erase(self_->steps_.begin());
        if (step.shot) vorne::testing::SaveScreenShot(RECT{20, 20, 620, 620}, step.shot);
        for (WPARAM c : step.chars) PostMessageA(hwnd, WM_CHAR, c, 1);
    }

    HWND owner_ = nullptr;
    CoolMenu menu_;
    std::vector<Step> steps_;
    static CoolMenuOnScreen* self_;
};
CoolMenuOnScreen* CoolMenuOnScreen::self_ = nullptr;

Command Picked(CoolMenu& menu, int number, int* seen = nullptr) {
    Command got = Command::None;
    DoClicks(menu.Menu().Model(), number, [&](Command c, int index) {
        got = c;
        if (seen) *seen = index;
    });
    return got;
}

TEST_F(CoolMenuOnScreen, LoadSkinByItsAccessKeys) {
    Script({{"popup-menu", {'s'}}, {"popup-menu-skin", {'l'}}});
    const int picked = menu_.ShowAtScreen(20, 20);
    EXPECT_EQ(picked, 3);
    EXPECT_EQ(menu_.Menu().ItemKey(picked), "cmdIntSkinShed");
    EXPECT_EQ(Picked(menu_, picked), Command::Skin);
}

TEST_F(CoolMenuOnScreen, NextFromTheCommandsSubmenuByFirstLetters) {
    Script({{nullptr, {'c'}}, {"popup-menu-commands", {'n'}}});
    const int picked = menu_.ShowAtScreen(20, 20);
    EXPECT_EQ(picked, 17);
    EXPECT_EQ(menu_.Menu().ItemKey(picked), "cmdpbckNext");
    EXPECT_EQ(Picked(menu_, picked), Command::Next);
}

TEST_F(CoolMenuOnScreen, TheOnTopTickFollowsAndIsKeptAfterTheCommand) {
    HMENU built = menu_.Menu().Build();
    EXPECT_TRUE(GetMenuState(built, kOnTopItem, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(built, kRepeatItem, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(built, kRandomItem, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(built);
    Script({{nullptr, {'a'}}});  // "Always on top"
    const int picked = menu_.ShowAtScreen(20, 20);
    ASSERT_EQ(picked, kOnTopItem);
    DoClicks(menu_.Menu().Model(), picked, [&](Command c, int index) {
        ASSERT_EQ(c, Command::OnTop);
        menu_.Menu().SetChecked(index, false);  // the entry cmdontop is now clear
    });
    // The next show restores the menu as DoClicks kept it.
    Script({{nullptr, {}}});
    PostMessageA(owner_, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(menu_.ShowAtScreen(20, 20), 0);
    built = menu_.Menu().Build();
    EXPECT_FALSE(GetMenuState(built, kOnTopItem, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(built);
}

}  // namespace
}  // namespace vorne::player::commands

#include "player/commands/window_commands.h"

namespace vorne::player::commands {
namespace {

class SnapForm : public forms::Form {
public:
    SnapForm() : Form("SnapForm") {}
    int resizes = 0;
protected:
    void Form_Resize() override { ++resizes; }
    DWORD Style() const override { return WS_POPUP; }
};

TEST(SnapWindowOnScreen, SnapsTheRealWindowToTheScreensEdges) {
    SnapForm f;
    f.Show();
    const float tx = forms::TwipsPerPixelX(), ty = forms::TwipsPerPixelY();
    const float screenW = GetSystemMetrics(SM_CXSCREEN) * tx, screenH = GetSystemMetrics(SM_CYSCREEN) * ty;
    f.Move(5 * tx, 300 * ty, 200 * tx, 100 * ty);
    SnapWindow(f, 10);
    EXPECT_FLOAT_EQ(f.Left(), 0);
    EXPECT_FLOAT_EQ(f.Top(), 300 * ty);
    f.Move(screenW - 200 * tx - 8 * tx, screenH - 100 * ty - 3 * ty, 200 * tx, 100 * ty);
    SnapWindow(f, 10);
    EXPECT_FLOAT_EQ(f.Left(), screenW - 200 * tx);
    EXPECT_FLOAT_EQ(f.Top(), screenH - 100 * ty);
    f.Move(100 * tx, 100 * ty, 200 * tx, 100 * ty);
    SnapWindow(f, 10);
    EXPECT_FLOAT_EQ(f.Left(), 100 * tx);
    f.Unload();
}

}  // namespace
}  // namespace vorne::player::commands

namespace vorne::player::commands {
namespace {

// The tray's way back: the window was minimised and hidden; it is restored
// while still hidden (a skin may be built at its size) and shown after.
TEST(HiddenWindowState, RestoringAHiddenMinimisedWindowLeavesItNormalAndHidden) {
    SnapForm f;
    f.Show();
    const float tx = forms::TwipsPerPixelX(), ty = forms::TwipsPerPixelY();
    f.Move(100 * tx, 120 * ty, 200 * tx, 100 * ty);
    f.SetWindowState(forms::vbMinimized);
    f.Hide();
    ASSERT_EQ(f.WindowState(), forms::vbMinimized);
    f.resizes = 0;
    f.SetWindowState(forms::vbNormal);
    EXPECT_EQ(f.resizes, 0);  // nothing reacts as if the window had been shown
    EXPECT_EQ(f.WindowState(), forms::vbNormal);
    EXPECT_FALSE(f.Visible());
    EXPECT_FLOAT_EQ(f.Width(), 200 * tx);
    EXPECT_FLOAT_EQ(f.Left(), 100 * tx);
    f.Show();
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.WindowState(), forms::vbNormal);
    EXPECT_FLOAT_EQ(f.Top(), 120 * ty);
    f.Unload();
}

}  // namespace
}  // namespace vorne::player::commands
