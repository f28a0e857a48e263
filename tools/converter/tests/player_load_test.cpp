// Converted skins opened by the player's own main window: a coded skin and
// the real "Debian" Winamp skin of the audacious-plugins-data package
// (skipped when the package is not installed), with a look at the player
// wearing it.
#include <gtest/gtest.h>

#include <ole2.h>

#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "runtime/text/ansi.h"
#include "tools/converter/skin_export.h"
#include "tools/converter/tests/win_test_util.h"

namespace vorne::converter {
namespace {

using namespace testing;

// A main window whose load only prepares the face.
class FaceWindow : public player::FrmMain {
protected:
    void Form_Load() override { PrepareFace(); }
};

template <class E>
int Bound(const std::array<E, vorne::player::skin::kTableSize>& t) {
    int n = 0;
    for (const auto& e : t) n += !e.Action.empty();
    return n;
}
int Bound(const std::array<std::string, vorne::player::skin::kTableSize>& t) {
    int n = 0;
    for (const auto& a : t) n += !a.empty();
    return n;
}

class ConvertedSkinInPlayer : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        scoped_ = std::make_unique<forms::ScopedDialogs>(boxes_);
        player::Options.PlayListVisible = false;
        w_.Load();
        ASSERT_TRUE(w_.SLabels) << "Dunmere.ocx beside the test";
        ASSERT_TRUE(w_.ScrollBars) << "Plovex1.ocx beside the test";
        out_ = NewTempFolder("drelk_player");
    }
    void TearDown() override {
        w_.Unload();
        scoped_.reset();
        OleUninitialize();
    }

    // Imports the Winamp skin at main through the platform's loader, exports
    // it and opens the result in the player.
    WinampInterface ConvertAndOpen(const std::string& main) {
        PictureSheetLoader loader;
        WinampInterface from;
        EXPECT_TRUE(ImportWinampSkin(main, loader, from).ok);
        EXPECT_EQ(ExportConvertedSkin(out_ + "Converted.vsk", from, {"Drelk test", "", "", ""}, boxes_),
                  ExportResult::Written);
        EXPECT_TRUE(w_.OpenSkin(out_ + "Converted.vsk"));
        return from;
    }

    void ExpectTheFace(const WinampInterface& from) {
        EXPECT_EQ(w_.ScaleWidth(), 275);
        EXPECT_EQ(w_.ScaleHeight(), 116);
        EXPECT_EQ(w_.ElementCount(), 18);
        EXPECT_EQ(Bound(w_.Tables.imgPICS4imgInfo), 6);
        EXPECT_EQ(Bound(w_.Tables.imgPICS2optnInfo), 3);
        EXPECT_EQ(Bound(w_.Tables.imgPICS2imgInfo), 3);
        EXPECT_EQ(Bound(w_.Tables.ScrollBarsInfo), 2);
        EXPECT_EQ(Bound(w_.Tables.LabelsInfo), 3);
        EXPECT_EQ(Bound(w_.Tables.SLabelsInfo), 1);
        // The background is intBack.bmp, the whole normal picture.
        const forms::PictureRef& back = w_.GetPicture();
        ASSERT_TRUE(back);
        const auto px = PixelsOfBitmap(back->Handle());
        ASSERT_TRUE(px);
        EXPECT_EQ(*px, from.up);
        EXPECT_TRUE(boxes_.Log().empty());
    }

    forms::ScriptedDialogs boxes_;
    std::unique_ptr<forms::ScopedDialogs> scoped_;
    FaceWindow w_;
    std::string out_;
};

TEST_F(ConvertedSkinInPlayer, CodedSkinGivesEveryElement) {
    const std::string skin = NewTempFolder("drelk_coded");
    WriteCodedSkin(skin);
    ExpectTheFace(ConvertAndOpen(skin + "Main.bmp"));
}

TEST_F(ConvertedSkinInPlayer, RealDebianWinampSkin) {
    const std::string main = "Z:\\usr\\share\\audacious\\Skins\\Debian\\main.bmp";
    if (!text::FileExists(main))
        GTEST_SKIP() << "the package audacious-plugins-data is not installed (" << main << " missing)";
    const WinampInterface from = ConvertAndOpen(main);
    ExpectTheFace(from);
    w_.Show();
    SetForegroundWindow(w_.hWnd());
    Pump(800);
    EXPECT_TRUE(CaptureWindow(w_.hWnd(), "player_debian_skin.bmp"));
}

}  // namespace
}  // namespace vorne::converter
