#include "skinner/core/skin_editor.h"

#include <gtest/gtest.h>

#include "runtime/basic/basic.h"
#include "runtime/forms/dialogs.h"
#include "runtime/text/ansi.h"

namespace vorne::skinner::core {
namespace {

struct FakePicture : EditorPicture {
    FakePicture(std::string n, int w, int h) : name(std::move(n)), w(w), h(h) {}
    int Width() const override { return w; }
    int Height() const override { return h; }
    std::string name;
    int w, h;
};

// Pictures by name (a full path is looked up by its bare name).
class FakePictures : public PictureService {
public:
    void Add(const std::string& name, int w, int h) { known[vorne::basic::UCase(name)] = {w, h}; }
    EditorPictureRef Load(const std::string& path) override {
        std::string name = path.find('\\') == std::string::npos ? path : ChopPath(path);
        auto it = known.find(vorne::basic::UCase(name));
        if (it == known.end()) return nullptr;
        return std::make_shared<FakePicture>(name, it->second.first, it->second.second);
    }
    EditorPictureRef FirstCell(const EditorPictureRef& strip, int cells) override {
        if (!strip) return nullptr;
        auto* f = static_cast<const FakePicture*>(strip.get());
        return std::make_shared<FakePicture>(f->name + "#0", f->w / cells, f->h);
    }
    std::map<std::string, std::pair<int, int>> known;
};

class Recorder : public PreviewSink {
public:
    void ElementLoaded(const PreviewElement& e) override { log.push_back("load " + Id(e.kind, e.index)); }
    void ElementUnloaded(SkinKind k, int i) override { log.push_back("unload " + Id(k, i)); }
    static std::string Id(SkinKind k, int i) { return std::to_string(static_cast<int>(k)) + ":" + std::to_string(i); }
    std::vector<std::string> log;
};

std::string PictureName(const EditorPictureRef& p) {
    return p ? static_cast<const FakePicture*>(p.get())->name : std::string("<none>");
}

class SkinEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        pictures.Add("back.bmp", 320, 240);
        pictures.Add("play.bmp", 120, 30);
        pictures.Add("close.bmp", 60, 30);
        pictures.Add("track.bmp", 100, 10);
        pictures.Add("thumb.bmp", 20, 10);
        pictures.Add("tall.bmp", 10, 100);
        ed.SetPreview(&rec);
        author::AuthorInfo() = {};
    }
    void TearDown() override { EXPECT_EQ(dialogs.Pending(), 0u); }

    void Make(int kind, const std::string& action, const std::string& name = "newObject") {
        ed.cmboObjects.SetListIndex(kind);
        if (!action.empty()) {
            ASSERT_TRUE(ed.cmboActions.SetText(action)) << action;
        }
        ed.txtName.SetText(name);
        ed.cmdNew_Click();
    }
    const PreviewElement& Last(SkinKind k) { return *ed.Element(k, ed.LastIndex(k)); }
    std::vector<std::string> Actions() {
        std::vector<std::string> out;
        for (int i = 0; i < ed.cmboActions.ListCount(); ++i) out.push_back(ed.cmboActions.List(i));
        return out;
    }

    forms::ScriptedDialogs dialogs;
    forms::ScopedDialogs scoped{dialogs};
    FakePictures pictures;
    Recorder rec;
    SkinEditor ed{pictures};
};

TEST(SkinEditorHelpers, ChopPathCaptionAndSamples) {
    EXPECT_EQ(ChopPath("C:\\Skins\\play.bmp"), "play.bmp");
    EXPECT_EQ(ChopPath("play.bmp"), "");
    EXPECT_EQ(ChopPath("C:\\Skins\\"), "");
    const std::string p40 = "C:\\" + std::string(33, 'a') + ".vsk";
    ASSERT_EQ(p40.size(), 40u);
    EXPECT_EQ(CaptionForPath(p40), "Quarl - " + p40);
    const std::string p41 = "C:\\b" + std::string(33, 'a') + ".vsk";
    EXPECT_EQ(CaptionForPath(p41), "Quarl - C:\\.." + p41.substr(1));
    EXPECT_EQ(CaptionForPath(p41).size(), 53u);
    EXPECT_EQ(MakeTextString("%1%NL%TT"), "Artist\r\n11:11");
    EXPECT_EQ(MakeTextString("%%1 %7 %nl %"), "%1 %7 %nl %");
    EXPECT_EQ(MakeTextString(""), "");
}

TEST_F(SkinEditorTest, EditorScrollBarListHasNoUserDefined) {
    ed.cmboObjects.SetListIndex(3);
    EXPECT_EQ(Actions(), (std::vector<std::string>{"Balance Bar", "Position Bar", "Volume Bar"}));
    EXPECT_TRUE(ed.img1.Visible() && ed.img2.Visible() && !ed.txtCaption.Visible());
    ed.txtCaption.SetText("typed");
    ed.cmboObjects.SetListIndex(2);
    EXPECT_TRUE(ed.img1.Visible() && !ed.img2.Visible() && !ed.txtCaption.Visible());
    EXPECT_EQ(ed.txtCaption.Text(), "typed");
    ed.cmboObjects.SetListIndex(1);
    EXPECT_EQ(Actions(), (std::vector<std::string>{"User Defined", "Song Info"}));
}

TEST_F(SkinEditorTest, NewLabelsTakeTheirFirstCaption) {
    Make(0, "Time Display");
    EXPECT_EQ(Last(SkinKind::StaticLabel).caption, "00:00");
    EXPECT_EQ(ed.txtCaption.Text(), "00:00");
    EXPECT_EQ(ed.Rows().back().caption, "");
    ed.txtCaption.SetText("");
    Make(0, "User Defined");
    EXPECT_EQ(Last(SkinKind::StaticLabel).caption, "0");
    EXPECT_EQ(ed.Rows().back().caption, "0");
    ed.txtCaption.SetText("%1 - %2");
    Make(0, "User Defined");
    EXPECT_EQ(Last(SkinKind::StaticLabel).caption, "Artist - Title");
    EXPECT_EQ(ed.Rows().back().caption, "%1 - %2");
    Make(1, "Song Info");
    EXPECT_EQ(Last(SkinKind::ScrollingLabel).caption, "Vorne Scrolling Song Display");
    const ObjectRow& r = ed.Rows().back();
    EXPECT_EQ(r.kind, "Scrolling Label");
    EXPECT_EQ(r.ref, "1");
    EXPECT_TRUE(ed.SkinChanged);
}

TEST_F(SkinEditorTest, ImagesShowTheFirstCellOrABorder) {
    struct Case {
        const char* action;
        const char* picture;
        std::string shown;
        int width;
        int border;
    } cases[] = {
        {"Play Button", "play.bmp", "play.bmp#0", 30, 0},
        {"Close", "close.bmp", "close.bmp#0", 30, 0},
        {"User Defined", "play.bmp", "play.bmp", 120, 0},
        {"Play Button", "", "<none>", 32, 1},
        {"Play Button", "missing.bmp", "<none>", 32, 1},  // named but not loadable
    };
    for (const Case& c : cases) {
        ed.cmboObjects.SetListIndex(2);
        ed.cmboActions.SetText(c.action);
        ed.cmdRemove1_Click();
        if (*c.picture) {
            if (!ed.ChooseImage1(std::string("C:\\art\\") + c.picture)) ed.Image1File = c.picture;
        }
        ed.cmdNew_Click();
        const PreviewElement& e = Last(SkinKind::Image);
        EXPECT_EQ(PictureName(e.picture), c.shown) << c.action << c.picture;
        EXPECT_EQ(e.width, c.width * 15.0f) << c.action << c.picture;
        EXPECT_EQ(e.borderStyle, c.border) << c.action << c.picture;
        EXPECT_EQ(e.left, 0);
    }
    // The group header passes on to the first button.
    ed.cmboActions.SetListIndex(1);
    EXPECT_EQ(ed.cmboActions.Text(), "Next Button");
}

TEST_F(SkinEditorTest, ScrollBarTakesItsPicturesAndShape) {
    ed.cmboObjects.SetListIndex(3);
    ASSERT_TRUE(ed.ChooseImage1("C:\\art\\track.bmp"));
    ASSERT_TRUE(ed.ChooseImage2("C:\\art\\thumb.bmp"));
    ed.cmdNew_Click();
    EXPECT_EQ(Last(SkinKind::ScrollBar).barType, 0);
    EXPECT_EQ(PictureName(Last(SkinKind::ScrollBar).buttonPicture), "thumb.bmp");
    EXPECT_EQ(ed.Rows().back().action, "Balance Bar");
    ASSERT_TRUE(ed.ChooseImage1("C:\\art\\tall.bmp"));
    ed.cmdNew_Click();
    EXPECT_EQ(Last(SkinKind::ScrollBar).barType, 1);
    EXPECT_EQ(ed.Rows().back().img1, "tall.bmp");
}

TEST_F(SkinEditorTest, IndicesGrowPastDeletedOnesUntilCleanAll) {
    for (int i = 0; i < 3; ++i) Make(2, "User Defined");
    ed.SelectOnly(1);
    ed.cmdDel_Click();
    ASSERT_EQ(ed.Rows().size(), 2u);
    EXPECT_EQ(ed.Rows()[0].ref, "1");
    EXPECT_EQ(ed.Rows()[1].ref, "3");
    Make(2, "User Defined");
    EXPECT_EQ(ed.Rows().back().ref, "4");
    EXPECT_EQ(ed.Element(SkinKind::Image, 2), nullptr);
    ed.CleanAll();
    EXPECT_FALSE(ed.SkinChanged);
    EXPECT_TRUE(ed.Rows().empty());
    EXPECT_TRUE(ed.Elements(SkinKind::Image).empty());
    Make(2, "User Defined");
    EXPECT_EQ(ed.Rows().back().ref, "1");
}

TEST_F(SkinEditorTest, DeleteRemovesEverySelectedRowAndItsElement) {
    Make(0, "User Defined");
    Make(2, "User Defined");
    Make(3, "Volume Bar");
    Make(1, "Song Info");
    ed.SkinChanged = false;
    ed.cmdDel_Click();  // none selected
    EXPECT_EQ(ed.Rows().size(), 4u);
    EXPECT_TRUE(ed.SkinChanged);
    for (int r : {0, 1, 3}) ed.SetSelected(r, true);
    rec.log.clear();
    ed.cmdDel_Click();
    ASSERT_EQ(ed.Rows().size(), 1u);
    EXPECT_EQ(ed.Rows()[0].kind, "Scroll Bar");
    EXPECT_EQ(rec.log, (std::vector<std::string>{"unload 0:1", "unload 2:1", "unload 1:1"}));
}

TEST_F(SkinEditorTest, CounterStopsAtTheArrayBoundWithoutAnOrphanRow) {
    ed.cmboObjects.SetListIndex(0);
    for (int i = 0; i < kMaxArrayIndex; ++i) ed.cmdNew_Click();
    ASSERT_EQ(ed.Rows().size(), static_cast<size_t>(kMaxArrayIndex));
    dialogs.QueueMsgBox(forms::vbOK);
    ed.cmdNew_Click();
    EXPECT_EQ(ed.Rows().size(), static_cast<size_t>(kMaxArrayIndex));
    EXPECT_EQ(dialogs.Log().size(), 1u);
}

TEST_F(SkinEditorTest, EditModeGetInfoAndApply) {
    ASSERT_TRUE(ed.ChooseImage1("C:\\art\\play.bmp"));
    Make(2, "Play Button", "play");
    ed.cmdRemove1_Click();
    Make(2, "Stop Button", "stop");
    Make(3, "Volume Bar", "vol");
    // GetInfo fills the fields from the selected row.
    ed.SelectOnly(0);
    ed.GetInfo();
    EXPECT_EQ(ed.txtName.Text(), "play");
    EXPECT_EQ(ed.cmboActions.Text(), "Play Button");
    EXPECT_EQ(PictureName(ed.Image1()), "play.bmp");
    // A row whose picture cannot be loaded empties the box.
    ed.SelectOnly(1);
    ed.GetInfo();
    EXPECT_EQ(PictureName(ed.Image1()), "<none>");

    ed.cmdEdit_Click();
    EXPECT_TRUE(ed.EditMode());
    EXPECT_FALSE(ed.LV.Enabled() || ed.cmdNew.Enabled() || ed.cmdDel.Enabled() || ed.cmboObjects.Enabled());
    ed.SelectOnly(0);
    ed.GetInfo();  // nothing in edit mode
    EXPECT_EQ(ed.txtName.Text(), "stop");
    for (int r : {0, 1, 2}) ed.SetSelected(r, true);
    ed.txtName.SetText("both");
    ASSERT_TRUE(ed.ChooseImage1("C:\\art\\close.bmp"));
    ed.cmboActions.SetText("Close");
    ed.cmdSave_Click();
    EXPECT_FALSE(ed.EditMode());
    EXPECT_EQ(ed.Rows()[0].name, "both");
    EXPECT_EQ(ed.Rows()[1].name, "both");
    EXPECT_EQ(ed.Rows()[2].name, "vol");  // another kind
    EXPECT_EQ(PictureName(ed.Element(SkinKind::Image, 2)->picture), "close.bmp#0");
    EXPECT_EQ(ed.Element(SkinKind::Image, 2)->borderStyle, 0);

    // Cancel keeps the typed name in the field, the row keeps its own.
    ed.SelectOnly(2);
    ed.GetInfo();
    ed.cmdEdit_Click();
    ed.txtName.SetText("typed");
    ed.cmdCancel_Click();
    EXPECT_EQ(ed.txtName.Text(), "typed");
    EXPECT_EQ(ed.Rows()[2].name, "vol");
}

TEST_F(SkinEditorTest, ApplyingToAFrequencyDisplayEmptiesItsCaption) {
    Make(0, "Frequency Display");
    EXPECT_EQ(Last(SkinKind::StaticLabel).caption, "0");
    ed.SelectOnly(0);
    ed.cmdEdit_Click();
    ed.cmdSave_Click();
    EXPECT_EQ(Last(SkinKind::StaticLabel).caption, "");
}

TEST_F(SkinEditorTest, ScrollSpeedKeepsTheOldValueForBadText) {
    PreviewElement e;
    e.scrollSpeed = 200;
    for (const char* bad : {"fast", "-1", "65536", ""}) EXPECT_FALSE(ed.SetScrollSpeed(e, bad)) << bad;
    EXPECT_EQ(e.scrollSpeed, 200);
    EXPECT_TRUE(ed.SetScrollSpeed(e, "65535"));
    EXPECT_EQ(e.scrollSpeed, 65535);
}

TEST(SkinEditorHelpers, TypeInTextKeepsTheLeadingNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"25", "25"}, {"12.", "12"}, {"12px", "12"}, {"abc", "0"}, {"", "0"}, {"10.5", "10.5"}, {"-3", "-3"}};
    for (const auto& [typed, shown] : cases) {
        EXPECT_EQ(TypeInText(typed), shown) << typed;
        EXPECT_EQ(TypeInText(TypeInText(typed)), shown) << "settles after one pass: " << typed;
    }
}

TEST_F(SkinEditorTest, TypeInTargetsTheElementWithTheKindsRights) {
    Make(0, "Time Display");
    Make(3, "Volume Bar");
    ed.SkinChanged = false;
    ASSERT_TRUE(ed.SetEditTarget(SkinKind::StaticLabel, 1));
    EXPECT_TRUE(ed.EditPos);
    EXPECT_FALSE(ed.EditSize);
    EXPECT_FALSE(ed.SkinChanged);
    EXPECT_TRUE(ed.TypeIn(kBoxLeft, 25));
    EXPECT_FLOAT_EQ(Last(SkinKind::StaticLabel).left, 25 * ed.Scale().x);
    EXPECT_TRUE(ed.SkinChanged);
    ASSERT_TRUE(ed.SetEditTarget(SkinKind::ScrollBar, 1));
    EXPECT_TRUE(ed.EditSize);
    EXPECT_TRUE(ed.TypeIn(kBoxHeight, 9));
    EXPECT_FLOAT_EQ(Last(SkinKind::ScrollBar).height, 9 * ed.Scale().y);
    EXPECT_FLOAT_EQ(Last(SkinKind::ScrollBar).width, 1500);
    EXPECT_FALSE(ed.SetEditTarget(SkinKind::Other, 1));
    EXPECT_EQ(ed.EditKind, SkinKind::ScrollBar);
    // A target deleted meanwhile is passed over.
    ed.SelectOnly(1);
    ed.cmdDel_Click();
    EXPECT_FALSE(ed.TypeIn(kBoxLeft, 3));
}

TEST_F(SkinEditorTest, BackgroundSizesThePreview) {
    ed.SkinChanged = false;
    ASSERT_TRUE(ed.ChooseBackground("C:\\art\\back.bmp"));
    EXPECT_EQ(ed.txtBackPath.Text(), "back.bmp");
    EXPECT_EQ(ed.PreviewWidth(), 4800);
    EXPECT_EQ(ed.PreviewHeight(), 3600);
    EXPECT_TRUE(ed.SkinChanged);
    EXPECT_FALSE(ed.ChooseBackground("C:\\art\\nothing.bmp"));
    EXPECT_EQ(ed.txtBackPath.Text(), "back.bmp");
}

TEST_F(SkinEditorTest, UnsavedQuestion) {
    EXPECT_TRUE(ed.QueryDiscard(nullptr));  // nothing changed: no question
    ed.SkinChanged = true;
    struct {
        int answer;
        bool saved;
        bool goOn;
    } cases[] = {{forms::vbCancel, true, false}, {forms::vbNo, false, true}, {forms::vbYes, true, true},
                 {forms::vbYes, false, false}};
    for (const auto& c : cases) {
        dialogs.QueueMsgBox(c.answer);
        int saves = 0;
        EXPECT_EQ(ed.QueryDiscard([&] { ++saves; return c.saved; }), c.goOn);
        EXPECT_EQ(saves, c.answer == forms::vbYes ? 1 : 0);
    }
    EXPECT_EQ(dialogs.Log().back().prompt,
              "Current Skin has changes that have not been saved.  Do you wish to save now?");
    EXPECT_EQ(dialogs.Log().back().style, forms::vbYesNoCancel);
}

// --- open and save through files -------------------------------------------------------------

class SkinEditorFiles : public SkinEditorTest {
protected:
    void SetUp() override {
        SkinEditorTest::SetUp();
        // One file per test: the tests may run side by side.
        path = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
               text::WideToAnsi(L" caf\u00e9 \u2019.vsk");
        text::RemoveFile(path);
    }
    void TearDown() override {
        text::RemoveFile(path);
        SkinEditorTest::TearDown();
    }
    void Write(const std::string& data) { ASSERT_TRUE(vorne::basic::WriteFileAtomic(path, data)); }
    std::string Read() { return vorne::basic::ReadWholeFile(path).value_or("<missing>"); }
    std::string path;
};

TEST_F(SkinEditorFiles, OpenBuildsObjectsThroughCreation) {
    Write("[vorne skin]\r\nInfo0=Zed\r\ninfo2=zed@example.org\r\n[Interface]\r\nbackimage=back.bmp\r\n"
          "BackTransColour=255\r\nBackTransTolerance=7\r\n\r\n"
          "Object=Static Label\r\nName=time\r\nAction=Time Display\r\nImg1=\r\nImg2=\r\nTxt=\r\n[Extra Object Info]\r\n"
          "ForeC=65280\r\nCaptionAlign=2\r\nFontSize=10\r\nFontBold=TRUE\r\nLeft=10\r\nTop=4.5\r\nScrollSpeed=9\r\n[END OF OBJECT]\r\n"
          "Object=Scroll Bar\r\nName=bal\r\nAction=User Defined\r\nImg1=track.bmp\r\nImg2=thumb.bmp\r\nTxt=\r\n"
          "Height=20\r\nBarType=7\r\n[End of Object]\r\n"
          "Object=Gauge\r\nName=g\r\nAction=x\r\nImg1=\r\nImg2=\r\nTxt=\r\nLeft=3\r\n[End of Object]\r\n"
          "Object=static label\r\nName=lower\r\nAction=User Defined\r\nImg1=\r\nImg2=\r\nTxt=hi\r\nLeft=3\r\n[End of Object]\r\n"
          "Object=Scrolling Label\r\nName=s\r\nAction=Song Info\r\nImg1=\r\nImg2=\r\nTxt=\r\nScrollSpeed=fast\r\nScrollSpeed=70000\r\n[End of Object]\r\n");
    author::AuthorInfo() = {"a", "b", "c", "d"};
    ed.SkinChanged = true;
    ASSERT_TRUE(ed.OpenSkin(path));
    EXPECT_FALSE(ed.SkinChanged);
    EXPECT_EQ(ed.CurrentSkinPath(), path);
    EXPECT_EQ(ed.Caption(), CaptionForPath(path));
    EXPECT_EQ(author::AuthorInfo(), (author::AuthorEntries{"Zed", "b", "zed@example.org", "d"}));
    EXPECT_EQ(ed.txtBackPath.Text(), "back.bmp");
    EXPECT_EQ(ed.PreviewWidth(), 4800);
    EXPECT_TRUE(ed.chkTrans.Checked());
    EXPECT_EQ(ed.transColour, 255);
    EXPECT_EQ(ed.tolerance, 7);
    // The unknown kind is passed over; the lower-case kind makes no element.
    ASSERT_EQ(ed.Rows().size(), 3u);
    const PreviewElement& t = *ed.Element(SkinKind::StaticLabel, 1);
    EXPECT_EQ(t.left, 150);
    EXPECT_EQ(t.top, 67.5f);
    EXPECT_EQ(t.foreColor, 65280);
    EXPECT_EQ(t.captionAlign, 2);
    EXPECT_TRUE(t.font.bold);
    EXPECT_EQ(t.font.size, 10);
    EXPECT_EQ(t.caption, "00:00");
    // An action the editor's list does not hold is kept as written.
    EXPECT_EQ(ed.Rows()[1].action, "User Defined");
    const PreviewElement& b = *ed.Element(SkinKind::ScrollBar, 1);
    EXPECT_EQ(b.height, 300);
    EXPECT_EQ(b.barType, 7);
    EXPECT_EQ(PictureName(b.picture), "track.bmp");
    EXPECT_EQ(ed.Element(SkinKind::ScrollingLabel, 1)->scrollSpeed, 200);
    EXPECT_EQ(ed.Rows()[2].kind, "Scrolling Label");
}

TEST_F(SkinEditorFiles, APictureThatDoesNotLoadNeverShowsThePreviousOne) {
    Write("[Vorne Skin]\r\n"
          "Object=Image\r\nName=a\r\nAction=Play Button\r\nImg1=play.bmp\r\nImg2=\r\nTxt=\r\n[End of Object]\r\n"
          "Object=Image\r\nName=b\r\nAction=Play Button\r\nImg1=gone.bmp\r\nImg2=\r\nTxt=\r\n[End of Object]\r\n");
    ASSERT_TRUE(ed.OpenSkin(path));
    EXPECT_EQ(PictureName(ed.Element(SkinKind::Image, 1)->picture), "play.bmp#0");
    const PreviewElement& b = *ed.Element(SkinKind::Image, 2);
    EXPECT_EQ(PictureName(b.picture), "<none>");
    EXPECT_EQ(b.borderStyle, 1);
    // The name stays, so a save writes it back.
    EXPECT_EQ(ed.Rows()[1].img1, "gone.bmp");
    EXPECT_EQ(PictureName(ed.Image1()), "<none>");
}

TEST_F(SkinEditorFiles, OpenRefusesANonSkinAndLeavesTheSkinEmpty) {
    Write("[Vorne Skin]\r\nInfo0=Zed\r\nbackimage=back.bmp\r\n");
    ASSERT_TRUE(ed.OpenSkin(path));
    const std::string caption = ed.Caption();
    for (const char* bad : {"[Vorne Skin] \r\n", "", "hello\r\nInfo0=Other\r\n"}) {
        SCOPED_TRACE(bad);
        Make(0, "User Defined");
        ed.SkinChanged = true;
        author::AuthorInfo()[0] = "kept";
        Write(bad);
        dialogs.QueueMsgBox(forms::vbOK);
        EXPECT_FALSE(ed.OpenSkin(path));
        EXPECT_EQ(dialogs.Log().back().prompt, "Invalid Skin File");
        EXPECT_TRUE(ed.Rows().empty());
        EXPECT_FALSE(ed.Element(SkinKind::StaticLabel, 1));
        EXPECT_FALSE(ed.Background());
        EXPECT_EQ(ed.txtBackPath.Text(), "");
        EXPECT_FALSE(ed.SkinChanged);
        EXPECT_EQ(ed.Caption(), caption);
        EXPECT_EQ(ed.CurrentSkinPath(), path);
        EXPECT_EQ(author::AuthorInfo()[0], "kept");
    }
}

TEST_F(SkinEditorFiles, EndOfFileInsideARecordKeepsWhatWasRead) {
    Write("[Vorne Skin]\r\nObject=Image\r\nName=p\r\nAction=Play Button\r\nImg1=play.bmp\r\nImg2=\r\nTxt=\r\n"
          "[Extra Object Info]\r\nLeft=2\r\n");
    dialogs.QueueMsgBox(forms::vbOK);
    ASSERT_TRUE(ed.OpenSkin(path));
    EXPECT_EQ(dialogs.Log().back().prompt, "Unexpected End of File.");
    ASSERT_EQ(ed.Rows().size(), 1u);
    EXPECT_EQ(ed.Element(SkinKind::Image, 1)->left, 30);
    EXPECT_FALSE(ed.SkinChanged);
}

TEST_F(SkinEditorFiles, SaveWritesTheEditorsFileAndClearsChanged) {
    author::AuthorInfo() = {"Ann", "Blue", "", ""};
    int dialogsShown = 0;
    ed.ShowAuthorDialog = [&] { ++dialogsShown; author::AuthorInfo()[1] = "Blue\r\nskin"; };
    ed.txtCaption.SetText("%1");
    Make(0, "User Defined", "title");
    PreviewElement e = Last(SkinKind::StaticLabel);
    e.left = 151;  // twips: a fraction of a pixel
    e.top = 150;
    ed.ElementEdited(e);
    ASSERT_TRUE(ed.SaveSkin(path));
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_FALSE(ed.SkinChanged);
    EXPECT_EQ(Read(),
              "[Vorne Skin]\r\nInfo0=Ann\r\nInfo1=Blue skin\r\nInfo2=\r\nInfo3=\r\n\r\n[Interface]\r\nBackImage=\r\n"
              "BackTransColour=-1\r\nBackTransTolerance=-1\r\n\r\n"
              "Object=Static Label\r\nName=title\r\nAction=User Defined\r\nImg1=\r\nImg2=\r\nTxt=%1\r\n"
              "[Extra Object Info]\r\nForeC=0\r\nCaptionAlign=0\r\nFontName=MS Sans Serif\r\nFontBold=False\r\n"
              "FontSize=8.25\r\nFontItalic=False\r\nFontStrikethrough=False\r\nFontUnderline=False\r\n"
              "Left=10.06667\r\nTop=10\r\n[End of Object]\r\n\r\n");
    EXPECT_EQ(ed.Caption(), "Quarl");  // a new file leaves the caption
    // Nothing to save under an empty name or the filter itself.
    EXPECT_FALSE(ed.SaveSkin(""));
    EXPECT_FALSE(ed.SaveSkin("C:\\x\\*.vsk"));
}

TEST_F(SkinEditorFiles, ReplacingTakesTheOldAuthorLinesFirst) {
    author::AuthorInfo() = {"mine", "mine", "mine", "mine"};
    author::AuthorEntries offered;
    ed.ShowAuthorDialog = [&] { offered = author::AuthorInfo(); };
    Write("[Vorne Skin]\r\ninfo0=Old\r\nInfo3=http://old\r\nInfo3=http://newer\r\n");
    ASSERT_TRUE(ed.SaveSkin(path));
    EXPECT_EQ(offered, (author::AuthorEntries{"Old", "mine", "mine", "http://newer"}));
    EXPECT_EQ(ed.Caption(), CaptionForPath(path));
    // An empty file to replace has no author lines and is replaced all the same.
    Write("");
    ASSERT_TRUE(ed.SaveSkin(path));
    EXPECT_EQ(offered, (author::AuthorEntries{"Old", "mine", "mine", "http://newer"}));
    EXPECT_EQ(Read().substr(0, 14), "[Vorne Skin]\r\n");
}

TEST_F(SkinEditorFiles, AFailedSaveIsShownAndKeepsTheSkinChanged) {
    Make(0, "User Defined");
    dialogs.QueueMsgBox(forms::vbOK);
    EXPECT_FALSE(ed.SaveSkin("no such folder/x.vsk"));
    EXPECT_TRUE(ed.SkinChanged);
    EXPECT_EQ(dialogs.Log().size(), 1u);
}

TEST_F(SkinEditorFiles, PicturesFromAnotherFolderAreNamedAtSave) {
    ASSERT_TRUE(ed.ChooseBackground("C:\\elsewhere\\back.bmp"));
    ed.cmboObjects.SetListIndex(2);
    ASSERT_TRUE(ed.ChooseImage1("C:\\elsewhere\\play.bmp"));
    ed.cmdNew_Click();
    dialogs.QueueMsgBox(forms::vbOK);
    ASSERT_TRUE(ed.SaveSkin(path));
    const std::string& prompt = dialogs.Log().back().prompt;
    EXPECT_NE(prompt.find("back.bmp"), std::string::npos);
    EXPECT_NE(prompt.find("play.bmp"), std::string::npos);
}

TEST_F(SkinEditorFiles, SavedSkinOpensToTheSameRowsAndElements) {
    ed.txtCaption.SetText("Now: %2");
    Make(1, "User Defined", "scroller");
    PreviewElement s = Last(SkinKind::ScrollingLabel);
    s.left = 300, s.top = 45, s.width = 1800, s.height = 240;
    s.textAlign = 2, s.vAlign = 1, s.scrollDir = 2, s.scrollSpeed = 120;
    s.font = {"Courier New", 9.75f, true, true, false, true};
    ed.ElementEdited(s);
    ASSERT_TRUE(ed.ChooseImage1("C:\\art\\track.bmp"));
    Make(3, "Position Bar", "pos");
    dialogs.QueueMsgBox(forms::vbOK);  // track.bmp is not beside the skin
    ASSERT_TRUE(ed.SaveSkin(path));
    const vorne::player::skin::SkinDocument saved = ed.Document();
    const std::vector<ObjectRow> rows = ed.Rows();

    SkinEditor other(pictures);
    ASSERT_TRUE(other.OpenSkin(path));
    ASSERT_EQ(other.Rows().size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(other.Rows()[i].name, rows[i].name);
        EXPECT_EQ(other.Rows()[i].action, rows[i].action);
        EXPECT_EQ(other.Rows()[i].caption, rows[i].caption);
    }
    EXPECT_EQ(other.Document(), saved);
}

}  // namespace
}  // namespace vorne::skinner::core
