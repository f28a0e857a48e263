#pragma once
// The screen's twips-per-pixel factors.
#include "runtime/activex/twips.h"

namespace vorne::activex {
TwipsScale ScreenTwipsScale();
}
