// The tag editor's model: the size and stream-fact lines, what it shows for
// tagged, untagged and short files, and the save, make and removal of a
// tag around a player that holds the file. Natively, the tags written are
// read back by the system's own taggers (id3v2, eyeD3).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "player/library/tageditor/tag_editor_core.h"
#include "runtime/text/ansi.h"

namespace vorne::player::library::tageditor {
namespace {

std::string ReadAll(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
void WriteAll(const std::string& p, const std::string& d) { std::ofstream(p, std::ios::binary) << d; }

std::string TempPath(const std::string& name) {
#ifdef _WIN32
    const char* t = std::getenv("TEMP");
    return std::string(t ? t : ".") + "\\" + name;
#else
    return "/tmp/" + name;
#endif
}

// A player that records what the editor asks of it.
class FakePlayer : public TagEditorPlayer {
public:
    std::string current;
    PlayerHold held{73, 1};
    int playsAfterPolls = 2;  // polls before the reopened file plays; -1 never
    std::vector<std::string> calls;
    PlayerHold resumed{-1, -1};

    bool IsCurrent(const std::string& p) override {
        auto up = [](std::string s) {
            for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return s;
        };
        return !current.empty() && up(p) == up(current);
    }
    PlayerHold Release() override {
        calls.push_back("release");
        return held;
    }
    void Reopen(const std::string& p) override { calls.push_back("reopen " + p); }
    bool IsPlaying() override {
        if (playsAfterPolls < 0) return false;
        return playsAfterPolls-- == 0;
    }
    void Resume(const PlayerHold& h) override {
        calls.push_back("resume");
        resumed = h;
    }
};

struct Rig {
    std::string currentFile;
    core::SongInfoRecord currentInfo;
    int64_t clock = 0;
    TagEditorModel model{Env()};

    TagEditorEnv Env() {
        TagEditorEnv e;
        e.currentFile = [this] { return currentFile; };
        e.currentSongInfo = [this] { return currentInfo; };
        e.songInfo = [](const std::string& p) { return core::GetMp3Info(p); };
        e.yield = [this] { clock += 100; };
        e.clockMs = [this] { return clock; };
        return e;
    }
};

// 4 KB of not-a-tag bytes, a stand-in song.
std::string Body() {
    std::string b(4096, '\0');
    for (size_t i = 0; i < b.size(); ++i) b[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    return b;
}

TEST(TagEditorLines, SizeAndStreamFacts) {
    const std::pair<int64_t, const char*> sizes[] = {
        {3456789, "3456789 - (3.45mb)"}, {123000000, "123000000 - (123mb)"}, {3400000, "3400000 - (3.4mb)"},
        {3050000, "3050000 - (3.05mb)"}, {999999, "999999 - (0.99mb)"},    {0, "0 - (0mb)"},
    };
    for (auto& s : sizes) EXPECT_EQ(SizeLine(s.first), s.second);

    core::SongInfoRecord r;
    EXPECT_EQ(StreamFacts(r), "");
    r.MpegVersion = "1";
    r.Layer = "3";
    r.Frequency = 44100;
    r.ChannelMode = "0";
    r.BitRate = 128000;
    r.FrameCount = 38;
    r.FrameMs = 26;
    r.Copyrighted = "False";
    r.Original = "True";
    r.Checksums = "False";
    EXPECT_EQ(StreamFacts(r),
              "MPEG 1 layer 3\r\n44100hz (Stereo)\r\n128kbit, 38 frames\r\n26ms per frame\r\n"
              "Copyrighted: False\r\nOriginal: True\r\nChecksums: False\r\n");
    r.ChannelMode = "3";
    EXPECT_NE(StreamFacts(r).find("44100hz (channel mode:3)\r\n"), std::string::npos);
}

TEST(TagEditorModel, MakeSaveRemoveAroundThePlayer) {
    const std::string path = TempPath("vorne_tag_model.mp3");
    WriteAll(path, Body());
    Rig rig;
    // The song now selected has no tag: the display stands its path in for
    // the title.
    rig.currentFile = path;
    rig.currentInfo.Title = path;
    FakePlayer player;
    player.current = path;

    rig.model.Reset();
    rig.model.MapData("");
    EXPECT_EQ(rig.model.file, path);
    EXPECT_EQ(rig.model.saveCaption, "Make TAG");
    EXPECT_TRUE(rig.model.saveEnabled);
    EXPECT_FALSE(rig.model.removeEnabled);
    EXPECT_EQ(rig.model.title, "") << "the display's stand-in title never becomes a field";

    rig.model.title = "Hello";
    rig.model.artist = "Artist";
    rig.model.genre = "Blues";
    auto r = rig.model.Save(&player);
    EXPECT_EQ(r.result, TagResult::kAppended);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(player.calls, (std::vector<std::string>{"release", "reopen " + path, "resume"}));
    EXPECT_EQ(player.resumed.position, 73);
    EXPECT_EQ(player.resumed.state, 1);
    EXPECT_FALSE(rig.model.waitTimedOut);
    std::string bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 4096u + 128u);
    EXPECT_EQ(bytes.substr(4096, 3 + 30), "TAGHello                         ");
    EXPECT_EQ(static_cast<unsigned char>(bytes.back()), 0);
    // Filled again from the file: a tag, unchanged.
    EXPECT_EQ(rig.model.saveCaption, "Save TAG");
    EXPECT_FALSE(rig.model.saveEnabled);
    EXPECT_TRUE(rig.model.removeEnabled);
    EXPECT_EQ(rig.model.title, "Hello");

    // Saving again overwrites the same 128 bytes.
    rig.model.title = "Again";
    rig.model.genre = "No Such Genre";
    EXPECT_EQ(rig.model.Save(&player).result, TagResult::kSaved);
    bytes = ReadAll(path);
    EXPECT_EQ(bytes.size(), 4096u + 128u);
    EXPECT_EQ(static_cast<unsigned char>(bytes.back()), 255);

    // Removal gives back the file byte for byte.
    player.calls.clear();
    EXPECT_EQ(rig.model.Remove(&player).result, TagResult::kRemoved);
    EXPECT_EQ(ReadAll(path), Body());
    EXPECT_EQ(player.calls.size(), 3u);
    EXPECT_EQ(rig.model.saveCaption, "Make TAG");
    EXPECT_FALSE(rig.model.saveEnabled);
    EXPECT_FALSE(rig.model.removeEnabled);
    EXPECT_EQ(rig.model.Remove(&player).message, "No ID Tag Found!");
    text::RemoveFile(path);
}

TEST(TagEditorModel, TheWaitForThePlayerIsBoundedAndTheStateFreshEachOpening) {
    const std::string path = TempPath("vorne_tag_wait.mp3");
    WriteAll(path, Body());
    Rig rig;
    FakePlayer player;
    player.current = path;
    player.playsAfterPolls = -1;  // the player never plays again
    rig.model.MapData(path);
    rig.model.title = "x";
    rig.model.Save(&player);
    EXPECT_TRUE(rig.model.waitTimedOut);
    EXPECT_GE(rig.clock, 10000);
    EXPECT_LE(rig.clock, 10200);
    EXPECT_EQ(player.calls.back(), "resume") << "the position and state are still put back";

    // Closing ends the wait at once; a new opening starts fresh.
    rig.model.Close();
    EXPECT_TRUE(rig.model.closingEditor);
    rig.model.Reset();
    EXPECT_FALSE(rig.model.closingEditor);
    EXPECT_EQ(rig.model.tagPath, "");
    const int64_t before = rig.clock;
    player.playsAfterPolls = 3;
    rig.model.MapData(path);
    rig.model.Save(&player);
    EXPECT_EQ(rig.clock - before, 300);
    text::RemoveFile(path);
}

TEST(TagEditorModel, ShortAndMissingFilesWriteNothing) {
    const std::string path = TempPath("vorne_tag_short.mp3");
    WriteAll(path, std::string(100, 'x'));
    Rig rig;
    rig.model.MapData(path);
    EXPECT_FALSE(rig.model.saveEnabled);
    EXPECT_FALSE(rig.model.removeEnabled);
    EXPECT_EQ(rig.model.Save(nullptr).message, path + " contains no data or too little.");
    EXPECT_EQ(ReadAll(path), std::string(100, 'x'));
    text::RemoveFile(path);
}

#ifndef _WIN32
// Runs a command and gives what it printed.
std::string Shell(const std::string& cmd) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> p(popen((cmd + " 2>&1").c_str(), "r"), pclose);
    char buf[512];
    while (p && std::fgets(buf, sizeof buf, p.get())) out += buf;
    return out;
}

// A real song made by sox and lame, tagged through the editor and read back
// by two independent taggers.
TEST(TagEditorModel, TaggersReadWhatTheEditorWrote) {
    if (std::system("command -v sox >/dev/null && command -v lame >/dev/null && command -v id3v2 >/dev/null && "
                    "command -v eyeD3 >/dev/null") != 0)
        GTEST_SKIP() << "sox, lame, id3v2 or eyeD3 missing";
    const std::string wav = TempPath("vorne_tagger.wav"), mp3 = TempPath("vorne_tagger.mp3");
    ASSERT_EQ(std::system(("sox -n -r 44100 -c 2 -b 16 " + wav + " synth 1 sine 440 && lame --quiet -b 128 " + wav +
                           " " + mp3).c_str()),
              0);
    Rig rig;
    FakePlayer player;
    rig.model.MapData(mp3);
    EXPECT_EQ(rig.model.saveCaption, "Make TAG");
    EXPECT_NE(rig.model.extraText.find("44100hz"), std::string::npos) << rig.model.extraText;
    rig.model.title = "Night Drive";
    rig.model.artist = "The Vornes";
    rig.model.album = "Tape Side A";
    rig.model.year = "1999";
    rig.model.comments = "made by the editor";
    rig.model.genre = "Synthpop";
    ASSERT_EQ(rig.model.Save(&player).result, TagResult::kAppended);
    const std::string id3 = Shell("id3v2 -l " + mp3);
    EXPECT_NE(id3.find("Title  : Night Drive"), std::string::npos) << id3;
    EXPECT_NE(id3.find("Artist: The Vornes"), std::string::npos) << id3;
    EXPECT_NE(id3.find("Album  : Tape Side A"), std::string::npos) << id3;
    EXPECT_NE(id3.find("Year: 1999"), std::string::npos) << id3;
    EXPECT_NE(id3.find("Comment: made by the editor"), std::string::npos) << id3;
    const std::string eye = Shell("eyeD3 --no-color -1 " + mp3);
    EXPECT_NE(eye.find("title: Night Drive"), std::string::npos) << eye;
    EXPECT_NE(eye.find("genre: Synthpop"), std::string::npos) << eye;

    ASSERT_EQ(rig.model.Remove(&player).result, TagResult::kRemoved);
    const std::string gone = Shell("eyeD3 --no-color -1 " + mp3);
    EXPECT_NE(gone.find("No ID3 v1.x tag found"), std::string::npos) << gone;
    std::remove(wav.c_str());
    std::remove(mp3.c_str());
}
#endif

}  // namespace
}  // namespace vorne::player::library::tageditor
