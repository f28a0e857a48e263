// The main window as the secondary windows see it.
#include "player/app/running_main_window.h"

#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/playlist_window.h"

namespace vorne::player {
namespace {

class RunningMainWindow : public MainWindowView {
 public:
  int TitleCount() override { return frmList().List1.ListCount(); }
  int SelectedIndex() override { return frmList().List1.ListIndex(); }
  std::string TitlePath(int index) override {
    const auto& store = frmList().Store;
    return index >= 0 && index < store.Count() ? store.PathAt(index) : std::string();
  }
  IDispatch* MediaControl() override { return frmMain().NSPlay1(); }
  void ClearPlaybackActive() override { PlaybackActive = false; }
  int16_t& AlwaysOnTop() override { return Options.AlwaysOnTop; }
};

}  // namespace

MainWindowView& RunningMainWindowView() {
  static RunningMainWindow view;
  return view;
}

}  // namespace vorne::player
