#pragma once
// Which part of the desktop a screen capture takes, from the monitors'
// rectangles: one monitor, or all of them as one picture.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "capture/CaptureArea.h"
#include "settings/CaptureSettings.h"

namespace kx {

struct Monitor {
  ScreenRect area;  // physical screen pixels
  bool primary = false;
};

struct ScreenPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct ScreenArea {
  ScreenRect area;                    // what the picture shows
  std::vector<ScreenRect> uncovered;  // the parts of it outside every monitor
};

// The area of `screen`: the primary monitor (marked, else the one at the
// origin, else the first); the monitor under the pointer, else the one
// nearest to it; the monitor the foreground window overlaps most, else the
// one nearest to it, and the primary one without a window; or the rectangle
// around all monitors, with the parts that no monitor covers listed top to
// bottom, left to right. Monitors of no size do not count. Nothing without
// a monitor or for an area whose size does not fit 32 bits.
[[nodiscard]] std::optional<ScreenArea> ChooseScreenArea(
    Screen screen, std::span<const Monitor> monitors, ScreenPoint pointer,
    const std::optional<ScreenRect>& foregroundWindow);

}  // namespace kx
