#pragma once
// Numbers of the Scroller control that hosts and tests rely on.
#include <windows.h>

#include "components/scroller/scroller_dispids.h"
namespace vorne::scroller {

// The step timer ticks as WM_TIMER with this id on the control's window.
constexpr UINT_PTR kStepTimerId = 0x5C01;

// Event numbers of __Scroller.
enum EventId : DISPID {
    kEventClick = SCROLLER_EVENT_CLICK,
    kEventDblClick = SCROLLER_EVENT_DBLCLICK,
    kEventKeyDown = SCROLLER_EVENT_KEYDOWN,
    kEventKeyPress = SCROLLER_EVENT_KEYPRESS,
    kEventKeyUp = SCROLLER_EVENT_KEYUP,
    kEventMouseDown = SCROLLER_EVENT_MOUSEDOWN,
    kEventMouseMove = SCROLLER_EVENT_MOUSEMOVE,
    kEventMouseUp = SCROLLER_EVENT_MOUSEUP,
    kEventScrollComplete = SCROLLER_EVENT_SCROLLCOMPLETE,
    kEventScrollStart = SCROLLER_EVENT_SCROLLSTART,
    kEventChangeScrollDirection = SCROLLER_EVENT_CHANGESCROLLDIRECTION,
};

}  // namespace vorne::scroller
