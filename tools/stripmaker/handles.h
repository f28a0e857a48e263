// The pictures of the selection's two handles: 13 x 13 pixel raised
// buttons, the move handle with a four-way arrow and the resize handle with
// a diagonal two-headed arrow. Win32 only.
#pragma once

#include <windows.h>

#include "runtime/forms/forms.h"

namespace vorne::stripmaker {

forms::PictureRef MoverPicture();
forms::PictureRef SizerPicture();

}  // namespace vorne::stripmaker
