#pragma once
// Writing and removing the ID3v1 tag: the last 128 bytes of a file, "TAG",
// Title (30), Artist (30), Album (30), Year (4), Comment (30) and the genre
// byte. Texts are ANSI bytes, padded with blanks or cut to their exact byte
// widths, never inside a double-byte character. An ID3v1.1 track number (byte 125 zero, byte 126 not) already
// in the file is kept, and the comment then has 28 bytes. Window-free; the
// code page comes from outside (AnsiCodePage() in id3v1_codepage_win32.h).
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vorne::player::library {

constexpr size_t kTagSize = 128;
using TagBlock = std::array<uint8_t, kTagSize>;

// The code page the tag is written in: the fields are already its bytes
// (the program's ANSI text), and isLeadByte tells the lead bytes of its
// double-byte characters, so no field is cut inside one.
struct CodePage {
    std::function<bool(unsigned char byte)> isLeadByte;
};
// Bytes as they are, no double-byte characters.
CodePage BytesCodePage();

struct TagFields {
    std::string title, artist, album, year, comment;
    std::string genre;  // a genre name; no match writes 255
};

// Cuts text to at most width bytes without splitting a double-byte
// character, then pads it with blanks to exactly width bytes.
std::string FitField(std::string_view bytes, size_t width, const CodePage& cp);

// The 128 bytes for fields. previous, when given, is the tag now in the
// file: its track number is kept, and an unnamed genre byte is kept when
// the genre text is empty.
TagBlock BuildTagBlock(const TagFields& fields, const CodePage& cp, const TagBlock* previous = nullptr);

// Whether the last 128 bytes of a file hold a tag.
bool IsTagBlock(const uint8_t* block);

enum class TagResult {
    kSaved,          // an existing tag overwritten
    kAppended,       // a new tag added at the end
    kRemoved,
    kTooShort,       // fewer than 125 bytes: nothing written
    kNoTag,          // nothing to remove
    kMissing,        // no such file (none is created)
    kInUseOrReadOnly,
    kIoError,
};

// SaveTagInfo: writes the tag over the existing one or appends it. The file
// is opened in place; it is never created or deleted. An append that fails
// part-way cuts the file back to its old length. On kIoError, *error (when
// given) receives the C library's error number.
TagResult SaveTag(const std::string& path, const TagFields& fields, const CodePage& cp, int* error = nullptr);
// Removes the tag by cutting the open file 128 bytes short, leaving every
// other byte as it was.
TagResult RemoveTag(const std::string& path, int* error = nullptr);

// The message the tag editor shows for a result ("" for success). An I/O
// error shows its number followed directly by its description.
std::string TagResultMessage(TagResult r, const std::string& path, int error = 0);

}  // namespace vorne::player::library
