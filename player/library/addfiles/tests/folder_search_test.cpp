// The folder search over a fake file system (order, dot names, roots,
// reparse points, depth, Stop and Close) and, natively, over a real tree.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "player/library/addfiles/folder_search.h"

namespace vorne::player::library::addfiles {
namespace {

using forms::FolderEntry;

// Folders by path (with their "\"), each with its entries in find order.
class FakeFs : public SearchFileSystem {
public:
    FakeFs& File(const std::string& folder, const std::string& name, bool hidden = false) {
        FolderEntry e;
        e.name = e.longName = name;
        e.hidden = hidden;
        tree_[folder].push_back(e);
        return *this;
    }
    FakeFs& Dir(const std::string& folder, const std::string& name, bool reparse = false) {
        FolderEntry e;
        e.name = e.longName = name;
        e.folder = true;
        e.reparse = reparse;
        tree_[folder].push_back(e);
        tree_[folder + name + "\\"];
        return *this;
    }
    bool List(const std::string& folder, std::vector<FolderEntry>& out) override {
        ++lists;
        auto at = tree_.find(folder);
        if (at == tree_.end()) return false;
        out = at->second;
        return true;
    }
    int lists = 0;

private:
    std::map<std::string, std::vector<FolderEntry>> tree_;
};

// C:\ holds a song; Music has a wav and an mp3 and two subfolders, one of
// them named with a point; Loop is a junction back to the root.
FakeFs Sample() {
    FakeFs fs;
    fs.File("C:\\", "a.mp3")
        .Dir("C:\\", "Music")
        .Dir("C:\\", "Loop", true)
        .Dir("C:\\", "Other")
        .File("C:\\Music\\", "y.mp3")
        .File("C:\\Music\\", "X.WAV")
        .File("C:\\Music\\", "notes.mp3x")
        .File("C:\\Music\\", "secret.mp3", true)
        .Dir("C:\\Music\\", ".cache")
        .Dir("C:\\Music\\", "Sub")
        .File("C:\\Music\\.cache\\", "c.mp3")
        .File("C:\\Music\\Sub\\", "q.mp3")
        .File("C:\\Loop\\", "loop.mp3")
        .File("C:\\Other\\", "readme.txt");
    return fs;
}

struct Outcome {
    std::vector<std::string> found, added;
    int reads = 0;
};

// stopAt / closeAt: the yield on which Stop (or Close) is pressed, 0 never.
Outcome RunSearch(SearchFileSystem& fs, const std::string& root, const std::vector<std::string>& masks,
                  int stopAt = 0, int closeAt = 0) {
    SearchState st;
    Outcome o;
    int yields = 0;
    FolderSearch s(fs, st,
                   SearchHooks{[&] {
                                   ++yields;
                                   if (yields == stopAt) {
                                       st.stopRequested = true;
                                       st.searching = false;
                                   }
                                   if (yields == closeAt) {
                                       st.abandon = true;
                                       st.searching = false;
                                   }
                               },
                               nullptr, [&](const std::string& p) { o.added.push_back(p); }});
    s.Run(root, masks);
    o.found = s.Found();
    o.reads = s.FolderReads();
    EXPECT_FALSE(st.searching);
    return o;
}

TEST(FolderSearch, WalksDepthFirstOncePerFolderAndGathersSorted) {
    struct Case {
        const char* what;
        std::string root;
        std::vector<std::string> masks;
        std::vector<std::string> found, added;
    };
    const Case cases[] = {
        {"mp3 then wav from the drive root", "C:\\", {"*.mp3", "*.wav"},
         {"C:\\", "C:\\Music\\", "C:\\Music\\Sub\\"},
         {"C:\\a.mp3", "C:\\Music\\X.WAV", "C:\\Music\\y.mp3", "C:\\Music\\Sub\\q.mp3"}},
        {"wav first puts Music first", "C:\\", {"*.wav", "*.mp3"},
         {"C:\\Music\\", "C:\\", "C:\\Music\\Sub\\"},
         {"C:\\Music\\X.WAV", "C:\\Music\\y.mp3", "C:\\a.mp3", "C:\\Music\\Sub\\q.mp3"}},
        {"a folder without its backslash", "C:\\Music", {"*.mp3"},
         {"C:\\Music\\", "C:\\Music\\Sub\\"}, {"C:\\Music\\y.mp3", "C:\\Music\\Sub\\q.mp3"}},
        {"nothing of the type", "C:\\", {"*.mid"}, {}, {}},
        {"a folder that is not there", "C:\\Gone\\", {"*.mp3"}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeFs fs = Sample();
        Outcome o = RunSearch(fs, c.root, c.masks);
        EXPECT_EQ(o.found, c.found);
        EXPECT_EQ(o.added, c.added);
        // Every folder is read once, however many masks walk it.
        EXPECT_EQ(o.reads, fs.lists);
    }
    // The root, Music, Sub and Other: not ".cache", not the junction.
    FakeFs fs = Sample();
    EXPECT_EQ(RunSearch(fs, "C:\\", {"*.mp3", "*.wav", "*.mid"}).reads, 4);
}

TEST(FolderSearch, StopEndsTheWalkButGathersWhatWasFound) {
    FakeFs fs = Sample();
    // Yields: mask loop (1), root (2), Music (3), Sub (4): Stop on the walk's
    // visit of Music keeps only the root.
    Outcome o = RunSearch(fs, "C:\\", {"*.mp3", "*.wav"}, 3);
    EXPECT_EQ(o.found, (std::vector<std::string>{"C:\\"}));
    EXPECT_EQ(o.added, (std::vector<std::string>{"C:\\a.mp3"}));
    // Stop in the gathering (after 6 yields of the walk: mask, root, Music,
    // Sub, Other, mask, root, Music, Sub, Other) ends it at the next file.
    FakeFs fs2 = Sample();
    Outcome g = RunSearch(fs2, "C:\\", {"*.mp3", "*.wav"}, 13);
    EXPECT_EQ(g.found.size(), 3u);
    EXPECT_EQ(g.added, (std::vector<std::string>{"C:\\a.mp3", "C:\\Music\\X.WAV"}));
}

TEST(FolderSearch, CloseAbandonsBothSteps) {
    FakeFs fs = Sample();
    Outcome o = RunSearch(fs, "C:\\", {"*.mp3"}, 0, 3);
    EXPECT_TRUE(o.added.empty());
}

TEST(FolderSearch, DepthIsBoundedAndWideFoldersWalkWhole) {
    FakeFs deep;
    std::string at = "C:\\";
    for (int i = 0; i < 100; ++i) {
        deep.File(at, "s.mp3").Dir(at, "d");
        at += "d\\";
    }
    Outcome o = RunSearch(deep, "C:\\", {"*.mp3"});
    EXPECT_EQ(o.found.size(), static_cast<size_t>(FolderSearch::kMaxDepth + 1));

    FakeFs wide;
    for (int i = 0; i < 25; ++i) wide.Dir("C:\\", "f" + std::to_string(i)).File("C:\\f" + std::to_string(i) + "\\", "x.mp3");
    EXPECT_EQ(RunSearch(wide, "C:\\", {"*.mp3"}).added.size(), 25u);
}

TEST(FilePatterns, MatchLongNamesOnly) {
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {
        {"a.mp3", "*.mp3", true},    {"A.MP3", "*.mp3", true},      {"a.mp3x", "*.mp3", false},
        {"a.mp3.bak", "*.mp3", false}, {"mp3", "*.mp3", false},     {"x.au", "*.au", true},
        {"x.aux", "*.au", false},   {"noext", "*.*", true},         {"a.b.c", "*.c", true},
        {"ab.mp2", "?b.mp2", true}, {"abc.mp2", "?b.mp2", false},   {"song.mpeg", "*.mpe", false},
    };
    for (const Case& c : cases) EXPECT_EQ(forms::MatchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
    EXPECT_EQ(forms::SplitPatterns("*.mp3;*.wav; *.au ;;"), (std::vector<std::string>{"*.mp3", "*.wav", "*.au"}));
    EXPECT_EQ(forms::SplitPatterns("*.mp3"), (std::vector<std::string>{"*.mp3"}));
}

#ifndef _WIN32
// The same search over a real tree with a link loop and a dot folder.
TEST(FolderSearch, RealTreeNatively) {
    char tmpl[] = "/tmp/vorne_search_XXXXXX";
    ASSERT_TRUE(mkdtemp(tmpl));
    const std::string root = tmpl;
    auto sh = [](const std::string& cmd) { return std::system(cmd.c_str()); };
    ASSERT_EQ(sh("cd " + root + " && mkdir -p A/B .dot && touch top.mp3 A/one.MP3 A/B/two.mp3 A/x.mp3x .dot/no.mp3"
                 " && ln -s .. A/B/up"),
              0);
    Outcome o = RunSearch(RealFileSystem(), root, {"*.mp3"});
    EXPECT_EQ(o.added, (std::vector<std::string>{root + "\\top.mp3", root + "\\A\\one.MP3", root + "\\A\\B\\two.mp3"}));
    sh("rm -rf " + root);
}
#endif

}  // namespace
}  // namespace vorne::player::library::addfiles
