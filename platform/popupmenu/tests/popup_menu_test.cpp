#include "platform/popupmenu/popup_menu.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorne::popupmenu {
namespace {

// A visible window to own the menu, and keystrokes that reach the menu's
// loop once it runs.
class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner_ = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(owner_);
        images_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 0);
        HDC screen = GetDC(nullptr);
        for (COLORREF c : {RGB(200, 0, 0), RGB(0, 160, 0), RGB(0, 0, 200)}) {
            HBITMAP bmp = CreateCompatibleBitmap(screen, 16, 16);
            HDC dc = CreateCompatibleDC(screen);
            HGDIOBJ old = SelectObject(dc, bmp);
            RECT r{0, 0, 16, 16};
            HBRUSH b = CreateSolidBrush(c);
            FillRect(dc, &r, b);
            DeleteObject(b);
            SelectObject(dc, old);
            DeleteDC(dc);
            ImageList_Add(images_, bmp, nullptr);
            DeleteObject(bmp);
        }
        ReleaseDC(nullptr, screen);
        menu_.SetImageList(images_);
        menu_.SetOwner(owner_);
        heading_ = menu_.AddItem("-Interface", "", 0, 0, -1, false, true, "");
        skin_ = menu_.AddItem("&Skin", "", 0, 0, 0, false, true, "");
        load_ = menu_.AddItem("&Load Skin", "", 0, skin_, -1, false, true, "cmdLoad");
        menu_.AddItem("-", "", 0, skin_, -1, false, true, "");
        def_ = menu_.AddItem("&Default Skin", "", 0, skin_, 2, true, true, "cmdDefault");
        menu_.AddItem("-", "", 0, 0, -1, false, true, "");
        play_ = menu_.AddItem("&Play\tX", "", 0, 0, 1, false, true, "cmdPlay");
        off_ = menu_.AddItem("&Off", "", 0, 0, -1, false, false, "cmdOff");
        exit_ = menu_.AddItem("E&xit", "", 0, 0, -1, false, true, "cmdExit");
    }
    void TearDown() override {
        DestroyWindow(owner_);
        ImageList_Destroy(images_);
    }

    // Queues the keys for the menu's loop a moment after it starts.
    void TypeWhenOpen(std::vector<std::pair<UINT, WPARAM>> keys) {
        pending_ = std::move(keys);
        self_ = this;
        SetTimer(owner_, 1, 150, &PopupMenuTest::Type);
    }
    static void CALLBACK Type(HWND hwnd, UINT, UINT_PTR id, DWORD) {
        KillTimer(hwnd, id);
        for (auto [msg, key] : self_->pending_) PostMessageA(hwnd, msg, key, 1);
    }

    HWND owner_ = nullptr;
    HIMAGELIST images_ = nullptr;
    PopupMenu menu_;
    int heading_ = 0, skin_ = 0, load_ = 0, def_ = 0, play_ = 0, off_ = 0, exit_ = 0;
    std::vector<std::pair<UINT, WPARAM>> pending_;
    static PopupMenuTest* self_;
};
PopupMenuTest* PopupMenuTest::self_ = nullptr;

TEST_F(PopupMenuTest, NativeMenuHoldsItemsTicksSubmenusAndHeadings) {
    HMENU m = menu_.Build();
    ASSERT_TRUE(m);
    EXPECT_EQ(GetMenuItemCount(m), 6);
    char text[64] = {};
    GetMenuStringA(m, 0, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ(text, "Interface");  // a heading shows its text without the "-"
    EXPECT_TRUE(GetMenuState(m, 0, MF_BYPOSITION) & MF_GRAYED);
    HMENU sub = GetSubMenu(m, 1);
    ASSERT_TRUE(sub);
    EXPECT_EQ(GetMenuItemCount(sub), 3);
    EXPECT_TRUE(GetMenuState(sub, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(sub, static_cast<UINT>(def_), MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(m, static_cast<UINT>(play_), MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(m, static_cast<UINT>(off_), MF_BYCOMMAND) & MF_GRAYED);
    GetMenuStringA(m, static_cast<UINT>(play_), text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ(text, "&Play\tX");
    MENUITEMINFOA mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_BITMAP | MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfoA(m, static_cast<UINT>(play_), FALSE, &mi));
    EXPECT_EQ(mi.hbmpItem, HBMMENU_CALLBACK);
    EXPECT_EQ(mi.dwItemData, 1u);
    DestroyMenu(m);
}

TEST_F(PopupMenuTest, PicksAnItemByItsAccessKeyAndReturnsItsNumber) {
    TypeWhenOpen({{WM_KEYDOWN, 'P'}, {WM_CHAR, 'p'}});
    const int picked = menu_.ShowAtScreen(120, 120);
    EXPECT_EQ(picked, play_);
    EXPECT_EQ(menu_.ItemKey(picked), "cmdPlay");
}

TEST_F(PopupMenuTest, PicksAnItemOfASubmenuByKeyboard) {
    TypeWhenOpen({{WM_CHAR, 's'}, {WM_CHAR, 'l'}});
    const int picked = menu_.ShowAtWindow(150, 150);
    EXPECT_EQ(picked, load_);
    EXPECT_EQ(menu_.ItemKey(picked), "cmdLoad");
}

TEST_F(PopupMenuTest, ArrowKeysSkipSeparatorsAndEnterPicks) {
    // Down from nothing lands on the first item that can be picked.
    TypeWhenOpen({{WM_KEYDOWN, VK_END}, {WM_KEYDOWN, VK_RETURN}});
    const int picked = menu_.ShowAtScreen(120, 120);
    EXPECT_EQ(picked, exit_);
    EXPECT_EQ(menu_.ItemKey(picked), "cmdExit");
}

TEST_F(PopupMenuTest, AnItemWithoutAccessKeyIsPickedByItsFirstLetter) {
    const int first = menu_.AddItem("Random", "", 0, 0, -1, false, true, "cmdRandom");
    menu_.AddItem("Repeat", "", 0, 0, -1, false, true, "cmdRepeat");
    TypeWhenOpen({{WM_CHAR, 'r'}});
    EXPECT_EQ(menu_.ShowAtScreen(120, 120), first);
}

TEST_F(PopupMenuTest, EscapeReturnsNothing) {
    TypeWhenOpen({{WM_KEYDOWN, VK_ESCAPE}});
    EXPECT_EQ(menu_.ShowAtScreen(120, 120), 0);
}

TEST_F(PopupMenuTest, TicksChangedAfterStoreShowAfterRestore) {
    menu_.Store("M");
    menu_.SetChecked(play_, true);
    menu_.Store("M");
    menu_.SetChecked(play_, false);
    ASSERT_TRUE(menu_.Restore("M"));
    HMENU m = menu_.Build();
    EXPECT_TRUE(GetMenuState(m, static_cast<UINT>(play_), MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(m);
}

}  // namespace
}  // namespace vorne::popupmenu
