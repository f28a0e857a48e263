#pragma once
// OLE picture objects as the controls use them: loaded or empty, natural
// size in twips, and painting a rectangle of a picture at its own size.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "runtime/activex/twips.h"
#include "runtime/com/object.h"

namespace vorne::activex {

// True when pic holds an image (a handle other than the empty picture's).
bool PictureLoaded(IUnknown* pic);
// Natural size in twips; 0 x 0 for an empty picture.
void PictureSizeTwips(IUnknown* pic, float& width, float& height);
// Paints the rectangle (src_x, src_y, width, height) of pic, in twips, to the
// point (dst_x, dst_y) pixels of dc at the rectangle's own size.
HRESULT PaintPicture(HDC dc, IUnknown* pic, const TwipsScale& scale, int dst_x, int dst_y, float src_x,
                     float src_y, float width, float height);
// Paints the whole picture at (x, y) pixels at its natural size.
HRESULT DrawPicture(HDC dc, IUnknown* pic, const TwipsScale& scale, int x, int y);
// A picture object over a bitmap; the picture owns the bitmap when own is set.
com::Ptr<IPictureDisp> PictureFromBitmap(HBITMAP bitmap, bool own);
// A cursor picture (for MouseIcon).
com::Ptr<IPictureDisp> PictureFromIcon(HICON icon, bool own);
// A picture file's bytes (BMP, JPEG, GIF, icon, metafile) through the
// platform's picture loader; empty when they hold no picture it reads, or
// one larger than the programs take (picture_size.h), which is refused by
// its header before it is decoded where the header tells its size.
com::Ptr<IPicture> LoadPictureBytes(const void* data, size_t size);
// The picture file at path (ANSI text), the same way: the one loader of
// every picture file the programs read. Empty when it cannot be read, is no
// picture, or is larger than the programs take.
com::Ptr<IPicture> LoadPictureFile(const std::string& path);
// Copy of the picture's handle type and handle.
OLE_HANDLE PictureHandle(IUnknown* pic, short* type = nullptr);
// The bitmap a picture holds (still the picture's own); null for an empty
// picture or one of any other kind.
HBITMAP PictureBitmap(IUnknown* pic);

}  // namespace vorne::activex
