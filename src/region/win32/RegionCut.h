#pragma once
// A region cut out of the frozen screen, as a capture of its own.

#include "capture/CaptureArea.h"
#include "capture/win32/Picture.h"

namespace kx::win {

// A new 32-bit picture of `rect` (virtual-screen pixels) with the exact
// pixels of `screen`, a 32-bit section that lies at `screenArea`; black
// where the rectangle leaves it. Empty for an empty rectangle, a screen
// without rows or when the picture cannot be made.
Picture CutRegion(const Picture& screen, const ScreenRect& screenArea, const ScreenRect& rect);

}  // namespace kx::win
