#include "platform/tray/tray_icon.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <vector>

namespace vorne::tray {
namespace {

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Whether the tray holds our icon: only then does a change of it succeed.
bool TrayHolds(const TrayIcon& t) {
    NOTIFYICONDATAA d{};
    d.cbSize = sizeof(d);
    d.hWnd = t.Window();
    d.uID = 1;
    d.uFlags = NIF_TIP;
    lstrcpyA(d.szTip, "probe");
    return Shell_NotifyIconA(NIM_MODIFY, &d) != FALSE;
}

TEST(TrayIcon, AddChangeAndRemove) {
    TrayIcon t;
    ASSERT_TRUE(t.Window());
    t.SetPicture(LoadIconA(nullptr, IDI_APPLICATION));
    t.SetToolTip("Vorne 2.0 (build 1)");
    EXPECT_FALSE(t.Shown());
    t.SetShown(true);
    EXPECT_TRUE(t.Shown());
    EXPECT_TRUE(t.LastCallSucceeded());
    EXPECT_TRUE(TrayHolds(t));
    t.SetToolTip(std::string(200, 'x'));
    EXPECT_TRUE(t.LastCallSucceeded());
    EXPECT_EQ(t.ShownTip().size(), sizeof(NOTIFYICONDATAA::szTip) - 1);
    EXPECT_EQ(t.ToolTip().size(), 200u);
    t.SetPicture(LoadIconA(nullptr, IDI_INFORMATION));
    EXPECT_TRUE(t.LastCallSucceeded());
    t.SetShown(false);
    EXPECT_TRUE(t.LastCallSucceeded());
    EXPECT_FALSE(TrayHolds(t));
    Pump();
}

TEST(TrayIcon, MouseMessagesBecomeTheThreeEvents) {
    TrayIcon t;
    std::vector<std::pair<int, int>> got;
    t.OnEvent = [&](int e, int b) { got.emplace_back(e, b); };
    for (UINT m : {WM_LBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_MBUTTONUP})
        SendMessageA(t.Window(), TrayIcon::kCallbackMessage, 1, static_cast<LPARAM>(m));
    const std::vector<std::pair<int, int>> want = {
        {TrayIcon::kMouseDown, 1}, {TrayIcon::kMouseUp, 2}, {TrayIcon::kMouseDblClick, 1}, {TrayIcon::kMouseUp, 4}};
    EXPECT_EQ(got, want);
}

TEST(TrayIcon, ComesBackWhenTheTaskbarIsMadeAnew) {
    TrayIcon t;
    t.SetPicture(LoadIconA(nullptr, IDI_APPLICATION));
    t.SetShown(true);
    ASSERT_TRUE(TrayHolds(t));
    // The tray forgets the icon, as a restarted shell does...
    NOTIFYICONDATAA d{};
    d.cbSize = sizeof(d);
    d.hWnd = t.Window();
    d.uID = 1;
    Shell_NotifyIconA(NIM_DELETE, &d);
    ASSERT_FALSE(TrayHolds(t));
    // ...and then announces the new taskbar.
    SendMessageA(t.Window(), TrayIcon::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(t.LastCallSucceeded());
    EXPECT_TRUE(TrayHolds(t));
    // A hidden icon stays hidden.
    t.SetShown(false);
    SendMessageA(t.Window(), TrayIcon::TaskbarCreatedMessage(), 0, 0);
    EXPECT_FALSE(TrayHolds(t));
}

}  // namespace
}  // namespace vorne::tray
