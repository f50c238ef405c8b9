#include "actions/RegionAction.h"

#include "actions/CaptureAction.h"
#include "base/ProductNames.h"

namespace kx {

ActionResult RunRegionAction(bool save, CaptureSettings& settings, const std::string& programDir,
                             ActionServices& services, RegionSource& source) {
  const auto takeRegion = [&]() -> std::optional<ActionResult> {
    switch (source.PutRegionOnSurface()) {
      case RegionPick::Cancelled:
        return Report(services, ActionOutcome::RegionCancelled, std::string(kRegionCancelledText));
      case RegionPick::OffScreen:
        return Report(services, ActionOutcome::RegionOffScreen, std::string(kRegionOffScreenText));
      case RegionPick::Taken:
        break;
    }
    if (settings.cursor) source.DrawPointerOnRegion();
    return std::nullopt;
  };
  return RunPictureAction(save || settings.alwaysSave, takeRegion, settings, programDir, services);
}

}  // namespace kx
