#pragma once
// A region capture's picture on the main window's surface: the overlay's
// choice cut from the frozen screen, or a given rectangle copied from the
// screen as it is now.

#include <windows.h>

#include <optional>

#include "actions/RegionAction.h"
#include "capture/CaptureArea.h"
#include "capture/ScreenArea.h"
#include "capture/win32/PictureSurface.h"

namespace kx::win {

class Win32RegionSource final : public RegionSource {
 public:
  // Without `given` the overlay chooses, recalling `lastRegion`; what is
  // taken either way becomes `lastRegion`.
  Win32RegionSource(HWND mainWindow, PictureSurface& surface, std::optional<ScreenRect>& lastRegion,
                    std::optional<ScreenRect> given);

  RegionPick PutRegionOnSurface() override;
  void DrawPointerOnRegion() override;

 private:
  RegionPick CopyGiven();
  RegionPick Choose();

  HWND mainWindow_;
  PictureSurface& surface_;
  std::optional<ScreenRect>& lastRegion_;
  std::optional<ScreenRect> given_;
  ScreenRect taken_;
  ScreenPoint pointer_;  // when the region was asked for
};

}  // namespace kx::win
