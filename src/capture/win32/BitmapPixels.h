#pragma once
// Pixels of a picture's bitmap in device-independent form, and bitmaps made
// from such pixels.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "base/win32/ScopedWin.h"
#include "capture/Dib.h"
#include "capture/Image.h"
#include "capture/win32/DibSection.h"
#include "capture/win32/Picture.h"

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
[[nodiscard]] std::optional<DibImage> ReadDib(const Picture& picture);

// The rows of a picture made from a bitmap section (see DibSection), where
// they lie, with its colour table, after drawing still pending on it is
// done; nothing for other pictures and depths other than 1, 4, 8, 24 and
// 32. The view lasts as long as the picture, and shows later drawing only
// after GdiFlush. The bitmap must not be selected into a drawing context.
[[nodiscard]] std::optional<DibView> SectionView(const Picture& picture);

// The picture's rows as a file keeps them: SectionView where it has one,
// else ReadDib into `storage`, which must outlive the view. Nothing when
// neither gives rows, also for lack of memory.
[[nodiscard]] std::optional<DibView> FileRows(const Picture& picture,
                                              std::optional<DibImage>& storage);

// A bitmap section holding the pixels and colour table; no bitmap when the
// image is not consistent or the section cannot be made.
DibSection BitmapFromDib(const DibImage& dib);

// A bitmap of the picture's size to draw a copy of it on: a 32-bit section
// for a picture made from one, else a bitmap compatible with the screen.
DibSection BitmapLike(const Picture& picture, HDC screen);

}  // namespace kx::win
