// The Win32 parts: the advapi32 registry under the test prefix, checked with
// the system's own "reg query", and the tag writer under the ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "runtime/registry/associate.h"
#include "player/library/file_ops.h"
#include "player/library/id3v1_codepage_win32.h"
#include "player/library/playlist_formats.h"
#include "runtime/registry/registry_win32.h"
#include "player/core/song_info.h"
#include "runtime/testing/reg_tool.h"
#include "runtime/text/ansi.h"

using namespace vorne::player::library;
using namespace vorne::registry;

namespace {

using vorne::testing::Capture;
using vorne::testing::RegDefault;
using vorne::testing::RegKeyExists;

// Writes HKCR\key (and its default value when given) with "reg add", as
// another program's installer would.
void RegAdd(const std::string& key, const char* value = nullptr) {
    std::string cmd = "reg.exe add \"HKEY_CLASSES_ROOT\\" + key + "\" /f";
    if (value) cmd += std::string(" /ve /d \"") + value + "\"";
    DWORD code = 1;
    Capture(cmd, &code);
    ASSERT_EQ(code, 0u) << cmd;
}

void RegDeleteTree(const std::string& key) {
    Capture("reg.exe delete \"HKEY_CLASSES_ROOT\\" + key + "\" /f");
}

// Each test has keys of its own, since ctest runs the tests side by side.
class Associations : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ext_ = ".vornetest" + name;
        progId_ = "VorneTest" + name + ".PlayList";
        other_ = "VorneTest" + name + ".Other";
        Clean();
    }
    void TearDown() override { Clean(); }
    void Clean() {
        RegDeleteTree(ext_);
        RegDeleteTree(progId_);
        RegDeleteTree(other_);
    }
    RegistryWin32 reg;
    std::string ext_, progId_, other_;
};

}  // namespace

TEST_F(Associations, RoundTripReadBackByRegQuery) {
    const std::string command = "\"C:\\Program Files\\Vorne\\Vorne.exe\"";
    ASSERT_EQ(AssociateFileType(reg, ext_, progId_, "Vorne Test List", command, "C:\\icons.dll", "2"), kRegOk);
    EXPECT_EQ(RegDefault(ext_), progId_);
    EXPECT_EQ(RegDefault(progId_), "Vorne Test List");
    EXPECT_EQ(RegDefault(progId_ + "\\shell\\open\\command"), command + " %1");
    EXPECT_EQ(RegDefault(progId_ + "\\DefaultIcon"), "C:\\icons.dll,2");
    EXPECT_EQ(QueryFileType(reg, ext_, ftqProgId), progId_);
    EXPECT_EQ(QueryFileType(reg, ext_, ftqCommand), command + " %1");
    // The stored data length is the text plus its NUL.
    HKEY h = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ext_.c_str(), 0, KEY_QUERY_VALUE, &h), ERROR_SUCCESS);
    DWORD type = 0, len = 0;
    ASSERT_EQ(RegQueryValueExA(h, "", nullptr, &type, nullptr, &len), ERROR_SUCCESS);
    RegCloseKey(h);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(len, progId_.size() + 1);

    ASSERT_EQ(UnassociateFileType(reg, ext_, progId_, true), kRegOk);
    EXPECT_FALSE(RegKeyExists(ext_));
    EXPECT_FALSE(RegKeyExists(progId_));
    EXPECT_EQ(QueryFileType(reg, ext_, ftqProgId), "");
}

TEST_F(Associations, AnotherProgramsBindingSurvives) {
    // Another program's binding, written by "reg add": neither the
    // extension's value nor that program's keys are touched, even when our
    // ProgID keys are asked to go.
    RegAdd(ext_, other_.c_str());
    RegAdd(other_ + "\\shell\\open\\command", "other.exe %1");
    ASSERT_EQ(UnassociateFileType(reg, ext_, progId_, true), kRegOk);
    EXPECT_EQ(RegDefault(ext_), other_);
    EXPECT_EQ(RegDefault(other_ + "\\shell\\open\\command"), "other.exe %1");
    EXPECT_EQ(QueryFileType(reg, ext_, ftqProgId), other_);
    // Ours with an OpenWithProgids key beside it: only the value goes.
    ASSERT_EQ(AssociateFileType(reg, ext_, progId_, "Ours", "vorne.exe", "v.exe", "1"), kRegOk);
    EXPECT_EQ(RegDefault(ext_), progId_);
    RegAdd(ext_ + "\\OpenWithProgids");
    ASSERT_EQ(UnassociateFileType(reg, ext_, progId_), kRegOk);
    EXPECT_TRUE(RegKeyExists(ext_ + "\\OpenWithProgids"));
    EXPECT_EQ(RegDefault(ext_), "(value not set)");
    EXPECT_EQ(QueryFileType(reg, ext_, ftqProgId), "");
    // The ProgID key stays when not asked to go.
    EXPECT_EQ(RegDefault(progId_), "Ours");
    // A second removal finds nothing of ours and leaves the key as it is.
    ASSERT_EQ(UnassociateFileType(reg, ext_, progId_), kRegOk);
    EXPECT_TRUE(RegKeyExists(ext_ + "\\OpenWithProgids"));
}

TEST(AnsiTagBlock, StaysOneHundredTwentyEightBytes) {
    // The fields are ANSI text. Under a Japanese locale the ANSI code page is
    // 932; elsewhere the kana have no ANSI form and the block still keeps its
    // size.
    const CodePage cp = AnsiCodePage();
    TagFields f;
    f.title = vorne::text::WideToAnsi(L"\u3042\u3044\u3046\u3048\u304a");  // 5 kana
    std::wstring fifteen(15, L'\u65e5');                                    // 15 kanji
    f.artist = vorne::text::WideToAnsi(L"A" + fifteen);
    f.album = vorne::text::WideToAnsi(fifteen + fifteen);
    f.year = "2001";
    f.comment = "x";
    f.genre = "Blues";
    TagBlock b = BuildTagBlock(f, cp);
    EXPECT_EQ(b.size(), kTagSize);
    const std::string block(b.begin(), b.end());
    if (GetEnvironmentVariableA("VORNE_EXPECT_CP932", nullptr, 0) != 0) {
        ASSERT_EQ(GetACP(), 932u) << "the Japanese locale gives the ANSI code page 932";
    }
    if (GetACP() == 932) {
        EXPECT_EQ(block.substr(3, 10), "\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8");
        EXPECT_EQ(block.substr(13, 20), std::string(20, ' '));
        // "A" and 14 kanji fill 29 bytes; the 15th would be split.
        std::string kanji14;
        for (int i = 0; i < 14; ++i) kanji14 += "\x93\xfa";
        EXPECT_EQ(block.substr(33, 30), "A" + kanji14 + " ");
        EXPECT_EQ(block.substr(63, 30), kanji14 + "\x93\xfa");
        // The block written to a file is exactly 128 bytes at the end.
        const std::string path = "tag_cp932.mp3";
        FILE* fp = fopen(path.c_str(), "wb");
        ASSERT_NE(fp, nullptr);
        std::string audio(1000, 'a');
        fwrite(audio.data(), 1, audio.size(), fp);
        fclose(fp);
        ASSERT_EQ(SaveTag(path, f, cp), TagResult::kAppended);
        std::string data;
        ASSERT_EQ(ReadWholeFile(path, data), ReadStatus::kOk);
        EXPECT_EQ(data.size(), audio.size() + kTagSize);
        EXPECT_EQ(data.substr(audio.size()), block);
        ASSERT_EQ(RemoveTag(path), TagResult::kRemoved);
        ASSERT_EQ(ReadWholeFile(path, data), ReadStatus::kOk);
        EXPECT_EQ(data, audio);
        DeleteFileA(path.c_str());
    }
}

// The fields go into the tag as the ANSI bytes they are: an accented
// letter of the code page, and a tag written by another program (Shift-JIS
// bytes here) that the player read and saves back unchanged.
TEST(AnsiTagBlock, AnsiFieldsAreWrittenAsTheyAre) {
    const CodePage cp = AnsiCodePage();
    const std::string cafe = vorne::text::WideToAnsi(L"Caf\u00e9");
    if (GetACP() == 1252) {
        EXPECT_EQ(cafe, "Caf\xe9");
    }
    TagFields f;
    f.title = cafe;
    TagBlock b = BuildTagBlock(f, cp);
    EXPECT_EQ(std::string(b.begin() + 3, b.begin() + 3 + cafe.size()), cafe);

    TagBlock theirs{};
    const std::string sjis = "\x93\xfa\x96\x7b\x82\xcc\x89\xcc";  // four kanji and kana
    std::string raw = "TAG" + std::string(30, ' ') + std::string(30, ' ') + std::string(30, ' ') + "1999" +
                      std::string(30, ' ') + std::string(1, '\x11');
    raw.replace(3, sjis.size(), sjis);
    raw.replace(33, sjis.size(), sjis);
    std::copy(raw.begin(), raw.end(), theirs.begin());
    vorne::player::core::SongInfoRecord rec;
    ASSERT_TRUE(vorne::player::core::ReadId3v1(theirs.data(), rec));
    TagFields again;
    again.title = rec.Title;
    again.artist = rec.Artist;
    again.album = rec.Album;
    again.year = rec.Year;
    again.comment = rec.Comment;
    again.genre = rec.Genre;
    const TagBlock saved = BuildTagBlock(again, cp, &theirs);
    EXPECT_EQ(std::string(saved.begin(), saved.end()), raw);
}

// A list that begins with a UTF-8 byte-order mark is read into ANSI text. A
// name the code page cannot hold becomes the short name of its file, so the
// entry still opens it; a missing one keeps its nearest ANSI text.
TEST(Utf8Lists, ReadIntoAnsiText) {
    const std::wstring dir = L"utf8_list_dir";
    CreateDirectoryW(dir.c_str(), nullptr);
    const std::wstring existing = dir + L"\\\u3072\u3089.mp3";  // two kana
    HANDLE h = CreateFileW(existing.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    wchar_t full[MAX_PATH];
    ASSERT_GT(GetFullPathNameW((dir + L"\\l.m3u").c_str(), MAX_PATH, full, nullptr), 0u);
    const std::string listPath = vorne::text::WideToAnsi(full);
    const std::string folder = ChopFileOff(listPath);
    FILE* fp = vorne::text::OpenFile(listPath, "wb");
    ASSERT_NE(fp, nullptr);
    const std::string list =
        "\xEF\xBB\xBF#EXTM3U\r\nCaf\xc3\xa9.mp3\r\n\xe3\x81\xb2\xe3\x82\x89.mp3\r\n\xe3\x81\xaa.mp3\r\n";
    fwrite(list.data(), 1, list.size(), fp);
    fclose(fp);

    PlaylistStore s;
    std::string playListPath;
    ASSERT_TRUE(LoadPlayList(listPath, s, playListPath).ok);
    ASSERT_EQ(s.Count(), 3);
    EXPECT_EQ(s.PathAt(0), folder + vorne::text::WideToAnsi(L"Caf\u00e9.mp3"));
    if (GetACP() == 1252) {
        EXPECT_EQ(s.PathAt(0), folder + "Caf\xe9.mp3");
    }
    if (vorne::text::HasAnsiForm(L"\u3072\u3089")) {
        EXPECT_EQ(s.PathAt(1), folder + vorne::text::WideToAnsi(L"\u3072\u3089.mp3"));
    } else {
        wchar_t shortName[MAX_PATH];
        ASSERT_GT(GetShortPathNameW((std::wstring(full, wcslen(full) - 5) + L"\u3072\u3089.mp3").c_str(), shortName,
                                    MAX_PATH),
                  0u);
        EXPECT_EQ(s.PathAt(1), vorne::text::WideToAnsi(shortName));
        EXPECT_EQ(s.PathAt(1).find('?'), std::string::npos) << s.PathAt(1);
    }
    EXPECT_TRUE(vorne::text::FileExists(s.PathAt(1))) << s.PathAt(1);
    EXPECT_EQ(s.Title(1), s.PathAt(1));
    EXPECT_EQ(s.PathAt(2), folder + vorne::text::WideToAnsi(L"\u306a.mp3"));

    DeleteFileW(existing.c_str());
    DeleteFileW(full);
    RemoveDirectoryW(dir.c_str());
}

// Tag files named with a curly quote, an accented letter and kanji: the
// writer takes their ANSI names, and a name the code page cannot hold is
// reached through its short name.
TEST(TagFileWin32, NamesBeyondAscii) {
    for (const wchar_t* name : {L"tag \u2019quoted\u2019.mp3", L"tag caf\u00e9.mp3", L"tag \u65e5\u672c.mp3"}) {
        HANDLE h = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        const std::string audio(1000, 'a');
        DWORD n = 0;
        WriteFile(h, audio.data(), static_cast<DWORD>(audio.size()), &n, nullptr);
        CloseHandle(h);
        std::string path = vorne::text::WideToAnsi(name);
        if (!vorne::text::HasAnsiForm(name)) {
            wchar_t shortName[MAX_PATH];
            ASSERT_GT(GetShortPathNameW(name, shortName, MAX_PATH), 0u);
            path = vorne::text::WideToAnsi(shortName);
        }
        TagFields f;
        f.title = "x";
        EXPECT_EQ(SaveTag(path, f, AnsiCodePage()), TagResult::kAppended) << path;
        std::string data;
        ASSERT_EQ(ReadWholeFile(path, data), ReadStatus::kOk);
        EXPECT_EQ(data.size(), audio.size() + kTagSize);
        EXPECT_EQ(RemoveTag(path), TagResult::kRemoved);
        ASSERT_EQ(ReadWholeFile(path, data), ReadStatus::kOk);
        EXPECT_EQ(data, audio);
        EXPECT_TRUE(DeleteFileW(name));
    }
}

// A file another program holds open without sharing is reported as in use
// and left exactly as it was. (A read-only file cannot show it here: the
// tests run as root, whom Wine's read-only attribute does not stop.)
TEST(TagFileWin32, InUseIsReportedAndUntouched) {
    const std::string path = "tag_locked.mp3";
    const std::string audio(2000, 'a');
    FILE* fp = fopen(path.c_str(), "wb");
    ASSERT_NE(fp, nullptr);
    fwrite(audio.data(), 1, audio.size(), fp);
    fclose(fp);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TagFields f;
    f.title = "x";
    EXPECT_EQ(SaveTag(path, f, BytesCodePage()), TagResult::kInUseOrReadOnly);
    EXPECT_EQ(RemoveTag(path), TagResult::kInUseOrReadOnly);
    CloseHandle(held);
    std::string data;
    ASSERT_EQ(ReadWholeFile(path, data), ReadStatus::kOk);
    EXPECT_EQ(data, audio);
    DeleteFileA(path.c_str());
}
