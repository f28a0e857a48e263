#pragma once
// The recursive search of the add-files dialog, without its window. For
// each mask of the chosen type ("*.mp3", "*.wav", ...) the folder tree is
// walked depth-first, a folder tested before its subfolders, and every
// folder that holds a file of the mask is listed once, in the order the
// walks first meet it. The gathering step then adds the files of each
// listed folder that match any mask, sorted by name as a file list shows
// them.
//
// Sound limits of the walk: reparse points (junctions, links) are not
// entered, so a loop in the tree cannot trap it; it goes at most
// kMaxDepth folders deep; names are matched on their long form only;
// folders whose names begin with "." are skipped. Each folder is read from
// the file system once per search, however many masks walk it.
//
// The walk yields to the message loop once per folder, and the gathering
// once per file, so the window stays live; the flags of SearchState are the
// only link between the Stop and Close buttons and the running search.
// Window-free.
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "runtime/forms/folder_listing.h"

namespace vorne::player::library::addfiles {

// The file system a search reads: the entries of one folder (ending in
// "\"), or false when it cannot be read.
class SearchFileSystem {
public:
    virtual ~SearchFileSystem() = default;
    virtual bool List(const std::string& folder, std::vector<forms::FolderEntry>& out) = 0;
};
// The machine's own file system.
SearchFileSystem& RealFileSystem();

struct SearchState {
    // A folder search may go on; cleared by Stop and at the end.
    bool searching = false;
    // Stop was pressed: ends the walk; the found folders are still gathered.
    // Cleared at the start of each add and between the two steps.
    bool stopRequested = false;
    // The dialog is closing: both steps end at once.
    bool abandon = false;
    std::string currentSpec;
    // The folder and mask the walk goes to next, for display.
    std::string currentSearchPath;
};

struct SearchHooks {
    std::function<void()> yield;                        // runs the message loop
    std::function<void()> gathering;                    // the search step is over
    std::function<void(const std::string& path)> add;   // one file found
};

class FolderSearch {
public:
    static constexpr int kMaxDepth = 64;

    FolderSearch(SearchFileSystem& fs, SearchState& state, SearchHooks hooks);

    // The search step: one walk of root (a folder, "\" added when missing)
    // for each mask in order, until Stop. Folders found by earlier calls
    // stay listed.
    void FindFolders(const std::string& root, const std::vector<std::string>& masks);
    // The folders found, each with its "\" (the found-folder list).
    const std::vector<std::string>& Found() const { return found_; }
    // The gathering step: each file of each found folder that matches one
    // of masks goes to add, until Stop. Returns the count added.
    int Gather(const std::vector<std::string>& masks);
    // Both steps, as Add with "Include Subdirectories" runs them; the
    // stop request is cleared between them. Returns the count added.
    int Run(const std::string& root, const std::vector<std::string>& masks);

    // How many times a folder was read from the file system.
    int FolderReads() const { return reads_; }

private:
    struct Listing {
        std::vector<std::string> subfolders;        // names, in find order
        std::vector<forms::FolderEntry> files;      // matching a mask of the search
    };
    const Listing& Read(const std::string& folder);
    void Walk(const std::string& folder, int depth);
    bool Going() const { return state_.searching && !state_.abandon; }
    void GiveWay() {
        if (hooks_.yield) hooks_.yield();
    }

    SearchFileSystem& fs_;
    SearchState& state_;
    SearchHooks hooks_;
    std::vector<std::string> specs_;
    std::unordered_map<std::string, Listing> cache_;
    std::vector<std::string> found_;
    std::unordered_set<std::string> found_set_;
    int reads_ = 0;
};

}  // namespace vorne::player::library::addfiles
