#include "skinner/author/author_dialog.h"

#include <gtest/gtest.h>

namespace vorne::skinner::author {
namespace {

HWND LabelLeftOf(HWND form, HWND box) {
    RECT b;
    GetWindowRect(box, &b);
    for (HWND c = GetWindow(form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[16] = {};
        GetClassNameA(c, cls, sizeof cls);
        RECT r;
        GetWindowRect(c, &r);
        if (lstrcmpiA(cls, "STATIC") == 0 && r.right <= b.left && r.top >= b.top && r.top < b.bottom) return c;
    }
    return nullptr;
}

std::string Text(HWND w) {
    char buf[128] = {};
    GetWindowTextA(w, buf, sizeof buf);
    return buf;
}

TEST(AuthorDialog, LoadShowsTheEntriesUnderTheirLabelsInOrderOnTop) {
    AuthorEntries e{"Ann", "Blue skin", "ann@example.org", "http://example.org"};
    frmInfo dlg(e);
    dlg.Load();
    EXPECT_EQ(dlg.Caption(), "Enter Author Details");
    EXPECT_TRUE(GetWindowLongPtrA(dlg.hWnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    const char* labels[] = {"Author Name:", "Description:", "Author E-mail:", "Home Page:"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dlg.BoxText(i), e[static_cast<size_t>(i)]);
        EXPECT_EQ(Text(LabelLeftOf(dlg.hWnd(), dlg.Box(i))), labels[i]);
    }
    // Top to bottom: name, e-mail, home page, description (the tall one).
    RECT r[4];
    for (int i = 0; i < 4; ++i) GetWindowRect(dlg.Box(i), &r[i]);
    EXPECT_LT(r[kAuthorName].top, r[kAuthorEmail].top);
    EXPECT_LT(r[kAuthorEmail].top, r[kAuthorHomePage].top);
    EXPECT_LT(r[kAuthorHomePage].top, r[kAuthorDescription].top);
    EXPECT_GT(r[kAuthorDescription].bottom - r[kAuthorDescription].top, 2 * (r[kAuthorName].bottom - r[kAuthorName].top));
    EXPECT_TRUE(GetWindowLongPtrA(dlg.Box(kAuthorDescription), GWL_STYLE) & ES_MULTILINE);
    EXPECT_FALSE(GetWindowLongPtrA(dlg.Box(kAuthorName), GWL_STYLE) & ES_MULTILINE);
    dlg.Unload();
}

TEST(AuthorDialog, SaveTakesTheBoxesAsOneLineEach) {
    AuthorEntries e{"old", "old", "old", "old"};
    frmInfo dlg(e);
    dlg.Load();
    dlg.SetBoxText(kAuthorName, "Bea");
    dlg.SetBoxText(kAuthorDescription, "first line\r\nsecond\r\n\r\nthird");
    SendMessageA(dlg.hWnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(dlg.SaveButton()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(dlg.SaveButton()));
    EXPECT_FALSE(dlg.Loaded());
    EXPECT_TRUE(dlg.Saved());
    EXPECT_EQ(e, (AuthorEntries{"Bea", "first line second third", "old", "old"}));
}

TEST(AuthorDialog, ClosingWithoutSaveKeepsTheEntries) {
    AuthorEntries e{"Ann", "d", "m", "h"};
    frmInfo dlg(e);
    dlg.Load();
    dlg.SetBoxText(kAuthorName, "changed");
    SendMessageA(dlg.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(dlg.Loaded());
    EXPECT_FALSE(dlg.Saved());
    EXPECT_EQ(e, (AuthorEntries{"Ann", "d", "m", "h"}));
}

// Presses Save once the dialog is up, from inside its own message loop; a
// tick that comes before the dialog is there waits for the next.
void CALLBACK PressSave(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dlg = FindWindowA(nullptr, "Enter Author Details");
    HWND save = nullptr;
    for (HWND c = dlg ? GetWindow(dlg, GW_CHILD) : nullptr; c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (Text(c) == "Save") save = c;
    }
    if (!save) return;
    KillTimer(nullptr, id);
    SendMessageA(save, BM_CLICK, 0, 0);
}

TEST(AuthorDialog, ShowIsModalUntilSave) {
    AuthorEntries e{"Ann", "", "", ""};
    SetTimer(nullptr, 0, 50, PressSave);
    EXPECT_TRUE(ShowAuthorDialog(e));
    EXPECT_EQ(e[kAuthorName], "Ann");
}

}  // namespace
}  // namespace vorne::skinner::author
