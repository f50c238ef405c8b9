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
  return PictureFromBitmap(BitmapFromDib(*dib).release(), palette.release());
}

Picture Reduce(HDC dc, const Picture& picture, int bitsPerPixel) {
  const Rgb32Image pixels = ReadPixels(picture, dc);
  if (pixels.pixels.empty()) return {};
  return PictureFromBitmap(BitmapFromDib(ToDib(ReduceColors(pixels, bitsPerPixel))).release(),
                           nullptr);
}

}  // namespace

Picture ReducePictureColors(HDC dc, const Picture& picture, std::int16_t colors) {
  const int depth = DepthForColorCount(colors);
  return IsAtOrBelow(picture, depth) ? CopyOf(picture) : Reduce(dc, picture, depth);
}

const Picture& ReduceSurfaceColors(HDC dc, PictureSurface& surface, std::int16_t colors,
                                   bool makeBitmap) {
  if (makeBitmap && surface.GetPicture().Kind() != Picture::kKindBitmap) surface.AdoptImage();
  const int depth = DepthForColorCount(colors);
  if (!IsAtOrBelow(surface.GetPicture(), depth)) {
    surface.SetPicture(Reduce(dc, surface.GetPicture(), depth));
  }
  return surface.GetPicture();
}

}  // namespace kx::win
