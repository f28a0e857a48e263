// The export of an imported Winamp skin as a skin of this system: the skin
// file with its fixed 18 objects and the 17 bitmaps cut from the normal and
// activated pictures and the thumbs. Window-free; the messages go through
// the dialog seam of runtime/forms/dialogs.h.
#pragma once

#include <string>
#include <vector>

#include "runtime/forms/dialogs.h"
#include "skinner/author/author_details.h"
#include "tools/converter/pixels.h"
#include "tools/converter/winamp_import.h"

namespace vorne::converter {

using skinner::author::AuthorEntries;

// The skin file's whole text, every line ended by CR LF; each author text
// is written as one line.
std::string ConvertedSkinText(const AuthorEntries& author, const WinampInterface& from);

// One cell of a bitmap: a w x h rectangle at (sx, sy) of a picture of the
// interface, put at x = index x w.
struct ExportCell {
    Target source;
    int sx, sy;
};
struct ExportBitmap {
    const char* file;  // the name saved in the skin's folder
    int width, height;
    int cellWidth, cellHeight;
    std::vector<ExportCell> cells;
};

// The 17 bitmaps in the order they are saved (intBack.bmp first: the whole
// normal picture).
const std::vector<ExportBitmap>& ExportBitmaps();

// A bitmap composed from the interface.
Pixels ComposeBitmap(const ExportBitmap& bitmap, const WinampInterface& from);

// The skin file and the 17 bitmaps beside it (full paths).
std::vector<std::string> ExportTargets(const std::string& skinPath);

enum class ExportResult { Written, Declined, Failed };

// Writes the skin file and the bitmaps into the skin's folder. When any of
// the 18 files exists already, one question asks whether to replace them
// (No writes nothing). A file that cannot be written is reported and ends
// the export; what was written before it stays.
ExportResult ExportConvertedSkin(const std::string& skinPath, const WinampInterface& from,
                                 const AuthorEntries& author, forms::DialogService& dialogs);

// The program's message texts.
inline constexpr const char* kConverterTitle = "Drelk";
std::string ReplacePrompt(const std::vector<std::string>& existing);
std::string WriteFailedMessage(const std::string& path);

}  // namespace vorne::converter
