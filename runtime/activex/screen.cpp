#include "runtime/activex/screen.h"

#include <windows.h>

namespace vorne::activex {

TwipsScale ScreenTwipsScale() {
    HDC dc = GetDC(nullptr);
    TwipsScale s = TwipsScale::FromDpi(dc ? GetDeviceCaps(dc, LOGPIXELSX) : 0, dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0);
    if (dc) ReleaseDC(nullptr, dc);
    return s;
}

}  // namespace vorne::activex
