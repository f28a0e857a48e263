#include "player/core/song_info.h"

#include <cstdio>
#include <limits>

#include "player/core/genres.h"
#include "runtime/basic/basic.h"
#include "runtime/text/ansi.h"

namespace vorne::player::core {

std::string TrimTagField(std::string_view text) {
  size_t n = text.size();
  while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\0')) --n;
  return std::string(text.substr(0, n));
}

bool ReadId3v1(const uint8_t* block, SongInfoRecord& rec) {
  if (block[0] != 'T' || block[1] != 'A' || block[2] != 'G') return false;
  auto field = [&](size_t off, size_t len) {
    return TrimTagField(std::string_view(reinterpret_cast<const char*>(block) + off, len));
  };
  rec.HasTag = true;
  rec.Title = field(3, 30);
  rec.Artist = field(33, 30);
  rec.Album = field(63, 30);
  rec.Year = field(93, 4);
  // ID3v1.1: a zero byte 125 followed by a non-zero byte 126 holds the
  // track number; the comment is then the 28 bytes before it.
  if (block[125] == 0 && block[126] != 0) {
    rec.Comment = field(97, 28);
    rec.TrackNumber = block[126];
  } else {
    rec.Comment = field(97, 30);
    rec.TrackNumber = 0;
  }
  rec.GenreByte = block[127];
  rec.Genre = GenreName(block[127]);
  return true;
}

bool HasMpegExtension(std::string_view fileName) {
  std::string u = vorne::basic::UCase(fileName);
  return vorne::basic::Right(u, 4) == ".MP3" || vorne::basic::Right(u, 3) == "MP2" || vorne::basic::Right(u, 3) == "MPG";
}

namespace {

std::string BoolText(bool b) { return vorne::basic::PrintBoolean(b); }

void FillStreamFacts(const vorne::mp3info::Mp3Properties& p, SongInfoRecord& rec) {
  if (p.Valid == -1) return;
  rec.BitRate = p.BitRate;
  rec.Frequency = p.SampleRate;
  rec.ChannelMode = std::to_string(p.ChannelMode);
  rec.Copyrighted = BoolText(p.Copyright);
  rec.Original = BoolText(p.Original);
  rec.Layer = std::to_string(p.Layer);
  rec.StreamCheck = std::to_string(p.Valid);
  rec.MpegVersion = std::to_string(p.MpegVersion);
  rec.FrameCount = p.FrameCount;
  rec.FrameMs = vorne::basic::CLngSat(static_cast<double>(p.MsPerFrame));
  rec.Checksums = BoolText(p.Crc);
  rec.Duration = p.Duration;
}

}  // namespace

SongInfoRecord GetMp3Info(const std::string& fileName, const SongInfoContext& ctx) {
  SongInfoRecord rec;
  if (fileName.empty()) return rec;
  if (!vorne::text::FileExists(fileName)) {
    if (fileName == ctx.CurrentFile && ctx.ReportMissingCurrent)
      ctx.ReportMissingCurrent("File not Found: " + fileName);
    return rec;
  }
  if (HasMpegExtension(fileName)) {
    vorne::mp3info::Mp3Properties p = ctx.QueryStream ? ctx.QueryStream(fileName) : vorne::mp3info::QueryMp3Properties(fileName);
    FillStreamFacts(p, rec);
  }
  std::FILE* f = vorne::text::OpenFile(fileName, "rb");
  if (!f) return rec;
  const int64_t len = vorne::text::FileLength(f);
  uint8_t block[kId3v1Size];
  bool haveBlock = false;
  if (len >= static_cast<int64_t>(kId3v1Size) && vorne::text::SeekTo(f, static_cast<uint64_t>(len) - kId3v1Size))
    haveBlock = std::fread(block, 1, kId3v1Size, f) == kId3v1Size;
  std::fclose(f);
  if (len < 0) return rec;
  rec.FileLength = len > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                              : static_cast<int32_t>(len);
  if (len <= 124) {
    rec.Title = fileName;
    return rec;
  }
  if (!haveBlock) return rec;  // 125..127 bytes: no tag
  ReadId3v1(block, rec);
  return rec;
}

}  // namespace vorne::player::core
