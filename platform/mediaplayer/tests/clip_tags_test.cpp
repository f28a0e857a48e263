// The clip texts read from ID3 tags: blocks built byte by byte for each
// version and each of the rules, and (on the host) the tags other taggers
// write.
#include "platform/mediaplayer/clip_tags.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "runtime/testing/mpeg_frames.h"

namespace vorne::mediaplayer {
namespace {

std::string Syncsafe(uint32_t v) {
    return {static_cast<char>((v >> 21) & 0x7F), static_cast<char>((v >> 14) & 0x7F),
            static_cast<char>((v >> 7) & 0x7F), static_cast<char>(v & 0x7F)};
}
std::string Plain32(uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string Tag(int version, uint8_t flags, const std::string& body) {
    return std::string("ID3") + static_cast<char>(version) + '\0' + static_cast<char>(flags) +
           Syncsafe(static_cast<uint32_t>(body.size())) + body;
}
std::string Frame22(const char* id, const std::string& data) {
    const auto n = static_cast<uint32_t>(data.size());
    return std::string(id, 3) + static_cast<char>(n >> 16) + static_cast<char>(n >> 8) + static_cast<char>(n) + data;
}
std::string Frame23(const char* id, const std::string& data, uint8_t format = 0) {
    return std::string(id, 4) + Plain32(static_cast<uint32_t>(data.size())) + '\0' + static_cast<char>(format) + data;
}
std::string Frame24(const char* id, const std::string& data, uint8_t format = 0, bool plainSize = false) {
    const auto n = static_cast<uint32_t>(data.size());
    return std::string(id, 4) + (plainSize ? Plain32(n) : Syncsafe(n)) + '\0' + static_cast<char>(format) + data;
}
std::string Latin1(const std::string& s) { return '\0' + s; }

// The unsynchronisation scheme: a zero after every FF that precedes a byte
// of E0 or above, a zero, or the end.
std::string Unsync(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        out += s[i];
        const bool ff = static_cast<uint8_t>(s[i]) == 0xFF;
        if (ff && (i + 1 == s.size() || static_cast<uint8_t>(s[i + 1]) >= 0xE0 || s[i + 1] == '\0')) out += '\0';
    }
    return out;
}

Id3v2Texts Read(const std::string& bytes) {
    return ReadId3v2Texts(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

struct Id3v2Case {
    const char* name;
    std::string bytes;
    std::optional<std::u16string> title, artist, album;
};

TEST(ClipTags, Id3v2BlocksOfEachVersionAndRule) {
    const std::string title23 = Frame23("TIT2", Latin1("Title"));
    const Id3v2Case cases[] = {
        {"2.2 three-letter frames", Tag(2, 0, Frame22("TT2", Latin1("T")) + Frame22("TP1", Latin1("A")) +
                                                  Frame22("TAL", Latin1("B"))),
         u"T", u"A", u"B"},
        {"2.3 Latin-1 beyond ASCII", Tag(3, 0, Frame23("TPE1", Latin1("Caf\xe9")) + title23), u"Title",
         u"Caf\u00e9", std::nullopt},
        {"2.3 UTF-16 with either byte order mark",
         Tag(3, 0, Frame23("TIT2", std::string("\x01\xFF\xFE\xE9\x00\x19\x20", 7)) +
                       Frame23("TALB", std::string("\x01\xFE\xFF\x6F\x22\x00\x00", 7))),
         u"\u00e9\u2019", std::nullopt, u"\u6f22"},
        {"2.4 UTF-16BE and UTF-8 with a four-byte character",
         Tag(4, 0, Frame24("TIT2", std::string("\x02\x4E\x9C", 3)) +
                       Frame24("TPE1", "\x03" "a\xF0\x9F\x8E\xB5" "b")),
         u"\u4e9c", u"a\U0001F3B5b", std::nullopt},
        {"bad UTF-8 becomes a replacement character",
         Tag(4, 0, Frame24("TIT2", "\x03" "x\xC0\xAFy\xE2\x82")), u"x\uFFFD\uFFFDy\uFFFD\uFFFD", std::nullopt,
         std::nullopt},
        {"the first of several texts, up to its end",
         Tag(4, 0, Frame24("TIT2", std::string("\x03One\0Two", 8))), u"One", std::nullopt, std::nullopt},
        {"the first frame of a kind holds", Tag(3, 0, title23 + Frame23("TIT2", Latin1("Later"))), u"Title",
         std::nullopt, std::nullopt},
        {"an unknown encoding gives nothing", Tag(3, 0, Frame23("TIT2", "\x07Title")), std::nullopt,
         std::nullopt, std::nullopt},
        {"an empty frame is an empty text", Tag(3, 0, Frame23("TIT2", "")), u"", std::nullopt, std::nullopt},
        {"2.3 whole-tag unsynchronisation",
         Tag(3, 0x80, Unsync(Frame23("TIT2", std::string("\x00\xFF\xFF", 3)) + Frame23("TPE1", Latin1("A")))),
         u"\u00ff\u00ff", u"A", std::nullopt},
        {"2.3 extended header", Tag(3, 0x40, Plain32(6) + std::string(6, '\0') + title23), u"Title",
         std::nullopt, std::nullopt},
        {"2.4 extended header counts itself",
         Tag(4, 0x40, Syncsafe(6) + std::string("\x01\x00", 2) + Frame24("TIT2", Latin1("Title"))), u"Title",
         std::nullopt, std::nullopt},
        {"2.4 plain frame size of an old tagger",
         Tag(4, 0, Frame24("TIT2", Latin1(std::string(199, 'x')), 0, true) + Frame24("TPE1", Latin1("A"))),
         std::u16string(199, u'x'), u"A", std::nullopt},
        {"2.4 group byte, length indicator and frame unsynchronisation",
         Tag(4, 0, Frame24("TIT2", "\x05" + Syncsafe(3) + std::string("\x00\xFF\x00\xE0", 4), 0x43)),
         u"\u00ff\u00e0", std::nullopt, std::nullopt},
        {"compressed and encrypted frames are passed over",
         Tag(3, 0, Frame23("TIT2", Latin1("Packed"), 0x80) + Frame23("TPE1", Latin1("Secret"), 0x40) +
                       Frame23("TALB", Latin1("x"))),
         std::nullopt, std::nullopt, u"x"},
        {"2.4 compressed frame passed over", Tag(4, 0, Frame24("TIT2", Latin1("Packed"), 0x08) + title23),
         u"Title", std::nullopt, std::nullopt},
        {"padding ends the frames", Tag(3, 0, std::string(20, '\0') + title23), std::nullopt, std::nullopt,
         std::nullopt},
        {"a compressed 2.2 tag is not read", Tag(2, 0x40, Frame22("TT2", Latin1("T"))), std::nullopt,
         std::nullopt, std::nullopt},
        {"version 5 is not read", Tag(5, 0, title23), std::nullopt, std::nullopt, std::nullopt},
        {"no block", "ID4" + Tag(3, 0, title23).substr(3), std::nullopt, std::nullopt, std::nullopt},
        {"a size byte with its high bit set", std::string("ID3\x03\x00\x00\x00\x00\x80\x10", 10) + title23, std::nullopt,
         std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Id3v2Texts t = Read(c.bytes);
        EXPECT_EQ(t[kClipTitle], c.title);
        EXPECT_EQ(t[kClipArtist], c.artist);
        EXPECT_EQ(t[kClipAlbum], c.album);
    }
}

// What was read of a block cut short: the frames wholly inside it.
TEST(ClipTags, BlockCutShortGivesTheWholeFramesBeforeTheCut) {
    const std::string tag = Tag(3, 0, Frame23("TIT2", Latin1("Title")) + Frame23("TPE1", Latin1("Artist")));
    for (size_t n = 0; n <= tag.size(); ++n) {
        SCOPED_TRACE(n);
        Id3v2Texts t = ReadId3v2Texts(reinterpret_cast<const uint8_t*>(tag.data()), n);
        const bool titleIn = n >= 10 + 10 + 6, artistIn = n == tag.size();
        EXPECT_EQ(t[kClipTitle].has_value(), titleIn);
        EXPECT_EQ(t[kClipArtist].has_value(), artistIn);
    }
}

TEST(ClipTags, HeadBytesToRead) {
    const std::string big = std::string("ID3\x03\x00\x00", 6) + Syncsafe(3u << 20);
    const std::string small = std::string("ID3\x04\x00\x10", 6) + Syncsafe(100);  // with a footer
    EXPECT_EQ(Id3v2HeadBytes(reinterpret_cast<const uint8_t*>(big.data())), kMaxTagHead);
    EXPECT_EQ(Id3v2HeadBytes(reinterpret_cast<const uint8_t*>(small.data())), 120u);
    EXPECT_EQ(Id3v2HeadBytes(reinterpret_cast<const uint8_t*>("\xFF\xFB\x90\x64xxxxxx")), 0u);
}

TEST(ClipTags, Id3v1FieldsEndAtTheirFirstZeroAndLoseTrailingBlanks) {
    std::string block = "TAG";
    block += std::string("Title  ") + std::string(23, '\0');
    block += std::string("Art") + '\0' + "garbage" + std::string(19, ' ');
    block += std::string(30, 'Z');
    block.resize(128, '\0');
    Id3v1Texts t = ReadId3v1Texts(reinterpret_cast<const uint8_t*>(block.data()));
    EXPECT_EQ(t[kClipTitle], "Title");
    EXPECT_EQ(t[kClipArtist], "Art");
    EXPECT_EQ(t[kClipAlbum], std::string(30, 'Z'));
    block[0] = 't';
    t = ReadId3v1Texts(reinterpret_cast<const uint8_t*>(block.data()));
    EXPECT_EQ(t, Id3v1Texts{});
}

TEST(ClipTags, ItemsOfTheClipInformation) {
    EXPECT_EQ(ClipFieldOfItem(8), kClipTitle);
    EXPECT_EQ(ClipFieldOfItem(9), kClipArtist);
    EXPECT_EQ(ClipFieldOfItem(10), kClipAlbum);
    for (long other : {-1L, 0L, 7L, 11L, 2016L}) EXPECT_FALSE(ClipFieldOfItem(other)) << other;
}

#ifndef _WIN32
std::string ReadAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// Tags written by other programs, in the versions and encodings each
// offers, read back with the texts they were given.
TEST(ClipTagsInterop, TagsOfOtherTaggersReadBack) {
    const std::string title = "Caf\u00e9 \u2019Night\u2019 \u591c";  // UTF-8 on the command line
    const std::string latin = "Caf\u00e9 Night";
    struct Writer {
        const char* name;
        std::string command;  // the file's path appended
        std::u16string title, artist, album;
    };
    const std::string q = "'";
    const Writer writers[] = {
        {"eyeD3 2.4 UTF-8",
         "eyeD3 --no-color --to-v2.4 --encoding utf8 -t " + q + title + q + " -a 'Ärtist' -A '漢字 Album' ",
         u"Caf\u00e9 \u2019Night\u2019 \u591c", u"\u00c4rtist", u"\u6f22\u5b57 Album"},
        {"eyeD3 2.3 UTF-16", "eyeD3 --no-color --to-v2.3 --encoding utf16 -t " + q + title + q + " -a A -A B ",
         u"Caf\u00e9 \u2019Night\u2019 \u591c", u"A", u"B"},
        {"eyeD3 2.3 Latin-1", "eyeD3 --no-color --to-v2.3 --encoding latin1 -t " + q + latin + q + " -a A -A B ",
         u"Caf\u00e9 Night", u"A", u"B"},
        {"id3v2 2.3", "id3v2 -2 -t 'Plain Title' -a 'Plain Artist' -A 'Plain Album' ", u"Plain Title",
         u"Plain Artist", u"Plain Album"},
    };
    for (const Writer& w : writers) {
        SCOPED_TRACE(w.name);
        const std::string path = "clip_tags_interop.mp3";
        {
            std::ofstream f(path, std::ios::binary);
            f << vorne::testing::MpegFrames(8);
        }
        ASSERT_EQ(std::system((w.command + path + " >/dev/null 2>&1").c_str()), 0) << w.command;
        const std::string bytes = ReadAll(path);
        Id3v2Texts t = Read(bytes);
        EXPECT_EQ(t[kClipTitle], w.title);
        EXPECT_EQ(t[kClipArtist], w.artist);
        EXPECT_EQ(t[kClipAlbum], w.album);
        std::remove(path.c_str());
    }
    // ffmpeg writes 2.4 in UTF-8 and 2.3 in UTF-16.
    for (int version : {3, 4}) {
        SCOPED_TRACE(version);
        const std::string out = "clip_tags_ffmpeg.mp3";
        const std::string cmd = "ffmpeg -loglevel error -y -f lavfi -i anullsrc=r=44100:cl=mono -t 0.2 -c:a mp3 "
                                "-id3v2_version " + std::to_string(version) + " -metadata title=" + q + title + q +
                                " -metadata artist=Artist -metadata album=" + q + "\u6f22" + q + " " + out;
        if (std::system((cmd + " >/dev/null 2>&1").c_str()) != 0) {
            ADD_FAILURE() << "ffmpeg is installed by scripts/setup.sh";
            continue;
        }
        Id3v2Texts t = Read(ReadAll(out));
        EXPECT_EQ(t[kClipTitle], u"Caf\u00e9 \u2019Night\u2019 \u591c");
        EXPECT_EQ(t[kClipArtist], u"Artist");
        EXPECT_EQ(t[kClipAlbum], u"\u6f22");
        std::remove(out.c_str());
    }
}
#endif

}  // namespace
}  // namespace vorne::mediaplayer
