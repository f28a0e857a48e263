#include "player/library/addfiles/folder_search.h"

#include <algorithm>

namespace vorne::player::library::addfiles {

namespace {

class Real : public SearchFileSystem {
public:
    bool List(const std::string& folder, std::vector<forms::FolderEntry>& out) override {
        return forms::ListFolder(folder, out);
    }
};

}  // namespace

SearchFileSystem& RealFileSystem() {
    static Real fs;
    return fs;
}

FolderSearch::FolderSearch(SearchFileSystem& fs, SearchState& state, SearchHooks hooks)
    : fs_(fs), state_(state), hooks_(std::move(hooks)) {}

const FolderSearch::Listing& FolderSearch::Read(const std::string& folder) {
    auto at = cache_.find(folder);
    if (at != cache_.end()) return at->second;
    Listing l;
    std::vector<forms::FolderEntry> entries;
    ++reads_;
    if (fs_.List(folder, entries)) {
        for (forms::FolderEntry& e : entries) {
            if (e.folder) {
                if (!e.reparse && !e.longName.empty() && e.longName[0] != '.') l.subfolders.push_back(e.name);
            } else if (!e.hidden && forms::MatchesAnyPattern(e.longName, specs_)) {
                l.files.push_back(std::move(e));
            }
        }
        std::stable_sort(l.files.begin(), l.files.end(), [](const forms::FolderEntry& a, const forms::FolderEntry& b) {
            return forms::LessNoCase(a.longName, b.longName);
        });
    }
    return cache_.emplace(folder, std::move(l)).first->second;
}

void FolderSearch::Walk(const std::string& folder, int depth) {
    GiveWay();
    if (!Going()) return;
    const Listing& l = Read(folder);
    if (!Going()) return;
    // The folder itself first: listed once when it holds a file a mask matches.
    for (const forms::FolderEntry& f : l.files) {
        if (forms::MatchesPattern(f.longName, state_.currentSpec)) {
            if (found_set_.insert(folder).second) found_.push_back(folder);
            break;
        }
    }
    if (depth >= kMaxDepth) return;
    for (const std::string& name : l.subfolders) {
        if (!Going()) return;
        const std::string sub = folder + name + "\\";
        state_.currentSearchPath = sub + state_.currentSpec;
        Walk(sub, depth + 1);
    }
}

void FolderSearch::FindFolders(const std::string& root, const std::vector<std::string>& masks) {
    for (const std::string& s : masks)
        if (std::find(specs_.begin(), specs_.end(), s) == specs_.end()) specs_.push_back(s);
    const std::string start = forms::WithBackslash(root);
    for (const std::string& mask : masks) {
        if (state_.stopRequested || state_.abandon) break;
        GiveWay();
        state_.currentSpec = mask;
        state_.currentSearchPath = start + mask;
        Walk(start, 0);
    }
}

int FolderSearch::Gather(const std::vector<std::string>& masks) {
    int added = 0;
    for (const std::string& folder : found_) {
        for (const forms::FolderEntry& f : Read(folder).files) {
            GiveWay();
            if (state_.stopRequested || state_.abandon) return added;
            if (!forms::MatchesAnyPattern(f.longName, masks)) continue;
            if (hooks_.add) hooks_.add(folder + f.name);
            ++added;
        }
    }
    return added;
}

int FolderSearch::Run(const std::string& root, const std::vector<std::string>& masks) {
    state_.searching = true;
    FindFolders(root, masks);
    state_.stopRequested = false;
    if (hooks_.gathering) hooks_.gathering();
    const int added = state_.abandon ? 0 : Gather(masks);
    state_.searching = false;
    return added;
}

}  // namespace vorne::player::library::addfiles
