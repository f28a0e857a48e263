#include "playlist_store.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "runtime/basic/basic.h"

namespace vorne::player::library {

const char kMediaFileTypes[] =
    "*.asf;*.asx;*.wm;*.wmf;*.wma;*.wax;*.avi;*.wav;*.mpeg;*.mpg;*.mpe;*.mpv;*.m1v;*.mp2;*.mpv2;*.mp2v;"
    "*.mpa;*.mp3;*.mid;*.midi;*.rmi;*.aif;*.aifc;*.aiff;*.au;*.snd;*.mov;*.qt;*.ra;*.ram;*.rm;*.rmm";

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

// Byte-wise comparison with ASCII letters folded, as the sorted list view
// orders its items.
bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Upper(x)) < static_cast<unsigned char>(Upper(y));
    });
}

}  // namespace

const std::string& PlaylistStore::PathAt(int i) const {
    return list2_.at(static_cast<size_t>(ItemData(i)));
}

void PlaylistStore::Clear() {
    list1_.clear();
    list2_.clear();
}

bool PlaylistStore::Append(std::string title, std::string path) {
    if (Full()) return false;
    list2_.push_back(std::move(path));
    list1_.push_back({std::move(title), static_cast<int32_t>(list2_.size() - 1)});
    return true;
}

bool PlaylistStore::AddFileToList(const std::string& path, const TitleBuilder& build) {
    if (Full()) return false;
    std::string title = build ? build(path, false) : path;
    return Append(std::move(title), path);
}

void PlaylistStore::DeleteSelected(const std::vector<bool>& selected) {
    // One pass with the same effect as removing the first selected entry
    // until none is left: the removed paths go from List2 and every item
    // datum above a removed one drops by the number removed below it.
    const size_t n = list1_.size();
    std::vector<bool> dropPath(list2_.size(), false);
    std::vector<ListEntry> kept;
    kept.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        if (i < selected.size() && selected[i])
            dropPath[static_cast<size_t>(list1_[i].itemData)] = true;
        else
            kept.push_back(std::move(list1_[i]));
    }
    std::vector<int32_t> newIndex(list2_.size(), -1);
    std::vector<std::string> paths;
    paths.reserve(kept.size());
    for (size_t j = 0; j < list2_.size(); ++j) {
        if (dropPath[j]) continue;
        newIndex[j] = static_cast<int32_t>(paths.size());
        paths.push_back(std::move(list2_[j]));
    }
    for (auto& e : kept) e.itemData = newIndex[static_cast<size_t>(e.itemData)];
    list1_ = std::move(kept);
    list2_ = std::move(paths);
}

bool PlaylistStore::MoveSelectedUp(std::vector<bool>& selected) {
    selected.resize(list1_.size(), false);
    if (list1_.empty() || selected[0]) return false;
    bool moved = false;
    for (size_t i = 1; i < list1_.size(); ++i) {
        if (!selected[i]) continue;
        std::swap(list1_[i - 1], list1_[i]);
        selected[i - 1] = true;
        selected[i] = false;
        moved = true;
    }
    return moved;
}

bool PlaylistStore::MoveSelectedDown(std::vector<bool>& selected) {
    selected.resize(list1_.size(), false);
    if (list1_.empty() || selected.back()) return false;
    bool moved = false;
    for (size_t i = list1_.size() - 1; i-- > 0;) {
        if (!selected[i]) continue;
        std::swap(list1_[i], list1_[i + 1]);
        selected[i + 1] = true;
        selected[i] = false;
        moved = true;
    }
    return moved;
}

void PlaylistStore::Sort(bool ascending) {
    std::vector<size_t> order(list1_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return LessNoCase(list1_[a].title, list1_[b].title); });
    if (!ascending) std::reverse(order.begin(), order.end());
    std::vector<ListEntry> titles;
    std::vector<std::string> paths;
    titles.reserve(order.size());
    paths.reserve(order.size());
    for (size_t k = 0; k < order.size(); ++k) {
        ListEntry& e = list1_[order[k]];
        paths.push_back(std::move(list2_[static_cast<size_t>(e.itemData)]));
        titles.push_back({std::move(e.title), static_cast<int32_t>(k)});
    }
    list1_ = std::move(titles);
    list2_ = std::move(paths);
}

void PlaylistStore::RefreshTitles(const TitleBuilder& build) {
    if (!build) return;
    for (auto& e : list1_) e.title = build(list2_.at(static_cast<size_t>(e.itemData)), true);
}

bool PlaylistStore::InvariantHolds() const {
    if (list1_.size() != list2_.size()) return false;
    std::vector<bool> seen(list2_.size(), false);
    for (const auto& e : list1_) {
        if (e.itemData < 0 || static_cast<size_t>(e.itemData) >= seen.size()) return false;
        if (seen[static_cast<size_t>(e.itemData)]) return false;
        seen[static_cast<size_t>(e.itemData)] = true;
    }
    return true;
}

bool IsValidFileType(std::string_view ext) {
    if (!ext.empty() && ext.front() == '.') ext.remove_prefix(1);
    if (ext.empty()) return false;
    std::string_view types(kMediaFileTypes);
    while (!types.empty()) {
        size_t semi = types.find(';');
        std::string_view pattern = types.substr(0, semi);
        types = semi == std::string_view::npos ? std::string_view() : types.substr(semi + 1);
        if (pattern.size() > 2 && EqualsNoCase(pattern.substr(2), ext)) return true;
    }
    return false;
}

std::string FileExtension(std::string_view path) {
    size_t dot = path.rfind('.');
    size_t sep = path.find_last_of("\\/");
    if (dot == std::string_view::npos || (sep != std::string_view::npos && dot < sep)) return std::string();
    return std::string(path.substr(dot));
}

bool IsAbsoluteEntry(std::string_view name) {
    if (name.size() >= 2 && name[1] == ':') return true;
    if (!name.empty() && (name[0] == '\\' || name[0] == '/')) return true;
    size_t scheme = name.find("://");
    if (scheme != std::string_view::npos && scheme > 0) {
        bool letters = std::isalpha(static_cast<unsigned char>(name[0])) != 0;
        for (size_t i = 1; i < scheme && letters; ++i) {
            unsigned char c = static_cast<unsigned char>(name[i]);
            letters = std::isalnum(c) || c == '+' || c == '-' || c == '.';
        }
        if (letters) return true;
    }
    return false;
}

std::string FixFileName(std::string_view name, std::string_view playListPath) {
    if (IsPauseEntry(name)) return std::string(name);
    // A rooted path ("\dir\a.mp3") lies on the list's drive or share.
    bool rooted = !name.empty() && name[0] == '\\' && !(name.size() > 1 && name[1] == '\\');
    if (rooted && playListPath.size() >= 2 && playListPath[1] == ':')
        return std::string(playListPath.substr(0, 2)) + std::string(name);
    if (rooted && playListPath.substr(0, 2) == "\\\\") {
        size_t server = playListPath.find('\\', 2);
        size_t share = server == std::string_view::npos ? server : playListPath.find('\\', server + 1);
        if (share != std::string_view::npos) return std::string(playListPath.substr(0, share)) + std::string(name);
    }
    if (IsAbsoluteEntry(name)) return std::string(name);
    return ChopFileOff(playListPath) + std::string(name);
}

bool IsPauseEntry(std::string_view path) { return path.substr(0, kPausePrefix.size()) == kPausePrefix; }

std::string MakePauseEntry(long seconds) { return std::string(kPausePrefix) + std::to_string(seconds); }

std::string PauseSecondsText(std::string_view path) {
    return IsPauseEntry(path) ? std::string(path.substr(kPausePrefix.size())) : std::string();
}

double PauseSeconds(std::string_view path) {
    if (!IsPauseEntry(path)) return 0;
    std::string_view n = path.substr(kPausePrefix.size());
    while (!n.empty() && (n.front() == ' ' || n.front() == '\t')) n.remove_prefix(1);
    size_t len = 0;
    while (len < n.size() && (std::isdigit(static_cast<unsigned char>(n[len])) || n[len] == '.')) ++len;
    return vorne::basic::Val(n.substr(0, len));
}

}  // namespace vorne::player::library
