#include "capture/ColorReduction.h"

#include <gtest/gtest.h>

#include <random>

#include "capture/NearestColor.h"
#include "capture/Palettes.h"

namespace kx {
namespace {

Rgb32Image ImageOf(std::int32_t width, std::int32_t height, std::vector<std::uint32_t> pixels) {
  return Rgb32Image{width, height, std::move(pixels)};
}

TEST(ReduceColors, EveryPixelGetsItsNearestPaletteIndex) {
  std::mt19937 random(3);
  std::vector<std::uint32_t> pixels(37 * 11);
  for (std::uint32_t& pixel : pixels) pixel = static_cast<std::uint32_t>(random());  // top byte set too
  const Rgb32Image image = ImageOf(37, 11, pixels);
  for (const int depth : {1, 4, 8}) {
    const IndexedImage reduced = ReduceColors(image, depth);
    EXPECT_EQ(reduced.width, 37);
    EXPECT_EQ(reduced.height, 11);
    EXPECT_EQ(reduced.bitsPerPixel, depth);
    const auto palette = FixedPalette(depth);
    EXPECT_EQ(reduced.palette, std::vector<std::uint32_t>(palette.begin(), palette.end()));
    ASSERT_EQ(reduced.indices.size(), pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      ASSERT_EQ(reduced.indices[i], NearestIndexBruteForce(palette, pixels[i]))
          << "depth " << depth << " pixel " << i;
    }
  }
}

TEST(ReduceColors, AnyOtherDepthMeansEightBits) {
  const Rgb32Image image = ImageOf(1, 1, {0xFF0000});
  for (const int depth : {0, 2, 16, 24, 32}) {
    const IndexedImage reduced = ReduceColors(image, depth);
    EXPECT_EQ(reduced.bitsPerPixel, 8);
    EXPECT_EQ(reduced.palette.size(), 256U);
    EXPECT_EQ(reduced.indices, std::vector<std::uint8_t>{9});  // red, in VGA order
  }
}

TEST(ReduceColors, RunsOfOneColourAndTheirEdges) {
  // Runs of every length around the four-pixel steps, starting with white,
  // one differing only in the ignored top byte.
  std::vector<std::uint32_t> pixels;
  const std::uint32_t colours[] = {0xFFFFFF, 0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  for (int length = 1; length <= 9; ++length) {
    for (int i = 0; i < length; ++i) pixels.push_back(colours[length % 5]);
  }
  pixels.push_back(0xAA0000FF);
  pixels.push_back(0x0000FF);
  const Rgb32Image image = ImageOf(static_cast<std::int32_t>(pixels.size()), 1, pixels);
  const IndexedImage reduced = ReduceColors(image, 4);
  const auto palette = FixedPalette(4);
  ASSERT_EQ(reduced.indices.size(), pixels.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    EXPECT_EQ(reduced.indices[i], NearestIndexBruteForce(palette, pixels[i])) << i;
  }
}

TEST(ReduceColors, AnEmptyImageStaysEmpty) {
  const IndexedImage reduced = ReduceColors(Rgb32Image{}, 8);
  EXPECT_EQ(reduced.width, 0);
  EXPECT_TRUE(reduced.indices.empty());
}

}  // namespace
}  // namespace kx
