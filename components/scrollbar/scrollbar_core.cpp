#include "components/scrollbar/scrollbar_core.h"

#include <cmath>

namespace vorne::scrollbar {

namespace {

// Single-precision rounding of an intermediate result.
inline float R(double x) { return static_cast<float>(x); }

// Clamps v into [lo, hi] in the order the assignment does it: the upper
// bound first, then the lower one.
inline double ClampUpperThenLower(double v, double lo, double hi) {
    if (v > hi) v = hi;
    if (v < lo) v = lo;
    return v;
}

}  // namespace

const char* ErrorDescription(int error) {
    switch (error) {
        case kErrorMaxNotAboveMin: return "Maximum value must be above Minimum Value";
        case kErrorMinNotBelowMax: return "Minimum value must be below Maximum Value";
        default: return "";
    }
}

int32_t RoundHalfEven(double v) {
    double f = std::floor(v);
    double d = v - f;
    if (d > 0.5 || (d == 0.5 && std::fmod(f, 2.0) != 0)) f += 1;
    return static_cast<int32_t>(f);
}

ScrollBarModel::ScrollBarModel(ScrollBarSink& sink) : sink_(sink) {}

void ScrollBarModel::InitProperties() {
    max_ = kDefaultMax;
    min_ = kDefaultMin;
    value_ = 0;
    bar_type_ = 0;
}

int ScrollBarModel::SetMaxValue(int32_t v) {
    if (v <= min_) return kErrorMaxNotAboveMin;
    max_ = v;
    sink_.PropertyChanged("MaxValue");
    return kNoError;
}

int ScrollBarModel::SetMinValue(int32_t v) {
    if (v >= max_) return kErrorMinNotBelowMax;
    min_ = v;
    sink_.PropertyChanged("MinValue");
    return kNoError;
}

void ScrollBarModel::SetThumbPosition(float p) {
    float& pos = Horizontal() ? thumb_.left : thumb_.top;
    if (pos == p) return;
    pos = p;
    sink_.PartsChanged();
}

void ScrollBarModel::SetValue(int32_t n) {
    if (dragging_) return;
    int32_t v = n;
    if (v > max_) v = max_;
    if (v < min_) v = min_;
    value_ = v;
    if (Oriented()) {
        const float T = Horizontal() ? thumb_.width : thumb_.height;
        const float I = Horizontal() ? inner_w_ : inner_h_;
        // Bounds loaded equal or crossed give q = 0 instead of a division
        // by zero; the differences are formed in 64 bits.
        const int64_t range = static_cast<int64_t>(max_) - min_;
        const double q = range > 0 ? static_cast<double>(static_cast<int64_t>(value_) - min_) / range : 0.0;
        const float s = R(static_cast<double>(I) - T);
        float pos;
        if (I <= T) {
            pos = 0;  // no room to move: the thumb rests at the start
        } else if (bar_type_ == kHorizontalLeftToRight || bar_type_ == kVerticalTopToBottom) {
            pos = R(s * q);
        } else {
            pos = R(s + s * (-q));
        }
        SetThumbPosition(pos);
    }
    sink_.PropertyChanged("Value");
}

int ScrollBarModel::DragThumb(float x, float y) {
    if (!Oriented()) {
        sink_.PropertyChanged("Value");
        return 1;
    }
    const bool h = Horizontal();
    const float T = h ? thumb_.width : thumb_.height;
    const float B = h ? track_.width : track_.height;
    const float I = h ? inner_w_ : inner_h_;
    const float p = h ? x : y;
    const float g = h ? grab_x_ : grab_y_;
    if (T >= B) return -1;
    // A control not longer than the thumb leaves no room to drag in.
    if (I <= T) return -1;

    float P = h ? thumb_.left : thumb_.top;
    const float moved = R(static_cast<double>(P) + p - g);
    if (moved >= 0 && R(static_cast<double>(P) + p - g + T) <= I) {
        P = moved;
    } else {
        if (moved < 0) P = 0;
        if (R(static_cast<double>(P) + p - g + T) > I) P = R(static_cast<double>(I) - T);
    }
    SetThumbPosition(P);

    const double r = R(static_cast<double>(P) / (static_cast<double>(I) - T));
    const double range = static_cast<double>(static_cast<int64_t>(max_) - min_);
    double v = min_ + range * r;
    if (bar_type_ == kHorizontalRightToLeft || bar_type_ == kVerticalBottomToTop) {
        v = static_cast<double>(static_cast<int64_t>(max_) + min_) - v;
    }
    value_ = RoundHalfEven(ClampUpperThenLower(v, min_, max_));
    sink_.PropertyChanged("Value");
    return 1;
}

void ScrollBarModel::SetBarType(int32_t t) {
    bar_type_ = t;
    sink_.PropertyChanged("BarType");
    Layout();
}

void ScrollBarModel::LoadBarPicture(bool loaded, float width, float height) {
    bar_loaded_ = loaded;
    if (loaded) {
        // The track takes the natural size of its picture.
        track_.width = width;
        track_.height = height;
        sink_.PartsChanged();
    }
}

void ScrollBarModel::SetBarPicture(bool loaded, float width, float height) {
    LoadBarPicture(loaded, width, height);
    sink_.PropertyChanged("BarPicture");
    Layout();
}

void ScrollBarModel::LoadButtonPicture(bool loaded, float width, float height) {
    strip_loaded_ = loaded;
    strip_w_ = loaded ? width : 0;
    strip_h_ = loaded ? height : 0;
    if (loaded) ShowFrame(0);
}

void ScrollBarModel::SetButtonPicture(bool loaded, float width, float height) {
    strip_loaded_ = loaded;
    strip_w_ = loaded ? width : 0;
    strip_h_ = loaded ? height : 0;
    sink_.PropertyChanged("ButtonPicture");
    if (loaded) ShowFrame(0);
    Layout();
}

void ScrollBarModel::LoadBounds(int32_t max, int32_t min, int32_t value) {
    max_ = max;
    min_ = min;
    value_ = value;
}

void ScrollBarModel::ShowFrame(int k) {
    const float half = R(static_cast<double>(strip_w_) / 2);
    thumb_.width = half;
    thumb_.height = strip_h_;
    sink_.PartsChanged();
    sink_.PaintThumb(R(static_cast<double>(k) * strip_w_ / 2), 0, half, strip_h_);
}

void ScrollBarModel::Resize(float inner_width, float inner_height) {
    inner_w_ = inner_width;
    inner_h_ = inner_height;
    Layout();
}

void ScrollBarModel::SetOwnWidth(float w) {
    if (w == inner_w_) return;
    inner_w_ = w;
    sink_.OwnSizeChanged();
    Layout();  // the Resize the change raises
}

void ScrollBarModel::SetOwnHeight(float h) {
    if (h == inner_h_) return;
    inner_h_ = h;
    sink_.OwnSizeChanged();
    Layout();
}

void ScrollBarModel::Layout() {
    if (Oriented()) {
        if (!bar_loaded_) {
            track_.width = inner_w_;
            track_.height = inner_h_;
        }
        if (!strip_loaded_) {
            if (Horizontal()) {
                thumb_.height = track_.height;
                thumb_.width = R(static_cast<double>(track_.width) / 10);
            } else {
                thumb_.width = track_.width;
                thumb_.height = R(static_cast<double>(track_.height) / 10);
            }
        }
        sink_.PartsChanged();
    }
    if (bar_loaded_) {
        SetOwnWidth(track_.width);
        SetOwnHeight(track_.height);
    }
}

void ScrollBarModel::RaiseMouse(EventId id, int16_t button, int16_t shift, float x, float y, bool on_button) {
    EventArgs a;
    a.button = button;
    a.shift = shift;
    a.x = x;
    a.y = y;
    a.on_button = on_button;
    sink_.Raise(id, a);
}

void ScrollBarModel::RememberPointer(int16_t shift, float x, float y) {
    last_x_ = x + track_.left + thumb_.left;
    last_y_ = y + track_.top + thumb_.top;
    last_shift_ = shift;
}

void ScrollBarModel::ThumbMouseDown(int16_t button, int16_t shift, float x, float y) {
    RememberPointer(shift, x, y);
    if (button == 1) {
        dragging_ = true;
        grab_x_ = x;
        grab_y_ = y;
        if (strip_loaded_) ShowFrame(1);
    }
    RaiseMouse(kEventMouseDown, button, shift, x + track_.left + thumb_.left, y + track_.top + thumb_.top, true);
}

void ScrollBarModel::ThumbMouseMove(int16_t button, int16_t shift, float x, float y) {
    RememberPointer(shift, x, y);
    if (button == 1 && DragThumb(x, y) == 1) {
        EventArgs a;
        a.button = button;
        a.shift = shift;
        sink_.Raise(kEventScroll, a);
    }
    RaiseMouse(kEventMouseMove, button, shift, x + track_.left + thumb_.left, y + track_.top + thumb_.top, true);
}

void ScrollBarModel::ThumbMouseUp(int16_t button, int16_t shift, float x, float y) {
    RememberPointer(shift, x, y);
    if (button == 2) {
        if (strip_loaded_) ShowFrame(0);
        dragging_ = false;
        sink_.EndCapture();
    }
    DragThumb(x, y);
    if (button == 1) {
        if (strip_loaded_) ShowFrame(0);
        dragging_ = false;
        EventArgs none;
        sink_.Raise(kEventChange, none);
    }
    RaiseMouse(kEventMouseUp, button, shift, x + track_.left + thumb_.left, y + track_.top + thumb_.top, true);
}

void ScrollBarModel::CaptureLost() {
    if (!dragging_) return;
    ThumbMouseUp(1, last_shift_, last_x_ - track_.left - thumb_.left, last_y_ - track_.top - thumb_.top);
}

void ScrollBarModel::TrackMouseDown(int16_t button, int16_t shift, float x, float y) {
    RaiseMouse(kEventMouseDown, button, shift, x + track_.left, y + track_.top, false);
}

void ScrollBarModel::TrackMouseMove(int16_t button, int16_t shift, float x, float y) {
    RaiseMouse(kEventMouseMove, button, shift, x + track_.left, y + track_.top, false);
}

void ScrollBarModel::TrackMouseUp(int16_t button, int16_t shift, float x, float y) {
    DragThumb(0, 0);
    RaiseMouse(kEventMouseUp, button, shift, x + track_.left, y + track_.top, false);
}

void ScrollBarModel::ControlMouseDown(int16_t button, int16_t shift, float x, float y) {
    RaiseMouse(kEventMouseDown, button, shift, x, y, false);
}

void ScrollBarModel::ControlMouseMove(int16_t button, int16_t shift, float x, float y) {
    RaiseMouse(kEventMouseMove, button, shift, x, y, false);
}

void ScrollBarModel::ControlMouseUp(int16_t button, int16_t shift, float x, float y) {
    DragThumb(0, 0);
    RaiseMouse(kEventMouseUp, button, shift, x, y, false);
}

void ScrollBarModel::PassOn(EventId id, int16_t code, int16_t shift) {
    EventArgs a;
    a.button = code;
    a.shift = shift;
    sink_.Raise(id, a);
}

}  // namespace vorne::scrollbar
