#pragma once
// The whole virtual screen, every monitor, copied at one moment: the picture
// the overlay shows and a region is cut from.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "capture/ScreenArea.h"
#include "capture/win32/Picture.h"

namespace kx::win {

struct FrozenScreen {
  Picture picture;  // a 32-bit section, black where no monitor is
  ScreenRect area;  // where it lies on the virtual screen
  std::vector<Monitor> monitors;
};

// The screen as it is now; nothing without monitors or when the copy cannot
// be made.
std::optional<FrozenScreen> FreezeScreen();

// 0xRRGGBB of the frozen pixel at a point of the virtual screen; black
// outside the picture.
std::uint32_t FrozenColour(const FrozenScreen& frozen, ScreenPoint point);

}  // namespace kx::win
