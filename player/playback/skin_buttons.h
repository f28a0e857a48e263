// The skin's image buttons without windows: which state cell a press, a
// hover and a release show, when a release runs its command (a right-button
// release cancels the left click in progress), and which command an
// element's action names.
#pragma once

#include <optional>
#include <string_view>

namespace vorne::player::playback {

enum class ButtonKind {
  Push,       // two cells: "Close", "Minimize", "System Menu"
  Toggle,     // two cells, off and on: "Play List Button", "Random Button", "Repeat Button"
  FourState,  // normal, mouse over, mouse down, disabled: the transport and "Open Button"
};

enum class ButtonCommand {
  None,
  Close,
  Minimize,
  SystemMenu,
  PlayList,
  Random,
  Repeat,
  Previous,
  Play,
  PlayFromStart,  // Shift alone: from the beginning
  Pause,
  Stop,
  Next,
  Open,
};

// The command of an element's action; shift is the release's Shift state.
ButtonCommand CommandFor(ButtonKind kind, std::string_view action, int shift);

// A release is inside when it lies strictly right of and below the
// element's top-left corner and within its size (one unit for both).
bool InsideRelease(float x, float y, float width, float height);

// What a mouse event makes the handler do.
struct ButtonResponse {
  std::optional<int> cell;    // the cell to show
  bool run = false;           // run the element's command
  bool refreshAll = false;    // a toggle's release: RefreshAllOptions
  bool cleanUp = false;       // Refresh4Controls and CleanControlImages
  bool refresh4 = false;      // Refresh4Controls first (hover)
};

class SkinButtons {
 public:
  bool ClickCancelled() const { return clickCancelled_; }
  int LastHoverButton() const { return lastHover_; }

  ButtonResponse MouseDown(ButtonKind kind, int button, bool enabled);
  // buttonHeld: the buttons held during the move (bit 1 the left one);
  // flagOn: the toggle's flag.
  ButtonResponse MouseMove(ButtonKind kind, int index, int buttonHeld, bool enabled, bool flagOn);
  // flagOn: for a toggle, the flag as it will be after the command runs.
  ButtonResponse MouseUp(ButtonKind kind, int button, bool inside, bool flagOn);

 private:
  bool clickCancelled_ = false;
  int lastHover_ = 0;
};

}  // namespace vorne::player::playback
