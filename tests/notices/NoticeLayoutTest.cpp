#include "notices/NoticeLayout.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

constexpr ScreenResolution k96{96, 96};
constexpr PixelSize kNoText{0, 0};
constexpr std::int32_t kWideScreen = 1280;

TEST(NoticeLayout, DesignsAtNinetySixPixelsPerInch) {
  EXPECT_EQ(LayOutNotice(kResultNotice, k96, kNoText, kWideScreen),
            (NoticeLayout{{146, 50}, {8, 8, 129, 33}, std::nullopt}));
  EXPECT_EQ(LayOutNotice(kSaveAbortedNotice, k96, kNoText, kWideScreen),
            (NoticeLayout{{319, 94}, {16, 24, 305, 57}, std::nullopt}));
  EXPECT_EQ(LayOutNotice(kPrintErrorNotice, k96, kNoText, kWideScreen),
            (NoticeLayout{{382, 94}, {16, 16, 353, 41}, PixelBox{144, 64, 95, 23}}));
}

TEST(NoticeLayout, ScalesWithTheScreenResolution) {
  // 144 per inch: 10 twips per pixel; 120 per inch: 12 twips per pixel.
  EXPECT_EQ(LayOutNotice(kResultNotice, {144, 120}, kNoText, kWideScreen),
            (NoticeLayout{{219, 62}, {12, 10, 194, 41}, std::nullopt}));
  // 1425 / 10 = 142.5 and 345 / 10 = 34.5 round to the even neighbour.
  EXPECT_EQ(LayOutNotice(kPrintErrorNotice, {144, 144}, kNoText, kWideScreen).button,
            (PixelBox{216, 96, 142, 34}));
  EXPECT_EQ(LayOutNotice(kResultNotice, {0, -1}, kNoText, kWideScreen).client,
            (PixelSize{146, 50}));
}

TEST(NoticeLayout, TextThatFitsKeepsTheDesign) {
  EXPECT_EQ(LayOutNotice(kPrintErrorNotice, k96, {353, 41}, kWideScreen),
            LayOutNotice(kPrintErrorNotice, k96, kNoText, kWideScreen));
}

TEST(NoticeLayout, WiderTextWidensLabelAndWindowAndKeepsTheButtonCentred) {
  const NoticeLayout layout = LayOutNotice(kPrintErrorNotice, k96, {453, 41}, kWideScreen);
  EXPECT_EQ(layout.client, (PixelSize{485, 94}));
  EXPECT_EQ(layout.label, (PixelBox{16, 16, 453, 41}));
  EXPECT_EQ(layout.button, (PixelBox{195, 64, 95, 23}));
}

TEST(NoticeLayout, TextRunningPastTheClientAreaWidensTheWindow) {
  // The designed label of the save-aborted notice reaches 2 pixels beyond its client area.
  EXPECT_EQ(LayOutNotice(kSaveAbortedNotice, k96, {287, 40}, kWideScreen).client,
            (PixelSize{319, 94}));
  const NoticeLayout layout = LayOutNotice(kSaveAbortedNotice, k96, {305, 40}, kWideScreen);
  EXPECT_EQ(layout.client, (PixelSize{337, 94}));
  EXPECT_EQ(layout.label, (PixelBox{16, 24, 305, 57}));
}

TEST(NoticeLayout, TallerTextDeepensLabelAndWindowAndMovesTheButtonDown) {
  const NoticeLayout layout = LayOutNotice(kPrintErrorNotice, k96, {300, 48}, kWideScreen);
  EXPECT_EQ(layout.client, (PixelSize{382, 101}));
  EXPECT_EQ(layout.label, (PixelBox{16, 16, 353, 48}));
  EXPECT_EQ(layout.button, (PixelBox{144, 71, 95, 23}));
  EXPECT_EQ(LayOutNotice(kResultNotice, k96, {100, 37}, kWideScreen).client, (PixelSize{146, 54}));
}

TEST(NoticeLayout, GrowsNoWiderThanTheScreenAllows) {
  const NoticeLayout capped = LayOutNotice(kSaveAbortedNotice, k96, {2000, 30}, 400);
  EXPECT_EQ(capped.client, (PixelSize{400, 94}));
  EXPECT_EQ(capped.label, (PixelBox{16, 24, 368, 57}));
  EXPECT_EQ(LayOutNotice(kSaveAbortedNotice, k96, {2000, 30}, 200),
            LayOutNotice(kSaveAbortedNotice, k96, kNoText, kWideScreen));
}

TEST(CentredOrigin, CentresTheOuterWindow) {
  EXPECT_EQ(CentredOrigin({1280, 1024}, {148, 52}), (PixelPoint{566, 486}));
  EXPECT_EQ(CentredOrigin({1280, 1024}, {1281, 1025}), (PixelPoint{0, 0}));
  EXPECT_EQ(CentredOrigin({1280, 1024}, {1284, 1030}), (PixelPoint{-2, -3}));
}

}  // namespace
}  // namespace kx
