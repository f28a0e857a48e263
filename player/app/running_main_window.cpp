// The main window as the secondary windows see it.
#include "player/app/running_main_window.h"

#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/main_window_playback.h"
#include "player/app/playlist_window.h"
#include "player/output/output_window.h"
#include "player/video/video_window.h"

namespace vorne::player {
namespace {

class RunningMainWindow : public dialogs::MainWindowView {
 public:
  int TitleCount() override { return frmList().List1.ListCount(); }
  int SelectedIndex() override { return frmList().List1.ListIndex(); }
  std::string TitlePath(int index) override {
    const auto& store = frmList().Store;
    return index >= 0 && index < store.Count() ? store.PathAt(index) : std::string();
  }
  IDispatch* MediaControl() override { return frmMain().NSPlay1(); }
  // Through the transport, whose flag decides what a stop that follows
  // means: cleared there, the stop is no end of a song, so nothing is
  // counted and the list does not go on.
  void ClearPlaybackActive() override {
    PlaybackWiring& p = frmMain().Playback();
    p.Run([&] { p.transport.SetPlaybackActive(false); });
  }
  int16_t& AlwaysOnTop() override { return Options.AlwaysOnTop; }
};

}  // namespace

dialogs::MainWindowView& RunningMainWindowView() {
  static RunningMainWindow view;
  return view;
}

void ConnectSecondaryWindows() {
  dialogs::SetMainWindow(&RunningMainWindowView());
  FrmMain& main = frmMain();
  main.ShowOutputWindow = [] { output::frmOutput().Show(); };
  main.ShowVideoWindow = [] { video::frmVideo().Show(); };
  main.VideoControl = []() -> IDispatch* {
    video::FrmVideo& v = video::frmVideo();
    if (!v.Loaded()) v.Load();
    return v.Vid() ? v.Vid()->Dispatch() : nullptr;
  };
  main.UnloadVideoWindow = [] { video::frmVideo().Unload(); };
  video::frmVideo().Released = [](IDispatch* d) {
    vorne::player::playback::DispatchMediaControl& media = frmMain().Playback().media;
    if (media.Video() == d) media.SetVideo(nullptr);
  };
}

}  // namespace vorne::player
