// The main window's playback: its media player control, the transport over
// it, the fades and the position bar's seek rules, and the window side each
// of them drives (the skin's elements, the playlist window, the statistics).
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "platform/mediaplayer/media_events.h"
#include "player/playback/fade.h"
#include "player/playback/media_control_win32.h"
#include "player/playback/position_bar.h"
#include "player/playback/skin_buttons.h"
#include "player/playback/transport.h"
#include "runtime/forms/forms.h"

namespace vorne::player {

class FrmMain;

// The skin's "Volume Bar" elements as they are at each call.
class VolumeBarElements : public vorne::player::playback::VolumeBars {
public:
    explicit VolumeBarElements(FrmMain& w) : w_(w) {}
    int Count() override;
    long Value(int k) override;
    void SetValue(int k, long v) override;
    long Max(int k) override;
    void UpdateVolume(int k) override;

private:
    IDispatch* Bar(int k, int* index = nullptr);
    FrmMain& w_;
};

class PlaybackWiring : public vorne::player::playback::TransportHost,
                       public vorne::player::playback::Playlist,
                       public vorne::mediaplayer::MediaEvents,
                       public vorne::player::playback::SeekHost {
public:
    explicit PlaybackWiring(FrmMain& w);
    ~PlaybackWiring() override;

    // Creates the control and connects its events; false without one.
    bool Open();
    // The program closes: waits and fades end, the control stops and goes.
    void Close();
    // A skin is being replaced: a fade or a drag over its bars ends.
    void SkinChanging();

    // Runs a transport step with the options as they are now, and mirrors
    // the playing flag the other windows read.
    template <class F>
    void Run(F&& f) {
        SyncOptions();
        f();
        SyncFlag();
    }
    void PlaySelected() {
        Run([&] { transport.PlaySelected(); });
    }
    void PlayOnStart(int32_t lastSongIndex) {
        Run([&] { transport.PlayOnStart(lastSongIndex); });
    }

    vorne::player::playback::DispatchMediaControl media;
    vorne::player::playback::TickClock clock;
    vorne::player::playback::TransportOptions options;
    vorne::player::playback::Transport transport;
    VolumeBarElements bars;
    vorne::player::playback::Fader fader;
    vorne::player::playback::PositionSeek seek;
    vorne::player::playback::SkinButtons buttons;
    // The control's duration and position, read once per poll and used by
    // every display of that tick.
    double duration = 0, position = 0;
    void ReadTimes() {
        duration = media.Duration();
        position = media.Position();
    }
    // The picture each disabled transport button was last given, so a
    // repeated state shows it without cutting it again.
    std::map<int, std::weak_ptr<forms::Picture>> disabledShown;

    // TransportHost
    void Refresh4Controls() override;
    void SetDisplayRefresh(bool on) override;
    void ShowWaiting(const std::string& text) override;
    void ResetAllTimeDisplays() override;
    void CountSong() override;
    void AddPlayTime(double seconds) override;
    bool FileExists(const std::string& path) override;
    void ShowMissing(const std::string& path) override;
    bool OpenEntry(int i, const std::string& path) override;
    // Playlist
    int Count() override;
    int ListIndex() override;
    void SetListIndex(int i) override;
    void DeselectAll() override;
    void Select(int i) override;
    std::string PathAt(int i) override;
    std::string ListFile() override;
    // MediaEvents
    void PlayStateChange(long oldState, long newState) override;
    void Buffering(bool start) override;
    void Error() override;
    void NewStream() override;
    void ReadyStateChange(long readyState) override;
    void EndOfStream(long result) override;
    // SeekHost
    double Position() override;
    void SeekTo(double seconds, bool withVideo) override;
    bool IsVideo() override;
    void EnableSongInfo() override;
    void ShowSongInfo(const std::string& text) override;
    void SetBarsTo(long value) override;
    void ReleaseCapture() override;

private:
    void SyncOptions();
    void SyncFlag();

    FrmMain& w_;
    vorne::mediaplayer::MediaEventsConnection events_;
};

}  // namespace vorne::player
