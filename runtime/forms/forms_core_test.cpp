#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/forms/app_text.h"
#include "runtime/forms/control.h"
#include "runtime/forms/control_array.h"
#include "runtime/forms/dialogs.h"
#include "runtime/forms/file_dialog.h"
#include "runtime/forms/help.h"
#include "runtime/forms/state_controls.h"

namespace vorne::forms {
namespace {

// ---- z-order and hit test

struct Box : Control {
    explicit Box(std::string n, Rect r) : Control(std::move(n)) { Move(r.left, r.top, r.width, r.height); }
};

TEST(ZOrderTest, LaterControlLiesOnTopAndBringToFrontReorders) {
    Box a("a", {0, 0, 20, 20}), b("b", {10, 10, 20, 20}), c("c", {15, 15, 5, 5});
    ZOrder z;
    z.Add(&a);
    z.Add(&b);
    z.Add(&c);
    z.Add(&a);  // already listed: stays at the bottom
    EXPECT_EQ(z.Size(), 3u);
    EXPECT_EQ(z.HitTest(5, 5), &a);
    EXPECT_EQ(z.HitTest(12, 12), &b);
    EXPECT_EQ(z.HitTest(16, 16), &c);
    z.BringToFront(&a);
    EXPECT_EQ(z.HitTest(16, 16), &a);
    EXPECT_EQ(z.BottomToTop(), (std::vector<Control*>{&b, &c, &a}));
    z.SendToBack(&a);
    EXPECT_EQ(z.BottomToTop(), (std::vector<Control*>{&a, &b, &c}));
}

TEST(ZOrderTest, HitTestSkipsHiddenAndStateControlsAndEdges) {
    Box a("a", {0, 0, 10, 10}), b("b", {0, 0, 10, 10});
    CheckBox hidden_state("chk");
    hidden_state.Move(0, 0, 10, 10);
    ZOrder z;
    z.Add(&a);
    z.Add(&b);
    z.Add(&hidden_state);
    b.SetVisible(false);
    EXPECT_EQ(z.HitTest(0, 0), &a);
    EXPECT_EQ(z.HitTest(9, 9), &a);
    EXPECT_EQ(z.HitTest(10, 5), nullptr);  // right edge is outside
    EXPECT_EQ(z.HitTest(-1, 5), nullptr);
    z.Remove(&a);
    EXPECT_EQ(z.HitTest(5, 5), nullptr);
    EXPECT_FALSE(z.Contains(&a));
}

TEST(ControlTest, NegativeSizesBecomeZero) {
    Box a("a", {3, 4, -5, -1});
    EXPECT_EQ(a.Width(), 0);
    EXPECT_EQ(a.Height(), 0);
    EXPECT_EQ(a.Left(), 3);
}

// ---- hidden state controls

TEST(CheckBoxTest, ClickRunsWhenCodeChangesTheValue) {
    CheckBox chk("chkRandom");
    int clicks = 0;
    chk.OnClick = [&] { ++clicks; };
    chk.SetValue(CheckBox::kChecked);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(chk.Checked());
    chk.SetValue(CheckBox::kChecked);  // no change, no Click
    EXPECT_EQ(clicks, 1);
    chk.SetValue(CheckBox::kUnchecked);
    EXPECT_EQ(clicks, 2);
    EXPECT_THROW(chk.SetValue(3), InvalidPropertyValue);
    EXPECT_THROW(chk.SetValue(-1), InvalidPropertyValue);
    EXPECT_EQ(chk.GetValue(), 0);
    EXPECT_EQ(clicks, 2);
}

TEST(ComboBoxTest, EverySetRunsClickAlsoFromInsideItself) {
    ComboBox cmbo("cmboActions");
    for (const char* s : {"User Defined", "-- Images(4) --", "Next Button"}) cmbo.AddItem(s);
    std::vector<int> seen;
    // A header entry never stays selected: the handler moves on by one.
    cmbo.OnClick = [&] {
        seen.push_back(cmbo.ListIndex());
        if (cmbo.Text().rfind("--", 0) == 0) cmbo.SetListIndex(cmbo.ListIndex() + 1);
    };
    cmbo.SetListIndex(1);
    EXPECT_EQ(cmbo.ListIndex(), 2);
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    cmbo.SetListIndex(2);  // the same entry again still runs Click
    EXPECT_EQ(seen.size(), 3u);
}

TEST(ComboBoxTest, SelectByTextIgnoresCaseAndUnknownTextChangesNothing) {
    ComboBox cmbo("cmboObjects");
    for (const char* s : {"Static Label", "Scrolling Label", "Image", "Scroll Bar"}) cmbo.AddItem(s);
    int clicks = 0;
    cmbo.OnClick = [&] { ++clicks; };
    EXPECT_TRUE(cmbo.SetText("scroll BAR"));
    EXPECT_EQ(cmbo.ListIndex(), 3);
    EXPECT_EQ(cmbo.Text(), "Scroll Bar");
    EXPECT_FALSE(cmbo.SetText("Scroll"));
    EXPECT_EQ(cmbo.ListIndex(), 3);
    EXPECT_EQ(clicks, 1);
}

TEST(ComboBoxTest, ListIndexOutOfRangeFailsAndKeepsSelection) {
    ComboBox cmbo("c");
    cmbo.AddItem("a");
    cmbo.AddItem("b");
    cmbo.SetListIndex(1);
    for (int bad : {-2, 2, 100}) EXPECT_THROW(cmbo.SetListIndex(bad), InvalidPropertyValue) << bad;
    EXPECT_EQ(cmbo.ListIndex(), 1);
    cmbo.SetListIndex(-1);
    EXPECT_EQ(cmbo.Text(), "");
    EXPECT_EQ(cmbo.List(5), "");
    cmbo.Clear();
    EXPECT_EQ(cmbo.ListCount(), 0);
    EXPECT_EQ(cmbo.ListIndex(), -1);
}

TEST(TextBoxTest, ChangeRunsOnlyWhenTextDiffers) {
    TextBox txt("txtCaption");
    int changes = 0;
    txt.OnChange = [&] { ++changes; };
    txt.SetText("");
    EXPECT_EQ(changes, 0);
    txt.SetText("R&B");
    txt.SetText("R&B");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(txt.Text(), "R&B");
}

// ---- control arrays

TEST(ControlArrayTest, LoadNextUnloadAndBounds) {
    int made = 0;
    ControlArray<Box> arr([&](int i) {
        ++made;
        return std::make_unique<Box>("imgPICS", Rect{i, 0, 1, 1});
    });
    EXPECT_EQ(arr.UBound(), -1);
    arr.Load(0);  // the template
    EXPECT_EQ(arr.LoadNext().Left(), 1);
    EXPECT_EQ(arr.LoadNext().Left(), 2);
    EXPECT_EQ(arr.UBound(), 2);
    EXPECT_THROW(arr.Load(2), std::invalid_argument);
    EXPECT_THROW(arr.Load(-1), std::invalid_argument);
    EXPECT_THROW(arr[7], std::out_of_range);
    EXPECT_EQ(arr.Find(7), nullptr);
    EXPECT_TRUE(arr.Unload(2));
    EXPECT_FALSE(arr.Unload(2));
    EXPECT_EQ(arr.LoadNext().Left(), 2);
    arr.UnloadAbove(0);
    EXPECT_EQ(arr.Count(), 1);
    EXPECT_EQ(arr.UBound(), 0);
    EXPECT_EQ(made, 4);
}

// ---- dialog seam

TEST(DialogSeamTest, ScriptedAnswersInOrderAndLogged) {
    ScriptedDialogs script;
    script.QueueMsgBox(vbNo);
    script.QueueInput(std::string("250"));
    script.QueueInput(std::nullopt);
    {
        ScopedDialogs use(script);
        EXPECT_EQ(Dialogs().MsgBox("Save changes?", vbYesNo | vbQuestion, "Vorne"), vbNo);
        EXPECT_EQ(Dialogs().InputBox("Speed", "Vorne", "200"), "250");
        EXPECT_EQ(Dialogs().InputBox("Speed", "Vorne", "200"), "");  // cancelled
        EXPECT_THROW(Dialogs().MsgBox("unplanned", vbOKOnly, ""), UnexpectedDialog);
    }
    ASSERT_EQ(script.Log().size(), 4u);
    EXPECT_EQ(script.Log()[0].style, vbYesNo | vbQuestion);
    EXPECT_EQ(script.Log()[1].default_text, "200");
    EXPECT_EQ(script.Log()[3].prompt, "unplanned");
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_EQ(&Dialogs(), &SystemDialogs());  // restored after the scope
}

// ---- App text rules

TEST(AppTextTest, FolderAndTitleOfPaths) {
    struct Case { const char* path; const char* folder; const char* title; };
    const Case cases[] = {
        {"C:\\Program Files\\Vorne\\Vorne.exe", "C:\\Program Files\\Vorne", "Vorne"},
        {"C:\\Vorne.exe", "C:\\", "Vorne"},
        {"Z:/build/bin/forms_test.exe", "Z:/build/bin", "forms_test"},
        {"Vorne.exe", "", "Vorne"},
        {"C:\\dir.v2\\player", "C:\\dir.v2", "player"},
        {"\\\\server\\share\\a.b.exe", "\\\\server\\share", "a.b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
        EXPECT_EQ(FileTitleOf(c.path), c.title) << c.path;
    }
}

TEST(AppTextTest, CommandTailDropsTheProgramNameOnly) {
    struct Case { const char* line; const char* tail; };
    const Case cases[] = {
        {"\"C:\\Program Files\\Vorne\\Vorne.exe\" C:\\Music\\a b.mp3", "C:\\Music\\a b.mp3"},
        {"Vorne.exe   \"C:\\x.m3u\"  ", "\"C:\\x.m3u\"  "},
        {"Vorne.exe", ""},
        {"\"C:\\Vorne.exe\"", ""},
        {"  Vorne.exe\tlist.vna", "list.vna"},
        {"\"unterminated", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CommandTail(c.line), c.tail) << c.line;
}

TEST(AppTextTest, VersionText) {
    EXPECT_EQ(FormatVersionText(2, 0, 1), "2.0 (build 1)");
    EXPECT_EQ(FormatVersionText(10, 12, 65535), "10.12 (build 65535)");
}

TEST(HelpFileTest, ProgramFolderAndTheHelpFile) {
    EXPECT_EQ(HelpFilePath("C:\\Program Files\\Vorne"), "C:\\Program Files\\Vorne\\Vornes.hlp");
    EXPECT_EQ(HelpFilePath("D:\\"), "D:\\Vornes.hlp");  // a drive's root: no doubled backslash
}

TEST(CommonDialogTest, KeepsTheLastChoiceAndItsSettings) {
    ScriptedFileDialogs files;
    ScopedFileDialogs scope(files);
    CommonDialog cd;
    cd.Filter = "Picture Files|*.bmp;*.jpg;*.gif";
    cd.FileName = "*.bmp;*.jpg;*.gif";
    cd.Flags = cdlOFNOverwritePrompt;
    files.Queue(std::string("C:\\a.bmp"));
    files.Queue(std::nullopt);
    files.Queue(std::string());  // an empty answer counts as cancelled
    EXPECT_TRUE(cd.ShowOpen());
    EXPECT_EQ(cd.FileName, "C:\\a.bmp");
    EXPECT_FALSE(cd.ShowSave());
    EXPECT_FALSE(cd.ShowOpen());
    EXPECT_EQ(cd.FileName, "C:\\a.bmp");
    ASSERT_EQ(files.Log().size(), 3u);
    EXPECT_EQ(files.Log()[0].file_name, "*.bmp;*.jpg;*.gif");
    EXPECT_FALSE(files.Log()[0].save);
    EXPECT_EQ(files.Log()[1].file_name, "C:\\a.bmp");
    EXPECT_TRUE(files.Log()[1].save);
    EXPECT_EQ(files.Log()[1].filter, cd.Filter);
    EXPECT_EQ(files.Log()[1].flags, cdlOFNOverwritePrompt);
    // A box nobody answers is a fault of the test, not a wait for a user.
    EXPECT_THROW(cd.ShowOpen(), UnexpectedDialog);
}

}  // namespace
}  // namespace vorne::forms
