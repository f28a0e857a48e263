#pragma once
// Small helpers shared by the library's tests.
#include <fstream>
#include <string>
#include <vector>

#include "player/library/file_ops.h"
#include "player/library/playlist_store.h"

namespace vorne::player::library::testing {

inline std::vector<std::string> Titles(const PlaylistStore& s) {
    std::vector<std::string> r;
    for (int i = 0; i < s.Count(); ++i) r.push_back(s.Title(i));
    return r;
}

// The paths in display order, each through its item data.
inline std::vector<std::string> Paths(const PlaylistStore& s) {
    std::vector<std::string> r;
    for (int i = 0; i < s.Count(); ++i) r.push_back(s.PathAt(i));
    return r;
}

inline void WriteRaw(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
}

// The whole file, or "" when it cannot be read.
inline std::string ReadRaw(const std::string& path) {
    std::string s;
    ReadWholeFile(path, s);
    return s;
}

inline bool Exists(const std::string& path) {
    std::string s;
    return ReadWholeFile(path, s) != ReadStatus::kMissing;
}

}  // namespace vorne::player::library::testing
