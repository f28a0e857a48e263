#include "platform/mediaplayer/clip_tags.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/mp3info/mpeg_audio.h"

namespace vorne::mediaplayer {

namespace {

using vorne::mp3info::Syncsafe32;

uint32_t Plain32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}
uint32_t Plain24(const uint8_t* p) { return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | uint32_t{p[2]}; }

// Undoes the unsynchronisation scheme: every FF 00 pair stands for FF.
std::vector<uint8_t> Resync(const uint8_t* p, size_t n) {
  std::vector<uint8_t> out;
  out.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    out.push_back(p[i]);
    if (p[i] == 0xFF && i + 1 < n && p[i + 1] == 0x00) ++i;
  }
  return out;
}

constexpr char16_t kReplacement = 0xFFFD;

std::u16string Latin1(const uint8_t* p, size_t n) {
  std::u16string out;
  for (size_t i = 0; i < n && p[i] != 0; ++i) out.push_back(static_cast<char16_t>(p[i]));
  return out;
}

std::u16string Utf16(const uint8_t* p, size_t n, bool bigEndian, bool bomDecides) {
  size_t i = 0;
  if (n >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF))) {
    if (bomDecides) bigEndian = p[0] == 0xFE;
    i = 2;
  }
  std::u16string out;
  for (; i + 1 < n; i += 2) {
    char16_t c = bigEndian ? static_cast<char16_t>((p[i] << 8) | p[i + 1])
                           : static_cast<char16_t>((p[i + 1] << 8) | p[i]);
    if (c == 0) break;
    out.push_back(c);
  }
  return out;
}

std::u16string Utf8(const uint8_t* p, size_t n) {
  size_t i = 0;
  if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) i = 3;
  std::u16string out;
  while (i < n && p[i] != 0) {
    const uint8_t b = p[i];
    size_t len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    uint32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    bool ok = len != 0 && i + len <= n;
    for (size_t k = 1; ok && k < len; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) {
        ok = false;
      } else {
        cp = (cp << 6) | (p[i + k] & 0x3F);
      }
    }
    // Overlong forms, surrogates and values past U+10FFFF are not text.
    static const uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (ok && (cp < kLeast[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
    if (!ok) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += len;
  }
  return out;
}

// The first text of a text frame's data (its encoding byte first).
std::optional<std::u16string> FrameText(const uint8_t* p, size_t n) {
  if (n == 0) return std::u16string();
  switch (p[0]) {
    case 0:
      return Latin1(p + 1, n - 1);
    case 1:
      return Utf16(p + 1, n - 1, false, true);
    case 2:
      return Utf16(p + 1, n - 1, true, false);
    case 3:
      return Utf8(p + 1, n - 1);
    default:
      return std::nullopt;
  }
}

std::optional<ClipField> FieldOfFrame(const uint8_t* id, int version) {
  static const char* const kIds[3][kClipFieldCount] = {
      {"TT2", "TP1", "TAL"}, {"TIT2", "TPE1", "TALB"}, {"TIT2", "TPE1", "TALB"}};
  const size_t len = version == 2 ? 3 : 4;
  for (int f = 0; f < kClipFieldCount; ++f)
    if (std::memcmp(id, kIds[version - 2][f], len) == 0) return static_cast<ClipField>(f);
  return std::nullopt;
}

// A frame size of version 2.4 is stored syncsafe; some taggers wrote a
// plain one, which shows by a byte with its high bit set.
uint32_t FrameSize24(const uint8_t* p) {
  bool plain = ((p[0] | p[1] | p[2] | p[3]) & 0x80) != 0;
  return plain ? Plain32(p) : Syncsafe32(p);
}

}  // namespace

std::optional<ClipField> ClipFieldOfItem(long item) {
  switch (item) {
    case 8:
      return kClipTitle;
    case 9:
      return kClipArtist;
    case 10:
      return kClipAlbum;
    default:
      return std::nullopt;
  }
}

size_t Id3v2HeadBytes(const uint8_t* header10) {
  uint64_t size = vorne::mp3info::Id3v2Size(header10, 10);
  return static_cast<size_t>(std::min<uint64_t>(size, kMaxTagHead));
}

Id3v2Texts ReadId3v2Texts(const uint8_t* head, size_t n) {
  Id3v2Texts out;
  if (vorne::mp3info::Id3v2Size(head, n) == 0) return out;
  const int version = head[3];
  const uint8_t flags = head[5];
  if (version < 2 || version > 4) return out;
  if (version == 2 && (flags & 0x40)) return out;  // a compressed tag of 2.2: no known scheme
  const size_t end = static_cast<size_t>(std::min<uint64_t>(n, 10 + uint64_t{Syncsafe32(head + 6)}));
  const bool tagUnsync = (flags & 0x80) != 0;
  std::vector<uint8_t> body = version < 4 && tagUnsync ? Resync(head + 10, end - 10)
                                                        : std::vector<uint8_t>(head + 10, head + end);
  size_t pos = 0;
  if (version >= 3 && (flags & 0x40)) {
    if (body.size() < 4) return out;
    // The extended header's size counts itself in 2.4, not in 2.3.
    uint64_t skip = version == 3 ? uint64_t{4} + Plain32(body.data()) : uint64_t{Syncsafe32(body.data())};
    if (skip > body.size()) return out;
    pos = static_cast<size_t>(skip);
  }
  const size_t headerLen = version == 2 ? 6 : 10;
  while (pos + headerLen <= body.size()) {
    const uint8_t* f = body.data() + pos;
    if (f[0] == 0) break;  // padding
    const uint32_t size = version == 2 ? Plain24(f + 3) : version == 3 ? Plain32(f + 4) : FrameSize24(f + 4);
    const uint8_t format = version == 2 ? 0 : f[9];
    pos += headerLen;
    if (size > body.size() - pos) break;  // cut short by the end of what was read
    const uint8_t* data = f + headerLen;
    size_t len = size;
    pos += size;
    auto field = FieldOfFrame(f, version);
    if (!field || out[*field]) continue;  // the first frame of a kind holds
    std::vector<uint8_t> resynced;
    if (version == 3) {
      if (format & 0xC0) continue;  // compressed or encrypted
      if (format & 0x20) {          // a group byte leads the data
        if (len < 1) continue;
        ++data;
        --len;
      }
    } else if (version == 4) {
      if (format & 0x0C) continue;  // compressed or encrypted
      size_t lead = ((format & 0x40) ? 1 : 0) + ((format & 0x01) ? 4 : 0);
      if (len < lead) continue;
      data += lead;
      len -= lead;
      if ((format & 0x02) || tagUnsync) {
        resynced = Resync(data, len);
        data = resynced.data();
        len = resynced.size();
      }
    }
    out[*field] = FrameText(data, len);
  }
  return out;
}

Id3v1Texts ReadId3v1Texts(const uint8_t* block) {
  Id3v1Texts out;
  if (!block || block[0] != 'T' || block[1] != 'A' || block[2] != 'G') return out;
  for (int f = 0; f < kClipFieldCount; ++f) {
    const char* p = reinterpret_cast<const char*>(block) + 3 + 30 * f;
    size_t len = 0;
    while (len < 30 && p[len] != '\0') ++len;
    while (len > 0 && p[len - 1] == ' ') --len;
    out[f].assign(p, len);
  }
  return out;
}

}  // namespace vorne::mediaplayer
