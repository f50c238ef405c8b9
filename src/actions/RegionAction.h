#pragma once
// A capture of a region of the screen: chosen on the overlay, or given.

#include <string>

#include "actions/ActionServices.h"
#include "settings/CaptureSettings.h"

namespace kx {

enum class RegionPick {
  Taken,      // the region's picture is on the surface
  Cancelled,  // the user cancelled the choice
  OffScreen,  // no pixel of the region is on a monitor
};

// Where a region's picture comes from.
class RegionSource {
 public:
  virtual ~RegionSource() = default;
  // Puts the region on the action's surface. An ActionError when the screen
  // cannot be copied.
  virtual RegionPick PutRegionOnSurface() = 0;
  // Draws the pointer where it was when the region was asked for, when that
  // is inside the region.
  virtual void DrawPointerOnRegion() = 0;
};

// The region from `source`, then the road of every capture: saved with
// `save` (or always when the settings say so), else printed. A cancelled or
// off-screen region ends the action with nothing saved, printed or shown.
ActionResult RunRegionAction(bool save, CaptureSettings& settings, const std::string& programDir,
                             ActionServices& services, RegionSource& source);

}  // namespace kx
