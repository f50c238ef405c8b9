#include "capture/Palettes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kx {
namespace {

bool Contains(std::span<const std::uint32_t> palette, std::uint32_t rgb) {
  return std::find(palette.begin(), palette.end(), rgb) != palette.end();
}

TEST(Palettes, ColourCountsChooseTheDepth) {
  EXPECT_EQ(DepthForColorCount(2), 1);
  EXPECT_EQ(DepthForColorCount(16), 4);
  EXPECT_EQ(DepthForColorCount(256), 8);
  for (const int other : {0, 1, 4, 8, 100, -2, 32767}) {
    EXPECT_EQ(DepthForColorCount(static_cast<std::int16_t>(other)), 8) << other;
  }
}

TEST(Palettes, MonochromeAndVga) {
  const auto mono = FixedPalette(1);
  ASSERT_EQ(mono.size(), 2U);
  EXPECT_EQ(mono[0], 0x000000U);
  EXPECT_EQ(mono[1], 0xFFFFFFU);

  const auto vga = FixedPalette(4);
  ASSERT_EQ(vga.size(), 16U);
  EXPECT_EQ(vga[0], 0x000000U);
  EXPECT_EQ(vga[1], 0x800000U);   // maroon
  EXPECT_EQ(vga[7], 0xC0C0C0U);   // silver
  EXPECT_EQ(vga[8], 0x808080U);   // grey
  EXPECT_EQ(vga[12], 0x0000FFU);  // blue
  EXPECT_EQ(vga[15], 0xFFFFFFU);
}

TEST(Palettes, TheFullPaletteHoldsCubeVgaAndGreysOnce) {
  const auto full = FixedPalette(8);
  ASSERT_EQ(full.size(), 256U);
  EXPECT_EQ(std::set<std::uint32_t>(full.begin(), full.end()).size(), 256U);
  const auto vga = FixedPalette(4);
  EXPECT_TRUE(std::equal(vga.begin(), vga.end(), full.begin()));
  const int levels[] = {0, 51, 102, 153, 204, 255};
  for (const int r : levels) {
    for (const int g : levels) {
      for (const int b : levels) {
        const auto rgb = static_cast<std::uint32_t>((r << 16) | (g << 8) | b);
        EXPECT_TRUE(Contains(full, rgb)) << std::hex << rgb;
      }
    }
  }
  int greys = 0;
  for (const std::uint32_t rgb : full) {
    if ((rgb >> 16) == ((rgb >> 8) & 0xFF) && (rgb >> 16) == (rgb & 0xFF)) ++greys;
  }
  EXPECT_EQ(greys, 6 + 2 + 32);  // cube greys, grey and silver, the ramp
  for (const std::uint32_t rgb : full) EXPECT_EQ(rgb >> 24, 0U);
}

TEST(Palettes, OtherDepthsHaveNone) {
  EXPECT_TRUE(FixedPalette(0).empty());
  EXPECT_TRUE(FixedPalette(24).empty());
}

}  // namespace
}  // namespace kx
