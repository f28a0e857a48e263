#include "components/scroller/scroller_core.h"

namespace vorne::scroller {

namespace {

// Receives the events of a control that has nobody to tell.
class NoEvents final : public ScrollerEvents {};
NoEvents noEvents;

constexpr int16_t kButtons[] = {LeftButton, RightButton, MiddleButton};

}  // namespace

const char* errorText(Error error) {
  switch (error) {
    case Error::None: return "";
    case Error::Overflow: return "Overflow";
    case Error::TypeMismatch: return "Type mismatch";
    case Error::InvalidPropertyValue: return "Invalid property value";
  }
  return "";
}

Error checkInteger(int64_t value) {
  return value < INT16_MIN || value > INT16_MAX ? Error::Overflow : Error::None;
}

Error checkLong(int64_t value) {
  return value < INT32_MIN || value > INT32_MAX ? Error::Overflow : Error::None;
}

bool isValidMousePointer(int64_t value) {
  return (value >= 0 && value <= 15) || value == kCustomPointer;
}

bool isValidOleColor(uint32_t color) {
  switch (color >> 24) {
    case 0x00:  // RGB
    case 0x01:  // palette index
    case 0x02:  // palette-relative RGB
      return true;
    case 0x80:  // system colour index
      return (color & 0x00FFFFFFu) <= 30;
    default:
      return false;
  }
}

ScrollerModel::ScrollerModel() : events_(&noEvents) {}

void ScrollerModel::setEvents(ScrollerEvents* events) {
  events_ = events ? events : &noEvents;
}

void ScrollerModel::initNew() {
  direction_ = ScrollLeft;
  hAlign_ = AlignCentre;
  vAlign_ = AlignMiddle;
  setCaptionSize(events().measureCaption(caption_));
  layout();
}

void ScrollerModel::setPosition(float left, float top) {
  left_ = left;
  top_ = top;
  moved();
}

void ScrollerModel::setCaptionSize(Size size) {
  size_ = size;
  moved();
}

void ScrollerModel::setControlSize(float width, float height) {
  controlWidth_ = width;
  controlHeight_ = height;
  layout();
}

void ScrollerModel::fontChanged() {
  setCaptionSize(events().measureCaption(caption_));
}

void ScrollerModel::moved() { events().captionMoved(); }

void ScrollerModel::setTimerOn(bool on) {
  if (timerOn_ == on) return;
  timerOn_ = on;
  events().timerChanged();
}

// ---- run ----------------------------------------------------------------

void ScrollerModel::tick() {
  if (!timerTicks()) return;
  switch (direction_) {
    case ScrollLeft: left_ = left_ - kStep; break;
    case ScrollRight: left_ = left_ + kStep; break;
    case ScrollUp: top_ = top_ - kStep; break;
    case ScrollDown: top_ = top_ + kStep; break;
    default: return;
  }
  moved();

  // The sums are single precision, as the label's geometry is.
  const auto rightEnd = [this] { float s = left_ + size_.width; return s; };
  const auto bottomEnd = [this] { float s = top_ + size_.height; return s; };

  bool exited = false;
  switch (direction_) {
    case ScrollLeft: exited = rightEnd() < 0; break;
    case ScrollRight: exited = left_ > controlWidth_; break;
    case ScrollUp: exited = bottomEnd() < 0; break;
    case ScrollDown: exited = top_ > controlHeight_; break;
    default: break;
  }
  if (exited) {
    events().scrollComplete();
    resetScroll();
  }

  // A caption dragged back past the edge where it enters starts afresh. The
  // direction is read again: a handler above may have changed it.
  bool beyondEntry = false;
  switch (direction_) {
    case ScrollLeft: beyondEntry = left_ > controlWidth_; break;
    case ScrollRight: beyondEntry = rightEnd() < 0; break;
    case ScrollUp: beyondEntry = top_ > controlHeight_; break;
    case ScrollDown: beyondEntry = bottomEnd() < 0; break;
    default: break;
  }
  if (beyondEntry) resetScroll();
}

void ScrollerModel::resetScroll() {
  if (!timerOn_) {
    layout();
    return;
  }
  switch (direction_) {
    case ScrollLeft: left_ = controlWidth_; break;
    case ScrollRight: left_ = -size_.width; break;
    case ScrollUp: top_ = controlHeight_; break;
    case ScrollDown: top_ = -size_.height; break;
    default: return;
  }
  placeCrossAxis();
  moved();
  events().scrollStart();
}

namespace {

// One axis of the cross-axis placement: 0 start, 1 end, 2 middle, other
// values leave the position alone.
void place(float& position, int32_t alignment, float extent, float size) {
  switch (alignment) {
    case 0: position = 0; break;
    case 1: position = extent - size; break;
    case 2: position = extent / 2 - size / 2; break;
    default: break;
  }
}

}  // namespace

void ScrollerModel::placeCrossAxis() {
  switch (direction_) {
    case ScrollLeft:
    case ScrollRight: place(top_, vAlign_, controlHeight_, size_.height); break;
    case ScrollUp:
    case ScrollDown: place(left_, hAlign_, controlWidth_, size_.width); break;
    default: break;
  }
}

void ScrollerModel::layout() {
  if (!timerOn_) {
    left_ = controlWidth_ / 2 - size_.width / 2;
    top_ = controlHeight_ / 2 - size_.height / 2;
  } else {
    placeCrossAxis();
  }
  moved();
}

// ---- properties ----------------------------------------------------------

void ScrollerModel::setEnabled(bool on) {
  setTimerOn(on);
  layout();
}

void ScrollerModel::setScrollDirection(int32_t direction) {
  direction_ = direction;
  events().changeScrollDirection();
  resetScroll();
}

void ScrollerModel::applyCaption(const std::wstring& caption) {
  caption_ = caption;
  setCaptionSize(events().measureCaption(caption_));
}

void ScrollerModel::setCaption(const std::wstring& caption) {
  applyCaption(caption);
  layout();
}

Error ScrollerModel::setScrollSpeed(int64_t milliseconds) {
  if (Error e = checkLong(milliseconds); e != Error::None) return e;
  if (milliseconds < 0 || milliseconds > kMaxInterval) return Error::InvalidPropertyValue;
  if (interval_ != milliseconds) {
    interval_ = static_cast<int32_t>(milliseconds);
    events().timerChanged();
  }
  return Error::None;
}

Error ScrollerModel::setTextAlignment(int64_t value) {
  if (Error e = checkInteger(value); e != Error::None) return e;
  if (value < AlignLeft || value > AlignCentre) return Error::InvalidPropertyValue;
  textAlignment_ = static_cast<int16_t>(value);
  moved();
  return Error::None;
}

Error ScrollerModel::setMousePointer(int64_t value) {
  if (Error e = checkInteger(value); e != Error::None) return e;
  if (!isValidMousePointer(value)) return Error::InvalidPropertyValue;
  mousePointer_ = static_cast<int16_t>(value);
  return Error::None;
}

Error ScrollerModel::setBorderStyle(int64_t value) {
  if (Error e = checkInteger(value); e != Error::None) return e;
  if (value != 0 && value != 1) return Error::InvalidPropertyValue;
  borderStyle_ = static_cast<int16_t>(value);
  return Error::None;
}

Error ScrollerModel::setBackColor(uint32_t color) {
  if (!isValidOleColor(color)) return Error::InvalidPropertyValue;
  backColor_ = color;
  return Error::None;
}

Error ScrollerModel::setForeColor(uint32_t color) {
  if (!isValidOleColor(color)) return Error::InvalidPropertyValue;
  foreColor_ = color;
  moved();
  return Error::None;
}

// ---- mouse ---------------------------------------------------------------

Part ScrollerModel::partAt(float x, float y) const {
  const bool inCaption = x >= left_ && x < left_ + size_.width && y >= top_ && y < top_ + size_.height;
  if (inCaption) return Part::Caption;
  const bool inControl = x >= 0 && x < controlWidth_ && y >= 0 && y < controlHeight_;
  return inControl ? Part::Surface : Part::None;
}

void ScrollerModel::captionMouseDown(int16_t button, int16_t shift, float x, float y) {
  events().mouseDown(button, shift, left_ + x, top_ + y);
  grabX_ = x;
  grabY_ = y;
  if (button == LeftButton) {
    timerWasOff_ = !timerOn_;
    handHeld_ = true;
    setTimerOn(false);
  }
}

void ScrollerModel::captionMouseMove(int16_t button, int16_t shift, float x, float y) {
  events().mouseMove(button, shift, left_ + x, top_ + y);
  // Only a drag that began with a left press on the caption moves it.
  if (button != LeftButton || !handHeld_) return;
  switch (direction_) {
    case ScrollLeft:
    case ScrollRight: left_ = left_ + x - grabX_; moved(); break;
    case ScrollUp:
    case ScrollDown: top_ = top_ + y - grabY_; moved(); break;
    default: break;
  }
}

void ScrollerModel::captionMouseUp(int16_t button, int16_t shift, float x, float y) {
  if (button == LeftButton && handHeld_) {
    handHeld_ = false;
    if (!timerWasOff_) setTimerOn(true);
  }
  events().mouseUp(button, shift, left_ + x, top_ + y);
}

void ScrollerModel::pointerDown(int16_t button, int16_t shift, float x, float y) {
  if (buttonsDown_ & button) releaseHeld(button, shift, x, y);  // its release went unseen
  lastX_ = x;
  lastY_ = y;
  lastShift_ = shift;
  if (buttonsDown_ == 0) capture_ = partAt(x, y);
  buttonsDown_ = static_cast<int16_t>(buttonsDown_ | button);
  const Part part = capture_;
  if (button == LeftButton) clickPart_ = part;
  if (part == Part::Caption) {
    captionMouseDown(button, shift, x - left_, y - top_);
  } else {
    events().mouseDown(button, shift, x, y);
  }
}

void ScrollerModel::pointerDoubleClick(int16_t button, int16_t shift, float x, float y) {
  if (button != LeftButton) {
    pointerDown(button, shift, x, y);
    return;
  }
  if (buttonsDown_ & button) releaseHeld(button, shift, x, y);
  lastX_ = x;
  lastY_ = y;
  lastShift_ = shift;
  if (buttonsDown_ == 0) capture_ = partAt(x, y);
  buttonsDown_ = static_cast<int16_t>(buttonsDown_ | button);
  const Part part = capture_;
  clickPart_ = Part::None;  // the second press of a double click is no click
  events().dblClick();
  if (part == Part::Caption) {
    // The second press holds the caption as the first one did.
    grabX_ = x - left_;
    grabY_ = y - top_;
    timerWasOff_ = handHeld_ ? timerWasOff_ : !timerOn_;
    handHeld_ = true;
    setTimerOn(false);
  }
}

void ScrollerModel::pointerMove(int16_t buttons, int16_t shift, float x, float y) {
  if (int16_t lost = static_cast<int16_t>(buttonsDown_ & ~buttons)) releaseHeld(lost, shift, x, y);
  lastX_ = x;
  lastY_ = y;
  lastShift_ = shift;
  const Part part = buttonsDown_ ? capture_ : partAt(x, y);
  if (part == Part::Caption) {
    captionMouseMove(buttons, shift, x - left_, y - top_);
  } else {
    events().mouseMove(buttons, shift, x, y);
  }
}

void ScrollerModel::pointerUp(int16_t button, int16_t shift, float x, float y) {
  const bool held = (buttonsDown_ & button) != 0;
  const Part part = held ? capture_ : partAt(x, y);
  lastX_ = x;
  lastY_ = y;
  lastShift_ = shift;
  buttonsDown_ = static_cast<int16_t>(buttonsDown_ & ~button);
  if (buttonsDown_ == 0) capture_ = Part::None;
  const bool click = held && button == LeftButton && clickPart_ == part && part != Part::None;
  if (button == LeftButton) clickPart_ = Part::None;
  if (part == Part::Caption) {
    captionMouseUp(button, shift, x - left_, y - top_);
  } else {
    events().mouseUp(button, shift, x, y);
  }
  if (click && partAt(x, y) == part) events().click();
}

void ScrollerModel::releaseHeld(int16_t buttons, int16_t shift, float x, float y) {
  for (int16_t b : kButtons) {
    if (!(buttons & b) || !(buttonsDown_ & b)) continue;
    if (b == LeftButton) clickPart_ = Part::None;  // a lost release is no click
    pointerUp(b, shift, x, y);
  }
}

void ScrollerModel::captureLost() {
  if (buttonsDown_ != 0) releaseHeld(buttonsDown_, lastShift_, lastX_, lastY_);
}

}  // namespace vorne::scroller
