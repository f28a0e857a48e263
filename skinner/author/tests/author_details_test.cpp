#include "skinner/author/author_details.h"

#include <gtest/gtest.h>

#include "runtime/basic/basic.h"
#include "runtime/text/ansi.h"

namespace vorne::skinner::author {
namespace {

struct OneLineCase {
    const char* in;
    const char* out;
};

TEST(AuthorOneLine, LineBreakRunsBecomeOneBlank) {
    const OneLineCase cases[] = {
        {"plain", "plain"},
        {"  kept blanks  ", "  kept blanks  "},
        {"a\r\nb", "a b"},
        {"a\r\n\r\n\r\nb", "a b"},
        {"a\nb\rc", "a b c"},
        {"\r\nlead and trail\n", " lead and trail "},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(OneLine(c.in), c.out) << c.in;
}

class AuthorFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        // One file per test: the tests may run side by side.
        path_ = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                text::WideToAnsi(L" caf\u00e9 \u2019.ini");
        text::RemoveFile(path_);
    }
    void TearDown() override { text::RemoveFile(path_); }
    void Write(const std::string& data) { ASSERT_TRUE(vorne::basic::WriteFileAtomic(path_, data)); }
    std::string Read() { return vorne::basic::ReadWholeFile(path_).value_or("<missing>"); }
    std::string path_;
};

TEST_F(AuthorFileTest, FirstRunCreatesAnEmptyFileAndExitWritesFourEmptyLines) {
    AuthorEntries e{"stale", "stale", "stale", "stale"};
    ReadAuthorFile(path_, e);
    EXPECT_EQ(e, AuthorEntries{});
    EXPECT_EQ(Read(), "");
    ASSERT_TRUE(WriteAuthorFile(path_, e));
    EXPECT_EQ(Read(), "\r\n\r\n\r\n\r\n");
}

TEST_F(AuthorFileTest, ReadsUpToFourLinesOfAnyEnding) {
    struct Case {
        const char* data;
        AuthorEntries want;
    } cases[] = {
        {"Ann\r\nBlue skin\r\n", {"Ann", "Blue skin", "", ""}},
        {"Ann\r\nBlue\r\nann@example.org\r\nhttp://example.org\r\nfifth\r\n",
         {"Ann", "Blue", "ann@example.org", "http://example.org"}},
        {"Ann\nBlue\rmail", {"Ann", "Blue", "mail", ""}},
        {"  Ann  \r\n", {"  Ann  ", "", "", ""}},
    };
    for (const auto& c : cases) {
        Write(c.data);
        AuthorEntries e;
        ReadAuthorFile(path_, e);
        EXPECT_EQ(e, c.want) << c.data;
    }
}

TEST_F(AuthorFileTest, WriteReplacesTheFileAndKeepsEachEntryOnOneLine) {
    Write("old\r\nold\r\nold\r\nold\r\nold extra\r\n");
    const AuthorEntries e{"Ann \xe9", "two\r\nlines", "a@b.c", ""};
    ASSERT_TRUE(WriteAuthorFile(path_, e));
    EXPECT_EQ(Read(), "Ann \xe9\r\ntwo lines\r\na@b.c\r\n\r\n");
    AuthorEntries back;
    ReadAuthorFile(path_, back);
    EXPECT_EQ(back, (AuthorEntries{"Ann \xe9", "two lines", "a@b.c", ""}));
}

TEST(AuthorFilePath, FolderGetsOneSeparator) {
    EXPECT_EQ(AuthorFilePath("C:\\Quarl\\"), "C:\\Quarl\\VornesUser.ini");
#ifdef _WIN32
    EXPECT_EQ(AuthorFilePath("C:\\Quarl"), "C:\\Quarl\\VornesUser.ini");
#else
    EXPECT_EQ(AuthorFilePath("/opt/quarl"), "/opt/quarl/VornesUser.ini");
#endif
}

TEST(AuthorFile, UnreadablePlaceLeavesEntriesEmpty) {
    AuthorEntries e{"x", "y", "z", "w"};
    ReadAuthorFile(AuthorFilePath("no such folder here"), e);
    EXPECT_EQ(e, AuthorEntries{});
    EXPECT_FALSE(WriteAuthorFile(AuthorFilePath("no such folder here"), e));
}

}  // namespace
}  // namespace vorne::skinner::author
