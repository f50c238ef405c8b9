#include "notices/FormFrontPlacement.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

constexpr unsigned kNoActivateNoRedraw = 0x18;

TEST(FormFrontPlacement, KeepsPositionAndSizeInPixels) {
  const StackingPlacement placed =
      FormFrontPlacement({8250.0, 6900.0, 2190.0, 780.0}, 15.0, 15.0, false);
  EXPECT_EQ(placed, (StackingPlacement{StackingBand::Topmost, 550, 460, 146, 52,
                                       kNoActivateNoRedraw}));
}

TEST(FormFrontPlacement, ConvertsEachAxisWithItsOwnMetric) {
  const StackingPlacement placed =
      FormFrontPlacement({1200.0, 1200.0, 2400.0, 2400.0}, 10.0, 12.0, false);
  EXPECT_EQ(placed.x, 120);
  EXPECT_EQ(placed.y, 100);
  EXPECT_EQ(placed.cx, 240);
  EXPECT_EQ(placed.cy, 200);
}

TEST(FormFrontPlacement, RoundsHalfPixelsToEven) {
  const StackingPlacement placed =
      FormFrontPlacement({337.5, 352.5, 337.5, 352.5}, 15.0, 15.0, false);
  EXPECT_EQ(placed.x, 22);
  EXPECT_EQ(placed.y, 24);
  EXPECT_EQ(placed.cx, 22);
  EXPECT_EQ(placed.cy, 24);
  EXPECT_EQ(FormFrontPlacement({-337.5, -352.5, 0.0, 0.0}, 15.0, 15.0, false).x, -22);
}

TEST(FormFrontPlacement, ReleaseLeavesTheTopmostBandInPlace) {
  const TwipsRect outer{-15000.0, 300.0, 4815.0, 1890.0};
  const StackingPlacement topmost = FormFrontPlacement(outer, 15.0, 15.0, false);
  const StackingPlacement released = FormFrontPlacement(outer, 15.0, 15.0, true);
  EXPECT_EQ(topmost.band, StackingBand::Topmost);
  EXPECT_EQ(released.band, StackingBand::NotTopmost);
  EXPECT_EQ((StackingPlacement{StackingBand::NotTopmost, topmost.x, topmost.y, topmost.cx,
                               topmost.cy, topmost.flags}),
            released);
  EXPECT_EQ(released.x, -1000);
}

TEST(FormFrontPlacement, AnUnusableMetricChangesTheBandOnly) {
  const unsigned bandOnly = kNoActivateNoRedraw | kSwpNoMove | kSwpNoSize;
  EXPECT_EQ(FormFrontPlacement({150.0, 150.0, 150.0, 150.0}, 0.0, 15.0, false),
            (StackingPlacement{StackingBand::Topmost, 0, 0, 0, 0, bandOnly}));
  EXPECT_EQ(FormFrontPlacement({150.0, 150.0, 150.0, 150.0}, 15.0, 0.0, true),
            (StackingPlacement{StackingBand::NotTopmost, 0, 0, 0, 0, bandOnly}));
  EXPECT_EQ(FormFrontPlacement({1e12, 0.0, 150.0, 150.0}, 1.0, 1.0, false).flags, bandOnly);
}

}  // namespace
}  // namespace kx
