// The scroll bar's behaviour, checked against the log of what it asks of its
// window layer and of the host.
#include "components/scrollbar/scrollbar_core.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <cstdio>
#include <string>
#include <vector>

namespace vorne::scrollbar {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const char* EventName(EventId id) {
    static const char* names[] = {"?",       "Change",  "Scroll",   "Click",     "DblClick", "KeyDown",
                                  "KeyPress", "KeyUp", "MouseDown", "MouseMove", "MouseUp"};
    return names[id];
}

std::string Num(float v) {
    char b[32];
    std::snprintf(b, sizeof b, "%g", v);
    return b;
}

// Records everything the model asks for, one line each.
class LogSink : public ScrollBarSink {
public:
    std::vector<std::string> log;
    ScrollBarModel* model = nullptr;
    // Optional host reaction inside a raised event.
    std::function<void(EventId)> on_event;

    void PropertyChanged(const char* name) override { log.push_back(std::string("prop ") + name); }
    void Raise(EventId id, EventArgs& a) override {
        std::string s = EventName(id);
        switch (id) {
            case kEventScroll:
            case kEventKeyDown:
            case kEventKeyUp:
                s += " " + std::to_string(a.button) + " " + std::to_string(a.shift);
                break;
            case kEventMouseDown:
            case kEventMouseMove:
            case kEventMouseUp:
                s += " " + std::to_string(a.button) + " " + std::to_string(a.shift) + " " + Num(a.x) + " " +
                     Num(a.y) + (a.on_button ? " thumb" : " off");
                break;
            default:
                break;
        }
        if (model) s += " v=" + std::to_string(model->Value());
        log.push_back(s);
        if (on_event) on_event(id);
    }
    void PaintThumb(float x, float y, float w, float h) override {
        log.push_back("paint " + Num(x) + " " + Num(y) + " " + Num(w) + " " + Num(h));
    }
    void OwnSizeChanged() override {
        log.push_back("size " + Num(model->InnerWidth()) + "x" + Num(model->InnerHeight()));
    }
    void EndCapture() override { log.push_back("release capture"); }
};

// A bar of the given type with a control of inner size w x h and no
// pictures: the track fills the control, the thumb is a tenth of it.
struct Bar {
    LogSink sink;
    ScrollBarModel m{sink};
    Bar(int32_t type, float w, float h, int32_t min = 0, int32_t max = 100) {
        sink.model = &m;
        m.InitProperties();
        m.LoadBounds(max, min, 0);
        m.LoadBarType(type);
        m.Resize(w, h);
        sink.log.clear();
    }
    float Pos() const { return (m.GetBarType() == 1 || m.GetBarType() == 3) ? m.Thumb().top : m.Thumb().left; }
};

// ---------------------------------------------------------------------------
// Value assignment: bar types x values.

struct AssignCase {
    int32_t type;
    int32_t min, max, assigned;
    int32_t value;     // stored value
    float position;    // thumb left (horizontal) or top (vertical)
};

class AssignTest : public ::testing::TestWithParam<AssignCase> {};

TEST_P(AssignTest, ClampsStoresPlacesAndReports) {
    const AssignCase& c = GetParam();
    // 1000 x 1000 twips: thumb 100 long, free length 900.
    Bar b(c.type, 1000, 1000, c.min, c.max);
    b.m.SetValue(c.assigned);
    EXPECT_EQ(b.m.Value(), c.value);
    EXPECT_FLOAT_EQ(b.Pos(), c.position);
    EXPECT_THAT(b.sink.log, ElementsAre("prop Value"));
}

INSTANTIATE_TEST_SUITE_P(
    TypesAndValues, AssignTest,
    ::testing::Values(AssignCase{0, 0, 100, 50, 50, 450}, AssignCase{0, 0, 100, 150, 100, 900},
                      AssignCase{0, 0, 100, -5, 0, 0}, AssignCase{1, 0, 100, 25, 25, 225},
                      AssignCase{1, 0, 100, 100, 100, 900}, AssignCase{2, 0, 100, 100, 100, 0},
                      AssignCase{2, 0, 100, 0, 0, 900}, AssignCase{2, 0, 100, 25, 25, 675},
                      AssignCase{3, 0, 100, 75, 75, 225}, AssignCase{3, -50, 50, -50, -50, 900},
                      // Bounds whose difference and sum leave 32 bits.
                      AssignCase{0, INT_MIN, INT_MAX, INT_MAX, INT_MAX, 900},
                      AssignCase{0, INT_MIN, INT_MAX, 0, 0, 450},
                      AssignCase{2, INT_MIN, INT_MAX, INT_MIN, INT_MIN, 900}));

TEST(ScrollBarAssign, LoadedEqualOrCrossedBoundsNeverFail) {
    for (int32_t type : {0, 1, 2, 3}) {
        Bar b(type, 1000, 1000);
        b.m.LoadBounds(5, 5, 5);
        b.m.SetValue(9);
        EXPECT_EQ(b.m.Value(), 5);
        EXPECT_FLOAT_EQ(b.Pos(), (type < 2) ? 0 : 900) << type;  // q = 0
        b.m.LoadBounds(1, 10, 0);                                 // crossed
        b.m.SetValue(3);
        EXPECT_EQ(b.m.Value(), 10);  // upper bound first, then lower
    }
}

TEST(ScrollBarAssign, IgnoredWhileDragging) {
    Bar b(0, 1000, 100);
    b.m.ThumbMouseDown(1, 0, 10, 10);
    b.sink.log.clear();
    b.m.SetValue(70);
    EXPECT_EQ(b.m.Value(), 0);
    EXPECT_FLOAT_EQ(b.Pos(), 0);
    EXPECT_TRUE(b.sink.log.empty());
}

TEST(ScrollBarAssign, ThumbAtZeroWhenControlNotLongerThanThumb) {
    // Track 1000 long (its picture), thumb 300 (strip), control squeezed to
    // 200 by the host while the picture is away.
    Bar b(0, 200, 100);
    b.m.SetButtonPicture(true, 600, 100);  // thumb 300 > inner 200
    b.sink.log.clear();
    b.m.SetValue(80);
    EXPECT_EQ(b.m.Value(), 80);
    EXPECT_FLOAT_EQ(b.m.Thumb().left, 0);
    EXPECT_EQ(b.m.DragThumb(500, 0), -1);
}

TEST(ScrollBarAssign, OtherBarTypesLeaveTheThumb) {
    Bar b(0, 1000, 100);
    b.m.SetValue(50);
    b.m.LoadBarType(7);
    b.m.SetValue(10);
    EXPECT_EQ(b.m.Value(), 10);
    EXPECT_FLOAT_EQ(b.m.Thumb().left, 450);
}

// ---------------------------------------------------------------------------
// Bounds.

TEST(ScrollBarBounds, ErrorsKeepTheOldBoundAndReportNothing) {
    Bar b(0, 1000, 100);
    EXPECT_EQ(b.m.SetMaxValue(0), kErrorMaxNotAboveMin);
    EXPECT_EQ(b.m.SetMinValue(100), kErrorMinNotBelowMax);
    EXPECT_EQ(b.m.SetMaxValue(-3), kErrorMaxNotAboveMin);
    EXPECT_EQ(b.m.MaxValue(), 100);
    EXPECT_EQ(b.m.MinValue(), 0);
    EXPECT_TRUE(b.sink.log.empty());
    EXPECT_STREQ(ErrorDescription(1), "Maximum value must be above Minimum Value");
    EXPECT_STREQ(ErrorDescription(2), "Minimum value must be below Maximum Value");
}

TEST(ScrollBarBounds, LoweringMaxBelowValueLeavesValueAndThumb) {
    Bar b(0, 1000, 100);
    b.m.SetValue(80);
    b.sink.log.clear();
    EXPECT_EQ(b.m.SetMaxValue(50), kNoError);
    EXPECT_EQ(b.m.Value(), 80);
    EXPECT_FLOAT_EQ(b.m.Thumb().left, 720);
    EXPECT_THAT(b.sink.log, ElementsAre("prop MaxValue"));
    b.m.SetValue(b.m.Value());
    EXPECT_EQ(b.m.Value(), 50);
}

// ---------------------------------------------------------------------------
// Drag step: bar types x pointer offsets.

struct DragCase {
    int32_t type;
    float start;     // thumb position before (set through Value on 0..100)
    float grab;      // grab offset on the axis
    float pointer;   // pointer inside the thumb on the axis
    float position;  // thumb position after
    int32_t value;
};

class DragTest : public ::testing::TestWithParam<DragCase> {};

TEST_P(DragTest, MovesPinsAndMaps) {
    const DragCase& c = GetParam();
    Bar b(c.type, 1000, 1000);
    bool vertical = c.type == 1 || c.type == 3;
    b.m.SetValue(RoundHalfEven((c.type >= 2 ? 900 - c.start : c.start) / 9));
    ASSERT_FLOAT_EQ(b.Pos(), c.start);
    b.m.ThumbMouseDown(1, 0, vertical ? 0 : c.grab, vertical ? c.grab : 0);
    b.sink.log.clear();
    EXPECT_EQ(b.m.DragThumb(vertical ? 0 : c.pointer, vertical ? c.pointer : 0), 1);
    EXPECT_FLOAT_EQ(b.Pos(), c.position);
    EXPECT_EQ(b.m.Value(), c.value);
    EXPECT_THAT(b.sink.log, ElementsAre("prop Value"));
}

INSTANTIATE_TEST_SUITE_P(
    TypesAndOffsets, DragTest,
    ::testing::Values(DragCase{0, 0, 50, 140, 90, 10}, DragCase{0, 450, 50, 50, 450, 50},
                      DragCase{0, 450, 50, 10, 410, 46},   // 45.555.. rounds to 46
                      DragCase{0, 810, 50, 200, 900, 100},  // pinned at the far end
                      DragCase{0, 90, 50, -100, 0, 0},      // pinned at the start
                      DragCase{1, 0, 20, 470, 450, 50}, DragCase{1, 900, 20, 900, 900, 100},
                      DragCase{2, 0, 50, 140, 90, 90}, DragCase{2, 810, 50, 200, 900, 0},
                      DragCase{2, 90, 50, -100, 0, 100}, DragCase{3, 450, 0, 225, 675, 25},
                      DragCase{3, 450, 0, -1000, 0, 100}));

struct HalfCase {
    int32_t type, min, max;
    float position;  // on a free length of 900: r = position / 900
    int32_t value;
};

class HalvesToEvenTest : public ::testing::TestWithParam<HalfCase> {};

TEST_P(HalvesToEvenTest, RoundsHalvesToTheEvenNeighbour) {
    const HalfCase& c = GetParam();
    Bar b(c.type, 1000, 100, c.min, c.max);
    b.m.ThumbMouseDown(1, 0, 0, 0);
    b.m.DragThumb(c.position, 0);
    EXPECT_FLOAT_EQ(b.m.Thumb().left, c.position);
    EXPECT_EQ(b.m.Value(), c.value);
}

INSTANTIATE_TEST_SUITE_P(Bounds, HalvesToEvenTest,
                         ::testing::Values(HalfCase{0, 0, 3, 450, 2},    // 1.5
                                           HalfCase{0, 0, 5, 450, 2},    // 2.5
                                           HalfCase{0, 0, 7, 450, 4},    // 3.5
                                           HalfCase{0, -3, 0, 450, -2},  // -1.5
                                           HalfCase{2, 0, 3, 450, 2},    // 3 - 1.5
                                           HalfCase{2, 0, 5, 450, 2},    // 5 - 2.5
                                           HalfCase{0, 0, 1, 450, 0},    // 0.5
                                           HalfCase{0, 10, 13, 450, 12}));  // 11.5

TEST(ScrollBarRound, HalvesToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2147483647.0), INT_MAX);
    EXPECT_EQ(RoundHalfEven(-2147483648.0), INT_MIN);
}

TEST(ScrollBarDrag, ExtremeBoundsStayInRange) {
    for (int32_t type : {0, 2}) {
        Bar b(type, 1000, 100, INT_MIN, INT_MAX);
        b.m.ThumbMouseDown(1, 0, 0, 0);
        b.m.DragThumb(5000, 0);
        EXPECT_EQ(b.m.Value(), type == 0 ? INT_MAX : INT_MIN);
        b.m.DragThumb(-5000, 0);
        EXPECT_EQ(b.m.Value(), type == 0 ? INT_MIN : INT_MAX);
        b.m.LoadBounds(3, 3, 3);
        b.m.DragThumb(400, 0);
        EXPECT_EQ(b.m.Value(), 3);
    }
}

TEST(ScrollBarDrag, ThumbNotShorterThanTrackDoesNothing) {
    Bar b(0, 1000, 100);
    b.m.SetButtonPicture(true, 2400, 100);  // thumb 1200 >= track 1000
    b.sink.log.clear();
    EXPECT_EQ(b.m.DragThumb(300, 0), -1);
    EXPECT_TRUE(b.sink.log.empty());
}

TEST(ScrollBarDrag, OtherBarTypesOnlyReport) {
    Bar b(0, 1000, 100);
    b.m.LoadBarType(7);
    EXPECT_EQ(b.m.DragThumb(300, 0), 1);
    EXPECT_FLOAT_EQ(b.m.Thumb().left, 0);
    EXPECT_THAT(b.sink.log, ElementsAre("prop Value"));
}

// ---------------------------------------------------------------------------
// Layout and frames.

struct LayoutCase {
    int32_t type;
    float w, h;
    Box track, thumb;
};

class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, DefaultThumbIsATenthOfTheTrack) {
    const LayoutCase& c = GetParam();
    Bar b(c.type, c.w, c.h);
    EXPECT_FLOAT_EQ(b.m.Track().width, c.track.width);
    EXPECT_FLOAT_EQ(b.m.Track().height, c.track.height);
    EXPECT_FLOAT_EQ(b.m.Thumb().width, c.thumb.width);
    EXPECT_FLOAT_EQ(b.m.Thumb().height, c.thumb.height);
}

INSTANTIATE_TEST_SUITE_P(Types, LayoutTest,
                         ::testing::Values(LayoutCase{0, 5310, 1230, {0, 0, 5310, 1230}, {0, 0, 531, 1230}},
                                           LayoutCase{2, 1500, 300, {0, 0, 1500, 300}, {0, 0, 150, 300}},
                                           LayoutCase{1, 300, 1500, {0, 0, 300, 1500}, {0, 0, 300, 150}},
                                           LayoutCase{3, 300, 2000, {0, 0, 300, 2000}, {0, 0, 300, 200}},
                                           // Outside 0..3 the design sizes stay.
                                           LayoutCase{7, 1000, 1000, {0, 0, 4695, 495}, {0, 0, 255, 255}}));

TEST(ScrollBarLayout, BarPictureSizesTheControlAndHoldsIt) {
    Bar b(0, 5310, 1230);
    b.m.SetBarPicture(true, 1500, 225);
    EXPECT_THAT(b.sink.log, ElementsAre("prop BarPicture", "size 1500x1230", "size 1500x225"));
    EXPECT_FLOAT_EQ(b.m.InnerWidth(), 1500);
    EXPECT_FLOAT_EQ(b.m.InnerHeight(), 225);
    EXPECT_FLOAT_EQ(b.m.Thumb().width, 150);  // a tenth of the picture's track
    b.sink.log.clear();
    b.m.Resize(3000, 600);  // the host resizes it: set back
    EXPECT_THAT(b.sink.log, ElementsAre("size 1500x600", "size 1500x225"));
    b.sink.log.clear();
    b.m.SetBarPicture(false, 0, 0);
    EXPECT_THAT(b.sink.log, ElementsAre("prop BarPicture"));
    b.m.Resize(4000, 300);  // the track fills the control again
    EXPECT_FLOAT_EQ(b.m.Track().width, 4000);
    EXPECT_FLOAT_EQ(b.m.Track().height, 300);
}

TEST(ScrollBarLayout, StripSizesThumbAndShowsLeftHalf) {
    Bar b(0, 3000, 150);
    b.m.SetValue(100);
    b.sink.log.clear();
    b.m.SetButtonPicture(true, 600, 150);
    EXPECT_THAT(b.sink.log, ElementsAre("prop ButtonPicture", "paint 0 0 300 150"));
    EXPECT_FLOAT_EQ(b.m.Thumb().width, 300);
    EXPECT_FLOAT_EQ(b.m.Thumb().height, 150);
    EXPECT_FLOAT_EQ(b.m.Thumb().left, 2700);  // the layout never moves the thumb
    EXPECT_EQ(b.m.Value(), 100);
    b.sink.log.clear();
    b.m.SetBarType(1);
    EXPECT_THAT(b.sink.log, ElementsAre("prop BarType"));
    EXPECT_FLOAT_EQ(b.m.Thumb().width, 300);  // one frame, whatever the type
}

TEST(ScrollBarLayout, LoadingShowsFrameZeroAndDoesNotPlaceTheThumb) {
    LogSink sink;
    ScrollBarModel m(sink);
    sink.model = &m;
    m.Resize(5310, 1230);
    sink.log.clear();
    m.LoadBounds(10, 0, 7);
    m.LoadBarPicture(true, 2000, 300);
    m.LoadButtonPicture(true, 400, 300);
    m.LoadBarType(0);
    m.EndLoad();
    EXPECT_THAT(sink.log, ElementsAre("paint 0 0 200 300", "size 2000x1230", "size 2000x300"));
    EXPECT_EQ(m.Value(), 7);
    EXPECT_FLOAT_EQ(m.Thumb().left, 0);
}

// ---------------------------------------------------------------------------
// Mouse table: recorded event sequences.

TEST(ScrollBarMouse, LeftDragOnThumbWithStrip) {
    Bar b(0, 3000, 150);
    b.m.SetButtonPicture(true, 600, 150);  // thumb 300, free length 2700
    b.sink.log.clear();
    b.m.ThumbMouseDown(1, 0, 100, 50);
    b.m.ThumbMouseMove(1, 1, 370, 50);  // +270: 10 %
    b.m.ThumbMouseMove(1, 0, 100, 50);  // no move, still a Scroll
    b.m.ThumbMouseMove(0, 0, 120, 50);  // no button: no drag step
    b.m.ThumbMouseUp(1, 0, 370, 60);
    EXPECT_THAT(b.sink.log,
                ElementsAreArray({"paint 300 0 300 150", "MouseDown 1 0 100 50 thumb v=0", "prop Value",
                                  "Scroll 1 1 v=10", "MouseMove 1 1 640 50 thumb v=10", "prop Value",
                                  "Scroll 1 0 v=10", "MouseMove 1 0 370 50 thumb v=10",
                                  "MouseMove 0 0 390 50 thumb v=10", "prop Value", "paint 0 0 300 150",
                                  "Change v=20", "MouseUp 1 0 910 60 thumb v=20"}));
    EXPECT_FALSE(b.m.Dragging());
}

TEST(ScrollBarMouse, RightReleaseOnThumbEndsDragWithoutChange) {
    Bar b(0, 1000, 100);
    b.m.ThumbMouseDown(1, 0, 40, 0);
    b.m.ThumbMouseMove(1, 0, 140, 0);  // thumb at 100
    b.sink.log.clear();
    b.m.ThumbMouseUp(2, 0, 60, 0);  // moves by 60 - 40
    EXPECT_THAT(b.sink.log, ElementsAre("release capture", "prop Value", "MouseUp 2 0 180 0 thumb v=13"));
    EXPECT_FALSE(b.m.Dragging());
    EXPECT_FLOAT_EQ(b.m.Thumb().left, 120);
}

TEST(ScrollBarMouse, ReleaseOverTrackOrControlMovesBackByGrab) {
    for (bool track : {true, false}) {
        Bar b(0, 1000, 100);
        b.m.SetValue(50);  // thumb at 450
        b.m.ThumbMouseDown(1, 0, 30, 0);
        b.m.ThumbMouseUp(1, 0, 30, 0);
        b.sink.log.clear();
        if (track) {
            b.m.TrackMouseDown(1, 0, 10, 20);
            b.m.TrackMouseUp(1, 0, 15, 20);
        } else {
            b.m.ControlMouseDown(1, 0, 10, 20);
            b.m.ControlMouseUp(1, 0, 15, 20);
        }
        EXPECT_THAT(b.sink.log,
                    ElementsAre("MouseDown 1 0 10 20 off v=50", "prop Value", "MouseUp 1 0 15 20 off v=47"));
        EXPECT_FLOAT_EQ(b.m.Thumb().left, 420);
    }
}

TEST(ScrollBarMouse, ScrollWhilePinnedAndForOtherBarTypes) {
    Bar b(0, 1000, 100);
    b.m.ThumbMouseDown(1, 0, 0, 0);
    b.sink.log.clear();
    b.m.ThumbMouseMove(1, 0, -50, 0);
    EXPECT_THAT(b.sink.log, ElementsAre("prop Value", "Scroll 1 0 v=0", "MouseMove 1 0 -50 0 thumb v=0"));
    b.m.LoadBarType(7);
    b.sink.log.clear();
    b.m.ThumbMouseMove(1, 0, 500, 0);
    EXPECT_THAT(b.sink.log, ElementsAre("prop Value", "Scroll 1 0 v=0", "MouseMove 1 0 500 0 thumb v=0"));
}

TEST(ScrollBarMouse, CaptureLossEndsTheLeftDragAtTheLastPosition) {
    Bar b(0, 1000, 100);
    b.m.SetButtonPicture(true, 200, 100);  // thumb 100
    b.m.ThumbMouseDown(1, 0, 50, 0);
    b.m.ThumbMouseMove(1, 0, 140, 0);  // thumb at 90
    b.sink.log.clear();
    b.m.CaptureLost();
    EXPECT_THAT(b.sink.log, ElementsAre("prop Value", "paint 0 0 100 100", "Change v=10",
                                        "MouseUp 1 0 140 0 thumb v=10"));
    EXPECT_FALSE(b.m.Dragging());
    b.sink.log.clear();
    b.m.CaptureLost();  // nothing left to end
    EXPECT_TRUE(b.sink.log.empty());
}

TEST(ScrollBarMouse, HostAssignmentsDuringRaises) {
    // Ignored in Scroll (still dragging), taken in Change.
    Bar b(0, 1000, 100);
    b.sink.on_event = [&](EventId id) {
        if (id == kEventScroll || id == kEventChange) b.m.SetValue(id == kEventScroll ? 99 : 77);
    };
    b.m.ThumbMouseDown(1, 0, 0, 0);
    b.m.ThumbMouseMove(1, 0, 90, 0);
    EXPECT_EQ(b.m.Value(), 10);
    b.m.ThumbMouseUp(1, 0, 0, 0);
    EXPECT_EQ(b.m.Value(), 77);
}

TEST(ScrollBarMouse, ClicksAndKeysPassOn) {
    Bar b(0, 1000, 100);
    b.m.PassOn(kEventClick);
    b.m.PassOn(kEventKeyDown, 37, 2);
    b.m.PassOn(kEventKeyUp, 37, 0);
    EXPECT_THAT(b.sink.log, ElementsAre("Click v=0", "KeyDown 37 2 v=0", "KeyUp 37 0 v=0"));
}

}  // namespace
}  // namespace vorne::scrollbar
