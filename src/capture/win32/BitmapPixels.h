#pragma once
// Pixels of a picture's bitmap in device-independent form, and bitmaps made
// from such pixels.

#include <windows.h>

#include <optional>

#include "capture/Dib.h"
#include "capture/Image.h"
#include "capture/win32/Picture.h"
#include "win32/ScopedWin.h"

namespace kx::win {

// The picture's pixels at 32 bits per pixel, rows top-down, read through a
// memory context compatible with `compatibleWith` (the screen when null); an
// empty image when the picture is empty or its pixels cannot be read. The
// bitmap must not be selected into a drawing context.
Rgb32Image ReadPixels(const Picture& picture, HDC compatibleWith = nullptr);

// The picture at its own depth, as a BMP file keeps it: 1, 4 or 8 bits with
// its colour table, 32 bits as it is; other true-colour depths become 24 bits.
// The fourth byte of a 32-bit pixel is 0. Nothing when the picture is empty
// or its pixels cannot be read.
std::optional<DibImage> ReadDib(const Picture& picture);

// A device-independent bitmap section holding the pixels and colour table;
// null when the bitmap is not consistent or cannot be made.
BitmapHandle BitmapFromDib(const DibImage& dib);

}  // namespace kx::win
