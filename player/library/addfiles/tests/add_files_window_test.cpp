// The add-files dialog under Wine: a real search over a folder tree made
// here (with a name whose short form ends in ".MP3", names outside plain
// ASCII and a folder named with a point), the separator entry, Add without
// a search, and Close while a search runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "player/library/addfiles/add_files_window.h"
#include "player/library/playlist_store.h"
#include "runtime/text/ansi.h"

namespace vorne::player::library::addfiles {
namespace {

std::wstring TempRoot() {
    wchar_t buf[MAX_PATH];
    GetTempPathW(MAX_PATH, buf);
    return std::wstring(buf) + L"vorne_add_" + std::to_wstring(GetCurrentProcessId());
}

void Touch(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        DWORD n = 0;
        WriteFile(h, "ID3", 3, &n, nullptr);
        CloseHandle(h);
    }
}

void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring n = fd.cFileName;
            if (n == L"." || n == L"..") continue;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(dir + L"\\" + n);
            else
                DeleteFileW((dir + L"\\" + n).c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
}

// The dialog wired to a playlist store of the test.
struct Rig {
    PlaylistStore list;
    std::string lastFolder;
    int changes = 0;
    Rig() {
        frmAdd().SetHost(AddFilesHost{[this](const std::string& p) { list.Append(p, p); }, [this] { ++changes; },
                                      [this] { return lastFolder; },
                                      [this](const std::string& f) { lastFolder = f; }, nullptr});
        frmAdd().SetFileSystem(nullptr);
    }
    ~Rig() { frmAdd().Unload(); }
    std::vector<std::string> Added() const {
        std::vector<std::string> r;
        for (int i = 0; i < list.Count(); ++i) r.push_back(list.PathAt(i));
        return r;
    }
};

class AddFilesWin : public ::testing::Test {
protected:
    void SetUp() override {
        root = TempRoot();
        CreateDirectoryW(root.c_str(), nullptr);
        for (const wchar_t* d : {L"\\A", L"\\A\\B", L"\\.hidden", L"\\Caf\u00e9 \u2019n", L"\\\u97f3\u697d"})
            CreateDirectoryW((root + d).c_str(), nullptr);
        for (const wchar_t* f : {L"\\top.mp3", L"\\A\\one.MP3", L"\\A\\B\\two.mp3", L"\\A\\notes.mp3x",
                                 L"\\A\\B\\wave.wav", L"\\.hidden\\no.mp3", L"\\Caf\u00e9 \u2019n\\\u65e5\u672c.mp3",
                                 L"\\Caf\u00e9 \u2019n\\cover.jpg", L"\\\u97f3\u697d\\song.mp3"})
            Touch(root + f);
        rootAnsi = text::WideToAnsi(root);
    }
    void TearDown() override { RemoveTree(root); }
    std::wstring root;
    std::string rootAnsi;
};

TEST_F(AddFilesWin, SearchesTheTreeByExactExtension) {
    // The trap: the system's own pattern "*.mp3" also takes notes.mp3x
    // through its short name NOTES~1.MP3 (where short names are made).
    WIN32_FIND_DATAW fd;
    int systemHits = 0;
    HANDLE h = FindFirstFileW((root + L"\\A\\*.mp3").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do ++systemHits;
        while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    std::printf("FindFirstFileW(\"*.mp3\") in A finds %d file(s) (one.MP3%s)\n", systemHits,
                systemHits > 1 ? " and notes.mp3x by its short name" : "");

    Rig rig;
    FrmAdd& f = frmAdd();
    f.Load();
    ASSERT_TRUE(f.lstDirs.SetPath(rootAnsi));
    f.cmboFiles.SetListIndex(kMp3Entry);
    f.Check1.SetValue(1);
    f.cmdAdd_Click();
    std::vector<std::string> added = rig.Added();
    ASSERT_EQ(added.size(), 5u) << f.lblStat.Caption();
    // The root before its subfolders, a folder before the ones below it; the
    // order of the root's subfolders is the file system's.
    EXPECT_EQ(added[0], rootAnsi + "\\top.mp3");
    auto at = [&](const std::string& p) { return std::find(added.begin(), added.end(), p) - added.begin(); };
    EXPECT_LT(at(rootAnsi + "\\A\\one.MP3"), at(rootAnsi + "\\A\\B\\two.mp3"));
    EXPECT_LT(at(rootAnsi + "\\A\\B\\two.mp3"), 5);
    // Names outside the code page (the kanji) come by paths that open.
    int cafe = 0, kanji = 0;
    for (const std::string& p : added) {
        EXPECT_TRUE(text::FileExists(p)) << p;
        cafe += p.find(text::WideToAnsi(L"\\Caf\u00e9 \u2019n\\")) != std::string::npos;
        kanji += p.find("song.mp3") != std::string::npos;
    }
    EXPECT_EQ(cafe, 1);
    EXPECT_EQ(kanji, 1);
    EXPECT_EQ(f.lblStat.Caption(), "5 file(s) added");
    EXPECT_FALSE(f.cmdStop.Visible());
    EXPECT_TRUE(f.cmdAdd.Enabled());
    EXPECT_EQ(rig.changes, 1);

    // All playable formats: the wav too; every folder read once.
    rig.list.Clear();
    f.cmboFiles.SetListIndex(0);
    EXPECT_EQ(f.List2.ListCount(), 32);
    f.cmdAdd_Click();
    EXPECT_EQ(rig.list.Count(), 6);
}

TEST_F(AddFilesWin, SeparatorAddWithoutSearchAndTheFolderKept) {
    Rig rig;
    FrmAdd& f = frmAdd();
    f.Load();
    EXPECT_EQ(f.cmboFiles.ListCount(), 8);
    EXPECT_EQ(f.cmboFiles.ListIndex(), 0);
    f.cmboFiles.SetListIndex(kSeparatorEntry);
    EXPECT_EQ(f.cmboFiles.ListIndex(), kMp3Entry);
    EXPECT_EQ(f.cmboFiles.Text(), "MPEG Layer 3 (*.mp3)");
    ASSERT_EQ(f.List2.ListCount(), 1);
    EXPECT_EQ(f.List2.List(0), "*.mp3");
    EXPECT_EQ(f.lstFiles.Pattern(), "*.mp3");

    ASSERT_TRUE(f.lstDirs.SetPath(rootAnsi + "\\A"));
    ASSERT_EQ(f.lstFiles.ListCount(), 1) << "notes.mp3x is not an mp3";
    EXPECT_EQ(f.lstFiles.List(0), "one.MP3");
    f.cmdAdd_Click();
    EXPECT_EQ(f.lblStat.Caption(), "0 file(s) added");
    f.lstFiles.SetSelected(0, true);
    f.Check1.SetValue(1);
    f.lstFiles_DblClick();  // adds the selection, never searches
    EXPECT_EQ(rig.Added(), (std::vector<std::string>{rootAnsi + "\\A\\one.MP3"}));
    EXPECT_EQ(f.Check1.GetValue(), 1);

    f.cmdCancel_Click();
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(rig.lastFolder, rootAnsi + "\\A");
    f.Load();
    EXPECT_EQ(f.lstDirs.Path(), rootAnsi + "\\A") << "the next opening starts where the last one closed";
}

// A file system that presses a button of the dialog while the walk reads.
class PressingFs : public SearchFileSystem {
public:
    std::function<void()> onRead;
    int reads = 0;
    bool addWasEnabled = false, listsWereEnabled = false;
    bool List(const std::string& folder, std::vector<forms::FolderEntry>& out) override {
        ++reads;
        addWasEnabled |= frmAdd().cmdAdd.Enabled();
        listsWereEnabled |= frmAdd().lstDirs.Enabled() || frmAdd().cmboFiles.Enabled();
        if (onRead) onRead();
        return RealFileSystem().List(folder, out);
    }
};

TEST_F(AddFilesWin, CloseDuringASearchWaitsForTheWalkToUnwind) {
    Rig rig;
    FrmAdd& f = frmAdd();
    f.Load();
    ASSERT_TRUE(f.lstDirs.SetPath(rootAnsi));
    f.cmboFiles.SetListIndex(0);
    f.Check1.SetValue(1);
    PressingFs fs;
    fs.onRead = [&] {
        if (fs.reads == 2) {
            f.cmdCancel_Click();
            EXPECT_TRUE(f.Loaded()) << "the window stays while the walk is inside it";
        }
    };
    f.SetFileSystem(&fs);
    f.cmdAdd_Click();
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(fs.reads, 2) << "the walk ended at the next folder";
    EXPECT_FALSE(fs.addWasEnabled);
    EXPECT_FALSE(fs.listsWereEnabled);
    EXPECT_EQ(rig.list.Count(), 0);
    EXPECT_EQ(rig.lastFolder, rootAnsi);

    // The window's own close box likewise.
    f.Load();
    f.SetFileSystem(&fs);
    ASSERT_TRUE(f.lstDirs.SetPath(rootAnsi));
    f.Check1.SetValue(1);
    fs.reads = 0;
    bool refused = false;
    fs.onRead = [&] {
        if (fs.reads == 1) refused = !f.Unload(forms::vbFormControlMenu);
    };
    f.cmdAdd_Click();
    EXPECT_TRUE(refused) << "the window stays while the walk is inside it";
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(rig.list.Count(), 0);

    // Stop keeps what was found so far.
    f.Load();
    f.SetFileSystem(&fs);
    ASSERT_TRUE(f.lstDirs.SetPath(rootAnsi));
    f.cmboFiles.SetListIndex(kMp3Entry);
    f.Check1.SetValue(1);
    fs.reads = 0;
    fs.onRead = [&] {
        if (fs.reads == 2) f.cmdStop_Click();
    };
    f.cmdAdd_Click();
    EXPECT_TRUE(f.Loaded());
    EXPECT_EQ(rig.Added(), (std::vector<std::string>{rootAnsi + "\\top.mp3"}));
}

// Shows the dialog (VORNE_SHOT_MS milliseconds, for a screenshot) after a
// search.
TEST_F(AddFilesWin, Shown) {
    Rig rig;
    FrmAdd& f = frmAdd();
    f.Load();
    f.lstDirs.SetPath(rootAnsi + "\\A");
    f.cmboFiles.SetListIndex(2);
    f.Check1.SetValue(1);
    f.Show();
    f.cmdAdd_Click();
    if (f.lstFiles.ListCount() > 0) f.lstFiles.SetSelected(0, true);
    const char* ms = std::getenv("VORNE_SHOT_MS");
    forms::ShowFor(f, ms ? static_cast<unsigned>(std::atoi(ms)) : 200);
    EXPECT_EQ(f.lblStat.Caption(), "3 file(s) added");
}

}  // namespace
}  // namespace vorne::player::library::addfiles
