#include "platform/mediaplayer/wave_volume.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "platform/mediaplayer/player_registry.h"

namespace vorne::mediaplayer {
namespace {

std::map<UINT, HWAVEOUT>& Handles() {
  static std::map<UINT, HWAVEOUT> handles;
  return handles;
}

// The word set last on any device, which every live control plays at, and
// those controls.
struct Playback {
  DWORD word = 0xFFFFFFFF;
  std::vector<VolumeListener*> players;
};
Playback& Players() {
  static Playback playback;
  return playback;
}

// Per device, the word last set through here. The device keeps its level in
// another scale and may give it back one step off; a reading that close to
// what was set is what was set.
std::map<UINT, DWORD>& SetWords() {
  static std::map<UINT, DWORD> words;
  return words;
}

bool Near(DWORD a, DWORD b) {
  auto close = [](unsigned x, unsigned y) { return (x > y ? x - y : y - x) <= 2; };
  return close(LOWORD(a), LOWORD(b)) && close(HIWORD(a), HIWORD(b));
}

HWAVEOUT HandleFor(UINT device) {
  auto& handles = Handles();
  auto it = handles.find(device);
  if (it != handles.end()) return it->second;
  WAVEFORMATEX fmt{};
  fmt.wFormatTag = WAVE_FORMAT_PCM;
  fmt.nChannels = 2;
  fmt.nSamplesPerSec = 44100;
  fmt.wBitsPerSample = 16;
  fmt.nBlockAlign = 4;
  fmt.nAvgBytesPerSec = 44100 * 4;
  HWAVEOUT h = nullptr;
  if (waveOutOpen(&h, device, &fmt, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) return nullptr;
  handles[device] = h;
  return h;
}

}  // namespace

MMRESULT GetWaveVolume(UINT device, DWORD* word) {
  if (!word) return MMSYSERR_INVALPARAM;
  MMRESULT r;
  if (HWAVEOUT h = HandleFor(device)) {
    r = waveOutGetVolume(h, word);
  } else {
    r = waveOutGetVolume(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(device)), word);
  }
  if (r != MMSYSERR_NOERROR) return r;
  auto it = SetWords().find(device);
  if (it != SetWords().end() && Near(*word, it->second)) *word = it->second;
  return r;
}

MMRESULT SetWaveVolume(UINT device, DWORD word) {
  MMRESULT r;
  if (HWAVEOUT h = HandleFor(device)) {
    r = waveOutSetVolume(h, word);
  } else {
    r = waveOutSetVolume(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(device)), word);
  }
  if (r == MMSYSERR_NOERROR) {
    SetWords()[device] = word;
    Playback& p = Players();
    p.word = word;
    for (VolumeListener* player : p.players) player->SetVolumeWord(word);
  }
  return r;
}

DWORD PlaybackVolumeWord() { return Players().word; }

void AddPlayer(VolumeListener* player) {
  Playback& p = Players();
  p.players.push_back(player);
  player->SetVolumeWord(p.word);
}

void RemovePlayer(VolumeListener* player) {
  auto& players = Players().players;
  players.erase(std::remove(players.begin(), players.end(), player), players.end());
}

long RendererVolume(unsigned level) {
  if (level == 0) return -10000;
  if (level >= 0xFFFF) return 0;
  double db100 = 2000.0 * std::log10(static_cast<double>(level) / 65535.0);
  if (db100 < -10000) return -10000;
  return std::lround(db100);
}

void CloseWaveVolume() {
  for (auto& [device, h] : Handles()) waveOutClose(h);
  Handles().clear();
}

}  // namespace vorne::mediaplayer
