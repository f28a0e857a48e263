// Editing the playlist through its window under Wine: delete, move, sort
// and gather keep every entry with its own path.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "player/app/globals.h"
#include "player/app/playlist_window.h"
#include "runtime/forms/file_dialog.h"

namespace vorne::player {
namespace {

class BareList : public FrmList {
protected:
    void Form_Load() override {}
};

class PlaylistEdit : public ::testing::Test {
protected:
    void SetUp() override {
        list.Show();
        for (const char* t : {"c", "a", "%PAUSE%5", "b"}) list.Store.Append(std::string("title ") + t, t);
        list.RefreshList();
    }
    void Select(std::vector<int> positions) {
        std::vector<bool> sel(static_cast<size_t>(list.List1.ListCount()), false);
        for (int i : positions) sel[static_cast<size_t>(i)] = true;
        list.List1.SetSelection(sel);
    }
    // Each shown title with the path it plays.
    std::vector<std::string> Entries() {
        std::vector<std::string> r;
        for (int i = 0; i < list.List1.ListCount(); ++i) r.push_back(list.List1.List(i) + "=" + list.Store.PathAt(i));
        return r;
    }
    BareList list;
};

TEST_F(PlaylistEdit, DeleteRemovesEverySelectedEntry) {
    Select({0, 3});
    list.cmdDel_Click();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"title a=a", "title %PAUSE%5=%PAUSE%5"}));
}

TEST_F(PlaylistEdit, ABlockMovesTogetherAndStaysSelected) {
    Select({1, 2});
    list.cmdMoveUp_Click();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"title a=a", "title %PAUSE%5=%PAUSE%5", "title c=c", "title b=b"}));
    EXPECT_EQ(list.List1.Selection(), (std::vector<bool>{true, true, false, false}));
    list.cmdMoveUp_Click();  // the first entry is selected: nothing moves
    EXPECT_EQ(Entries()[0], "title a=a");
    list.cmdMoveDn_Click();
    list.cmdMoveDn_Click();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"title c=c", "title b=b", "title a=a", "title %PAUSE%5=%PAUSE%5"}));
}

TEST_F(PlaylistEdit, ShiftArrowsMoveAndAreDropped) {
    Select({3});
    int key = VK_UP, shift = forms::vbShiftMask;
    list.List1.OnKeyDown(key, shift);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Entries()[2], "title b=b");
    key = VK_UP;
    shift = 0;
    list.List1.OnKeyDown(key, shift);
    EXPECT_EQ(key, VK_UP) << "a plain arrow is the list's own";
}

TEST_F(PlaylistEdit, SortBothWaysKeepsThePaths) {
    list.Sort(true);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"title %PAUSE%5=%PAUSE%5", "title a=a", "title b=b", "title c=c"}));
    list.Sort(false);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"title c=c", "title b=b", "title a=a", "title %PAUSE%5=%PAUSE%5"}));
}

TEST_F(PlaylistEdit, GatherRebuildsTitlesButNotThoseOfPauseEntries) {
    Options.PlayListFormat = "%2";
    list.cmdRefresh_Click();
    std::vector<std::string> e = Entries();
    EXPECT_EQ(e[2], "title %PAUSE%5=%PAUSE%5");
    EXPECT_EQ(e[0], "c=c") << "a missing file shows its path as its title";
    list.cmdNew_Click();
    EXPECT_EQ(list.List1.ListCount(), 0);
}

TEST_F(PlaylistEdit, SaveAndLoadGoThroughTheirDialogs) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string file = std::string(temp) + "vorne_edit_" + std::to_string(GetCurrentProcessId()) + ".m3u";
    forms::ScriptedFileDialogs dialogs;
    forms::ScopedFileDialogs scoped(dialogs);
    dialogs.Queue(file);
    list.SaveList();
    ASSERT_EQ(dialogs.Log().size(), 1u);
    EXPECT_TRUE(dialogs.Log()[0].save);
    list.cmdNew_Click();
    dialogs.Queue(std::nullopt);  // a cancelled box changes nothing
    list.LoadList();
    EXPECT_EQ(list.List1.ListCount(), 0);
    dialogs.Queue(file);
    list.LoadList();
    EXPECT_FALSE(dialogs.Log()[2].save);
    EXPECT_EQ(list.List1.ListCount(), 4);
    EXPECT_EQ(list.Store.PathAt(2), "%PAUSE%5");
    EXPECT_EQ(Options.LastPlayListFolder, std::string(temp));
    DeleteFileA(file.c_str());
}

}  // namespace
}  // namespace vorne::player
