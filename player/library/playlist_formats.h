#pragma once
// The three list file formats (fast-load *.vna and the auto-saved Vorne.gen,
// PLS, M3U): readers from bytes, writers to bytes, the choice of format, and
// the load and save procedures of the playlist window. Window-free.
#include <ctime>
#include <string>
#include <string_view>

#include "playlist_store.h"

namespace vorne::player::library {

enum class ListFormat { kFastLoad, kPls, kM3u };

constexpr std::string_view kFastLoadHeader = "Vorne Fast Load Playlist - Generated ";
constexpr std::string_view kGenericListName = "Vorne.gen";

// The format of a list by its first line: the fast-load header text (any
// case, anywhere in the first field), then "[playlist]" (any case), else M3U.
ListFormat DetectFormat(std::string_view data);

// Readers. Each fills a fresh store (entries appended, item data their own
// positions) and returns false, with the store unspecified, only when the
// data cannot be a list at all. Relative entries are resolved against
// listPath's folder through FixFileName; resolve = false takes them as
// stored (the auto-saved list). A list longer than kMaxEntries keeps its
// first kMaxEntries entries and sets *truncated.
bool ReadFastLoad(std::string_view data, std::string_view listPath, bool resolve, PlaylistStore& out,
                  bool* truncated = nullptr);
bool ReadPls(std::string_view data, std::string_view listPath, PlaylistStore& out, bool* truncated = nullptr);
bool ReadM3u(std::string_view data, std::string_view listPath, PlaylistStore& out, bool* truncated = nullptr);

// Writers: entries in display order, every path through its item data, CR LF
// after every line; CR, LF and NUL inside a title or path become blanks.
std::string WriteFastLoad(const PlaylistStore& list, std::string_view dateText);
std::string WritePls(const PlaylistStore& list);
std::string WriteM3u(const PlaylistStore& list);

// "yyyy-mm-dd hh:nn:ss" of a local time.
std::string FormatListDate(std::time_t when);

struct ListResult {
    bool ok = false;
    bool truncated = false;  // more than kMaxEntries entries; the first ones were kept
    std::string message;     // what went wrong, for the window to show
};

// LoadPlayList: replaces list with the entries of file (any format) and sets
// playListPath to file. On failure both are left as they were.
ListResult LoadPlayList(const std::string& file, PlaylistStore& list, std::string& playListPath);

// The format SaveList writes for a chosen name: ".M3U" and ".PLS" (last four
// characters, any case) choose those; anything else writes fast-load under
// exactly that name.
ListFormat SaveFormatFor(std::string_view chosenName);
// SaveList after its dialog: writes list to chosenName in the format its
// name asks for, through a temporary file. playListPath is not changed.
ListResult SaveList(const std::string& chosenName, const PlaylistStore& list, std::string_view dateText);

// The auto-saved list in the program folder.
class GenericList {
public:
    // The full name of Vorne.gen in programFolder ("\" added when missing).
    static std::string PathIn(std::string_view programFolder);

    // LoadGenericList: a missing file gives an empty list; a file that
    // exists but cannot be read leaves list as it was. When that happens at
    // start (atStart), or the file holds more entries than a list takes,
    // Save is refused from then on, so a damaged or longer list is not lost;
    // a later load that reads the file whole lifts the refusal again.
    ListResult Load(const std::string& programFolder, PlaylistStore& list, bool atStart = true);
    // SaveGenericList: writes the list (titles and paths as stored).
    ListResult Save(const std::string& programFolder, const PlaylistStore& list, std::string_view dateText) const;

    bool SaveBlocked() const { return blocked_; }

private:
    bool blocked_ = false;
};

}  // namespace vorne::player::library
