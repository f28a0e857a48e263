// Writes the built-in skin's pictures as <id>.bmp into a folder, and on
// request a resource script fragment naming them and a review sheet.
//   vorne_skin_art <folder> [--rc <file.rc>] [--preview <sheet.bmp>]
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "player/skin_art/skin_art.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

// Resource compilers read backslashes in quoted names as escapes.
std::string RcPath(std::string p) {
    for (char& c : p)
        if (c == '\\') c = '/';
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder> [--rc <file.rc>] [--preview <sheet.bmp>]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    std::string rc, preview;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
        if (opt == "--rc") rc = argv[i + 1];
        else if (opt == "--preview") preview = argv[i + 1];
        else {
            std::fprintf(stderr, "unknown option %s\n", opt.c_str());
            return 2;
        }
    }
    const auto pieces = vorne::player::skin_art::DrawSkinArt();
    std::string script = "// Built-in skin pictures, written by vorne_skin_art.\n";
    for (const auto& p : pieces) {
        const std::string path = folder + "/" + std::to_string(p.layout.id) + ".bmp";
        if (!WriteFile(path, p.picture.ToBmp())) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        script += std::to_string(p.layout.id) + " BITMAP \"" + RcPath(path) + "\"\n";
    }
    if (!rc.empty()) {
        std::ofstream f(rc, std::ios::binary);
        f << script;
        if (!f) {
            std::fprintf(stderr, "cannot write %s\n", rc.c_str());
            return 1;
        }
    }
    if (!preview.empty() && !WriteFile(preview, vorne::player::skin_art::PreviewSheet(pieces).ToBmp())) {
        std::fprintf(stderr, "cannot write %s\n", preview.c_str());
        return 1;
    }
    return 0;
}
