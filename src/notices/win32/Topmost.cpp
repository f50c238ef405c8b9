#include "base/Twips.h"
#include "notices/TopmostPlacement.h"
#include "notices/win32/Notices.h"
#include "notices/win32/Screen.h"

namespace kx::win {

void SetTopmost(HWND window, bool topmost) {
  RECT outer{};
  ::GetWindowRect(window, &outer);
  const ScreenResolution resolution = CurrentScreenResolution();
  const double perPixelX = TwipsPerPixel(resolution.pixelsPerInchX);
  const double perPixelY = TwipsPerPixel(resolution.pixelsPerInchY);

  const TwipsRect twips{outer.left * perPixelX, outer.top * perPixelY,
                        (outer.right - outer.left) * perPixelX,
                        (outer.bottom - outer.top) * perPixelY};
  const StackingPlacement placement = TopmostPlacement(twips, perPixelX, perPixelY, topmost);
  const HWND insertAfter = placement.band == StackingBand::Topmost ? HWND_TOPMOST : HWND_NOTOPMOST;
  ::SetWindowPos(window, insertAfter, placement.x, placement.y, placement.cx, placement.cy,
                 placement.flags);
}

}  // namespace kx::win
