// The wave output dialog's view of the running player.
#include <cmath>

#include "platform/mediaplayer/media_player.h"
#include "player/core/song_info.h"
#include "player/dialogs/main_window_view.h"
#include "player/output/output_window.h"
#include "runtime/com/late_bound.h"
#include "runtime/forms/forms.h"
#include "runtime/forms/window_procs.h"

namespace vorne::player::output {
namespace {

class PlayerOutputHost : public OutputHost {
 public:
  explicit PlayerOutputHost(forms::Form& dialog) : dialog_(dialog) {}

  int TitleCount() override { return dialogs::MainWindow().TitleCount(); }
  int SelectedIndex() override { return dialogs::MainWindow().SelectedIndex(); }
  std::string TitlePath(int index) override { return dialogs::MainWindow().TitlePath(index); }
  SongFacts ReadSong(const std::string& path) override {
    // No current file in the context: a missing song is not reported in
    // the player and does not stop it.
    const core::SongInfoRecord rec = core::GetMp3Info(path, core::SongInfoContext{});
    return {rec.HasTag, rec.Artist, rec.Title};
  }
  void ClearPlaybackActive() override { dialogs::MainWindow().ClearPlaybackActive(); }
  void StopMainPlayer() override {
    if (IDispatch* p = dialogs::MainWindow().MediaControl()) com::CallMethod(p, vorne::mediaplayer::kDispStop);
  }
  double MainDuration() override { return Read(vorne::mediaplayer::kDispDuration); }
  double MainPosition() override { return Read(vorne::mediaplayer::kDispPosition); }
  void SetOnTop(bool userChoice) override {
    if (!dialog_.Loaded()) return;
    if (userChoice) {
      forms::SetOnTop(dialogs::MainWindow().AlwaysOnTop(), dialog_.hWnd());
    } else {
      int16_t off = 0;
      forms::SetOnTop(off, dialog_.hWnd());
    }
  }
  void Message(const std::string& text) override { forms::MsgBox(text); }

 private:
  static double Read(DISPID id) {
    IDispatch* p = dialogs::MainWindow().MediaControl();
    if (!p) return 0;
    com::Variant v;
    if (FAILED(com::GetProperty(p, id, &v))) return 0;
    return v.AsDouble(0);
  }
  forms::Form& dialog_;
};

}  // namespace

std::unique_ptr<OutputHost> MakePlayerOutputHost(forms::Form& dialog) {
  return std::make_unique<PlayerOutputHost>(dialog);
}


}  // namespace vorne::player::output
