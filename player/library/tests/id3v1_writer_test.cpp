#include "player/library/id3v1_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "player/core/genres.h"
#include "player/core/song_info.h"
#include "player/library/file_ops.h"
#include "runtime/testing/mpeg_frames.h"
#include "test_util.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace vorne::player::library;
using namespace vorne::player::library::testing;
namespace core = vorne::player::core;

namespace {

std::string Block(const TagBlock& b) { return std::string(b.begin(), b.end()); }

// A double-byte code page that works on bytes (Shift-JIS lead bytes).
CodePage ShiftJisBytes() {
    return CodePage{[](unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }};
}


std::string Audio(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    return s;
}

TagFields Sample() {
    TagFields f;
    f.title = "Hello";
    f.artist = "Artist X";
    f.album = "The Album";
    f.year = "1999";
    f.comment = "A comment";
    f.genre = "Blues";
    return f;
}

}  // namespace

TEST(Id3v1Block, ExactBytes) {
    TagBlock b = BuildTagBlock(Sample(), BytesCodePage());
    std::string expected = "TAG" + core::PadRight("Hello", 30) + core::PadRight("Artist X", 30) + core::PadRight("The Album", 30) +
                           "1999" + core::PadRight("A comment", 30) + std::string(1, '\0');
    ASSERT_EQ(expected.size(), kTagSize);
    EXPECT_EQ(Block(b), expected);
    EXPECT_EQ(Block(b).substr(3, 30), "Hello" + std::string(25, ' '));
}

// The player's tag reader gives back what we wrote.
TEST(Id3v1Block, ReadsBackThroughThePlayersReader) {
    TagFields f = Sample();
    f.genre = "Classic Rock";
    TagBlock b = BuildTagBlock(f, BytesCodePage());
    core::SongInfoRecord rec;
    ASSERT_TRUE(core::ReadId3v1(b.data(), rec));
    EXPECT_EQ(rec.Title, f.title);
    EXPECT_EQ(rec.Artist, f.artist);
    EXPECT_EQ(rec.Album, f.album);
    EXPECT_EQ(rec.Year, f.year);
    EXPECT_EQ(rec.Comment, f.comment);
    EXPECT_EQ(rec.Genre, "Classic Rock");
}

TEST(Id3v1Block, GenreByte) {
    struct Case {
        std::string genre;
        int byte;
    } cases[] = {{"Blues", 0}, {"Classic Rock", 1}, {"Rock", core::GenreNumber("Rock")}, {"No Such Genre", 255}, {"", 255}};
    for (const auto& c : cases) {
        TagFields f = Sample();
        f.genre = c.genre;
        EXPECT_EQ(BuildTagBlock(f, BytesCodePage())[127], c.byte) << c.genre;
    }
    // An unnamed genre byte already in the file is kept when the genre box is empty.
    TagBlock old = BuildTagBlock(Sample(), BytesCodePage());
    old[127] = 200;
    TagFields f = Sample();
    f.genre = "";
    EXPECT_EQ(BuildTagBlock(f, BytesCodePage(), &old)[127], 200);
}

TEST(Id3v1Block, LongTextsAreCutToTheirWidth) {
    TagFields f = Sample();
    f.title = std::string(40, 'T');
    f.year = "199999";
    f.comment = std::string(31, 'c');
    std::string b = Block(BuildTagBlock(f, BytesCodePage()));
    EXPECT_EQ(b.size(), kTagSize);
    EXPECT_EQ(b.substr(3, 30), std::string(30, 'T'));
    EXPECT_EQ(b.substr(93, 4), "1999");
    EXPECT_EQ(b.substr(97, 30), std::string(30, 'c'));
}

TEST(Id3v1Block, DoubleByteCharactersAreNeverSplit) {
    const std::string kana = "\x82\xa0";  // one two-byte character
    auto times = [&](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += kana;
        return s;
    };
    struct Case {
        std::string text;
        std::string field;
    } cases[] = {
        {times(15), times(15)},
        {times(16), times(15)},
        {"A" + times(15), "A" + times(14) + " "},
        {"AB" + kana, "AB" + kana + std::string(26, ' ')},
    };
    for (const auto& c : cases) {
        TagFields f = Sample();
        f.title = c.text;
        std::string b = Block(BuildTagBlock(f, ShiftJisBytes()));
        EXPECT_EQ(b.size(), kTagSize);
        EXPECT_EQ(b.substr(3, 30), c.field);
        EXPECT_EQ(b.substr(33, 30), core::PadRight("Artist X", 30));
    }
    EXPECT_EQ(FitField("ab" + kana, 3, ShiftJisBytes()), "ab ");
    EXPECT_EQ(FitField("ab" + kana, 4, ShiftJisBytes()), "ab" + kana);
}

TEST(Id3v1Block, TrackNumberIsKept) {
    TagBlock old = BuildTagBlock(Sample(), BytesCodePage());
    old[125] = 0;
    old[126] = 7;
    TagFields f = Sample();
    f.comment = std::string(30, 'c');
    TagBlock b = BuildTagBlock(f, BytesCodePage(), &old);
    EXPECT_EQ(Block(b).substr(97, 28), std::string(28, 'c'));
    EXPECT_EQ(b[125], 0);
    EXPECT_EQ(b[126], 7);
}

TEST(Id3v1File, AppendThenOverwrite) {
    const std::string path = "tag_append.mp3";
    const std::string audio = Audio(5000);
    WriteRaw(path, audio);
    EXPECT_EQ(SaveTag(path, Sample(), BytesCodePage()), TagResult::kAppended);
    std::string once = ReadRaw(path);
    ASSERT_EQ(once.size(), audio.size() + 128);
    EXPECT_EQ(once.substr(0, audio.size()), audio);
    EXPECT_EQ(once.substr(audio.size()), Block(BuildTagBlock(Sample(), BytesCodePage())));
    TagFields f = Sample();
    f.title = "Second";
    EXPECT_EQ(SaveTag(path, f, BytesCodePage()), TagResult::kSaved);
    std::string twice = ReadRaw(path);
    ASSERT_EQ(twice.size(), once.size());
    EXPECT_EQ(twice.substr(audio.size() + 3, 30), core::PadRight("Second", 30));
    // Removing leaves the file byte for byte as it was without a tag.
    EXPECT_EQ(RemoveTag(path), TagResult::kRemoved);
    EXPECT_EQ(ReadRaw(path), audio);
    EXPECT_EQ(RemoveTag(path), TagResult::kNoTag);
    EXPECT_EQ(ReadRaw(path), audio);
    std::remove(path.c_str());
}

TEST(Id3v1File, ShortMissingAndEmptyFiles) {
    struct Case {
        size_t length;
        TagResult save;
        TagResult remove;
    } cases[] = {
        {0, TagResult::kTooShort, TagResult::kTooShort},
        {100, TagResult::kTooShort, TagResult::kTooShort},
        {124, TagResult::kTooShort, TagResult::kTooShort},
        {125, TagResult::kAppended, TagResult::kRemoved},
        {127, TagResult::kAppended, TagResult::kRemoved},
        {128, TagResult::kAppended, TagResult::kRemoved},
    };
    for (const auto& c : cases) {
        const std::string path = "tag_short.mp3";
        const std::string audio = Audio(c.length);
        WriteRaw(path, audio);
        EXPECT_EQ(SaveTag(path, Sample(), BytesCodePage()), c.save) << c.length;
        ASSERT_TRUE(Exists(path)) << "the writer never deletes a file";
        if (c.save == TagResult::kTooShort) {
            EXPECT_EQ(ReadRaw(path), audio);
            EXPECT_EQ(RemoveTag(path), c.remove);
        } else {
            EXPECT_EQ(ReadRaw(path).size(), c.length + 128);
            EXPECT_EQ(RemoveTag(path), c.remove);
        }
        EXPECT_EQ(ReadRaw(path), audio) << c.length;
        std::remove(path.c_str());
    }
    EXPECT_EQ(SaveTag("tag_missing.mp3", Sample(), BytesCodePage()), TagResult::kMissing);
    EXPECT_FALSE(Exists("tag_missing.mp3")) << "the writer never creates a file";
    EXPECT_EQ(RemoveTag("tag_missing.mp3"), TagResult::kMissing);
    EXPECT_EQ(TagResultMessage(TagResult::kTooShort, "x.mp3"), "x.mp3 contains no data or too little.");
    EXPECT_EQ(TagResultMessage(TagResult::kNoTag, "x"), "No ID Tag Found!");
    EXPECT_EQ(TagResultMessage(TagResult::kInUseOrReadOnly, "x"), "File in Use or Read-only.  Cannot Write");
    // Any other failure: the error's number followed directly by its description.
    EXPECT_EQ(TagResultMessage(TagResult::kIoError, "x", ENOSPC), std::to_string(ENOSPC) + std::strerror(ENOSPC));
}

#ifndef _WIN32
// An append that stops part-way (the file may grow by 50 bytes only) is
// reported with its error, and the file is cut back to its old length.
TEST(Id3v1File, FailedAppendLeavesTheFileAsItWas) {
    const std::string path = "tag_append_fails.mp3";
    const std::string audio = Audio(4000);
    WriteRaw(path, audio);
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = audio.size() + 50;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int error = 0;
    const TagResult r = SaveTag(path, Sample(), BytesCodePage(), &error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(r, TagResult::kIoError);
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(TagResultMessage(r, path, error), std::to_string(EFBIG) + std::strerror(EFBIG));
    EXPECT_EQ(ReadRaw(path), audio);
    std::remove(path.c_str());
}
#endif

#ifndef _WIN32
namespace {

std::string RunCommand(const std::string& cmd) {
    std::string out;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return out;
    char buf[512];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    return out;
}

// One field of "id3v2 -l": the text after label up to the next label (or
// the end of the line), trailing blanks removed.
std::string Field(const std::string& listing, const std::string& label, const std::string& next) {
    size_t at = listing.find(label);
    if (at == std::string::npos) return "<none>";
    at += label.size();
    size_t end = next.empty() ? listing.find('\n', at) : listing.find(next, at);
    std::string v = listing.substr(at, end - at);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\n' || v.back() == ',')) v.pop_back();
    return v;
}

bool HaveId3v2() { return std::system("id3v2 --version >/dev/null 2>&1") == 0; }
bool HaveEyeD3() { return std::system("eyeD3 --version >/dev/null 2>&1") == 0; }

// The value after "label: " (at the start of a line or after a tab) in an
// "eyeD3 -1" listing, up to a tab or the end of its line; for the comment,
// the line below its label.
std::string EyeD3Value(const std::string& listing, const std::string& label) {
    const std::string key = label + ": ";
    size_t at = listing.find(key);
    while (at != std::string::npos && at != 0 && listing[at - 1] != '\n' && listing[at - 1] != '\t')
        at = listing.find(key, at + 1);
    if (at == std::string::npos) return "<none>";
    at += key.size();
    if (label == "Comment") at = listing.find('\n', at) + 1;
    std::string v = listing.substr(at, listing.find_first_of("\t\n", at) - at);
    while (!v.empty() && v.back() == ' ') v.pop_back();
    return v;
}

constexpr char kTheirFields[] = "-t 'Their Title' -a 'Their Artist' -A 'Their Album' ";

// The tag another tagger wrote (kTheirFields, 2001, "Their comment", Blues,
// track 9) as our reader sees it, and that our remove gives back the audio.
void ExpectTheirTag(const std::string& path, const std::string& audio) {
    std::string tagged = ReadRaw(path);
    ASSERT_EQ(tagged.size(), audio.size() + 128);
    EXPECT_EQ(tagged.substr(0, audio.size()), audio);
    core::SongInfoRecord rec;
    ASSERT_TRUE(core::ReadId3v1(reinterpret_cast<const uint8_t*>(tagged.data() + audio.size()), rec));
    EXPECT_EQ(rec.Title, "Their Title");
    EXPECT_EQ(rec.Artist, "Their Artist");
    EXPECT_EQ(rec.Album, "Their Album");
    EXPECT_EQ(rec.Year, "2001");
    EXPECT_EQ(rec.Comment, "Their comment");
    EXPECT_EQ(rec.Genre, "Blues");
    EXPECT_EQ(rec.TrackNumber, 9);
}

}  // namespace

// One independent tagger: how it lists the ID3v1 tag of a file, how it
// writes one (kTheirFields, 2001, "Their comment", Blues, track 9) and the
// sound data it takes a file for.
struct Tagger {
    const char* name;
    bool (*present)();
    std::string audio;
    std::string list;         // the command that lists the tag, the path appended
    std::string writeTheirs;  // the command that writes their tag, the path appended
    // The listed value of "title", "artist", "album", "year", "genre",
    // "comment" or "track".
    std::string (*value)(const std::string& listing, const std::string& field);
};

std::string Id3v2Value(const std::string& l, const std::string& field) {
    std::string v = field == "title"    ? Field(l, "Title  : ", "Artist:")
                    : field == "artist" ? Field(l, "Artist: ", "")
                    : field == "album"  ? Field(l, "Album  : ", "Year:")
                    : field == "year"   ? Field(l, "Year: ", "Genre:")
                    : field == "genre"  ? Field(l, "Genre: ", "")
                    : field == "comment" ? Field(l, "Comment: ", "Track:")
                                         : Field(l, "Track: ", "");
    v = v.substr(0, v.find('\n'));
    while (!v.empty() && v.back() == ' ') v.pop_back();
    return v;
}

std::string EyeD3Field(const std::string& l, const std::string& field) {
    return EyeD3Value(l, field == "year" ? "release date" : field == "comment" ? "Comment" : field);
}

// Tags we write read back the same in each tagger (a title that fills its
// whole width), tags each tagger writes read back here and keep their track
// number through our save, and removing either leaves the sound data alone.
TEST(Id3v1Interop, TaggersReadOursAndWeReadTheirs) {
    const Tagger taggers[] = {
        {"id3v2", HaveId3v2, Audio(3000), "id3v2 -l ",
         "id3v2 -1 " + std::string(kTheirFields) + "-y 2001 -c 'Their comment' -g 0 -T 9 ", Id3v2Value},
        {"eyeD3", HaveEyeD3, vorne::testing::MpegFrames(8), "eyeD3 --no-color -1 ",
         "eyeD3 --no-color -1 --to-v1.1 " + std::string(kTheirFields) +
             "-Y 2001 -c 'Their comment' -G Blues -n 9 ",
         EyeD3Field},
    };
    for (const Tagger& t : taggers) {
        SCOPED_TRACE(t.name);
        ASSERT_TRUE(t.present()) << t.name << " is installed by scripts/setup.sh";
        const std::string path = std::string("tag_interop_") + t.name + ".mp3";
        WriteRaw(path, t.audio);
        TagFields f = Sample();
        f.title = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";
        f.genre = "Rock";
        ASSERT_EQ(SaveTag(path, f, BytesCodePage()), TagResult::kAppended);
        std::string l = RunCommand(t.list + path + " 2>&1");
        EXPECT_EQ(t.value(l, "title"), f.title) << l;
        EXPECT_EQ(t.value(l, "artist"), "Artist X");
        EXPECT_EQ(t.value(l, "album"), "The Album");
        EXPECT_EQ(t.value(l, "year"), "1999");
        EXPECT_NE(t.value(l, "genre").find(std::to_string(core::GenreNumber("Rock")) + ")"), std::string::npos) << l;
        EXPECT_EQ(t.value(l, "comment"), "A comment");
        ASSERT_EQ(RemoveTag(path), TagResult::kRemoved);
        EXPECT_EQ(ReadRaw(path), t.audio);

        ASSERT_EQ(std::system((t.writeTheirs + path + " >/dev/null 2>&1").c_str()), 0);
        ExpectTheirTag(path, t.audio);
        TagFields g = Sample();
        g.comment = "Ours";
        ASSERT_EQ(SaveTag(path, g, BytesCodePage()), TagResult::kSaved);
        l = RunCommand(t.list + path + " 2>&1");
        EXPECT_EQ(t.value(l, "comment"), "Ours") << l;
        EXPECT_EQ(t.value(l, "track"), "9");
        ASSERT_EQ(RemoveTag(path), TagResult::kRemoved);
        EXPECT_EQ(ReadRaw(path), t.audio);
        std::remove(path.c_str());
    }
}
#endif
