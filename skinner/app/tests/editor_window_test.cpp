// The editor's windows under Wine: the object list and the designer fields
// driven as a user drives them, and a skin saved by the editor opened by the
// player, element by element at the same pixels.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <string>

#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/skin_art/canvas.h"
#include "runtime/forms/dialogs.h"
#include "runtime/forms/file_dialog.h"
#include "skinner/app/editor_window.h"
#include "skinner/app/tests/editor_fixture.h"

namespace vorne::skinner {
namespace {

using vorne::player::skin_art::Canvas;
using vorne::player::skin_art::Colour;

// The player's main window with only its face prepared.
class PlayerFace : public player::FrmMain {
protected:
    void Form_Load() override { PrepareFace(); }
};

TEST_F(EditorWindow, ListColumnsFieldsAndModesFollowTheUser) {
    ObjectListView& lv = w_.LV();
    ASSERT_EQ(lv.Columns(), 7);
    const char* headers[] = {"Object", "Type", "Action", "Image1", "Image2", "Caption", "Internal Refrence"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(lv.Header(i), headers[i]);

    HWND kinds = w_.Item(frmSkinner::kCmboObjects), actions = w_.Item(frmSkinner::kCmboActions);
    Select(kinds, 3);
    EXPECT_EQ(ComboItems(actions), (std::vector<std::string>{"Balance Bar", "Position Bar", "Volume Bar"}));
    EXPECT_TRUE(Shown(w_.Item(frmSkinner::kLblImg2)));
    EXPECT_FALSE(Shown(w_.Item(frmSkinner::kTxtCaption)));
    Select(actions, 2);
    Click(frmSkinner::kCmdNew);
    Select(kinds, 0);
    EXPECT_TRUE(Shown(w_.Item(frmSkinner::kTxtCaption)));
    SetWindowTextA(w_.Item(frmSkinner::kTxtName), "clock");
    Select(actions, 3);
    Click(frmSkinner::kCmdNew);
    ASSERT_EQ(lv.Count(), 2);
    EXPECT_EQ(lv.Text(0, 1), "Scroll Bar");
    EXPECT_EQ(lv.Text(0, 2), "Volume Bar");
    EXPECT_EQ(lv.Text(1, 0), "clock");
    EXPECT_EQ(lv.Text(1, 2), "Time Display");
    EXPECT_EQ(lv.Text(1, 6), "1");
    EXPECT_EQ(w_.Preview().Label(1)->Caption(), "00:00");

    Click(frmSkinner::kCmdEdit);
    EXPECT_FALSE(IsWindowEnabled(lv.Window()));
    EXPECT_FALSE(IsWindowEnabled(w_.Item(frmSkinner::kCmdNew)));
    EXPECT_FALSE(IsWindowEnabled(kinds));
    EXPECT_TRUE(IsWindowEnabled(w_.Item(frmSkinner::kCmdSave)));
    Click(frmSkinner::kCmdCancel);
    EXPECT_TRUE(IsWindowEnabled(lv.Window()));

    // A press on the preview's element selects its row and fills the fields.
    w_.SelectItem(core::SkinKind::ScrollBar, 1);
    EXPECT_TRUE(lv.Selected(0));
    EXPECT_FALSE(lv.Selected(1));
    EXPECT_EQ(ComboItems(actions).front(), "Balance Bar");
    Click(frmSkinner::kCmdDel);
    ASSERT_EQ(lv.Count(), 1);
    EXPECT_EQ(w_.Preview().Component(core::SkinKind::ScrollBar, 1), nullptr);
}

TEST_F(EditorWindow, PickersTakeJpegAndGifThroughThePlatformLoader) {
    const std::string pics = ThisFolder() + "face_pictures\\";
    core::SkinEditor& ed = w_.Editor();
    ASSERT_TRUE(ed.ChooseBackground(pics + "face.jpg"));
    EXPECT_EQ(ed.txtBackPath.Text(), "face.jpg");
    EXPECT_EQ(ed.Background()->Width(), 200);
    EXPECT_EQ(w_.Preview().ScaleWidth(), 200);
    ed.cmboObjects.SetListIndex(2);
    ASSERT_TRUE(ed.cmboActions.SetText("Play Button"));
    ASSERT_TRUE(ed.ChooseImage1(pics + "play.gif"));
    ed.cmdNew_Click();
    EXPECT_EQ(w_.Preview().Pic(1)->Width(), 37);  // one of the strip's four cells
    EXPECT_EQ(ed.Rows().back().img1, "play.gif");
    // A file that is no picture changes nothing.
    EXPECT_FALSE(ed.ChooseImage1(ThisFolder() + "Plovex1.ocx"));
    EXPECT_EQ(ed.Image1File, "play.gif");
}

TEST_F(EditorWindow, OpenAsksAboutChangesFirstAndKeepsTheSkinOnCancel) {
    Click(frmSkinner::kCmdNew);
    ASSERT_TRUE(w_.Editor().SkinChanged);
    // Yes, then the save dialog cancelled: nothing is opened.
    boxes_.QueueMsgBox(forms::vbYes);
    files_.Queue(std::nullopt);
    w_.cmdOpen_Click();
    EXPECT_EQ(files_.Log().size(), 1u);
    EXPECT_TRUE(files_.Log()[0].save);
    EXPECT_EQ(w_.LV().Count(), 1);
    // Cancel: not even the open dialog.
    boxes_.QueueMsgBox(forms::vbCancel);
    w_.cmdOpen_Click();
    EXPECT_EQ(files_.Log().size(), 1u);
    EXPECT_EQ(boxes_.Pending() + files_.Pending(), 0u);
}

// The tolerance slider runs from 0 to 100000, so a skin's tolerance shows
// as it is; one outside that range is not taken and the slider keeps its
// value. Opened through the File menu, read back from the slider.
TEST_F(EditorWindow, ToleranceSliderShowsEveryToleranceOfItsRange) {
    HWND slider = w_.Item(frmSkinner::kSldrTol);
    EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 100000);
    const struct {
        const char* value;
        long shown;
    } cases[] = {{"300", 300}, {"100000", 100000}, {"42", 42}, {"100001", 42}, {"-5", 42}, {"-1", 42}, {"0", 0}};
    const std::string path = dir_ + "tolerance.vsk";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        {
            std::ofstream f(path, std::ios::binary);
            f << "[Vorne Skin]\r\n[Interface]\r\nBackTransColour=255\r\nBackTransTolerance=" << c.value << "\r\n";
        }
        files_.Queue(path);
        SendMessageA(w_.hWnd(), WM_COMMAND, MAKEWPARAM(frmSkinner::kMenuOpen, 0), 0);
        EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), c.shown);
        EXPECT_EQ(w_.Editor().tolerance, c.shown);
    }
    // The user's slider goes to the skin as it stands.
    SendMessageA(slider, TBM_SETPOS, TRUE, 76543);
    SendMessageA(w_.hWnd(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
    EXPECT_EQ(w_.Editor().tolerance, 76543);
    EXPECT_EQ(boxes_.Pending() + files_.Pending(), 0u);
}

// A file refused at opening leaves the editor with the empty skin of the
// refusal, in the preview's size for an empty skin: nothing of the skin
// before stays in the preview, and the caption and the path of the skin
// last opened are kept. Through the File menu, as the user opens it.
TEST_F(EditorWindow, ARefusedOpenLeavesAnEmptySkinInTheEmptyPreview) {
    WriteBmp(dir_ + "back.bmp", Canvas(240, 160, Colour{40, 60, 90}));
    const std::string good = dir_ + "good.vsk";
    {
        std::ofstream f(good, std::ios::binary);
        f << "[Vorne Skin]\r\n[Interface]\r\nBackImage=back.bmp\r\n"
             "Object=Static Label\r\nName=t\r\nAction=Time Display\r\nImg1=\r\nImg2=\r\nTxt=\r\n[End of Object]\r\n";
    }
    const std::string bad = dir_ + "not a skin.vsk";
    { std::ofstream(bad, std::ios::binary) << "[Vorne Skin] \r\n"; }
    auto open_through_the_menu = [this](const std::string& path) {
        files_.Queue(path);
        SendMessageA(w_.hWnd(), WM_COMMAND, MAKEWPARAM(frmSkinner::kMenuOpen, 0), 0);
    };
    open_through_the_menu(good);
    ASSERT_EQ(w_.LV().Count(), 1);
    ASSERT_EQ(w_.Preview().ScaleWidth(), 240);
    const std::string caption = w_.Caption();

    boxes_.QueueMsgBox(forms::vbOK);
    open_through_the_menu(bad);
    ASSERT_EQ(boxes_.Log().size(), 1u);
    EXPECT_EQ(boxes_.Log()[0].prompt, "Invalid Skin File");
    const core::SkinEditor& ed = w_.Editor();
    EXPECT_EQ(w_.LV().Count(), 0);
    EXPECT_TRUE(ed.Rows().empty());
    EXPECT_EQ(w_.Preview().Label(1), nullptr);
    EXPECT_FALSE(ed.Background());
    EXPECT_EQ(ed.txtBackPath.Text(), "");
    EXPECT_FLOAT_EQ(ed.PreviewWidth(), core::kEmptyPreviewWidth);
    EXPECT_FLOAT_EQ(ed.PreviewHeight(), core::kEmptyPreviewHeight);
    EXPECT_EQ(w_.Preview().ScaleWidth(), ed.Scale().ToPixelsX(core::kEmptyPreviewWidth));
    EXPECT_EQ(w_.Preview().ScaleHeight(), ed.Scale().ToPixelsY(core::kEmptyPreviewHeight));
    EXPECT_FALSE(w_.Preview().GetPicture());
    EXPECT_FALSE(ed.SkinChanged);
    EXPECT_EQ(w_.Caption(), caption);
    EXPECT_EQ(ed.CurrentSkinPath(), good);
    EXPECT_EQ(boxes_.Pending() + files_.Pending(), 0u);
}

TEST_F(EditorWindow, CloseStaysOpenWhenTheSaveAfterYesIsCancelled) {
    Click(frmSkinner::kCmdNew);
    boxes_.QueueMsgBox(forms::vbYes);
    files_.Queue(std::nullopt);
    EXPECT_FALSE(w_.Unload(forms::vbFormControlMenu));
    EXPECT_TRUE(w_.Loaded());
    EXPECT_TRUE(w_.Preview().Loaded());
    // New skin likewise keeps the skin.
    boxes_.QueueMsgBox(forms::vbYes);
    files_.Queue(std::nullopt);
    w_.cmdNewSkin_Click();
    EXPECT_EQ(w_.LV().Count(), 1);
    boxes_.QueueMsgBox(forms::vbNo);
    w_.cmdNewSkin_Click();
    EXPECT_EQ(w_.LV().Count(), 0);
    EXPECT_EQ(w_.Caption(), "Quarl");
}

TEST_F(EditorWindow, SkinSavedByTheEditorLoadsInThePlayerAtTheSamePixels) {
    Canvas back(275, 116, Colour{32, 48, 80});
    for (int x = 0; x < 275; ++x) back.Set(x, 0, Colour{255, 0, 255});
    WriteBmp(dir_ + "back.bmp", back);
    WriteBmp(dir_ + "play.bmp", Strip(100, 18, 4));
    WriteBmp(dir_ + "track.bmp", Strip(100, 8, 1));
    WriteBmp(dir_ + "thumb.bmp", Strip(20, 8, 2));
    core::SkinEditor& ed = w_.Editor();
    const activex::TwipsScale& sc = ed.Scale();
    ASSERT_TRUE(ed.ChooseBackground(dir_ + "back.bmp"));
    ed.chkTrans.SetValue(1);
    ed.transColour = 0xFF00FF;

    struct Placed {
        int kind;
        const char* action;
        int x, y, w, h;
    } placed[] = {{0, "Time Display", 12, 20, 0, 0},
                  {1, "Song Info", 20, 44, 160, 16},
                  {2, "Play Button", 30, 80, 0, 0},
                  {3, "Volume Bar", 150, 90, 100, 8}};
    for (const Placed& p : placed) {
        ed.cmboObjects.SetListIndex(p.kind);
        ASSERT_TRUE(ed.cmboActions.SetText(p.action));
        if (p.kind == 2) {
            ASSERT_TRUE(ed.ChooseImage1(dir_ + "play.bmp"));
        }
        if (p.kind == 3) {
            ASSERT_TRUE(ed.ChooseImage1(dir_ + "track.bmp"));
            ASSERT_TRUE(ed.ChooseImage2(dir_ + "thumb.bmp"));
        }
        ed.cmdNew_Click();
        const core::SkinKind kind = static_cast<core::SkinKind>(p.kind);
        core::PreviewElement e = *ed.Element(kind, 1);
        e.left = sc.ToTwipsX(p.x), e.top = sc.ToTwipsY(p.y);
        if (p.w) e.width = sc.ToTwipsX(p.w), e.height = sc.ToTwipsY(p.h);
        ed.ElementEdited(e);
    }
    w_.Sync();
    const std::string path = dir_ + "saved by quarl.vsk";
    files_.Queue(path);
    ASSERT_TRUE(w_.cmdSaveSkin_Click());
    EXPECT_EQ(files_.Log().back().filter, "Vorne Skins|*.vsk");
    EXPECT_FALSE(ed.SkinChanged);

    // Where the preview shows them.
    frmPrev& prev = w_.Preview();
    for (const Placed& p : placed) {
        const forms::Rect r = prev.PixelRect(static_cast<core::SkinKind>(p.kind), 1);
        EXPECT_EQ(r.left, p.x) << p.action;
        EXPECT_EQ(r.top, p.y) << p.action;
        if (p.w) {
            EXPECT_EQ(r.width, p.w) << p.action;
        }
    }
    EXPECT_EQ(prev.Pic(1)->Width(), 25);  // the first of four cells

    // And the editor opens it back to the same rows.
    const std::vector<core::ObjectRow> rows = ed.Rows();
    files_.Queue(path);
    w_.cmdOpen_Click();
    ASSERT_EQ(ed.Rows().size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(ed.Rows()[i].action, rows[i].action);
    EXPECT_EQ(w_.Caption(), core::CaptionForPath(path));
    EXPECT_EQ(ed.Element(core::SkinKind::ScrollBar, 1)->left, sc.ToTwipsX(150));
    EXPECT_NE(prev.Component(core::SkinKind::ScrollBar, 1), nullptr);
    EXPECT_EQ(prev.PixelRect(core::SkinKind::ScrollBar, 1).left, 150);

    // The player reads the same file.
    player::Options.PlayListVisible = false;
    PlayerFace face;
    face.Load();
    ASSERT_TRUE(face.OpenSkin(path));
    EXPECT_EQ(face.ScaleWidth(), 275);
    EXPECT_EQ(face.Labels.UBound(), 1);
    EXPECT_EQ(face.Labels[1].Left(), 12);
    EXPECT_EQ(face.Labels[1].Top(), 20);
    EXPECT_EQ(face.Labels[1].Caption(), "00:00");
    ASSERT_TRUE(face.SLabels && (*face.SLabels)[1]);
    EXPECT_FLOAT_EQ((*face.SLabels)[1]->Left(), 20);
    EXPECT_FLOAT_EQ((*face.SLabels)[1]->Top(), 44);
    EXPECT_FLOAT_EQ((*face.SLabels)[1]->Width(), 160);
    EXPECT_FLOAT_EQ((*face.SLabels)[1]->Height(), 16);
    ASSERT_EQ(face.imgPICS4img.UBound(), 1);
    EXPECT_EQ(face.imgPICS4img[1].Left(), 30);
    EXPECT_EQ(face.imgPICS4img[1].Top(), 80);
    EXPECT_EQ(face.imgPICS4img[1].Width(), 25);
    ASSERT_TRUE(face.ScrollBars && (*face.ScrollBars)[1]);
    EXPECT_FLOAT_EQ((*face.ScrollBars)[1]->Left(), 150);
    EXPECT_FLOAT_EQ((*face.ScrollBars)[1]->Top(), 90);
    EXPECT_FLOAT_EQ((*face.ScrollBars)[1]->Width(), 100);
    EXPECT_EQ(face.Tables.ScrollBarsInfo[1], "Volume Bar");

    // The player's unload closes every window of the program.
    face.Unload();

    // Kept for a look at both programs.
    if (const char* keep = getenv("VORNE_QUARL_KEEP")) {
        CreateDirectoryA(keep, nullptr);
        for (const char* f : {"back.bmp", "play.bmp", "track.bmp", "thumb.bmp", "saved by quarl.vsk"})
            CopyFileA((dir_ + f).c_str(), (std::string(keep) + "\\" + f).c_str(), FALSE);
    }
}

}  // namespace
}  // namespace vorne::skinner
