#include "capture/Himetric.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(PixelsToHimetric, ScalesByTheResolutionAndRounds) {
  EXPECT_EQ(PixelsToHimetric(96, 96), 2540);
  EXPECT_EQ(PixelsToHimetric(1280, 96), 33867);  // 33866.67
  EXPECT_EQ(PixelsToHimetric(100, 96), 2646);    // 2645.83
  EXPECT_EQ(PixelsToHimetric(3, 120), 64);       // 63.5, half away from zero
  EXPECT_EQ(PixelsToHimetric(-3, 120), -64);
  EXPECT_EQ(PixelsToHimetric(1920, 144), 33867);
  EXPECT_EQ(PixelsToHimetric(0, 96), 0);
}

TEST(PixelsToHimetric, NoResolutionOrHugeSizes) {
  EXPECT_EQ(PixelsToHimetric(100, 0), 0);
  EXPECT_EQ(PixelsToHimetric(100, -96), 0);
  EXPECT_EQ(PixelsToHimetric(2000000000, 1), 2147483647);
  EXPECT_EQ(PixelsToHimetric(-2000000000, 1), -2147483647 - 1);
}

}  // namespace
}  // namespace kx
