// The facts of one media file: file length, MPEG stream facts and the
// ID3v1 tag at its end. Window-free: what the reader does to the windows
// for a missing song is handed in as a callback.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/mp3info/mp3_properties.h"

namespace vorne::player::core {

struct SongInfoRecord {
  bool HasTag = false;
  std::string Title;
  std::string Artist;
  std::string Album;
  std::string Year;
  std::string Comment;
  std::string Genre;
  int32_t FileLength = 0;
  int32_t BitRate = 0;      // bits per second
  int32_t Frequency = 0;    // Hz
  std::string ChannelMode;
  std::string Copyrighted;  // "True" / "False"
  std::string Original;
  std::string Layer;
  std::string StreamCheck;
  std::string MpegVersion;
  int32_t FrameCount = 0;
  int32_t FrameMs = 0;
  std::string Checksums;
  int32_t Duration = 0;     // milliseconds

  // Kept from the tag so that saving an unchanged tag writes it back as it
  // was: the genre byte as read (-1 without a tag) and the ID3v1.1 track
  // number (0 when the comment runs over the whole field).
  int GenreByte = -1;
  int TrackNumber = 0;
};

constexpr size_t kId3v1Size = 128;

// Text without its trailing run of blanks and zero characters.
std::string TrimTagField(std::string_view text);

// Reads a 128-byte ID3v1 block into the tag fields of rec. Returns false
// (rec untouched) when the block does not begin with "TAG" (with case).
bool ReadId3v1(const uint8_t* block, SongInfoRecord& rec);

// What GetMp3Info needs of the running player.
struct SongInfoContext {
  // The path now playing; a missing file is reported only when it is this
  // one.
  std::string CurrentFile;
  // Shows "File not Found: " & path in the song information and stops the
  // player. Called only for the missing current song.
  std::function<void(const std::string& message)> ReportMissingCurrent;
  // The stream facts; the control stand-in by default.
  std::function<vorne::mp3info::Mp3Properties(const std::string& path)> QueryStream;
};

// True when the name asks for stream facts: ".MP3" at the end, or "MP2" /
// "MPG" as its last three characters, in any letter case.
bool HasMpegExtension(std::string_view fileName);

// The record for one file. An empty name or a missing file gives a fresh
// record; a file that cannot be read gives FileLength 0 and no tag.
SongInfoRecord GetMp3Info(const std::string& fileName, const SongInfoContext& ctx = {});

}  // namespace vorne::player::core
