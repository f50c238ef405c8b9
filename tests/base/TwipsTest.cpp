#include "base/Twips.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(Twips, ConvertsAtTheScreenResolution) {
  EXPECT_EQ(TwipsPerPixel(96), 15.0);
  EXPECT_EQ(TwipsPerPixel(144), 10.0);
  EXPECT_EQ(TwipsToPixels(2190, 15), 146);
  EXPECT_EQ(TwipsToPixels(-10000, 15), -667);
  EXPECT_EQ(TwipsToPixels(19200, TwipsPerPixel(96)), 1280);
}

TEST(Twips, RoundsHalfPixelsToEven) {
  EXPECT_EQ(TwipsToPixels(337.5, 15), 22);
  EXPECT_EQ(TwipsToPixels(352.5, 15), 24);
}

TEST(Twips, RefusesAZeroDivisorAndOverflow) {
  EXPECT_FALSE(TwipsToPixels(100, 0));
  EXPECT_FALSE(TwipsToPixels(1e12, 1));
  EXPECT_EQ(TwipsPerPixel(0), 0.0);
}

}  // namespace
}  // namespace kx
