#include "components/scroller/scroller_core.h"

#include <gtest/gtest.h>

#include "components/scroller/tests/scroller_test_support.h"

namespace vorne::scroller {
namespace {

using vorne::scroller::testing::Recorder;
using Log = std::vector<std::string>;

// A 3000 x 600 control with a 900 x 195 caption: centred across a horizontal
// run at Top 202.5, across a vertical one at Left 1050.
class ScrollerModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.setEvents(&events);
    model.setControlSize(3000, 600);
    model.setCaptionSize({900, 195});
    events.clear();
  }

  // Scrolling on in `direction`, caption at (left, top), nothing recorded.
  void running(int32_t direction, float left, float top) {
    model.applyScrollDirection(direction);
    model.applyEnabled(true);
    model.setPosition(left, top);
    events.clear();
  }

  Recorder events;
  ScrollerModel model;
};

struct TickCase {
  const char* name;
  int32_t direction;
  float left, top;          // before the tick
  float wantLeft, wantTop;  // after it
  Log wantEvents;
};

class TickTest : public ScrollerModelTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(TickTest, StepsAndTestsEdges) {
  const TickCase& c = GetParam();
  running(c.direction, c.left, c.top);
  model.tick();
  EXPECT_FLOAT_EQ(model.left(), c.wantLeft);
  EXPECT_FLOAT_EQ(model.top(), c.wantTop);
  EXPECT_EQ(events.log, c.wantEvents);
}

const Log kNone{};
const Log kCompleted{"ScrollComplete", "ScrollStart"};
const Log kRestarted{"ScrollStart"};

INSTANTIATE_TEST_SUITE_P(
    Directions, TickTest,
    ::testing::Values(
        // One step of 60 twips along the axis; the cross axis is left alone.
        TickCase{"LeftStep", ScrollLeft, 1000, 50, 940, 50, kNone},
        TickCase{"RightStep", ScrollRight, 1000, 50, 1060, 50, kNone},
        TickCase{"UpStep", ScrollUp, 1000, 50, 1000, -10, kNone},
        TickCase{"DownStep", ScrollDown, 1000, 50, 1000, 110, kNone},
        TickCase{"OtherDirectionStandsStill", 7, 1000, 50, 1000, 50, kNone},
        TickCase{"NegativeDirectionStandsStill", -1, -5000, 50, -5000, 50, kNone},
        // Exit tests are strict: touching the edge is not leaving it.
        TickCase{"LeftTouchesExit", ScrollLeft, -840, 50, -900, 50, kNone},
        TickCase{"LeftLeavesExit", ScrollLeft, -841, 50, 3000, 202.5f, kCompleted},
        TickCase{"RightTouchesExit", ScrollRight, 2940, 50, 3000, 50, kNone},
        TickCase{"RightLeavesExit", ScrollRight, 2941, 50, -900, 202.5f, kCompleted},
        TickCase{"UpTouchesExit", ScrollUp, 10, -135, 10, -195, kNone},
        TickCase{"UpLeavesExit", ScrollUp, 10, -136, 1050, 600, kCompleted},
        TickCase{"DownTouchesExit", ScrollDown, 10, 540, 10, 600, kNone},
        TickCase{"DownLeavesExit", ScrollDown, 10, 541, 1050, -195, kCompleted},
        // Entry tests: a caption beyond the entry edge starts afresh without
        // ScrollComplete; one standing on the edge does not.
        TickCase{"LeftBeyondEntry", ScrollLeft, 3100, 50, 3000, 202.5f, kRestarted},
        TickCase{"LeftOnEntry", ScrollLeft, 3060, 50, 3000, 50, kNone},
        TickCase{"RightBeyondEntry", ScrollRight, -1000, 50, -900, 202.5f, kRestarted},
        TickCase{"RightOnEntry", ScrollRight, -960, 50, -900, 50, kNone},
        TickCase{"UpBeyondEntry", ScrollUp, 10, 700, 1050, 600, kRestarted},
        TickCase{"UpOnEntry", ScrollUp, 10, 660, 10, 600, kNone},
        TickCase{"DownBeyondEntry", ScrollDown, 10, -300, 1050, -195, kRestarted},
        TickCase{"DownOnEntry", ScrollDown, 10, -255, 10, -195, kNone}),
    [](const auto& info) { return std::string(info.param.name); });

struct ResetCase {
  const char* name;
  int32_t direction;
  int32_t alignment;  // VerticalAlignment for 0 and 1, HorizontalAlignment for 2 and 3
  float wantLeft, wantTop;
  bool wantStart;
};

class ResetScrollTest : public ScrollerModelTest, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(ResetScrollTest, PutsCaptionOutsideEntryEdge) {
  const ResetCase& c = GetParam();
  running(c.direction, 111, 22);
  model.setHorizontalAlignment(c.alignment);
  model.setVerticalAlignment(c.alignment);
  model.resetScroll();
  EXPECT_FLOAT_EQ(model.left(), c.wantLeft);
  EXPECT_FLOAT_EQ(model.top(), c.wantTop);
  EXPECT_EQ(events.log, c.wantStart ? kRestarted : kNone);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ResetScrollTest,
    ::testing::Values(ResetCase{"LeftTop", ScrollLeft, 0, 3000, 0, true},
                      ResetCase{"LeftBottom", ScrollLeft, 1, 3000, 405, true},
                      ResetCase{"LeftMiddle", ScrollLeft, 2, 3000, 202.5f, true},
                      ResetCase{"LeftUnknownAlignmentStillStarts", ScrollLeft, 9, 3000, 22, true},
                      ResetCase{"RightTop", ScrollRight, 0, -900, 0, true},
                      ResetCase{"RightBottom", ScrollRight, 1, -900, 405, true},
                      ResetCase{"RightMiddle", ScrollRight, 2, -900, 202.5f, true},
                      ResetCase{"UpLeft", ScrollUp, 0, 0, 600, true},
                      ResetCase{"UpRight", ScrollUp, 1, 2100, 600, true},
                      ResetCase{"UpCentre", ScrollUp, 2, 1050, 600, true},
                      ResetCase{"UpUnknownAlignmentStillStarts", ScrollUp, -1, 111, 600, true},
                      ResetCase{"DownLeft", ScrollDown, 0, 0, -195, true},
                      ResetCase{"DownRight", ScrollDown, 1, 2100, -195, true},
                      ResetCase{"DownCentre", ScrollDown, 2, 1050, -195, true},
                      ResetCase{"OtherDirectionDoesNothing", 7, 2, 111, 22, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScrollerModelTest, ResetScrollWithScrollingOffCentresWithoutEvent) {
  model.applyScrollDirection(ScrollUp);
  model.setPosition(5, 5);
  model.resetScroll();
  EXPECT_FLOAT_EQ(model.left(), 1050);
  EXPECT_FLOAT_EQ(model.top(), 202.5f);
  EXPECT_EQ(events.log, kNone);
}

struct LayoutCase {
  const char* name;
  bool scrolling;
  int32_t direction;
  int32_t hAlign, vAlign;
  float wantLeft, wantTop;
};

class ResizeLayoutTest : public ScrollerModelTest, public ::testing::WithParamInterface<LayoutCase> {};

// The control shrinks to 2000 x 400 with the caption at (111, 22).
TEST_P(ResizeLayoutTest, PlacesCrossAxisOrCentres) {
  const LayoutCase& c = GetParam();
  running(c.direction, 111, 22);
  model.applyEnabled(c.scrolling);
  model.setHorizontalAlignment(c.hAlign);
  model.setVerticalAlignment(c.vAlign);
  model.setControlSize(2000, 400);
  EXPECT_FLOAT_EQ(model.left(), c.wantLeft);
  EXPECT_FLOAT_EQ(model.top(), c.wantTop);
  EXPECT_EQ(events.log, kNone);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ResizeLayoutTest,
    ::testing::Values(LayoutCase{"LeftKeepsLeftPlacesTop", true, ScrollLeft, 0, 1, 111, 205},
                      LayoutCase{"RightMiddle", true, ScrollRight, 0, 2, 111, 102.5f},
                      LayoutCase{"RightTop", true, ScrollRight, 1, 0, 111, 0},
                      LayoutCase{"UpKeepsTopPlacesLeft", true, ScrollUp, 1, 0, 1100, 22},
                      LayoutCase{"DownCentre", true, ScrollDown, 2, 1, 550, 22},
                      LayoutCase{"DownLeft", true, ScrollDown, 0, 1, 0, 22},
                      LayoutCase{"UnknownAlignmentMovesNothing", true, ScrollLeft, 2, 5, 111, 22},
                      LayoutCase{"OtherDirectionMovesNothing", true, 7, 0, 0, 111, 22},
                      LayoutCase{"OffCentresIgnoringAlignment", false, ScrollLeft, 0, 0, 550, 102.5f},
                      LayoutCase{"OffCentresAnyDirection", false, 7, 1, 1, 550, 102.5f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScrollerModelTest, NewControlStartsStillAndCentred) {
  ScrollerModel fresh;
  fresh.setEvents(&events);
  fresh.initNew();
  EXPECT_FALSE(fresh.timerOn());
  EXPECT_EQ(fresh.scrollSpeed(), 100);
  EXPECT_EQ(fresh.caption(), L"Scrolling Display");
  EXPECT_EQ(fresh.scrollDirection(), ScrollLeft);
  EXPECT_EQ(fresh.horizontalAlignment(), AlignCentre);
  EXPECT_EQ(fresh.verticalAlignment(), AlignMiddle);
  EXPECT_EQ(fresh.textAlignment(), AlignCentre);
  EXPECT_FLOAT_EQ(fresh.width(), 17 * vorne::scroller::testing::kCharWidth);
  EXPECT_FLOAT_EQ(fresh.left(), 3945.0f / 2 - 17 * vorne::scroller::testing::kCharWidth / 2);
  EXPECT_FLOAT_EQ(fresh.top(), 675.0f / 2 - vorne::scroller::testing::kLineHeight / 2);
  fresh.tick();  // the timer is off: a stray tick does nothing
  EXPECT_FLOAT_EQ(fresh.left(), 3945.0f / 2 - 17 * vorne::scroller::testing::kCharWidth / 2);
  EXPECT_EQ(events.log, kNone);
}

TEST_F(ScrollerModelTest, FullRunCompletesAndRestartsWithinOneTick) {
  running(ScrollLeft, 3000, 202.5f);
  // From Left 3000 the right end passes 0 after (3000 + 900) / 60 + 1 ticks.
  int ticks = 0;
  while (events.log.empty() && ticks < 1000) {
    model.tick();
    ++ticks;
  }
  EXPECT_EQ(ticks, 66);
  EXPECT_EQ(events.log, kCompleted);
  EXPECT_FLOAT_EQ(model.left(), 3000);
}

TEST_F(ScrollerModelTest, LongCaptionResetsOnlyAfterRightEndPassesLeftBorder) {
  model.setCaptionSize({5000, 195});
  running(ScrollLeft, 0, 0);
  for (int i = 0; i < 83; ++i) model.tick();  // right end at 20
  EXPECT_FLOAT_EQ(model.left(), -4980);
  EXPECT_EQ(events.log, kNone);
  model.tick();
  EXPECT_EQ(events.log, kCompleted);
}

TEST_F(ScrollerModelTest, ZeroSpeedNeverTicksButResetStillPlaces) {
  ASSERT_EQ(model.setScrollSpeed(0), Error::None);
  running(ScrollRight, 100, 100);
  EXPECT_FALSE(model.timerTicks());
  model.tick();
  EXPECT_FLOAT_EQ(model.left(), 100);
  model.resetScroll();
  EXPECT_FLOAT_EQ(model.left(), -900);
  EXPECT_EQ(events.log, kRestarted);
}

TEST_F(ScrollerModelTest, EnabledOffCentresAtOnceOnLeavesCaptionWhereItIs) {
  running(ScrollLeft, 400, 17);
  model.setEnabled(false);
  EXPECT_FLOAT_EQ(model.left(), 1050);
  EXPECT_FLOAT_EQ(model.top(), 202.5f);
  model.setPosition(400, 17);
  model.setEnabled(true);
  EXPECT_FLOAT_EQ(model.left(), 400);    // the run goes on from here
  EXPECT_FLOAT_EQ(model.top(), 202.5f);  // the cross axis is placed
  EXPECT_EQ(events.log, kNone);
  model.tick();
  EXPECT_FLOAT_EQ(model.left(), 340);
}

TEST_F(ScrollerModelTest, SameDirectionStillRaisesEventAndRestarts) {
  running(ScrollLeft, 400, 17);
  model.setScrollDirection(ScrollLeft);
  EXPECT_EQ(events.log, (Log{"ChangeScrollDirection", "ScrollStart"}));
  EXPECT_FLOAT_EQ(model.left(), 3000);
  events.clear();
  model.setScrollDirection(7);  // no ScrollStart for an unknown direction
  EXPECT_EQ(events.log, (Log{"ChangeScrollDirection"}));
}

TEST_F(ScrollerModelTest, CaptionChangeWhileScrollingKeepsScrollAxis) {
  running(ScrollUp, 400, 17);
  model.setCaption(L"ab\r\ncdef\r\ng");  // 4 x 3 cells
  EXPECT_FLOAT_EQ(model.width(), 4 * vorne::scroller::testing::kCharWidth);
  EXPECT_FLOAT_EQ(model.height(), 3 * vorne::scroller::testing::kLineHeight);
  EXPECT_FLOAT_EQ(model.top(), 17);
  EXPECT_FLOAT_EQ(model.left(), 1500 - 2 * vorne::scroller::testing::kCharWidth);
  EXPECT_EQ(events.log, kNone);
}

TEST_F(ScrollerModelTest, AlignmentTakesEffectOnlyAtNextLayout) {
  running(ScrollLeft, 400, 17);
  model.setVerticalAlignment(AlignBottom);
  EXPECT_FLOAT_EQ(model.top(), 17);
  model.setCaption(L"x");
  EXPECT_FLOAT_EQ(model.top(), 405);
}

TEST_F(ScrollerModelTest, FontChangeRemeasuresWithoutLayout) {
  running(ScrollLeft, 400, 17);
  model.applyCaption(L"abc");
  model.fontChanged();
  EXPECT_FLOAT_EQ(model.width(), 270);
  EXPECT_FLOAT_EQ(model.left(), 400);
  EXPECT_FLOAT_EQ(model.top(), 17);
}

// ---- re-entrant handlers ------------------------------------------------

struct CaptionOnComplete : Recorder {
  ScrollerModel* model = nullptr;
  void scrollComplete() override {
    Recorder::scrollComplete();
    model->setCaption(L"abcdefghijklmnopqrst");  // 1800 wide
  }
};

TEST(ScrollerReentryTest, CompleteHandlerRunsBeforeOwnReset) {
  CaptionOnComplete events;
  ScrollerModel model;
  events.model = &model;
  model.setEvents(&events);
  model.setControlSize(3000, 600);
  model.setCaptionSize({900, 195});
  model.applyScrollDirection(ScrollRight);
  model.applyEnabled(true);
  model.setPosition(2990, 0);
  model.tick();
  // ResetScroll used the new caption's width.
  EXPECT_FLOAT_EQ(model.left(), -1800);
  EXPECT_EQ(events.log, kCompleted);
}

struct DetachOnComplete : Recorder {
  ScrollerModel* model = nullptr;
  void scrollComplete() override {
    Recorder::scrollComplete();
    model->setEnabled(false);
    model->setEvents(nullptr);  // the control closed
  }
};

TEST(ScrollerReentryTest, ClosingInCompleteHandlerStopsTheRun) {
  DetachOnComplete events;
  ScrollerModel model;
  events.model = &model;
  model.setEvents(&events);
  model.setControlSize(3000, 600);
  model.setCaptionSize({900, 195});
  model.applyEnabled(true);
  model.setPosition(-850, 0);
  model.tick();
  EXPECT_EQ(events.log, (Log{"ScrollComplete"}));
  EXPECT_FALSE(model.timerTicks());
  EXPECT_FLOAT_EQ(model.left(), 1050);
}

// ---- hand drag -------------------------------------------------------------

TEST_F(ScrollerModelTest, EventsFromCaptionReachHostInControlCoordinates) {
  running(ScrollLeft, 300, 120);
  model.captionMouseDown(RightButton, 0, 10, 5);
  EXPECT_EQ(events.log, (Log{"MouseDown 2 0 310 125"}));
}

TEST_F(ScrollerModelTest, LeftDragPausesMovesAlongAxisAndResumes) {
  running(ScrollLeft, 300, 120);
  const int before = events.timerChanges;
  model.pointerDown(LeftButton, 0, 310, 125);
  EXPECT_FALSE(model.timerOn());
  EXPECT_TRUE(model.capturing());
  model.tick();  // a tick while held does nothing
  EXPECT_FLOAT_EQ(model.left(), 300);
  model.pointerMove(LeftButton, 0, 350, 200);  // 40 right, 75 down
  EXPECT_FLOAT_EQ(model.left(), 340);
  EXPECT_FLOAT_EQ(model.top(), 120);  // the cross axis never moves by dragging
  model.pointerUp(LeftButton, 0, 350, 200);
  EXPECT_TRUE(model.timerOn());
  EXPECT_FALSE(model.capturing());
  EXPECT_EQ(events.timerChanges - before, 2);
  EXPECT_EQ(events.log,
            (Log{"MouseDown 1 0 310 125", "MouseMove 1 0 350 200", "MouseUp 1 0 350 200", "Click"}));
  model.tick();
  EXPECT_FLOAT_EQ(model.left(), 280);
}

TEST_F(ScrollerModelTest, VerticalDragMovesTopOnly) {
  running(ScrollDown, 300, 120);
  model.pointerDown(LeftButton, 0, 310, 125);
  model.pointerMove(LeftButton, 0, 400, 100);
  EXPECT_FLOAT_EQ(model.left(), 300);
  EXPECT_FLOAT_EQ(model.top(), 95);
}

TEST_F(ScrollerModelTest, DragWithOtherDirectionOrButtonsDoesNotMove) {
  running(7, 300, 120);
  model.pointerDown(LeftButton, 0, 310, 125);
  model.pointerMove(LeftButton, 0, 400, 200);
  EXPECT_FLOAT_EQ(model.left(), 300);
  model.applyScrollDirection(ScrollLeft);
  model.pointerDown(RightButton, 0, 400, 200);
  model.pointerMove(LeftButton | RightButton, 0, 500, 200);  // not the left button alone
  EXPECT_FLOAT_EQ(model.left(), 300);
}

TEST_F(ScrollerModelTest, RightPressLeavesScrollingAsItWas) {
  running(ScrollLeft, 300, 120);
  model.pointerDown(RightButton, 0, 310, 125);
  EXPECT_TRUE(model.timerOn());
  model.pointerUp(RightButton, 0, 310, 125);
  EXPECT_TRUE(model.timerOn());
  EXPECT_EQ(events.log, (Log{"MouseDown 2 0 310 125", "MouseUp 2 0 310 125"}));
}

TEST_F(ScrollerModelTest, DragWhileOffStaysOffWhereDropped) {
  model.setEnabled(false);  // centred at 1050, 202.5
  events.clear();
  model.pointerDown(LeftButton, 0, 1100, 250);
  model.pointerMove(LeftButton, 0, 1000, 250);
  model.pointerUp(LeftButton, 0, 1000, 250);
  EXPECT_FALSE(model.timerOn());
  EXPECT_FLOAT_EQ(model.left(), 950);
  EXPECT_EQ(events.timerChanges, 0);
}

TEST_F(ScrollerModelTest, LostReleaseRestoresTimerAndRaisesMouseUp) {
  running(ScrollLeft, 300, 120);
  model.pointerDown(LeftButton, 0, 310, 125);
  model.pointerMove(LeftButton, 0, 330, 125);
  model.captureLost();
  EXPECT_TRUE(model.timerOn());
  EXPECT_FALSE(model.capturing());
  EXPECT_FALSE(model.handHeld());
  EXPECT_EQ(events.log.back(), "MouseUp 1 0 330 125");  // no Click for a lost release
  events.clear();
  model.captureLost();  // nothing held any more
  EXPECT_EQ(events.log, kNone);
}

TEST_F(ScrollerModelTest, MoveWithoutLeftButtonEndsUnseenRelease) {
  running(ScrollLeft, 300, 120);
  model.pointerDown(LeftButton, 0, 310, 125);
  model.pointerMove(0, 0, 320, 125);
  EXPECT_TRUE(model.timerOn());
  EXPECT_EQ(events.log, (Log{"MouseDown 1 0 310 125", "MouseUp 1 0 320 125", "MouseMove 0 0 320 125"}));
  EXPECT_FLOAT_EQ(model.left(), 300);
}

TEST_F(ScrollerModelTest, ReleaseWithoutPressOnCaptionDoesNotStartScrolling) {
  model.setEnabled(false);
  events.clear();
  model.pointerUp(LeftButton, 0, 1100, 250);  // pressed elsewhere
  EXPECT_FALSE(model.timerOn());
  EXPECT_EQ(events.log, (Log{"MouseUp 1 0 1100 250"}));
}

TEST_F(ScrollerModelTest, SurfaceKeepsCaptureAndPassesCoordinates) {
  running(ScrollLeft, 300, 120);
  model.pointerDown(LeftButton, 1, 50, 50);  // the bare surface
  EXPECT_TRUE(model.timerOn());
  model.pointerMove(LeftButton, 1, 320, 130);  // over the caption, still the surface's
  EXPECT_FLOAT_EQ(model.left(), 300);
  model.pointerUp(LeftButton, 1, 60, 55);
  EXPECT_EQ(events.log,
            (Log{"MouseDown 1 1 50 50", "MouseMove 1 1 320 130", "MouseUp 1 1 60 55", "Click"}));
}

TEST_F(ScrollerModelTest, DoubleClickRaisesDblClickAndHolds) {
  running(ScrollLeft, 300, 120);
  model.pointerDown(LeftButton, 0, 310, 125);
  model.pointerUp(LeftButton, 0, 310, 125);
  model.pointerDoubleClick(LeftButton, 0, 310, 125);
  EXPECT_FALSE(model.timerOn());
  model.pointerUp(LeftButton, 0, 310, 125);
  EXPECT_TRUE(model.timerOn());
  EXPECT_EQ(events.log, (Log{"MouseDown 1 0 310 125", "MouseUp 1 0 310 125", "Click", "DblClick",
                             "MouseUp 1 0 310 125"}));
}

TEST_F(ScrollerModelTest, DroppedPastEdgesTheNextTickTests) {
  running(ScrollLeft, 300, 120);
  model.pointerDown(LeftButton, 0, 310, 125);
  model.pointerMove(LeftButton, 0, -1000, 125);  // past the exit edge
  model.pointerUp(LeftButton, 0, -1000, 125);
  events.clear();
  model.tick();
  EXPECT_EQ(events.log, kCompleted);

  model.pointerDown(LeftButton, 0, 3010, 250);
  model.pointerMove(LeftButton, 0, 3200, 250);  // past the entry edge
  model.pointerUp(LeftButton, 0, 3200, 250);
  events.clear();
  model.tick();
  EXPECT_EQ(events.log, kRestarted);
}

// ---- property checks -------------------------------------------------------

struct CheckCase {
  const char* name;
  Error (*set)(ScrollerModel&, int64_t);
  int64_t (*get)(const ScrollerModel&);
  int64_t value;
  Error want;
};

class PropertyCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(PropertyCheckTest, RefusedValueLeavesPart) {
  const CheckCase& c = GetParam();
  ScrollerModel model;
  const int64_t before = c.get(model);
  EXPECT_EQ(c.set(model, c.value), c.want);
  EXPECT_EQ(c.get(model), c.want == Error::None ? c.value : before);
}

Error speed(ScrollerModel& m, int64_t v) { return m.setScrollSpeed(v); }
int64_t speedOf(const ScrollerModel& m) { return m.scrollSpeed(); }
Error align(ScrollerModel& m, int64_t v) { return m.setTextAlignment(v); }
int64_t alignOf(const ScrollerModel& m) { return m.textAlignment(); }
Error pointer(ScrollerModel& m, int64_t v) { return m.setMousePointer(v); }
int64_t pointerOf(const ScrollerModel& m) { return m.mousePointer(); }
Error border(ScrollerModel& m, int64_t v) { return m.setBorderStyle(v); }
int64_t borderOf(const ScrollerModel& m) { return m.borderStyle(); }
Error back(ScrollerModel& m, int64_t v) { return m.setBackColor(static_cast<uint32_t>(v)); }
int64_t backOf(const ScrollerModel& m) { return m.backColor(); }

constexpr Error kOk = Error::None;
constexpr Error k380 = Error::InvalidPropertyValue;
constexpr Error k6 = Error::Overflow;

INSTANTIATE_TEST_SUITE_P(
    Parts, PropertyCheckTest,
    ::testing::Values(CheckCase{"SpeedZero", speed, speedOf, 0, kOk},
                      CheckCase{"SpeedTop", speed, speedOf, 65535, kOk},
                      CheckCase{"Speed70000", speed, speedOf, 70000, k380},
                      CheckCase{"SpeedNegative", speed, speedOf, -1, k380},
                      CheckCase{"SpeedBeyondLong", speed, speedOf, int64_t{1} << 33, k6},
                      CheckCase{"AlignRight", align, alignOf, 1, kOk},
                      CheckCase{"AlignThree", align, alignOf, 3, k380},
                      CheckCase{"AlignNegative", align, alignOf, -1, k380},
                      CheckCase{"AlignBeyondInteger", align, alignOf, 32768, k6},
                      CheckCase{"PointerSizeAll", pointer, pointerOf, 15, kOk},
                      CheckCase{"PointerCustom", pointer, pointerOf, 99, kOk},
                      CheckCase{"PointerUnknown", pointer, pointerOf, 16, k380},
                      CheckCase{"PointerBeyondInteger", pointer, pointerOf, -40000, k6},
                      CheckCase{"BorderFixed", border, borderOf, 1, kOk},
                      CheckCase{"BorderTwo", border, borderOf, 2, k380},
                      CheckCase{"BorderBeyondInteger", border, borderOf, 70000, k6},
                      CheckCase{"BackRgb", back, backOf, 0x00123456, kOk},
                      CheckCase{"BackSystemWindow", back, backOf, 0x80000005, kOk},
                      CheckCase{"BackSystemUnknown", back, backOf, 0x80000050, k380},
                      CheckCase{"BackBadHighByte", back, backOf, 0x40000000, k380}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScrollerErrorTest, TextsOfTheErrors) {
  EXPECT_STREQ(errorText(Error::InvalidPropertyValue), "Invalid property value");
  EXPECT_STREQ(errorText(Error::Overflow), "Overflow");
  EXPECT_STREQ(errorText(Error::TypeMismatch), "Type mismatch");
}

TEST(ScrollerErrorTest, SpeedChangeReportsTimer) {
  Recorder events;
  ScrollerModel model;
  model.setEvents(&events);
  ASSERT_EQ(model.setScrollSpeed(250), Error::None);
  EXPECT_EQ(events.timerChanges, 1);
  ASSERT_EQ(model.setScrollSpeed(70000), Error::InvalidPropertyValue);
  EXPECT_EQ(events.timerChanges, 1);
  EXPECT_EQ(model.scrollSpeed(), 250);
}

}  // namespace
}  // namespace vorne::scroller
