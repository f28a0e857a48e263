// Dispatch ids of the hosted components' members the main window sets;
// hosts drive the components late-bound, and these are the contract.
#pragma once

#include <windows.h>

namespace vorne::player::ids {

// Dunmere.Scroller
inline constexpr DISPID kScrollerBackColor = 0x68030053;
inline constexpr DISPID kScrollerForeColor = 0x68030052;
inline constexpr DISPID kScrollerEnabled = 0x68030051;
inline constexpr DISPID kScrollerDirection = 0x6803004F;
inline constexpr DISPID kScrollerTextAlignment = 0x6803004E;
inline constexpr DISPID kScrollerCaption = 0x6803004D;
inline constexpr DISPID kScrollerSpeed = 0x6803004C;
inline constexpr DISPID kScrollerHorizontalAlignment = 0x68030049;
inline constexpr DISPID kScrollerVerticalAlignment = 0x68030048;
inline constexpr DISPID kScrollerMousePointer = 0x6803004A;
inline constexpr DISPID kScrollerResetScroll = 0x60030063;
// Its events.
inline constexpr DISPID kScrollerEventMouseDown = 6;
inline constexpr DISPID kScrollerEventMouseMove = 7;
inline constexpr DISPID kScrollerEventMouseUp = 8;
// Tolvaner.ScrollBar
inline constexpr DISPID kBarEnabled = 0x68030036;
inline constexpr DISPID kBarMax = 0x68030033;
inline constexpr DISPID kBarValue = 0x68030031;
// Its events.
inline constexpr DISPID kBarEventScroll = 2;
inline constexpr DISPID kBarEventMouseDown = 8;
inline constexpr DISPID kBarEventMouseMove = 9;
inline constexpr DISPID kBarEventMouseUp = 10;
inline constexpr DISPID kBarPicture = 0x68030030;
inline constexpr DISPID kBarButtonPicture = 0x6803002F;
// Both: the font object and its size member.
inline constexpr DISPID kFont = -512;
inline constexpr DISPID kFontSize = 2;

}  // namespace vorne::player::ids
