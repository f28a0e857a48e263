// Dispatch ids of the hosted components' members the hosts set and the
// events they handle, by the names the hosts use; the numbers are each
// component's own (its type library and dispatch table take the same).
#pragma once

#include <windows.h>

#include "components/scrollbar/scrollbar_dispids.h"
#include "components/scroller/scroller_dispids.h"
#include "components/subclass/subclass_dispids.h"

namespace vorne::components {

// Dunmere.Scroller
inline constexpr DISPID kScrollerBackColor = SCROLLER_DISPID_BACKCOLOR;
inline constexpr DISPID kScrollerForeColor = SCROLLER_DISPID_FORECOLOR;
inline constexpr DISPID kScrollerEnabled = SCROLLER_DISPID_ENABLED;
inline constexpr DISPID kScrollerDirection = SCROLLER_DISPID_SCROLLDIRECTION;
inline constexpr DISPID kScrollerTextAlignment = SCROLLER_DISPID_TEXTALIGNMENT;
inline constexpr DISPID kScrollerCaption = SCROLLER_DISPID_CAPTION;
inline constexpr DISPID kScrollerSpeed = SCROLLER_DISPID_SCROLLSPEED;
inline constexpr DISPID kScrollerHorizontalAlignment = SCROLLER_DISPID_HORIZONTALALIGNMENT;
inline constexpr DISPID kScrollerVerticalAlignment = SCROLLER_DISPID_VERTICALALIGNMENT;
inline constexpr DISPID kScrollerMousePointer = SCROLLER_DISPID_MOUSEPOINTER;
inline constexpr DISPID kScrollerResetScroll = SCROLLER_DISPID_RESETSCROLL;
// Its events.
inline constexpr DISPID kScrollerEventMouseDown = SCROLLER_EVENT_MOUSEDOWN;
inline constexpr DISPID kScrollerEventMouseMove = SCROLLER_EVENT_MOUSEMOVE;
inline constexpr DISPID kScrollerEventMouseUp = SCROLLER_EVENT_MOUSEUP;
// Tolvaner.ScrollBar
inline constexpr DISPID kBarEnabled = SCROLLBAR_DISPID_ENABLED;
inline constexpr DISPID kBarMax = SCROLLBAR_DISPID_MAXVALUE;
inline constexpr DISPID kBarValue = SCROLLBAR_DISPID_VALUE;
// Its events.
inline constexpr DISPID kBarEventScroll = SCROLLBAR_EVENT_SCROLL;
inline constexpr DISPID kBarEventMouseDown = SCROLLBAR_EVENT_MOUSEDOWN;
inline constexpr DISPID kBarEventMouseMove = SCROLLBAR_EVENT_MOUSEMOVE;
inline constexpr DISPID kBarEventMouseUp = SCROLLBAR_EVENT_MOUSEUP;
inline constexpr DISPID kBarPicture = SCROLLBAR_DISPID_BARPICTURE;
inline constexpr DISPID kBarButtonPicture = SCROLLBAR_DISPID_BUTTONPICTURE;
// Vornesub: the members of a host's message client the library calls.
inline constexpr DISPID kSubclassMsgResponse = SUBCLASS_DISPID_MSGRESPONSE;
inline constexpr DISPID kSubclassWindowProc = SUBCLASS_DISPID_WINDOWPROC;
// Both scroll controls: the font object and its size member.
inline constexpr DISPID kFont = -512;
inline constexpr DISPID kFontSize = 2;

}  // namespace vorne::components
