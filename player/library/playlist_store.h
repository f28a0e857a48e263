#pragma once
// The playlist without its windows: List1 (titles in play order, each with
// item data naming its path) and List2 (paths in the order they were added).
// Only List1 is reordered; every path is reached through the item data, and
// every operation keeps the item data a permutation of 0 .. count - 1.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/text/paths.h"

namespace vorne::player::library {

// The 32 playable media types, as the open dialog filters them.
extern const char kMediaFileTypes[];

// Positions are 16-bit, so a list holds at most this many entries.
constexpr int kMaxEntries = 32767;

// Builds the title of one entry from its path (the playlist title template
// expanded for that file). pathAsTitle: a file without a tag shows its path.
using TitleBuilder = std::function<std::string(const std::string& path, bool pathAsTitle)>;

struct ListEntry {
    std::string title;
    int32_t itemData = 0;  // index into List2
};

class PlaylistStore {
public:
    int Count() const { return static_cast<int>(list1_.size()); }
    bool Empty() const { return list1_.empty(); }
    bool Full() const { return Count() >= kMaxEntries; }

    const std::string& Title(int i) const { return list1_.at(static_cast<size_t>(i)).title; }
    int32_t ItemData(int i) const { return list1_.at(static_cast<size_t>(i)).itemData; }
    // The path of the entry shown at position i, through its item data.
    const std::string& PathAt(int i) const;
    const std::vector<ListEntry>& List1() const { return list1_; }
    const std::vector<std::string>& List2() const { return list2_; }

    void Clear();
    // Appends title and path as one entry whose item data is its own position.
    // False (nothing added) when the list is full.
    bool Append(std::string title, std::string path);
    // AddFileToList: appends the path and the title the builder makes for it
    // (path not used as a title). False when the list is full.
    bool AddFileToList(const std::string& path, const TitleBuilder& build);
    void SetTitle(int i, std::string title) { list1_.at(static_cast<size_t>(i)).title = std::move(title); }

    // cmdDel: removes every position marked in selected (one flag per
    // position; shorter vectors mean "not selected"), keeping the item data a
    // permutation.
    void DeleteSelected(const std::vector<bool>& selected);
    // cmdMoveUp / cmdMoveDn: every selected entry moves one place; a block
    // moves together. Nothing happens when the first (last) position is
    // selected. selected is updated so the moved entries stay selected.
    // Returns whether anything moved.
    bool MoveSelectedUp(std::vector<bool>& selected);
    bool MoveSelectedDown(std::vector<bool>& selected);
    // cmdSortA / cmdSortD: orders the titles ascending (letter case ignored,
    // equal titles keep their order) or in the reverse of that order, then
    // rebuilds both lists in that order with each item data its own position.
    void Sort(bool ascending);
    // cmdRefresh: every title built again from its path (path as title when
    // the file has no tag); order and item data stay.
    void RefreshTitles(const TitleBuilder& build);

    // The invariant: same count and item data a permutation of the positions.
    bool InvariantHolds() const;

    void Swap(PlaylistStore& other) noexcept {
        list1_.swap(other.list1_);
        list2_.swap(other.list2_);
    }

private:
    std::vector<ListEntry> list1_;
    std::vector<std::string> list2_;
};

// True when ext (".mp3", "mp3", any case) names one of the media types
// exactly: "*.mp3" does not match ".mp3x", and ".au" works.
bool IsValidFileType(std::string_view ext);
// The extension of a file name with its point (".au"), "" when it has none;
// what a caller hands IsValidFileType.
std::string FileExtension(std::string_view path);
// The folder part of a path up to and including its last "\".
using text::ChopFileOff;
// Whether a list entry is absolute: a drive ("C:"), a UNC path ("\\server"),
// a rooted path ("\dir"), or a URL ("scheme://").
bool IsAbsoluteEntry(std::string_view name);
// Resolves a list entry against the folder of the list file. Absolute
// entries and pause entries come back unchanged; a rooted path takes the
// list's drive or share.
std::string FixFileName(std::string_view name, std::string_view playListPath);

// Pause entries: "%PAUSE%" followed by a number of seconds.
constexpr std::string_view kPausePrefix = "%PAUSE%";
bool IsPauseEntry(std::string_view path);
std::string MakePauseEntry(long seconds);
// The seconds of a pause entry: the decimal number at the start of the text
// after the prefix, leading blanks ignored; 0 when there is none.
double PauseSeconds(std::string_view path);
// The seconds text exactly as written in the entry ("Waiting " & n & ...).
std::string PauseSecondsText(std::string_view path);

}  // namespace vorne::player::library
