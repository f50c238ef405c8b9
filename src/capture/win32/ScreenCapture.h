#pragma once
// Captures of the screen the settings choose: the primary one, the monitor
// under the pointer or of the foreground window, or all monitors.

#include <optional>
#include <vector>

#include "capture/ScreenArea.h"
#include "capture/win32/Picture.h"
#include "capture/win32/PictureSurface.h"
#include "settings/CaptureSettings.h"

namespace kx::win {

// The desktop's monitors, in physical pixels, in the system's order.
std::vector<Monitor> DisplayMonitors();

// What a capture of `screen` takes at this moment; nothing when the
// monitors cannot be found.
[[nodiscard]] std::optional<ScreenArea> ScreenAreaNow(Screen screen);

// The screen's pixels in the area, black where it is uncovered, copied into
// `spare` when that is given (it must have the area's size). Empty when the
// copy cannot be made.
Picture CopyScreenArea(const ScreenArea& area, DibSection spare = {});

// Puts a capture of `screen` on the surface and returns its top-left corner
// on the screen, which the pointer is drawn relative to. The primary screen
// (also when the monitors cannot be found) is CopyDesktopToSurface's.
ScreenPoint CopyScreenToSurface(PictureSurface& surface, Screen screen);

}  // namespace kx::win
