#include "capture/win32/SurfaceColors.h"

#include <gtest/gtest.h>

#include <random>

#include "Win32TestSupport.h"
#include "capture/NearestColor.h"
#include "capture/Palettes.h"
#include "capture/win32/BitmapPixels.h"

namespace kx::win {
namespace {

Rgb32Image RandomImage(std::int32_t width, std::int32_t height) {
  std::mt19937 random(static_cast<unsigned>(width * 31 + height));
  Rgb32Image image{width, height, {}};
  for (std::int32_t i = 0; i < width * height; ++i) {
    image.pixels.push_back(static_cast<std::uint32_t>(random()) & 0xFFFFFFU);
  }
  return image;
}

// Every pixel of the reduced picture is the palette colour nearest to the
// original pixel.
void ExpectNearestColours(const Rgb32Image& original, const Picture& reduced, int bits) {
  const auto palette = FixedPalette(bits);
  const Rgb32Image pixels = ReadPixels(reduced);
  ASSERT_EQ(pixels.width, original.width);
  ASSERT_EQ(pixels.height, original.height);
  for (std::size_t i = 0; i < original.pixels.size(); ++i) {
    ASSERT_EQ(pixels.pixels[i], palette[NearestIndexBruteForce(palette, original.pixels[i])]) << i;
  }
}

TEST(ReducePictureColors, ReducesToTheDepthOfTheColourCount) {
  const Rgb32Image original = RandomImage(37, 9);
  const Picture picture = test::ScreenPicture(original);
  ASSERT_GT(picture.BitsPerPixel(), 8);
  struct Case {
    std::int16_t colors;
    int bits;
  } cases[] = {{2, 1}, {16, 4}, {256, 8}, {0, 8}, {100, 8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.colors);
    const Picture reduced = ReducePictureColors(nullptr, picture, c.colors);
    ASSERT_TRUE(reduced);
    EXPECT_EQ(reduced.BitsPerPixel(), c.bits);
    ExpectNearestColours(original, reduced, c.bits);
    const auto dib = ReadDib(reduced);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->bitsPerPixel, c.bits);
    const auto palette = FixedPalette(c.bits);
    EXPECT_EQ(dib->palette, std::vector<std::uint32_t>(palette.begin(), palette.end()));
  }
}

TEST(ReducePictureColors, APictureAtOrBelowTheDepthIsUnchanged) {
  const Rgb32Image original = RandomImage(13, 5);
  const Picture eight = ReducePictureColors(nullptr, test::ScreenPicture(original), 256);
  const auto before = ReadDib(eight);
  ASSERT_TRUE(before);

  const Picture same = ReducePictureColors(nullptr, eight, 256);
  EXPECT_NE(same.Bitmap(), eight.Bitmap());
  EXPECT_EQ(ReadDib(same), before);

  const Picture four = ReducePictureColors(nullptr, eight, 16);
  EXPECT_EQ(four.BitsPerPixel(), 4);
  const Picture stillFour = ReducePictureColors(nullptr, four, 256);
  EXPECT_EQ(stillFour.BitsPerPixel(), 4);

  EXPECT_FALSE(ReducePictureColors(nullptr, Picture(), 256));
}

TEST(ReduceSurfaceColors, ReplacesTheSurfacePicture) {
  const Rgb32Image original = RandomImage(21, 7);
  PictureSurface surface;
  surface.SetPicture(test::ScreenPicture(original));
  const Picture& reduced = ReduceSurfaceColors(nullptr, surface, 16);
  EXPECT_EQ(&reduced, &surface.GetPicture());
  EXPECT_EQ(reduced.BitsPerPixel(), 4);
  ExpectNearestColours(original, reduced, 4);

  const HBITMAP fourBits = surface.GetPicture().Bitmap();
  ReduceSurfaceColors(nullptr, surface, 256);
  EXPECT_EQ(surface.GetPicture().Bitmap(), fourBits);  // already below: untouched
}

TEST(ReduceSurfaceColors, AnEmptySurfaceStaysEmpty) {
  PictureSurface surface;
  EXPECT_FALSE(ReduceSurfaceColors(nullptr, surface, 256));
}

TEST(ReadDib, TrueColourPicturesKeepThirtyTwoBits) {
  const Rgb32Image original = RandomImage(5, 3);
  const auto dib = ReadDib(test::ScreenPicture(original));
  ASSERT_TRUE(dib);
  EXPECT_EQ(dib->bitsPerPixel, 32);
  EXPECT_TRUE(dib->palette.empty());
  std::vector<std::uint8_t> rows;  // bottom row first; blue, green, red, 0
  for (std::int32_t y = 2; y >= 0; --y) {
    for (std::int32_t x = 0; x < 5; ++x) {
      const std::uint32_t rgb = test::PixelAt(original, x, y);
      for (const int shift : {0, 8, 16}) rows.push_back(static_cast<std::uint8_t>(rgb >> shift));
      rows.push_back(0);
    }
  }
  EXPECT_EQ(dib->rows, rows);
  EXPECT_FALSE(ReadDib(Picture()));
}

// A capture's 32-bit section is reduced from its own rows, a bitmap of the
// screen's kind after reading its pixels out: the same indices either way.
TEST(ReducePictureColors, SectionsAndOtherBitmapsGiveTheSamePicture) {
  const Rgb32Image original = RandomImage(29, 6);
  DibSection section = CreateDibSection(29, 6, 32, {});
  ASSERT_TRUE(section.bitmap);
  for (std::int32_t y = 0; y < 6; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(section.rows.Row(y));
    for (std::int32_t x = 0; x < 29; ++x) row[x] = test::PixelAt(original, x, y) | 0x5A000000U;
  }
  const Picture fromSection(std::move(section), nullptr);
  const Picture fromScreen = test::ScreenPicture(original);
  for (const std::int16_t colors : {std::int16_t{2}, std::int16_t{16}, std::int16_t{256}}) {
    SCOPED_TRACE(colors);
    const Picture a = ReducePictureColors(nullptr, fromSection, colors);
    const Picture b = ReducePictureColors(nullptr, fromScreen, colors);
    ASSERT_TRUE(a);
    EXPECT_EQ(ReadDib(a), ReadDib(b));
    ExpectNearestColours(original, a, DepthForColorCount(colors));
  }
}

}  // namespace
}  // namespace kx::win
