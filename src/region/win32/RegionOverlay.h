#pragma once
// The region overlay: the whole virtual screen frozen at the call and shown
// in a topmost window over every monitor, on which the user chooses a
// rectangle (see region/RegionSelector.h for the mouse and the keys).
//
// For a region capture the caller, on the user-interface thread:
//   const RegionOutcome outcome = RunRegionOverlay(mainWindow, lastRegion);
//   if (outcome.end == RegionEnd::Taken) {
//     lastRegion = outcome.rect;
//     surface.SetPicture(CutRegion(outcome.screen, outcome.screenArea, outcome.rect));
//     // the pointer, when drawn, goes at outcome.pointer minus outcome.rect's corner
//   }
// Cancelled and Empty end the action with nothing saved, printed or shown.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "capture/ScreenArea.h"
#include "capture/win32/Picture.h"

namespace kx::win {

enum class RegionEnd {
  Taken,      // `rect` was chosen
  Cancelled,  // Esc, the right button, or the overlay closed
  Empty,      // the choice held no pixel of any monitor
  Failed,     // the screen could not be copied or the window not shown
};

struct RegionOutcome {
  RegionEnd end = RegionEnd::Failed;
  ScreenRect rect;        // Taken: the region, virtual-screen pixels, cut to the monitors
  Picture screen;         // Taken: the frozen virtual screen, black where no monitor is
  ScreenRect screenArea;  // where `screen` lies on the virtual screen
  ScreenPoint pointer;    // where the pointer was at the call
};

enum class RegionStart {
  Select,      // choose anew; R recalls the last region
  AdjustLast,  // open with the last region as a frame to adjust (Enter takes it)
};

// Told about each paint of the overlay (for tests and benchmarks).
class OverlayObserver {
 public:
  virtual ~OverlayObserver() = default;
  // After a paint that repainted `pixels` pixels, the first one included.
  virtual void OverlayPainted(std::int64_t pixels) = 0;
};

// Freezes the screen, shows the overlay (owned by `owner`, which may be
// null) and runs its own message loop on the calling thread until the
// choice ends. The thread is per-monitor DPI aware meanwhile. A WM_QUIT met
// on the way cancels and is posted again. `lastRegion` is what R recalls,
// cut to the virtual screen; without it AdjustLast starts as Select.
RegionOutcome RunRegionOverlay(HWND owner, const std::optional<ScreenRect>& lastRegion,
                               RegionStart start = RegionStart::Select,
                               OverlayObserver* observer = nullptr);

}  // namespace kx::win
