#include "capture/BmpEncoder.h"

#include <gtest/gtest.h>

#include "support/ReadSource.h"

namespace kx {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& file, std::size_t at) {
  return std::uint32_t{file[at]} | (std::uint32_t{file[at + 1]} << 8) |
         (std::uint32_t{file[at + 2]} << 16) | (std::uint32_t{file[at + 3]} << 24);
}
std::uint16_t U16(const std::vector<std::uint8_t>& file, std::size_t at) {
  return static_cast<std::uint16_t>(file[at] | (file[at + 1] << 8));
}

std::vector<std::uint8_t> FileOf(const DibView& view, std::size_t chunk = 4096) {
  auto file = BmpFile::Of(view);
  EXPECT_TRUE(file);
  if (!file) return {};
  auto bytes = test::ReadAll(*file, chunk);
  EXPECT_EQ(bytes.size(), file->Size());
  return bytes;
}

std::vector<std::uint8_t> FileOf(const DibImage& dib, std::size_t chunk = 4096) {
  const auto view = ViewOf(dib);
  EXPECT_TRUE(view);
  return view ? FileOf(*view, chunk) : std::vector<std::uint8_t>{};
}

TEST(BmpFile, HeadersAndSizesAtEveryDepth) {
  // Rows of 7 pixels padded to whole 32-bit words.
  struct Case {
    int bits;
    std::uint32_t offset;
    std::size_t stride;
  } cases[] = {{1, 62, 4}, {4, 118, 4}, {8, 1078, 8}, {24, 54, 24}, {32, 54, 28}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bits);
    const std::int32_t width = 7;
    const std::int32_t height = 3;
    const std::size_t stride = c.stride;
    DibImage dib{width, height, c.bits, {}, std::vector<std::uint8_t>(stride * height, 0x5A)};
    if (c.bits <= 8) dib.palette = {0x102030};
    const auto file = FileOf(dib);
    ASSERT_EQ(file.size(), c.offset + stride * height);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(U32(file, 2), file.size());
    EXPECT_EQ(U32(file, 6), 0U);
    EXPECT_EQ(U32(file, 10), c.offset);
    EXPECT_EQ(U32(file, 14), 40U);
    EXPECT_EQ(U32(file, 18), 7U);
    EXPECT_EQ(U32(file, 22), 3U);  // positive: bottom-up
    EXPECT_EQ(U16(file, 26), 1);
    EXPECT_EQ(U16(file, 28), c.bits);
    EXPECT_EQ(U32(file, 30), 0U);  // uncompressed
    EXPECT_EQ(U32(file, 34), stride * height);
    EXPECT_EQ(U32(file, 46), 0U);  // the whole table of 2^bits entries
    EXPECT_EQ(file[c.offset], 0x5A);
    EXPECT_EQ(file.back(), c.bits == 32 ? 0 : 0x5A);
  }
}

TEST(BmpFile, ColourTableIsBlueGreenRedWithBlackPadding) {
  const DibImage dib{1, 1, 4, {0x112233, 0xFF445566}, std::vector<std::uint8_t>(4)};
  const auto file = FileOf(dib);
  ASSERT_EQ(file.size(), 122U);
  const std::vector<std::uint8_t> table(file.begin() + 54, file.begin() + 118);
  EXPECT_EQ(std::vector<std::uint8_t>(table.begin(), table.begin() + 8),
            (std::vector<std::uint8_t>{0x33, 0x22, 0x11, 0, 0x66, 0x55, 0x44, 0}));
  for (std::size_t i = 8; i < table.size(); ++i) EXPECT_EQ(table[i], 0) << i;
}

// Rows 0x10.., 0x20.., 0x30.. from the top, stored top-down and bottom-up.
TEST(BmpFile, RowsGoBottomRowFirstWhateverTheirOrderInMemory) {
  const std::vector<std::uint8_t> topDown = {0x10, 0x11, 0x12, 0x13, 0x20, 0x21,
                                             0x22, 0x23, 0x30, 0x31, 0x32, 0x33};
  const std::vector<std::uint8_t> bottomUp = {0x30, 0x31, 0x32, 0x33, 0x20, 0x21,
                                              0x22, 0x23, 0x10, 0x11, 0x12, 0x13};
  const DibView fromTop{3, 3, 8, {}, {topDown.data(), 4}};
  const DibView fromBottom{3, 3, 8, {}, {bottomUp.data() + 8, -4}};
  const auto file = FileOf(fromTop);
  EXPECT_EQ(file, FileOf(fromBottom));
  ASSERT_EQ(file.size(), 1078U + 12);
  EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 1078, file.end()), bottomUp);
}

TEST(BmpFile, ThirtyTwoBitPixelsKeepNoFourthByte) {
  std::vector<std::uint8_t> rows;
  for (std::uint8_t i = 0; i < 2 * 3 * 4; ++i) rows.push_back(static_cast<std::uint8_t>(0xA0 + i));
  const std::vector<std::uint8_t> before = rows;
  const DibView dib{3, 2, 32, {}, {rows.data(), 12}};
  for (const std::size_t chunk : {1U, 3U, 5U, 4096U}) {
    const auto file = FileOf(dib, chunk);
    ASSERT_EQ(file.size(), 54U + 24);
    for (std::size_t i = 0; i < 24; ++i) {
      const std::size_t top = i < 12 ? i + 12 : i - 12;  // the bottom row comes first
      EXPECT_EQ(file[54 + i], i % 4 == 3 ? 0 : rows[top]) << chunk << " " << i;
    }
  }
  EXPECT_EQ(rows, before);
}

TEST(BmpFile, PiecesOfAnySizeMakeTheSameFile) {
  DibImage dib{5, 4, 24, {}, std::vector<std::uint8_t>(16 * 4)};
  for (std::size_t i = 0; i < dib.rows.size(); ++i) dib.rows[i] = static_cast<std::uint8_t>(i * 7);
  const auto whole = FileOf(dib);
  for (const std::size_t chunk : {1U, 2U, 7U, 54U, 55U, 64U}) EXPECT_EQ(FileOf(dib, chunk), whole);

  auto file = BmpFile::Of(*ViewOf(dib));
  ASSERT_TRUE(file);
  std::vector<std::uint8_t> buffer(whole.size() + 10);
  EXPECT_EQ(file->Read(buffer), whole.size());
  EXPECT_EQ(file->Read(buffer), 0U);
}

TEST(BmpFile, RefusesWhatNoBmpFileHolds) {
  const std::vector<std::uint8_t> rows(64);
  EXPECT_FALSE(BmpFile::Of(DibView{2, 2, 16, {}, {rows.data(), 4}}));
  EXPECT_FALSE(BmpFile::Of(DibView{2, 2, 1, {0, 1, 2}, {rows.data(), 4}}));
  EXPECT_FALSE(BmpFile::Of(DibView{2, 2, 32, {0}, {rows.data(), 8}}));
  EXPECT_FALSE(BmpFile::Of(DibView{-2, 2, 8, {}, {rows.data(), 4}}));
  EXPECT_FALSE(BmpFile::Of(DibView{2, -2, 8, {}, {rows.data(), 4}}));
  // More than 4 GB of pixels; nothing is read.
  EXPECT_FALSE(BmpFile::Of(DibView{0x10000, 0x4000, 32, {}, {rows.data(), 0}}));
}

TEST(BmpFile, AnEmptyPictureIsStillAFile) {
  const auto file = FileOf(DibImage{0, 0, 32, {}, {}});
  EXPECT_EQ(file.size(), 54U);
}

}  // namespace
}  // namespace kx
