#include "capture/win32/SurfaceColors.h"

#include "capture/ColorReduction.h"
#include "capture/Palettes.h"
#include "capture/win32/BitmapPixels.h"

namespace kx::win {
namespace {

bool IsAtOrBelow(const Picture& picture, int bitsPerPixel) {
  return picture.BitsPerPixel() <= bitsPerPixel;
}

Picture CopyOf(const Picture& picture) {
  const auto dib = ReadDib(picture);
  if (!dib) return {};
  PaletteHandle palette = CopyPalette(picture.Palette());
  return Picture(BitmapFromDib(*dib), palette.release());
}

// The reduction reads a 32-bit section's rows where they lie; any other
// picture is read out at 32 bits first. It writes straight into the rows of
// the new picture's section.
Picture Reduce(HDC dc, const Picture& picture, int bitsPerPixel) {
  const std::int32_t width = picture.Width();
  const std::int32_t height = picture.Height();
  Rgb32Image read;
  PixelRows<const std::uint32_t> source;
  if (const auto view = SectionView(picture); view && view->bitsPerPixel == 32) {
    source = {reinterpret_cast<const std::uint32_t*>(view->rows.top), view->rows.step / 4};
  } else {
    read = ReadPixels(picture, dc);
    if (read.pixels.empty()) return {};
    source = {read.pixels.data(), read.width};
  }
  DibSection reduced = CreateDibSection(width, height, bitsPerPixel, FixedPalette(bitsPerPixel));
  if (!reduced.bitmap) return {};
  ReduceColors(source, reduced.rows, width, height, bitsPerPixel);
  return Picture(std::move(reduced), nullptr);
}

}  // namespace

Picture ReducePictureColors(HDC dc, const Picture& picture, std::int16_t colors) {
  const int depth = DepthForColorCount(colors);
  return IsAtOrBelow(picture, depth) ? CopyOf(picture) : Reduce(dc, picture, depth);
}

const Picture& ReduceSurfaceColors(HDC dc, PictureSurface& surface, std::int16_t colors) {
  if (!surface.GetPicture()) surface.AdoptImage();
  const int depth = DepthForColorCount(colors);
  if (!IsAtOrBelow(surface.GetPicture(), depth)) {
    surface.SetPicture(Reduce(dc, surface.GetPicture(), depth));
  }
  return surface.GetPicture();
}

}  // namespace kx::win
