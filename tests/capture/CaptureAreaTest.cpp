#include "capture/CaptureArea.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

constexpr ScreenRect kWindow{100, 50, 500, 350};

TEST(WindowCaptureArea, WithoutAFrameTheWindowRectangle) {
  const auto area = WindowCaptureArea(kWindow, std::nullopt);
  ASSERT_TRUE(area);
  EXPECT_EQ(area->outer.left, 100);
  EXPECT_EQ(area->outer.top, 50);
  EXPECT_EQ(area->sourceLeft, 0);
  EXPECT_EQ(area->sourceTop, 0);
  EXPECT_EQ(area->width, 400);
  EXPECT_EQ(area->height, 300);
}

TEST(WindowCaptureArea, TheVisibleFrameLeavesOutInvisibleBorders) {
  const auto area = WindowCaptureArea(kWindow, ScreenRect{107, 50, 493, 343});
  ASSERT_TRUE(area);
  EXPECT_EQ(area->outer.left, 107);
  EXPECT_EQ(area->outer.top, 50);
  EXPECT_EQ(area->sourceLeft, 7);
  EXPECT_EQ(area->sourceTop, 0);
  EXPECT_EQ(area->width, 386);
  EXPECT_EQ(area->height, 293);
}

TEST(WindowCaptureArea, AnUntrustworthyFrameIsIgnored) {
  for (const ScreenRect frame : {ScreenRect{90, 50, 500, 350}, ScreenRect{100, 50, 501, 350},
                                 ScreenRect{200, 100, 200, 300}, ScreenRect{0, 0, 0, 0}}) {
    const auto area = WindowCaptureArea(kWindow, frame);
    ASSERT_TRUE(area);
    EXPECT_EQ(area->width, 400);
    EXPECT_EQ(area->sourceLeft, 0);
  }
}

TEST(WindowCaptureArea, SizesBeyond32BitsAreRefused) {
  EXPECT_FALSE(WindowCaptureArea(ScreenRect{-2147483647 - 1, 0, 2147483647, 10}, std::nullopt));
  const auto empty = WindowCaptureArea(ScreenRect{10, 10, 10, 10}, std::nullopt);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->width, 0);
}

TEST(CaptureBandRows, BandsOf120KibAndAtLeastOneRow) {
  EXPECT_EQ(CaptureBandRows(1920), 16);  // 1920 * 4 * 16 = 122880 bytes
  EXPECT_EQ(CaptureBandRows(3840), 8);
  EXPECT_EQ(CaptureBandRows(1), 30720);
  EXPECT_EQ(CaptureBandRows(100000), 1);
  EXPECT_EQ(CaptureBandRows(0), 30720);
  EXPECT_EQ(CaptureBandRows(-5), 30720);
  for (const std::int32_t width : {1, 7, 640, 1366, 2560, 30720}) {
    const std::int64_t rows = CaptureBandRows(width);
    EXPECT_LE(rows * width * 4, kCaptureBandBytes) << width;
    EXPECT_GT((rows + 1) * width * 4, kCaptureBandBytes) << width;
  }
}

}  // namespace
}  // namespace kx
