#include "capture/NearestColor.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "capture/Palettes.h"

namespace kx {
namespace {

// Every colour whose channels come from `levels`.
std::vector<std::uint32_t> ColoursOf(const std::vector<std::uint32_t>& levels) {
  std::vector<std::uint32_t> colours;
  for (const std::uint32_t r : levels) {
    for (const std::uint32_t g : levels) {
      for (const std::uint32_t b : levels) colours.push_back((r << 16) | (g << 8) | b);
    }
  }
  return colours;
}

void ExpectMapEqualsBruteForce(std::span<const std::uint32_t> palette,
                               const std::vector<std::uint32_t>& colours) {
  NearestColorMap map(palette);
  std::size_t mismatches = 0;
  for (const std::uint32_t rgb : colours) {
    if (map.IndexOf(rgb) != NearestIndexBruteForce(palette, rgb)) {
      if (++mismatches < 5) ADD_FAILURE() << "colour " << std::hex << rgb;
    }
  }
  EXPECT_EQ(mismatches, 0U);
}

TEST(NearestIndexBruteForce, LeastSquaredDistanceTiesToTheLowerIndex) {
  const std::vector<std::uint32_t> palette = {0x000000, 0x020000, 0x0000FF, 0x020000};
  EXPECT_EQ(NearestIndexBruteForce(palette, 0x000000), 0);
  EXPECT_EQ(NearestIndexBruteForce(palette, 0x010000), 0);  // tie of 0 and 1
  EXPECT_EQ(NearestIndexBruteForce(palette, 0x030000), 1);  // 1 and its duplicate 3
  EXPECT_EQ(NearestIndexBruteForce(palette, 0x000080), 2);
  EXPECT_EQ(NearestIndexBruteForce(palette, 0x00007F), 0);
  EXPECT_EQ(NearestIndexBruteForce({}, 0x123456), 0);
}

TEST(NearestColorMap, AgreesWithBruteForceOnTheFixedPalettes) {
  std::vector<std::uint32_t> levels;  // both sides of every cell edge, and steps between
  for (std::uint32_t v = 0; v < 256; v += 8) {
    for (const std::uint32_t d : {0U, 3U, 7U}) levels.push_back(v + d);
  }
  std::mt19937 random(5);
  std::vector<std::uint32_t> colours = ColoursOf(levels);
  for (int i = 0; i < 200000; ++i) colours.push_back(static_cast<std::uint32_t>(random()) >> 8);
  for (const int depth : {1, 4, 8}) {
    SCOPED_TRACE(depth);
    ExpectMapEqualsBruteForce(FixedPalette(depth), colours);
  }
}

TEST(NearestColorMap, KeepsTiesAndIgnoresTheTopByte) {
  // Many colours lie exactly between two entries of this palette.
  const std::vector<std::uint32_t> palette = {0x101010, 0x000000, 0x202020, 0x303030, 0x0A0A0A};
  std::vector<std::uint32_t> levels;
  for (std::uint32_t v = 0; v < 64; ++v) levels.push_back(v);
  ExpectMapEqualsBruteForce(palette, ColoursOf(levels));

  NearestColorMap map(palette);
  EXPECT_EQ(map.IndexOf(0x282828), 2);  // as far from 0x202020 as from 0x303030
  EXPECT_EQ(map.IndexOf(0x050505), 1);  // as far from 0x000000 as from 0x0A0A0A
  EXPECT_EQ(map.IndexOf(0xFF282828), 2);
  EXPECT_EQ(map.IndexOf(0x7F050505), 1);
}

TEST(NearestColorMap, OneEntryOrNoneMapsEverythingToIt) {
  const std::vector<std::uint32_t> one = {0x123456};
  NearestColorMap single(one);
  NearestColorMap none({});
  for (const std::uint32_t rgb : {0x000000U, 0xFFFFFFU, 0x123456U, 0x808080U}) {
    EXPECT_EQ(single.IndexOf(rgb), 0);
    EXPECT_EQ(none.IndexOf(rgb), 0);
  }
}

}  // namespace
}  // namespace kx
