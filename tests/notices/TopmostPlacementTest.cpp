#include "notices/TopmostPlacement.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

constexpr unsigned kNoActivateNoRedraw = 0x18;

TEST(TopmostPlacement, KeepsPositionAndSizeInPixels) {
  const StackingPlacement placed =
      TopmostPlacement({8250.0, 6900.0, 2190.0, 780.0}, 15.0, 15.0, true);
  EXPECT_EQ(placed,
            (StackingPlacement{StackingBand::Topmost, 550, 460, 146, 52, kNoActivateNoRedraw}));
}

TEST(TopmostPlacement, ConvertsEachAxisWithItsOwnMetric) {
  const StackingPlacement placed =
      TopmostPlacement({1200.0, 1200.0, 2400.0, 2400.0}, 10.0, 12.0, true);
  EXPECT_EQ(placed.x, 120);
  EXPECT_EQ(placed.y, 100);
  EXPECT_EQ(placed.cx, 240);
  EXPECT_EQ(placed.cy, 200);
}

TEST(TopmostPlacement, RoundsHalfPixelsToEven) {
  const StackingPlacement placed = TopmostPlacement({337.5, 352.5, 337.5, 352.5}, 15.0, 15.0, true);
  EXPECT_EQ(placed.x, 22);
  EXPECT_EQ(placed.y, 24);
  EXPECT_EQ(placed.cx, 22);
  EXPECT_EQ(placed.cy, 24);
  EXPECT_EQ(TopmostPlacement({-337.5, -352.5, 0.0, 0.0}, 15.0, 15.0, true).x, -22);
}

TEST(TopmostPlacement, LeavingTheTopmostBandKeepsThePlace) {
  const TwipsRect outer{-15000.0, 300.0, 4815.0, 1890.0};
  const StackingPlacement topmost = TopmostPlacement(outer, 15.0, 15.0, true);
  const StackingPlacement released = TopmostPlacement(outer, 15.0, 15.0, false);
  EXPECT_EQ(topmost.band, StackingBand::Topmost);
  EXPECT_EQ(released.band, StackingBand::NotTopmost);
  EXPECT_EQ((StackingPlacement{StackingBand::NotTopmost, topmost.x, topmost.y, topmost.cx,
                               topmost.cy, topmost.flags}),
            released);
  EXPECT_EQ(released.x, -1000);
}

TEST(TopmostPlacement, AnUnusableMetricChangesTheBandOnly) {
  const unsigned bandOnly = kNoActivateNoRedraw | kSwpNoMove | kSwpNoSize;
  EXPECT_EQ(TopmostPlacement({150.0, 150.0, 150.0, 150.0}, 0.0, 15.0, true),
            (StackingPlacement{StackingBand::Topmost, 0, 0, 0, 0, bandOnly}));
  EXPECT_EQ(TopmostPlacement({150.0, 150.0, 150.0, 150.0}, 15.0, 0.0, false),
            (StackingPlacement{StackingBand::NotTopmost, 0, 0, 0, 0, bandOnly}));
  EXPECT_EQ(TopmostPlacement({1e12, 0.0, 150.0, 150.0}, 1.0, 1.0, true).flags, bandOnly);
}

}  // namespace
}  // namespace kx
