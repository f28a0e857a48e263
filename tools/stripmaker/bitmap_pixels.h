// Bitmaps and pixel buffers: the pixels of a loaded picture, and a bitmap
// that shows a buffer. Win32 only.
#pragma once

#include <windows.h>

#include "tools/stripmaker/pixel_buffer.h"

namespace vorne::stripmaker {

// The pixels of a bitmap; empty when it cannot be read.
PixelBuffer PixelsOf(HBITMAP bitmap);
// A new 32-bit bitmap of the buffer (the caller owns it); null when empty.
HBITMAP BitmapOf(const PixelBuffer& pixels);

}  // namespace vorne::stripmaker
