#include "capture/PixelBlocks.h"

#include <gtest/gtest.h>

#include <vector>

namespace kx {
namespace {

TEST(RunLength, WholeBlocksOfTheColourTopBytesAside) {
  std::vector<std::uint32_t> pixels(40, 0x123456);
  pixels[3] |= 0xFF000000U;
  pixels[12] = 0xAB123456;
  EXPECT_EQ(RunLength(pixels.data(), 40, 0x00123456), 40U);
  EXPECT_EQ(RunLength(pixels.data(), 40, 0x77123456), 40U);
  EXPECT_EQ(RunLength(pixels.data(), 39, 0x123456), 32U);  // whole blocks only
  EXPECT_EQ(RunLength(pixels.data(), 7, 0x123456), 0U);

  pixels[23] = 0x123457;  // the last pixel of the third block
  EXPECT_EQ(RunLength(pixels.data(), 40, 0x123456), 16U);
  pixels[0] = 0x023456;
  EXPECT_EQ(RunLength(pixels.data(), 40, 0x123456), 0U);
}

TEST(IndicesOfRecent, AllPixelsAmongTheColoursOrNothing) {
  RecentColours recent;
  recent.colours = {0xFFFFFF, 0x1E1E1E, 0xAAAAAF, 0x000000};
  recent.indices = {15, 20, 200, 0};
  const std::uint32_t block[] = {0xFFFFFF, 0x1E1E1E,   0x5AAAAAAF, 0x000000,
                                 0xFFFFFF, 0xFFFFFFFF, 0x1E1E1E,   0xAAAAAF};
  std::uint8_t out[9] = {};
  out[8] = 0x77;
  EXPECT_EQ(IndicesOfRecent(block, recent, out), 200);
  EXPECT_EQ(std::vector<std::uint8_t>(out, out + 9),
            (std::vector<std::uint8_t>{15, 20, 200, 0, 15, 15, 20, 200, 0x77}));

  std::uint32_t other[8];
  std::copy(std::begin(block), std::end(block), other);
  other[5] = 0xFFFFFE;
  std::uint8_t untouched[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(IndicesOfRecent(other, recent, untouched), -1);
  EXPECT_EQ(std::vector<std::uint8_t>(untouched, untouched + 8),
            (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}

// Unused places hold a colour that no pixel has, black with its top byte
// set included.
TEST(IndicesOfRecent, UnusedPlacesMatchNothing) {
  RecentColours recent;
  recent.colours[0] = 0x000000;
  recent.indices[0] = 3;
  const std::uint32_t black[8] = {0xFF000000, 0, 0, 0, 0, 0, 0, 0xFF000000};
  std::uint8_t out[8] = {};
  EXPECT_EQ(IndicesOfRecent(black, recent, out), 3);

  const RecentColours none;
  const std::uint32_t marked[8] = {RecentColours::kNone, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(IndicesOfRecent(marked, none, out), -1);
}

}  // namespace
}  // namespace kx
