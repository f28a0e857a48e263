// The region helper as the player and the skin editor call it: a window
// region from a bitmap with one transparent colour cut away. Win32 only.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <cstdint>
#include <vector>

#include "platform/region/region_core.h"

namespace vorne::region {

// A new region of the bitmap's pixels without those within the tolerance of
// the transparent colour (see IsCut), in the bitmap's own pixel coordinates.
// `picture` is a bitmap handle, as a picture object's Handle gives it. With
// no colour (-1) the region is the whole bitmap; when every pixel is cut it
// is an empty region. The caller owns the region (SetWindowRgn takes it
// over). NULL when the handle is not a readable bitmap.
HRGN BitmapToRegion(HBITMAP picture, long colour, long tolerance);

// The same for a picture object holding a bitmap; NULL for any other kind
// of picture (an icon, a metafile, none).
HRGN BitmapToRegion(IPicture* picture, long colour, long tolerance);

// Reads a bitmap as 32-bit pixels, rows from the top, into `pixels`;
// false when the handle is not a bitmap. Shared with the picture cutter.
bool ReadBitmapPixels(HBITMAP bitmap, int& width, int& height, std::vector<std::uint32_t>& pixels);

// A region from rectangles, in batches through ExtCreateRegion (never NULL
// for an empty list: an empty region then).
HRGN RegionFromRectangles(const std::vector<Rect>& rects);

}  // namespace vorne::region
