#include "app/win32/Win32RegionSource.h"

#include <utility>
#include <vector>

#include "base/ProductNames.h"
#include "capture/win32/Capture.h"
#include "capture/win32/ScreenCapture.h"
#include "region/MonitorClip.h"
#include "region/RectMath.h"
#include "region/win32/RegionCut.h"
#include "region/win32/RegionOverlay.h"

namespace kx::win {

Win32RegionSource::Win32RegionSource(HWND mainWindow, PictureSurface& surface,
                                     std::optional<ScreenRect>& lastRegion,
                                     std::optional<ScreenRect> given)
    : mainWindow_(mainWindow), surface_(surface), lastRegion_(lastRegion), given_(given) {}

RegionPick Win32RegionSource::PutRegionOnSurface() {
  surface_.SetAutoRedraw(false);
  const RegionPick pick = given_ ? CopyGiven() : Choose();
  if (pick != RegionPick::Taken) return pick;
  if (!surface_.GetPicture()) throw ActionError(std::string(kCaptureFailedText));
  lastRegion_ = taken_;
  return pick;
}

RegionPick Win32RegionSource::CopyGiven() {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  pointer_ = {cursor.x, cursor.y};
  const std::vector<Monitor> monitors = DisplayMonitors();
  const std::optional<ScreenArea> area = ClipToMonitors(*given_, monitors);
  if (!area) return RegionPick::OffScreen;
  taken_ = area->area;
  surface_.SetPicture(CopyScreenArea(*area));
  return RegionPick::Taken;
}

RegionPick Win32RegionSource::Choose() {
  RegionOutcome outcome = RunRegionOverlay(mainWindow_, lastRegion_);
  pointer_ = outcome.pointer;
  switch (outcome.end) {
    case RegionEnd::Taken:
      break;
    case RegionEnd::Cancelled:
      return RegionPick::Cancelled;
    case RegionEnd::Empty:
      return RegionPick::OffScreen;
    case RegionEnd::Failed:
      throw ActionError(std::string(kCaptureFailedText));
  }
  taken_ = outcome.rect;
  surface_.SetPicture(CutRegion(outcome.screen, outcome.screenArea, outcome.rect));
  return RegionPick::Taken;
}

void Win32RegionSource::DrawPointerOnRegion() {
  if (!Contains(taken_, pointer_)) return;
  surface_.SetAutoRedraw(true);
  DrawPointerAt(surface_.DrawingDc(), {taken_.left, taken_.top}, pointer_, mainWindow_);
  surface_.SetAutoRedraw(false);
  surface_.AdoptImage();
}

}  // namespace kx::win
