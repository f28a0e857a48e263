// Window-free core of the scrolling caption control: where the caption
// stands, how a timer tick moves it, how a run starts and ends, the hand
// drag, and the property values with the checks their parts apply.
//
// Every position and size is in twips, single precision, measured from the
// control's top-left corner. The caption's size is an input: the window layer
// measures the text with the current font and hands the size over through
// ScrollerEvents::measureCaption.
#pragma once

#include <cstdint>
#include <string>

namespace vorne::scroller {

// Error numbers as a late-bound caller sees them.
enum class Error : int32_t {
  None = 0,
  Overflow = 6,
  TypeMismatch = 13,
  InvalidPropertyValue = 380,
};

// The fixed text that goes with each error number ("" for None).
const char* errorText(Error error);

// `direction`
enum Direction : int32_t { ScrollLeft = 0, ScrollRight = 1, ScrollUp = 2, ScrollDown = 3 };
// `LRalignments`
enum LRalignment : int32_t { AlignLeft = 0, AlignRight = 1, AlignCentre = 2 };
// `UDalignments`
enum UDalignment : int32_t { AlignTop = 0, AlignBottom = 1, AlignMiddle = 2 };

// Mouse buttons and their combination in a button state.
enum MouseButton : int16_t { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

constexpr float kStep = 60.0f;               // twips a tick
constexpr int32_t kDesignInterval = 100;     // milliseconds a tick
constexpr int32_t kMaxInterval = 65535;
constexpr float kDesignWidth = 3945.0f;      // a new control, twips
constexpr float kDesignHeight = 675.0f;
constexpr const wchar_t* kDesignCaption = L"Scrolling Display";
constexpr uint32_t kDefaultBackColor = 0x8000000Fu;  // button face
constexpr uint32_t kDefaultForeColor = 0x80000012u;  // button text
constexpr int16_t kCustomPointer = 99;

struct Size {
  float width = 0;
  float height = 0;
};

// What the control reports outwards. Every call is made synchronously from
// inside the model; a handler may call back into the model.
class ScrollerEvents {
 public:
  virtual ~ScrollerEvents() = default;
  virtual void scrollComplete() {}
  virtual void scrollStart() {}
  virtual void changeScrollDirection() {}
  virtual void click() {}
  virtual void dblClick() {}
  // X and Y in control coordinates.
  virtual void mouseDown(int16_t button, int16_t shift, float x, float y) {}
  virtual void mouseMove(int16_t button, int16_t shift, float x, float y) {}
  virtual void mouseUp(int16_t button, int16_t shift, float x, float y) {}
  // The step timer's state changed; the real timer must follow
  // ScrollerModel::timerTicks() and ScrollerModel::scrollSpeed().
  virtual void timerChanged() {}
  // The caption moved or changed size: repaint.
  virtual void captionMoved() {}
  // Size of the caption label for this text with the current font: the width
  // of the widest line and the height of all lines.
  virtual Size measureCaption(const std::wstring& caption) { return {}; }
};

// Which part of the control a pointer event belongs to.
enum class Part { None, Caption, Surface };

class ScrollerModel {
 public:
  // A control with the design values of its parts: scrolling off, interval
  // 100 ms, caption "Scrolling Display", 3945 x 675 twips.
  ScrollerModel();

  // Events go to `events`; nullptr drops them (used once the control closes).
  // Does not re-measure.
  void setEvents(ScrollerEvents* events);

  // A new control placed by a host (no property bag to read).
  void initNew();

  // ---- geometry -------------------------------------------------------
  float left() const { return left_; }
  float top() const { return top_; }
  float width() const { return size_.width; }
  float height() const { return size_.height; }
  float controlWidth() const { return controlWidth_; }
  float controlHeight() const { return controlHeight_; }
  // Moves the caption without any layout (the label's own position).
  void setPosition(float left, float top);
  // The label's size after a change of its text or font.
  void setCaptionSize(Size size);
  // The control's own size changed: its Resize event.
  void setControlSize(float width, float height);
  // Measures the caption again with the current font; no layout.
  void fontChanged();

  // ---- timer part -----------------------------------------------------
  bool timerOn() const { return timerOn_; }
  // The timer really ticks: on and with an interval above 0.
  bool timerTicks() const { return timerOn_ && interval_ > 0; }
  // One tick of the step timer. Does nothing while the timer does not tick.
  void tick();

  // ---- methods --------------------------------------------------------
  void resetScroll();
  // Scrolling off: centred; on: cross axis placed, scroll axis kept.
  void layout();

  // ---- properties -----------------------------------------------------
  bool enabled() const { return timerOn_; }
  void setEnabled(bool on);
  int32_t scrollDirection() const { return direction_; }
  void setScrollDirection(int32_t direction);
  int32_t horizontalAlignment() const { return hAlign_; }
  void setHorizontalAlignment(int32_t value) { hAlign_ = value; }
  int32_t verticalAlignment() const { return vAlign_; }
  void setVerticalAlignment(int32_t value) { vAlign_ = value; }
  const std::wstring& caption() const { return caption_; }
  void setCaption(const std::wstring& caption);
  int32_t scrollSpeed() const { return interval_; }
  Error setScrollSpeed(int64_t milliseconds);
  int16_t textAlignment() const { return textAlignment_; }
  Error setTextAlignment(int64_t value);
  int16_t mousePointer() const { return mousePointer_; }
  Error setMousePointer(int64_t value);
  int16_t borderStyle() const { return borderStyle_; }
  Error setBorderStyle(int64_t value);
  uint32_t backColor() const { return backColor_; }
  Error setBackColor(uint32_t color);
  uint32_t foreColor() const { return foreColor_; }
  Error setForeColor(uint32_t color);

  // ---- mouse ----------------------------------------------------------
  // Pointer events in control coordinates, as the window receives them. The
  // part under the pointer at the first press keeps every move and release
  // until the last button comes up. `buttons` of a move is the state of all
  // buttons; a button that the model holds but the state lacks was released
  // unseen and is released first.
  void pointerDown(int16_t button, int16_t shift, float x, float y);
  void pointerDoubleClick(int16_t button, int16_t shift, float x, float y);
  void pointerMove(int16_t buttons, int16_t shift, float x, float y);
  void pointerUp(int16_t button, int16_t shift, float x, float y);
  // The window lost the mouse capture: every held button is released at the
  // last known position.
  void captureLost();
  // A button is held on a part: the window should hold the capture.
  bool capturing() const { return buttonsDown_ != 0; }
  Part partAt(float x, float y) const;

  // The caption label's own handlers, in label coordinates.
  void captionMouseDown(int16_t button, int16_t shift, float x, float y);
  void captionMouseMove(int16_t button, int16_t shift, float x, float y);
  void captionMouseUp(int16_t button, int16_t shift, float x, float y);
  bool handHeld() const { return handHeld_; }

  // ---- used by persistence: direct writes to the parts, no events -------
  void applyEnabled(bool on) { setTimerOn(on); }
  void applyScrollDirection(int32_t direction) { direction_ = direction; }
  void applyCaption(const std::wstring& caption);

 private:
  void setTimerOn(bool on);
  void placeCrossAxis();
  void moved();
  void releaseHeld(int16_t buttons, int16_t shift, float x, float y);
  ScrollerEvents& events() { return *events_; }

  ScrollerEvents* events_;
  float left_ = 0;
  float top_ = 0;
  Size size_;
  float controlWidth_ = kDesignWidth;
  float controlHeight_ = kDesignHeight;
  bool timerOn_ = false;
  int32_t interval_ = kDesignInterval;
  int32_t direction_ = ScrollLeft;
  int32_t hAlign_ = AlignCentre;
  int32_t vAlign_ = AlignMiddle;
  std::wstring caption_ = kDesignCaption;
  int16_t textAlignment_ = AlignCentre;
  int16_t mousePointer_ = 0;
  int16_t borderStyle_ = 0;
  uint32_t backColor_ = kDefaultBackColor;
  uint32_t foreColor_ = kDefaultForeColor;

  // Hand drag.
  float grabX_ = 0;
  float grabY_ = 0;
  bool timerWasOff_ = false;
  bool handHeld_ = false;

  // Pointer routing.
  int16_t buttonsDown_ = 0;
  Part clickPart_ = Part::None;  // where the left button went down
  Part capture_ = Part::None;
  float lastX_ = 0;
  float lastY_ = 0;
  int16_t lastShift_ = 0;
};

// Checks of the parts, shared by the property procedures and the reader.
Error checkInteger(int64_t value);          // fits a 16-bit Integer
Error checkLong(int64_t value);             // fits a 32-bit Long
bool isValidMousePointer(int64_t value);    // 0..15 or 99
bool isValidOleColor(uint32_t color);

}  // namespace vorne::scroller
