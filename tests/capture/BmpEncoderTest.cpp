#include "capture/BmpEncoder.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& file, std::size_t at) {
  return file[at] | (file[at + 1] << 8) | (file[at + 2] << 16) |
         (static_cast<std::uint32_t>(file[at + 3]) << 24);
}
std::uint16_t U16(const std::vector<std::uint8_t>& file, std::size_t at) {
  return static_cast<std::uint16_t>(file[at] | (file[at + 1] << 8));
}

TEST(EncodeBmp, HeadersAndSizesAtEveryDepth) {
  struct Case {
    int bits;
    std::uint32_t offset;
  } cases[] = {{1, 62}, {4, 118}, {8, 1078}, {24, 54}, {32, 54}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bits);
    const std::int32_t width = 7;
    const std::int32_t height = 3;
    const auto stride = static_cast<std::size_t>(*DibRowStride(width, c.bits));
    DibImage dib{width, height, c.bits, {}, std::vector<std::uint8_t>(stride * height, 0x5A)};
    if (c.bits <= 8) dib.palette = {0x102030};
    const auto file = EncodeBmp(dib);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->size(), c.offset + stride * height);
    EXPECT_EQ((*file)[0], 'B');
    EXPECT_EQ((*file)[1], 'M');
    EXPECT_EQ(U32(*file, 2), file->size());
    EXPECT_EQ(U32(*file, 6), 0U);
    EXPECT_EQ(U32(*file, 10), c.offset);
    EXPECT_EQ(U32(*file, 14), 40U);
    EXPECT_EQ(U32(*file, 18), 7U);
    EXPECT_EQ(U32(*file, 22), 3U);  // positive: bottom-up
    EXPECT_EQ(U16(*file, 26), 1);
    EXPECT_EQ(U16(*file, 28), c.bits);
    EXPECT_EQ(U32(*file, 30), 0U);  // uncompressed
    EXPECT_EQ(U32(*file, 34), stride * height);
    EXPECT_EQ(U32(*file, 46), 0U);  // the whole table of 2^bits entries
    EXPECT_EQ((*file)[c.offset], 0x5A);
    EXPECT_EQ(file->back(), 0x5A);
  }
}

TEST(EncodeBmp, ColourTableIsBlueGreenRedWithBlackPadding) {
  const DibImage dib{1, 1, 4, {0x112233, 0xFF445566}, std::vector<std::uint8_t>(4)};
  const auto file = EncodeBmp(dib);
  ASSERT_TRUE(file);
  const std::vector<std::uint8_t> table(file->begin() + 54, file->begin() + 118);
  EXPECT_EQ(std::vector<std::uint8_t>(table.begin(), table.begin() + 8),
            (std::vector<std::uint8_t>{0x33, 0x22, 0x11, 0, 0x66, 0x55, 0x44, 0}));
  for (std::size_t i = 8; i < table.size(); ++i) EXPECT_EQ(table[i], 0) << i;
}

TEST(EncodeBmp, RefusesInconsistentBitmaps) {
  EXPECT_FALSE(EncodeBmp(DibImage{2, 2, 8, {}, std::vector<std::uint8_t>(7)}));
  EXPECT_FALSE(EncodeBmp(DibImage{2, 2, 16, {}, std::vector<std::uint8_t>(8)}));
  EXPECT_FALSE(EncodeBmp(DibImage{}));
}

TEST(EncodeBmp, AnEmptyPictureIsStillAFile) {
  const auto file = EncodeBmp(DibImage{0, 0, 32, {}, {}});
  ASSERT_TRUE(file);
  EXPECT_EQ(file->size(), 54U);
}

}  // namespace
}  // namespace kx
