#pragma once
// A picture: one bitmap and an optional palette, owned and released together.

#include <windows.h>

#include <cstdint>

#include "base/win32/ScopedWin.h"
#include "capture/PixelRows.h"
#include "capture/win32/DibSection.h"

namespace kx::win {

class Picture {
 public:
  Picture() = default;
  // Takes over both handles; a null bitmap makes an empty picture (and the
  // palette is released at once).
  Picture(HBITMAP bitmap, HPALETTE palette);
  // Takes over the section and the palette, and keeps where the rows are.
  Picture(DibSection section, HPALETTE palette);

  Picture(Picture&& other) noexcept;
  Picture& operator=(Picture&& other) noexcept;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  // In 0.01 mm at the screen's pixels per inch.
  std::int32_t WidthHimetric() const;
  std::int32_t HeightHimetric() const;
  // Bits per pixel of the bitmap, 0 for an empty picture.
  int BitsPerPixel() const { return bitsPerPixel_; }
  HBITMAP Bitmap() const { return bitmap_.get(); }
  HPALETTE Palette() const { return palette_.get(); }
  // The rows of a picture made from a section; none otherwise.
  PixelRows<const std::uint8_t> SectionRows() const { return {rows_.top, rows_.step}; }
  // Gives up the section the picture was made from, with its rows; the
  // picture is empty afterwards. Nothing (and the picture unchanged) for
  // other pictures.
  DibSection ReleaseSection();
  // True when the picture holds a bitmap.
  explicit operator bool() const { return static_cast<bool>(bitmap_); }

 private:
  BitmapHandle bitmap_;
  PaletteHandle palette_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  int bitsPerPixel_ = 0;
  PixelRows<std::uint8_t> rows_;
};

// A new palette with the same entries; null for a null palette.
PaletteHandle CopyPalette(HPALETTE palette);

}  // namespace kx::win
