#include "player/playback/transport.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "player/library/playlist_store.h"

namespace vorne::player::playback {

std::optional<PlayerState> StateFromPlayState(long playState) {
  switch (playState) {
    case 0: return PlayerState::Stopped;
    case 1: return PlayerState::Paused;
    case 2: return PlayerState::Playing;
    case 6: return PlayerState::Closed;
    default: return std::nullopt;
  }
}

StateView ViewOf(PlayerState s) {
  switch (s) {
    case PlayerState::Playing: return {true, true, true, true, true, true};
    case PlayerState::Stopped: return {false, true, true, false, false, true};
    case PlayerState::Paused: return {true, true, true, false, true, true};
    case PlayerState::Closed: break;
  }
  return {false, false, false, false, false, false};
}

std::optional<std::string> TrayTipFor(PlayerState s, std::string_view tip, std::string_view version) {
  if (s == PlayerState::Stopped) {
    std::string t = "Vorne - v" + std::string(version);
    if (tip == t) return std::nullopt;
    return t;
  }
  if (s == PlayerState::Paused) {
    constexpr std::string_view kPaused = "(paused)";
    if (tip.size() >= kPaused.size() && tip.substr(tip.size() - kPaused.size()) == kPaused) return std::nullopt;
    return std::string(tip) + " (paused)";
  }
  return std::nullopt;
}

bool IsVideoFile(std::string_view currentFile) {
  std::string up(currentFile);
  for (char& c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  auto endsWith = [&](std::string_view e) {
    return up.size() >= e.size() && std::string_view(up).substr(up.size() - e.size()) == e;
  };
  static constexpr std::string_view kTypes[] = {".RM",  ".WM",  ".QT",  ".MPEG", ".MPV2", ".MP2V", ".RMM",
                                                ".ASF", ".ASX", ".MPV", ".M1V",  ".MOV",  ".RAM",  ".AVI",
                                                ".MPG", ".FLC"};
  return std::any_of(std::begin(kTypes), std::end(kTypes), endsWith);
}

std::optional<std::string> ErrorText(long errorCode, bool verticalLabel) {
  const char* first = nullptr;
  const char* second = nullptr;
  if (errorCode == static_cast<long>(0x80040265)) {
    first = "Cannot play back the file.";
    second = "The format is not supported.";
  } else if (errorCode == static_cast<long>(0x80040256)) {
    first = "Cannot Output Sound.";
    second = "No hardware or Hardware in use";
  } else {
    return std::nullopt;
  }
  return std::string(first) + (verticalLabel ? "\r\n" : "  ") + second;
}

std::optional<std::string> ReadyStateText(long readyState) {
  switch (readyState) {
    case 1: return std::string("Locating Server");
    case 3: return std::string("Buffering");
    case 4: return std::string("Opening");
    default: return std::nullopt;
  }
}

std::string WaitingText(std::string_view seconds) { return "Waiting " + std::string(seconds) + " seconds"; }

int32_t NextLastSongIndex(int32_t lastSongIndex, int listIndex) {
  if (lastSongIndex > -1 && listIndex >= 0) return listIndex;
  return lastSongIndex;
}

std::optional<int> PickRandom(int current, int count, std::mt19937& rng) {
  if (count < 1) return std::nullopt;
  if (count == 1) return 0;
  if (current < 0 || current >= count) return std::uniform_int_distribution<int>(0, count - 1)(rng);
  int r = std::uniform_int_distribution<int>(0, count - 2)(rng);
  return r >= current ? r + 1 : r;
}

std::optional<int> StartIndex(int count, int32_t lastSongIndex, bool random, std::mt19937& rng) {
  if (count < 1) return std::nullopt;
  if (lastSongIndex >= 0) {
    if (lastSongIndex < count) return static_cast<int>(lastSongIndex);
    return std::nullopt;
  }
  if (random) return PickRandom(-1, count, rng);
  return 0;
}

Transport::Transport(MediaControl& media, Playlist& list, Clock& clock, TransportHost& host,
                     const TransportOptions& options, uint32_t seed)
    : media_(media), list_(list), clock_(clock), host_(host), options_(options), rng_(seed) {}

void Transport::StopOwn() {
  // A stop of our own is no end of track: the change it reports is only
  // shown.
  ++ownStops_;
  media_.Stop();
  --ownStops_;
}

void Transport::ProcessStateChange(long newState) {
  host_.Refresh4Controls();
  if (!playbackActive_ || ownStops_ > 0 || closed_) return;
  host_.SetDisplayRefresh(true);
  // A track that ends during the wait between tracks (one played again
  // meanwhile) is an end of track like any other.
  if (newState == 0 && options_.advances && !pauseWait_) EndOfTrack(false);
  host_.Refresh4Controls();
}

void Transport::EndOfTrack(bool requested) {
  if (!requested && !options_.advances) return;
  host_.CountSong();
  if (options_.wait >= 1) {
    trackWaits_.push_back(StartWait(options_.wait, WaitingText(std::to_string(options_.wait))));
    return;
  }
  Advance();
}

Transport::Wait Transport::StartWait(double seconds, const std::string& text) {
  host_.SetDisplayRefresh(false);
  host_.ShowWaiting(text);
  int64_t length = seconds > 0 ? static_cast<int64_t>(std::llround(seconds * 1000.0)) : 0;
  return Wait{clock_.NowMs(), length, seconds};
}

void Transport::Tick() {
  if (closed_) return;
  if (pauseWait_) {
    if (!pauseWait_->Due(clock_.NowMs())) return;
    const double seconds = pauseWait_->seconds;
    pauseWait_.reset();
    if (seconds > 0) host_.AddPlayTime(seconds);
    ProcessStateChange(0);
    return;
  }
  // The wait started last ends first; one it interrupted, whose time is up
  // as well by then, ends straight after it.
  while (!closed_ && !pauseWait_ && !trackWaits_.empty() && trackWaits_.back().Due(clock_.NowMs())) {
    trackWaits_.pop_back();
    Advance();
    host_.Refresh4Controls();
  }
}

void Transport::Advance() {
  int n = list_.Count();
  int i = list_.ListIndex();
  if (options_.random) {
    std::optional<int> r = PickRandom(i, n, rng_);
    if (!r) {
      playbackActive_ = false;
      StopOwn();
      media_.SetPosition(0);
      return;
    }
    PlayAt(*r);
    return;
  }
  int next = i + 1;
  if (next > n - 1) {
    if (!options_.repeat || n < 1) {
      playbackActive_ = false;
      StopOwn();
      media_.SetPosition(0);
      return;
    }
    next = 0;
  }
  PlayAt(next);
}

void Transport::PlayAt(int i) {
  list_.DeselectAll();
  list_.SetListIndex(i);
  list_.Select(i);
  PlaySelected();
}

void Transport::Play() {
  InterruptWait();
  // Set before the play, so that the change of state it reports turns the
  // display refresh on again (a wait or an error may have left it off). A
  // control without a file to play leaves the flag as it was.
  const bool was = playbackActive_;
  playbackActive_ = true;
  media_.Play();
  if (media_.PlayState() != 2) playbackActive_ = was;
}

void Transport::Pause() {
  InterruptWait();
  media_.Pause();
}

void Transport::Stop() {
  InterruptWait();
  playbackActive_ = false;
  media_.Stop();
  media_.SetPosition(0);
  host_.ResetAllTimeDisplays();
}

void Transport::Next() {
  InterruptWait();
  if (list_.Count() < 1 || closed_) return;
  playbackActive_ = true;
  // Also during the wait between tracks: a count and a wait of its own.
  StopOwn();
  EndOfTrack(true);
  host_.Refresh4Controls();
}

void Transport::Previous() {
  if (options_.random) {
    Next();
    return;
  }
  InterruptWait();
  int n = list_.Count();
  if (n < 1 || closed_) return;
  int i = list_.ListIndex();
  PlayAt(i - 1 >= 0 ? i - 1 : n - 1);
}

void Transport::OpenLocation() {
  InterruptWait();
  playbackActive_ = false;
}

void Transport::PlaySelected() {
  InterruptWait();
  if (closed_) return;
  int i = list_.ListIndex();
  if (i < 0 || i >= list_.Count()) return;
  std::string p = list_.PathAt(i);
  if (vorne::player::library::IsPauseEntry(p)) {
    playbackActive_ = true;
    StopOwn();
    pauseWait_ = StartWait(vorne::player::library::PauseSeconds(p), WaitingText(vorne::player::library::PauseSecondsText(p)));
    return;
  }
  std::string path = vorne::player::library::FixFileName(p, list_.ListFile());
  if (!host_.FileExists(path)) {
    host_.ShowMissing(path);
    return;
  }
  if (host_.OpenEntry(i, path)) playbackActive_ = true;
}

void Transport::PlayOnStart(int32_t lastSongIndex) {
  std::optional<int> i = StartIndex(list_.Count(), lastSongIndex, options_.random, rng_);
  if (!i) return;
  PlayAt(*i);
  host_.Refresh4Controls();
}

void Transport::Shutdown() {
  trackWaits_.clear();
  pauseWait_.reset();
  closed_ = true;
}

}  // namespace vorne::player::playback
