// Writes the player's icons as <id>.ico into a folder, with two resource
// script fragments: the file-type icons (for the program and its icon
// library) and the tray and menu icons (for the program).
//   vorne_icon_art <folder> <type-icons.rc> <ui-icons.rc>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "player/icons/icon_art.h"

namespace {

// The generator runs on the build host, whose paths never hold a
// backslash, so they go into the resource scripts as they are.
bool Save(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out.good();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <folder> <type-icons.rc> <ui-icons.rc>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    std::string types = "// File-type icons, written by vorne_icon_art.\n";
    std::string ui = "// Tray and menu icons, written by vorne_icon_art.\n";
    for (const auto& icon : vorne::player::icons::DrawIcons()) {
        const std::string path = folder + "/" + std::to_string(icon.id) + ".ico";
        if (!Save(path, vorne::player::icons::ToIco(icon.images))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        const std::string line = std::to_string(icon.id) + " ICON \"" + path + "\"\n";
        (icon.set == vorne::player::icons::IconSet::FileType ? types : ui) += line;
    }
    for (const auto& [file, text] : {std::pair{std::string(argv[2]), types}, std::pair{std::string(argv[3]), ui}}) {
        std::ofstream f(file, std::ios::binary);
        f << text;
        if (!f) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            return 1;
        }
    }
    return 0;
}
