#include "capture/win32/Picture.h"

#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "capture/win32/BitmapPixels.h"
#include "capture/win32/PictureSurface.h"

namespace kx::win {
namespace {

Rgb32Image Quarters(std::int32_t width, std::int32_t height) {
  Rgb32Image image{width, height, {}};
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      image.pixels.push_back(x < width / 2 ? (y < height / 2 ? 0xFF0000U : 0x00FF00U)
                                           : (y < height / 2 ? 0x0000FFU : 0xFFFFFFU));
    }
  }
  return image;
}

TEST(Picture, OwnsItsBitmapAndPaletteAndReportsItsSize) {
  const HBITMAP bitmap = ::CreateBitmap(96, 48, 1, 32, nullptr);
  LOGPALETTE logical{0x300, 1, {{1, 2, 3, 0}}};
  const HPALETTE palette = ::CreatePalette(&logical);
  {
    Picture picture(bitmap, palette);
    EXPECT_TRUE(picture);
    EXPECT_EQ(picture.Width(), 96);
    EXPECT_EQ(picture.Height(), 48);
    EXPECT_EQ(picture.BitsPerPixel(), 32);
    EXPECT_EQ(picture.Bitmap(), bitmap);
    EXPECT_EQ(picture.Palette(), palette);
    const HDC screen = ::GetDC(nullptr);
    const int perInch = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(picture.WidthHimetric(), (96 * 2540 + perInch / 2) / perInch);
    EXPECT_EQ(picture.HeightHimetric(), (48 * 2540 + perInch / 2) / perInch);

    Picture moved = std::move(picture);
    EXPECT_FALSE(picture);
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(moved.Bitmap(), bitmap);
    EXPECT_NE(::GetObjectType(bitmap), 0U);
  }
  EXPECT_EQ(::GetObjectType(bitmap), 0U);  // both released with the picture
  EXPECT_EQ(::GetObjectType(palette), 0U);
}

TEST(Picture, WithoutABitmapItIsEmpty) {
  LOGPALETTE logical{0x300, 1, {{1, 2, 3, 0}}};
  const HPALETTE palette = ::CreatePalette(&logical);
  const Picture picture(nullptr, palette);
  EXPECT_FALSE(picture);
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_EQ(picture.Palette(), nullptr);
  EXPECT_EQ(::GetObjectType(palette), 0U);
}

TEST(PictureSurface, DrawingGoesToTheImageOnlyWhileAutoRedrawIsOn) {
  PictureSurface surface;
  surface.SetPicture(test::ScreenPicture(Quarters(40, 20)));
  EXPECT_EQ(surface.DrawingDc(), nullptr);
  EXPECT_FALSE(surface.PaintPicture(DSTINVERT));

  surface.SetAutoRedraw(true);
  HDC dc = surface.DrawingDc();
  ASSERT_NE(dc, nullptr);
  const BrushHandle black(::CreateSolidBrush(RGB(0, 0, 0)));
  const RECT spot{5, 5, 8, 8};
  ::FillRect(dc, &spot, black.get());
  surface.SetAutoRedraw(false);
  EXPECT_EQ(test::PixelAt(ReadPixels(surface.GetPicture()), 6, 6), 0xFF0000U);  // not yet

  surface.AdoptImage();
  const Rgb32Image adopted = ReadPixels(surface.GetPicture());
  EXPECT_EQ(adopted.width, 40);
  EXPECT_EQ(test::PixelAt(adopted, 6, 6), 0x000000U);
  EXPECT_EQ(test::PixelAt(adopted, 4, 4), 0xFF0000U);
  EXPECT_EQ(test::PixelAt(adopted, 39, 19), 0xFFFFFFU);
}

TEST(PictureSurface, DestinationInversionReachesEveryPixel) {
  PictureSurface surface;
  const Rgb32Image original = Quarters(33, 17);
  surface.SetPicture(test::ScreenPicture(original));
  surface.SetAutoRedraw(true);
  EXPECT_TRUE(surface.PaintPicture(DSTINVERT));
  surface.AdoptImage();  // still on: a fresh image of the new picture
  EXPECT_NE(surface.DrawingDc(), nullptr);
  surface.SetAutoRedraw(false);
  surface.Refresh();
  const Rgb32Image inverted = ReadPixels(surface.GetPicture());
  ASSERT_EQ(inverted.pixels.size(), original.pixels.size());
  for (std::size_t i = 0; i < original.pixels.size(); ++i) {
    ASSERT_EQ(inverted.pixels[i], original.pixels[i] ^ 0xFFFFFFU) << i;
  }
}

TEST(PictureSurface, ANewPictureStartsANewImage) {
  PictureSurface surface;
  surface.SetAutoRedraw(true);
  EXPECT_EQ(surface.DrawingDc(), nullptr);  // nothing to draw on yet
  surface.AdoptImage();
  EXPECT_FALSE(surface.GetPicture());

  surface.SetPicture(test::ScreenPicture(Quarters(10, 10)));
  ::PatBlt(surface.DrawingDc(), 0, 0, 10, 10, BLACKNESS);
  surface.SetPicture(test::ScreenPicture(Quarters(12, 12)));
  surface.AdoptImage();
  const Rgb32Image pixels = ReadPixels(surface.GetPicture());
  EXPECT_EQ(pixels.width, 12);
  EXPECT_EQ(test::PixelAt(pixels, 0, 0), 0xFF0000U);  // the black went with the old image
}

// Pointer and inversion each draw on an image of the picture and adopt it:
// the bitmap let go of at each step is the next image, never a third one.
TEST(PictureSurface, WhatItLetsGoOfBecomesItsNextImage) {
  PictureSurface surface;
  surface.SetPicture(Picture(CreateDibSection(16, 8, 32, {}), nullptr));
  const HBITMAP captured = surface.GetPicture().Bitmap();
  surface.SetAutoRedraw(true);
  surface.AdoptImage();
  EXPECT_NE(surface.GetPicture().Bitmap(), captured);
  EXPECT_FALSE(surface.HoldsSpare());  // the captured bitmap is the new image
  surface.SetAutoRedraw(false);
  surface.AdoptImage();
  EXPECT_EQ(surface.GetPicture().Bitmap(), captured);
  EXPECT_TRUE(surface.HoldsSpare());
  surface.Release(nullptr);
  EXPECT_FALSE(surface.HoldsPicture());
  EXPECT_FALSE(surface.HoldsSpare());
}

}  // namespace
}  // namespace kx::win
