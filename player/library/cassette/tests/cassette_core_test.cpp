// The planner's arithmetic: Create Side, Expand List and Migrate List on the
// sides of the worked examples, and the refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/library/cassette/cassette_core.h"

namespace vorne::player::library::cassette {
namespace {

CassettePlanner With(const std::vector<double>& seconds, const std::vector<std::string>& titles = {}) {
    CassettePlanner p;
    for (size_t i = 0; i < seconds.size(); ++i) {
        const std::string t = i < titles.size() ? titles[i] : "song " + std::to_string(i);
        p.AddToTransfer(t, "C:\\Music\\" + t + ".mp3", seconds[i]);
    }
    return p;
}

std::vector<double> Seconds(const TapeList& l) {
    std::vector<double> r;
    for (const TapeSong& s : l) r.push_back(s.seconds);
    return r;
}

TEST(CassettePlan, CreateSideFillsGreedily) {
    struct Case {
        const char* what;
        std::vector<double> songs;
        std::string minutes;
        std::vector<double> side;
        int64_t total;
    };
    const Case cases[] = {
        {"400 taken, 300 skipped, 150 still fits", {400, 300, 150}, "10", {400, 150}, 550},
        {"a list that fills the side exactly is copied whole", {300, 300}, "10", {300, 300}, 600},
        {"a song that ends exactly at the side's end is taken", {500, 200, 100}, "10", {500, 100}, 600},
        {"nothing fits", {700}, "10", {}, 0},
        {"totals round after each song, halves to even", {215.458, 184.6, 0.5}, "30", {215.458, 184.6, 0.5}, 400},
        {"fractions of minutes", {45, 44.6}, "1.5", {45, 44.6}, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CassettePlanner p = With(c.songs);
        ASSERT_EQ(p.CreateSide(c.minutes), CassettePlanner::Outcome::kDone);
        EXPECT_EQ(Seconds(p.Side()), c.side);
        EXPECT_EQ(TotalSeconds(p.Side()), c.total);
        EXPECT_EQ(p.Transfer().size(), c.songs.size()) << "the transfer list stays until Migrate";
    }
}

TEST(CassettePlan, ExpandSpreadsThePauses) {
    struct Case {
        const char* what;
        std::vector<double> songs;
        std::string minutes;
        std::vector<double> side;  // pauses and songs in order
    };
    const Case cases[] = {
        {"30 minutes, three songs of 590 s", {590, 590, 590}, "30", {10, 590, 10, 590, 10, 590}},
        {"10 s spare over three songs: 3, 3, 3 and 1 after the last", {200, 200, 190}, "10",
         {3, 200, 3, 200, 3, 190, 1}},
        {"1 s spare over three songs: nothing", {200, 200, 199}, "10", {200, 200, 199}},
        {"2.5 s a song rounds to 2, 1 left after the last", {300, 295}, "10", {2, 300, 2, 295, 1}},
        {"3.5 s a song rounds to 4, the rest is 3", {297, 296}, "10", {4, 297, 3, 296}},
        {"fractional songs: the total rounds song by song", {297.5, 297.5}, "10", {2, 297.5, 2, 297.5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CassettePlanner p = With(c.songs);
        p.CreateSide(c.minutes);
        ASSERT_EQ(p.ExpandSide(c.minutes), CassettePlanner::Outcome::kDone);
        EXPECT_EQ(Seconds(p.Side()), c.side);
        for (const TapeSong& s : p.Side())
            if (s.id == 0) {
                EXPECT_EQ(s.title, "< PAUSE FOR " + std::to_string(static_cast<int>(s.seconds)) + " second(s) >");
                EXPECT_EQ(PauseSeconds(s.path), s.seconds);
            }
    }
    CassettePlanner p = With({590, 590, 590});
    p.CreateSide("30");
    p.ExpandSide("30");
    EXPECT_EQ(TotalSeconds(p.Side()), 1800);
}

TEST(CassettePlan, RefusalsChangeNothing) {
    using O = CassettePlanner::Outcome;
    for (const char* bad : {"", "  ", "abc", "0", "-5", "10 min", "1e3", "3..5"}) {
        SCOPED_TRACE(bad);
        CassettePlanner p = With({100, 200});
        p.CreateSide("10");
        EXPECT_EQ(p.CreateSide(bad), O::kBadLength);
        EXPECT_EQ(p.ExpandSide(bad), O::kBadLength);
        EXPECT_EQ(Seconds(p.Side()), (std::vector<double>{100, 200}));
        EXPECT_FALSE(CassettePlanner::Message(O::kBadLength).empty());
    }
    CassettePlanner empty = With({100});
    EXPECT_EQ(empty.ExpandSide("10"), O::kEmptySide);
    EXPECT_TRUE(empty.Side().empty());

    CassettePlanner full = With({300, 300});
    full.CreateSide("10");
    EXPECT_EQ(full.ExpandSide("10"), O::kAlreadyFits);
    EXPECT_EQ(CassettePlanner::Message(O::kAlreadyFits),
              "Current List already fits snuggly into the selected time range!  Click Migrate to get ready to record!");
    // Made for 10 minutes, then the tape is said to be 5: its own message.
    EXPECT_EQ(full.ExpandSide("5"), O::kOverFull);
    EXPECT_NE(CassettePlanner::Message(O::kOverFull), CassettePlanner::Message(O::kAlreadyFits));
    EXPECT_EQ(Seconds(full.Side()), (std::vector<double>{300, 300}));

    PlaylistStore list;
    list.Append("kept", "C:\\kept.mp3");
    EXPECT_EQ(empty.Migrate(list), O::kNothingToMigrate);
    EXPECT_EQ(list.Count(), 1);
}

TEST(CassettePlan, MigrateReplacesThePlaylistAndTakesOnlyTheTransferred) {
    // The same title twice: only the copy that went onto the side leaves.
    CassettePlanner p = With({400, 300, 400, 150}, {"Twin", "Long", "Twin", "Short"});
    p.CreateSide("10");  // Twin (400), Short (150)
    p.ExpandSide("10");
    PlaylistStore list;
    list.Append("old", "C:\\old.mp3");
    ASSERT_EQ(p.Migrate(list), CassettePlanner::Outcome::kDone);
    ASSERT_EQ(list.Count(), 4);  // P25 Twin P25 Short (nothing left after)
    EXPECT_TRUE(list.InvariantHolds());
    EXPECT_EQ(list.Title(1), "Twin");
    EXPECT_EQ(list.PathAt(1), "C:\\Music\\Twin.mp3");
    EXPECT_TRUE(IsPauseEntry(list.PathAt(0)));
    EXPECT_EQ(PauseSeconds(list.PathAt(0)), 25);
    for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.ItemData(i), i);
    ASSERT_EQ(p.Transfer().size(), 2u);
    EXPECT_EQ(p.Transfer()[0].title, "Long");
    EXPECT_EQ(p.Transfer()[1].title, "Twin");
    EXPECT_EQ(p.Transfer()[1].seconds, 400);
    EXPECT_TRUE(p.Side().empty());
}

TEST(CassettePlan, AddFromPlaylistKeepsPathsAndSeconds) {
    PlaylistStore list;
    list.Append("a", "C:\\a.mp3");
    list.Append("pause", "%PAUSE%12");
    list.Append("b", "C:\\b.mp3");
    std::vector<bool> sel{true, true, false};
    CassettePlanner p;
    p.AddFromPlaylist(list, sel, [](const std::string&) { return 215.458; });
    p.AddFromPlaylist(list, sel, [](const std::string&) { return 1.0; });  // twice is allowed
    ASSERT_EQ(p.Transfer().size(), 4u);
    EXPECT_EQ(p.Transfer()[0].seconds, 215.458);
    EXPECT_EQ(p.Transfer()[1].seconds, 12);
    EXPECT_EQ(TotalSeconds(p.Transfer()), 240);  // 215, 227, 228, 240
    p.DeleteSelected({false, true, true});
    EXPECT_EQ(Seconds(p.Transfer()), (std::vector<double>{215.458, 12}));
}

}  // namespace
}  // namespace vorne::player::library::cassette
