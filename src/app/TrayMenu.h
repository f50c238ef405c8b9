#pragma once
// The notification-area icon's menu and tooltip: which items it has, when
// each is enabled and what each does.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

enum class TrayCommand : std::uint32_t {
  None = 0,  // a separator, or a sub-menu's own item
  SaveScreen,
  PrintScreen,
  SaveWindow,
  SelectRegion,
  SaveScreenLater,
  PrintScreenLater,
  SaveWindowLater,
  OpenSettings,
  EndProgram,
};

struct TrayMenuItem {
  TrayCommand command = TrayCommand::None;
  std::string_view label;  // empty: a separator
  bool enabled = true;
  std::vector<TrayMenuItem> subItems;  // a sub-menu when not empty

  bool operator==(const TrayMenuItem&) const = default;
};

struct TrayState {
  bool alwaysSave = false;  // every capture is saved: printing is not offered
  bool region = false;      // region captures are on
};

// The menu, top to bottom. Its first item is what a double-click does.
std::vector<TrayMenuItem> TrayMenuItems(const TrayState& state);

// What a capture item asks for: the modifiers of the matching key press,
// the wait before the capture, and whether a region is chosen first.
struct TrayCapture {
  int modifiers = 0;
  int waitSeconds = 0;
  bool region = false;

  bool operator==(const TrayCapture&) const = default;
};

// Nothing for an item that is no capture.
std::optional<TrayCapture> CaptureOf(TrayCommand command);

// "Kaptorix_Key 待機中: Print Screen（キー 4 個中 4 個）".
std::string TrayTooltip(std::string_view keyName, std::size_t keysHeld, std::size_t keysTried);

}  // namespace kx
