#include "base/Twips.h"
#include "notices/FormFrontPlacement.h"
#include "notices/win32/Notices.h"
#include "notices/win32/Screen.h"

namespace kx::win {

void FormFront(HWND form, bool release) {
  RECT outer{};
  ::GetWindowRect(form, &outer);
  const ScreenResolution resolution = CurrentScreenResolution();
  const double perPixelX = TwipsPerPixel(resolution.pixelsPerInchX);
  const double perPixelY = TwipsPerPixel(resolution.pixelsPerInchY);

  const TwipsRect twips{outer.left * perPixelX, outer.top * perPixelY,
                        (outer.right - outer.left) * perPixelX,
                        (outer.bottom - outer.top) * perPixelY};
  const StackingPlacement placement = FormFrontPlacement(twips, perPixelX, perPixelY, release);
  const HWND insertAfter =
      placement.band == StackingBand::Topmost ? HWND_TOPMOST : HWND_NOTOPMOST;
  ::SetWindowPos(form, insertAfter, placement.x, placement.y, placement.cx, placement.cy,
                 placement.flags);
}

}  // namespace kx::win
