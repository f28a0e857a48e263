// The main window's face under Wine: the built-in skin, skin files with every
// kind of element and a transparent colour, the element bound, invalid and
// truncated files, and elements removed from inside their own events.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/main_window_playback.h"
#include "player/app/subclass_client.h"
#include "player/skin_art/canvas.h"
#include "runtime/com/late_bound.h"

namespace vorne::player {
namespace {

using vorne::player::skin_art::Canvas;
using vorne::player::skin_art::Colour;

// A main window whose load only prepares the face, so a test can drive the
// skin procedures one by one.
class FaceWindow : public FrmMain {
protected:
    void Form_Load() override {
        VersionText = "2.0 (build 1)";
        PrepareFace();
    }
};

std::string TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string dir = std::string(base) + "vorne_face_" + std::to_string(GetCurrentProcessId()) + "_" +
                      std::to_string(GetTickCount()) + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream f(path, std::ios::binary);
    f << text;
}

void WriteBmp(const std::string& path, const Canvas& c) {
    auto bytes = c.ToBmp();
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A strip of `cells` cells, each a different grey level, so a cut cell can
// be told apart by its colour.
Canvas Strip(int width, int height, int cells) {
    Canvas c(width, height, Colour{0, 0, 0});
    for (int x = 0; x < width; ++x) {
        const float level = 40.0f + 50.0f * static_cast<float>(x / (width / cells));
        for (int y = 0; y < height; ++y) c.Set(x, y, Colour{level, level, level});
    }
    return c;
}

COLORREF PixelOf(const forms::PictureRef& p, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, p->Handle());
    COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}

bool InWindowRegion(HWND w, int x, int y) {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(w, r);
    const bool in = kind != ERROR && PtInRegion(r, x, y);
    DeleteObject(r);
    return in;
}

int CountActions(const std::array<std::string, vorne::player::skin::kTableSize>& t) {
    int n = 0;
    for (const auto& a : t) n += !a.empty();
    return n;
}
template <class E>
int CountEntries(const std::array<E, vorne::player::skin::kTableSize>& t) {
    int n = 0;
    for (const auto& e : t) n += !e.Action.empty();
    return n;
}

class MainWindowFace : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs_ = std::make_unique<forms::ScopedDialogs>(script_);
        // The face alone: no playlist window comes up with it.
        Options.PlayListVisible = false;
        w_.Load();
        ASSERT_TRUE(w_.Loaded());
        ASSERT_TRUE(w_.SLabels) << "Dunmere.ocx beside the test";
        ASSERT_TRUE(w_.ScrollBars) << "Plovex1.ocx beside the test";
        dir_ = TempFolder();
    }
    void TearDown() override {
        w_.Unload();
        dialogs_.reset();
    }

    // A skin with every kind of element, a magenta background cut away
    // around an opaque inner rectangle.
    std::string WriteFullSkin() {
        Canvas back(200, 100, Colour{255, 0, 255});
        for (int y = 10; y < 90; ++y)
            for (int x = 10; x < 190; ++x) back.Set(x, y, Colour{30, 60, 90});
        WriteBmp(dir_ + "back.bmp", back);
        WriteBmp(dir_ + "play.bmp", Strip(148, 25, 4));
        WriteBmp(dir_ + "close.bmp", Strip(56, 20, 2));
        WriteBmp(dir_ + "rand.bmp", Strip(80, 24, 2));
        WriteBmp(dir_ + "logo.bmp", Strip(30, 30, 1));
        WriteBmp(dir_ + "track.bmp", Strip(100, 7, 1));
        WriteBmp(dir_ + "thumb.bmp", Strip(40, 7, 2));
        const std::string skin =
            "[Vorne Skin]\r\nInfo0=Tester\r\nInfo1=Every kind\r\nInfo2=\r\nInfo3=\r\n\r\n[Interface]\r\n"
            "BackImage=back.bmp\r\nBackTransColour=16711935\r\nBackTransTolerance=0\r\n\r\n"
            "Object=Static Label\r\nName=time\r\nAction=Time Display\r\nImg1=\r\nImg2=\r\nTxt=\r\n"
            "[Extra Object Info]\r\nForeC=65535\r\nCaptionAlign=1\r\nFontName=Arial\r\nFontBold=false\r\n"
            "FontSize=10\r\nFontItalic=False\r\nFontStrikethrough=False\r\nFontUnderline=False\r\nLeft=20\r\n"
            "Top=15\r\n[End of Object]\r\n\r\n"
            "Object=Static Label\r\nName=own\r\nAction=User Defined\r\nImg1=\r\nImg2=\r\nTxt=R&B %%\r\n"
            "[Extra Object Info]\r\nLeft=120\r\nTop=15\r\n[End of Object]\r\n\r\n"
            "Object=Scrolling Label\r\nName=info\r\nAction=Song Info\r\nImg1=\r\nImg2=\r\nTxt=ignored\r\n"
            "[Extra Object Info]\r\nLeft=20\r\nTop=40\r\nWidth=120\r\nHeight=20\r\nForeC=255\r\nBackC=0\r\n"
            "ScrollSpeed=150\r\n[End of Object]\r\n\r\n"
            "Object=Image\r\nName=play\r\nAction=Play Button\r\nImg1=play.bmp\r\nImg2=\r\nTxt=\r\n"
            "[Extra Object Info]\r\nLeft=20\r\nTop=65\r\n[End of Object]\r\n\r\n"
            "Object=Image\r\nName=close\r\nAction=Close\r\nImg1=close.bmp\r\nImg2=\r\nTxt=\r\n"
            "[Extra Object Info]\r\nLeft=170\r\nTop=12\r\n[End of Object]\r\n\r\n"
            "Object=Image\r\nName=rand\r\nAction=Random Button\r\nImg1=rand.bmp\r\nImg2=\r\nTxt=\r\n"
            "[Extra Object Info]\r\nLeft=70\r\nTop=65\r\n[End of Object]\r\n\r\n"
            "Object=Image\r\nName=logo\r\nAction=User Defined\r\nImg1=logo.bmp\r\nImg2=\r\nTxt=\r\n"
            "[Extra Object Info]\r\nLeft=150\r\nTop=50\r\n[End of Object]\r\n\r\n"
            "Object=Scroll Bar\r\nName=vol\r\nAction=Volume Bar\r\nImg1=track.bmp\r\nImg2=thumb.bmp\r\nTxt=\r\n"
            "[Extra Object Info]\r\nLeft=60\r\nTop=30\r\nWidth=100\r\nHeight=7\r\nBarType=0\r\n"
            "[End of Object]\r\n\r\n";
        WriteFile(dir_ + "full.vsk", skin);
        return dir_ + "full.vsk";
    }

    forms::ScriptedDialogs script_;
    std::unique_ptr<forms::ScopedDialogs> dialogs_;
    FaceWindow w_;
    std::string dir_;
};

TEST_F(MainWindowFace, BuiltInSkinFillsTheTablesAndCutsPureWhite) {
    Options.RandomOn = true;
    Options.RepeatOn = false;
    Options.ShowPlayList = true;
    w_.MapDefaults();
    EXPECT_EQ(w_.ScaleWidth(), 317);
    EXPECT_EQ(w_.ScaleHeight(), 119);
    EXPECT_EQ(CountEntries(w_.Tables.imgPICS4imgInfo), 6);
    EXPECT_EQ(CountEntries(w_.Tables.imgPICS2optnInfo), 3);
    EXPECT_EQ(CountEntries(w_.Tables.imgPICS2imgInfo), 3);
    EXPECT_EQ(CountActions(w_.Tables.ScrollBarsInfo), 2);
    EXPECT_EQ(CountEntries(w_.Tables.LabelsInfo), 3);
    EXPECT_EQ(CountActions(w_.Tables.SLabelsInfo), 1);
    EXPECT_TRUE(w_.Tables.imgPICS4imgInfo[0].Action.empty());
    EXPECT_EQ(w_.Tables.imgPICS4imgInfo[6].Action, "Open Button");
    EXPECT_EQ(w_.Tables.SLabelsInfo[1], "Song Info");

    // Every pure white pixel of the background is outside the window, every
    // other one inside.
    const forms::PictureRef& back = w_.GetPicture();
    ASSERT_TRUE(back);
    int white = 0, kept = 0, wrong = 0;
    for (int y = 0; y < back->Height(); ++y)
        for (int x = 0; x < back->Width(); ++x) {
            const bool isWhite = PixelOf(back, x, y) == RGB(255, 255, 255);
            (isWhite ? white : kept)++;
            wrong += InWindowRegion(w_.hWnd(), x, y) == isWhite;
        }
    EXPECT_GT(white, 0);
    EXPECT_GT(kept, 0);
    EXPECT_EQ(wrong, 0);

    // Toggles: cell 1 exactly for the options that are on.
    for (int i = 1; i <= 3; ++i) {
        const auto& e = w_.Tables.imgPICS2optnInfo[i];
        const bool on = e.Action == "Random Button" || e.Action == "Play List Button";
        const forms::PictureRef& shown = w_.imgPICS2optn[i].GetPicture();
        ASSERT_TRUE(shown) << e.Action;
        const int cell = e.Picture->Width() / 2;
        EXPECT_EQ(shown->Width(), cell);
        int same = 0;
        for (int x = 0; x < cell; x += 3)
            same += PixelOf(shown, x, e.Picture->Height() / 2) ==
                    PixelOf(e.Picture, x + (on ? cell : 0), e.Picture->Height() / 2);
        EXPECT_EQ(same, (cell + 2) / 3) << e.Action;
    }

    // The volume bar runs to 65536; the position bar keeps the control's range.
    com::Variant maxVolume, maxPosition;
    com::GetProperty((*w_.ScrollBars)[2]->Control(), 0x68030033, &maxVolume);
    com::GetProperty((*w_.ScrollBars)[1]->Control(), 0x68030033, &maxPosition);
    EXPECT_EQ(maxVolume.AsLong(), 65536);
    EXPECT_NE(maxPosition.AsLong(), 65536);
    EXPECT_EQ(w_.Labels[1].Caption(), "00:00");
    EXPECT_EQ(w_.Labels[1].GetAlignment(), forms::Label::kRight);
}

TEST_F(MainWindowFace, SkinFileWithEveryKindOfElement) {
    ASSERT_TRUE(w_.OpenSkin(WriteFullSkin()));
    EXPECT_EQ(script_.Log().size(), 0u);
    EXPECT_EQ(AuthorInfo[0], "Tester");
    EXPECT_EQ(w_.ScaleWidth(), 200);
    EXPECT_EQ(w_.ScaleHeight(), 100);

    // Labels: an empty Time Display starts at "00:00", which is its template;
    // the caption shows "R&B" as it is.
    EXPECT_EQ(w_.Tables.LabelsInfo[1].Action, "Time Display");
    EXPECT_EQ(w_.Tables.LabelsInfo[1].Template, "00:00");
    EXPECT_EQ(w_.Labels[1].Caption(), "00:00");
    EXPECT_EQ(w_.Labels[1].Left(), 20);
    EXPECT_EQ(w_.Labels[1].Top(), 15);
    EXPECT_EQ(w_.Labels[1].ForeColor(), static_cast<COLORREF>(65535));
    EXPECT_FLOAT_EQ(w_.Labels[1].Font().size, 10.0f);
    EXPECT_EQ(w_.Tables.LabelsInfo[2].Template, "R&B %%");

    // The song scroller starts with the product and version, whatever its text said.
    com::Variant caption;
    com::GetProperty((*w_.SLabels)[1]->Control(), 0x6803004D, &caption);
    EXPECT_EQ(caption.AsText(), L"Vorne  - 2.0 (build 1)");
    EXPECT_FLOAT_EQ((*w_.SLabels)[1]->Left(), 20);
    EXPECT_FLOAT_EQ((*w_.SLabels)[1]->Width(), 120);

    // Buttons show their first cell: 148 / 4 = 37 and 56 / 2 = 28 pixels.
    ASSERT_EQ(w_.imgPICS4img.UBound(), 1);
    EXPECT_EQ(w_.imgPICS4img[1].Width(), 37);
    EXPECT_EQ(w_.imgPICS4img[1].Height(), 25);
    EXPECT_EQ(w_.imgPICS4img[1].Left(), 20);
    EXPECT_EQ(w_.imgPICS2img[1].Width(), 28);
    EXPECT_EQ(w_.Tables.imgPICS2imgInfo[1].Action, "Close");
    EXPECT_EQ(w_.Tables.imgPICS2imgInfo[1].Picture->Width(), 56);  // the whole strip
    EXPECT_EQ(w_.imgPICS[1].Width(), 30);
    EXPECT_EQ(w_.Tables.imgPICS2optnInfo[1].Action, "Random Button");

    com::Variant maxVolume;
    com::GetProperty((*w_.ScrollBars)[1]->Control(), 0x68030033, &maxVolume);
    EXPECT_EQ(maxVolume.AsLong(), 65536);
    EXPECT_EQ(w_.Tables.ScrollBarsInfo[1], "Volume Bar");

    // The region keeps the inner rectangle and cuts the magenta frame.
    EXPECT_FALSE(InWindowRegion(w_.hWnd(), 2, 2));
    EXPECT_FALSE(InWindowRegion(w_.hWnd(), 195, 50));
    EXPECT_TRUE(InWindowRegion(w_.hWnd(), 10, 10));
    EXPECT_TRUE(InWindowRegion(w_.hWnd(), 100, 50));
    EXPECT_EQ(w_.ElementCount(), 8);
    // The designer's fields are hidden after a read.
    EXPECT_FALSE(w_.img1.Visible());
    EXPECT_FALSE(w_.img2.Visible());
    EXPECT_FALSE(w_.txtCaption.Visible());
}

// A transport button disabled by the state shows its disabled cell, and
// its normal cell once a state enables it again.
TEST_F(MainWindowFace, AButtonEnabledAgainShowsItsNormalCell) {
    ASSERT_TRUE(w_.OpenSkin(WriteFullSkin()));
    w_.Playback();
    forms::Image& play = w_.imgPICS4img[1];
    const COLORREF normal = PixelOf(play.GetPicture(), 5, 5);
    w_.SetState(psClosed);
    EXPECT_FALSE(play.Enabled());
    const COLORREF disabled = PixelOf(play.GetPicture(), 5, 5);
    EXPECT_NE(disabled, normal);
    w_.SetState(psClosed);  // repeated: the same cell stays
    EXPECT_EQ(PixelOf(play.GetPicture(), 5, 5), disabled);
    w_.SetState(psPlaying);
    EXPECT_TRUE(play.Enabled());
    EXPECT_EQ(PixelOf(play.GetPicture(), 5, 5), normal);
    w_.SetState(psClosed);
    EXPECT_EQ(PixelOf(play.GetPicture(), 5, 5), disabled);
}

// The ANSI code page's own letters in a folder name: é under 1252, kanji
// under 932.
std::string AnsiFolderName() {
    const wchar_t* names[] = {L"Vorn\u00e9 Caf\u00e9\u2019s", L"\u65e5\u672c\u306e"};
    for (const wchar_t* w : names) {
        BOOL lossy = FALSE;
        char a[64] = {};
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w, -1, a, sizeof a, nullptr, &lossy);
        if (!lossy) return a;
    }
    return "plain";
}

std::string ThisFolder() {
    char buf[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::string p(buf, n);
    return p.substr(0, p.find_last_of('\\') + 1);
}

TEST_F(MainWindowFace, JpegBackgroundGifButtonsInAFolderNamedBeyondAscii) {
    const std::string dir = dir_ + AnsiFolderName() + "\\";
    ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr)) << dir;
    const std::string pics = ThisFolder() + "face_pictures\\";
    ASSERT_TRUE(CopyFileA((pics + "face.jpg").c_str(), (dir + "face.jpg").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((pics + "play.gif").c_str(), (dir + "play.gif").c_str(), FALSE));
    WriteFile(dir + "jpeg.vsk",
              "[Vorne Skin]\r\nInfo0=\r\nInfo1=\r\nInfo2=\r\nInfo3=\r\n[Interface]\r\n"
              "BackImage=face.jpg\r\nBackTransColour=-1\r\nBackTransTolerance=0\r\n"
              "Object=Image\r\nName=play\r\nAction=Play Button\r\nImg1=play.gif\r\nImg2=\r\nTxt=\r\n"
              "[Extra Object Info]\r\nLeft=20\r\nTop=30\r\n[End of Object]\r\n");
    ASSERT_TRUE(w_.OpenSkin(dir + "jpeg.vsk"));
    EXPECT_EQ(w_.ScaleWidth(), 200);
    EXPECT_EQ(w_.ScaleHeight(), 100);
    ASSERT_EQ(w_.imgPICS4img.UBound(), 1);
    EXPECT_EQ(w_.Tables.imgPICS4imgInfo[1].Picture->Width(), 148);
    EXPECT_EQ(w_.imgPICS4img[1].Width(), 37);
    EXPECT_EQ(w_.imgPICS4img[1].Height(), 25);
    // The first cell of the GIF strip, and the JPEG's colour within its loss.
    const COLORREF cell = PixelOf(w_.imgPICS4img[1].GetPicture(), 5, 5);
    EXPECT_EQ(cell, RGB(0x28, 0x28, 0x28));
    const COLORREF back = PixelOf(w_.GetPicture(), 100, 50);
    EXPECT_NEAR(GetRValue(back), 0x1e, 6);
    EXPECT_NEAR(GetBValue(back), 0x5a, 6);

    // A background that does not load leaves the window at its size.
    WriteFile(dir + "missing.vsk",
              "[Vorne Skin]\r\nInfo0=\r\nInfo1=\r\nInfo2=\r\nInfo3=\r\n[Interface]\r\n"
              "BackImage=gone.jpg\r\nBackTransColour=-1\r\nBackTransTolerance=0\r\n");
    ASSERT_TRUE(w_.OpenSkin(dir + "missing.vsk"));
    EXPECT_GT(w_.ScaleWidth(), 0);
    EXPECT_GT(w_.ScaleHeight(), 0);
}

TEST_F(MainWindowFace, OneArrayBindsAtMost99ElementsAndReadingGoesOn) {
    WriteBmp(dir_ + "dot.bmp", Strip(8, 8, 1));
    std::string skin = "[Vorne Skin]\r\n";
    for (int i = 0; i < 120; ++i)
        skin += "Object=Image\r\nName=n\r\nAction=User Defined\r\nImg1=dot.bmp\r\nImg2=\r\nTxt=\r\n"
                "[Extra Object Info]\r\nLeft=" + std::to_string(i) + "\r\nTop=1\r\n[End of Object]\r\n";
    skin += "Object=Static Label\r\nName=t\r\nAction=Time Display\r\nImg1=\r\nImg2=\r\nTxt=\r\n"
            "[Extra Object Info]\r\nLeft=3\r\n[End of Object]\r\n";
    WriteFile(dir_ + "many.vsk", skin);
    ASSERT_TRUE(w_.OpenSkin(dir_ + "many.vsk"));
    EXPECT_EQ(w_.imgPICS.UBound(), 99);
    EXPECT_EQ(CountEntries(w_.Tables.imgPICSInfo), 99);
    // The keyed lines of the refused records did not move element 99.
    EXPECT_EQ(w_.imgPICS[99].Left(), 98);
    // The record after them still made its element.
    EXPECT_EQ(w_.Labels.UBound(), 1);
    EXPECT_EQ(w_.Labels[1].Left(), 3);
}

TEST_F(MainWindowFace, InvalidSkinLeavesTheFaceAndSaysSo) {
    ASSERT_TRUE(w_.OpenSkin(WriteFullSkin()));
    const int before = w_.ElementCount();
    const forms::PictureRef back = w_.GetPicture();
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"blank.vsk", "[Vorne Skin] \r\nObject=Image\r\n"},
        {"lf.vsk", "[Vorne Skin]\nObject=Image\n"},
        {"empty.vsk", ""},
        // A valid start, but far too large to be a skin: refused unread.
        {"huge.vsk", "[Vorne Skin]\r\n" + std::string(5u << 20, '!')},
    };
    for (const Case& c : cases) {
        WriteFile(dir_ + c.name, c.text);
        script_.QueueMsgBox(forms::vbOK);
        EXPECT_FALSE(w_.OpenSkin(dir_ + c.name)) << c.name;
        EXPECT_EQ(w_.ElementCount(), before) << c.name;
        EXPECT_EQ(w_.GetPicture(), back) << c.name;
    }
    ASSERT_EQ(script_.Log().size(), 4u);
    EXPECT_EQ(script_.Log()[0].prompt, "Invalid Skin File");
    // A missing file and an empty path say nothing and change nothing.
    EXPECT_FALSE(w_.OpenSkin(dir_ + "none.vsk"));
    EXPECT_FALSE(w_.OpenSkin(""));
    EXPECT_EQ(script_.Log().size(), 4u);
    EXPECT_EQ(w_.ElementCount(), before);
}

TEST_F(MainWindowFace, TruncatedRecordKeepsItsElementAndTellsOnce) {
    WriteBmp(dir_ + "dot.bmp", Strip(8, 8, 1));
    WriteFile(dir_ + "cut.vsk",
              "[vorne skin]\r\nObject=Image\r\nName=a\r\nAction=User Defined\r\nImg1=dot.bmp\r\nImg2=\r\nTxt=\r\n"
              "[Extra Object Info]\r\nLeft=5\r\n[End of Object]\r\n"
              "Object=Image\r\nName=b\r\nAction=-- Images(2) --\r\nImg1=dot.bmp\r\nImg2=\r\nTxt=\r\nLeft=7\r\n");
    script_.QueueMsgBox(forms::vbOK);
    ASSERT_TRUE(w_.OpenSkin(dir_ + "cut.vsk"));
    ASSERT_EQ(script_.Log().size(), 1u);
    EXPECT_EQ(script_.Log()[0].prompt, "Unexpected End of File.");
    EXPECT_EQ(w_.imgPICS.UBound(), 1);
    // The header "-- Images(2) --" became "Close".
    EXPECT_EQ(w_.Tables.imgPICS2imgInfo[1].Action, "Close");
    EXPECT_EQ(w_.imgPICS2img[1].Left(), 7);
    EXPECT_TRUE(w_.Visible());
}

TEST_F(MainWindowFace, ElementsRemovedInTheirOwnEventLiveUntilItReturns) {
    w_.MapDefaults();
    forms::Image* button = &w_.imgPICS4img[2];
    // A hosted component too: the song scroller, and its window.
    ASSERT_GE(w_.SLabels->UBound(), 1);
    activex::ControlSite* scroller = (*w_.SLabels)[1];
    HWND scrollerWindow = nullptr;
    {
        com::Ptr<IOleWindow> ow;
        ASSERT_TRUE(SUCCEEDED(scroller->Control()->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(ow.Out()))));
        ow->GetWindow(&scrollerWindow);
    }
    ASSERT_TRUE(IsWindow(scrollerWindow));
    bool stillWhole = false, scrollerOpen = false;
    w_.RunElementEvent([&] {
        w_.MapDefaults();  // the "Default Skin" command from a button's own handler
        // The old elements are out of their arrays and hidden, but still whole.
        stillWhole = !button->Visible() && button->Index() == 2;
        scrollerOpen = IsWindow(scrollerWindow) && !IsWindowVisible(scrollerWindow) && (*w_.SLabels)[1] != scroller;
        w_.RunElementEvent([&] { w_.CleanAll(); });
    });
    EXPECT_TRUE(stillWhole);
    EXPECT_TRUE(scrollerOpen);
    EXPECT_FALSE(IsWindow(scrollerWindow)) << "closed once the event returned";
    EXPECT_EQ(w_.imgPICS4img.UBound(), 0);
    EXPECT_EQ(w_.ElementCount(), 0);
}

// A handler that throws never unwinds into the subclassing library.
TEST(SubclassClientGuard, ThrowingHandlerAnswersZero) {
    SubclassClient* client = SubclassClient::Create([](HWND, UINT, WPARAM, LPARAM) -> LONG {
        throw std::runtime_error("hand-over failed");
    });
    LONG_PTR result = 7;
    EXPECT_EQ(client->WindowProc(0, WM_COPYDATA, 0, 0, &result), S_OK);
    EXPECT_EQ(result, 0);
    client->Release();
}

}  // namespace
}  // namespace vorne::player
