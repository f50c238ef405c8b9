#pragma once
// A chosen rectangle cut to the monitors: what a region capture takes.

#include <optional>
#include <span>

#include "capture/ScreenArea.h"

namespace kx {

// The rectangle around the parts of `rect` that lie on a monitor, with the
// parts of it that no monitor shows listed (a capture paints them black).
// Nothing when no pixel of `rect` is on a monitor.
std::optional<ScreenArea> ClipToMonitors(const ScreenRect& rect, std::span<const Monitor> monitors);

}  // namespace kx
