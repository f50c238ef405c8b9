#include "capture/NearestColor.h"

#include <gtest/gtest.h>

#include <vector>

#include "capture/Palettes.h"

namespace kx {
namespace {

TEST(NearestIndexBruteForce, LeastSquaredDistanceTiesToTheLowerIndex) {
  const std::vector<std::uint32_t> palette = {0x000000, 0x020000, 0x0000FF, 0x020000};
  EXPECT_EQ(NearestIndexBruteForce(palette, 0x000000), 0);
  EXPECT_EQ(NearestIndexBruteForce(palette, 0x010000), 0);  // tie of 0 and 1
  EXPECT_EQ(NearestIndexBruteForce(palette, 0x030000), 1);  // 1 and its duplicate 3
  EXPECT_EQ(NearestIndexBruteForce(palette, 0x000080), 2);
  EXPECT_EQ(NearestIndexBruteForce(palette, 0x00007F), 0);
  EXPECT_EQ(NearestIndexBruteForce({}, 0x123456), 0);
}

// Every one of the 2^24 colours, with a top byte that must not matter.
TEST(NearestColorMap, AgreesWithBruteForceOnEveryColour) {
  for (const int depth : {1, 4, 8}) {
    SCOPED_TRACE(depth);
    const auto palette = FixedPalette(depth);
    const NearestColorMap map(depth);
    std::size_t mismatches = 0;
    for (std::uint32_t rgb = 0; rgb < (1U << 24); ++rgb) {
      const std::uint32_t pixel = rgb | ((rgb * 0x9E3779B1U) & 0xFF000000U);
      if (map.IndexOf(pixel) != NearestIndexBruteForce(palette, rgb) && ++mismatches < 5) {
        ADD_FAILURE() << "colour " << std::hex << rgb;
      }
    }
    EXPECT_EQ(mismatches, 0U);
  }
}

// Colours as near to two entries of different kinds, which go to the lower
// index.
TEST(NearestColorMap, TiesBetweenKindsOfEntries) {
  const NearestColorMap full(8);
  EXPECT_EQ(full.IndexOf(0x730000), 1);    // maroon and cube (102, 0, 0)
  EXPECT_EQ(full.IndexOf(0x000606), 0);    // black and ramp grey 8
  EXPECT_EQ(full.IndexOf(0x616D6D), 98);   // cube (102, 102, 102) and ramp grey 116
  EXPECT_EQ(full.IndexOf(0x0B1717), 225);  // ramp greys 15 and 23
  const NearestColorMap vga(4);
  EXPECT_EQ(vga.IndexOf(0x400000), 0);  // black and maroon
  EXPECT_EQ(vga.IndexOf(0xA0A0A0), 7);  // silver and grey
  const NearestColorMap mono(1);
  EXPECT_EQ(mono.IndexOf(0x7F7F80), 0);  // channel sum 382
  EXPECT_EQ(mono.IndexOf(0x7F8080), 1);  // channel sum 383
}

TEST(NearestColorMap, AnyOtherDepthMeansEightBits) {
  const NearestColorMap eight(8);
  for (const int depth : {0, 2, 16, 32}) {
    const NearestColorMap other(depth);
    for (const std::uint32_t rgb : {0x000000U, 0x123456U, 0xC0C0C0U, 0x808080U, 0xFEFEFEU}) {
      EXPECT_EQ(other.IndexOf(rgb), eight.IndexOf(rgb)) << depth;
    }
  }
}

}  // namespace
}  // namespace kx
