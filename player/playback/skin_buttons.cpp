#include "player/playback/skin_buttons.h"

namespace vorne::player::playback {

ButtonCommand CommandFor(ButtonKind kind, std::string_view action, int shift) {
  switch (kind) {
    case ButtonKind::Push:
      if (action == "Close") return ButtonCommand::Close;
      if (action == "Minimize") return ButtonCommand::Minimize;
      if (action == "System Menu") return ButtonCommand::SystemMenu;
      break;
    case ButtonKind::Toggle:
      if (action == "Play List Button") return ButtonCommand::PlayList;
      if (action == "Random Button") return ButtonCommand::Random;
      if (action == "Repeat Button") return ButtonCommand::Repeat;
      break;
    case ButtonKind::FourState:
      if (action == "Previous Button") return ButtonCommand::Previous;
      if (action == "Play Button") return shift == 1 ? ButtonCommand::PlayFromStart : ButtonCommand::Play;
      if (action == "Pause Button") return ButtonCommand::Pause;
      if (action == "Stop Button") return ButtonCommand::Stop;
      if (action == "Next Button") return ButtonCommand::Next;
      if (action == "Open Button") return ButtonCommand::Open;
      break;
  }
  return ButtonCommand::None;
}

bool InsideRelease(float x, float y, float width, float height) { return x > 0 && y > 0 && x < width && y < height; }

ButtonResponse SkinButtons::MouseDown(ButtonKind kind, int button, bool enabled) {
  ButtonResponse r;
  if (button != 1) return r;
  clickCancelled_ = false;
  r.cell = kind == ButtonKind::FourState ? (enabled ? 2 : 3) : 1;
  return r;
}

ButtonResponse SkinButtons::MouseMove(ButtonKind kind, int index, int buttonHeld, bool enabled, bool flagOn) {
  ButtonResponse r;
  const bool leftHeld = (buttonHeld & 1) != 0;
  switch (kind) {
    case ButtonKind::Push:
      r.refresh4 = true;
      break;
    case ButtonKind::Toggle:
      r.refresh4 = true;
      if (!leftHeld) r.cell = flagOn ? 1 : 0;
      break;
    case ButtonKind::FourState:
      if (!leftHeld && enabled) {
        r.refresh4 = true;
        r.cell = 1;
        lastHover_ = index;
      }
      break;
  }
  return r;
}

ButtonResponse SkinButtons::MouseUp(ButtonKind kind, int button, bool inside, bool flagOn) {
  ButtonResponse r;
  if (button == 2) clickCancelled_ = true;
  const bool click = inside && button == 1;
  switch (kind) {
    case ButtonKind::Push:
      r.cell = 0;
      r.run = click && !clickCancelled_;
      break;
    case ButtonKind::Toggle:
      if (click) {
        r.run = !clickCancelled_;
        if (r.run) r.cell = flagOn ? 1 : 0;
        r.refreshAll = true;
      }
      break;
    case ButtonKind::FourState:
      if (click) {
        r.cell = 0;
        if (clickCancelled_) return r;
        r.run = true;
      }
      r.cleanUp = true;
      break;
  }
  return r;
}

}  // namespace vorne::player::playback
