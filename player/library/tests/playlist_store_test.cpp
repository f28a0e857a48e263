#include "player/library/playlist_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "test_util.h"

using namespace vorne::player::library;
using namespace vorne::player::library::testing;

namespace {

PlaylistStore Make(std::initializer_list<const char*> titles) {
    PlaylistStore s;
    for (const char* t : titles) s.Append(t, std::string("C:\\") + t + ".mp3");
    return s;
}

}  // namespace

TEST(IsValidFileType, MatchesWholeExtensionsOnly) {
    struct Case {
        const char* ext;
        bool valid;
    } cases[] = {
        {"", false},     {".MP3", true},   {"mp3", true},   {".mp3", true},   {".m3u", false},
        {"g.au", false}, {".au", true},    {".qt", true},   {".ra", true},    {".rm", true},
        {".wm", true},   {".mp3x", false}, {".mp", false},  {"p3", false},    {".", false},
        {".rmm", true},  {".MIDI", true},  {".asf;", false}, {"*.mp3", false}, {".wav", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidFileType(c.ext), c.valid) << c.ext;
}

TEST(IsValidFileType, OfTheRealExtension) {
    EXPECT_EQ(FileExtension("C:\\Music\\song.au"), ".au");
    EXPECT_EQ(FileExtension("C:\\Mu.sic\\song"), "");
    EXPECT_EQ(FileExtension("song.MP3"), ".MP3");
    EXPECT_TRUE(IsValidFileType(FileExtension("C:\\Music\\song.au")));
    EXPECT_FALSE(IsValidFileType(FileExtension("C:\\Music\\song.mp3x")));
    EXPECT_FALSE(IsValidFileType(FileExtension("C:\\v1.0\\readme")));
}

TEST(ChopFileOff, FolderPartUpToLastBackslash) {
    EXPECT_EQ(ChopFileOff("C:\\Music\\a.mp3"), "C:\\Music\\");
    EXPECT_EQ(ChopFileOff("a.mp3"), "");
    EXPECT_EQ(ChopFileOff("C:\\"), "C:\\");
    EXPECT_EQ(ChopFileOff("\\\\srv\\share\\x"), "\\\\srv\\share\\");
    EXPECT_EQ(ChopFileOff(""), "");
}

TEST(FixFileName, ResolvesOnlyRelativeEntries) {
    const std::string list = "D:\\Lists\\party.m3u";
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"Rock\\a.mp3", "D:\\Lists\\Rock\\a.mp3"},
        {"C:\\a.mp3", "C:\\a.mp3"},
        {"\\\\server\\share\\a.mp3", "\\\\server\\share\\a.mp3"},
        {"\\Music\\a.mp3", "D:\\Music\\a.mp3"},
        {"http://host/stream.mp3", "http://host/stream.mp3"},
        {"mms://host/x", "mms://host/x"},
        {"%PAUSE%12", "%PAUSE%12"},
        {"a.mp3", "D:\\Lists\\a.mp3"},
        {"x://", "x://"},
        {"://nothing", "D:\\Lists\\://nothing"},
    };
    for (const auto& c : cases) EXPECT_EQ(FixFileName(c.in, list), c.out) << c.in;
    // On a share, a rooted entry lies on the list's share.
    EXPECT_EQ(FixFileName("\\dir\\a.mp3", "\\\\srv\\music\\lists\\l.m3u"), "\\\\srv\\music\\dir\\a.mp3");
    EXPECT_EQ(FixFileName("b.mp3", "\\\\srv\\music\\lists\\l.m3u"), "\\\\srv\\music\\lists\\b.mp3");
    // A list without a folder leaves relative entries as they are.
    EXPECT_EQ(FixFileName("a.mp3", "list.m3u"), "a.mp3");
}

TEST(PauseEntries, SecondsFromTheEntry) {
    EXPECT_TRUE(IsPauseEntry("%PAUSE%5"));
    EXPECT_FALSE(IsPauseEntry("%pause%5"));
    EXPECT_FALSE(IsPauseEntry("C:\\%PAUSE%5"));
    EXPECT_EQ(MakePauseEntry(30), "%PAUSE%30");
    EXPECT_EQ(PauseSeconds("%PAUSE%30"), 30);
    EXPECT_EQ(PauseSeconds("%PAUSE%  7 seconds"), 7);
    EXPECT_EQ(PauseSeconds("%PAUSE%"), 0);
    EXPECT_EQ(PauseSeconds("%PAUSE%x"), 0);
    EXPECT_EQ(PauseSeconds("%PAUSE%1 2"), 1);
    EXPECT_EQ(PauseSecondsText("%PAUSE% 7"), " 7");
}

TEST(PlaylistStore, AddFileToListBuildsTitleWithoutPathFallback) {
    PlaylistStore s;
    std::vector<std::pair<std::string, bool>> calls;
    TitleBuilder build = [&](const std::string& p, bool pathAsTitle) {
        calls.emplace_back(p, pathAsTitle);
        return "[" + p + "]";
    };
    ASSERT_TRUE(s.AddFileToList("C:\\a.mp3", build));
    ASSERT_TRUE(s.AddFileToList("C:\\b.mp3", build));
    EXPECT_EQ(Titles(s), (std::vector<std::string>{"[C:\\a.mp3]", "[C:\\b.mp3]"}));
    EXPECT_EQ(s.ItemData(1), 1);
    EXPECT_EQ(calls[0].second, false);
    s.RefreshTitles([](const std::string& p, bool pathAsTitle) { return pathAsTitle ? p : std::string("?"); });
    EXPECT_EQ(Titles(s), Paths(s));
}

TEST(PlaylistStore, CapAt32767Entries) {
    PlaylistStore s;
    for (int i = 0; i < kMaxEntries; ++i) ASSERT_TRUE(s.Append("t", "p"));
    EXPECT_TRUE(s.Full());
    EXPECT_FALSE(s.Append("t", "p"));
    EXPECT_FALSE(s.AddFileToList("p", nullptr));
    EXPECT_EQ(s.Count(), kMaxEntries);
}

TEST(PlaylistStore, DeleteRenumbersItemData) {
    PlaylistStore s = Make({"a", "b", "c", "d", "e"});
    s.Sort(false);  // e d c b a, item data 0..4 again
    std::vector<bool> sel{false, false, false, false, false};
    std::vector<bool> up{false, true, false, true, false};
    s.MoveSelectedUp(up);  // d e b c a
    ASSERT_EQ(Titles(s), (std::vector<std::string>{"d", "e", "b", "c", "a"}));
    sel = {true, false, true, false, false};  // delete d and b
    s.DeleteSelected(sel);
    EXPECT_EQ(Titles(s), (std::vector<std::string>{"e", "c", "a"}));
    EXPECT_EQ(Paths(s), (std::vector<std::string>{"C:\\e.mp3", "C:\\c.mp3", "C:\\a.mp3"}));
    EXPECT_TRUE(s.InvariantHolds());
    s.DeleteSelected({true, true, true});
    EXPECT_TRUE(s.Empty());
    EXPECT_TRUE(s.List2().empty());
}

TEST(PlaylistStore, BlockMovesTogetherAndStaysSelected) {
    struct Case {
        bool up;
        std::vector<bool> sel;
        std::vector<std::string> titles;
        std::vector<bool> selAfter;
    } cases[] = {
        {true, {false, true, true, false}, {"b", "c", "a", "d"}, {true, true, false, false}},
        {true, {true, true, false, false}, {"a", "b", "c", "d"}, {true, true, false, false}},
        {true, {false, true, false, true}, {"b", "a", "d", "c"}, {true, false, true, false}},
        {false, {false, true, true, false}, {"a", "d", "b", "c"}, {false, false, true, true}},
        {false, {false, false, true, true}, {"a", "b", "c", "d"}, {false, false, true, true}},
        {false, {true, false, true, false}, {"b", "a", "d", "c"}, {false, true, false, true}},
    };
    for (const auto& c : cases) {
        PlaylistStore s = Make({"a", "b", "c", "d"});
        std::vector<bool> sel = c.sel;
        if (c.up)
            s.MoveSelectedUp(sel);
        else
            s.MoveSelectedDown(sel);
        EXPECT_EQ(Titles(s), c.titles);
        EXPECT_EQ(sel, c.selAfter);
        EXPECT_EQ(s.List2(), Make({"a", "b", "c", "d"}).List2()) << "List2 is never touched";
        for (int i = 0; i < s.Count(); ++i) EXPECT_EQ(s.PathAt(i), "C:\\" + s.Title(i) + ".mp3");
    }
}

TEST(PlaylistStore, SortIsStableCaseBlindAndRenumbers) {
    PlaylistStore s;
    s.Append("beta", "p1");
    s.Append("Alpha", "p2");
    s.Append("same", "p3");
    s.Append("alpha", "p4");
    s.Append("same", "p5");
    s.Sort(true);
    EXPECT_EQ(Titles(s), (std::vector<std::string>{"Alpha", "alpha", "beta", "same", "same"}));
    EXPECT_EQ(Paths(s), (std::vector<std::string>{"p2", "p4", "p1", "p3", "p5"}));
    for (int i = 0; i < s.Count(); ++i) EXPECT_EQ(s.ItemData(i), i);
    s.Sort(false);
    EXPECT_EQ(Paths(s), (std::vector<std::string>{"p5", "p3", "p1", "p4", "p2"}));
    for (int i = 0; i < s.Count(); ++i) EXPECT_EQ(s.ItemData(i), i);
}

// Random edits checked against a plain model: every title keeps its own
// path, and the item data stay a permutation.
TEST(PlaylistStore, RandomEditsKeepEveryTitleWithItsPath) {
    std::mt19937 rng(12345);
    PlaylistStore s;
    std::vector<int> model;  // ids in display order
    int nextId = 0;
    auto titleOf = [](int id) { return "t" + std::to_string(id % 7) + "#" + std::to_string(id); };
    auto pathOf = [](int id) { return "C:\\m\\" + std::to_string(id) + ".mp3"; };
    for (int step = 0; step < 4000; ++step) {
        const int op = static_cast<int>(rng() % 6);
        const size_t n = model.size();
        std::vector<bool> sel(n);
        for (size_t i = 0; i < n; ++i) sel[i] = rng() % 4 == 0;
        switch (op) {
            case 0:
            case 1: {
                int id = nextId++;
                s.AddFileToList(pathOf(id), [&](const std::string&, bool) { return titleOf(id); });
                model.push_back(id);
                break;
            }
            case 2: {
                s.DeleteSelected(sel);
                std::vector<int> kept;
                for (size_t i = 0; i < n; ++i)
                    if (!sel[i]) kept.push_back(model[i]);
                model = kept;
                break;
            }
            case 3: {
                std::vector<bool> before = sel;
                if (s.MoveSelectedUp(sel)) {
                    for (size_t i = 1; i < n; ++i)
                        if (before[i]) std::swap(model[i - 1], model[i]), std::vector<bool>::swap(before[i - 1], before[i]);
                }
                break;
            }
            case 4: {
                std::vector<bool> before = sel;
                if (s.MoveSelectedDown(sel)) {
                    for (size_t i = n - 1; i-- > 0;)
                        if (before[i]) std::swap(model[i], model[i + 1]), std::vector<bool>::swap(before[i], before[i + 1]);
                }
                break;
            }
            case 5: {
                bool asc = rng() % 2 == 0;
                s.Sort(asc);
                std::stable_sort(model.begin(), model.end(),
                                 [&](int a, int b) { return titleOf(a) < titleOf(b); });
                if (!asc) std::reverse(model.begin(), model.end());
                break;
            }
        }
        ASSERT_TRUE(s.InvariantHolds()) << "step " << step;
        ASSERT_EQ(static_cast<size_t>(s.Count()), model.size());
        for (int i = 0; i < s.Count(); ++i) {
            ASSERT_EQ(s.Title(i), titleOf(model[static_cast<size_t>(i)])) << "step " << step;
            ASSERT_EQ(s.PathAt(i), pathOf(model[static_cast<size_t>(i)])) << "step " << step;
        }
    }
}
