// The wave output dialog's view of the running player.
#include <cmath>

#include "platform/mediaplayer/media_player.h"
#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/playlist_window.h"
#include "runtime/forms/window_procs.h"
#include "player/core/song_info.h"
#include "player/output/output_window.h"
#include "runtime/com/late_bound.h"
#include "runtime/forms/forms.h"

namespace vorne::player::output {
namespace {

class PlayerOutputHost : public OutputHost {
 public:
  explicit PlayerOutputHost(forms::Form& dialog) : dialog_(dialog) {}

  int TitleCount() override { return frmList().List1.ListCount(); }
  int SelectedIndex() override { return frmList().List1.ListIndex(); }
  std::string TitlePath(int index) override {
    const auto& store = frmList().Store;
    return index >= 0 && index < store.Count() ? store.PathAt(index) : std::string();
  }
  SongFacts ReadSong(const std::string& path) override {
    // No current file in the context: a missing song is not reported in
    // the player and does not stop it.
    const SongInfoRecord rec = GetMp3Info(path, SongInfoContext{});
    return {rec.HasTag, rec.Artist, rec.Title};
  }
  void ClearPlaybackActive() override { PlaybackActive = false; }
  void StopMainPlayer() override {
    if (IDispatch* p = frmMain().NSPlay1()) com::CallMethod(p, media::kDispStop);
  }
  double MainDuration() override { return Read(media::kDispDuration); }
  double MainPosition() override { return Read(media::kDispPosition); }
  void SetOnTop(bool userChoice) override {
    if (!dialog_.Loaded()) return;
    if (userChoice) {
      vorne::player::SetOnTop(Options.AlwaysOnTop, dialog_.hWnd());
    } else {
      int16_t off = 0;
      vorne::player::SetOnTop(off, dialog_.hWnd());
    }
  }
  void Message(const std::string& text) override { forms::MsgBox(text); }

 private:
  static double Read(DISPID id) {
    IDispatch* p = frmMain().NSPlay1();
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
