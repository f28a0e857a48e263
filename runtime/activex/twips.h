#pragma once
// Twips and pixels. Controls keep positions and sizes as single-precision
// twips and turn them into pixels only when a window moves; the factor comes
// from the screen (see screen.h), never from a constant.
#include <cmath>

namespace vorne::activex {

inline constexpr float kTwipsPerInch = 1440.0f;
inline constexpr float kHimetricPerInch = 2540.0f;

struct TwipsScale {
    float x = 15.0f;  // twips per pixel across
    float y = 15.0f;  // twips per pixel down

    static TwipsScale FromDpi(int dpi_x, int dpi_y) {
        TwipsScale s;
        if (dpi_x > 0) s.x = kTwipsPerInch / static_cast<float>(dpi_x);
        if (dpi_y > 0) s.y = kTwipsPerInch / static_cast<float>(dpi_y);
        return s;
    }
    // Nearest whole pixel; halves go away from zero.
    int ToPixelsX(float twips) const { return static_cast<int>(std::lround(twips / x)); }
    int ToPixelsY(float twips) const { return static_cast<int>(std::lround(twips / y)); }
    float ToTwipsX(double pixels) const { return static_cast<float>(pixels * x); }
    float ToTwipsY(double pixels) const { return static_cast<float>(pixels * y); }
};

inline float HimetricToTwips(long himetric) {
    return static_cast<float>(static_cast<double>(himetric) * kTwipsPerInch / kHimetricPerInch);
}
inline long TwipsToHimetric(float twips) {
    return std::lround(static_cast<double>(twips) * kHimetricPerInch / kTwipsPerInch);
}

}  // namespace vorne::activex
