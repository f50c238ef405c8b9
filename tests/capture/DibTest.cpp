#include "capture/Dib.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(DibRowStride, RowsArePaddedToWholeWords) {
  struct Case {
    std::int32_t width;
    int bits;
    std::uint64_t stride;
  } cases[] = {{1, 1, 4},  {32, 1, 4},  {33, 1, 8},   {1, 4, 4},      {8, 4, 4},
               {9, 4, 8},  {1, 8, 4},   {5, 8, 8},    {1366, 8, 1368}, {1364, 8, 1364},
               {1, 24, 4}, {3, 24, 12}, {5, 24, 16},  {1, 32, 4},     {7, 32, 28},
               {0, 8, 0},  {0x7FFFFFFF, 32, 0x1FFFFFFFCULL}};
  for (const Case& c : cases) {
    EXPECT_EQ(DibRowStride(c.width, c.bits), c.stride) << c.width << " x " << c.bits;
  }
  EXPECT_FALSE(DibRowStride(-1, 8));
  EXPECT_FALSE(DibRowStride(4, 16));
  EXPECT_FALSE(DibRowStride(4, 2));
}

TEST(ToDib, PacksIndicesHighBitsFirstAndRowsBottomUp) {
  IndexedImage image{3, 2, 1, {0x000000, 0xFFFFFF}, {1, 0, 1, 0, 1, 1}};
  DibImage dib = ToDib(image);
  EXPECT_EQ(dib.bitsPerPixel, 1);
  EXPECT_EQ(dib.palette, image.palette);
  EXPECT_EQ(dib.rows, (std::vector<std::uint8_t>{0x60, 0, 0, 0, 0xA0, 0, 0, 0}));
  EXPECT_TRUE(IsConsistent(dib));

  image = {3, 2, 4, {}, {1, 2, 3, 0xF, 0xE, 0x1D}};  // 0x1D keeps its low four bits
  dib = ToDib(image);
  EXPECT_EQ(dib.rows, (std::vector<std::uint8_t>{0xFE, 0xD0, 0, 0, 0x12, 0x30, 0, 0}));

  image = {5, 2, 8, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}};
  dib = ToDib(image);
  EXPECT_EQ(dib.rows, (std::vector<std::uint8_t>{6, 7, 8, 9, 10, 0, 0, 0, 1, 2, 3, 4, 5, 0, 0, 0}));
}

TEST(ToDib, OddWidthsAtEveryDepthAreConsistent) {
  for (const int bits : {1, 4, 8}) {
    for (std::int32_t width = 1; width <= 40; ++width) {
      IndexedImage image{width, 3, bits, {0, 1}, std::vector<std::uint8_t>(std::size_t(width) * 3, 1)};
      const DibImage dib = ToDib(image);
      EXPECT_TRUE(IsConsistent(dib)) << width << " x " << bits;
      EXPECT_EQ(dib.rows.size() % 4, 0U);
    }
  }
}

TEST(ToDib, TrueColourKeepsBlueGreenRed) {
  const Rgb32Image image{3, 2, {0xFF112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203}};
  const DibImage dib24 = ToDib(image, 24);
  EXPECT_EQ(dib24.bitsPerPixel, 24);
  EXPECT_TRUE(dib24.palette.empty());
  EXPECT_EQ(dib24.rows, (std::vector<std::uint8_t>{0xCC, 0xBB, 0xAA, 0xFF, 0xEE, 0xDD, 3, 2, 1,
                                                   0,    0,    0,    0x33, 0x22, 0x11, 0x66, 0x55,
                                                   0x44, 0x99, 0x88, 0x77, 0,    0,    0}));
  const DibImage dib32 = ToDib(image, 7);
  EXPECT_EQ(dib32.bitsPerPixel, 32);
  ASSERT_EQ(dib32.rows.size(), 24U);
  EXPECT_EQ(std::vector<std::uint8_t>(dib32.rows.begin() + 12, dib32.rows.begin() + 16),
            (std::vector<std::uint8_t>{0x33, 0x22, 0x11, 0}));
}

TEST(ToDib, MalformedImagesGiveInconsistentBitmaps) {
  EXPECT_FALSE(IsConsistent(ToDib(IndexedImage{4, 4, 8, {}, std::vector<std::uint8_t>(15)})));
  EXPECT_FALSE(IsConsistent(ToDib(Rgb32Image{2, 2, std::vector<std::uint32_t>(5)}, 32)));
  EXPECT_FALSE(IsConsistent(ToDib(Rgb32Image{-2, 2, {}}, 32)));
}

TEST(IsConsistent, ChecksTableAndRows) {
  DibImage dib{2, 2, 1, {0, 1}, std::vector<std::uint8_t>(8)};
  EXPECT_TRUE(IsConsistent(dib));
  dib.palette = {0, 1, 2};
  EXPECT_FALSE(IsConsistent(dib));
  dib = {2, 2, 24, {0}, std::vector<std::uint8_t>(16)};
  EXPECT_FALSE(IsConsistent(dib));
  dib.palette.clear();
  EXPECT_TRUE(IsConsistent(dib));
  dib.rows.pop_back();
  EXPECT_FALSE(IsConsistent(dib));
}

}  // namespace
}  // namespace kx
