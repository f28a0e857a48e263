// The editor's shell under Wine: the preview's elements dragged and their
// popup menus opened with posted mouse messages, the transparency test, the
// position and size dialog, the palette, Tab between fields, and the skin
// file type read back with the system's "reg query".
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "runtime/basic/basic.h"
#include "runtime/forms/child_windows.h"
#include "runtime/testing/reg_tool.h"
#include "runtime/testing/window_pixels.h"
#include "skinner/app/tests/editor_fixture.h"
#include "skinner/author/author_dialog.h"

namespace vorne::skinner {
namespace {

using vorne::testing::RegDefault;

void Pump() {
    for (int i = 0; i < 5; ++i) {
        forms::DoEvents();
        Sleep(10);
    }
}

// Lets the window manager answer what it was asked.
void Settle() {
    for (int i = 0; i < 10; ++i) Pump();
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// The innermost visible window under (x, y) of w, which the mouse would
// reach, with the point made its own.
HWND WindowAt(HWND w, int& x, int& y) {
    for (;;) {
        POINT p{x, y};
        HWND child = ChildWindowFromPointEx(w, p, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == w) return w;
        MapWindowPoints(w, child, &p, 1);
        w = child, x = p.x, y = p.y;
    }
}

// Posts a press, one move by (dx, dy) and a release of the left button at
// (x, y) of window w, as the mouse would send them.
void PostDrag(HWND w, int x, int y, int dx, int dy, WPARAM held = MK_LBUTTON) {
    w = WindowAt(w, x, y);
    PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    PostMessageA(w, WM_MOUSEMOVE, held, At(x + dx, y + dy));
    PostMessageA(w, WM_LBUTTONUP, 0, At(x + dx, y + dy));
    Pump();
}

void PostRightClick(HWND w, int x, int y) {
    w = WindowAt(w, x, y);
    PostMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, At(x, y));
    PostMessageA(w, WM_RBUTTONUP, 0, At(x, y));
    Pump();
}

// The screen as a PNG-ready bitmap in VORNE_QUARL_SHOTS, when that is set.
void Shot(const char* name) {
    const char* dir = getenv("VORNE_QUARL_SHOTS");
    if (!dir) return;
    Pump();
    Sleep(300);
    Pump();
    vorne::testing::SaveBmpFile(std::string(dir) + "\\" + name + ".bmp", vorne::testing::CaptureScreen());
}

class EditorShell : public EditorWindow {
protected:
    void SetUp() override {
        EditorWindow::SetUp();
        sc_ = w_.Editor().Scale();
        w_.Preview().ShowMenu = [this](forms::MenuItem& m) { shownMenus_.push_back(m.Name()); };
        w_.Show();
        w_.Preview().Move(w_.Left() + w_.Width() + 8 * sc_.x, w_.Top(), w_.Preview().Width(), w_.Preview().Height());
        w_.Preview().Show();
    }
    void TearDown() override {
        w_.SizeDialog().Unload();
        EditorWindow::TearDown();
    }
    // One object of each kind at the given pixels; the background a 240 x 160
    // field whose left 40 columns are magenta.
    void MakeSkin() {
        Canvas back(240, 160, Colour{40, 60, 90});
        for (int x = 0; x < 40; ++x)
            for (int y = 0; y < 160; ++y) back.Set(x, y, Colour{255, 0, 255});
        WriteBmp(dir_ + "back.bmp", back);
        WriteBmp(dir_ + "track.bmp", Strip(100, 8, 1));
        WriteBmp(dir_ + "thumb.bmp", Strip(20, 8, 2));
        core::SkinEditor& ed = w_.Editor();
        ASSERT_TRUE(ed.ChooseBackground(dir_ + "back.bmp"));
        const struct {
            int kind;
            const char* action;
            int x, y;
        } objects[] = {{0, "Time Display", 60, 10}, {1, "Song Info", 60, 40}, {2, "Play Button", 60, 70},
                       {3, "Volume Bar", 60, 130}};
        for (const auto& o : objects) {
            ed.cmboObjects.SetListIndex(o.kind);
            ASSERT_TRUE(ed.cmboActions.SetText(o.action));
            if (o.kind == 3) {
                ASSERT_TRUE(ed.ChooseImage1(dir_ + "track.bmp"));
                ASSERT_TRUE(ed.ChooseImage2(dir_ + "thumb.bmp"));
            }
            ed.cmdNew_Click();
            const core::PreviewElement* e = ed.Element(static_cast<core::SkinKind>(o.kind), 1);
            ASSERT_TRUE(e);
            ed.PlaceElement(e->kind, 1, sc_.ToTwipsX(o.x), sc_.ToTwipsY(o.y), e->width, e->height);
        }
        ed.SkinChanged = false;
        w_.Sync();
        Pump();
    }
    // The row of an element, -1 for none.
    int SelectedRow() {
        for (int i = 0; i < w_.LV().Count(); ++i)
            if (w_.LV().Selected(i)) return i;
        return -1;
    }
    HWND ComponentWindow(core::SkinKind kind) { return w_.Preview().Component(kind, 1)->ControlWindow(); }
    bool Checked(const char* name) { return w_.Preview().MenuItemNamed(name)->Checked(); }

    activex::TwipsScale sc_;
    std::vector<std::string> shownMenus_;
};

TEST_F(EditorShell, SkinFileTypeIsRegisteredWithTheQuotedProgram) {
    char self[MAX_PATH];
    const std::string path(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    EXPECT_EQ(RegDefault(".vsk"), "Vorne.Skin");
    EXPECT_EQ(RegDefault("Vorne.Skin"), "Vorne Skin");
    // The program's folder may hold blanks: the path is quoted.
    EXPECT_EQ(RegDefault("Vorne.Skin\\shell\\open\\command"), "\"" + path + "\" %1");
    EXPECT_EQ(RegDefault("Vorne.Skin\\DefaultIcon"), path + ",0");
}

TEST_F(EditorShell, DraggingMovesEveryKindAndSelectsItsRow) {
    MakeSkin();
    core::SkinEditor& ed = w_.Editor();
    frmPrev& prev = w_.Preview();
    // A press on the bar's thumb (at value 0 its left ten pixels) belongs to
    // the bar: nothing is selected and the element stays.
    w_.SelectItem(core::SkinKind::Image, 1);
    const forms::Rect bar = prev.PixelRect(core::SkinKind::ScrollBar, 1);
    PostDrag(ComponentWindow(core::SkinKind::ScrollBar), 3, 3, 12, 0);
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(prev.PixelRect(core::SkinKind::ScrollBar, 1).left, bar.left);

    const struct {
        core::SkinKind kind;
        int row;
    } kinds[] = {{core::SkinKind::StaticLabel, 0}, {core::SkinKind::ScrollingLabel, 1}, {core::SkinKind::Image, 2},
                 {core::SkinKind::ScrollBar, 3}};
    for (const auto& k : kinds) {
        const forms::Rect before = prev.PixelRect(k.kind, 1);
        const float left = ed.Element(k.kind, 1)->left, top = ed.Element(k.kind, 1)->top;
        ed.SkinChanged = false;
        const bool component = k.kind == core::SkinKind::ScrollingLabel || k.kind == core::SkinKind::ScrollBar;
        // The bar's thumb sits at its left end: the track is pressed near the right.
        const int x = k.kind == core::SkinKind::ScrollBar ? before.width - 4 : 3;
        if (component) PostDrag(ComponentWindow(k.kind), x, 3, 12, 7);
        else PostDrag(prev.hWnd(), before.left + x, before.top + 3, 12, 7);
        const int kind = static_cast<int>(k.kind);
        EXPECT_EQ(SelectedRow(), k.row) << kind;
        EXPECT_FLOAT_EQ(ed.Element(k.kind, 1)->left, left + sc_.ToTwipsX(12)) << kind;
        EXPECT_FLOAT_EQ(ed.Element(k.kind, 1)->top, top + sc_.ToTwipsY(7)) << kind;
        const forms::Rect after = prev.PixelRect(k.kind, 1);
        EXPECT_EQ(after.left, before.left + 12) << kind;
        EXPECT_EQ(after.top, before.top + 7) << kind;
        EXPECT_EQ(after.width, before.width) << kind;
        EXPECT_TRUE(ed.SkinChanged) << kind;
        w_.SelectItem(k.kind, 1);
        Shot(("preview_selected_" + std::to_string(kind)).c_str());
    }
    // Both buttons held: no drag.
    const forms::Rect label = prev.PixelRect(core::SkinKind::StaticLabel, 1);
    PostDrag(prev.hWnd(), label.left + 2, label.top + 2, 10, 10, MK_LBUTTON | MK_RBUTTON);
    EXPECT_EQ(prev.PixelRect(core::SkinKind::StaticLabel, 1).left, label.left);
    // In edit mode a press selects nothing, but a drag still moves.
    w_.SelectItem(core::SkinKind::Image, 1);
    ed.cmdEdit_Click();
    w_.Sync();
    PostDrag(prev.hWnd(), label.left + 2, label.top + 2, 5, 0);
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(prev.PixelRect(core::SkinKind::StaticLabel, 1).left, label.left + 5);
    ed.cmdCancel_Click();
    w_.Sync();
}

TEST_F(EditorShell, PopupTicksFollowTheElementAndItsItemsChangeIt) {
    MakeSkin();
    core::SkinEditor& ed = w_.Editor();
    frmPrev& prev = w_.Preview();
    core::PreviewElement s = *ed.Element(core::SkinKind::ScrollingLabel, 1);
    s.vAlign = 1, s.scrollDir = 2, s.textAlign = 2, s.hAlign = 0, s.scrollSpeed = 0;
    ed.ElementEdited(s);
    ed.SkinChanged = false;
    PostRightClick(ComponentWindow(core::SkinKind::ScrollingLabel), 4, 4);
    ASSERT_EQ(shownMenus_, (std::vector<std::string>{"mnuSLabels"}));
    EXPECT_TRUE(ed.SkinChanged);  // even with the menu closed without a choice
    EXPECT_EQ(prev.MenuIndex(), 1);
    for (const char* on : {"cmdSlblVAlgn1", "cmdSlblScrollDir2", "cmdslblalgn2", "cmdSlblHAlgn0"}) EXPECT_TRUE(Checked(on)) << on;
    for (const char* off : {"cmdSlblVAlgn0", "cmdSlblScrollDir0", "cmdslblalgn0", "cmdSlblHAlgn1"})
        EXPECT_FALSE(Checked(off)) << off;
    EXPECT_EQ(prev.MenuItemNamed("cmdSlblSpeed")->Caption(), "Speed : 0");

    // An item sets the element's value; the next menu ticks it.
    prev.MenuItemNamed("cmdSlblScrollDir3")->OnClick();
    EXPECT_EQ(ed.Element(core::SkinKind::ScrollingLabel, 1)->scrollDir, 3);
    // The speed box: an empty answer keeps the speed, a number sets it.
    boxes_.QueueInput(std::string());
    prev.MenuItemNamed("cmdSlblSpeed")->OnClick();
    EXPECT_EQ(ed.Element(core::SkinKind::ScrollingLabel, 1)->scrollSpeed, 0);
    EXPECT_EQ(boxes_.Log().back().title, "New Scroll Speed");
    EXPECT_EQ(boxes_.Log().back().default_text, "0");
    boxes_.QueueInput(std::string("150"));
    prev.MenuItemNamed("cmdSlblSpeed")->OnClick();
    EXPECT_EQ(ed.Element(core::SkinKind::ScrollingLabel, 1)->scrollSpeed, 150);
    PostRightClick(ComponentWindow(core::SkinKind::ScrollingLabel), 4, 4);
    EXPECT_TRUE(Checked("cmdSlblScrollDir3"));
    EXPECT_FALSE(Checked("cmdSlblScrollDir2"));
    EXPECT_EQ(prev.MenuItemNamed("cmdSlblSpeed")->Caption(), "Speed : 150");

    // A bar of type 2: the tick on "Horizontal (Right to Left)" alone.
    core::PreviewElement b = *ed.Element(core::SkinKind::ScrollBar, 1);
    b.barType = 2;
    ed.ElementEdited(b);
    const forms::Rect bar = prev.PixelRect(core::SkinKind::ScrollBar, 1);
    PostRightClick(ComponentWindow(core::SkinKind::ScrollBar), bar.width - 4, 3);
    EXPECT_EQ(shownMenus_.back(), "mnuScrollBars");
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Checked(("cmdSBType" + std::to_string(k)).c_str()), k == 2) << k;
    EXPECT_EQ(prev.MenuItemNamed("cmdSBType2")->Caption(), "Horizontal (Right to Left)");

    // A label's alignment, and the image's menu.
    const forms::Rect label = prev.PixelRect(core::SkinKind::StaticLabel, 1);
    PostRightClick(prev.hWnd(), label.left + 2, label.top + 2);
    EXPECT_EQ(shownMenus_.back(), "mnuLabels");
    EXPECT_TRUE(Checked("cmdlblAlgn0"));
    prev.MenuItemNamed("cmdlblAlgn2")->OnClick();
    EXPECT_EQ(ed.Element(core::SkinKind::StaticLabel, 1)->captionAlign, 2);
    const forms::Rect image = prev.PixelRect(core::SkinKind::Image, 1);
    PostRightClick(prev.hWnd(), image.left + 2, image.top + 2);
    EXPECT_EQ(shownMenus_.back(), "mnuImage");
    EXPECT_EQ(boxes_.Pending(), 0u);
}

TEST_F(EditorShell, FontAndColourItemsTakeTheBoxesChoiceAndKeepTheElementOnCancel) {
    MakeSkin();
    core::SkinEditor& ed = w_.Editor();
    frmPrev& prev = w_.Preview();
    bool answer = false;
    vorne::player::skin::SkinFont offered;
    int32_t offeredColour = -1;
    prev.ChooseFont = [&](vorne::player::skin::SkinFont& f, int32_t& c) {
        offered = f, offeredColour = c;
        f.name = "Courier New", f.size = 12, f.bold = true, f.underline = true;
        c = 0x0000FF;
        return answer;
    };
    prev.ChooseColour = [&](int32_t& c) {
        offeredColour = c;
        c = 0x00FF00;
        return answer;
    };
    PostRightClick(ComponentWindow(core::SkinKind::ScrollingLabel), 4, 4);
    const core::PreviewElement before = *ed.Element(core::SkinKind::ScrollingLabel, 1);
    // Cancelled: nothing changes.
    prev.MenuItemNamed("cmdSlblFont")->OnClick();
    prev.MenuItemNamed("cmdSlblBackColour")->OnClick();
    EXPECT_EQ(ed.Element(core::SkinKind::ScrollingLabel, 1)->font.name, before.font.name);
    EXPECT_EQ(ed.Element(core::SkinKind::ScrollingLabel, 1)->backColor, before.backColor);
    EXPECT_EQ(offeredColour, before.backColor);
    answer = true;
    prev.MenuItemNamed("cmdSlblFont")->OnClick();
    EXPECT_EQ(offered.name, before.font.name);
    EXPECT_EQ(offeredColour, before.foreColor);
    const core::PreviewElement& after = *ed.Element(core::SkinKind::ScrollingLabel, 1);
    EXPECT_EQ(after.font.name, "Courier New");
    EXPECT_FLOAT_EQ(after.font.size, 12);
    EXPECT_TRUE(after.font.bold && after.font.underline);
    EXPECT_EQ(after.foreColor, 0x0000FF);
    prev.MenuItemNamed("cmdSlblBackColour")->OnClick();
    EXPECT_EQ(ed.Element(core::SkinKind::ScrollingLabel, 1)->backColor, 0x00FF00);
    // The label's font, on the label's own menu.
    const forms::Rect label = prev.PixelRect(core::SkinKind::StaticLabel, 1);
    PostRightClick(prev.hWnd(), label.left + 2, label.top + 2);
    prev.MenuItemNamed("cmdlbfont")->OnClick();
    EXPECT_EQ(ed.Element(core::SkinKind::StaticLabel, 1)->font.name, "Courier New");
    EXPECT_EQ(prev.Label(1)->Font().name, "Courier New");
}

// Boxes that note whether the editor's windows were topmost while shown.
class TopmostWitness : public forms::FileDialogService, public forms::DialogService {
public:
    explicit TopmostWitness(std::vector<HWND> windows) : windows_(std::move(windows)) {}
    std::optional<std::string> ShowFile(const forms::FileDialogRequest&) override {
        Note();
        return std::nullopt;
    }
    int MsgBox(const std::string&, int, const std::string&) override { return forms::vbCancel; }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        Note();
        return "";
    }
    std::vector<bool> seen;

private:
    void Note() {
        // A box stays open a while; the window manager hears of the change meanwhile.
        Settle();
        for (HWND w : windows_) seen.push_back((GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    }
    std::vector<HWND> windows_;
};

bool Topmost(HWND w) { return (GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

TEST_F(EditorShell, WindowsStepBackBehindTheOpenDialogAndTheSpeedBox) {
    MakeSkin();
    TopmostWitness witness({w_.hWnd(), w_.Preview().hWnd()});
    // The window manager has the windows placed before the first change.
    Settle();
    {
        forms::ScopedFileDialogs files(witness);
        w_.cmdOpen_Click();
    }
    EXPECT_EQ(witness.seen, (std::vector<bool>{false, false}));
    Settle();
    EXPECT_TRUE(Topmost(w_.hWnd()));
    EXPECT_TRUE(Topmost(w_.Preview().hWnd()));
    PostRightClick(ComponentWindow(core::SkinKind::ScrollingLabel), 4, 4);
    {
        forms::ScopedDialogs boxes(witness);
        w_.Preview().MenuItemNamed("cmdSlblSpeed")->OnClick();
    }
    EXPECT_EQ(witness.seen, (std::vector<bool>{false, false, false, false}));
    Settle();
    EXPECT_TRUE(Topmost(w_.hWnd()));
    EXPECT_TRUE(Topmost(w_.Preview().hWnd()));
}

TEST_F(EditorShell, CommandLineOpensAnExistingSkinAndIgnoresAMissingOne) {
    MakeSkin();
    const std::string path = dir_ + "on the command line.vsk";
    files_.Queue(path);
    ASSERT_TRUE(w_.cmdSaveSkin_Click());
    w_.cmdNewSkin_Click();
    ASSERT_EQ(w_.LV().Count(), 0);
    EXPECT_FALSE(w_.OpenCommandLine(dir_ + "missing.vsk"));
    EXPECT_EQ(w_.LV().Count(), 0);
    EXPECT_EQ(w_.Caption(), "Quarl");
    // The whole line is the path, with or without quotes; blanks and all.
    EXPECT_TRUE(w_.OpenCommandLine("\"" + path + "\""));
    EXPECT_EQ(w_.LV().Count(), 4);
    EXPECT_EQ(w_.Caption(), core::CaptionForPath(path));
    EXPECT_TRUE(w_.OpenCommandLine(path));
    EXPECT_EQ(w_.LV().Count(), 4);
}

TEST_F(EditorShell, TestCutsThePreviewToTheBackgroundAndNormAndNewUndoIt) {
    MakeSkin();
    core::SkinEditor& ed = w_.Editor();
    HWND prev = w_.Preview().hWnd();
    w_.cmdPick_Click();
    EXPECT_TRUE(w_.ColourPalette().Visible());
    w_.picSelect_MouseMove(6);
    w_.imgSelectr_Click();
    EXPECT_FALSE(w_.ColourPalette().Visible());
    EXPECT_EQ(ed.transColour, 0xFF00FF);
    EXPECT_FALSE(ed.chkTrans.Checked());
    w_.cmdTest_Click();
    EXPECT_FALSE(ed.SkinChanged);
    // Points of the window (the picture lies inside its one-pixel border).
    POINT origin{0, 0};
    ClientToScreen(prev, &origin);
    RECT outer;
    GetWindowRect(prev, &outer);
    const int bx = origin.x - outer.left, by = origin.y - outer.top;
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(prev, rgn), ERROR);
    EXPECT_FALSE(PtInRegion(rgn, bx + 10, by + 10));   // magenta: cut
    EXPECT_FALSE(PtInRegion(rgn, bx + 39, by + 150));
    EXPECT_TRUE(PtInRegion(rgn, bx + 40, by + 10));    // the first kept column
    EXPECT_TRUE(PtInRegion(rgn, bx + 200, by + 150));
    Shot("preview_test_region");
    w_.cmdNorm_Click();
    EXPECT_EQ(GetWindowRgn(prev, rgn), ERROR);  // no region: the whole window
    // New empties the skin and its shape with it.
    w_.cmdTest_Click();
    ASSERT_NE(GetWindowRgn(prev, rgn), ERROR);
    w_.cmdNewSkin_Click();
    EXPECT_EQ(GetWindowRgn(prev, rgn), ERROR);
    w_.cmdTest_Click();  // nothing to cut without a background
    EXPECT_EQ(GetWindowRgn(prev, rgn), ERROR);
    DeleteObject(rgn);
}

TEST_F(EditorShell, PaletteCoversPickAndFollowsTheMouse) {
    SendMessageA(w_.Item(frmSkinner::kCmdPick), BM_CLICK, 0, 0);
    HWND box = w_.Item(frmSkinner::kColourBox);
    ASSERT_TRUE(IsWindowVisible(box));
    RECT pick, palette;
    GetWindowRect(w_.Item(frmSkinner::kCmdPick), &pick);
    GetWindowRect(box, &palette);
    EXPECT_TRUE(EqualRect(&pick, &palette));
    EXPECT_FALSE(w_.ColourPalette().SelectorVisible());
    // Over swatch 5 (green, second row): the selector centres on it.
    const int x = sc_.ToPixelsX(195 + 100), y = sc_.ToPixelsY(195 + 100);
    PostMessageA(box, WM_MOUSEMOVE, 0, At(x, y));
    Pump();
    EXPECT_EQ(w_.ColourPalette().HoverSwatch(), 5);
    EXPECT_EQ(w_.ColourPalette().SelectorTip(), "R:0, G:255, B:0");
    // A click on the selector there takes the swatch's colour.
    PostMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    PostMessageA(box, WM_LBUTTONUP, 0, At(x, y));
    Pump();
    EXPECT_EQ(w_.Editor().transColour, 0x00FF00);
    EXPECT_FALSE(IsWindowVisible(box));
    EXPECT_FALSE(w_.Editor().SkinChanged);
}

TEST_F(EditorShell, TypeInShowsPixelsAndAppliesEachChange) {
    MakeSkin();
    core::SkinEditor& ed = w_.Editor();
    frmWH& wh = w_.SizeDialog();
    w_.SelectItem(core::SkinKind::StaticLabel, 1);
    SendMessageA(w_.Item(frmSkinner::kCmdTypeIn), BM_CLICK, 0, 0);
    ASSERT_TRUE(wh.Visible());
    EXPECT_EQ(wh.Caption(), "Size and Position Type-In");
    EXPECT_EQ(GetWindow(wh.hWnd(), GW_OWNER), w_.hWnd());
    EXPECT_TRUE(GetWindowLongPtrA(wh.hWnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(forms::WindowText(wh.Box(core::kBoxLeft)), "60");
    EXPECT_EQ(forms::WindowText(wh.Box(core::kBoxTop)), "10");
    EXPECT_EQ(forms::WindowText(wh.Box(core::kBoxWidth)),
              std::to_string(w_.Preview().PixelRect(core::SkinKind::StaticLabel, 1).width));
    EXPECT_TRUE(IsWindowEnabled(wh.Box(core::kBoxLeft)));
    EXPECT_FALSE(IsWindowEnabled(wh.Box(core::kBoxWidth)));
    EXPECT_FALSE(ed.SkinChanged) << "opening the dialog is no change";
    Shot("typein_dialog");

    const struct {
        const char* typed;
        const char* shown;
        int pixels;
    } typing[] = {{"25", "25", 25}, {"12px", "12", 12}, {"12.", "12", 12}, {"abc", "0", 0}, {"", "0", 0}};
    for (const auto& t : typing) {
        SetWindowTextA(wh.Box(core::kBoxLeft), t.typed);
        EXPECT_EQ(forms::WindowText(wh.Box(core::kBoxLeft)), t.shown) << t.typed;
        EXPECT_FLOAT_EQ(ed.Element(core::SkinKind::StaticLabel, 1)->left, sc_.ToTwipsX(t.pixels)) << t.typed;
        EXPECT_EQ(w_.Preview().PixelRect(core::SkinKind::StaticLabel, 1).left, t.pixels) << t.typed;
    }
    EXPECT_TRUE(ed.SkinChanged);

    // Another object while the dialog stays open: its values, the old rights.
    w_.SelectItem(core::SkinKind::ScrollBar, 1);
    w_.cmdTypeIn_Click();
    EXPECT_EQ(forms::WindowText(wh.Box(core::kBoxWidth)), "100");
    EXPECT_FALSE(IsWindowEnabled(wh.Box(core::kBoxWidth)));
    // Closed and opened from a scrolling label's popup menu: its rights.
    SendMessageA(GetDlgItem(wh.hWnd(), frmWH::kCmdClose), BM_CLICK, 0, 0);
    EXPECT_FALSE(wh.Loaded());
    PostRightClick(ComponentWindow(core::SkinKind::ScrollingLabel), 4, 4);
    w_.Preview().MenuItemNamed("cmdSlblSize")->OnClick();
    ASSERT_TRUE(wh.Loaded());
    EXPECT_EQ(GetWindow(wh.hWnd(), GW_OWNER), w_.Preview().hWnd());
    EXPECT_TRUE(IsWindowEnabled(wh.Box(core::kBoxWidth)));
    SetWindowTextA(wh.Box(core::kBoxWidth), "80");
    SetWindowTextA(wh.Box(core::kBoxHeight), "20");
    EXPECT_FLOAT_EQ(ed.Element(core::SkinKind::ScrollingLabel, 1)->width, sc_.ToTwipsX(80));
    const forms::Rect sized = w_.Preview().PixelRect(core::SkinKind::ScrollingLabel, 1);
    EXPECT_EQ(sized.width, 80);
    EXPECT_EQ(sized.height, 20);
    // A target removed meanwhile is passed over.
    w_.SelectItem(core::SkinKind::ScrollingLabel, 1);
    SendMessageA(w_.Item(frmSkinner::kCmdDel), BM_CLICK, 0, 0);
    SetWindowTextA(wh.Box(core::kBoxWidth), "70");
    EXPECT_EQ(forms::WindowText(wh.Box(core::kBoxWidth)), "70");
}

TEST_F(EditorShell, TabMovesBetweenTheFieldsOfTheEditorAndTheAuthorDialog) {
    // A window manager may activate the preview, shown last, after the
    // test's own activation: settle first, then focus the name box.
    for (int i = 0; i < 40 && GetFocus() != w_.Item(frmSkinner::kTxtName); ++i) {
        Pump();
        SetForegroundWindow(w_.hWnd());
        SetFocus(w_.Item(frmSkinner::kTxtName));
        Sleep(25);
    }
    ASSERT_EQ(GetFocus(), w_.Item(frmSkinner::kTxtName));
    PostMessageA(w_.Item(frmSkinner::kTxtName), WM_KEYDOWN, VK_TAB, 0);
    Pump();
    EXPECT_EQ(GetFocus(), w_.Item(frmSkinner::kCmboObjects));
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    Pump();
    EXPECT_EQ(GetFocus(), w_.Item(frmSkinner::kCmboActions));

    author::frmInfo info;
    info.Show();
    SetForegroundWindow(info.hWnd());
    SetFocus(info.Box(0));
    ASSERT_EQ(GetFocus(), info.Box(author::kAuthorName));
    // The boxes in the order they stand: name, e-mail, home page, description.
    PostMessageA(info.Box(author::kAuthorName), WM_KEYDOWN, VK_TAB, 0);
    Pump();
    EXPECT_EQ(GetFocus(), info.Box(author::kAuthorEmail));
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    Pump();
    EXPECT_EQ(GetFocus(), info.Box(author::kAuthorHomePage));
    info.Unload();
}

TEST_F(EditorShell, MinimisingTheEditorHidesThePreview) {
    ASSERT_TRUE(w_.Preview().Visible());
    w_.SetWindowState(forms::vbMinimized);
    Pump();
    EXPECT_FALSE(w_.Preview().Visible());
    w_.SetWindowState(forms::vbNormal);
    Pump();
    EXPECT_TRUE(w_.Preview().Visible());
}

TEST_F(EditorShell, EditorWithASkinOpen) {
    if (!getenv("VORNE_QUARL_SHOTS")) GTEST_SKIP() << "screenshots only";
    MakeSkin();
    files_.Queue(dir_ + "shot.vsk");
    ASSERT_TRUE(w_.cmdSaveSkin_Click());
    files_.Queue(dir_ + "shot.vsk");
    w_.cmdOpen_Click();
    w_.cmdPick_Click();
    w_.picSelect_MouseMove(5);
    Shot("editor_skin_open");
}

}  // namespace
}  // namespace vorne::skinner
