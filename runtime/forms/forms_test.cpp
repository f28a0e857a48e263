// Forms with real windows under the window system.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/forms/command_button.h"
#include "runtime/forms/forms.h"
#include "runtime/forms/menu.h"
#include "runtime/testing/huge_bitmap.h"

namespace vorne::forms {
namespace {

// A form that records its events.
class TraceForm : public Form {
public:
    explicit TraceForm(std::vector<std::string>& trace, std::string name = "frmTrace")
        : Form(std::move(name)), trace_(trace) {}
    int cancel_query = 0;
    int cancel_unload = 0;
    bool hide_on_cancel = false;
    bool unload_in_load = false;

protected:
    void Form_Load() override {
        trace_.push_back(Name() + ".Load");
        if (unload_in_load) Unload();
    }
    void Form_QueryUnload(int& cancel, int mode) override {
        trace_.push_back(Name() + ".QueryUnload(" + std::to_string(mode) + ")");
        cancel = cancel_query;
    }
    void Form_Unload(int& cancel) override {
        trace_.push_back(Name() + ".Unload");
        cancel = cancel_unload;
        if (cancel && hide_on_cancel) Hide();
    }

private:
    std::vector<std::string>& trace_;
};

TEST(FormLifecycleTest, LoadQueryUnloadUnloadInOrderAndRegistry) {
    std::vector<std::string> trace;
    TraceForm f(trace);
    EXPECT_FALSE(f.Loaded());
    f.Load();
    f.Load();  // loaded once
    ASSERT_TRUE(f.Loaded());
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(Form::LoadedForms(), (std::vector<Form*>{&f}));

    f.cancel_query = 1;
    EXPECT_FALSE(f.Unload());
    EXPECT_TRUE(f.Loaded());
    f.cancel_query = 0;
    EXPECT_TRUE(f.Unload());
    EXPECT_FALSE(f.Loaded());
    EXPECT_TRUE(Form::LoadedForms().empty());
    EXPECT_EQ(trace, (std::vector<std::string>{"frmTrace.Load", "frmTrace.QueryUnload(1)", "frmTrace.QueryUnload(1)",
                                               "frmTrace.Unload"}));
    EXPECT_TRUE(f.Unload());  // not loaded: nothing runs
    EXPECT_EQ(trace.size(), 4u);
}

TEST(FormLifecycleTest, UnloadCancelledInUnloadHidesAndKeepsLoaded) {
    std::vector<std::string> trace;
    TraceForm list(trace, "frmList");
    list.cancel_unload = 1;
    list.hide_on_cancel = true;
    list.Show();
    ASSERT_TRUE(list.Visible());
    // The window's close box goes through QueryUnload with the menu mode.
    SendMessageA(list.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(list.Loaded());
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(trace.back(), "frmList.Unload");
    EXPECT_EQ(trace[trace.size() - 2], "frmList.QueryUnload(0)");
    list.cancel_unload = 0;
    EXPECT_TRUE(list.Unload());
    EXPECT_FALSE(list.Loaded());
}

TEST(FormLifecycleTest, FormUnloadingItselfInLoadEndsUnloaded) {
    std::vector<std::string> trace;
    TraceForm f(trace);
    f.unload_in_load = true;
    f.Show();
    EXPECT_FALSE(f.Loaded());
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(Form::LoadedForms().empty());
    EXPECT_EQ(trace, (std::vector<std::string>{"frmTrace.Load", "frmTrace.QueryUnload(1)", "frmTrace.Unload"}));
}

TEST(FormLifecycleTest, UnloadAllUnloadsEveryFormAndReportsOneThatStays) {
    std::vector<std::string> trace;
    TraceForm a(trace, "frmA"), b(trace, "frmB"), c(trace, "frmC");
    a.Load();
    b.Load();
    c.Load();
    b.cancel_query = 1;
    EXPECT_FALSE(Form::UnloadAll());
    EXPECT_EQ(Form::LoadedForms(), (std::vector<Form*>{&b}));
    b.cancel_query = 0;
    EXPECT_TRUE(Form::UnloadAll());
    EXPECT_TRUE(Form::LoadedForms().empty());
}

TEST(FormLifecycleTest, ShowHideAndReloadKeepsPlace) {
    std::vector<std::string> trace;
    TraceForm f(trace);
    const float tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    f.Move(100 * tx, 80 * ty, 300 * tx, 200 * ty);
    f.Show();
    EXPECT_TRUE(f.Visible());
    EXPECT_FLOAT_EQ(f.Left(), 100 * tx);
    EXPECT_FLOAT_EQ(f.Width(), 300 * tx);
    f.Hide();
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(f.Loaded());
    f.Unload();
    f.Load();
    RECT r;
    GetWindowRect(f.hWnd(), &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 200);
    f.Unload();
}

TEST(FormLifecycleTest, ModalShowReturnsWhenHidden) {
    std::vector<std::string> trace;
    TraceForm owner(trace, "frmMain"), dialog(trace, "frmIDTAG");
    owner.Show();
    Timer closer(dialog, "tmrClose");
    bool owner_disabled = false;
    closer.OnTimer = [&] {
        owner_disabled = !IsWindowEnabled(owner.hWnd());
        dialog.Hide();
    };
    closer.SetInterval(10);
    dialog.Show(vbModal);
    EXPECT_TRUE(owner_disabled);
    EXPECT_TRUE(IsWindowEnabled(owner.hWnd()));
    EXPECT_FALSE(dialog.Visible());
    Form::UnloadAll();
}

TEST(ScreenTest, TwipsPerPixelComesFromTheScreen) {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    EXPECT_FLOAT_EQ(TwipsPerPixelX(), 1440.0f / dpi);
}

// ---- windowless controls

class Board : public Form {
public:
    Board() : Form("frmBoard") {}
    std::vector<MouseEvent> form_downs;

protected:
    DWORD Style() const override { return WS_POPUP | WS_CLIPCHILDREN; }
    void Form_MouseDown(const MouseEvent& e) override { form_downs.push_back(e); }
};

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

TEST(WindowlessTest, HitTestTopmostFirstAndBringToFront) {
    Board f;
    Label a(f, "Labels", 1), b(f, "Labels", 2);
    a.Move(0, 0, 40, 20);
    b.Move(20, 0, 40, 20);
    f.Move(0, 0, 200 * TwipsPerPixelX(), 100 * TwipsPerPixelY());
    f.Show();
    std::vector<std::string> hits;
    a.OnMouseDown = [&](const MouseEvent&) { hits.push_back("a"); };
    b.OnMouseDown = [&](const MouseEvent&) { hits.push_back("b"); };
    auto press = [&](int x, int y) {
        SendMessageA(f.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
        SendMessageA(f.hWnd(), WM_LBUTTONUP, 0, Point(x, y));
    };
    press(10, 5);  // a only
    press(30, 5);  // overlap: b was made later
    a.ZOrder(0);
    press(30, 5);  // a now on top
    press(50, 5);  // b only
    b.SetVisible(false);
    press(50, 5);  // nothing: the form
    EXPECT_EQ(hits, (std::vector<std::string>{"a", "b", "a", "b"}));
    ASSERT_EQ(f.form_downs.size(), 1u);
    EXPECT_EQ(f.HitTest(30, 5), &a);
    f.Unload();
}

TEST(WindowlessTest, PressCapturesMovesAndReleaseClickOnlyInside) {
    Board f;
    Image img(f, "imgPICS4img", 1);
    img.Move(10, 10, 20, 20);
    f.Move(0, 0, 200 * TwipsPerPixelX(), 100 * TwipsPerPixelY());
    f.Show();
    std::vector<MouseEvent> moves, ups;
    int clicks = 0;
    img.OnMouseMove = [&](const MouseEvent& e) { moves.push_back(e); };
    img.OnMouseUp = [&](const MouseEvent& e) { ups.push_back(e); };
    img.OnClick = [&] { ++clicks; };
    HWND h = f.hWnd();
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, Point(15, 15));
    SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, Point(100, 50));  // outside, still the image's
    SendMessageA(h, WM_LBUTTONUP, 0, Point(100, 50));
    EXPECT_EQ(clicks, 0);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].button, vbLeftButton);
    EXPECT_FLOAT_EQ(moves[0].x, 90 * TwipsPerPixelX());  // twips from the image's corner
    ASSERT_EQ(ups.size(), 1u);
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, Point(15, 15));
    SendMessageA(h, WM_LBUTTONUP, 0, Point(16, 16));
    EXPECT_EQ(clicks, 1);
    SendMessageA(h, WM_RBUTTONDOWN, MK_RBUTTON, Point(15, 15));
    SendMessageA(h, WM_RBUTTONUP, 0, Point(16, 16));
    EXPECT_EQ(clicks, 1);  // Click is the left button's
    EXPECT_EQ(ups.back().button, vbRightButton);
    f.Unload();
}

TEST(WindowlessTest, ImageTakesPictureSizeAndSharesIt) {
    Board f;
    Image img(f, "imgPICS", 1);
    HDC screen = GetDC(nullptr);
    auto pic = std::make_shared<Picture>(CreateCompatibleBitmap(screen, 37, 21));
    ReleaseDC(nullptr, screen);
    img.SetPicture(pic);
    EXPECT_EQ(img.Width(), 37);
    EXPECT_EQ(img.Height(), 21);
    EXPECT_EQ(img.GetPicture().get(), pic.get());
    img.SetBorderStyle(1);
    EXPECT_EQ(img.Width(), 41);
    img.SetStretch(true);
    img.Move(0, 0, 5, 5);
    EXPECT_EQ(img.Width(), 5);
}

TEST(LabelTest, AmpersandIsDrawnAsItIs) {
    Board f;
    Label amp(f, "Labels", 1), plain(f, "Labels", 2), pair(f, "Labels", 3);
    for (Label* l : {&amp, &plain, &pair}) l->SetAutoSize(true);
    amp.SetCaption("R&B");
    plain.SetCaption("RB");
    pair.SetCaption("R&&B");
    EXPECT_TRUE(amp.DrawFlags() & DT_NOPREFIX);
    // Measured without prefix handling, "R&B" is wider than "RB" and
    // "R&&B" keeps both ampersands.
    EXPECT_GT(amp.Width(), plain.Width());
    EXPECT_GT(pair.Width(), amp.Width());
    EXPECT_EQ(amp.Caption(), "R&B");
}

// ---- picture boxes

TEST(PictureBoxTest, SurfacePersistsWithoutWindowAndAcrossLoad) {
    Board f;
    PictureBox xfer(f, "xfer");
    xfer.Move(0, 0, 8, 4);
    xfer.SetBackColor(RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(xfer.hDC(), 3, 3), RGB(10, 20, 30));
    SetPixel(xfer.hDC(), 1, 1, RGB(255, 0, 0));
    f.Show();
    ASSERT_NE(xfer.Window(), nullptr);
    EXPECT_EQ(GetParent(xfer.Window()), f.hWnd());
    EXPECT_EQ(GetPixel(xfer.hDC(), 1, 1), RGB(255, 0, 0));
    xfer.SetWidth(16);  // grows, keeps the drawing
    EXPECT_EQ(GetPixel(xfer.hDC(), 1, 1), RGB(255, 0, 0));
    auto shot = xfer.Snapshot();
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot->Width(), 16);
    f.Unload();
    EXPECT_EQ(xfer.Window(), nullptr);
    EXPECT_EQ(GetPixel(xfer.hDC(), 1, 1), RGB(255, 0, 0));
}

TEST(PictureBoxTest, CutFirstCellOfStrip) {
    // The cut a button's first cell needs: the strip's left quarter.
    Board f;
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 40, 10);
    HDC mem = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    for (int cell = 0; cell < 4; ++cell) {
        RECT r{cell * 10, 0, cell * 10 + 10, 10};
        HBRUSH b = CreateSolidBrush(RGB(cell * 60, 0, 0));
        FillRect(mem, &r, b);
        DeleteObject(b);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    auto strip = std::make_shared<Picture>(bmp);

    PictureBox xfer(f, "xfer");
    xfer.SetAutoSize(true);
    xfer.SetPicture(strip);
    EXPECT_EQ(xfer.Width(), 40);
    xfer.SetAutoSize(false);
    xfer.SetWidth(xfer.Width() / 4);
    xfer.Cls();
    xfer.PaintPicture(*strip, 0, 0, 20, 0, 10, 10);  // cell 2
    auto cell = xfer.Snapshot();
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->Width(), 10);
    HDC dc = CreateCompatibleDC(nullptr);
    old = SelectObject(dc, cell->Handle());
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(120, 0, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
}

// ---- hidden state controls on a form

TEST(StateControlTest, HiddenCheckBoxClickRunsWhenSet) {
    Board f;
    CheckBox chkRepeat("chkRepeat");
    bool repeat_on = false;
    chkRepeat.SetVisible(false);
    chkRepeat.OnClick = [&] { repeat_on = chkRepeat.Checked(); };
    chkRepeat.SetValue(1);
    EXPECT_TRUE(repeat_on);
    chkRepeat.SetValue(0);
    EXPECT_FALSE(repeat_on);
}

// ---- timers

TEST(TimerTest, TicksOnlyWhileEnabledWithInterval) {
    Board f;
    Timer t(f, "Timer1");
    int ticks = 0;
    t.OnTimer = [&] { ++ticks; };
    f.Load();
    EXPECT_FALSE(t.Running());  // interval 0: no system timer
    SendMessageA(f.TimerWindow(), WM_TIMER, t.Id(), 0);
    EXPECT_EQ(ticks, 0);
    t.SetInterval(1000);
    EXPECT_TRUE(t.Running());
    SendMessageA(f.TimerWindow(), WM_TIMER, t.Id(), 0);
    SendMessageA(f.TimerWindow(), WM_TIMER, t.Id() + 100, 0);  // someone else's id
    EXPECT_EQ(ticks, 1);
    t.SetEnabled(false);
    EXPECT_FALSE(t.Running());
    SendMessageA(f.TimerWindow(), WM_TIMER, t.Id(), 0);
    EXPECT_EQ(ticks, 1);
    EXPECT_THROW(t.SetInterval(70000), InvalidPropertyValue);
    EXPECT_THROW(t.SetInterval(-1), InvalidPropertyValue);
    EXPECT_EQ(t.Interval(), 1000);
    t.SetEnabled(true);
    f.Unload();
    EXPECT_FALSE(t.Running());
    f.Load();  // runs again with the form
    EXPECT_TRUE(t.Running());
    f.Unload();
}

TEST(TimerTest, RealTimerTicksThroughDoEvents) {
    Board f;
    Timer t(f, "DisplayRefresh");
    int ticks = 0;
    t.OnTimer = [&] { ++ticks; };
    t.SetInterval(5);
    f.Load();
    const DWORD start = GetTickCount();
    while (ticks < 2 && GetTickCount() - start < 5000) {
        DoEvents();
        Sleep(1);
    }
    EXPECT_GE(ticks, 2);
    EXPECT_EQ(DoEvents(), 1);
    f.Unload();
    EXPECT_EQ(DoEvents(), 0);
}

TEST(PictureBoxTest, LaterBoxLiesOverEarlierAndZOrderMovesIt) {
    Board f;
    PictureBox a(f, "picA"), b(f, "picB");
    a.Move(0, 0, 30, 30);
    b.Move(10, 10, 30, 30);
    f.Move(0, 0, 100 * TwipsPerPixelX(), 100 * TwipsPerPixelY());
    f.Show();
    POINT p{20, 20};
    EXPECT_EQ(ChildWindowFromPoint(f.hWnd(), p), b.Window());
    a.ZOrder(0);
    EXPECT_EQ(ChildWindowFromPoint(f.hWnd(), p), a.Window());
    a.ZOrder(1);
    EXPECT_EQ(ChildWindowFromPoint(f.hWnd(), p), b.Window());
    f.Unload();
}

// ---- default instance

int g_made = 0;
class frmOnce : public Form {
public:
    frmOnce() : Form("frmOnce") { ++g_made; }
};

TEST(DefaultInstanceTest, MadeOnFirstUseAndKeptAcrossUnload) {
    EXPECT_EQ(g_made, 0);
    frmOnce& f = DefaultInstance<frmOnce>();
    EXPECT_EQ(g_made, 1);
    f.Load();
    f.Unload();
    EXPECT_EQ(&DefaultInstance<frmOnce>(), &f);
    EXPECT_EQ(g_made, 1);
}

// ---- dialogs, App

// Answers the system's input box: types into its edit line and presses OK.
void CALLBACK AnswerInputBox(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dlg = FindWindowA("#32770", "Speed test");
    if (!dlg) return;
    KillTimer(nullptr, id);
    HWND edit = FindWindowExA(dlg, nullptr, "Edit", nullptr);
    SetWindowTextA(edit, std::string("4").append("2").c_str());
    PostMessageA(dlg, WM_COMMAND, IDOK, 0);
}

TEST(DialogTest, SystemInputBoxShowsPromptAndReturnsText) {
    UINT_PTR t = SetTimer(nullptr, 0, 20, AnswerInputBox);
    ASSERT_NE(t, 0u);
    EXPECT_EQ(SystemDialogs().InputBox("Scroll speed?", "Speed test", "200"), "42");
}

TEST(DialogTest, MsgBoxAndInputBoxGoThroughTheSeam) {
    ScriptedDialogs script;
    script.QueueMsgBox(vbYes);
    script.QueueInput(std::string("300"));
    ScopedDialogs use(script);
    EXPECT_EQ(MsgBox("Invalid Skin File", vbYesNo), vbYes);
    EXPECT_EQ(InputBox("Speed"), "300");
    ASSERT_EQ(script.Log().size(), 2u);
    EXPECT_EQ(script.Log()[0].title, App::EXEName());  // no title: the program's name
    EXPECT_THROW(MsgBox("not planned"), UnexpectedDialog);
}

TEST(AppTest, PathNameCommandAndVersion) {
    char buf[MAX_PATH];
    GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::string full = buf;
    EXPECT_EQ(App::Path() + "\\" + App::EXEName() + ".exe", full);
    EXPECT_EQ(App::EXEName(), "forms_test");
    EXPECT_EQ(App::Command().find("forms_test"), std::string::npos);
    EXPECT_EQ(App::VersionText(), "2.0 (build 1)");
}

// ---- commands whose handler fails

// A handler that lets an exception out ends its own command and nothing
// else: the user is told in a box like that of a failed load, and the
// program takes the next command. Reached as the user reaches them: the
// menu's command message, a click on the button, a click on an image.
TEST(FailedCommandTest, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
    ScriptedDialogs script;
    ScopedDialogs use(script);
    Board f;
    MenuItem menu("mnuFile", "&File"), item("cmdGo", "&Go");
    menu.Add(item);
    MenuBar bar(f);
    bar.Add(menu);
    CommandButton button(f, "cmdGo");
    button.Move(0, 0, 60, 24);
    Image img(f, "imgGo");
    img.Move(100, 10, 20, 20);
    f.Move(0, 0, 200 * TwipsPerPixelX(), 100 * TwipsPerPixelY());
    f.Show();
    HWND h = f.hWnd();
    const std::vector<std::pair<const char*, std::function<void()>>> commands = {
        {"menu", [&] { SendMessageA(h, WM_COMMAND, MAKEWPARAM(item.Id(), 0), 0); }},
        {"button", [&] { SendMessageA(button.Window(), BM_CLICK, 0, 0); }},
        {"image", [&] {
             SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, Point(105, 15));
             SendMessageA(h, WM_LBUTTONUP, 0, Point(105, 15));
         }},
    };
    const struct {
        std::function<void()> fail;
        std::string shown;
    } failures[] = {
        {[] { throw std::bad_alloc(); }, "Not enough memory to finish this command."},
        {[] { throw std::runtime_error("The disk is full."); }, "This command could not be finished: The disk is full."},
        {[] { throw 42; }, "This command could not be finished."},
    };
    int runs = 0;
    for (const auto& [where, run] : commands) {
        for (const auto& failure : failures) {
            SCOPED_TRACE(std::string(where) + ": " + failure.shown);
            const std::function<void()> handler = [&] {
                ++runs;
                failure.fail();
            };
            item.OnClick = button.OnClick = img.OnClick = handler;
            script.QueueMsgBox(vbOK);
            const size_t before = script.Log().size();
            const int runs_before = runs;
            EXPECT_NO_THROW(run());
            EXPECT_EQ(runs, runs_before + 1);
            ASSERT_EQ(script.Log().size(), before + 1);
            EXPECT_EQ(script.Log().back().prompt, failure.shown);
            EXPECT_EQ(script.Log().back().style, vbOKOnly | vbExclamation);
            EXPECT_EQ(script.Log().back().title, App::EXEName());
        }
        // The next command runs as usual.
        item.OnClick = button.OnClick = img.OnClick = [&] { ++runs; };
        const int runs_before = runs;
        run();
        EXPECT_EQ(runs, runs_before + 1) << where;
    }
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_TRUE(IsWindow(h));
    f.Unload();
}

// ---- pictures from files

// A picture larger than the programs take is refused like a file that is
// no picture, whether its header says so before it is read (a BMP of
// 12000 x 12000 pixels, 432 MB) or only the cap is passed by a pixel.
TEST(PictureFileTest, APictureLargerThanTheProgramsTakeIsRefused) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    const std::string dir = std::string(base) + "forms_pictures_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    const struct {
        int width, height;
        bool loads;
    } cases[] = {{12000, 12000, false}, {4097, 4096, false}, {16777217, 1, false}, {4096, 4096, true}, {2, 3, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        vorne::testing::HugeBmpFile file(dir + "picture.bmp", c.width, c.height);
        ASSERT_TRUE(file.Made());
        const PictureRef p = Picture::FromFile(file.Path());
        EXPECT_EQ(static_cast<bool>(p), c.loads);
        if (p) {
            EXPECT_EQ(p->Width(), c.width);
            EXPECT_EQ(p->Height(), c.height);
        }
    }

    // A JPEG is measured by its frame header: one that declares 12000 x
    // 12000 pixels over the data of a small picture is refused, not
    // decoded; the picture as it was loads.
    const std::string jpeg = std::string(VORNE_SOURCE_DIR) + "/tools/converter/tests/fixtures/main.jpg";
    ASSERT_TRUE(Picture::FromFile(jpeg));
    std::ifstream in(jpeg, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t sof = bytes.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    for (size_t at : {sof + 5, sof + 7}) {  // height, then width
        bytes[at] = static_cast<char>(12000 >> 8);
        bytes[at + 1] = static_cast<char>(12000 & 0xFF);
    }
    const std::string declared = dir + "declared.jpg";
    { std::ofstream(declared, std::ios::binary) << bytes; }
    EXPECT_FALSE(Picture::FromFile(declared));
    DeleteFileA(declared.c_str());
    RemoveDirectoryA(dir.c_str());
}

}  // namespace
}  // namespace vorne::forms
