#pragma once
// The cassette planner without its window: a transfer list of songs taken
// from the playlist, and the side list made from it to fit one side of a
// tape, with pauses spread between the songs to fill the side exactly.
// Durations are kept as numbers of seconds (with their fraction); totals
// are whole seconds, the running sum rounded after each song, halves to
// even. Window-free.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "player/library/playlist_store.h"

namespace vorne::player::library::cassette {

struct TapeSong {
    std::string title, path;
    double seconds = 0;
    // Which transfer entry this is (or was copied from); 0 for a pause.
    int64_t id = 0;
};
using TapeList = std::vector<TapeSong>;

// Halves to even, as the totals round.
double RoundHalfEven(double v);
// The running total of a list in whole seconds.
int64_t TotalSeconds(const TapeList& list);
// The side length in seconds from the minutes text: a positive number
// ("30", "45.5", blanks around it allowed); nothing otherwise.
std::optional<double> SideSeconds(const std::string& minutes);
// "< PAUSE FOR 10 second(s) >", "%PAUSE%10", 10 seconds.
TapeSong PauseSong(int64_t seconds);

class CassettePlanner {
public:
    enum class Outcome {
        kDone,
        kBadLength,    // the minutes are not a positive number: nothing changed
        kEmptySide,    // Expand with no songs on the side
        kAlreadyFits,  // Expand with the side exactly full
        kOverFull,     // Expand with the side longer than the tape
        kNothingToMigrate,
    };
    // The message for an outcome ("" for kDone).
    static std::string Message(Outcome o);

    const TapeList& Transfer() const { return transfer_; }
    const TapeList& Side() const { return side_; }

    // Add from Play List: each selected entry of the playlist, in list
    // order, with the seconds the callback gives for its path (a pause
    // entry gives its own seconds).
    void AddFromPlaylist(const PlaylistStore& list, const std::vector<bool>& selected,
                         const std::function<double(const std::string& path)>& seconds);
    void AddToTransfer(std::string title, std::string path, double seconds);
    // Del Selected and Clear List of the transfer list.
    void DeleteSelected(const std::vector<bool>& selected);
    void ClearTransfer() { transfer_.clear(); }

    // Create Side: the transfer entries that fit, greedily in order; a
    // later, shorter song may still fit after a longer one was skipped.
    Outcome CreateSide(const std::string& minutes);
    // Expand List: a pause before each song, and the rest of the spare time
    // after the last, so that the side fills the tape.
    Outcome ExpandSide(const std::string& minutes);
    // Migrate List: the side becomes the playlist, the entries that went onto
    // it leave the transfer list, and the side is emptied.
    Outcome Migrate(PlaylistStore& playlist);

private:
    TapeList transfer_, side_;
    int64_t next_id_ = 1;
};

}  // namespace vorne::player::library::cassette
