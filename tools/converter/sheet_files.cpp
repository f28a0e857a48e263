#include "tools/converter/sheet_files.h"

#include <cstdint>

#include "runtime/basic/basic.h"
#include "tools/converter/bmp.h"

namespace vorne::converter {

SheetLoad ReadSheetFile(const std::string& path,
                        const std::function<std::optional<Pixels>(const std::string& bytes)>& decode) {
    SheetLoad got;
    const auto found = FindFileNoCase(path);
    if (!found) return got;
    got.status = SheetLoad::Failed;
    const auto bytes = vorne::basic::ReadWholeFile(*found);
    if (!bytes) return got;
    if (auto pixels = decode(*bytes)) {
        got.pixels = std::move(*pixels);
        got.status = SheetLoad::Loaded;
    }
    return got;
}

SheetLoad BmpSheetLoader::Load(const std::string& path) {
    return ReadSheetFile(path, [](const std::string& bytes) -> std::optional<Pixels> {
        Pixels p;
        if (!ReadBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), p)) return std::nullopt;
        return p;
    });
}

}  // namespace vorne::converter
