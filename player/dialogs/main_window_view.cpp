#include "player/dialogs/main_window_view.h"

namespace vorne::player::dialogs {
namespace {

class NoMainWindow : public MainWindowView {
 public:
  int TitleCount() override { return 0; }
  int SelectedIndex() override { return -1; }
  std::string TitlePath(int) override { return std::string(); }
  IDispatch* MediaControl() override { return nullptr; }
  void ClearPlaybackActive() override {}
  int16_t& AlwaysOnTop() override { return onTop_; }

 private:
  int16_t onTop_ = 0;
};

MainWindowView*& Current() {
  static MainWindowView* view = nullptr;
  return view;
}

}  // namespace

MainWindowView& MainWindow() {
  static NoMainWindow none;
  MainWindowView* view = Current();
  return view ? *view : none;
}

void SetMainWindow(MainWindowView* view) { Current() = view; }

}  // namespace vorne::player::dialogs
