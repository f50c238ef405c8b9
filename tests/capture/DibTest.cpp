#include "capture/Dib.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(DibRowStride, RowsArePaddedToWholeWords) {
  struct Case {
    std::int32_t width;
    int bits;
    std::uint64_t stride;
  } cases[] = {{1, 1, 4},
               {32, 1, 4},
               {33, 1, 8},
               {1, 4, 4},
               {8, 4, 4},
               {9, 4, 8},
               {1, 8, 4},
               {5, 8, 8},
               {1366, 8, 1368},
               {1364, 8, 1364},
               {1, 24, 4},
               {3, 24, 12},
               {5, 24, 16},
               {1, 32, 4},
               {7, 32, 28},
               {0, 8, 0},
               {0x7FFFFFFF, 32, 0x1FFFFFFFCULL}};
  for (const Case& c : cases) {
    EXPECT_EQ(DibRowStride(c.width, c.bits), c.stride) << c.width << " x " << c.bits;
  }
  EXPECT_FALSE(DibRowStride(-1, 8));
  EXPECT_FALSE(DibRowStride(4, 16));
  EXPECT_FALSE(DibRowStride(4, 2));
}

TEST(ViewOf, ShowsTheRowsFromTheTop) {
  DibImage dib{3, 2, 8, {0x102030}, {1, 2, 3, 0, 4, 5, 6, 0}};  // bottom row first
  const auto view = ViewOf(dib);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->width, 3);
  EXPECT_EQ(view->height, 2);
  EXPECT_EQ(view->bitsPerPixel, 8);
  EXPECT_EQ(view->palette, dib.palette);
  EXPECT_EQ(view->rows.Row(0), dib.rows.data() + 4);
  EXPECT_EQ(view->rows.Row(1), dib.rows.data());

  dib.rows.pop_back();
  EXPECT_FALSE(ViewOf(dib));
  EXPECT_TRUE(ViewOf(DibImage{0, 0, 32, {}, {}}));
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
