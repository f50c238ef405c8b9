#include "app/TrayMenu.h"

#include <gtest/gtest.h>

#include "base/HotKeyNames.h"
#include "base/Modifiers.h"

namespace kx {
namespace {

std::vector<TrayCommand> Commands(const std::vector<TrayMenuItem>& items) {
  std::vector<TrayCommand> commands;
  for (const TrayMenuItem& item : items) commands.push_back(item.command);
  return commands;
}

TEST(TrayMenu, OffersRegionOnlyWhenOnAndPrintingOnlyWhenNotAlwaysSaving) {
  using enum TrayCommand;
  const std::vector<TrayMenuItem> plain = TrayMenuItems({});
  EXPECT_EQ(Commands(plain), (std::vector{SaveScreen, PrintScreen, SaveWindow, None, None,
                                          OpenSettings, EndProgram}));
  EXPECT_EQ(plain[3].label, "5 秒後に(&5)");
  EXPECT_EQ(Commands(plain[3].subItems),
            (std::vector{SaveScreenLater, PrintScreenLater, SaveWindowLater}));
  EXPECT_TRUE(plain[4].label.empty()) << "a separator";

  const std::vector<TrayMenuItem> region = TrayMenuItems({false, true});
  EXPECT_EQ(region[3].command, SelectRegion);
  EXPECT_EQ(region[3].label, "範囲を選んで保存(&R)");

  const std::vector<TrayMenuItem> saving = TrayMenuItems({true, false});
  EXPECT_FALSE(saving[1].enabled);
  EXPECT_FALSE(saving[3].subItems[1].enabled);
  EXPECT_TRUE(saving[0].enabled && saving[2].enabled && plain[1].enabled);
}

TEST(TrayMenu, EachCaptureItemIsAKeyPressWithItsWait) {
  using enum TrayCommand;
  const struct {
    TrayCommand command;
    std::optional<TrayCapture> capture;
  } cases[] = {
      {SaveScreen, TrayCapture{kModShift, 0, false}},
      {PrintScreen, TrayCapture{0, 0, false}},
      {SaveWindow, TrayCapture{kModShift | kModAlt, 0, false}},
      {SelectRegion, TrayCapture{kModShift, 0, true}},
      {SaveScreenLater, TrayCapture{kModShift, 5, false}},
      {PrintScreenLater, TrayCapture{0, 5, false}},
      {SaveWindowLater, TrayCapture{kModShift | kModAlt, 5, false}},
      {OpenSettings, std::nullopt},
      {EndProgram, std::nullopt},
      {None, std::nullopt},
      {static_cast<TrayCommand>(99), std::nullopt},
  };
  for (const auto& [command, capture] : cases) {
    EXPECT_EQ(CaptureOf(command), capture) << static_cast<int>(command);
  }
}

TEST(TrayMenu, TooltipNamesTheKeyAndTheKeysHeld) {
  EXPECT_EQ(TrayTooltip(HotKeyName(44), 2, 4),
            "Kaptorix_Key 待機中: Print Screen（キー 4 個中 2 個）");
  EXPECT_EQ(HotKeyName(135), "F24");
  EXPECT_EQ(HotKeyName(136), "キーコード 136");
}

}  // namespace
}  // namespace kx
