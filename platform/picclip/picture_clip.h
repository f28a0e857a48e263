// The picture clip as the player's main window calls it: a picture divided
// into rows x columns equal cells, one of which is handed out as a new
// picture. Win32 only; the arithmetic is in cell_layout.h.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include "platform/picclip/cell_layout.h"

namespace vorne::picclip {

// Dispatch identifiers of the clip object.
enum PictureClipDispid : DISPID {
    kDispPicture = 1,      // the whole picture (IPictureDisp; Nothing allowed)
    kDispRows = 2,         // number of rows, at least 1 (starts at 1)
    kDispCols = 3,         // number of columns, at least 1 (starts at 1)
    kDispGraphicCell = 15, // GraphicCell(k): a new picture of cell k, from 0
};

// A new bitmap (24 bits per pixel) holding cell k of `strip`; NULL with
// `error` set when the cell does not exist or the strip cannot be read.
HBITMAP CutCell(HBITMAP strip, int columns, int rows, int k, CellError& error);

// A new clip object with one reference: no picture, one row, one column.
HRESULT CreatePictureClip(IDispatch** out);

}  // namespace vorne::picclip
