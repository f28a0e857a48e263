#pragma once
// The scroll bar's behaviour without windows: the parts' geometry in twips,
// the bounds and value, the drag step, value assignment, layout, thumb frames
// and the mouse table. The window layer feeds it input in twips and carries
// out what the sink asks for (moving windows, painting, raising events).
#include <cstdint>

#include "components/scrollbar/scrollbar_dispids.h"
namespace vorne::scrollbar {

enum BarType : int32_t {
    kHorizontalLeftToRight = 0,
    kVerticalTopToBottom = 1,
    kHorizontalRightToLeft = 2,
    kVerticalBottomToTop = 3,
};

// Event numbers of the control's event interface.
enum EventId : int {
    kEventChange = SCROLLBAR_EVENT_CHANGE,
    kEventScroll = SCROLLBAR_EVENT_SCROLL,
    kEventClick = SCROLLBAR_EVENT_CLICK,
    kEventDblClick = SCROLLBAR_EVENT_DBLCLICK,
    kEventKeyDown = SCROLLBAR_EVENT_KEYDOWN,
    kEventKeyPress = SCROLLBAR_EVENT_KEYPRESS,
    kEventKeyUp = SCROLLBAR_EVENT_KEYUP,
    kEventMouseDown = SCROLLBAR_EVENT_MOUSEDOWN,
    kEventMouseMove = SCROLLBAR_EVENT_MOUSEMOVE,
    kEventMouseUp = SCROLLBAR_EVENT_MOUSEUP,
};

// Arguments of one raised event; every one of them is passed by reference
// to the host, which may change them.
struct EventArgs {
    int16_t button = 0;  // MouseX/Scroll: button code; KeyDown/KeyUp: key code; KeyPress: key
    int16_t shift = 0;
    float x = 0;
    float y = 0;
    bool on_button = false;
};

// Error numbers raised by the bound properties.
enum Error : int { kNoError = 0, kErrorMaxNotAboveMin = 1, kErrorMinNotBelowMax = 2 };
const char* ErrorDescription(int error);

// Design values.
inline constexpr uint32_t kDefaultThumbColour = 0x8000000E;  // ForeColor
inline constexpr uint32_t kDefaultTrackColour = 0x8000000D;  // BackColor
inline constexpr int32_t kDefaultMax = 100;
inline constexpr int32_t kDefaultMin = 0;
inline constexpr float kNewControlWidth = 5310;
inline constexpr float kNewControlHeight = 1230;

struct Box {
    float left = 0, top = 0, width = 0, height = 0;
};

class ScrollBarSink {
public:
    virtual ~ScrollBarSink() = default;
    // A property changed; the container learns it by name.
    virtual void PropertyChanged(const char* name) = 0;
    virtual void Raise(EventId id, EventArgs& args) = 0;
    // Paint the strip's rectangle (twips) into the thumb at (0, 0).
    virtual void PaintThumb(float src_x, float src_y, float width, float height) = 0;
    // The control changed its own inner size (InnerWidth/InnerHeight).
    virtual void OwnSizeChanged() = 0;
    // End the mouse capture early.
    virtual void EndCapture() = 0;
    // A part moved or changed its size.
    virtual void PartsChanged() {}
};

class ScrollBarModel {
public:
    explicit ScrollBarModel(ScrollBarSink& sink);

    // InitProperties: the values of a new control.
    void InitProperties();

    // --- properties -------------------------------------------------------
    int32_t MaxValue() const { return max_; }
    int32_t MinValue() const { return min_; }
    int32_t Value() const { return value_; }
    int32_t GetBarType() const { return bar_type_; }
    bool Dragging() const { return dragging_; }
    float GrabX() const { return grab_x_; }
    float GrabY() const { return grab_y_; }

    // Lets: return kNoError or the error number; a refused bound is kept.
    int SetMaxValue(int32_t v);
    int SetMinValue(int32_t v);
    void SetValue(int32_t n);  // the Value assignment
    void SetBarType(int32_t t);
    // The track picture: loaded or not and its natural size in twips.
    void SetBarPicture(bool loaded, float width, float height);
    // The thumb strip (two frames side by side).
    void SetButtonPicture(bool loaded, float width, float height);

    // Loading a saved control: fields set as stored, unchecked, unreported.
    void LoadBounds(int32_t max, int32_t min, int32_t value);
    void LoadBarType(int32_t t) { bar_type_ = t; }
    void LoadBarPicture(bool loaded, float width, float height);
    void LoadButtonPicture(bool loaded, float width, float height);  // frame 0 if loaded
    // After the last read.
    void EndLoad() { Layout(); }

    bool BarPictureLoaded() const { return bar_loaded_; }
    bool StripLoaded() const { return strip_loaded_; }

    // --- geometry (twips) -----------------------------------------------
    const Box& Track() const { return track_; }
    const Box& Thumb() const { return thumb_; }
    float InnerWidth() const { return inner_w_; }
    float InnerHeight() const { return inner_h_; }
    // The container gave the control a new inner size: the Resize handler.
    void Resize(float inner_width, float inner_height);

    // --- algorithms ---------------------------------------------------------
    // Drag step with the pointer (x, y) inside the thumb: -1 or 1.
    int DragThumb(float x, float y);
    void Layout();
    void ShowFrame(int k);

    // --- input ----------------------------------------------------------------
    // Coordinates are twips inside the part that received the input.
    void ThumbMouseDown(int16_t button, int16_t shift, float x, float y);
    void ThumbMouseMove(int16_t button, int16_t shift, float x, float y);
    void ThumbMouseUp(int16_t button, int16_t shift, float x, float y);
    void TrackMouseDown(int16_t button, int16_t shift, float x, float y);
    void TrackMouseMove(int16_t button, int16_t shift, float x, float y);
    void TrackMouseUp(int16_t button, int16_t shift, float x, float y);
    void ControlMouseDown(int16_t button, int16_t shift, float x, float y);
    void ControlMouseMove(int16_t button, int16_t shift, float x, float y);
    void ControlMouseUp(int16_t button, int16_t shift, float x, float y);
    // Click, DblClick, KeyDown, KeyPress, KeyUp from any part.
    void PassOn(EventId id, int16_t code = 0, int16_t shift = 0);
    // The thumb lost the mouse capture (taken away, cancelled, control
    // disabled): a left drag in progress ends as a left release at the
    // last known pointer position.
    void CaptureLost();

private:
    bool Oriented() const { return bar_type_ >= 0 && bar_type_ <= 3; }
    bool Horizontal() const { return bar_type_ == 0 || bar_type_ == 2; }
    void SetOwnWidth(float w);
    void SetOwnHeight(float h);
    void RaiseMouse(EventId id, int16_t button, int16_t shift, float x, float y, bool on_button);
    void SetThumbPosition(float p);
    void RememberPointer(int16_t shift, float x, float y);

    ScrollBarSink& sink_;
    int32_t max_ = kDefaultMax;
    int32_t min_ = kDefaultMin;
    int32_t value_ = 0;
    int32_t bar_type_ = 0;
    float grab_x_ = 0, grab_y_ = 0;
    bool dragging_ = false;
    // Last pointer position over the thumb, from the control's corner.
    float last_x_ = 0, last_y_ = 0;
    int16_t last_shift_ = 0;

    Box track_{0, 0, 4695, 495};
    Box thumb_{0, 0, 255, 255};
    float inner_w_ = kNewControlWidth, inner_h_ = kNewControlHeight;
    bool bar_loaded_ = false;
    bool strip_loaded_ = false;
    float strip_w_ = 0, strip_h_ = 0;
};

// Rounding of a double to a 32-bit integer, halves to the even neighbour;
// the argument must lie within the 32-bit range.
int32_t RoundHalfEven(double v);

}  // namespace vorne::scrollbar
