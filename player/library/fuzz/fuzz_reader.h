#pragma once
// Shared body of the list reader fuzz targets: read, check the invariant,
// write back, read again and compare.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "player/library/playlist_formats.h"

namespace vorne::player::library::fuzz {

// NUL inside an entry is written as a blank.
inline std::string Written(std::string s) {
    for (char& c : s)
        if (c == '\0') c = ' ';
    return s;
}

template <typename Read, typename Write>
int Run(const uint8_t* data, size_t size, Read read, Write write, bool roundTrip = true) {
    std::string_view in(reinterpret_cast<const char*>(data), size);
    PlaylistStore list;
    read(in, list);
    if (!list.InvariantHolds()) std::abort();
    for (int i = 0; i < list.Count(); ++i) (void)list.PathAt(i);
    const std::string out = write(list);
    if (!roundTrip) return 0;
    // What we write reads back to the same entries.
    PlaylistStore again;
    read(out, again);
    if (again.Count() != list.Count()) std::abort();
    for (int i = 0; i < list.Count(); ++i)
        if (again.PathAt(i) != Written(list.PathAt(i))) std::abort();
    return 0;
}

}  // namespace vorne::player::library::fuzz
