#include "player/library/cassette/cassette_core.h"

#include <cmath>
#include <cstdlib>
#include <unordered_set>

namespace vorne::player::library::cassette {

double RoundHalfEven(double v) {
    const double r = std::nearbyint(v);  // the default rounding mode rounds halves to even
    return r == 0 ? 0 : r;
}

int64_t TotalSeconds(const TapeList& list) {
    double total = 0;
    for (const TapeSong& s : list) total = RoundHalfEven(total + s.seconds);
    return static_cast<int64_t>(total);
}

std::optional<double> SideSeconds(const std::string& minutes) {
    size_t a = 0, b = minutes.size();
    while (a < b && minutes[a] == ' ') ++a;
    while (b > a && minutes[b - 1] == ' ') --b;
    const std::string t = minutes.substr(a, b - a);
    if (t.empty()) return std::nullopt;
    // Digits with at most one point (or comma) and nothing else.
    int points = 0, digits = 0;
    for (char c : t) {
        if (c >= '0' && c <= '9') ++digits;
        else if ((c == '.' || c == ',') && ++points == 1) continue;
        else return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    std::string n = t;
    for (char& c : n)
        if (c == ',') c = '.';
    const double m = std::strtod(n.c_str(), nullptr);
    // A week of tape is plenty; beyond it the numbers stop meaning anything.
    if (!(m > 0) || m > 10080) return std::nullopt;
    return m * 60;
}

TapeSong PauseSong(int64_t seconds) {
    TapeSong p;
    p.title = "< PAUSE FOR " + std::to_string(seconds) + " second(s) >";
    p.path = MakePauseEntry(static_cast<long>(seconds));
    p.seconds = static_cast<double>(seconds);
    return p;
}

std::string CassettePlanner::Message(Outcome o) {
    switch (o) {
        case Outcome::kDone: return std::string();
        case Outcome::kBadLength:
            return "Please enter the minutes of audio on one side as a number greater than 0.";
        case Outcome::kEmptySide: return "There are no songs on the tape side yet.  Click Create Side first!";
        case Outcome::kAlreadyFits:
            return "Current List already fits snuggly into the selected time range!  Click Migrate to get ready to "
                   "record!";
        case Outcome::kOverFull:
            return "Current List is longer than the selected time range!  Click Create Side to fit it again.";
        case Outcome::kNothingToMigrate:
            return "There is nothing on the tape side to migrate.  Click Create Side first!";
    }
    return std::string();
}

void CassettePlanner::AddToTransfer(std::string title, std::string path, double seconds) {
    transfer_.push_back(TapeSong{std::move(title), std::move(path), seconds, next_id_++});
}

void CassettePlanner::AddFromPlaylist(const PlaylistStore& list, const std::vector<bool>& selected,
                                      const std::function<double(const std::string&)>& seconds) {
    for (int i = 0; i < list.Count(); ++i) {
        if (static_cast<size_t>(i) >= selected.size() || !selected[static_cast<size_t>(i)]) continue;
        const std::string& path = list.PathAt(i);
        const double s = IsPauseEntry(path) ? PauseSeconds(path) : (seconds ? seconds(path) : 0.0);
        AddToTransfer(list.Title(i), path, s);
    }
}

void CassettePlanner::DeleteSelected(const std::vector<bool>& selected) {
    TapeList kept;
    for (size_t i = 0; i < transfer_.size(); ++i)
        if (i >= selected.size() || !selected[i]) kept.push_back(std::move(transfer_[i]));
    transfer_.swap(kept);
}

CassettePlanner::Outcome CassettePlanner::CreateSide(const std::string& minutes) {
    const std::optional<double> side = SideSeconds(minutes);
    if (!side) return Outcome::kBadLength;
    const double s = *side;
    side_.clear();
    if (s >= static_cast<double>(TotalSeconds(transfer_))) {
        side_ = transfer_;
        return Outcome::kDone;
    }
    double used = 0;
    for (const TapeSong& song : transfer_) {
        if (s >= used + song.seconds) {
            side_.push_back(song);
            used = RoundHalfEven(used + song.seconds);
        }
    }
    return Outcome::kDone;
}

CassettePlanner::Outcome CassettePlanner::ExpandSide(const std::string& minutes) {
    const std::optional<double> side = SideSeconds(minutes);
    if (!side) return Outcome::kBadLength;
    if (side_.empty()) return Outcome::kEmptySide;
    const double s = *side;
    const double u = static_cast<double>(TotalSeconds(side_));
    if (s < u) return Outcome::kOverFull;
    int64_t spare = static_cast<int64_t>(RoundHalfEven(s - u));
    if (spare <= 0) return Outcome::kAlreadyFits;
    const int64_t n = static_cast<int64_t>(side_.size());
    int64_t pause = static_cast<int64_t>(RoundHalfEven(static_cast<double>(spare) / static_cast<double>(n)));
    size_t at = 0;
    for (int64_t k = 0; k <= n && pause != 0 && spare > 0; ++k) {
        if (spare < pause) pause = spare;
        side_.insert(side_.begin() + static_cast<std::ptrdiff_t>(at), PauseSong(pause));
        spare -= pause;
        at += 2;
    }
    return Outcome::kDone;
}

CassettePlanner::Outcome CassettePlanner::Migrate(PlaylistStore& playlist) {
    if (side_.empty()) return Outcome::kNothingToMigrate;
    PlaylistStore fresh;
    for (const TapeSong& song : side_) fresh.Append(song.title, song.path);
    playlist.Swap(fresh);
    // Exactly the entries that went onto the side leave the transfer list;
    // another copy of the same title stays.
    std::unordered_set<int64_t> taken;
    for (const TapeSong& song : side_)
        if (song.id != 0) taken.insert(song.id);
    TapeList kept;
    for (TapeSong& t : transfer_)
        if (!taken.count(t.id)) kept.push_back(std::move(t));
    transfer_.swap(kept);
    side_.clear();
    return Outcome::kDone;
}

}  // namespace vorne::player::library::cassette
