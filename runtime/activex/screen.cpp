#include "runtime/activex/screen.h"

#include <windows.h>

#include <cmath>

namespace vorne::activex {

namespace {
struct ScreenFacts {
    int dpiX = 0, dpiY = 0;
    ScreenFacts() {
        if (HDC dc = GetDC(nullptr)) {
            dpiX = GetDeviceCaps(dc, LOGPIXELSX);
            dpiY = GetDeviceCaps(dc, LOGPIXELSY);
            ReleaseDC(nullptr, dc);
        }
    }
};
const ScreenFacts& Facts() {
    static const ScreenFacts facts;
    return facts;
}
}  // namespace

const TwipsScale& ScreenTwipsScale() {
    static const TwipsScale scale = TwipsScale::FromDpi(Facts().dpiX, Facts().dpiY);
    return scale;
}

int ScreenDpiY() { return Facts().dpiY > 0 ? Facts().dpiY : 96; }

int ScreenFontHeight(double points) { return -static_cast<int>(std::lround(points * ScreenDpiY() / 72.0)); }

}  // namespace vorne::activex
