#include "app/OneShotRuns.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

OneShotRequest Option(std::string_view line, CaptureSettings& settings) {
  const std::string_view key = "/KIND=";
  const auto at = line.find(key);
  const std::string_view rest = line.substr(at + key.size());
  return PrepareOptionRun(rest.substr(0, rest.find('/')), line, settings);
}

TEST(StoreRun, SavesFullColourWithShift) {
  CaptureSettings settings;
  settings.colors = ColorReduction::To256;
  const OneShotRequest request = PrepareStoreRun(settings);
  EXPECT_EQ(request.modifiers, 4);
  EXPECT_EQ(request.waitSeconds, 0);
  EXPECT_TRUE(settings.toStoreFile);
  EXPECT_EQ(settings.colors, ColorReduction::None);
}

TEST(OptionRun, KindTwoAddsShift) {
  CaptureSettings settings;
  EXPECT_EQ(Option("Kaptorix /KIND=2 ", settings).modifiers, 4);
  EXPECT_EQ(Option("Kaptorix /KIND=2.4", settings).modifiers, 4);
  EXPECT_EQ(Option("Kaptorix /KIND=1", settings).modifiers, 0);
  EXPECT_EQ(Option("Kaptorix /KIND=x", settings).modifiers, 0);
  EXPECT_EQ(Option("Kaptorix /KIND=99999", settings).modifiers, 0);
  EXPECT_EQ(Option("Kaptorix /KIND=002", settings).modifiers, 4);
}

TEST(OptionRun, WaitsZeroToTwentySeconds) {
  CaptureSettings settings;
  EXPECT_EQ(Option("Kaptorix /KIND=2 /TIME=3", settings).waitSeconds, 3);
  EXPECT_EQ(Option("Kaptorix /KIND=2 /TIME=20", settings).waitSeconds, 20);
  EXPECT_EQ(Option("Kaptorix /KIND=2 /TIME=020", settings).waitSeconds, 20);
  EXPECT_EQ(Option("Kaptorix /KIND=2 /TIME=021", settings).waitSeconds, 0);
  EXPECT_EQ(Option("Kaptorix /KIND=2 /TIME=2.5", settings).waitSeconds, 2);
  EXPECT_EQ(Option("Kaptorix /KIND=2 /TIME=25", settings).waitSeconds, 0);
  EXPECT_EQ(Option("Kaptorix /KIND=2 /TIME=-1", settings).waitSeconds, 0);
  EXPECT_EQ(Option("Kaptorix /KIND=2 /TIME=1e9", settings).waitSeconds, 0);
  EXPECT_EQ(Option("Kaptorix /KIND=2", settings).waitSeconds, 0);
}

TEST(OptionRun, ActiveExactlyOneAddsAltAndWaitsAtLeastASecond) {
  CaptureSettings settings;
  OneShotRequest request = Option("Kaptorix /KIND=2 /ACTIVE=1", settings);
  EXPECT_EQ(request.modifiers, 5);
  EXPECT_EQ(request.waitSeconds, 1);
  request = Option("Kaptorix /KIND=1 /ACTIVE=1.0 /TIME=5", settings);
  EXPECT_EQ(request.modifiers, 1);
  EXPECT_EQ(request.waitSeconds, 5);
  request = Option("Kaptorix /KIND=1 /ACTIVE=1 /TIME=25", settings);
  EXPECT_EQ(request.waitSeconds, 1);
  EXPECT_EQ(Option("Kaptorix /KIND=2 /ACTIVE=2", settings).modifiers, 4);
  EXPECT_EQ(Option("Kaptorix /KIND=2 /ACTIVE=1.4", settings).modifiers, 4);
}

TEST(OptionRun, PrinterOptionAlwaysReplacesTheSettingsPrinter) {
  CaptureSettings settings;
  settings.printer = "From settings";
  Option("Kaptorix /KIND=1 /PRNT=  Office Laser  ", settings);
  EXPECT_EQ(settings.printer, "Office Laser");
  Option("Kaptorix /KIND=1", settings);
  EXPECT_EQ(settings.printer, "");
  Option("Kaptorix /KIND=1 /PRNT=   ", settings);
  EXPECT_EQ(settings.printer, "");
}

TEST(OptionRun, AreaIsARectangleOrTheOverlayAndAnythingElseIsRefused) {
  CaptureSettings settings;
  const OneShotRequest request =
      Option("Kaptorix /KIND=2 /AREA=-1280, 0,640,480 /PRNT=x", settings);
  EXPECT_EQ(request.area->rect, (ScreenRect{-1280, 0, -640, 480}));
  EXPECT_EQ(ReadLastRegion(LastRegionText(request.area->rect)), request.area->rect);
  EXPECT_TRUE(Option("Kaptorix /KIND=1 /AREA=Select ", settings).area->select);
  EXPECT_TRUE(Option("Kaptorix /KIND=1 /AREA=1,2,0,4", settings).areaRefused);
  EXPECT_FALSE(Option("Kaptorix /KIND=1", settings).area || request.areaRefused);
  for (const std::string_view bad : {"", "select", "1,2,3", "1,2,3,4,5", "\xff"}) {
    EXPECT_EQ(ReadLastRegion(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace kx
