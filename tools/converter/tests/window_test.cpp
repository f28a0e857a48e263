// Drelk's window under Wine: the import and export commands with their
// dialogs, the platform's picture loader against the converter's own BMP
// reader, the author-details file at start and exit, and a look at the
// window with an imported skin.
#include <gtest/gtest.h>

#include <ole2.h>

#include "runtime/basic/basic.h"
#include "runtime/testing/huge_bitmap.h"
#include "runtime/text/ansi.h"
#include "skinner/author/author_details.h"
#include "tools/converter/converter_window.h"
#include "tools/converter/sheet_files.h"
#include "tools/converter/skin_export.h"
#include "tools/converter/tests/win_test_util.h"

namespace vorne::converter {
namespace {

using namespace testing;

// The author-details dialog answered by the test: the details it "types".
class TestConverter : public frmConverter {
public:
    int author_dialogs = 0;
    skinner::author::AuthorEntries typed;

protected:
    void ShowAuthorDetails() override {
        ++author_dialogs;
        skinner::author::AuthorInfo() = typed;
    }
};

class ConverterWindow : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        program_ = NewTempFolder("drelk_program");
        skin_ = NewTempFolder("drelk_skin");
        out_ = NewTempFolder("drelk_out");
        scoped_ = std::make_unique<forms::ScopedDialogs>(boxes_);
        scoped_files_ = std::make_unique<forms::ScopedFileDialogs>(files_);
        skinner::author::AuthorInfo() = {};
        w_.SetProgramFolder(program_);
        w_.Load();
        ASSERT_TRUE(w_.Loaded());
    }
    void TearDown() override {
        w_.Unload();
        scoped_files_.reset();
        scoped_.reset();
        OleUninitialize();
    }

    std::string program_, skin_, out_;
    forms::ScriptedDialogs boxes_;
    std::unique_ptr<forms::ScopedDialogs> scoped_;
    forms::ScriptedFileDialogs files_;
    std::unique_ptr<forms::ScopedFileDialogs> scoped_files_;
    TestConverter w_;
};

TEST_F(ConverterWindow, ImportReadsEverySheetThroughThePlatformsPictureLoader) {
    WriteCodedSkin(skin_);
    files_.Queue(skin_ + "Main.bmp");
    w_.cmdImport_Click();
    ASSERT_EQ(files_.Log().size(), 1u);
    EXPECT_FALSE(files_.Log()[0].save);
    EXPECT_EQ(files_.Log()[0].filter, "Winamp Bitmap Skins|*.bmp");
    EXPECT_EQ(files_.Log()[0].file_name, "Main.bmp");
    EXPECT_EQ(files_.Log()[0].flags, 0x1804);
    EXPECT_TRUE(boxes_.Log().empty());

    // The same as the converter's own reader makes of the files, sheets
    // found whatever their letter case.
    BmpSheetLoader own;
    WinampInterface expected;
    const ImportResult r = ImportWinampSkin(skin_ + "Main.bmp", own, expected);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.missing.empty());
    const WinampInterface& got = w_.Interface();
    EXPECT_EQ(got.up, expected.up);
    EXPECT_EQ(got.dn, expected.dn);
    EXPECT_EQ(got.posDn, expected.posDn);
    EXPECT_EQ(got.volUp, expected.volUp);
    EXPECT_EQ(got.TextColour, Rgb(0, 200, 0));
    EXPECT_EQ(got.TextBackColour, Rgb(10, 20, 0));
    EXPECT_EQ(got.NumberColour, Rgb(0, 0, 150));
    EXPECT_EQ(got.up.At(39, 88), CodeOf(2, 23, 0));
    EXPECT_EQ(got.volUp.At(0, 0), CodeOf(6, 15, 422));

    // The shown picture carries the position thumb at its place.
    const forms::PictureRef shown = w_.picWinampDN().Snapshot();
    ASSERT_TRUE(shown);
    const auto px = PixelsOfBitmap(shown->Handle());
    ASSERT_TRUE(px);
    EXPECT_EQ(px->At(kPosThumbX, kPosThumbY), CodeOf(4, 279, 0));
}

TEST_F(ConverterWindow, AMainSheetThatDoesNotLoadIsReportedAndACancelChangesNothing) {
    WriteCodedSkin(skin_);
    files_.Queue(skin_ + "Main.bmp");
    w_.cmdImport_Click();
    const WinampInterface before = w_.Interface();

    // Not a picture at all.
    { std::ofstream(skin_ + "Broken.bmp") << "not a picture"; }
    files_.Queue(skin_ + "Broken.bmp");
    boxes_.QueueMsgBox(forms::vbOK);
    w_.cmdImport_Click();
    ASSERT_EQ(boxes_.Log().size(), 1u);
    EXPECT_NE(boxes_.Log()[0].prompt.find("Broken.bmp"), std::string::npos);
    EXPECT_EQ(w_.Interface().up, before.up);
    EXPECT_EQ(w_.Interface().posUp, before.posUp);

    files_.Queue(std::nullopt);
    w_.cmdImport_Click();
    EXPECT_EQ(boxes_.Log().size(), 1u);
    EXPECT_EQ(w_.Interface().up, before.up);
}

TEST_F(ConverterWindow, ExportAsksForTheAuthorThenWritesTheSkinAndItsBitmaps) {
    WriteCodedSkin(skin_);
    files_.Queue(skin_ + "Main.bmp");
    w_.cmdImport_Click();

    // A cancelled save dialog: no author dialog, nothing written.
    files_.Queue(std::nullopt);
    w_.cmdExport_Click();
    EXPECT_EQ(w_.author_dialogs, 0);
    EXPECT_TRUE(files_.Log().back().save);
    EXPECT_EQ(files_.Log().back().filter, "Vorne Skins|*.vsk");
    EXPECT_EQ(files_.Log().back().file_name, "*.vsk");
    EXPECT_EQ(files_.Log().back().flags, 0x804);

    w_.typed = {"Ann", "two\r\nlines", "ann@example.org", ""};
    files_.Queue(out_ + "Amp.vsk");
    w_.cmdExport_Click();
    EXPECT_EQ(w_.author_dialogs, 1);
    EXPECT_TRUE(boxes_.Log().empty());
    EXPECT_EQ(vorne::basic::ReadWholeFile(out_ + "Amp.vsk").value_or(""), ConvertedSkinText(w_.typed, w_.Interface()));
    BmpSheetLoader read;
    for (const ExportBitmap& b : ExportBitmaps()) {
        const SheetLoad got = read.Load(out_ + b.file);
        ASSERT_EQ(got.status, SheetLoad::Loaded) << b.file;
        EXPECT_EQ(got.pixels, ComposeBitmap(b, w_.Interface())) << b.file;
    }

    // Again into the same folder: one question, and No keeps the files.
    files_.Queue(out_ + "Amp.vsk");
    boxes_.QueueMsgBox(forms::vbNo);
    w_.typed = {"Someone else", "", "", ""};
    w_.cmdExport_Click();
    EXPECT_EQ(boxes_.Log().size(), 1u);
    EXPECT_NE(vorne::basic::ReadWholeFile(out_ + "Amp.vsk").value_or("").find("Info0=Ann\r\n"), std::string::npos);
}

// A picture of 12000 x 12000 pixels (432 MB) is more than the converter
// takes. Chosen as the main sheet through the File menu, it is refused with
// the message of a main sheet that does not load, and the program goes on;
// as a sprite sheet it is passed over like a sheet that is not there.
TEST_F(ConverterWindow, ASheetTooLargeToHoldIsRefusedLikeOneThatDoesNotLoad) {
    WriteCodedSkin(skin_);
    files_.Queue(skin_ + "Main.bmp");
    w_.cmdImport_Click();
    const WinampInterface before = w_.Interface();
    auto import_through_the_menu = [this](const std::string& main) {
        files_.Queue(main);
        SendMessageA(w_.hWnd(), WM_COMMAND, MAKEWPARAM(w_.cmdImport.Id(), 0), 0);
    };
    {
        vorne::testing::HugeBmpFile huge(skin_ + "Huge.bmp");
        ASSERT_TRUE(huge.Made());
        boxes_.QueueMsgBox(forms::vbOK);
        import_through_the_menu(huge.Path());
        ASSERT_EQ(boxes_.Log().size(), 1u);
        EXPECT_EQ(boxes_.Log()[0].prompt,
                  "The main sheet " + huge.Path() + " could not be loaded. Nothing was imported.");
        EXPECT_EQ(boxes_.Log()[0].style, forms::vbExclamation);
        EXPECT_TRUE(w_.Interface().up == before.up && w_.Interface().dn == before.dn);
    }
    {
        vorne::testing::HugeBmpFile huge(skin_ + "CBUTTONS.BMP");  // in place of the coded sheet
        ASSERT_TRUE(huge.Made());
        import_through_the_menu(skin_ + "Main.bmp");
        EXPECT_EQ(boxes_.Log().size(), 1u);
        // The play button keeps the main sheet's pixel; the other sheets are painted.
        EXPECT_EQ(w_.Interface().up.At(39, 88), CodeOf(1, 39, 88));
        EXPECT_EQ(w_.Interface().up.At(210, 89), before.up.At(210, 89));
        EXPECT_EQ(w_.Interface().posDn, before.posDn);
        EXPECT_EQ(w_.Interface().NumberColour, before.NumberColour);
    }
    EXPECT_TRUE(IsWindow(w_.hWnd()));
    EXPECT_EQ(boxes_.Pending(), 0u);
}

TEST_F(ConverterWindow, AuthorDetailsFileIsMadeAtStartAndWrittenAtExit) {
    const std::string ini = program_ + "VornesUser.ini";
    EXPECT_TRUE(text::FileExists(ini));
    skinner::author::AuthorInfo() = {"Ann", "Desc", "", "http://x/"};
    w_.cmdExit_Click();
    EXPECT_FALSE(w_.Loaded());
    EXPECT_EQ(vorne::basic::ReadWholeFile(ini).value_or(""), "Ann\r\nDesc\r\n\r\nhttp://x/\r\n");
    // The next start reads them back.
    skinner::author::AuthorInfo() = {};
    w_.Load();
    EXPECT_EQ(skinner::author::AuthorInfo()[3], "http://x/");
}

TEST_F(ConverterWindow, ShowsTheImportedSkin) {
    // The Debian skin of audacious-plugins-data when it is there, else the coded one.
    std::string main = "Z:\\usr\\share\\audacious\\Skins\\Debian\\main.bmp";
    if (!text::FileExists(main)) {
        WriteCodedSkin(skin_);
        main = skin_ + "Main.bmp";
    }
    files_.Queue(main);
    w_.cmdImport_Click();
    w_.Show();
    SetForegroundWindow(w_.hWnd());
    Pump(500);
    EXPECT_EQ(w_.Caption(), "Drelk (Winamp to Vorne Skin Converter)");
    EXPECT_EQ(w_.picWinampUP().Width(), 275);
    EXPECT_EQ(w_.picWinampUP().Height(), 116);
    ASSERT_TRUE(GetMenu(w_.hWnd()));
    char file_menu[32] = {};
    GetMenuStringA(GetMenu(w_.hWnd()), 0, file_menu, sizeof file_menu, MF_BYPOSITION);
    EXPECT_STREQ(file_menu, "&File");
    EXPECT_TRUE(CaptureWindow(w_.hWnd(), "converter_window.bmp"));
}

}  // namespace
}  // namespace vorne::converter

namespace vorne::converter {
namespace {

// Every stored form of the reader's seed files: the platform's picture
// loader and the converter's own reader see the same pixels.
TEST(PlatformPictureLoader, AgreesWithTheOwnReaderOnEveryStoredForm) {
    OleInitialize(nullptr);
    const std::string seeds = std::string(VORNE_SOURCE_DIR) + "/runtime/bitmap/fuzz/fuzz_bmp_reader/";
    const char* files[] = {"rgb24.bmp", "top_down32.bmp", "pal8.bmp", "pal4.bmp", "pal1.bmp", "rle8.bmp",
                           "rle8_absolute.bmp", "rle4.bmp", "bitfields565.bmp", "core.bmp"};
    PictureSheetLoader platform;
    BmpSheetLoader own;
    for (const char* f : files) {
        SCOPED_TRACE(f);
        const SheetLoad a = platform.Load(seeds + f), b = own.Load(seeds + f);
        ASSERT_EQ(b.status, SheetLoad::Loaded);
        ASSERT_EQ(a.status, SheetLoad::Loaded);
        EXPECT_EQ(a.pixels, b.pixels);
    }
    OleUninitialize();
}

// Main sheets in GIF and JPEG come in through the same loader.
TEST(PlatformPictureLoader, TakesGifAndJpegMainSheets) {
    OleInitialize(nullptr);
    const std::string fixtures = std::string(VORNE_SOURCE_DIR) + "/tools/converter/tests/fixtures/";
    const struct {
        int x, y;
        int r, g, b;
    } quarters[] = {{10, 10, 200, 40, 40}, {250, 10, 40, 200, 40}, {10, 100, 40, 40, 200}, {250, 100, 230, 230, 230}};
    for (const char* f : {"main.gif", "main.jpg"}) {
        SCOPED_TRACE(f);
        PictureSheetLoader platform;
        WinampInterface got;
        ASSERT_TRUE(ImportWinampSkin(fixtures + f, platform, got).ok);
        const int tolerance = std::string(f) == "main.jpg" ? 12 : 0;
        for (const auto& q : quarters) {
            const Colour c = got.up.At(q.x, q.y);
            EXPECT_NEAR(c & 0xFF, q.r, tolerance);
            EXPECT_NEAR((c >> 8) & 0xFF, q.g, tolerance);
            EXPECT_NEAR((c >> 16) & 0xFF, q.b, tolerance);
        }
    }
    OleUninitialize();
}

}  // namespace
}  // namespace vorne::converter
