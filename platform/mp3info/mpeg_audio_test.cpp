#include "platform/mp3info/mpeg_audio.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "platform/mp3info/mp3_properties.h"

namespace {

using vorne::mp3info::FrameHeader;
using vorne::mp3info::MpegVersion;

struct HeaderCase {
  uint8_t b[4];
  bool valid;
  MpegVersion version = MpegVersion::Mpeg1;
  int layer = 0, kbps = 0, rate = 0, frameBytes = 0, samples = 0;
};

TEST(FrameHeader, Table) {
  const HeaderCase cases[] = {
      {{0xFF, 0xFB, 0x90, 0x40}, true, MpegVersion::Mpeg1, 3, 128, 44100, 417, 1152},
      {{0xFF, 0xFB, 0x92, 0x40}, true, MpegVersion::Mpeg1, 3, 128, 44100, 418, 1152},
      {{0xFF, 0xFD, 0xA4, 0x00}, true, MpegVersion::Mpeg1, 2, 192, 48000, 576, 1152},
      {{0xFF, 0xFF, 0x18, 0x00}, true, MpegVersion::Mpeg1, 1, 32, 32000, 48, 384},
      {{0xFF, 0xF3, 0x80, 0xC0}, true, MpegVersion::Mpeg2, 3, 64, 22050, 208, 576},
      {{0xFF, 0xE3, 0x40, 0xC0}, true, MpegVersion::Mpeg25, 3, 32, 11025, 208, 576},
      {{0xFF, 0xE3, 0x18, 0xC0}, true, MpegVersion::Mpeg25, 3, 8, 8000, 72, 576},
      {{0xFF, 0xFB, 0xF0, 0x40}, false},  // bit rate index 15
      {{0xFF, 0xFB, 0x00, 0x40}, false},  // free format
      {{0xFF, 0xFB, 0x9C, 0x40}, false},  // sample rate index 3
      {{0xFF, 0xEB, 0x90, 0x40}, false},  // version 01 reserved
      {{0xFF, 0xF9, 0x90, 0x40}, false},  // layer 00 reserved
      {{0xFF, 0xFB, 0x90, 0x42}, false},  // emphasis 2 reserved
      {{0xFE, 0xFB, 0x90, 0x40}, false},  // no sync
  };
  for (const auto& c : cases) {
    auto h = vorne::mp3info::ParseFrameHeader(c.b, 4);
    SCOPED_TRACE(::testing::Message() << std::hex << int(c.b[1]) << " " << int(c.b[2]) << " " << int(c.b[3]));
    ASSERT_EQ(h.has_value(), c.valid);
    if (!h) continue;
    EXPECT_EQ(h->version, c.version);
    EXPECT_EQ(h->layer, c.layer);
    EXPECT_EQ(h->bitrateKbps, c.kbps);
    EXPECT_EQ(h->sampleRate, c.rate);
    EXPECT_EQ(h->frameBytes, c.frameBytes);
    EXPECT_EQ(h->samplesPerFrame, c.samples);
  }
  EXPECT_FALSE(vorne::mp3info::ParseFrameHeader(cases[0].b, 3).has_value());
  EXPECT_FALSE(vorne::mp3info::ParseFrameHeader(nullptr, 4).has_value());
}

std::vector<uint8_t> Frames(const uint8_t hdr[4], int frameBytes, int count) {
  std::vector<uint8_t> out;
  for (int i = 0; i < count; ++i) {
    size_t at = out.size();
    out.resize(at + static_cast<size_t>(frameBytes), 0);
    std::copy(hdr, hdr + 4, out.begin() + static_cast<long>(at));
  }
  return out;
}

TEST(StreamAnalysis, Id3BlocksAndEstimates) {
  const uint8_t hdr[4] = {0xFF, 0xFB, 0x90, 0x44};  // 128k 44.1k stereo, original
  std::vector<uint8_t> audio = Frames(hdr, 417, 50);
  // ID3v2 block of 10 + 300 bytes in front, a junk byte run, ID3v1 behind.
  std::vector<uint8_t> file = {'I', 'D', '3', 3, 0, 0, 0, 0, 2, 44};
  file.resize(310, 0xFF);  // sync-like bytes inside the tag must be skipped
  file.insert(file.end(), audio.begin(), audio.end());
  std::vector<uint8_t> tag(128, 0);
  tag[0] = 'T'; tag[1] = 'A'; tag[2] = 'G';
  file.insert(file.end(), tag.begin(), tag.end());
  auto info = vorne::mp3info::AnalyzeBuffer(file.data(), file.size());
  ASSERT_TRUE(info.valid);
  EXPECT_EQ(info.audioStart, 310u);
  EXPECT_TRUE(info.hasId3v1);
  EXPECT_EQ(info.audioBytes, 50u * 417);
  EXPECT_EQ(info.frameCount, 50u);
  EXPECT_EQ(info.countSource, vorne::mp3info::FrameCountSource::Estimate);
  EXPECT_EQ(info.durationMs, 1306u);  // 50 x 26.122 ms
  auto p = vorne::mp3info::PropertiesOf(info);
  EXPECT_EQ(p.Valid, 0);
  EXPECT_EQ(p.BitRate, 128000);
  EXPECT_TRUE(p.Original);
  EXPECT_FALSE(p.Copyright);
  EXPECT_EQ(p.MpegVersion, 1);
  EXPECT_NEAR(p.MsPerFrame, 26.1224f, 1e-3);
}

TEST(StreamAnalysis, ReadsABoundedNumberOfBytes) {
  const uint8_t hdr[4] = {0xFF, 0xFB, 0x90, 0x40};
  for (int frames : {10, 5000}) {
    std::vector<uint8_t> file = Frames(hdr, 417, frames);
    auto info = vorne::mp3info::AnalyzeBuffer(file.data(), file.size());
    ASSERT_TRUE(info.valid);
    // Frames without padding are a little shorter than the mean the size estimate uses.
    EXPECT_NEAR(info.frameCount, frames, frames / 200 + 1);
    EXPECT_LE(info.bytesRead, vorne::mp3info::kScanWindow + 128 + 40);
  }
}

TEST(StreamAnalysis, RejectsWhatIsNoStream) {
  const std::vector<std::vector<uint8_t>> cases = {
      {}, {0xFF}, {0xFF, 0xFB, 0x90}, std::vector<uint8_t>(5000, 0), std::vector<uint8_t>(5000, 0xFF),
      // a lone header whose next frame is missing and data goes on
      [] { std::vector<uint8_t> v(2000, 0); v[0] = 0xFF; v[1] = 0xFB; v[2] = 0x90; v[3] = 0x40; return v; }(),
      // an ID3v2 size that runs past the end
      {'I', 'D', '3', 3, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F, 0xFF, 0xFB, 0x90, 0x40}};
  for (size_t i = 0; i < cases.size(); ++i) {
    auto info = vorne::mp3info::AnalyzeBuffer(cases[i].data(), cases[i].size());
    EXPECT_FALSE(info.valid) << i;
    EXPECT_EQ(vorne::mp3info::PropertiesOf(info).Valid, -1);
  }
}

TEST(StreamAnalysis, XingAndVbriCounts) {
  const uint8_t hdr[4] = {0xFF, 0xFB, 0x90, 0xC0};  // mono: Xing at 4 + 17
  std::vector<uint8_t> file = Frames(hdr, 417, 10);
  const char* xing = "Xing";
  std::copy(xing, xing + 4, file.begin() + 21);
  file[28] = 3;                  // flags: frames and bytes
  file[32] = 0x01; file[33] = 0x00;  // frames = 256 (bytes 29..32 big endian)
  file[29] = 0; file[30] = 0; file[31] = 1; file[32] = 0;
  file[36] = 0; file[35] = 0; file[34] = 0; file[33] = 0;
  file[34] = 0x01; file[35] = 0x00; file[36] = 0x00;  // bytes = 65536
  auto info = vorne::mp3info::AnalyzeBuffer(file.data(), file.size());
  ASSERT_TRUE(info.valid);
  EXPECT_EQ(info.countSource, vorne::mp3info::FrameCountSource::Xing);
  EXPECT_EQ(info.frameCount, 256u);
  EXPECT_TRUE(info.variable);
  EXPECT_EQ(info.durationMs, 6687u);
  EXPECT_EQ(info.bitRate, 78404);  // 65536 bytes over 6.687 s

  std::vector<uint8_t> v = Frames(hdr, 417, 10);
  const char* vbri = "VBRI";
  std::copy(vbri, vbri + 4, v.begin() + 36);
  v[36 + 17] = 100;  // frames = 100
  info = vorne::mp3info::AnalyzeBuffer(v.data(), v.size());
  ASSERT_TRUE(info.valid);
  EXPECT_EQ(info.countSource, vorne::mp3info::FrameCountSource::Vbri);
  EXPECT_EQ(info.frameCount, 100u);
}

#ifndef _WIN32

std::string RunCommand(const std::string& cmd) {
  std::string out;
  FILE* p = popen((cmd + " 2>&1").c_str(), "r");
  if (!p) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  pclose(p);
  return out;
}

bool Have(const char* tool) { return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0; }

// What the independent decoder says about a file.
struct Facts {
  std::string version, layer, mode;
  int rate = 0, kbps = 0;
  long frames = -1;
  bool copyright = false, original = false, crc = false;
};

Facts Mpg123Facts(const std::string& path) {
  std::string out = RunCommand("mpg123 -t -vv '" + path + "'");
  for (char& c : out)
    if (c == '\r') c = '\n';
  Facts f;
  std::smatch m;
  if (std::regex_search(out, m, std::regex(R"(MPEG (\S+), Layer: (\S+), Freq: (\d+), mode: (\S+),)"))) {
    f.version = m[1];
    f.layer = m[2];
    f.rate = std::stoi(m[3]);
    f.mode = m[4];
  }
  if (std::regex_search(out, m, std::regex(R"(copyright: (\w+), original: (\w+), CRC: (\w+))"))) {
    f.copyright = m[1] == "Yes";
    f.original = m[2] == "Yes";
    f.crc = m[3] == "Yes";
  }
  if (std::regex_search(out, m, std::regex(R"(Bitrate: (\d+) kbit/s)"))) f.kbps = std::stoi(m[1]);
  std::regex last(R"(> (\d+)\+0+ )");
  for (auto it = std::sregex_iterator(out.begin(), out.end(), last); it != std::sregex_iterator(); ++it)
    f.frames = std::stol((*it)[1]);
  return f;
}

class EncodedFixtures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new std::filesystem::path(std::filesystem::temp_directory_path() / "vorne_mp3_fixtures");
    std::filesystem::remove_all(*dir_);
    std::filesystem::create_directories(*dir_);
    RunCommand("sox -n -r 44100 -c 2 -b 16 '" + Wav() + "' synth 2 sine 440 sine 660");
  }
  static void TearDownTestSuite() {
    std::filesystem::remove_all(*dir_);
    delete dir_;
  }
  static std::string Wav() { return (*dir_ / "in.wav").string(); }
  static std::string Out(const std::string& name) { return (*dir_ / name).string(); }
  static std::filesystem::path* dir_;
};
std::filesystem::path* EncodedFixtures::dir_ = nullptr;

struct EncodeCase {
  const char* name;
  const char* command;  // {in} and {out} are replaced
  bool variable;
};

TEST_F(EncodedFixtures, FactsAgreeWithTheDecoder) {
  if (!Have("lame") || !Have("mpg123") || !Have("sox")) GTEST_SKIP() << "lame, mpg123 or sox missing";
  const EncodeCase cases[] = {
      {"m1_js.mp3", "lame --quiet -b 128 {in} {out}", false},
      {"m1_stereo_48.mp3", "lame --quiet -m s -b 192 --resample 48 {in} {out}", false},
      {"m1_dual.mp3", "lame --quiet -m d -b 160 {in} {out}", false},
      {"m1_mono_crc_c_o.mp3", "lame --quiet -m m -p -c -o -b 64 {in} {out}", false},
      {"m2_22.mp3", "lame --quiet -b 64 --resample 22.05 {in} {out}", false},
      {"m2_16_mono.mp3", "lame --quiet -m m -b 32 --resample 16 {in} {out}", false},
      {"m25_11.mp3", "lame --quiet -b 32 --resample 11.025 {in} {out}", false},
      {"m25_8_mono.mp3", "lame --quiet -m m -b 16 --resample 8 {in} {out}", false},
      {"vbr.mp3", "lame --quiet -V 4 {in} {out}", true},
      {"vbr_m2.mp3", "lame --quiet -V 6 --resample 24 {in} {out}", true},
      {"id3v1.mp3", "lame --quiet -b 128 --id3v1-only --tt Song --ta Someone --tg Rock {in} {out}", false},
      {"id3v2.mp3", "lame --quiet -b 128 --id3v2-only --tt Song --ta Someone --pad-id3v2-size 3000 {in} {out}", false},
      {"both.mp3", "lame --quiet -V 2 --add-id3v2 --tt Song --tc Comment {in} {out}", true},
      {"nolame.mp3", "lame --quiet -b 96 -t {in} {out}", false},
      {"mp2.mp2", "twolame --quiet -b 192 {in} {out}", false},
      {"mp2_mono.mp2", "twolame --quiet -m m -b 96 {in} {out}", false},
  };
  const std::map<std::string, int> modes = {{"Stereo", 0}, {"Joint-Stereo", 1}, {"Dual-Channel", 2}, {"Single-Channel", 3}};
  const std::map<std::string, int> layers = {{"I", 1}, {"II", 2}, {"III", 3}};
  const std::map<std::string, int> versions = {{"1.0", 1}, {"2.0", 2}, {"2.5", 25}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string cmd = c.command;
    if (cmd.rfind("twolame", 0) == 0 && !Have("twolame")) continue;
    cmd.replace(cmd.find("{in}"), 4, "'" + Wav() + "'");
    cmd.replace(cmd.find("{out}"), 5, "'" + Out(c.name) + "'");
    RunCommand(cmd);
    ASSERT_TRUE(std::filesystem::exists(Out(c.name))) << cmd;
    Facts want = Mpg123Facts(Out(c.name));
    ASSERT_GT(want.rate, 0) << "decoder output not understood";
    vorne::mp3info::StreamInfo info = vorne::mp3info::AnalyzeFile(Out(c.name));
    vorne::mp3info::Mp3Properties p = vorne::mp3info::PropertiesOf(info);
    ASSERT_EQ(p.Valid, 0);
    EXPECT_EQ(p.MpegVersion, versions.at(want.version));
    EXPECT_EQ(p.Layer, layers.at(want.layer));
    EXPECT_EQ(p.SampleRate, want.rate);
    EXPECT_EQ(p.ChannelMode, modes.at(want.mode));
    EXPECT_EQ(p.Copyright, want.copyright);
    EXPECT_EQ(p.Original, want.original);
    EXPECT_EQ(p.Crc, want.crc);
    EXPECT_EQ(p.FrameCount, want.frames);
    EXPECT_EQ(info.variable, c.variable);
    if (!c.variable) {
      EXPECT_EQ(p.BitRate, want.kbps * 1000);
    }
    double ms = 1000.0 * info.first.samplesPerFrame / want.rate;
    EXPECT_NEAR(p.Duration, want.frames * ms, 1.0);
  }
}

#endif

}  // namespace
