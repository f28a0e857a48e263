// The export: the skin file against a golden copy and the player's own
// reader, the 17 bitmaps with their names, sizes and cells, and the files
// on disk with the replace question and a file that cannot be written.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "player/skin/skin_file.h"
#include "runtime/basic/basic.h"
#include "runtime/text/ansi.h"
#include "tools/converter/tests/test_util.h"
#include "tools/converter/bmp.h"
#include "tools/converter/sheet_files.h"
#include "tools/converter/skin_export.h"

#ifdef _WIN32
#include <direct.h>
#define vorne_mkdir(p) _mkdir(p)
#else
#include <sys/stat.h>
#define vorne_mkdir(p) mkdir(p, 0755)
#endif

namespace vorne::converter {
namespace {

using testing::CodeOf;
using testing::Coded;

std::string ReadAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(ConvertedSkinText, MatchesTheGoldenFileByteForByte) {
    WinampInterface from;
    from.TextColour = Rgb(0, 255, 0);
    from.TextBackColour = 0x111111;
    from.NumberColour = Rgb(0, 0, 255);
    const AuthorEntries author = {"Ann Author", "First line\r\nsecond line", "ann@example.org", "http://example.org/"};
    const std::string golden = ReadAll(std::string(VORNE_SOURCE_DIR) + "/tools/converter/tests/golden/converted.vsk");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(ConvertedSkinText(author, from), golden);
}

TEST(ConvertedSkinText, ReadsBackThroughThePlayersReader) {
    // Before any import every colour line carries 0.
    struct Reader : vorne::player::skin::SkinReadHandler {
        std::vector<vorne::player::skin::ObjectHead> heads;
        std::vector<std::string> info = std::vector<std::string>(4);
        std::string back;
        int colour_lines = 0, zero_colours = 0;
        void Info(int n, const std::string& v) override { info[static_cast<size_t>(n)] = v; }
        void BackImage(const std::string& v) override { back = v; }
        void BeginObject(const vorne::player::skin::ObjectHead& h) override { heads.push_back(h); }
        void KeyedLine(const vorne::player::skin::ObjectHead& h, const std::string& line) override {
            for (const auto& s : vorne::player::skin::MatchKeyedLine(vorne::player::skin::KindFromText(h.kind), line))
                if (s.property == vorne::player::skin::SkinProperty::ForeColor || s.property == vorne::player::skin::SkinProperty::BackColor) {
                    ++colour_lines;
                    zero_colours += s.value == "0";
                }
        }
    } r;
    const std::string text = ConvertedSkinText({"a\nb", "", "", "c\r\rd"}, WinampInterface{});
    ASSERT_EQ(vorne::player::skin::ReadSkin(vorne::player::skin::SplitSkinLines(text), r), vorne::player::skin::ReadResult::Complete);
    EXPECT_EQ(r.info[0], "a b");
    EXPECT_EQ(r.info[3], "c d");
    EXPECT_EQ(r.back, "intBack.bmp");
    ASSERT_EQ(r.heads.size(), 18u);
    EXPECT_EQ(r.colour_lines, 5);
    EXPECT_EQ(r.zero_colours, 5);
    // Every picture a record names is one of the saved bitmaps, letter case aside.
    for (const auto& h : r.heads)
        for (const std::string& img : {h.img1, h.img2}) {
            if (img.empty()) continue;
            bool found = false;
            for (const ExportBitmap& b : ExportBitmaps()) found |= vorne::basic::UCase(b.file) == vorne::basic::UCase(img);
            EXPECT_TRUE(found) << img;
        }
}

// The bitmaps as the skin's pictures are laid out: file, size, cells, source.
TEST(ExportBitmaps, NamesSizesAndCells) {
    const struct {
        const char* file;
        int w, h;
        const char* cells;  // one letter a cell: N normal, A activated, P/p pos thumb, V/v vol thumb
        int sx, sy, cw, ch;
    } expected[] = {
        {"intBack.bmp", 275, 116, "N", 0, 0, 275, 116},  {"btnPrev.bmp", 92, 18, "NNAN", 16, 88, 23, 18},
        {"btnPlay.bmp", 92, 18, "NNAN", 39, 88, 23, 18}, {"btnPaus.bmp", 92, 18, "NNAN", 62, 88, 23, 18},
        {"btnStop.bmp", 92, 18, "NNAN", 85, 88, 23, 18}, {"btnNext.bmp", 92, 18, "NNAN", 108, 88, 23, 18},
        {"btnOpen.bmp", 88, 16, "NNAN", 136, 89, 22, 16}, {"btnLoop.bmp", 56, 15, "NA", 210, 89, 28, 15},
        {"btnRand.bmp", 94, 15, "NA", 164, 89, 47, 15},  {"btnPLst.bmp", 46, 12, "NA", 242, 58, 23, 12},
        {"bposBar.bmp", 249, 10, "N", 16, 72, 249, 10},  {"bposBtn.bmp", 56, 10, "Pp", 0, 0, 28, 10},
        {"bVolBar.bmp", 67, 11, "N", 108, 57, 67, 11},   {"bVolBtn.bmp", 28, 11, "Vv", 0, 0, 14, 11},
        {"bSysBtn.bmp", 18, 9, "NA", 6, 3, 9, 9},        {"bHideBtn.bmp", 18, 9, "NA", 244, 3, 9, 9},
        {"bCloseBtn.bmp", 18, 9, "NA", 264, 3, 9, 9},
    };
    WinampInterface from;
    from.up = Coded(1, 275, 116);
    from.dn = Coded(2, 275, 116);
    from.posUp = Coded(3, 28, 10);
    from.posDn = Coded(4, 28, 10);
    from.volUp = Coded(5, 14, 11);
    from.volDn = Coded(6, 14, 11);
    const auto& bitmaps = ExportBitmaps();
    ASSERT_EQ(bitmaps.size(), 17u);
    for (size_t i = 0; i < bitmaps.size(); ++i) {
        const auto& e = expected[i];
        SCOPED_TRACE(e.file);
        EXPECT_STREQ(bitmaps[i].file, e.file);
        const Pixels p = ComposeBitmap(bitmaps[i], from);
        ASSERT_EQ(p.Width(), e.w);
        ASSERT_EQ(p.Height(), e.h);
        for (int cell = 0; e.cells[cell]; ++cell) {
            const char k = e.cells[cell];
            const int id = k == 'N' ? 1 : k == 'A' ? 2 : k == 'P' ? 3 : k == 'p' ? 4 : k == 'V' ? 5 : 6;
            for (int y = 0; y < e.ch; ++y)
                for (int x = 0; x < e.cw; ++x)
                    ASSERT_EQ(p.At(cell * e.cw + x, y), CodeOf(id, e.sx + x, e.sy + y)) << "cell " << cell;
        }
    }
}

// The tests run in a folder of their own; names without a folder put the
// skin and its bitmaps there.
class ExportFiles : public ::testing::Test {
protected:
    void SetUp() override {
        char here[4096];
        ASSERT_NE(getcwd(here, sizeof here), nullptr);
        before_ = here;
        // A new folder each run: process ids come back under Wine.
        dir_ = before_ + "/converter_export_" + std::to_string(getpid()) + "_" +
               std::to_string(std::chrono::system_clock::now().time_since_epoch().count()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ASSERT_EQ(vorne_mkdir(dir_.c_str()), 0);
        ASSERT_EQ(chdir(dir_.c_str()), 0);
    }
    void TearDown() override {
        for (const std::string& f : ExportTargets("skin.vsk")) text::RemoveFile(f);
        text::RemoveFile("Amp Caf\xe9");
        rmdir("btnStop.bmp");
        ASSERT_EQ(chdir(before_.c_str()), 0);
        rmdir(dir_.c_str());
    }

    WinampInterface Sample() {
        WinampInterface from;
        from.up = Coded(1, 275, 116);
        from.dn = Coded(2, 275, 116);
        from.TextColour = 77;
        return from;
    }
    std::string before_, dir_;
    forms::ScriptedDialogs dialogs_;
};

TEST_F(ExportFiles, WritesTheSkinAndItsBitmapsNamedWithoutAFolder) {
    const WinampInterface from = Sample();
    // A name typed without an extension is used as it stands.
    ASSERT_EQ(ExportConvertedSkin("Amp Caf\xe9", from, {"me", "", "", ""}, dialogs_), ExportResult::Written);
    EXPECT_TRUE(dialogs_.Log().empty());
    EXPECT_EQ(ReadAll("Amp Caf\xe9"), ConvertedSkinText({"me", "", "", ""}, from));
    BmpSheetLoader loader;
    for (const ExportBitmap& b : ExportBitmaps()) {
        SCOPED_TRACE(b.file);
        // Found under the letter case the skin file uses too.
        const SheetLoad got = loader.Load(vorne::basic::LCase(b.file));
        ASSERT_EQ(got.status, SheetLoad::Loaded);
        EXPECT_EQ(got.pixels, ComposeBitmap(b, from));
    }
}

TEST_F(ExportFiles, AsksOnceBeforeReplacingAndNoWritesNothing) {
    const WinampInterface from = Sample();
    { std::ofstream("btnPlay.bmp") << "old"; }
    { std::ofstream("skin.vsk") << "old skin"; }
    dialogs_.QueueMsgBox(forms::vbNo);
    EXPECT_EQ(ExportConvertedSkin("skin.vsk", from, {}, dialogs_), ExportResult::Declined);
    ASSERT_EQ(dialogs_.Log().size(), 1u);
    EXPECT_NE(dialogs_.Log()[0].prompt.find("btnPlay.bmp"), std::string::npos);
    EXPECT_NE(dialogs_.Log()[0].prompt.find("skin.vsk"), std::string::npos);
    EXPECT_EQ(dialogs_.Log()[0].style, forms::vbYesNo | forms::vbQuestion);
    EXPECT_EQ(ReadAll("skin.vsk"), "old skin");
    EXPECT_FALSE(text::FileExists("intBack.bmp"));

    dialogs_.QueueMsgBox(forms::vbYes);
    EXPECT_EQ(ExportConvertedSkin("skin.vsk", from, {}, dialogs_), ExportResult::Written);
    EXPECT_EQ(dialogs_.Log().size(), 2u);
    EXPECT_EQ(ReadAll("skin.vsk"), ConvertedSkinText({}, from));
    EXPECT_EQ(ReadAll("btnPlay.bmp").size(), 54u + 92 * 3 * 18);
}

TEST_F(ExportFiles, AFileThatCannotBeWrittenIsReportedAndEndsTheExport) {
    // btnStop.bmp is a folder: the bitmaps before it are written, none after.
    vorne_mkdir("btnStop.bmp");
    dialogs_.QueueMsgBox(forms::vbYes);
    dialogs_.QueueMsgBox(forms::vbOK);
    EXPECT_EQ(ExportConvertedSkin("skin.vsk", Sample(), {}, dialogs_), ExportResult::Failed);
    ASSERT_EQ(dialogs_.Log().size(), 2u);
    EXPECT_EQ(dialogs_.Log()[1].prompt, WriteFailedMessage("btnStop.bmp"));
    EXPECT_EQ(dialogs_.Log()[1].style, forms::vbCritical);
    EXPECT_TRUE(text::FileExists("skin.vsk"));
    EXPECT_TRUE(text::FileExists("btnPaus.bmp"));
    EXPECT_FALSE(text::FileExists("btnNext.bmp"));
}

}  // namespace
}  // namespace vorne::converter
