// The clip texts the media control reports for a clip: title, artist and
// album, read from the ID3v2 block at the start of the media and the ID3v1
// block at its end. Window-free.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vorne::mediaplayer {

enum ClipField { kClipTitle, kClipArtist, kClipAlbum, kClipFieldCount };

// The field a clip information item asks for: 8 title, 9 artist, 10 album.
std::optional<ClipField> ClipFieldOfItem(long item);

// Texts from an ID3v2 block (versions 2.2, 2.3 and 2.4) at the start of
// head, as UTF-16. A field the block lacks stays unset. A block cut short
// by the end of head gives the frames that are wholly inside it; compressed
// and encrypted frames are passed over.
using Id3v2Texts = std::array<std::optional<std::u16string>, kClipFieldCount>;
Id3v2Texts ReadId3v2Texts(const uint8_t* head, size_t n);

// Texts of a 128-byte ID3v1 block, in the bytes stored (the ANSI code
// page), without their trailing blanks and zeros. All empty when the block
// does not begin with "TAG".
using Id3v1Texts = std::array<std::string, kClipFieldCount>;
Id3v1Texts ReadId3v1Texts(const uint8_t* block);

// How many bytes of the media's head to read for ReadId3v2Texts, from its
// first 10: the whole ID3v2 block, capped at kMaxTagHead; 0 without one.
inline constexpr size_t kMaxTagHead = size_t{1} << 20;
size_t Id3v2HeadBytes(const uint8_t* header10);

}  // namespace vorne::mediaplayer
