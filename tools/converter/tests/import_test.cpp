// The import over pictures in memory: every rectangle of every sheet, the
// order in which they cover one another, the fallback sheets, missing and
// short sheets, the sampled colours, and a main sheet that does not load.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tools/converter/tests/test_util.h"
#include "tools/converter/winamp_import.h"

namespace vorne::converter {
namespace {

using testing::CodeOf;
using testing::Coded;
using testing::FakeSheets;

const char* const kMain = "C:\\Skins\\Amp\\Main.bmp";
const std::string kFolder = "C:\\Skins\\Amp\\";

// Sheet ids of the coded pictures.
enum { kMainId = 1, kCbuttons, kShufrep, kPosBar, kTitleBar, kVol, kText, kNumbers };

// Every sheet of a full skin, each large enough for all its rectangles.
FakeSheets FullSkin() {
    FakeSheets s;
    s.Put(kMain, Coded(kMainId, 275, 116));
    s.Put(kFolder + "Cbuttons.bmp", Coded(kCbuttons, 136, 36));
    s.Put(kFolder + "Shufrep.bmp", Coded(kShufrep, 92, 85));
    s.Put(kFolder + "PosBar.bmp", Coded(kPosBar, 307, 10));
    s.Put(kFolder + "TitleBar.bmp", Coded(kTitleBar, 344, 87));
    s.Put(kFolder + "VolBar.bmp", Coded(kVol, 68, 433));
    return s;
}

// The rectangles as the sheets are laid out: sheet, target, destination,
// source, size, in painting order.
struct Expected {
    int sheet;
    Target target;
    int dx, dy, sx, sy, w, h;
};
const Expected kRects[] = {
    {kCbuttons, Target::Up, 16, 88, 0, 0, 23, 18},     {kCbuttons, Target::Up, 39, 88, 23, 0, 23, 18},
    {kCbuttons, Target::Up, 62, 88, 46, 0, 23, 18},    {kCbuttons, Target::Up, 85, 88, 69, 0, 23, 18},
    {kCbuttons, Target::Up, 108, 88, 92, 0, 22, 18},   {kCbuttons, Target::Up, 136, 89, 114, 0, 22, 16},
    {kCbuttons, Target::Dn, 16, 88, 0, 18, 23, 18},    {kCbuttons, Target::Dn, 39, 88, 23, 18, 23, 18},
    {kCbuttons, Target::Dn, 62, 88, 46, 18, 23, 18},   {kCbuttons, Target::Dn, 85, 88, 69, 18, 23, 18},
    {kCbuttons, Target::Dn, 108, 88, 92, 18, 22, 18},  {kCbuttons, Target::Dn, 136, 89, 114, 16, 22, 16},
    {kShufrep, Target::Up, 210, 89, 0, 0, 28, 15},     {kShufrep, Target::Up, 164, 89, 28, 0, 47, 15},
    {kShufrep, Target::Up, 219, 58, 0, 61, 46, 12},    {kShufrep, Target::Dn, 210, 89, 0, 45, 28, 15},
    {kShufrep, Target::Dn, 164, 89, 28, 45, 47, 15},   {kShufrep, Target::Dn, 219, 58, 46, 73, 46, 12},
    {kPosBar, Target::Up, 16, 72, 0, 0, 249, 10},      {kPosBar, Target::PosUp, 0, 0, 249, 0, 28, 10},
    {kPosBar, Target::Dn, 16, 72, 0, 0, 249, 10},      {kPosBar, Target::PosDn, 0, 0, 279, 0, 28, 10},
    {kTitleBar, Target::Up, 0, 0, 27, 0, 276, 14},     {kTitleBar, Target::Up, 10, 22, 312, 0, 8, 43},
    {kTitleBar, Target::Up, 6, 3, 0, 0, 9, 9},         {kTitleBar, Target::Up, 244, 3, 9, 0, 9, 9},
    {kTitleBar, Target::Up, 264, 3, 18, 0, 9, 9},      {kTitleBar, Target::Dn, 0, 0, 27, 15, 276, 14},
    {kTitleBar, Target::Dn, 10, 22, 312, 0, 8, 43},    {kTitleBar, Target::Dn, 6, 3, 0, 9, 9, 9},
    {kTitleBar, Target::Dn, 244, 3, 9, 9, 9, 9},       {kTitleBar, Target::Dn, 264, 3, 18, 9, 9, 9},
    {kVol, Target::Up, 108, 57, 1, 0, 67, 11},         {kVol, Target::VolUp, 0, 0, 15, 422, 14, 11},
    {kVol, Target::Dn, 108, 57, 1, 0, 66, 11},         {kVol, Target::VolDn, 0, 0, 0, 422, 14, 11},
};

TEST(WinampImport, EveryRectangleLandsInPlaceAndLaterOnesCoverEarlierOnes) {
    FakeSheets sheets = FullSkin();
    WinampInterface got;
    ASSERT_TRUE(ImportWinampSkin(kMain, sheets, got).ok);
    // From the last rectangle back: a pixel belongs to the last rectangle
    // that covers it; whatever no rectangle covers is the main sheet's.
    std::set<std::pair<int, std::pair<int, int>>> claimed;
    for (auto it = std::rbegin(kRects); it != std::rend(kRects); ++it) {
        const Expected& r = *it;
        SCOPED_TRACE(::testing::Message() << "sheet " << r.sheet << " to (" << r.dx << ", " << r.dy << ")");
        const Pixels& pic = PictureOf(got, r.target);
        int checked = 0;
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x) {
                const int px = r.dx + x, py = r.dy + y;
                if (!pic.Contains(px, py)) continue;  // the title bar's last column
                if (!claimed.insert({static_cast<int>(r.target), {px, py}}).second) continue;
                ASSERT_EQ(pic.At(px, py), CodeOf(r.sheet, r.sx + x, r.sy + y)) << px << "," << py;
                ++checked;
            }
        EXPECT_GT(checked, 0);
    }
    for (Target t : {Target::Up, Target::Dn}) {
        const Pixels& pic = PictureOf(got, t);
        for (int y = 0; y < pic.Height(); ++y)
            for (int x = 0; x < pic.Width(); ++x)
                if (!claimed.count({static_cast<int>(t), {x, y}})) {
                    ASSERT_EQ(pic.At(x, y), CodeOf(kMainId, x, y));
                }
    }
    // The activated volume bar is one column narrower: x 174 keeps the main sheet.
    EXPECT_EQ(got.dn.At(174, 60), CodeOf(kMainId, 174, 60));
    EXPECT_EQ(got.up.At(174, 60), CodeOf(kVol, 67, 3));
}

TEST(WinampImport, FallbackSheetsOnlyWhenTheFirstChoiceIsNotFound) {
    const Colour kHigh = Rgb(0, 0, 200), kLow = Rgb(0, 0, 100);
    const struct {
        const char* what;
        bool volbar, volume, volbar_broken;
        bool numbers, nums_ex;
        int vol_sheet;          // id painted as volume bar, 0 for none
        Colour number_colour;
    } cases[] = {
        {"Volume.bmp without VolBar.bmp", false, true, false, false, true, kVol + 10, kLow},
        {"both: VolBar.bmp and Numbers.bmp win", true, true, false, true, true, kVol, kHigh},
        {"VolBar.bmp that does not load brings in no fallback", true, true, true, true, false, 0, kHigh},
        {"neither volume nor number sheet", false, false, false, false, false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSheets s = FullSkin();
        if (!c.volbar) {
            s = FakeSheets();
            s.Put(kMain, Coded(kMainId, 275, 116));
        }
        if (c.volbar && c.volbar_broken) s.Broken(kFolder + "VolBar.bmp");
        if (c.volume) s.Put(kFolder + "Volume.bmp", Coded(kVol + 10, 68, 433));
        Pixels numbers(10, 14, kHigh), nums_ex(10, 14, kLow);
        if (c.numbers) s.Put(kFolder + "Numbers.bmp", numbers);
        if (c.nums_ex) s.Put(kFolder + "Nums_Ex.bmp", nums_ex);
        WinampInterface got;
        ASSERT_TRUE(ImportWinampSkin(kMain, s, got).ok);
        EXPECT_EQ(got.up.At(108, 57), c.vol_sheet ? CodeOf(c.vol_sheet, 1, 0) : CodeOf(kMainId, 108, 57));
        EXPECT_EQ(got.volUp.At(0, 0), c.vol_sheet ? CodeOf(c.vol_sheet, 15, 422) : kCleared);
        EXPECT_EQ(got.NumberColour, c.number_colour);
    }
}

TEST(WinampImport, MissingSheetsPaintNothingAndThumbsStartClearedEachTime) {
    FakeSheets first = FullSkin();
    WinampInterface got;
    ASSERT_TRUE(ImportWinampSkin(kMain, first, got).ok);
    ASSERT_NE(got.posUp.At(0, 0), kCleared);

    // A second skin with only its main sheet: nothing of the first survives.
    FakeSheets second;
    second.Put(kMain, Coded(kMainId + 20, 275, 116));
    const ImportResult r = ImportWinampSkin(kMain, second, got);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(got.up, Coded(kMainId + 20, 275, 116));
    EXPECT_EQ(got.dn, Coded(kMainId + 20, 275, 116));
    for (const Pixels* thumb : {&got.posUp, &got.posDn, &got.volUp, &got.volDn})
        EXPECT_EQ(*thumb, Pixels(thumb->Width(), thumb->Height()));
    EXPECT_EQ(got.TextColour, 0);
    EXPECT_EQ(got.TextBackColour, 0);
    EXPECT_EQ(got.NumberColour, 0);
    EXPECT_EQ(r.missing.size(), 7u);
}

TEST(WinampImport, AMainSheetThatDoesNotLoadLeavesThePreviousImport) {
    FakeSheets sheets = FullSkin();
    WinampInterface got;
    ASSERT_TRUE(ImportWinampSkin(kMain, sheets, got).ok);
    const WinampInterface before = got;
    for (bool broken : {false, true}) {
        FakeSheets bad = FullSkin();
        if (broken) bad.Broken("C:\\Other\\Main.bmp");
        EXPECT_FALSE(ImportWinampSkin("C:\\Other\\Main.bmp", bad, got).ok);
        EXPECT_EQ(got.up, before.up);
        EXPECT_EQ(got.posUp, before.posUp);
    }
    // No sheet beside it was even looked for.
    FakeSheets lookups;
    ImportWinampSkin("C:\\Other\\Main.bmp", lookups, got);
    EXPECT_EQ(lookups.Asked().size(), 1u);
}

TEST(WinampImport, ShortSheetsAndMainSheetsOfOtherSizes) {
    FakeSheets s;
    // A small main sheet: the rest of the picture is cleared.
    s.Put(kMain, Coded(kMainId, 100, 50));
    // Cbuttons only 120 wide: the open button's columns 120..135 are past
    // its edge; a volume sheet of 418 rows has no thumbs at row 422.
    s.Put(kFolder + "Cbuttons.bmp", Coded(kCbuttons, 120, 36));
    s.Put(kFolder + "Volume.bmp", Coded(kVol, 68, 418));
    WinampInterface got;
    ASSERT_TRUE(ImportWinampSkin(kMain, s, got).ok);
    EXPECT_EQ(got.up.At(99, 49), CodeOf(kMainId, 99, 49));
    EXPECT_EQ(got.up.At(100, 10), kCleared);
    EXPECT_EQ(got.up.At(200, 110), kCleared);
    EXPECT_EQ(got.up.At(136 + 5, 89), CodeOf(kCbuttons, 119, 0));
    EXPECT_EQ(got.up.At(136 + 6, 89), kCleared);
    EXPECT_EQ(got.dn.At(136 + 21, 104), kCleared);
    EXPECT_EQ(got.volUp, Pixels(14, 11));
    EXPECT_EQ(got.volDn, Pixels(14, 11));
    EXPECT_EQ(got.up.At(108, 57), CodeOf(kVol, 1, 0));

    // A main sheet larger than the window is cut at 275 x 116.
    FakeSheets big;
    big.Put(kMain, Coded(kMainId, 400, 300));
    ASSERT_TRUE(ImportWinampSkin(kMain, big, got).ok);
    EXPECT_EQ(got.up.Width(), 275);
    EXPECT_EQ(got.up.At(274, 115), CodeOf(kMainId, 274, 115));
}

TEST(WinampImport, TextAndNumberColours) {
    struct Px {
        int x, y;
        Colour c;
    };
    const struct {
        const char* what;
        int w, h;  // sheet size
        std::vector<Px> set;
        Colour text, back;
    } cases[] = {
        {"all black", 155, 18, {}, 0, 0},
        {"blue weighs most: a dim blue beats a bright red",
         155, 18, {{1, 1, Rgb(255, 255, 0)}, {5, 6, Rgb(0, 0, 1)}}, Rgb(0, 0, 1), 0},
        {"only the 6 x 7 corner counts", 155, 18,
         {{6, 0, Rgb(0, 0, 255)}, {0, 7, Rgb(0, 0, 255)}, {2, 2, Rgb(9, 0, 0)}},
         Rgb(9, 0, 0), 0},
        {"back colour is the first pixel", 155, 18, {{0, 0, Rgb(0, 90, 0)}}, Rgb(0, 90, 0), Rgb(0, 90, 0)},
        {"a short sheet: pixels outside are passed over", 3, 2, {{2, 1, Rgb(0, 9, 0)}}, Rgb(0, 9, 0), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSheets s;
        s.Put(kMain, Pixels(275, 116));
        Pixels text(c.w, c.h);
        for (const Px& p : c.set) text.Set(p.x, p.y, p.c);
        s.Put(kFolder + "Text.bmp", text);
        // The number sheet: 10 x 14 counts, row 14 and column 10 do not.
        Pixels numbers(108, 15);
        numbers.Set(9, 13, Rgb(0, 0, 7));
        numbers.Set(10, 0, Rgb(0, 0, 99));
        numbers.Set(0, 14, Rgb(0, 0, 99));
        s.Put(kFolder + "Numbers.bmp", numbers);
        WinampInterface got;
        ASSERT_TRUE(ImportWinampSkin(kMain, s, got).ok);
        EXPECT_EQ(got.TextColour, c.text);
        EXPECT_EQ(got.TextBackColour, c.back);
        EXPECT_EQ(got.NumberColour, Rgb(0, 0, 7));
    }
}

}  // namespace
}  // namespace vorne::converter
