// Quarlh's windows under Wine: the selection drawn by posted mouse messages
// in one view shows in all four, the strips built at the release, the load
// and save commands with their dialogs, the popup "Save" menus and the menu
// bar, and the exit.
#include <windows.h>

#include <fstream>

#include <gtest/gtest.h>

#include "runtime/basic/basic.h"
#include "runtime/testing/huge_bitmap.h"
#include "runtime/testing/window_pixels.h"
#include "runtime/text/ansi.h"
#include "tools/stripmaker/bitmap_pixels.h"
#include "tools/stripmaker/bmp_file.h"
#include "tools/stripmaker/tests/window_fixture.h"

namespace vorne::stripmaker::testing {
namespace {

// The whole screen as a bitmap file in the test's folder, to look at.
void SaveScreen(const std::string& name) { vorne::testing::SaveBmpFile(name, vorne::testing::CaptureScreen()); }

// What a picture box shows at (x, y).
std::uint32_t Shown(forms::PictureBox& box, int x, int y) { return Rgb(GetPixel(box.hDC(), x, y)); }

TEST_F(StripMakerWindow, ASelectionDrawnInOneViewAppearsInAllFourAndBuildsTheStrips) {
    LoadFourStates();
    // Nothing is built by loading.
    EXPECT_TRUE(main_->Family.Images4().Empty());
    for (int k = 1; k <= 4; ++k) EXPECT_FALSE(main_->View(k).Sizer.Visible());

    // From pixel (10, 10) to pixel (29, 24) in the mouse-over view.
    DragInView(2, 10, 10, 29, 24);
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE("view " + std::to_string(k));
        FrmView& v = main_->View(k);
        const Box& s = v.Model().Selectr;
        EXPECT_FLOAT_EQ(s.Left, 150);
        EXPECT_FLOAT_EQ(s.Top, 150);
        EXPECT_FLOAT_EQ(s.Width, 300);
        EXPECT_FLOAT_EQ(s.Height, 225);
        // The handles hang under the bottom-right corner (30, 25).
        EXPECT_TRUE(v.Sizer.Visible() && v.Mover.Visible());
        EXPECT_EQ(v.Sizer.Left(), 30);
        EXPECT_EQ(v.Sizer.Top(), 25);
        EXPECT_EQ(v.Mover.Left(), 30 - 13 - 2);
        EXPECT_EQ(v.Mover.Top(), 25);
        EXPECT_EQ(v.Sizer.Width(), 13);
    }
    const PixelBuffer& four = main_->Family.Images4();
    const PixelBuffer& two = main_->Family.Images2();
    ASSERT_EQ(four.Width(), 80);
    ASSERT_EQ(four.Height(), 15);
    ASSERT_EQ(two.Width(), 40);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 80; ++x) {
            const std::uint32_t want = states_[static_cast<size_t>(x / 20)].At(10 + x % 20, 10 + y);
            ASSERT_EQ(four.At(x, y), want) << x << "," << y;
            ASSERT_EQ(Shown(main_->Images4, x, y), want) << "display " << x << "," << y;
        }
    EXPECT_EQ(two.At(25, 3), states_[bsMouseDown].At(15, 13));
    EXPECT_EQ(Shown(main_->Images2, 25, 3), states_[bsMouseDown].At(15, 13));

    // The move handle, dragged by posted messages on the handle itself.
    HWND w3 = main_->View(3).hWnd();
    Post(w3, WM_LBUTTONDOWN, MK_LBUTTON, 15 + 4, 25 + 4);
    Post(w3, WM_MOUSEMOVE, MK_LBUTTON, 15 + 4 + 10, 25 + 4 + 6);
    Post(w3, WM_LBUTTONUP, 0, 15 + 4 + 10, 25 + 4 + 6);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_FLOAT_EQ(main_->View(k).Model().Selectr.Left, 300) << k;
        EXPECT_FLOAT_EQ(main_->View(k).Model().Selectr.Top, 240) << k;
        EXPECT_FLOAT_EQ(main_->View(k).Model().Selectr.Width, 300) << k;
        EXPECT_EQ(main_->View(k).Sizer.Left(), 40) << k;
    }
    EXPECT_EQ(main_->Family.Images4().At(0, 0), states_[0].At(20, 16));

    SaveScreen("quarlh-windows.bmp");
}

TEST_F(StripMakerWindow, ARightButtonDragOnAViewChangesNothing) {
    LoadFourStates();
    HWND w = main_->View(1).hWnd();
    Post(w, WM_RBUTTONDOWN, MK_RBUTTON, 10, 10);
    Post(w, WM_MOUSEMOVE, MK_RBUTTON, 40, 40);
    Post(w, WM_RBUTTONUP, 0, 40, 40);
    EXPECT_FALSE(main_->View(1).Model().Selectr.Visible);
    EXPECT_FLOAT_EQ(main_->View(1).Model().Selectr.Left, 1800);
    EXPECT_TRUE(main_->Family.Images4().Empty());
}

// A state picture of 12000 x 12000 pixels (432 MB) is more than the strip
// maker takes: its button refuses it as silently as any picture that does
// not load, the view keeps its picture, and the program goes on.
TEST_F(StripMakerWindow, AStatePictureTooLargeToHoldIsRefusedLikeOneThatDoesNotLoad) {
    LoadFourStates();
    const auto before = main_->Family.Picture(2);
    const forms::PictureRef shown = main_->View(2).GetPicture();
    {
        vorne::testing::HugeBmpFile huge(dir_ + "huge.bmp");
        ASSERT_TRUE(huge.Made());
        files_.Queue(huge.Path());
        SendMessageA(main_->cmdActv.Window(), BM_CLICK, 0, 0);
        forms::DoEvents();
    }
    EXPECT_EQ(files_.Pending(), 0u);
    EXPECT_EQ(main_->Family.Picture(2), before);
    EXPECT_EQ(main_->View(2).GetPicture(), shown);
    EXPECT_TRUE(boxes_.Log().empty());
    // The next picture loads as ever.
    LoadThroughDialog(2, dir_ + "state0.bmp");
    ASSERT_TRUE(main_->Family.Picture(2));
    EXPECT_EQ(*main_->Family.Picture(2), states_[0]);
}

TEST_F(StripMakerWindow, LoadCommandsKeepTheOldPictureOnAnyFailure) {
    LoadFourStates();
    const auto before = main_->Family.Picture(2);
    files_.Queue(std::nullopt);  // cancelled
    main_->cmdActv_Click();
    std::ofstream(dir_ + "not a picture.bmp") << "plain text";
    LoadThroughDialog(2, dir_ + "not a picture.bmp");
    LoadThroughDialog(2, dir_ + "missing.bmp");
    EXPECT_EQ(main_->Family.Picture(2), before);
    // Every open box starts with the last file picked.
    ASSERT_EQ(files_.Log().size(), 7u);
    EXPECT_EQ(files_.Log()[0].file_name, "*.bmp;*.jpg;*.gif");
    EXPECT_EQ(files_.Log()[0].filter, "Picture Files|*.bmp;*.jpg;*.gif");
    EXPECT_EQ(files_.Log()[4].file_name, dir_ + "state3.bmp");
    EXPECT_EQ(files_.Log()[6].file_name, dir_ + "not a picture.bmp");
    EXPECT_FALSE(files_.Log()[0].save);
}

TEST_F(StripMakerWindow, JpegAndGifPicturesLoadIntoTheViews) {
    const std::string fixtures = VORNE_STRIP_FIXTURES;
    if (fixtures.empty()) GTEST_SKIP() << "no JPEG and GIF fixtures (ImageMagick missing at build time)";
    LoadThroughDialog(1, fixtures + "\\state.gif");
    LoadThroughDialog(3, fixtures + "\\state.jpg");
    ASSERT_TRUE(main_->Family.Picture(1));
    ASSERT_TRUE(main_->Family.Picture(3));
    EXPECT_EQ(main_->Family.Picture(1)->Width(), 48);
    EXPECT_EQ(main_->Family.Picture(3)->Height(), 32);
    // Solid red and solid blue, the JPEG within its loss.
    EXPECT_EQ(main_->Family.Picture(1)->At(5, 5), 0xFF0000u);
    const std::uint32_t blue = main_->Family.Picture(3)->At(5, 5);
    EXPECT_LT(blue >> 16, 16u);
    EXPECT_GT(blue & 0xFF, 240u);
}

TEST_F(StripMakerWindow, SaveNeverProposesTheSourcePictureAndAsksBeforeReplacing) {
    LoadFourStates();
    DragInView(1, 10, 10, 29, 24);
    const std::string source = dir_ + "state3.bmp";
    const auto source_bytes = vorne::basic::ReadWholeFile(source);

    // Offered the last source picture's folder but not its name; asked
    // about replacing it, the user says No, and then cancels the box.
    files_.Queue(source);
    boxes_.QueueMsgBox(forms::vbNo);
    files_.Queue(std::nullopt);
    main_->cmdSave2_Click();
    ASSERT_EQ(files_.Log().size(), 6u);
    EXPECT_TRUE(files_.Log()[4].save);
    EXPECT_EQ(files_.Log()[4].file_name, "");
    EXPECT_EQ(files_.Log()[4].init_dir + "\\", dir_);
    ASSERT_EQ(boxes_.Log().size(), 1u);
    EXPECT_NE(boxes_.Log()[0].prompt.find("state3.bmp already exists"), std::string::npos);
    EXPECT_EQ(boxes_.Log()[0].style & forms::vbYesNo, forms::vbYesNo);
    EXPECT_EQ(vorne::basic::ReadWholeFile(source), source_bytes);
    // The open boxes still start with the last picture picked.
    EXPECT_EQ(main_->CD.FileName, source);

    // A new name with ’ and é, ending in ".jpg": written as a bitmap, no question.
    const std::string name = dir_ + "strip \x92" "caf\xe9.jpg";
    files_.Queue(name);
    main_->cmdSave2_Click();
    auto bytes = vorne::basic::ReadWholeFile(name);
    ASSERT_TRUE(bytes);
    const auto want = EncodeBmp(main_->Family.Images4());
    EXPECT_EQ(*bytes, std::string(want.begin(), want.end()));

    // Kanji, where the ANSI code page has them.
    const std::wstring kanji = L"\u65e5\u672c";
    if (text::HasAnsiForm(kanji)) {
        const std::string jp = dir_ + text::WideToAnsi(kanji) + ".bmp";
        files_.Queue(jp);
        main_->cmdSave2_Click();
        EXPECT_EQ(vorne::basic::ReadWholeFile(jp), *bytes);
        LoadThroughDialog(1, jp);
        ASSERT_TRUE(main_->Family.Picture(1));
        EXPECT_EQ(*main_->Family.Picture(1), main_->Family.Images4());
    }

    // Replacing after a Yes; the 2-cell strip this time.
    files_.Queue(name);
    boxes_.QueueMsgBox(forms::vbYes);
    main_->cmdSave1_Click();
    const auto want2 = EncodeBmp(main_->Family.Images2());
    EXPECT_EQ(*vorne::basic::ReadWholeFile(name), std::string(want2.begin(), want2.end()));
}

TEST_F(StripMakerWindow, AStripThatCannotBeWrittenIsReported) {
    LoadFourStates();
    DragInView(1, 10, 10, 29, 24);
    const std::string nowhere = dir_ + "no such folder\\strip.bmp";
    files_.Queue(nowhere);
    boxes_.QueueMsgBox(forms::vbOK);
    main_->cmdSave2_Click();
    ASSERT_EQ(boxes_.Log().size(), 1u);
    EXPECT_EQ(boxes_.Log()[0].prompt, nowhere + " could not be written.");
    EXPECT_FALSE(text::FileExists(nowhere));
}

TEST_F(StripMakerWindow, NothingToSaveBeforeTheFirstBuild) {
    main_->cmdSave1_Click();  // no box is shown: the fixture fails on any
    main_->cmdSave2_Click();
    EXPECT_TRUE(files_.Log().empty());
}

// The popup menu shown by a release over a strip display: a timer that runs
// inside the menu's own loop reads its items and closes it.
std::vector<std::string> g_popup;
void CALLBACK ReadPopup(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND menu = FindWindowA("#32768", nullptr);
    HMENU m = menu ? reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0)) : nullptr;
    g_popup.clear();
    for (int i = 0; m && i < GetMenuItemCount(m); ++i) {
        char text[64] = {};
        GetMenuStringA(m, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        g_popup.push_back(text);
    }
    EndMenu();
}

TEST_F(StripMakerWindow, ARightReleaseOverAStripOffersSaveAndALeftOneNothing) {
    for (forms::PictureBox* box : {&main_->Images2, &main_->Images4}) {
        g_popup = {"none"};
        SetTimer(nullptr, 0, 200, ReadPopup);
        Post(box->Window(), WM_RBUTTONDOWN, MK_RBUTTON, 20, 20);
        Post(box->Window(), WM_RBUTTONUP, 0, 20, 20);
        EXPECT_EQ(g_popup, std::vector<std::string>{"Save"}) << box->Name();

        g_popup = {"none"};
        Post(box->Window(), WM_LBUTTONDOWN, MK_LBUTTON, 20, 20);
        Post(box->Window(), WM_LBUTTONUP, 0, 20, 20);
        EXPECT_EQ(g_popup, std::vector<std::string>{"none"});
    }
}

TEST_F(StripMakerWindow, TheMenuBarAndTheExit) {
    HMENU bar = GetMenu(main_->hWnd());
    ASSERT_TRUE(bar);
    ASSERT_EQ(GetMenuItemCount(bar), 2);  // the two "Save" menus stay off the bar
    char text[64];
    GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&File");
    GetMenuStringA(bar, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Help");
    HMENU file = GetSubMenu(bar, 0);
    GetMenuStringA(file, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Re-Capture Images");
    GetMenuStringA(file, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "E&xit");
    EXPECT_EQ(main_->Caption(), "Quarlh (Quarl Helper)");
    EXPECT_EQ(main_->ScaleWidth(), 338);
    EXPECT_EQ(main_->ScaleHeight(), 289);
    EXPECT_EQ(main_->View(2).ScaleWidth(), 205);
    EXPECT_EQ(main_->View(4).ScaleHeight(), 95);
    EXPECT_EQ(main_->HelpFile, forms::App::Path() + "\\Vornes.hlp");

    // The views tile 2 x 2 from the screen's corner.
    RECT r[4];
    for (int k = 0; k < 4; ++k) GetWindowRect(main_->View(k + 1).hWnd(), &r[k]);
    EXPECT_EQ(r[0].left, 0);
    EXPECT_EQ(r[0].top, 0);
    EXPECT_EQ(r[1].left, r[0].right);
    EXPECT_EQ(r[2].top, r[0].bottom);
    EXPECT_EQ(r[3].left, r[2].right);
    EXPECT_EQ(r[3].top, r[1].bottom);

    // Re-Capture through the menu command, before any press: the hidden
    // start rectangle of the normal view sets the size.
    SendMessageA(main_->hWnd(), WM_COMMAND, main_->cmdCap.Id(), 0);
    EXPECT_EQ(main_->Family.Images4().Width(), 4 * 73);
    EXPECT_EQ(main_->Family.Images4().Height(), 41);

    // Closing a view alone is refused; the exit closes everything.
    SendMessageA(main_->View(3).hWnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(main_->View(3).Loaded());
    SendMessageA(main_->hWnd(), WM_COMMAND, main_->cmdExit.Id(), 0);
    EXPECT_TRUE(forms::Form::LoadedForms().empty());
}

TEST_F(StripMakerWindow, TheLoadButtonsRunTheirCommands) {
    const std::string file = dir_ + "one.bmp";
    ASSERT_TRUE(SaveBmp(file, StatePicture(0, 30, 20)));
    files_.Queue(file);
    SendMessageA(main_->cmdDis.Window(), BM_CLICK, 0, 0);
    forms::DoEvents();
    ASSERT_TRUE(main_->Family.Picture(4));
    EXPECT_EQ(main_->Family.Picture(4)->Width(), 30);
    EXPECT_FALSE(main_->Family.Picture(1));
    char caption[64];
    GetWindowTextA(main_->cmdNorm.Window(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Normal    Image");
}

}  // namespace
}  // namespace vorne::stripmaker::testing
