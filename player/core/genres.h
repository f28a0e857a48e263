// The ID3v1 genre list as this program spells it, and the blank padding
// the tag writer uses. Window-free.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorne::player::core {

// Number of positions in the genre list (0..147; position 126 has no name).
constexpr int kGenreCount = 148;

// The name at position index; "" for 126 and for any index outside 0..147.
std::string GenreName(int index);
// The position of a genre name (exact spelling, letter case ignored), or -1
// when no position carries that name (the empty text included).
int GenreNumber(std::string_view name);

// s followed by as many blanks as bring it to n characters; a longer s is
// returned whole, not cut.
std::string PadRight(std::string_view s, size_t n);

}  // namespace vorne::player::core
