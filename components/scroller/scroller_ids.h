#pragma once
// Numbers of the Scroller control that hosts and tests rely on.
#include <windows.h>

namespace vorne::scroller {

// The step timer ticks as WM_TIMER with this id on the control's window.
constexpr UINT_PTR kStepTimerId = 0x5C01;

// Event numbers of __Scroller.
enum EventId : DISPID {
    kEventClick = 1,
    kEventDblClick = 2,
    kEventKeyDown = 3,
    kEventKeyPress = 4,
    kEventKeyUp = 5,
    kEventMouseDown = 6,
    kEventMouseMove = 7,
    kEventMouseUp = 8,
    kEventScrollComplete = 9,
    kEventScrollStart = 10,
    kEventChangeScrollDirection = 11,
};

}  // namespace vorne::scroller
