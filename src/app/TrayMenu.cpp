#include "app/TrayMenu.h"

#include "base/Modifiers.h"
#include "base/ProductNames.h"

namespace kx {
namespace {

constexpr int kLaterSeconds = 5;

std::vector<TrayMenuItem> CaptureItems(const TrayState& state, bool later) {
  return {
      {later ? TrayCommand::SaveScreenLater : TrayCommand::SaveScreen,
       kTrayMenuSaveScreen,
       true,
       {}},
      {later ? TrayCommand::PrintScreenLater : TrayCommand::PrintScreen,
       kTrayMenuPrintScreen,
       !state.alwaysSave,
       {}},
      {later ? TrayCommand::SaveWindowLater : TrayCommand::SaveWindow,
       kTrayMenuSaveWindow,
       true,
       {}},
  };
}

}  // namespace

std::vector<TrayMenuItem> TrayMenuItems(const TrayState& state) {
  std::vector<TrayMenuItem> items = CaptureItems(state, false);
  if (state.region) items.push_back({TrayCommand::SelectRegion, kTrayMenuSelectRegion, true, {}});
  items.push_back({TrayCommand::None, kTrayMenuLater, true, CaptureItems(state, true)});
  items.push_back({});
  items.push_back({TrayCommand::OpenSettings, kTrayMenuOpenSettings, true, {}});
  items.push_back({TrayCommand::EndProgram, kTrayMenuEnd, true, {}});
  return items;
}

std::optional<TrayCapture> CaptureOf(TrayCommand command) {
  switch (command) {
    case TrayCommand::SaveScreen:
      return TrayCapture{kModShift, 0, false};
    case TrayCommand::PrintScreen:
      return TrayCapture{0, 0, false};
    case TrayCommand::SaveWindow:
      return TrayCapture{kModShift | kModAlt, 0, false};
    case TrayCommand::SelectRegion:
      return TrayCapture{kModShift, 0, true};
    case TrayCommand::SaveScreenLater:
      return TrayCapture{kModShift, kLaterSeconds, false};
    case TrayCommand::PrintScreenLater:
      return TrayCapture{0, kLaterSeconds, false};
    case TrayCommand::SaveWindowLater:
      return TrayCapture{kModShift | kModAlt, kLaterSeconds, false};
    case TrayCommand::None:
    case TrayCommand::OpenSettings:
    case TrayCommand::EndProgram:
      break;
  }
  return std::nullopt;
}

std::string TrayTooltip(std::string_view keyName, std::size_t keysHeld, std::size_t keysTried) {
  std::string text(kProgramTitle);
  text.append(kTrayTooltipWaiting).append(keyName).append(kTrayTooltipKeysOpen);
  text.append(std::to_string(keysTried)).append(kTrayTooltipKeysOf);
  text.append(std::to_string(keysHeld)).append(kTrayTooltipKeysClose);
  return text;
}

}  // namespace kx
