// Finding and reading a skin's sheets on disk. Window-free.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "tools/converter/winamp_import.h"

namespace vorne::converter {

// The file a path names, its file name matched without regard to letter
// case (Winamp skins name their sheets in any case: "CBUTTONS.BMP",
// "cbuttons.bmp"); nothing when there is no such file.
std::optional<std::string> FindFileNoCase(const std::string& path);

// A sheet found by FindFileNoCase and read whole, then decoded: NotFound,
// Failed (unreadable, or decode gave nothing) or Loaded.
SheetLoad ReadSheetFile(const std::string& path,
                        const std::function<std::optional<Pixels>(const std::string& bytes)>& decode);

// Sheets read with the converter's own BMP reader.
class BmpSheetLoader : public SheetLoader {
public:
    SheetLoad Load(const std::string& path) override;
};

}  // namespace vorne::converter
