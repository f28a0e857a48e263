// The player's transport without its windows: the play-state map and what
// each state shows, the end-of-track logic with the wait between tracks,
// the choice of the next playlist entry, the transport commands and the
// playing of one entry (pause entries, missing files). The media control,
// the playlist, the clock and the window side come in through interfaces,
// so the whole of it runs against fakes.
//
// Waits never run a message loop of their own: a wait is a deadline on the
// monotonic clock that Tick (called from the main window's poll) completes.
// The wait between tracks runs to its end whatever is done meanwhile; an
// end of track during it (Next) waits on its own, and the wait it
// interrupted ends after it, as a nested wait would. A pause entry's wait
// ends early at any transport command or the play of another entry.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace vorne::player::playback {

enum class PlayerState { Playing = 0, Stopped = 1, Paused = 2, Closed = 3 };

// The control's play state (0 stopped, 1 paused, 2 playing, 6 closed) as
// the state shown; any other value changes nothing.
std::optional<PlayerState> StateFromPlayState(long playState);

// What a state enables: the "Position Bar" elements and the five
// transport buttons.
struct StateView {
  bool positionBar;
  bool previous, play, pause, stop, next;
};
StateView ViewOf(PlayerState s);

// The tray tip after showing a state; nothing when it stays as it is.
// Stopped: "Vorne - v" & version; paused: " (paused)" appended once.
std::optional<std::string> TrayTipFor(PlayerState s, std::string_view tip, std::string_view version);

// Whether the file is a video by its extension ("STREAM" never is).
bool IsVideoFile(std::string_view currentFile);

// The "Song Info" text of a playback error, on two lines for a label that
// scrolls vertically; nothing for codes the player does not know.
std::optional<std::string> ErrorText(long errorCode, bool verticalLabel);
// The status text of a stream's ready state, or nothing.
std::optional<std::string> ReadyStateText(long readyState);
// "Waiting " & seconds & " seconds".
std::string WaitingText(std::string_view seconds);

// LastSongIndex after a new stream: it follows the list only while the
// option is on (above -1), and only to a selected entry.
int32_t NextLastSongIndex(int32_t lastSongIndex, int listIndex);

// The entry the play-on-start picks: the remembered one when it lies in the
// list (nothing when it lies beyond it), else a random one or the first.
std::optional<int> StartIndex(int count, int32_t lastSongIndex, bool random, std::mt19937& rng);
// A random entry other than current (any entry when current is none or the
// list holds one); nothing for an empty list.
std::optional<int> PickRandom(int current, int count, std::mt19937& rng);

// The media player control, as the transport drives it (the host sends
// play, pause and stop to the video window's control as well).
class MediaControl {
 public:
  virtual ~MediaControl() = default;
  virtual long PlayState() = 0;
  virtual void Play() = 0;
  virtual void Pause() = 0;
  virtual void Stop() = 0;  // may report the change to stopped before it returns
  virtual void SetPosition(double seconds) = 0;
};

// The playlist window's visible list.
class Playlist {
 public:
  virtual ~Playlist() = default;
  virtual int Count() = 0;
  virtual int ListIndex() = 0;  // -1 when none
  virtual void SetListIndex(int i) = 0;
  virtual void DeselectAll() = 0;
  virtual void Select(int i) = 0;
  virtual std::string PathAt(int i) = 0;  // the entry's path as stored
  virtual std::string ListFile() = 0;     // the list file's path, for relative entries
};

// The monotonic clock, in milliseconds.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t NowMs() = 0;
};

// The window side.
class TransportHost {
 public:
  virtual ~TransportHost() = default;
  virtual void Refresh4Controls() = 0;
  virtual void SetDisplayRefresh(bool on) = 0;
  // A status text in every enabled "Song Info" element, whose scrolling
  // stops.
  virtual void ShowWaiting(const std::string& text) = 0;
  virtual void ResetAllTimeDisplays() = 0;
  virtual void CountSong() = 0;                 // TotalSongsPlayed + 1
  virtual void AddPlayTime(double seconds) = 0;  // TotalPlayTime + seconds
  virtual bool FileExists(const std::string& path) = 0;
  // "File not Found: " & path in the "Song Info" elements and the song
  // record; CurrentFile becomes "".
  virtual void ShowMissing(const std::string& path) = 0;
  // Opens entry i's file (path resolved) in the control, which plays it;
  // the song record, CurrentFile, the shown state and the entry's title
  // follow. False when the control refused the file.
  virtual bool OpenEntry(int i, const std::string& path) = 0;
};

struct TransportOptions {
  bool advances = true;  // "Play List Advances"
  bool random = false;
  bool repeat = false;
  int wait = 0;          // seconds between tracks
};

class Transport {
 public:
  Transport(MediaControl& media, Playlist& list, Clock& clock, TransportHost& host, const TransportOptions& options,
            uint32_t seed);

  bool PlaybackActive() const { return playbackActive_; }
  void SetPlaybackActive(bool on) { playbackActive_ = on; }
  // A wait between tracks or of a pause entry is running.
  bool Waiting() const { return !trackWaits_.empty() || pauseWait_.has_value(); }
  bool WaitingBetweenTracks() const { return !trackWaits_.empty(); }

  // The control reported a change of play state.
  void ProcessStateChange(long newState);
  // Completes a wait whose time is up; called on every poll.
  void Tick();

  void Play();
  void Pause();
  void Stop();
  void Next();
  void Previous();
  // Open Location: the stream replaces the list's playing.
  void OpenLocation();
  // Plays the entry at the list index.
  void PlaySelected();
  // Play-on-start after the list's load.
  void PlayOnStart(int32_t lastSongIndex);
  // The program closes: waits end and nothing more is started.
  void Shutdown();

  std::mt19937& Random() { return rng_; }

 private:
  struct Wait {
    int64_t start;
    int64_t length;
    double seconds;
    bool Due(int64_t now) const { return now - start >= length; }
  };

  void EndOfTrack(bool requested);
  void Advance();
  void PlayAt(int i);
  void StopOwn();
  Wait StartWait(double seconds, const std::string& text);
  // What a transport command ends: the wait of a pause entry.
  void InterruptWait() { pauseWait_.reset(); }

  MediaControl& media_;
  Playlist& list_;
  Clock& clock_;
  TransportHost& host_;
  const TransportOptions& options_;
  std::mt19937 rng_;
  bool playbackActive_ = false;
  bool closed_ = false;
  int ownStops_ = 0;
  // The waits between tracks, the one started last at the back: only it
  // can end, and the one below it ends after it.
  std::vector<Wait> trackWaits_;
  // A pause entry's wait; it lies above every wait between tracks.
  std::optional<Wait> pauseWait_;
};

}  // namespace vorne::player::playback
