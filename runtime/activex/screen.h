#pragma once
// The screen's pixels per inch and twips-per-pixel factors. They are read
// once: the system's resolution holds for the whole session.
#include "runtime/activex/twips.h"

namespace vorne::activex {
const TwipsScale& ScreenTwipsScale();
int ScreenDpiY();  // pixels per logical inch down; 96 when the screen gives none
// The font height (LOGFONT's lfHeight: negative, in character height) of a
// size in points on the screen.
int ScreenFontHeight(double points);
}
